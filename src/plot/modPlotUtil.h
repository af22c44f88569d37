#pragma once

#include "plot/Color.h"
#include "plot/Surface.h"

#include <QString>
#include <cstdint>

// Whole-number world coordinates (y up) mapped onto a Surface's device units
// (y down). There is one plot window per program; its state lives here.
// Drawing procedures take the surface as their first argument and keep no
// reference to it. All integer arithmetic is checked (see util/Checked.h).
namespace modPlotUtil {

// Plot state. Only PlotInit writes the window variables; PlotFontSize and
// PlotColor are also set directly by the chart drawing.
extern std::int32_t PlotWinX1;     // world x at the left edge
extern std::int32_t PlotWinY1;     // world y at the bottom edge
extern std::int32_t PlotWinX2;     // world x at the right edge
extern std::int32_t PlotWinY2;     // world y at the top edge
extern std::int32_t PlotScaleX;    // device units per world x unit
extern std::int32_t PlotScaleY;    // device units per world y unit
extern std::int32_t PlotSpanX;     // device width actually used
extern std::int32_t PlotSpanY;     // device height actually used
extern std::int32_t PlotDevRight;  // device x of the right edge
extern std::int32_t PlotDevBottom; // device y of the bottom edge
extern std::int32_t PlotDevLeft;   // device x of the left edge
extern std::int32_t PlotDevTop;    // device y of the top edge
extern QString PlotFontName;       // face for PlotText
extern std::int32_t PlotFontSize;  // points for PlotText
extern Color PlotColor;            // colour of every line, box and text

// Clears the surface, sets up the plot window and clears it. The scales are
// integer quotients, so the used span may fall short of the device size on
// the right and at the bottom. x2 == x1 or y2 == y1 throws DivisionByZeroError.
void PlotInit(Surface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              std::int32_t devWidth, std::int32_t devHeight, std::int32_t devLeft,
              std::int32_t devTop, const QString& fontName, std::int32_t fontSize);

// Device coordinates of a world point, pinned to the plot window (pinning
// comes before the y flip).
std::int32_t PlotX(std::int32_t x);
std::int32_t PlotY(std::int32_t y);

void PlotMoveTo(Surface& surface, std::int32_t x, std::int32_t y);
void PlotLineTo(Surface& surface, std::int32_t x, std::int32_t y);

// Style 1: outline; 2: filled; anything else: filled, then outlined in black.
void PlotBox(Surface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
             std::int32_t style);

// Fills the plot window white, outlines it in black, leaves PlotColor black.
void PlotClear(Surface& surface);

// Text standing on world point (x, y) in the plot font and PlotColor; the
// surface's own font and colour are restored afterwards.
void PlotText(Surface& surface, std::int32_t x, std::int32_t y, const QString& text);

// Dashed line from the current position to world (x, y). The dashes are spread
// evenly: half dash, n gaps and n - 1 dashes alternating, half dash.
void PlotDashTo(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t size);

} // namespace modPlotUtil
