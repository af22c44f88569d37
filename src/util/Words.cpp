#include "util/Words.h"

#include <QCoreApplication>

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

} // namespace words
