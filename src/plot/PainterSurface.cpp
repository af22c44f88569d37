#include "plot/PainterSurface.h"

#include "plot/FontFaces.h"
#include "plot/Twips.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <cmath>

namespace {

constexpr std::size_t MaxCachedFonts = 16;

// Nearest whole pixel, ties to even, with two additions: this runs for every
// line end, and a float-to-int round trip costs several times as much.
double RoundToPixel(double v) {
    constexpr double magic = 6755399441055744.0; // 2^52 + 2^51
    return (v + magic) - magic;
}

} // namespace

PainterSurface::Geometry PainterSurface::TwipRaster(const QRectF& areaTwips,
                                                    double devicePixelRatio) {
    return Geometry{areaTwips, areaTwips.topLeft(), devicePixelRatio / TwipsPerPixel, Mode::Raster};
}

PainterSurface::Geometry PainterSurface::Identity(const QRectF& area) {
    return Geometry{area, QPointF(0, 0), 1.0, Mode::Vector};
}

PainterSurface::PainterSurface(QPainter& painter, const Geometry& geometry, Color background)
    : m_painter(painter), m_geometry(geometry), m_background(background) {
    const bool raster = m_geometry.mode == Mode::Raster;
    m_painter.setRenderHint(QPainter::Antialiasing, !raster);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

PainterSurface::~PainterSurface() {
    Flush();
}

void PainterSurface::EndRun() {
    if (m_pendingRun.size() == 2) {
        m_pendingLines.append(QLineF(m_pendingRun[0], m_pendingRun[1]));
    } else if (m_pendingRun.size() > 2) {
        UsePen(m_pendingColor);
        m_painter.drawPolyline(m_pendingRun);
    }
    m_pendingRun.clear();
}

void PainterSurface::Flush() {
    EndRun();
    if (m_pendingLines.isEmpty()) return;
    UsePen(m_pendingColor);
    if (m_geometry.mode == Mode::Raster) {
        m_painter.drawLines(m_pendingLines);
    } else {
        // A vector device writes each line as an element of its own; one path
        // of many strokes is the same drawing, written and read far faster.
        QPainterPath path;
        for (const QLineF& line : m_pendingLines) {
            path.moveTo(line.p1());
            path.lineTo(line.p2());
        }
        m_painter.strokePath(path, m_painter.pen());
    }
    m_pendingLines.clear();
}

void PainterSurface::AddSegment(QPointF from, QPointF to, Color color) {
    if (color != m_pendingColor) Flush();
    m_pendingColor = color;
    if (!m_pendingRun.isEmpty() && m_pendingRun.constLast() == from) {
        m_pendingRun.append(to);
        return;
    }
    EndRun();
    m_pendingRun << from << to;
}

QPointF PainterSurface::Map(double x, double y) const {
    const double k = m_geometry.pixelsPerUnit;
    const QPointF p((x - m_geometry.origin.x()) * k, (y - m_geometry.origin.y()) * k);
    if (m_geometry.mode == Mode::Vector) return p;
    return QPointF(RoundToPixel(p.x()), RoundToPixel(p.y()));
}

void PainterSurface::UsePen(Color color) {
    if (m_penSet && color == m_penColor) return;
    QPen pen(ToQColor(color));
    pen.setCosmetic(m_geometry.lineWidth <= 0);
    pen.setWidthF(m_geometry.lineWidth > 0 ? m_geometry.lineWidth : 1);
    pen.setCapStyle(Qt::SquareCap);
    m_painter.setPen(pen);
    m_penColor = color;
    m_penSet = true;
}

void PainterSurface::Cls() {
    m_pendingRun.clear(); // about to be painted over
    m_pendingLines.clear();
    const QPointF topLeft = Map(m_geometry.area.left(), m_geometry.area.top());
    const QPointF bottomRight = Map(m_geometry.area.right(), m_geometry.area.bottom());
    m_painter.fillRect(QRectF(topLeft, bottomRight), ToQColor(m_background));
    m_current = QPointF(0, 0);
    m_currentMapped.reset();
}

void PainterSurface::Line(int flags, double x1, double y1, double x2, double y2, Color color) {
    const Color c = (flags & HasColor) ? color : m_foreColor;
    const QPointF from = (flags & HasStart) ? Map(x1, y1)
                         : m_currentMapped  ? *m_currentMapped
                                            : Map(m_current.x(), m_current.y());
    const QPointF to = Map(x2, y2);
    const bool raster = m_geometry.mode == Mode::Raster;

    if (flags & (Box | BoxFilled)) {
        Flush();
        const QRectF r = QRectF(from, to).normalized();
        if (flags & BoxFilled) {
            // Filled and edged in the colour: in raster mode both corner pixels are covered.
            const QRectF fill = raster ? r.adjusted(0, 0, 1, 1) : r;
            m_painter.fillRect(fill, ToQColor(c));
        } else {
            UsePen(c);
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(r);
        }
    } else {
        AddSegment(from, to, c);
    }
    m_current = QPointF(x2, y2);
    m_currentMapped = to;
}

const PainterSurface::ResolvedFont& PainterSurface::CurrentFont() {
    const FontKey key{m_fontName, m_fontSize, m_fontBold, m_fontItalic};
    for (const ResolvedFont& f : m_fonts)
        if (f.key == key) return f;

    if (m_fonts.size() >= MaxCachedFonts) m_fonts.clear();
    ResolvedFont resolved;
    resolved.key = key;
    resolved.font.setFamilies({ResolveFontFace(m_fontName), QStringLiteral("Liberation Sans")});
    // Points to painter units through twips; the point size accounts for the
    // device's own resolution so the glyphs get exactly that height.
    const double pixels = m_fontSize * TwipsPerPoint * m_geometry.pixelsPerUnit;
    const int dpi = m_painter.device() ? m_painter.device()->logicalDpiY() : 96;
    resolved.font.setPointSizeF(pixels * 72.0 / dpi);
    resolved.font.setBold(m_fontBold);
    resolved.font.setItalic(m_fontItalic);
    resolved.font.setHintingPreference(QFont::PreferFullHinting);
    resolved.ascent = QFontMetricsF(resolved.font, m_painter.device()).ascent();
    m_fonts.push_back(resolved);
    m_painterFont = nullptr; // the vector may have moved
    return m_fonts.back();
}

void PainterSurface::Print(const QString& text) {
    Flush();
    const ResolvedFont& f = CurrentFont();
    if (&f != m_painterFont) {
        m_painter.setFont(f.font);
        m_painterFont = &f;
    }
    UsePen(m_foreColor);
    const QPointF topLeft = Map(m_current.x(), m_current.y());
    double baseline = topLeft.y() + f.ascent;
    if (m_geometry.mode == Mode::Raster) baseline = std::round(baseline);
    m_painter.drawText(QPointF(topLeft.x(), baseline), text);
}
