#include "plot/modPlotUtil.h"

#include "plot/modMathUtil.h"
#include "util/Checked.h"

#include <cmath>

using namespace modMathUtil;

namespace modPlotUtil {

std::int32_t PlotWinX1 = 0;
std::int32_t PlotWinY1 = 0;
std::int32_t PlotWinX2 = 0;
std::int32_t PlotWinY2 = 0;
std::int32_t PlotScaleX = 0;
std::int32_t PlotScaleY = 0;
std::int32_t PlotSpanX = 0;
std::int32_t PlotSpanY = 0;
std::int32_t PlotDevRight = 0;
std::int32_t PlotDevBottom = 0;
std::int32_t PlotDevLeft = 0;
std::int32_t PlotDevTop = 0;
QString PlotFontName;
std::int32_t PlotFontSize = 0;
Color PlotColor = 0;

namespace {

constexpr int LineTo = Surface::HasColor;                         // 2
constexpr int LineFromTo = Surface::HasColor | Surface::HasStart; // 6
constexpr int BoxOutline = LineFromTo | Surface::Box;             // 22
constexpr int BoxFilled = LineFromTo | Surface::BoxFilled;        // 38

// The dash arithmetic is followed by a status test, as integer arithmetic is.
double Finite(double v) {
    if (!std::isfinite(v)) throw FloatingPointError();
    return v;
}

} // namespace

void PlotInit(Surface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              std::int32_t devWidth, std::int32_t devHeight, std::int32_t devLeft,
              std::int32_t devTop, const QString& fontName, std::int32_t fontSize) {
    using namespace checked;
    surface.Cls();
    PlotWinX1 = x1;
    PlotWinY1 = y1;
    PlotWinX2 = x2;
    PlotWinY2 = y2;
    PlotScaleX = Div(devWidth, Sub(x2, x1));
    PlotScaleY = Div(devHeight, Sub(y2, y1));
    PlotSpanX = Mul(Sub(x2, x1), PlotScaleX);
    PlotSpanY = Mul(Sub(y2, y1), PlotScaleY);
    PlotDevRight = Add(PlotSpanX, devLeft);
    PlotDevBottom = Add(PlotSpanY, devTop);
    PlotDevLeft = devLeft;
    PlotDevTop = devTop;
    PlotFontName = fontName;
    PlotFontSize = fontSize;
    PlotClear(surface);
}

std::int32_t PlotX(std::int32_t x) {
    using namespace checked;
    const std::int32_t d = Add(Mul(Sub(x, PlotWinX1), PlotScaleX), PlotDevLeft);
    return ClampLng(d, PlotDevLeft, PlotDevRight);
}

std::int32_t PlotY(std::int32_t y) {
    using namespace checked;
    const std::int32_t t =
        ClampLng(Add(Mul(Sub(y, PlotWinY1), PlotScaleY), PlotDevTop), PlotDevTop, PlotDevBottom);
    return Add(Sub(PlotSpanY, t), Mul(2, PlotDevTop));
}

void PlotMoveTo(Surface& surface, std::int32_t x, std::int32_t y) {
    surface.SetCurrentX(PlotX(x));
    surface.SetCurrentY(PlotY(y));
}

void PlotLineTo(Surface& surface, std::int32_t x, std::int32_t y) {
    surface.Line(LineTo, 0, 0, PlotX(x), PlotY(y), PlotColor);
}

void PlotBox(Surface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
             std::int32_t style) {
    const std::int32_t a = PlotX(x1);
    const std::int32_t b = PlotY(y1);
    const std::int32_t c = PlotX(x2);
    const std::int32_t d = PlotY(y2);
    switch (style) {
    case 1:
        surface.Line(BoxOutline, a, b, c, d, PlotColor);
        break;
    case 2:
        surface.Line(BoxFilled, a, b, c, d, PlotColor);
        break;
    default:
        surface.Line(BoxFilled, a, b, c, d, PlotColor);
        surface.Line(BoxOutline, a, b, c, d, QBColor(0));
        break;
    }
}

void PlotClear(Surface& surface) {
    PlotColor = QBColor(15);
    PlotBox(surface, PlotWinX1, PlotWinY1, PlotWinX2, PlotWinY2, 3);
    PlotColor = QBColor(0);
}

void PlotText(Surface& surface, std::int32_t x, std::int32_t y, const QString& text) {
    const QString oldName = surface.FontName();
    const double oldSize = surface.FontSize();
    const bool oldBold = surface.FontBold();
    const bool oldItalic = surface.FontItalic();
    const Color oldColor = surface.ForeColor();

    surface.SetFontName(PlotFontName);
    surface.SetFontSize(PlotFontSize);
    surface.SetFontBold(false);
    surface.SetFontItalic(false);
    surface.SetForeColor(PlotColor);
    surface.SetCurrentX(PlotX(x));
    // The text's top edge sits 22 device units per point above the point, unpinned.
    surface.SetCurrentY(checked::Sub(PlotY(y), checked::Mul(22, PlotFontSize)));
    surface.Print(text);

    surface.SetFontName(oldName);
    surface.SetFontSize(oldSize);
    surface.SetFontBold(oldBold);
    surface.SetFontItalic(oldItalic);
    surface.SetForeColor(oldColor);
}

void PlotDashTo(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t size) {
    const double dash = ClampDbl(checked::Add(checked::Mul(size, 10), 50), 50, 200);
    const double period = 2 * dash;

    const double x0 = surface.CurrentX();
    const double y0 = surface.CurrentY();
    const double x1 = PlotX(x);
    const double y1 = PlotY(y);

    const double dx = Finite(x1 - x0);
    const double dy = Finite(y1 - y0);
    const double length = Finite(std::sqrt(Finite(Finite(dx * dx) + Finite(dy * dy))));

    if (length < period) {
        surface.Line(LineTo, 0, 0, x1, y1, PlotColor);
        return;
    }

    const double n = std::floor(Finite(length / period)); // >= 1, since length >= period
    const double parts = 2 * n;
    const double stepX = Finite(dx / parts);
    const double stepY = Finite(dy / parts);

    double px = x0 + stepX / 2;
    double py = y0 + stepY / 2;
    surface.Line(LineTo, 0, 0, px, py, PlotColor); // half dash
    px = px + stepX;                               // gap
    py = py + stepY;
    for (double i = 1; i <= n - 1; ++i) {
        surface.Line(LineFromTo, px, py, px + stepX, py + stepY, PlotColor);
        px = px + 2 * stepX;
        py = py + 2 * stepY;
    }
    surface.Line(LineFromTo, px, py, x1, y1, PlotColor); // closing half dash
}

} // namespace modPlotUtil
