#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>
#include <vector>

// A contact as a contacts file gives it: what the readers (VCardReader,
// ContactsCsvReader) hand to the import preview.
//
// Every reader is bounded: a file over MaxFileBytes is refused unread, and
// reading stops after MaxContacts contacts or at a line over MaxLineBytes.
namespace people {

inline constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
inline constexpr qsizetype MaxLineBytes = 64 * 1024;
inline constexpr qsizetype MaxContacts = 10'000;

enum class BirthKind {
    Missing,    // no birthday given
    Full,       // `birth` is the date
    NoYear,     // month and day only ("--01-07")
    Unreadable, // given, but no date ("1960-02-30", "circa 1800")
    OtherOrder  // a date only in the other order of day and month ("3/15/1985" read day first)
};

// One person as the file has them.
struct Contact {
    QString name; // vCard: FN, else N's given and family names; CSV: the name column(s)
    BirthKind kind = BirthKind::Missing;
    QDate birth;       // when kind is Full
    QString birthText; // the birthday as written
};

struct ContactsRead {
    std::vector<Contact> contacts;
    // Empty when the whole file was read. Else, in Indonesian, why it was
    // refused ("Berkas kosong.", contacts then empty) or where reading
    // stopped ("Berhenti di baris 12: bukan teks UTF-8."; the contacts before
    // that line are kept).
    QString problem;
    // CSV rows whose date reads only day first ("15/3/1985") or only month
    // first ("3/15/1985"), whatever order was asked for: what the order is
    // guessed from.
    int dayFirstOnly = 0, monthFirstOnly = 0;
};

// How the CSV's dates with separators (/ . -) are read: 7/1/1960 is
// 7 January in DayMonthYear, July 1 in MonthDayYear. ISO dates (1960-01-07)
// and Google's year-less --01-07 are read whatever the order.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

} // namespace people
