#include "platform/Surface.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {

namespace {

constexpr double kTwips = 15.0;        // twips per pixel
constexpr double kFarOff = 1e6;        // pixels; anything further is a calculation gone wrong
constexpr double kTwoPi = 6.283185307179586;

bool Sane(double v) { return std::isfinite(v) && std::fabs(v) <= kFarOff; }

}  // namespace

Surface::Surface() { list_.reserve(64); }

void Surface::SetPixelSize(int width, int height) {
    pixelWidth_ = std::max(0, width);
    pixelHeight_ = std::max(0, height);
}

float Surface::ScaleWidth() const {
    return userScale_ ? scaleW_ : static_cast<float>(pixelWidth_ * kTwips);
}

float Surface::ScaleHeight() const {
    return userScale_ ? scaleH_ : static_cast<float>(pixelHeight_ * kTwips);
}

void Surface::Scale(float x1, float y1, float x2, float y2) {
    userScale_ = true;
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleW_ = x2 - x1;
    scaleH_ = y2 - y1;
}

void Surface::ScaleDefault() {
    userScale_ = false;
    scaleLeft_ = scaleTop_ = 0;
    scaleW_ = scaleH_ = 0;
}

double Surface::ToPixelX(double x) const {
    if (!userScale_) return x / kTwips;
    return (x - scaleLeft_) * pixelWidth_ / scaleW_;
}

double Surface::ToPixelY(double y) const {
    if (!userScale_) return y / kTwips;
    return (y - scaleTop_) * pixelHeight_ / scaleH_;
}

double Surface::ToPixelW(double w) const {
    if (!userScale_) return w / kTwips;
    return w * pixelWidth_ / scaleW_;
}

double Surface::ToPixelH(double h) const {
    if (!userScale_) return h / kTwips;
    return h * pixelHeight_ / scaleH_;
}

void Surface::Touch() {
    ++revision_;
    if (Changed) Changed();
}

void Surface::Add(DrawOp&& op) {
    bool ok = Sane(op.x1) && Sane(op.y1);
    if (op.kind == DrawOpKind::Line || op.kind == DrawOpKind::Box)
        ok = ok && Sane(op.x2) && Sane(op.y2);
    if (op.kind == DrawOpKind::Circle)
        ok = ok && Sane(op.r) && std::isfinite(op.aspect) && std::isfinite(op.startAngle) &&
             std::isfinite(op.endAngle) && Sane(op.r * op.aspect);
    if (!ok) {
        ++dropped_;
        return;
    }
    if (frameDepth_ > 0) {
        pending_.push_back(std::move(op));
        return;
    }
    list_.push_back(std::move(op));
    Touch();
}

void Surface::Cls() {
    CurrentX = ScaleLeft();
    CurrentY = ScaleTop();
    if (frameDepth_ > 0) {
        pending_.clear();
        return;
    }
    if (list_.empty()) return;
    list_.clear();
    Touch();
}

void Surface::Line(float x1, float y1, float x2, float y2, std::optional<Color> color) {
    DrawOp op;
    op.kind = DrawOpKind::Line;
    op.x1 = ToPixelX(x1);
    op.y1 = ToPixelY(y1);
    op.x2 = ToPixelX(x2);
    op.y2 = ToPixelY(y2);
    op.color = color.value_or(ForeColor);
    op.width = DrawWidth;
    op.style = DrawStyle;
    CurrentX = x2;
    CurrentY = y2;
    Add(std::move(op));
}

void Surface::LineTo(float x2, float y2, std::optional<Color> color) {
    Line(CurrentX, CurrentY, x2, y2, color);
}

void Surface::Box(float x1, float y1, float x2, float y2, std::optional<Color> color,
                  bool fillWithLineColor) {
    DrawOp op;
    op.kind = DrawOpKind::Box;
    const double px1 = ToPixelX(x1), px2 = ToPixelX(x2);
    const double py1 = ToPixelY(y1), py2 = ToPixelY(y2);
    op.x1 = std::fmin(px1, px2);
    op.x2 = std::fmax(px1, px2);
    op.y1 = std::fmin(py1, py2);
    op.y2 = std::fmax(py1, py2);
    if (!std::isfinite(px1) || !std::isfinite(px2)) op.x1 = op.x2 = px1 + px2;
    if (!std::isfinite(py1) || !std::isfinite(py2)) op.y1 = op.y2 = py1 + py2;
    op.color = color.value_or(ForeColor);
    op.width = DrawWidth;
    op.style = DrawStyle;
    if (fillWithLineColor) {
        op.filled = true;
        op.fillColor = op.color;
    } else if (FillSolid) {
        op.filled = true;
        op.fillColor = FillColor;
    }
    CurrentX = x2;
    CurrentY = y2;
    Add(std::move(op));
}

void Surface::PSet(float x, float y, std::optional<Color> color) {
    DrawOp op;
    op.kind = DrawOpKind::Point;
    op.x1 = op.x2 = ToPixelX(x);
    op.y1 = op.y2 = ToPixelY(y);
    op.color = color.value_or(ForeColor);
    op.width = DrawWidth;
    CurrentX = x;
    CurrentY = y;
    Add(std::move(op));
}

void Surface::Circle(float x, float y, float radius, std::optional<Color> color,
                     std::optional<double> startAngle, std::optional<double> endAngle,
                     double aspect) {
    DrawOp op;
    op.kind = DrawOpKind::Circle;
    op.x1 = op.x2 = ToPixelX(x);
    op.y1 = op.y2 = ToPixelY(y);
    const double r = std::fabs(ToPixelW(radius));
    aspect = std::fabs(aspect);
    op.r = aspect < 1.0 ? r : r / aspect;
    op.aspect = aspect;
    op.color = color.value_or(ForeColor);
    op.width = DrawWidth;
    op.style = DrawStyle;
    if (startAngle || endAngle) {
        op.full = false;
        op.startAngle = std::fabs(startAngle.value_or(0.0));
        op.endAngle = std::fabs(endAngle.value_or(kTwoPi));
    }
    if (FillSolid) {
        op.filled = true;
        op.fillColor = FillColor;
    }
    CurrentX = x;
    CurrentY = y;
    Add(std::move(op));
}

void Surface::Print(const std::string& text, bool newline) {
    DrawOp op;
    op.kind = DrawOpKind::Text;
    op.x1 = op.x2 = ToPixelX(CurrentX);
    op.y1 = op.y2 = ToPixelY(CurrentY);
    op.color = ForeColor;
    op.text = text;
    op.font = Font;
    if (newline) {
        CurrentX = ScaleLeft();
        CurrentY += TextHeight(text);
    } else {
        CurrentX += TextWidth(text);
    }
    Add(std::move(op));
}

void Surface::PrintWithFont(const std::string& text, const FontSpec& font, double angleDeg) {
    DrawOp op;
    op.kind = DrawOpKind::Text;
    op.x1 = op.x2 = ToPixelX(CurrentX);
    op.y1 = op.y2 = ToPixelY(CurrentY);
    op.color = ForeColor;
    op.text = text;
    op.font = font;
    op.angleDeg = angleDeg;
    const double h = Services().fonts->Measure(text, font).height;
    CurrentX = ScaleLeft();
    CurrentY += static_cast<float>(userScale_ ? (pixelHeight_ ? h * scaleH_ / pixelHeight_ : 0.0)
                                              : h * kTwips);
    Add(std::move(op));
}

float Surface::TextWidth(const std::string& text) const {
    const double w = Services().fonts->Measure(text, Font).width;
    if (!userScale_) return static_cast<float>(w * kTwips);
    return pixelWidth_ ? static_cast<float>(w * scaleW_ / pixelWidth_) : 0.0f;
}

float Surface::TextHeight(const std::string& text) const {
    const double h = Services().fonts->Measure(text, Font).height;
    if (!userScale_) return static_cast<float>(h * kTwips);
    return pixelHeight_ ? static_cast<float>(h * scaleH_ / pixelHeight_) : 0.0f;
}

void Surface::BeginFrame() {
    if (frameDepth_++ > 0) return;
    pending_.clear();
    pending_.reserve(list_.size());
}

void Surface::EndFrame() {
    if (frameDepth_ == 0) return;
    if (--frameDepth_ > 0) return;
    list_.swap(pending_);
    pending_.clear();  // keeps its capacity for the next frame
    Touch();
}

}  // namespace platform
