#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

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

// The language `code` ("id", "en"; empty: as designed) for the words, the
// numbers and the dates shown: installs its translation, embedded under
// :/i18n, into `translator`, which the caller keeps while the language is in
// use. False for a code with no translation.
bool UseLanguage(const QString& code, QTranslator& translator);

// A language other than the designed one is in use: Qt's own dialogs are
// then the ones the program's translations reach (a desktop's native ones
// speak the desktop's language), and Qt's words follow the language too.
bool Chosen();

// A system error's text (strerror's, or Qt's errorString of one) in the
// chosen language where it is a common one; else as the system gave it.
QString SystemReason(const QString& reason);

} // namespace words
