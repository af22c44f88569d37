#include "ui/widgets/DatePickers.h"

#include "ui/widgets/Controls.h"
#include "util/RuntimeError.h"

#include <cmath>

namespace DatePickers {

std::int32_t DaysInMonth(const QString& month, const QString& year) {
    struct Row {
        const char* abbreviation;
        std::int32_t days;
    };
    static constexpr Row rows[] = {{"Jan", 31}, {"Feb", 28}, {"Mar", 31}, {"Apr", 30},
                                   {"May", 31}, {"Jun", 30}, {"Jul", 31}, {"Aug", 31},
                                   {"Sep", 30}, {"Oct", 31}, {"Nov", 30}, {"Dec", 31}};
    const QString head = month.left(3);
    for (const Row& row : rows) {
        if (head != QLatin1String(row.abbreviation)) continue;
        if (row.days != 28) return row.days;
        bool ok = false;
        const double number = year.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(number))
            throw TypeMismatchError("Type mismatch: year \"" + year.toStdString() + '"');
        return std::fmod(std::trunc(number), 4.0) == 0.0 ? 29 : 28;
    }
    return 0;
}

void FillYearCombo(ListControl& picker) {
    picker.Clear();
    for (std::int32_t y = cal::FirstYear; y <= cal::LastYear; ++y)
        picker.AddItem(QString::number(y));
}

void FillDayCombo(ListControl& picker, const QString& month, const QString& year) {
    const std::int32_t days = DaysInMonth(month, year);
    picker.Clear();
    for (std::int32_t d = 1; d <= days; ++d)
        picker.AddItem(QString::number(d));
}

void RefillDayCombo(ListControl& picker, const QString& month, const QString& year) {
    const QString remembered = picker.Text();
    FillDayCombo(picker, month, year);
    modListUtil::SelectListItem(picker, remembered, true);
    if (!picker.Text().isEmpty() || picker.ListCount() == 0) return;
    // Step down to the nearest earlier day of the new month. The list only
    // holds "1".."N", so this ends by "1" at the latest.
    bool ok = false;
    std::int32_t day = remembered.toInt(&ok);
    while (ok && day > 1 && picker.Text().isEmpty()) {
        --day;
        modListUtil::SelectListItem(picker, QString::number(day), true);
    }
}

void FillMonthCombo(ComboPicker& picker) {
    static const char* const Months[] = {
        QT_TRANSLATE_NOOP("Ondulix", "January"),   QT_TRANSLATE_NOOP("Ondulix", "February"),
        QT_TRANSLATE_NOOP("Ondulix", "March"),     QT_TRANSLATE_NOOP("Ondulix", "April"),
        QT_TRANSLATE_NOOP("Ondulix", "May"),       QT_TRANSLATE_NOOP("Ondulix", "June"),
        QT_TRANSLATE_NOOP("Ondulix", "July"),      QT_TRANSLATE_NOOP("Ondulix", "August"),
        QT_TRANSLATE_NOOP("Ondulix", "September"), QT_TRANSLATE_NOOP("Ondulix", "October"),
        QT_TRANSLATE_NOOP("Ondulix", "November"),  QT_TRANSLATE_NOOP("Ondulix", "December")};
    for (const char* month : Months)
        picker.AddWord(month);
}

} // namespace DatePickers
