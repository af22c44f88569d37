#pragma once

#include <QProxyStyle>

// Fusion, so the designed layout holds on every desktop, with two changes:
// - no menu-bar overflow arrow: the menus always fit, and that icon is read
//   through the image plugins, all of which would be loaded at start-up;
// - a focus mark two pixels thick on every control that takes the focus,
//   showing on the window's black as well as on the light controls: yellow
//   on a dark background, dark blue on a light one.
//
// It also underlines the Alt+letter of a control whose caption is not to
// change (the text stays the caption; the style draws it with the letter
// marked), as Qt does for a "&" in a caption.
class OndulixStyle final : public QProxyStyle {
public:
    OndulixStyle();

    // The letter to underline in `widget`'s caption (its first occurrence,
    // in any case); for a menu bar, the letter of the menu called `title`.
    static void SetMnemonic(QWidget* widget, QChar letter, const QString& title = {});

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};
