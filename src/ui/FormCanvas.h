#pragma once

#include "plot/Surface.h"

#include <QImage>
#include <QRectF>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

// The window's own drawing surface: a backing image of the whole client area
// that the drawing procedures paint into and paintEvent shows, so the chart
// survives being covered. The image is kept at device pixels; what was drawn
// since the last clear is also kept as a list of calls, so a move to a screen
// of another pixel ratio repaints it crisply instead of scaling it.
class FormCanvas final : public QWidget {
public:
    // The window's client area is `clientTwips`; drawing lands only inside
    // `areaTwips`, the rest stays `background`.
    FormCanvas(QWidget* parent, const QRectF& clientTwips, const QRectF& areaTwips,
               Color background);

    // Runs `draw` on the surface; the picture is shown when it returns.
    void Paint(const std::function<void(Surface&)>& draw);

    // Tests: send the drawing to `recorder` as well (nullptr to stop).
    void SetRecorder(Surface* recorder) { m_recorder = recorder; }

    // The client area as it stands, at the pixel ratio it was last painted for.
    QImage Image() const;

    // One drawing call with everything it depends on resolved. A chart
    // makes thousands of lines and few texts, so texts live apart.
    struct Call {
        enum class Kind : unsigned char { Cls, Line, Print };
        Kind kind = Kind::Cls;
        unsigned char flags = 0;
        Color color = 0;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Print: x1, y1
        std::uint32_t text = 0;                // Print: index into the texts
    };
    struct Text {
        QString text;
        QString fontName;
        double fontSize = 0;
        bool bold = false;
        bool italic = false;
    };
    struct Drawing {
        std::vector<Call> calls; // since the last Cls
        std::vector<Text> texts;
    };

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Repaint(double devicePixelRatio);
    QRectF AreaRect() const; // the drawing area in logical pixels of the widget

    QRectF m_client;
    QRectF m_area;
    Color m_background;
    QImage m_image;
    double m_imageRatio = 0;
    Drawing m_drawing;
    Surface* m_recorder = nullptr;
};
