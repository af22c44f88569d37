#include "util/Words.h"

#include "util/Calendar.h"

#include <QCoreApplication>
#include <QTranslator>

namespace words {
namespace {

QLocale& Current() {
    static QLocale locale(QLocale::Indonesian, QLocale::Indonesia);
    return locale;
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
    QCoreApplication::removeTranslator(&translator);
    UseLocale(code == QLatin1String("en") ? english : indonesian);
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

} // namespace words
