#include "ui/chartview/FormCanvas.h"

#include "plot/PainterSurface.h"
#include "plot/Twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

FormCanvas::FormCanvas(QWidget* parent, const QRectF& clientTwips, const QRectF& areaTwips,
                       Color background)
    : QWidget(parent), m_client(clientTwips), m_area(areaTwips), m_background(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    RenderAt(devicePixelRatioF());
}

void FormCanvas::RenderAt(double devicePixelRatio) {
    const QSize pixels(
        static_cast<int>(std::lround(m_area.width() / TwipsPerPixel * devicePixelRatio)),
        static_cast<int>(std::lround(m_area.height() / TwipsPerPixel * devicePixelRatio)));
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.fill(ToQColor(m_background));
    m_image.setDevicePixelRatio(1); // painted in device pixels
    m_imageRatio = devicePixelRatio;
    if (!m_render) return;
    QPainter painter(&m_image);
    PainterSurface surface(painter, PainterSurface::TwipRaster(m_area, devicePixelRatio),
                           m_background);
    m_render(surface);
} // the surface flushes before the painter ends

void FormCanvas::Show(Render render) {
    m_render = std::move(render);
    RenderAt(devicePixelRatioF());
    update();
}

QRectF FormCanvas::AreaRect() const {
    return QRectF((m_area.left() - m_client.left()) / TwipsPerPixel,
                  (m_area.top() - m_client.top()) / TwipsPerPixel, m_area.width() / TwipsPerPixel,
                  m_area.height() / TwipsPerPixel);
}

void FormCanvas::paintEvent(QPaintEvent* event) {
    if (devicePixelRatioF() != m_imageRatio) RenderAt(devicePixelRatioF());
    QPainter painter(this);
    const QRectF area = AreaRect();
    const QRegion around = QRegion(event->rect()) - area.toAlignedRect();
    for (const QRect& r : around)
        painter.fillRect(r, ToQColor(m_background));
    painter.drawImage(area, m_image); // one image pixel per device pixel
}

QImage FormCanvas::Image() const {
    const double r = m_imageRatio;
    QImage whole(qRound(m_client.width() / TwipsPerPixel * r),
                 qRound(m_client.height() / TwipsPerPixel * r), QImage::Format_RGB32);
    whole.fill(ToQColor(m_background));
    const QRectF area = AreaRect();
    QPainter(&whole).drawImage(QPointF(qRound(area.left() * r), qRound(area.top() * r)), m_image);
    return whole;
}
