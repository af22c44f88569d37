#pragma once

#include <QLocale>
#include <QString>

// The program's words in the language chosen: each marked where it is
// written, with QT_TRANSLATE_NOOP("Ondulix", "...") and read through Tr, or
// read at once as QCoreApplication::translate("Ondulix", "..."); the
// translations live in translations/.
namespace words {

// The word `source` in the language in use.
QString Tr(const char* source);

// The locale of the program's own words, for numbers and Indonesian or
// English month and day names: Indonesian as designed.
const QLocale& Locale();
void UseLocale(const QLocale& locale);

} // namespace words
