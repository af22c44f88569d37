#pragma once

#include <QProxyStyle>

// Fusion, so the designed layout holds on every desktop, with two changes:
// - no menu-bar overflow arrow: the menus always fit, and that icon is read
//   through the image plugins, all of which would be loaded at start-up;
// - a focus mark two pixels thick on every control that takes the focus,
//   showing on the window's black as well as on the light controls: yellow
//   on a dark background, dark blue on a light one.
class OndulixStyle final : public QProxyStyle {
public:
    OndulixStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};
