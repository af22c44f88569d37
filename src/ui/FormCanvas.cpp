#include "ui/FormCanvas.h"

#include "plot/PainterSurface.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {

// Forwards every call to the painter's surface (and a test's recorder), and
// keeps the drawing calls, resolved, for a later repaint.
class KeepingSurface final : public Surface {
public:
    KeepingSurface(Surface& target, Surface* recorder, std::vector<FormCanvas::Call>& calls)
        : m_target(target), m_recorder(recorder), m_calls(calls) {}

    void Cls() override {
        m_target.Cls();
        if (m_recorder) m_recorder->Cls();
        m_calls.clear();
        m_calls.push_back({});
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
        call.flags = flags | HasStart | HasColor;
        call.x1 = (flags & HasStart) ? x1 : m_target.CurrentX();
        call.y1 = (flags & HasStart) ? y1 : m_target.CurrentY();
        call.x2 = x2;
        call.y2 = y2;
        call.color = (flags & HasColor) ? color : m_target.ForeColor();
        m_calls.push_back(call);
        m_target.Line(flags, x1, y1, x2, y2, color);
        if (m_recorder) m_recorder->Line(flags, x1, y1, x2, y2, color);
    }
    void Print(const QString& text) override {
        FormCanvas::Call call;
        call.kind = FormCanvas::Call::Kind::Print;
        call.x1 = m_target.CurrentX();
        call.y1 = m_target.CurrentY();
        call.color = m_target.ForeColor();
        call.text = text;
        call.fontName = m_target.FontName();
        call.fontSize = m_target.FontSize();
        call.bold = m_target.FontBold();
        call.italic = m_target.FontItalic();
        m_calls.push_back(call);
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
    std::vector<FormCanvas::Call>& m_calls;
};

void Replay(Surface& surface, const FormCanvas::Call& call) {
    using Kind = FormCanvas::Call::Kind;
    switch (call.kind) {
    case Kind::Cls:
        surface.Cls();
        break;
    case Kind::Line:
        surface.Line(call.flags, call.x1, call.y1, call.x2, call.y2, call.color);
        break;
    case Kind::Print:
        surface.SetFontName(call.fontName);
        surface.SetFontSize(call.fontSize);
        surface.SetFontBold(call.bold);
        surface.SetFontItalic(call.italic);
        surface.SetForeColor(call.color);
        surface.SetCurrentX(call.x1);
        surface.SetCurrentY(call.y1);
        surface.Print(call.text);
        break;
    }
}

} // namespace

FormCanvas::FormCanvas(QWidget* parent, const QRectF& areaTwips, Color background)
    : QWidget(parent), m_area(areaTwips), m_background(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    Repaint(devicePixelRatioF());
}

void FormCanvas::Repaint(double devicePixelRatio) {
    const QSize pixels(static_cast<int>(std::lround(m_area.width() / 15.0 * devicePixelRatio)),
                       static_cast<int>(std::lround(m_area.height() / 15.0 * devicePixelRatio)));
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.fill(ToQColor(m_background));
    m_imageRatio = devicePixelRatio;
    if (m_calls.empty()) return;
    QPainter painter(&m_image);
    PainterSurface surface(painter, PainterSurface::TwipRaster(m_area, devicePixelRatio),
                           m_background);
    for (const Call& call : m_calls)
        Replay(surface, call);
}

void FormCanvas::Paint(const std::function<void(Surface&)>& draw) {
    if (devicePixelRatioF() != m_imageRatio) Repaint(devicePixelRatioF());
    {
        QPainter painter(&m_image);
        PainterSurface surface(painter, PainterSurface::TwipRaster(m_area, m_imageRatio),
                               m_background);
        KeepingSurface keeping(surface, m_recorder, m_calls);
        draw(keeping);
    } // the surface flushes before the painter ends
    update();
}

void FormCanvas::paintEvent(QPaintEvent* event) {
    if (devicePixelRatioF() != m_imageRatio) Repaint(devicePixelRatioF());
    QPainter painter(this);
    const QRect dirty = event->rect();
    const double r = m_imageRatio;
    painter.drawImage(QRectF(dirty), m_image,
                      QRectF(dirty.x() * r, dirty.y() * r, dirty.width() * r, dirty.height() * r));
}
