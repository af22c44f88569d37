#include "moon/MoonPhase.h"

#include "moon/TrueMoon.h"
#include "util/Calendar.h"
#include "util/Checked.h"
#include "util/Words.h"

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

MoonView ComputeMoonView(QDate base, std::int32_t position, bool trueMoon) {
    MoonView view;
    view.shown = cal::AddDays(base, position);
    view.caption = cal::FormatShortDate(view.shown);
    view.picture = trueMoon ? TruePictureIndex(view.shown)
                            : PictureIndex(checked::Add(cal::DiffDays(Epoch(), base), position));
    return view;
}

std::int32_t PictureOfDay(QDate day, bool trueMoon) {
    return trueMoon ? TruePictureIndex(day) : PictureIndex(cal::DiffDays(Epoch(), day));
}

std::int32_t PhaseOfPicture(std::int32_t picture) {
    // Picture 1 is dark, 7 half lit on the right, 13 and 14 full, 20 half lit
    // on the left: three pictures a phase, four for the full moon, two for the
    // last crescent.
    static constexpr std::int32_t Phases[PictureCount] = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4,
                                                          4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 7, 0};
    return Phases[(picture - 1 + PictureCount) % PictureCount];
}

QString PhaseName(std::int32_t phase) {
    static const char* const Names[] = {QT_TRANSLATE_NOOP("Ondulix", "bulan baru"),
                                        QT_TRANSLATE_NOOP("Ondulix", "sabit awal"),
                                        QT_TRANSLATE_NOOP("Ondulix", "kuartal awal"),
                                        QT_TRANSLATE_NOOP("Ondulix", "cembung awal"),
                                        QT_TRANSLATE_NOOP("Ondulix", "purnama"),
                                        QT_TRANSLATE_NOOP("Ondulix", "cembung akhir"),
                                        QT_TRANSLATE_NOOP("Ondulix", "kuartal akhir"),
                                        QT_TRANSLATE_NOOP("Ondulix", "sabit akhir")};
    return words::Tr(Names[((phase % 8) + 8) % 8]);
}

QString PhaseNameOfDay(QDate day, bool trueMoon) {
    return PhaseName(PhaseOfPicture(PictureOfDay(day, trueMoon)));
}

} // namespace moon
