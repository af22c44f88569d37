#pragma once

#include <cstdint>

namespace modMathUtil {

// On equal arguments these return the second one.
double MaxDbl(double a, double b);
double MinDbl(double a, double b);
std::int32_t MaxLng(std::int32_t a, std::int32_t b);
std::int32_t MinLng(std::int32_t a, std::int32_t b);

// Sine of an angle in degrees. The conversion factor is the decimal constant
// 0.0174532925199389, slightly below pi/180; the chart's curves are defined
// with exactly this value, so SinDeg(180) is 7.9e-13 rather than 0.
double SinDeg(double deg);

// MinLng(MaxLng(v, lo), hi): with lo > hi the result is hi.
std::int32_t ClampLng(std::int32_t v, std::int32_t lo, std::int32_t hi);
double ClampDbl(double v, double lo, double hi);

} // namespace modMathUtil
