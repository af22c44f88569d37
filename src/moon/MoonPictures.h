#pragma once

#include <QImage>
#include <cstdint>
#include <map>
#include <utility>

// The viewer's 24 moon pictures, drawn by the program: 1 new moon (dark disc),
// 2 a thin crescent lit on the right, 7 the right half lit, 13 and 14 full,
// 20 the left half lit, 24 a thin crescent lit on the left.
namespace moon {

inline constexpr int PictureSize = 80; // logical pixels, square

// Lit part of the disc, 0 (new) to 1 (the next new moon); 0.5 is full.
double PhaseFraction(std::int32_t index);

// Picture `index` (1..24) at the given device pixel ratio, black around the disc.
QImage DrawMoonPicture(std::int32_t index, double devicePixelRatio);

// The image list: pictures are drawn the first time they are asked for.
class MoonPictureList {
public:
    const QImage& Picture(std::int32_t index, double devicePixelRatio);

private:
    std::map<std::pair<std::int32_t, double>, QImage> m_cache;
};

} // namespace moon
