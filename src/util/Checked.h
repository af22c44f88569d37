#pragma once

#include "util/RuntimeError.h"

#include <cmath>
#include <cstdint>

// Signed 32-bit arithmetic that refuses to wrap: every result outside the
// int32 range throws OverflowError instead of being undefined behaviour.
namespace checked {

[[nodiscard]] inline std::int32_t Add(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) throw OverflowError();
    return r;
}

[[nodiscard]] inline std::int32_t Sub(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) throw OverflowError();
    return r;
}

[[nodiscard]] inline std::int32_t Mul(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw OverflowError();
    return r;
}

// Whole-number division truncating toward zero.
[[nodiscard]] inline std::int32_t Div(std::int32_t a, std::int32_t b) {
    if (b == 0) throw DivisionByZeroError();
    if (a == INT32_MIN && b == -1) throw OverflowError();
    return a / b;
}

// Narrows a 64-bit count (day differences and the like) to int32.
[[nodiscard]] inline std::int32_t Narrow(std::int64_t v) {
    if (v < INT32_MIN || v > INT32_MAX) throw OverflowError();
    return static_cast<std::int32_t>(v);
}

// A double rounded to the nearest whole number, halves to even.
[[nodiscard]] inline std::int32_t Round(double v) {
    if (!std::isfinite(v)) throw FloatingPointError();
    const double r = std::nearbyint(v); // default rounding mode: to nearest, ties to even
    if (r < INT32_MIN || r > INT32_MAX) throw OverflowError();
    return static_cast<std::int32_t>(r);
}

} // namespace checked
