#include "ui/widgets/OndulixStyle.h"

#include <QAbstractButton>
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

namespace {

// Two pixels inside `rect`, in the colour that shows on `back`: yellow on
// black is 19:1, dark blue on light grey 11:1.
void DrawFocusMark(QPainter* painter, const QRect& rect, const QColor& back) {
    const QColor mark = back.lightness() < 128 ? QColor(255, 230, 0) : QColor(0, 0, 140);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(mark, 1, Qt::SolidLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->drawRect(rect.adjusted(1, 1, -2, -2));
    painter->restore();
}

const char* const MnemonicProperty = "ondulixMnemonic";

// The caption as Qt writes one with a mnemonic: "&" before the letter,
// any "&" of its own doubled.
QString Marked(const QWidget* widget, const QString& text, const QString& title) {
    if (!widget) return text;
    const QVariant letters = widget->property(MnemonicProperty);
    const QString letter = letters.toMap().value(title).toString();
    const qsizetype at = letter.isEmpty() ? -1 : text.indexOf(letter, 0, Qt::CaseInsensitive);
    if (at < 0) return text;
    QString marked = text;
    marked.replace(u'&', QStringLiteral("&&"));
    return marked.insert(at + text.left(at).count(u'&'), u'&');
}

bool Focused(const QStyleOption* option) {
    return option->state & QStyle::State_HasFocus;
}

} // namespace

void OndulixStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        // Without a caption the mark would lie on the indicator: put it round it.
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const bool bare = button && button->text().isEmpty();
        DrawFocusMark(painter, bare ? option->rect.adjusted(-3, -3, 3, 3) : option->rect,
                      widget ? widget->palette().color(widget->backgroundRole())
                             : option->palette.color(QPalette::Window));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit && Focused(option))
        DrawFocusMark(painter, option->rect.adjusted(2, 2, -2, -2),
                      option->palette.color(QPalette::Base));
}

void OndulixStyle::SetMnemonic(QWidget* widget, QChar letter, const QString& title) {
    QVariantMap letters = widget->property(MnemonicProperty).toMap();
    letters.insert(title, QString(letter));
    widget->setProperty(MnemonicProperty, letters);
}

void OndulixStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == CE_CheckBoxLabel || element == CE_RadioButtonLabel ||
        element == CE_PushButtonLabel) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            QStyleOptionButton marked = *button;
            marked.text = Marked(widget, button->text, {});
            return QProxyStyle::drawControl(element, &marked, painter, widget);
        }
    }
    if (element == CE_MenuBarItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            QStyleOptionMenuItem marked = *item;
            if (!item->text.contains(u'&')) marked.text = Marked(widget, item->text, item->text);
            return QProxyStyle::drawControl(element, &marked, painter, widget);
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && Focused(option))
        DrawFocusMark(painter, option->rect.adjusted(3, 3, -3, -3),
                      option->palette.color(QPalette::Button));
}

void OndulixStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (!Focused(option)) return;
    if (control == CC_ComboBox)
        DrawFocusMark(painter, option->rect.adjusted(2, 2, -2, -2),
                      option->palette.color(QPalette::Button));
    if (control == CC_Slider)
        DrawFocusMark(painter, option->rect,
                      widget ? widget->palette().color(widget->backgroundRole())
                             : option->palette.color(QPalette::Window));
}
