#pragma once

#include "people/Contact.h"

#include <QString>
#include <QStringView>

// What the contacts readers share: a birthday as written, and where reading
// stopped, in the words the import preview shows.
namespace people {

// "Berhenti di baris 12: bukan teks UTF-8."
QString Stopped(qsizetype line, const QString& why);
extern const QString TooLong, TooMany, NotUtf8;

// The number that 1 to 4 ASCII digits spell; -1 for anything else.
int Digits(QStringView s);

inline constexpr int NoYear = -2;

// The date of `year` (or NoYear), `month` and `day`, unreadable when there is no such day.
Contact WithBirth(QString name, const QString& text, int year, int month, int day);

// The ISO 8601 forms vCard and Google use: 1960-01-07, 19600107, --01-07,
// --0107, any time part ignored.
Contact IsoBirth(QString name, const QString& text);

} // namespace people
