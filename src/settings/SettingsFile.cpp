#include "settings/SettingsFile.h"

#include "util/Calendar.h"
#include "util/RuntimeError.h"
#include "util/modStrUtil.h"

#include <QDir>
#include <QStandardPaths>
#include <cmath>

namespace settings {

namespace {

constexpr int FirstYear = 1901;
constexpr int LastYear = 2040;
constexpr int PersonalBuffer = 81;
constexpr int OptionBuffer = 5;

QString Trimmed(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}

} // namespace

QString DefaultIniPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\Ondulix.ini");
#else
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Ondulix.ini"));
#endif
}

QString FriendNumber(std::int32_t i) {
    return QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
}

DateTrio TrioOf(QDate date) {
    return {QString::number(date.day()), cal::MonthName(date.month()),
            QString::number(date.year())};
}

QString DateText(const DateTrio& trio) {
    return trio.day + u'-' + trio.month.left(3) + u'-' + trio.year;
}

QDate ClampToPickerYears(QDate date) {
    const int year = std::clamp(date.year(), FirstYear, LastYear);
    if (year == date.year()) return date;
    const int days = QDate(year, date.month(), 1).daysInMonth();
    return QDate(year, date.month(), std::min(date.day(), days));
}

QDate ReadStoredDate(const QString& text, bool* repaired) {
    QDate date;
    bool readable = true;
    try {
        date = cal::ParseDateText(text);
    } catch (const TypeMismatchError&) {
        date = cal::ParseDateText(DefaultDateText);
        readable = false;
    }
    const QDate clamped = ClampToPickerYears(date);
    if (repaired) *repaired = !readable || clamped != date;
    return clamped;
}

QString SettingsReader::ReadPersonal(const QString& key, const QString& fallback) const {
    const QString raw = m_document.ReadString(PersonalSection, key, fallback, PersonalBuffer);
    return Trimmed(modStrUtil::ReplaceAll(raw, QString(QChar(0)), QString()));
}

bool SettingsReader::ReadOption(const QString& key, const QString& fallback) const {
    return m_document.ReadString(OptionsSection, key, fallback, OptionBuffer) ==
           QLatin1String("True");
}

StoredPersonal SettingsReader::ReadPersonalSection() const {
    StoredPersonal stored;
    const QString own = ReadPersonal(QStringLiteral("My Birthdate"), DefaultDateText);
    bool repaired = false;
    stored.ownBirth = ReadStoredDate(own, &repaired);
    if (repaired)
        stored.problems << QStringLiteral("Your own birth date \"%1\" was read as %2.")
                               .arg(own, cal::FormatShortDate(stored.ownBirth));

    // A count that is not a number: read names until the first missing one.
    const QString countText = ReadPersonal(QStringLiteral("No. of Friends"), QStringLiteral("0"));
    bool numeric = false;
    const double count = countText.toDouble(&numeric);
    const bool scan = !numeric || !std::isfinite(count);
    // No name key lies beyond the highest number any key carries.
    std::int64_t highest = 0;
    for (const QString& key : m_document.Keys(PersonalSection)) {
        if (!key.startsWith(QLatin1String("name"), Qt::CaseInsensitive)) continue;
        bool ok = false;
        const std::int64_t n = key.mid(4).toLongLong(&ok);
        if (ok && n > highest) highest = n;
    }
    const std::int64_t last =
        scan ? highest : std::min<std::int64_t>(std::nearbyint(std::max(count, 0.0)), highest);

    for (std::int64_t i = 1; i <= last; ++i) {
        const QString number = FriendNumber(static_cast<std::int32_t>(i));
        const QString nameKey = QStringLiteral("Name") + number;
        if (scan && !m_document.HasKey(PersonalSection, nameKey)) break;
        const QString name = ReadPersonal(nameKey, QString());
        if (name.isEmpty()) continue;
        if (stored.friends.size() == MaxFriends) {
            stored.problems << QStringLiteral(
                                   "The settings file names more than %1 friends; the first %1 "
                                   "are loaded.")
                                   .arg(MaxFriends);
            break;
        }
        const QString dateText = ReadPersonal(QStringLiteral("BDay") + number, DefaultDateText);
        bool dateRepaired = false;
        const QDate birth = ReadStoredDate(dateText, &dateRepaired);
        if (dateRepaired)
            stored.problems << QStringLiteral("The birth date \"%1\" of %2 was read as %3.")
                                   .arg(dateText, name, cal::FormatShortDate(birth));
        stored.friends.push_back({name, TrioOf(birth)});
    }
    if (scan && !countText.isEmpty())
        stored.problems << QStringLiteral("\"No. of Friends\" is \"%1\", not a number; %2 friends "
                                          "were found by name.")
                               .arg(countText)
                               .arg(stored.friends.size());
    return stored;
}

std::vector<ProfileWrite> PersonalWrites(const std::vector<Friend>& entries) {
    std::vector<ProfileWrite> writes;
    const auto count = static_cast<std::int32_t>(entries.size()) - 1;
    writes.push_back(
        {PersonalSection, QStringLiteral("My Birthdate"), DateText(entries.at(0).birth)});
    writes.push_back({PersonalSection, QStringLiteral("No. of Friends"), QString::number(count)});
    for (std::int32_t i = 1; i <= count; ++i) {
        const Friend& f = entries[i];
        writes.push_back({PersonalSection, QStringLiteral("Name") + FriendNumber(i), f.name});
        writes.push_back(
            {PersonalSection, QStringLiteral("Bday") + FriendNumber(i), DateText(f.birth)});
    }
    return writes;
}

std::vector<ProfileWrite> OptionWrites(bool physical, bool emotional, bool intellectual,
                                       bool intuitive) {
    auto truth = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
    return {{OptionsSection, QStringLiteral("Physical"), truth(physical)},
            {OptionsSection, QStringLiteral("Emotional"), truth(emotional)},
            {OptionsSection, QStringLiteral("Intellectual"), truth(intellectual)},
            {OptionsSection, QStringLiteral("Intuitive"), truth(intuitive)}};
}

} // namespace settings
