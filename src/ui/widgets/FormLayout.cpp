#include "ui/widgets/FormLayout.h"

#include "plot/FontFaces.h"
#include "plot/Twips.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/Words.h"

#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <cmath>

namespace FormLayout {

int Px(int twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

void PlaceTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

QFont Face(const char* windowsName, double points, bool bold) {
    QFont font;
    font.setFamilies(
        {ResolveFontFace(QString::fromLatin1(windowsName)), QStringLiteral("Liberation Sans")});
    font.setPixelSize(static_cast<int>(std::lround(points * TwipsPerPoint / TwipsPerPixel)));
    font.setBold(bold);
    return font;
}

void Colour(QWidget* w, const QColor& back, const QColor& text) {
    QPalette p = w->palette();
    if (back.isValid()) {
        p.setColor(QPalette::Window, back);
        p.setColor(QPalette::Button, back); // buttons fill their background with it
        w->setAutoFillBackground(true);
    }
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::ButtonText, text);
    w->setPalette(p);
}

QLabel* AddLabel(QWidget* parent, const char* caption, Qt::Alignment align, int left, int top,
                 int width, const QColor& back, const QColor& text) {
    auto* l = new QLabel(parent);
    if (*caption) words::Keep(l, caption, [l](const QString& text) { l->setText(text); });
    l->setFont(Face("MS Sans Serif", 8.25));
    l->setAlignment(align | Qt::AlignTop);
    if (back.isValid())
        Colour(l, back, text);
    else
        l->setAutoFillBackground(true);
    PlaceTwips(l, left, top, width, 255);
    return l;
}

ComboPicker* AddPicker(QWidget* parent, int left, int top, int width) {
    auto* c = new ComboPicker(parent);
    c->setFont(Face("Courier New", 8.25));
    PlaceTwips(c, left, top, width, 345);
    return c;
}

QPushButton* AddButton(QWidget* parent, const char* caption, int left, int top, int width,
                       bool kept) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    if (kept) words::Keep(b, caption, [b](const QString& text) { b->setText(text); });
    b->setFont(Face("Verdana", 8.25));
    b->setAutoDefault(false);
    PlaceTwips(b, left, top, width, 495);
    return b;
}

QIcon ExitBitmap() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.setBrush(QColor(190, 140, 80));
    p.drawRect(QRectF(4, 3, 14, 26));
    p.setBrush(QColor(90, 60, 30));
    p.drawEllipse(QPointF(14, 17), 1.5, 1.5);
    p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(16, 16), QPointF(29, 16));
    p.drawPolyline(QPolygonF({QPointF(24, 11), QPointF(29, 16), QPointF(24, 21)}));
    p.end();
    pixmap.setDevicePixelRatio(2);
    return QIcon(pixmap);
}

} // namespace FormLayout
