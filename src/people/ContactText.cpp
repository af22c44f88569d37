#include "people/ContactText.h"

#include "util/Words.h"

namespace people {

QString Stopped(qsizetype line, const QString& why) {
    return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Berhenti di baris %1: %2.")).arg(line).arg(why);
}

const QString TooLong = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "baris lebih dari 64 KB"));
const QString TooMany =
    words::Tr(QT_TRANSLATE_NOOP("Ondulix", "lebih dari %1 kontak")).arg(MaxContacts);
const QString NotUtf8 = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "bukan teks UTF-8"));

int Digits(QStringView s) {
    if (s.isEmpty() || s.size() > 4) return -1;
    int n = 0;
    for (const QChar c : s) {
        if (c < u'0' || c > u'9') return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

Contact WithBirth(QString name, const QString& text, int year, int month, int day) {
    // A leap year stands in for a missing one, so that --02-29 is a day.
    const QDate date(year == NoYear ? 2000 : year, month, day);
    if (!date.isValid() || year == -1 || month < 0 || day < 0)
        return {std::move(name), BirthKind::Unreadable, {}, text};
    if (year == NoYear) return {std::move(name), BirthKind::NoYear, {}, text};
    return {std::move(name), BirthKind::Full, date, text};
}

Contact IsoBirth(QString name, const QString& text) {
    QStringView t = QStringView(text).trimmed();
    if (t.isEmpty()) return {std::move(name), BirthKind::Missing, {}, text};
    if (const qsizetype time = t.indexOf(u'T'); time >= 0) t = t.left(time);
    const qsizetype size = t.size();
    int year = -1, month = -1;
    if (t.startsWith(u"--") && (size == 6 || (size == 7 && t[4] == u'-'))) {
        year = NoYear;
        month = Digits(t.mid(2, 2));
    } else if (size == 8 || (size == 10 && t[4] == u'-' && t[7] == u'-')) {
        year = Digits(t.left(4));
        month = Digits(t.mid(size == 8 ? 4 : 5, 2));
        if (year == 1604) year = NoYear; // how Apple's contacts write a birthday without one
    }
    return WithBirth(std::move(name), text, year, month, Digits(t.right(2)));
}

} // namespace people
