#include "util/Words.h"

#include "util/Calendar.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cerrno>
#include <cstring>

namespace words {
namespace {

QLocale& Current() {
    static QLocale locale(QLocale::Indonesian, QLocale::Indonesia);
    return locale;
}

bool& ChosenFlag() {
    static bool chosen = false;
    return chosen;
}

} // namespace

QString Tr(const char* source) {
    return QCoreApplication::translate("Ondulix", source);
}

const QLocale& Locale() {
    return Current();
}

void UseLocale(const QLocale& locale) {
    Current() = locale;
}

bool UseLanguage(const QString& code, QTranslator& translator) {
    const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    // What Qt itself shows (a file list's types, a dialog's numbers) takes
    // the default locale: the chosen language's, else the user's own.
    static const QLocale users = QLocale();
    QCoreApplication::removeTranslator(&translator);
    UseLocale(code == QLatin1String("en") ? english : indonesian);
    ChosenFlag() = !code.isEmpty();
    QLocale::setDefault(code.isEmpty() ? users : Locale());
    if (code == QLatin1String("id"))
        cal::ShowDatesIn(indonesian);
    else
        cal::ShowDatesAsDesigned();
    if (code.isEmpty()) return true;
    if (!translator.load(QStringLiteral(":/i18n/ondulix_") + code + QStringLiteral(".qm")))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}

bool Chosen() {
    return ChosenFlag();
}

QString SystemReason(const QString& reason) {
    if (!Chosen()) return reason;
    // The C library's messages follow the process locale, not the language
    // chosen here: the ones a user meets when saving or reading are ours.
    static const struct {
        int code;
        const char* words;
    } known[] = {
        {EACCES, QT_TRANSLATE_NOOP("Ondulix", "Permission denied")},
        {EPERM, QT_TRANSLATE_NOOP("Ondulix", "Operation not permitted")},
        {ENOSPC, QT_TRANSLATE_NOOP("Ondulix", "No space left on device")},
        {EDQUOT, QT_TRANSLATE_NOOP("Ondulix", "Disk quota exceeded")},
        {EROFS, QT_TRANSLATE_NOOP("Ondulix", "Read-only file system")},
        {ENOENT, QT_TRANSLATE_NOOP("Ondulix", "No such file or directory")},
        {EISDIR, QT_TRANSLATE_NOOP("Ondulix", "Is a directory")},
        {ENOTDIR, QT_TRANSLATE_NOOP("Ondulix", "Not a directory")},
        {EIO, QT_TRANSLATE_NOOP("Ondulix", "Input/output error")},
        {ELOOP, QT_TRANSLATE_NOOP("Ondulix", "Too many levels of symbolic links")},
        {ENAMETOOLONG, QT_TRANSLATE_NOOP("Ondulix", "File name too long")},
        {EFBIG, QT_TRANSLATE_NOOP("Ondulix", "File too large")},
    };
    for (const auto& k : known)
        if (reason == QString::fromLocal8Bit(std::strerror(k.code))) return Tr(k.words);
    return reason;
}

} // namespace words
