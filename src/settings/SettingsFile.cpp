#include "settings/SettingsFile.h"

#include "util/Calendar.h"
#include "util/RuntimeError.h"
#include "util/modStrUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cmath>

namespace settings {

namespace {

constexpr int PersonalBuffer = 81;
constexpr int OptionBuffer = 5;

} // namespace

QString DefaultIniPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\Ondulix.ini");
#else
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Ondulix.ini"));
#endif
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
    const QDate clamped = cal::ClampToPickerYears(date);
    if (repaired) *repaired = !readable || clamped != date;
    return clamped;
}

QString SettingsReader::ReadPersonal(const QString& key, const QString& fallback) const {
    const QString raw = m_document.ReadString(PersonalSection, key, fallback, PersonalBuffer);
    return modStrUtil::TrimBlanks(modStrUtil::ReplaceAll(raw, QString(QChar(0)), QString()));
}

bool SettingsReader::ReadOption(const QString& key, const QString& fallback) const {
    return m_document.ReadString(OptionsSection, key, fallback, OptionBuffer) ==
           QLatin1String("True");
}

Options SettingsReader::ReadOptions() const {
    Options options{};
    for (int i = 0; i < OptionCount; ++i)
        options[i] = ReadOption(QString::fromLatin1(OptionKeys[i].key),
                                QString::fromLatin1(OptionKeys[i].fallback));
    return options;
}

StoredPersonal SettingsReader::ReadPersonalSection() const {
    StoredPersonal stored;
    const QString own = ReadPersonal(OwnBirthKey, DefaultDateText);
    bool repaired = false;
    stored.ownBirth = ReadStoredDate(own, &repaired);
    if (repaired)
        stored.problems << QStringLiteral("Your own birth date \"%1\" was read as %2.")
                               .arg(own, cal::FormatShortDate(stored.ownBirth));

    // A count that is not a number: read names until the first missing one.
    const QString countText = ReadPersonal(FriendCountKey, QStringLiteral("0"));
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
        const auto number = static_cast<std::int32_t>(i);
        if (scan && !m_document.HasKey(PersonalSection, NameKey(number))) break;
        const QString name = ReadPersonal(NameKey(number), QString());
        if (name.isEmpty()) continue;
        if (stored.friends.size() == FriendList::MaxFriends) {
            stored.problems << QStringLiteral(
                                   "The settings file names more than %1 friends; the first %1 "
                                   "are loaded.")
                                   .arg(FriendList::MaxFriends);
            break;
        }
        const QString dateText = ReadPersonal(BDayReadKey(number), DefaultDateText);
        bool dateRepaired = false;
        const QDate birth = ReadStoredDate(dateText, &dateRepaired);
        if (dateRepaired)
            stored.problems << QStringLiteral("The birth date \"%1\" of %2 was read as %3.")
                                   .arg(dateText, name, cal::FormatShortDate(birth));
        stored.friends.push_back({name, cal::TrioOf(birth)});
    }
    if (scan && !countText.isEmpty())
        stored.problems << QStringLiteral("\"No. of Friends\" is \"%1\", not a number; %2 friends "
                                          "were found by name.")
                               .arg(countText)
                               .arg(stored.friends.size());
    return stored;
}

std::vector<ProfileWrite> OptionWrites(const Options& options) {
    std::vector<ProfileWrite> writes;
    for (int i = 0; i < OptionCount; ++i)
        writes.push_back({OptionsSection, QString::fromLatin1(OptionKeys[i].key),
                          options[i] ? QStringLiteral("True") : QStringLiteral("False")});
    return writes;
}

StoredSettings SettingsStore::Load() const {
    ProfileDocument document;
    QString readError;
    StoredSettings stored;
    if (!::LoadProfile(m_path, &document, &readError))
        stored.problems << QStringLiteral("The settings file %1 could not be read (%2); Ondulix "
                                          "starts with its defaults and will not overwrite it.")
                               .arg(QDir::toNativeSeparators(m_path), readError);
    const SettingsReader reader(std::move(document));
    stored.personal = reader.ReadPersonalSection();
    stored.options = reader.ReadOptions();
    stored.problems << stored.personal.problems;
    return stored;
}

QString SettingsStore::Write(const std::vector<ProfileWrite>& writes) const {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return ::WriteProfile(m_path, writes);
}

QString SettingsStore::SavePersonal(const FriendList& friends) const {
    return Write(friends.PersonalWrites());
}

QString SettingsStore::SaveOptions(const Options& options) const {
    return Write(OptionWrites(options));
}

QString SettingsStore::SaveFailedMessage(const QString& reason) const {
    return QStringLiteral("Ondulix could not save to %1: %2.\n\nThe change is kept while Ondulix "
                          "runs; it will try again when it closes.")
        .arg(QDir::toNativeSeparators(m_path), reason);
}

QString SettingsStore::CloseFailedMessage(const QString& reason) const {
    return QStringLiteral("Ondulix could not save your birth dates and friends to %1: %2.\n\n"
                          "Retry, close without saving, or cancel to keep Ondulix open?")
        .arg(QDir::toNativeSeparators(m_path), reason);
}

} // namespace settings
