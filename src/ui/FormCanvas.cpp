#include "ui/FormCanvas.h"

#include "plot/PainterSurface.h"
#include "plot/Twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {

// Forwards every call to the painter's surface (and a test's recorder), and
// keeps the drawing calls, resolved, for a later repaint.
class KeepingSurface final : public Surface {
public:
    KeepingSurface(Surface& target, Surface* recorder, FormCanvas::Drawing& drawing)
        : m_target(target), m_recorder(recorder), m_drawing(drawing) {}

    void Cls() override {
        m_target.Cls();
        if (m_recorder) m_recorder->Cls();
        m_drawing.calls.clear();
        m_drawing.texts.clear();
        m_drawing.calls.push_back({});
    }
    double CurrentX() const override { return m_target.CurrentX(); }
    double CurrentY() const override { return m_target.CurrentY(); }
    void SetCurrentX(double x) override {
        m_target.SetCurrentX(x);
        if (m_recorder) m_recorder->SetCurrentX(x);
    }
    void SetCurrentY(double y) override {
        m_target.SetCurrentY(y);
        if (m_recorder) m_recorder->SetCurrentY(y);
    }
    void Line(int flags, double x1, double y1, double x2, double y2, Color color) override {
        FormCanvas::Call call;
        call.kind = FormCanvas::Call::Kind::Line;
        call.flags = static_cast<unsigned char>(flags | HasStart | HasColor);
        call.x1 = (flags & HasStart) ? x1 : m_target.CurrentX();
        call.y1 = (flags & HasStart) ? y1 : m_target.CurrentY();
        call.x2 = x2;
        call.y2 = y2;
        call.color = (flags & HasColor) ? color : m_target.ForeColor();
        m_drawing.calls.push_back(call);
        m_target.Line(flags, x1, y1, x2, y2, color);
        if (m_recorder) m_recorder->Line(flags, x1, y1, x2, y2, color);
    }
    void Print(const QString& text) override {
        FormCanvas::Call call;
        call.kind = FormCanvas::Call::Kind::Print;
        call.x1 = m_target.CurrentX();
        call.y1 = m_target.CurrentY();
        call.color = m_target.ForeColor();
        call.text = static_cast<std::uint32_t>(m_drawing.texts.size());
        m_drawing.texts.push_back({text, m_target.FontName(), m_target.FontSize(),
                                   m_target.FontBold(), m_target.FontItalic()});
        m_drawing.calls.push_back(call);
        m_target.Print(text);
        if (m_recorder) m_recorder->Print(text);
    }

    QString FontName() const override { return m_target.FontName(); }
    double FontSize() const override { return m_target.FontSize(); }
    bool FontBold() const override { return m_target.FontBold(); }
    bool FontItalic() const override { return m_target.FontItalic(); }
    Color ForeColor() const override { return m_target.ForeColor(); }
    void SetFontName(const QString& name) override {
        m_target.SetFontName(name);
        if (m_recorder) m_recorder->SetFontName(name);
    }
    void SetFontSize(double points) override {
        m_target.SetFontSize(points);
        if (m_recorder) m_recorder->SetFontSize(points);
    }
    void SetFontBold(bool bold) override {
        m_target.SetFontBold(bold);
        if (m_recorder) m_recorder->SetFontBold(bold);
    }
    void SetFontItalic(bool italic) override {
        m_target.SetFontItalic(italic);
        if (m_recorder) m_recorder->SetFontItalic(italic);
    }
    void SetForeColor(Color color) override {
        m_target.SetForeColor(color);
        if (m_recorder) m_recorder->SetForeColor(color);
    }

private:
    Surface& m_target;
    Surface* m_recorder;
    FormCanvas::Drawing& m_drawing;
};

void Replay(Surface& surface, const FormCanvas::Drawing& drawing, const FormCanvas::Call& call) {
    using Kind = FormCanvas::Call::Kind;
    switch (call.kind) {
    case Kind::Cls:
        surface.Cls();
        break;
    case Kind::Line:
        surface.Line(call.flags, call.x1, call.y1, call.x2, call.y2, call.color);
        break;
    case Kind::Print: {
        const FormCanvas::Text& t = drawing.texts[call.text];
        surface.SetFontName(t.fontName);
        surface.SetFontSize(t.fontSize);
        surface.SetFontBold(t.bold);
        surface.SetFontItalic(t.italic);
        surface.SetForeColor(call.color);
        surface.SetCurrentX(call.x1);
        surface.SetCurrentY(call.y1);
        surface.Print(t.text);
        break;
    }
    }
}

} // namespace

FormCanvas::FormCanvas(QWidget* parent, const QRectF& clientTwips, const QRectF& areaTwips,
                       Color background)
    : QWidget(parent), m_client(clientTwips), m_area(areaTwips), m_background(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    Repaint(devicePixelRatioF());
}

void FormCanvas::Repaint(double devicePixelRatio) {
    const QSize pixels(
        static_cast<int>(std::lround(m_area.width() / TwipsPerPixel * devicePixelRatio)),
        static_cast<int>(std::lround(m_area.height() / TwipsPerPixel * devicePixelRatio)));
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.fill(ToQColor(m_background));
    m_image.setDevicePixelRatio(1); // painted in device pixels
    m_imageRatio = devicePixelRatio;
    if (m_drawing.calls.empty()) return;
    QPainter painter(&m_image);
    PainterSurface surface(painter, PainterSurface::TwipRaster(m_area, devicePixelRatio),
                           m_background);
    for (const Call& call : m_drawing.calls)
        Replay(surface, m_drawing, call);
}

void FormCanvas::Paint(const std::function<void(Surface&)>& draw) {
    if (devicePixelRatioF() != m_imageRatio) Repaint(devicePixelRatioF());
    {
        QPainter painter(&m_image);
        PainterSurface surface(painter, PainterSurface::TwipRaster(m_area, m_imageRatio),
                               m_background);
        KeepingSurface keeping(surface, m_recorder, m_drawing);
        draw(keeping);
    } // the surface flushes before the painter ends
    update();
}

QRectF FormCanvas::AreaRect() const {
    return QRectF((m_area.left() - m_client.left()) / TwipsPerPixel,
                  (m_area.top() - m_client.top()) / TwipsPerPixel, m_area.width() / TwipsPerPixel,
                  m_area.height() / TwipsPerPixel);
}

void FormCanvas::paintEvent(QPaintEvent* event) {
    if (devicePixelRatioF() != m_imageRatio) Repaint(devicePixelRatioF());
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
