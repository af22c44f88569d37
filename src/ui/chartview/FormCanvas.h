#pragma once

#include "plot/Surface.h"

#include <QImage>
#include <QRectF>
#include <QWidget>
#include <functional>

// The window's own drawing surface: a backing image of the chart's area that
// paintEvent shows, so the chart survives being covered. It holds the render
// that made the image, and renders again at a new pixel ratio, so a move to
// another screen stays crisp.
class FormCanvas final : public QWidget {
public:
    using Render = std::function<void(Surface&)>;

    // The window's client area is `clientTwips`; drawing lands only inside
    // `areaTwips`, the rest stays `background`.
    FormCanvas(QWidget* parent, const QRectF& clientTwips, const QRectF& areaTwips,
               Color background);

    // Shows what `render` draws on a clear area, now and at every new pixel ratio.
    void Show(Render render);

    // The client area as it stands, at the pixel ratio it was last rendered for.
    QImage Image() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RenderAt(double devicePixelRatio);
    QRectF AreaRect() const; // the drawing area in logical pixels of the widget

    QRectF m_client;
    QRectF m_area;
    Color m_background;
    QImage m_image;
    double m_imageRatio = 0;
    Render m_render;
};
