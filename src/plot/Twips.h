#pragma once

// The window is laid out and the chart is drawn in twips; one logical pixel
// is 15 twips, so 96 pixels make an inch.
inline constexpr double TwipsPerPixel = 15.0;
// A point is 20 twips.
inline constexpr double TwipsPerPoint = 20.0;
