#include "settings/SettingsFile.h"

#include "util/Calendar.h"
#include "util/RuntimeError.h"
#include "util/modStrUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <climits>

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

namespace {

// "0".."999999": a count as this program writes it; -1 for anything else.
std::int32_t StoredCount(const QString& text) {
    if (text.isEmpty() || text.size() > 6) return -1;
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return -1;
    return text.toInt();
}

// The number of a "NameNNN" or "BDayNNN" key, 0 for any other key.
std::int64_t FriendKeyNumber(const QString& key) {
    const qsizetype digits = key.startsWith(QLatin1String("name"), Qt::CaseInsensitive)   ? 4
                             : key.startsWith(QLatin1String("bday"), Qt::CaseInsensitive) ? 4
                                                                                          : 0;
    if (digits == 0) return 0;
    bool ok = false;
    const std::int64_t n = key.mid(digits).toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

} // namespace

StoredPersonal SettingsReader::ReadPersonalSection() const {
    StoredPersonal stored;
    const QString own = ReadPersonal(OwnBirthKey, DefaultDateText);
    bool repaired = false;
    stored.ownBirth = ReadStoredDate(own, &repaired);
    if (repaired)
        stored.problems << QStringLiteral("Your own birth date \"%1\" was read as %2.")
                               .arg(own, cal::FormatShortDate(stored.ownBirth));

    // A count that is damaged (missing while friends are there, negative, not
    // a whole number, absurdly large): read names until the first missing one.
    const bool hasCount = m_document.HasKey(PersonalSection, FriendCountKey);
    const QString countText = ReadPersonal(FriendCountKey, QStringLiteral("0"));
    const std::int32_t count = StoredCount(countText);
    const bool scan = hasCount ? count < 0 : m_document.HasKey(PersonalSection, NameKey(1));
    // No name key lies beyond the highest number any key carries.
    std::int64_t highestName = 0;
    std::vector<std::int64_t> numbers;
    for (const QString& key : m_document.Keys(PersonalSection)) {
        const std::int64_t n = FriendKeyNumber(key);
        if (n == 0) continue;
        numbers.push_back(n);
        if (key.startsWith(QLatin1String("name"), Qt::CaseInsensitive))
            highestName = std::max(highestName, n);
    }
    const std::int64_t last = scan ? std::min<std::int64_t>(highestName, MaxStoredCount)
                                   : std::min<std::int64_t>(count, highestName);

    std::int32_t i = 1;
    for (; i <= last; ++i) {
        if (scan && !m_document.HasKey(PersonalSection, NameKey(i))) break;
        const QString name = ReadPersonal(NameKey(i), QString());
        if (name.isEmpty()) continue;
        if (stored.friends.size() == FriendList::MaxFriends) {
            stored.problems << QStringLiteral(
                                   "The settings file names more than %1 friends; the first %1 "
                                   "are loaded.")
                                   .arg(FriendList::MaxFriends);
            break;
        }
        const QString dateText = ReadPersonal(BDayReadKey(i), DefaultDateText);
        bool dateRepaired = false;
        const QDate birth = ReadStoredDate(dateText, &dateRepaired);
        if (dateRepaired)
            stored.problems << QStringLiteral("The birth date \"%1\" of %2 was read as %3.")
                                   .arg(dateText, name, cal::FormatShortDate(birth));
        stored.friends.push_back({name, cal::TrioOf(birth)});
    }
    stored.examinedThrough = i - 1;
    if (scan && (!countText.isEmpty() || !stored.friends.empty())) {
        // What lies past the first missing name was not read; keep it safe.
        std::int64_t unloaded = 0;
        for (const std::int64_t n : numbers)
            if (n > stored.examinedThrough && (unloaded == 0 || n < unloaded)) unloaded = n;
        stored.unloadedFrom =
            static_cast<std::int32_t>(std::min<std::int64_t>(unloaded, INT32_MAX));
        const QString what = hasCount ? QStringLiteral("is \"%1\", not a whole number from 0 to %2")
                                            .arg(countText)
                                            .arg(MaxStoredCount)
                                      : QStringLiteral("is missing");
        stored.problems << QStringLiteral("\"No. of Friends\" %1; %2 friends were found by name%3.")
                               .arg(what)
                               .arg(stored.friends.size())
                               .arg(stored.unloadedFrom > 0
                                        ? QStringLiteral(", and the entries from number %1 on "
                                                         "are left as they are")
                                              .arg(stored.unloadedFrom)
                                        : QString());
    }
    return stored;
}

std::vector<ProfileWrite> OptionWrites(const Options& options) {
    std::vector<ProfileWrite> writes;
    for (int i = 0; i < OptionCount; ++i)
        writes.push_back({OptionsSection, QString::fromLatin1(OptionKeys[i].key),
                          options[i] ? QStringLiteral("True") : QStringLiteral("False")});
    return writes;
}

SettingsStore::SettingsStore(QString path, QDateTime started)
    : m_path(std::move(path)), m_started(std::move(started)) {}

StoredSettings SettingsStore::Load() {
    RemoveStaleTemporaries();
    ProfileDocument document;
    QString readError;
    StoredSettings stored;
    if (!::LoadProfile(m_path, &document, &readError)) {
        m_blocked = QStringLiteral("it could not be read when Ondulix started (%1), so Ondulix "
                                   "does not overwrite it")
                        .arg(readError);
        stored.problems << QStringLiteral("The settings file %1 could not be read (%2); Ondulix "
                                          "starts with its defaults and will not overwrite it.")
                               .arg(QDir::toNativeSeparators(m_path), readError);
    }
    const SettingsReader reader(std::move(document));
    stored.personal = reader.ReadPersonalSection();
    stored.options = reader.ReadOptions();
    stored.problems << stored.personal.problems;
    m_unloadedFrom = stored.personal.unloadedFrom;
    m_knownThrough = stored.personal.examinedThrough;
    return stored;
}

QString SettingsStore::Write(const std::vector<ProfileWrite>& writes) {
    if (!m_blocked.isEmpty()) return m_blocked;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return ::WriteProfile(m_path, writes);
}

std::vector<ProfileWrite> SettingsStore::PersonalSectionWrites(const FriendList& friends) const {
    std::vector<ProfileWrite> writes = friends.PersonalWrites();
    // Friends past the new count that this program had in the file: a
    // removed friend leaves nothing behind.
    for (std::int32_t i = friends.FriendCount + 1; i <= m_knownThrough; ++i) {
        writes.push_back({PersonalSection, NameKey(i), QString(), true});
        writes.push_back({PersonalSection, BdayKey(i), QString(), true});
    }
    return writes;
}

QString SettingsStore::SavePersonal(const FriendList& friends) {
    if (m_unloadedFrom > 0 && friends.FriendCount >= m_unloadedFrom)
        return QStringLiteral("saving %1 friends would write over entry %2 and later ones, which "
                              "Ondulix could not read; repair \"No. of Friends\" in the file "
                              "first")
            .arg(friends.FriendCount)
            .arg(m_unloadedFrom);
    const QString error = Write(PersonalSectionWrites(friends));
    if (error.isEmpty()) m_knownThrough = friends.FriendCount;
    return error;
}

QString SettingsStore::SaveOptions(const Options& options) {
    return Write(OptionWrites(options));
}

QString SettingsStore::SaveAllTo(const QString& path, const FriendList& friends,
                                 const Options& options) {
    std::vector<ProfileWrite> writes = friends.PersonalWrites();
    const std::vector<ProfileWrite> more = OptionWrites(options);
    writes.insert(writes.end(), more.begin(), more.end());
    if (QFileInfo(path).canonicalFilePath() == QFileInfo(m_path).canonicalFilePath() &&
        !m_blocked.isEmpty())
        return m_blocked;
    return ::WriteProfile(path, writes);
}

void SettingsStore::RemoveStaleTemporaries() const {
    // An interrupted save leaves "Ondulix.ini.XXXXXX" beside the file it was
    // replacing (beside a link's target).
    const QFileInfo info(QFileInfo(m_path).isSymLink() ? QFileInfo(m_path).symLinkTarget()
                                                       : m_path);
    const QString prefix = info.fileName() + u'.';
    const QDir folder = info.absoluteDir();
    for (const QFileInfo& candidate :
         folder.entryInfoList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden)) {
        const QString suffix = candidate.fileName().mid(prefix.size());
        const bool ours = std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        });
        if (ours && !candidate.isSymLink() && candidate.lastModified() < m_started)
            QFile::remove(candidate.absoluteFilePath());
    }
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
