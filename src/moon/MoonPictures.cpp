#include "moon/MoonPictures.h"

#include "moon/MoonPhase.h"
#include "util/RuntimeError.h"

#include <QColor>
#include <array>
#include <cmath>
#include <numbers>

namespace moon {

namespace {

constexpr double DiscRadius = 36.0; // logical pixels, centred in the picture
constexpr int Samples = 3;          // per pixel and axis, for smooth edges

struct Rgb {
    double r, g, b;
};
constexpr Rgb Sky{0, 0, 0};
constexpr Rgb Lit{238, 234, 214};
constexpr Rgb Shadow{38, 40, 48};

// A few darker "seas" on the lit face, in disc coordinates (x right, y down).
struct Sea {
    double x, y, radius, depth;
};
constexpr std::array<Sea, 5> Seas{{
    {-0.30, -0.35, 0.22, 0.16},
    {0.10, -0.42, 0.16, 0.14},
    {0.28, -0.05, 0.20, 0.15},
    {-0.42, 0.15, 0.25, 0.12},
    {0.05, 0.35, 0.14, 0.10},
}};

// Colour of the disc point (x, y), |(x, y)| <= 1, for lit fraction f;
// `terminator` is cos(2 pi f), the terminator's half-width on the equator.
Rgb DiscColour(double x, double y, double f, double terminator) {
    const double edge = std::sqrt(std::max(0.0, 1.0 - y * y)) * terminator;
    const bool lit = f <= 0.5 ? x >= edge : x <= -edge;
    if (!lit) return Shadow;
    // Limb darkening, and the seas.
    double shade = 0.78 + 0.22 * std::sqrt(std::max(0.0, 1.0 - x * x - y * y));
    for (const Sea& s : Seas) {
        const double dx = x - s.x, dy = y - s.y;
        if (dx * dx + dy * dy < s.radius * s.radius) shade -= s.depth;
    }
    return {Lit.r * shade, Lit.g * shade, Lit.b * shade};
}

} // namespace

double PhaseFraction(std::int32_t index) {
    if (index < 1 || index > PictureCount) throw SubscriptError(index);
    // Two full pictures (13 and 14) share the half-way point.
    return (index <= 13 ? index - 1 : index - 2) / 24.0;
}

QImage DrawMoonPicture(std::int32_t index, double devicePixelRatio) {
    const double f = PhaseFraction(index);
    const double terminator = std::cos(2.0 * std::numbers::pi * f);
    const int side = static_cast<int>(std::lround(PictureSize * devicePixelRatio));
    QImage image(side, side, QImage::Format_RGB32);
    const double centre = side / 2.0;
    const double radius = DiscRadius * devicePixelRatio;
    for (int py = 0; py < side; ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < side; ++px) {
            Rgb sum{0, 0, 0};
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const double x = (px + (sx + 0.5) / Samples - centre) / radius;
                    const double y = (py + (sy + 0.5) / Samples - centre) / radius;
                    const Rgb c = x * x + y * y <= 1.0 ? DiscColour(x, y, f, terminator) : Sky;
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                }
            }
            constexpr double n = Samples * Samples;
            line[px] = qRgb(static_cast<int>(std::lround(sum.r / n)),
                            static_cast<int>(std::lround(sum.g / n)),
                            static_cast<int>(std::lround(sum.b / n)));
        }
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

const QImage& MoonPictureList::Picture(std::int32_t index, double devicePixelRatio) {
    const auto key = std::make_pair(index, devicePixelRatio);
    auto it = m_cache.find(key);
    if (it == m_cache.end())
        it = m_cache.emplace(key, DrawMoonPicture(index, devicePixelRatio)).first;
    return it->second;
}

} // namespace moon
