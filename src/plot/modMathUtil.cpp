#include "plot/modMathUtil.h"

#include <cmath>

namespace modMathUtil {

double MaxDbl(double a, double b) {
    return a > b ? a : b;
}
double MinDbl(double a, double b) {
    return a < b ? a : b;
}
std::int32_t MaxLng(std::int32_t a, std::int32_t b) {
    return a > b ? a : b;
}
std::int32_t MinLng(std::int32_t a, std::int32_t b) {
    return a < b ? a : b;
}

double SinDeg(double deg) {
    return std::sin(deg * 0.0174532925199389);
}

std::int32_t ClampLng(std::int32_t v, std::int32_t lo, std::int32_t hi) {
    return MinLng(MaxLng(v, lo), hi);
}

double ClampDbl(double v, double lo, double hi) {
    return MinDbl(MaxDbl(v, lo), hi);
}

} // namespace modMathUtil
