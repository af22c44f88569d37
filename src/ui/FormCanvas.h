#pragma once

#include "plot/Surface.h"

#include <QImage>
#include <QRectF>
#include <QWidget>
#include <functional>
#include <vector>

// The window's own drawing surface: a backing image of the whole client area
// that the drawing procedures paint into and paintEvent shows, so the chart
// survives being covered. The image is kept at device pixels; what was drawn
// since the last clear is also kept as a list of calls, so a move to a screen
// of another pixel ratio repaints it crisply instead of scaling it.
class FormCanvas final : public QWidget {
public:
    FormCanvas(QWidget* parent, const QRectF& areaTwips, Color background);

    // Runs `draw` on the surface; the picture is shown when it returns.
    void Paint(const std::function<void(Surface&)>& draw);

    // Tests: send the drawing to `recorder` as well (nullptr to stop).
    void SetRecorder(Surface* recorder) { m_recorder = recorder; }

    // The picture as it stands, at the pixel ratio it was last painted for.
    const QImage& Image() const { return m_image; }

    // One drawing call with everything it depends on resolved.
    struct Call {
        enum class Kind : unsigned char { Cls, Line, Print };
        Kind kind = Kind::Cls;
        bool bold = false;
        bool italic = false;
        int flags = 0;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Color color = 0;
        double fontSize = 0;
        QString text;
        QString fontName;
    };

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Repaint(double devicePixelRatio);

    QRectF m_area;
    Color m_background;
    QImage m_image;
    double m_imageRatio = 0;
    std::vector<Call> m_calls; // since the last Cls
    Surface* m_recorder = nullptr;
};
