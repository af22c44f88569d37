#include "moon/MoonPhase.h"

#include "util/Calendar.h"
#include "util/Checked.h"

#include <cmath>

namespace moon {

std::int32_t PictureIndex(std::int32_t k) {
    const double steps = std::floor(static_cast<double>(k) * PicturesPerDay);
    // Days before the epoch wrap round like the ones after it, so every day
    // has a picture.
    std::int32_t index = static_cast<std::int32_t>(std::fmod(steps, PictureCount));
    if (index < 0) index += PictureCount;
    return index + 1;
}

MoonView ComputeMoonView(QDate base, std::int32_t position, bool centreTicked) {
    const std::int32_t offset = centreTicked ? CentringOffset : 0;
    const std::int32_t step = checked::Sub(position, offset);
    MoonView view;
    view.shown = cal::AddDays(base, step);
    view.caption = cal::FormatShortDate(view.shown);
    view.picture = PictureIndex(checked::Add(cal::DiffDays(Epoch(), base), step));
    return view;
}

} // namespace moon
