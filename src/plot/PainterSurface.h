#pragma once

#include "plot/Surface.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <optional>
#include <vector>

class QPainter;

// A Surface that paints with QPainter. Device units (twips) are mapped to the
// painter's coordinates by a fixed factor after subtracting an origin.
//
// Raster mode is for images and screens: the painter works in device pixels
// (paint on an image whose devicePixelRatio is 1; set the ratio afterwards),
// every coordinate is rounded to a whole pixel and lines are one-pixel
// cosmetic lines without antialiasing, so the chart is crisp at any ratio.
// Vector mode (SVG) passes coordinates through unrounded.
//
// While it lives, the surface owns the painter's pen and font: it sets them
// only when they change, so nothing else may paint with that painter meanwhile.
class PainterSurface final : public Surface {
public:
    enum class Mode { Raster, Vector };

    struct Geometry {
        QRectF area;                // the surface in device units (Cls fills it)
        QPointF origin;             // device point drawn at painter (0, 0)
        double pixelsPerUnit = 1.0; // painter units per device unit
        Mode mode = Mode::Raster;
        // Lines this wide in device units; 0: one-pixel cosmetic lines. A
        // file for other renderers says its width: some ignore cosmetic ones.
        double lineWidth = 0;
    };

    // Raster geometry for an area given in twips, at 15 twips per logical
    // pixel and the given device pixel ratio; the area's corner is pixel (0, 0).
    static Geometry TwipRaster(const QRectF& areaTwips, double devicePixelRatio);
    // Vector geometry whose painter units are the device units themselves.
    static Geometry Identity(const QRectF& area);

    PainterSurface(QPainter& painter, const Geometry& geometry, Color background);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    // Lines of one colour are batched into a single QPainter call; this paints
    // any that are still pending. The destructor and every other drawing
    // operation do it too, so the painting order is always the call order.
    void Flush();

    void Cls() override;
    double CurrentX() const override { return m_current.x(); }
    double CurrentY() const override { return m_current.y(); }
    void SetCurrentX(double x) override {
        m_current.setX(x);
        m_currentMapped.reset();
    }
    void SetCurrentY(double y) override {
        m_current.setY(y);
        m_currentMapped.reset();
    }
    void Line(int flags, double x1, double y1, double x2, double y2, Color color) override;
    void Print(const QString& text) override;

    QString FontName() const override { return m_fontName; }
    double FontSize() const override { return m_fontSize; }
    bool FontBold() const override { return m_fontBold; }
    bool FontItalic() const override { return m_fontItalic; }
    Color ForeColor() const override { return m_foreColor; }
    void SetFontName(const QString& name) override { m_fontName = name; }
    void SetFontSize(double points) override { m_fontSize = points; }
    void SetFontBold(bool bold) override { m_fontBold = bold; }
    void SetFontItalic(bool italic) override { m_fontItalic = italic; }
    void SetForeColor(Color color) override { m_foreColor = color; }

private:
    struct FontKey {
        QString name;
        double size = 0;
        bool bold = false;
        bool italic = false;
        friend bool operator==(const FontKey&, const FontKey&) = default;
    };
    struct ResolvedFont {
        FontKey key;
        QFont font;
        double ascent = 0;
    };

    QPointF Map(double x, double y) const;
    void AddSegment(QPointF from, QPointF to, Color color);
    void EndRun();
    void UsePen(Color color);
    const ResolvedFont& CurrentFont();

    QPainter& m_painter;
    Geometry m_geometry;
    Color m_background;
    QPointF m_current;
    std::optional<QPointF> m_currentMapped; // Map(m_current), kept while a polyline runs on
    QString m_fontName = QStringLiteral("MS Sans Serif");
    double m_fontSize = 8.25;
    bool m_fontBold = false;
    bool m_fontItalic = false;
    Color m_foreColor = 0;
    Color m_penColor = 0;
    bool m_penSet = false;
    // Pending lines, all in m_pendingColor: connected segments as one
    // polyline, the others (dashes) as separate lines.
    QPolygonF m_pendingRun;
    QList<QLineF> m_pendingLines;
    Color m_pendingColor = 0;
    std::vector<ResolvedFont> m_fonts;           // the few faces a chart uses
    const ResolvedFont* m_painterFont = nullptr; // last font given to the painter
};
