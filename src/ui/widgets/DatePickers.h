#pragma once

#include "util/Calendar.h"
#include "util/modListUtil.h"

#include <QString>

class ComboPicker;
#include <cstdint>

// Contents of the day, month and year pickers. A date trio is held as texts:
// day without leading zero, full English month name, four-digit year.
namespace DatePickers {

// Days of the month whose name starts with the given three letters (exact
// case); 0 for any other text. February has 29 days when the year is divisible
// by 4, which is the true calendar over 1901..2040. A February year that is
// not a number throws TypeMismatchError.
std::int32_t DaysInMonth(const QString& month, const QString& year);

// The months, each shown in the language in use and read as its English name.
void FillMonthCombo(ComboPicker& picker);

// "1901" .. "2040", nothing selected.
void FillYearCombo(ListControl& picker);
// "1" .. the month's day count, nothing selected.
void FillDayCombo(ListControl& picker, const QString& month, const QString& year);
// Rebuilds the day list for a new month or year and selects the same day, or
// the nearest earlier day that exists; each selection raises the picker's event.
void RefillDayCombo(ListControl& picker, const QString& month, const QString& year);

} // namespace DatePickers
