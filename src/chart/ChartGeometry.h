#pragma once

#include "plot/Color.h"

#include <QRect>
#include <QString>
#include <cstdint>

// Where the chart lies in the window, in twips.
namespace chart {

// The program's one plot window: world 0..1440 x -100..100 on a device area
// of 9000 x 4000 twips at (1600, 300); the scales truncate to 6 and 20, so
// the chart covers twips 1600..10240 x 300..4300.
struct PlotWindowSetup {
    static constexpr std::int32_t X1 = 0, Y1 = -100, X2 = 1440, Y2 = 100;
    static constexpr std::int32_t DevWidth = 9000, DevHeight = 4000;
    static constexpr std::int32_t DevLeft = 1600, DevTop = 300;
    static constexpr std::int32_t FontSize = 7;
    // Twips per world unit, as PlotInit works them out (whole twips), and the
    // device span the world covers.
    static constexpr std::int32_t ScaleX = DevWidth / (X2 - X1), ScaleY = DevHeight / (Y2 - Y1);
    static constexpr std::int32_t SpanX = ScaleX * (X2 - X1), SpanY = ScaleY * (Y2 - Y1);
    static QString FontName() { return QStringLiteral("small fonts"); }
};

// The window's client area.
inline constexpr QRect ClientArea{0, 0, 10650, 6945};

// The window's surface around the plot window: the chart with a margin of
// about 20 pixels of the window's black background on each side. Drawing
// never reaches outside it.
inline constexpr QRect ChartArea{1305, 0, 9240, 4605};

// The form's background, around the chart and behind the controls.
inline constexpr Color WindowBackColor = 0; // black

} // namespace chart
