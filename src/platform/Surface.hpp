// A picture box's drawing surface. Programs draw in twips (origin top-left, x right, y down)
// or in a user scale set with Scale(); the surface records a display list in pixels that the
// front end paints and tests inspect. Coordinates that are not finite or lie absurdly far off
// (beyond +-1e6 pixels) are dropped and counted, never converted to integers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Services.hpp"

namespace platform {

using Color = uint32_t;

enum class DrawOpKind { Line, Box, Point, Circle, Text };

struct DrawOp {
    DrawOpKind kind = DrawOpKind::Line;
    // Pixels. Line: (x1,y1)-(x2,y2). Box: corners. Point: (x1,y1). Circle: centre (x1,y1),
    // radius r (pixels, horizontal), aspect (height/width), arc from startAngle to endAngle
    // (radians, anticlockwise from 3 o'clock; both 0 and full = true for a whole circle).
    // Text: (x1,y1) is the top-left corner of the text in its own reading direction; a turned
    // text is drawn turned about that point (at 90 degrees it reads upwards from it, the
    // glyphs lying to the right of x1).
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double r = 0, aspect = 1, startAngle = 0, endAngle = 0;
    bool full = true;
    Color color = 0;       // line / outline / text colour (24-bit or system colour)
    int width = 1;         // pen width in pixels
    int style = 0;         // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none
    bool filled = false;   // box or circle interior painted with fillColor
    Color fillColor = 0;
    std::string text;
    FontSpec font;
    double angleDeg = 0;   // text rotation, anticlockwise (90: reads upwards)
};

class Surface {
public:
    Surface();

    // The size in pixels (the picture box's inner size; the box sets it).
    void SetPixelSize(int width, int height);
    int PixelWidth() const { return pixelWidth_; }
    int PixelHeight() const { return pixelHeight_; }

    // Scale: by default twips with the origin top-left (ScaleWidth = 15 x PixelWidth, so it
    // follows the box's size); Scale() sets a user scale whose top-left corner is (x1, y1) and
    // bottom-right (x2, y2) whatever the size (y2 < y1 makes y grow upwards);
    // ScaleDefault() returns to twips.
    float ScaleLeft() const { return scaleLeft_; }
    float ScaleTop() const { return scaleTop_; }
    float ScaleWidth() const;
    float ScaleHeight() const;
    void Scale(float x1, float y1, float x2, float y2);
    void ScaleDefault();

    float CurrentX = 0;
    float CurrentY = 0;
    int DrawWidth = 1;    // pixels
    int DrawStyle = 0;    // see DrawOp::style
    Color ForeColor = 0;  // black
    Color BackColor = 0xFFFFFF;
    Color FillColor = 0;
    bool FillSolid = false;  // FillStyle 0 (solid) when true, 1 (transparent) when false
    FontSpec Font{"Arial", 8.0f, false, false};

    void Cls();  // clears the list; CurrentX/Y to the top-left
    // A segment in the given colour (ForeColor when none); CurrentX/Y move to the end.
    void Line(float x1, float y1, float x2, float y2, std::optional<Color> color = {});
    // A segment from CurrentX/Y.
    void LineTo(float x2, float y2, std::optional<Color> color = {});
    // A box outline; filled with FillColor when FillSolid; "BF" fills with the line colour.
    void Box(float x1, float y1, float x2, float y2, std::optional<Color> color = {},
             bool fillWithLineColor = false);
    void PSet(float x, float y, std::optional<Color> color = {});
    // A circle (radius in horizontal scale units, drawn round in pixels when aspect is 1); an
    // arc when start/end angles are given (radians; a missing one is 0 or 2 pi; the sign of
    // a negative angle is dropped). Aspect is height / width: below 1 the radius is the
    // horizontal one, from 1 up the vertical one. Filled with FillColor when FillSolid.
    void Circle(float x, float y, float radius, std::optional<Color> color = {},
                std::optional<double> startAngle = {}, std::optional<double> endAngle = {},
                double aspect = 1.0);
    // Prints at CurrentX/Y in the surface font; then CurrentX returns to ScaleLeft and
    // CurrentY moves down by TextHeight (newline) or CurrentX moves past the text (no newline).
    void Print(const std::string& text, bool newline = true);
    // Prints at CurrentX/Y in the given font, turned angleDeg anticlockwise; then CurrentX
    // returns to ScaleLeft and CurrentY moves down by the text's height in that font.
    void PrintWithFont(const std::string& text, const FontSpec& font, double angleDeg);
    // Size of a text in the surface font, in scale units, from the font-metrics service.
    // Signed like the scale: with a scale whose y grows upwards TextHeight is negative, so
    // CurrentY + TextHeight is always one line further down the picture.
    float TextWidth(const std::string& text) const;
    float TextHeight(const std::string& text) const;

    // Ops between BeginFrame and EndFrame are collected and replace the display list at
    // EndFrame, so the front end never paints a half-drawn chart.
    void BeginFrame();
    void EndFrame();
    bool InFrame() const { return frameDepth_ > 0; }

    const std::vector<DrawOp>& DisplayList() const { return list_; }
    int DroppedOps() const { return dropped_; }
    // Increases with every change of the display list.
    uint64_t Revision() const { return revision_; }

    // Called after every change of the display list outside a frame, and at EndFrame.
    std::function<void()> Changed;

    // Conversions from scale units to pixels (W/H: lengths, signed like the scale).
    double ToPixelX(double x) const;
    double ToPixelY(double y) const;
    double ToPixelW(double w) const;
    double ToPixelH(double h) const;

private:
    void Add(DrawOp&& op);
    void Touch();
    int pixelWidth_ = 0, pixelHeight_ = 0;
    bool userScale_ = false;
    float scaleLeft_ = 0, scaleTop_ = 0, scaleW_ = 0, scaleH_ = 0;
    std::vector<DrawOp> list_;
    std::vector<DrawOp> pending_;
    int frameDepth_ = 0;  // nested BeginFrame calls; only the outermost pair counts
    int dropped_ = 0;
    uint64_t revision_ = 0;
};

}  // namespace platform
