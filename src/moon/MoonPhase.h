#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

// The moon viewer's arithmetic: a linear count of days from a fixed new moon,
// scaled to one of 24 pictures. Not astronomy; the same day always gives the
// same picture.
namespace moon {

inline constexpr std::int32_t PictureCount = 24;
inline constexpr double PicturesPerDay = 0.8127749; // 24 pictures per 29.5285 days
inline constexpr std::int32_t SliderMax = 60;

// 2 January 1900, the day picture 1 (new moon) starts.
inline QDate Epoch() {
    return QDate(1900, 1, 2);
}

// Picture 1..24 for the day `k` days after the epoch.
std::int32_t PictureIndex(std::int32_t k);

struct MoonView {
    QDate shown;     // the day pictured
    QString caption; // "Feb 6, 2004"
    std::int32_t picture = 1;
};

// The day at slider `position` of a chart whose first day is `base`:
// position 0 is that day itself.
// `trueMoon`: the picture of the real moon that day instead of the count.
MoonView ComputeMoonView(QDate base, std::int32_t position, bool trueMoon = false);

// Picture 1..24 of a day: the count from the epoch, or the real moon's.
std::int32_t PictureOfDay(QDate day, bool trueMoon);

// The usual phase (0 new moon .. 7 waning crescent) of picture 1..24, and its
// Indonesian name ("purnama" for the full moon).
std::int32_t PhaseOfPicture(std::int32_t picture);
QString PhaseName(std::int32_t phase);
// The phase name of a day, by the count or by the real moon.
QString PhaseNameOfDay(QDate day, bool trueMoon = false);

} // namespace moon
