#include "ui/OndulixStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

OndulixStyle::OndulixStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon OndulixStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon();
    return QProxyStyle::standardIcon(icon, option, widget);
}

void OndulixStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameFocusRect)
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    const QColor back = widget ? widget->palette().color(widget->backgroundRole())
                               : option->palette.color(QPalette::Window);
    // Yellow on black is 19:1, dark blue on light grey 11:1.
    const QColor mark = back.lightness() < 128 ? QColor(255, 230, 0) : QColor(0, 0, 140);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(mark, 1, Qt::SolidLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}
