#include "qt/SurfacePainter.hpp"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "qt/QtLook.hpp"

namespace qtfront {

namespace {

using platform::DrawOp;
using platform::DrawOpKind;

// Dashed styles only show with a one-pixel pen; wider pens are solid, as on the desktop the
// charts were designed for.
QPen PenFor(const DrawOp& op) {
    if (op.style == 5) return QPen(Qt::NoPen);
    QPen pen(ToQColor(op.color));
    const int width = std::max(1, op.width);
    pen.setWidth(width);
    pen.setCosmetic(width == 1);  // the fast one-pixel path; same pixels at this scale
    pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::BevelJoin);
    if (width == 1) {
        switch (op.style) {
            case 1: pen.setStyle(Qt::DashLine); break;
            case 2: pen.setStyle(Qt::DotLine); break;
            case 3: pen.setStyle(Qt::DashDotLine); break;
            case 4: pen.setStyle(Qt::DashDotDotLine); break;
            default: pen.setStyle(Qt::SolidLine); break;
        }
    }
    return pen;
}

// The pen last set, so runs of segments in one style set it once.
struct PenCache {
    bool valid = false;
    platform::Color color = 0;
    int width = 0, style = 0;
    void Set(QPainter& p, const DrawOp& op) {
        if (valid && op.color == color && op.width == width && op.style == style) return;
        p.setPen(PenFor(op));
        valid = true;
        color = op.color;
        width = op.width;
        style = op.style;
    }
};

void PaintLine(QPainter& p, const DrawOp& op, PenCache& pens) {
    pens.Set(p, op);
    if (op.x1 == op.x2 && op.y1 == op.y2) {
        p.drawPoint(QPointF(op.x1, op.y1));
    } else {
        p.drawLine(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
    }
}

// Whether a line op carries on from the previous one in the same pen.
bool ContinuesRun(const DrawOp& prev, const DrawOp& next) {
    return next.kind == DrawOpKind::Line && next.color == prev.color &&
           next.width == prev.width && next.style == prev.style && next.x1 == prev.x2 &&
           next.y1 == prev.y2;
}

void PaintBox(QPainter& p, const DrawOp& op) {
    const double left = std::min(op.x1, op.x2), right = std::max(op.x1, op.x2);
    const double top = std::min(op.y1, op.y2), bottom = std::max(op.y1, op.y2);
    // Both corners belong to the box: a box from 0 to 9 covers ten pixels.
    if (op.filled) {
        p.fillRect(QRectF(left, top, right - left + 1, bottom - top + 1), ToQColor(op.fillColor));
    }
    if (op.style != 5) {
        p.setPen(PenFor(op));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    }
}

void PaintPoint(QPainter& p, const DrawOp& op) {
    const QColor c = ToQColor(op.color);
    if (op.width <= 1) {
        p.setPen(QPen(c, 1));
        p.drawPoint(QPointF(op.x1, op.y1));
        return;
    }
    // A wide point is a round dot of the pen's width.
    const double radius = op.width / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(op.x1, op.y1), radius, radius);
}

// Angles in radians anticlockwise from 3 o'clock; a negative angle also draws the radius to
// that end of the arc (a pie slice).
void PaintCircle(QPainter& p, const DrawOp& op) {
    const double rx = std::fabs(op.r);
    const double ry = std::fabs(op.r * op.aspect);
    const QRectF rect(op.x1 - rx, op.y1 - ry, 2 * rx, 2 * ry);
    const QPen pen = PenFor(op);
    if (op.full) {
        p.setPen(pen);
        p.setBrush(op.filled ? QBrush(ToQColor(op.fillColor)) : QBrush(Qt::NoBrush));
        p.drawEllipse(rect);
        return;
    }
    constexpr double kTwoPi = 2 * std::numbers::pi;
    const bool pieStart = op.startAngle < 0;
    const bool pieEnd = op.endAngle < 0;
    const double start = std::fmod(std::fabs(op.startAngle), kTwoPi);
    double span = std::fmod(std::fabs(op.endAngle), kTwoPi) - start;
    if (span <= 0) span += kTwoPi;
    // Qt: 1/16 degree, anticlockwise positive, 0 at 3 o'clock.
    const int a16 = static_cast<int>(std::lround(start * 180.0 / std::numbers::pi * 16));
    const int s16 = static_cast<int>(std::lround(span * 180.0 / std::numbers::pi * 16));
    if (pieStart && pieEnd) {
        p.setPen(pen);
        p.setBrush(op.filled ? QBrush(ToQColor(op.fillColor)) : QBrush(Qt::NoBrush));
        p.drawPie(rect, a16, s16);
        return;
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(rect, a16, s16);
    const QPointF centre(op.x1, op.y1);
    auto rim = [&](double angle) {
        return QPointF(op.x1 + rx * std::cos(angle), op.y1 - ry * std::sin(angle));
    };
    if (pieStart) p.drawLine(centre, rim(start));
    if (pieEnd) p.drawLine(centre, rim(start + span));
}

void PaintText(QPainter& p, const DrawOp& op) {
    const QFont font = ToQFont(op.font);
    const QFontMetricsF fm(font);
    p.setFont(font);
    p.setPen(ToQColor(op.color));
    p.save();
    // The op's point is the top-left of the text in its own (turned) frame: turned 90 degrees
    // the text reads upwards from that point with the glyphs to the right of it.
    p.translate(op.x1, op.y1);
    if (op.angleDeg != 0) p.rotate(-op.angleDeg);
    QString text = QString::fromStdString(op.text);
    text.remove(QChar('\r'));
    double y = fm.ascent();
    for (const QString& line : text.split(QChar('\n'))) {
        p.drawText(QPointF(0, y), line);
        y += fm.height();
    }
    p.restore();
}

// A long curve with many points to a pixel column (a run of thousands of steps) keeps, of each
// stretch of points in one column, the first, the lowest, the highest and the last, in the
// order they came: the same pixels at a fraction of the lines.
void ThinByColumn(QPolygonF& run) {
    constexpr qsizetype kWorthIt = 256;
    if (run.size() < kWorthIt) return;
    QPolygonF out;
    out.reserve(run.size());
    qsizetype start = 0;
    while (start < run.size()) {
        const double column = std::floor(run[start].x());
        qsizetype end = start + 1;
        qsizetype low = start, high = start;
        while (end < run.size() && std::floor(run[end].x()) == column) {
            if (run[end].y() < run[low].y()) low = end;
            if (run[end].y() > run[high].y()) high = end;
            ++end;
        }
        const qsizetype last = end - 1;
        qsizetype keep[4] = {start, std::min(low, high), std::max(low, high), last};
        qsizetype previous = -1;
        for (qsizetype k : keep) {
            if (k != previous) out << run[k];
            previous = k;
        }
        start = end;
    }
    if (out.size() < run.size()) run.swap(out);
}

// Whether one pixel of the display list is one pixel of the device: not so on a scaled screen
// (QT_SCALE_FACTOR, a high-dpi monitor), where the painter magnifies what it draws.
bool PixelForPixel(const QPainter& p) {
    return p.deviceTransform().type() <= QTransform::TxTranslate;
}

// A run of segments in one pen. A solid two-pixel pen (every chart curve) is traced as a
// one-pixel line at the four corners of a two-pixel square: the same pixels as the wide
// stroke give or take its ends, for a fraction of the cost of stroking thousands of joins.
// Only pixel for pixel: magnified, the four traces would part and leave the curve hollow.
void PaintPolyline(QPainter& p, QPolygonF& run, const DrawOp& op, PenCache& pens) {
    ThinByColumn(run);
    if (op.width != 2 || op.style != 0 || p.testRenderHint(QPainter::Antialiasing) ||
        !PixelForPixel(p)) {
        pens.Set(p, op);
        p.drawPolyline(run);
        return;
    }
    QPen thin(ToQColor(op.color));
    thin.setWidth(1);
    thin.setCosmetic(true);
    p.setPen(thin);
    pens.valid = false;
    const QPointF corners[] = {{-0.5, -0.5}, {0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}};
    QPointF at(0, 0);
    for (const QPointF& corner : corners) {
        run.translate(corner - at);
        at = corner;
        p.drawPolyline(run);
    }
    run.translate(-at);
}

// Most curves a chart draws side by side, one segment of each in turn.
constexpr std::size_t kMaxInterleaved = 6;

// The number of curves drawn in turn from ops[i] on: the smallest k for which ops[i + k]
// carries on from ops[i] with ops[i .. i + k - 1] all lines; 0 when there is none.
std::size_t InterleavedCurves(const std::vector<DrawOp>& ops, std::size_t i) {
    for (std::size_t k = 1; k <= kMaxInterleaved && i + k < ops.size(); ++k) {
        if (ops[i + k - 1].kind != DrawOpKind::Line) return 0;
        if (ContinuesRun(ops[i], ops[i + k])) return k;
    }
    return 0;
}

// How many rounds of k segments from ops[i] on each carry on every curve of the round before
// (round 0 counts: at least 1).
std::size_t InterleavedRounds(const std::vector<DrawOp>& ops, std::size_t i, std::size_t k) {
    std::size_t rounds = 1;
    for (;;) {
        const std::size_t next = i + rounds * k;
        if (next + k > ops.size()) return rounds;
        for (std::size_t c = 0; c < k; ++c) {
            if (!ContinuesRun(ops[next + c - k], ops[next + c])) return rounds;
        }
        ++rounds;
    }
}

}  // namespace

void PaintDisplayList(QPainter& painter, const std::vector<platform::DrawOp>& ops) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PenCache pens;
    QPolygonF run;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const DrawOp& op = ops[i];
        if (op.kind != DrawOpKind::Line) pens.valid = false;  // the others set pens of their own
        if (op.kind == DrawOpKind::Line) {
            // Curves drawn segment by segment, one curve or several in turn (a chart's series
            // step by step), are painted as one polyline per curve: much faster, and wide pens
            // join cleanly. Only where curves cross within a pen's width can the one painted
            // last differ from segment-by-segment painting.
            const std::size_t k = InterleavedCurves(ops, i);
            const std::size_t rounds = k > 0 ? InterleavedRounds(ops, i, k) : 0;
            if (rounds >= 2) {
                for (std::size_t c = 0; c < k; ++c) {
                    run.clear();
                    run.reserve(static_cast<qsizetype>(rounds + 1));
                    run << QPointF(ops[i + c].x1, ops[i + c].y1);
                    for (std::size_t r = 0; r < rounds; ++r) {
                        const DrawOp& seg = ops[i + r * k + c];
                        run << QPointF(seg.x2, seg.y2);
                    }
                    PaintPolyline(painter, run, ops[i + c], pens);
                }
                i += rounds * k - 1;
                continue;
            }
        }
        switch (op.kind) {
            case DrawOpKind::Line: PaintLine(painter, op, pens); break;
            case DrawOpKind::Box: PaintBox(painter, op); break;
            case DrawOpKind::Point: PaintPoint(painter, op); break;
            case DrawOpKind::Circle:
                painter.setRenderHint(QPainter::Antialiasing, true);
                PaintCircle(painter, op);
                painter.setRenderHint(QPainter::Antialiasing, false);
                break;
            case DrawOpKind::Text: PaintText(painter, op); break;
        }
    }
    painter.restore();
}

QImage RenderSurface(const platform::Surface& surface, platform::Color background) {
    if (surface.PixelWidth() <= 0 || surface.PixelHeight() <= 0) return {};
    QImage image(surface.PixelWidth(), surface.PixelHeight(), QImage::Format_RGB32);
    image.fill(ToQColor(background));
    QPainter painter(&image);
    PaintDisplayList(painter, surface.DisplayList());
    return image;
}

QImage RenderSurface(const platform::Surface& surface) {
    return RenderSurface(surface, surface.BackColor);
}

}  // namespace qtfront
