#include "settings/SettingsFile.h"

#include "util/Calendar.h"
#include "util/RuntimeError.h"
#include "util/SaveWhole.h"
#include "util/Words.h"
#include "util/modStrUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <climits>
#include <numeric>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString PrivateFolderBeside(const QString& iniPath) {
    const QString target = WriteTarget(iniPath);
    return QFileInfo(target.isEmpty() ? iniPath : target).absolutePath() +
           QStringLiteral("/.ondulix");
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

Language SettingsReader::ReadLanguage() const {
    const QString code = m_document.ReadString(OptionsSection, LanguageKey, {}, OptionBuffer);
    return code == QLatin1String("id")   ? Language::Indonesian
           : code == QLatin1String("en") ? Language::English
                                         : Language::Original;
}

namespace {

// "0".."999999": a count as this program writes it; -1 for anything else.
std::int32_t StoredCount(const QString& text) {
    if (text.isEmpty() || text.size() > 6) return -1;
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return -1;
    return text.toInt();
}

// The number of a key spelled as NameKey or BDayReadKey spell it (any letter
// case), 0 for any other key. `isName` tells which of the two.
std::int32_t FriendKeyNumber(const QString& key, bool* isName) {
    *isName = key.startsWith(QLatin1String("name"), Qt::CaseInsensitive);
    if (!*isName && !key.startsWith(QLatin1String("bday"), Qt::CaseInsensitive)) return 0;
    const QString digits = key.mid(4);
    bool ok = digits.size() <= 10;
    for (const QChar c : digits)
        ok = ok && c >= u'0' && c <= u'9';
    const qint64 n = ok ? digits.toLongLong(&ok) : 0;
    if (!ok || n < 1 || n > INT32_MAX) return 0;
    return FriendNumber(static_cast<std::int32_t>(n)) == digits ? static_cast<std::int32_t>(n) : 0;
}

QString Plural(qsizetype n, const char* one, const char* many) {
    return QString::number(n) + u' ' + QLatin1String(n == 1 ? one : many);
}

} // namespace

StoredPersonal SettingsReader::ReadPersonalSection() const {
    StoredPersonal stored;
    const QString own = ReadPersonal(OwnBirthKey, DefaultDateText);
    stored.ownBirthGiven = m_document.HasKey(PersonalSection, OwnBirthKey);
    bool repaired = false;
    stored.ownBirth = ReadStoredDate(own, &repaired);
    if (repaired)
        stored.problems << words::Tr(QT_TRANSLATE_NOOP(
                                         "Ondulix", "Your own birth date \"%1\" was read as %2."))
                               .arg(own, cal::FormatShortDate(stored.ownBirth));

    // Every name the file holds is a friend the user has, whatever the count
    // says: a count that is damaged, or too small, must not hide anyone.
    const bool hasCount = m_document.HasKey(PersonalSection, FriendCountKey);
    const QString countText = ReadPersonal(FriendCountKey, QStringLiteral("0"));
    const std::int32_t count = StoredCount(countText);
    std::vector<std::int32_t> names;
    for (const QString& key : m_document.Keys(PersonalSection)) {
        bool isName = false;
        if (const std::int32_t n = FriendKeyNumber(key, &isName); n > 0) {
            stored.numbers.push_back(n);
            if (isName) names.push_back(n);
        }
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());

    std::int32_t firstHidden = 0;
    qsizetype pastCount = 0;
    QSet<QString> loaded;
    for (const std::int32_t i : names) {
        const QString name = ReadPersonal(NameKey(i), QString());
        if (name.isEmpty()) continue;
        if (stored.friends.size() == people::FriendList::MaxFriends) {
            if (firstHidden == 0) firstHidden = i;
            ++stored.hidden;
            continue;
        }
        const QString dateText = ReadPersonal(BDayReadKey(i), DefaultDateText);
        bool dateRepaired = false;
        const QDate birth = ReadStoredDate(dateText, &dateRepaired);
        const cal::DateTrio trio = cal::TrioOf(birth);
        const QString same = name + u'\n' + cal::StoredDateText(trio);
        // Past the count, a copy of a friend already read is what an older
        // removal left behind, not a second friend.
        const bool past = count >= 0 && i > count;
        if (past && loaded.contains(same)) continue;
        loaded.insert(same);
        if (past) ++pastCount;
        if (dateRepaired)
            stored.problems << words::Tr(
                                   QT_TRANSLATE_NOOP("Ondulix",
                                                     "The birth date \"%1\" of %2 was read as %3."))
                                   .arg(dateText, name, cal::FormatShortDate(birth));
        stored.friends.push_back({name, trio});
        const QString whole = modStrUtil::TrimBlanks(modStrUtil::ReplaceAll(
            m_document.ReadString(PersonalSection, NameKey(i), QString(), MaxProfileBytes),
            QString(QChar(0)), QString()));
        if (whole != name) stored.longNames.emplace_back(name, whole);
    }
    if (firstHidden > 0)
        stored.numbers.erase(std::remove_if(stored.numbers.begin(), stored.numbers.end(),
                                            [=](std::int32_t n) { return n >= firstHidden; }),
                             stored.numbers.end());

    const QString found = Plural(static_cast<qsizetype>(stored.friends.size()),
                                 "friend was found by name", "friends were found by name");
    if (count < 0 && (!countText.isEmpty() || !stored.friends.empty())) {
        const QString what =
            hasCount ? words::Tr(QT_TRANSLATE_NOOP("Ondulix",
                                                   "is \"%1\", not a whole number from 0 to %2"))
                           .arg(countText)
                           .arg(MaxStoredCount)
                     : words::Tr(QT_TRANSLATE_NOOP("Ondulix", "is missing"));
        stored.problems << words::Tr(QT_TRANSLATE_NOOP("Ondulix", "\"No. of Friends\" %1; %2."))
                               .arg(what, found);
    } else if (pastCount > 0) {
        stored.problems << words::Tr(QT_TRANSLATE_NOOP(
                                         "Ondulix",
                                         "\"No. of Friends\" says %1, but the settings file names "
                                         "%2; they are in the list too."))
                               .arg(count)
                               .arg(Plural(pastCount, "more friend", "more friends"));
    }
    if (stored.hidden > 0)
        stored.problems << words::Tr(QT_TRANSLATE_NOOP(
                                         "Ondulix",
                                         "The settings file holds %1 friends, more than the %2 "
                                         "the list can show; the other %3 stay in the file as "
                                         "they are."))
                               .arg(stored.friends.size() + stored.hidden)
                               .arg(people::FriendList::MaxFriends)
                               .arg(stored.hidden);
    return stored;
}

std::vector<ProfileWrite> PersonalWrites(const people::FriendList& friends) {
    std::vector<ProfileWrite> writes;
    writes.reserve(2 * static_cast<std::size_t>(friends.FriendCount) + 2);
    writes.push_back({PersonalSection, OwnBirthKey, cal::StoredDateText(friends.Entry(0).birth)});
    writes.push_back({PersonalSection, FriendCountKey, QString::number(friends.FriendCount)});
    for (std::int32_t i = 1; i <= friends.FriendCount; ++i) {
        writes.push_back({PersonalSection, NameKey(i), friends.FriendName[i]});
        writes.push_back(
            {PersonalSection, BdayKey(i), cal::StoredDateText(friends.Entry(i).birth)});
    }
    return writes;
}

std::vector<ProfileWrite> OptionWrites(const Options& options) {
    std::vector<ProfileWrite> writes;
    for (int i = 0; i < OptionCount; ++i) {
        const QString value = options[i] ? QStringLiteral("True") : QStringLiteral("False");
        writes.push_back({OptionsSection, QString::fromLatin1(OptionKeys[i].key), value,
                          i >= FirstAddedOption && value == QLatin1String(OptionKeys[i].fallback)});
    }
    return writes;
}

ProfileWrite LanguageWrite(Language language) {
    return {OptionsSection, LanguageKey,
            language == Language::English ? QStringLiteral("en") : QStringLiteral("id"),
            language == Language::Original};
}

SettingsStore::SettingsStore(QString path, QDateTime started)
    : m_path(std::move(path)), m_started(std::move(started)) {}

namespace {

QString OwnerName(uid_t uid) {
    const passwd* pw = ::getpwuid(uid);
    return pw ? QString::fromLocal8Bit(pw->pw_name) : QString::number(uid);
}

// Why a file or folder that another user owns is not written: root on a
// user's file would take it from them, and another user's folder can be
// changed under the save.
QString ForeignOwner(const QString& path) {
    QString refusal;
    const QString target = WriteTarget(path, &refusal);
    if (target.isEmpty()) return refusal;
    const QString folder = QFileInfo(target).absolutePath();
    for (const auto& [what, at] :
         {std::pair(QStringLiteral("it"), target),
          std::pair(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "the folder that holds it")), folder)}) {
        struct stat st {};
        if (::stat(QFile::encodeName(at).constData(), &st) == 0 && st.st_uid != ::geteuid())
            return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 belongs to another user (%2)"))
                .arg(what, OwnerName(st.st_uid));
    }
    return QString();
}

} // namespace

void SettingsStore::Block(const QString& reason) {
    if (m_blocked.isEmpty()) m_blocked = reason;
}

StoredSettings SettingsStore::Load() {
    Block(ForeignOwner(m_path));
    if (m_blocked.isEmpty()) RemoveInterruptedSaves(m_path, m_started);
    ProfileDocument document;
    QString readError;
    StoredSettings stored;
    stored.firstStart = !QFileInfo::exists(m_path);
    if (!::LoadProfile(m_path, &document, &readError)) {
        m_blocked =
            words::Tr(QT_TRANSLATE_NOOP(
                          "Ondulix", "it could not be read when Ondulix started (%1), so Ondulix "
                                     "does not overwrite it"))
                .arg(readError);
        stored.problems << words::Tr(QT_TRANSLATE_NOOP(
                                         "Ondulix",
                                         "The settings file %1 could not be read (%2); Ondulix "
                                         "starts with its defaults and will not overwrite it."))
                               .arg(QDir::toNativeSeparators(m_path), readError);
    } else if (!m_blocked.isEmpty()) {
        stored.problems << words::Tr(QT_TRANSLATE_NOOP(
                                         "Ondulix",
                                         "Ondulix does not write the settings file %1 while it "
                                         "runs: %2. Your changes are kept until you close it; "
                                         "then you can save them elsewhere."))
                               .arg(QDir::toNativeSeparators(m_path), m_blocked);
    }
    const SettingsReader reader(std::move(document));
    stored.personal = reader.ReadPersonalSection();
    stored.options = reader.ReadOptions();
    stored.language = reader.ReadLanguage();
    stored.problems << stored.personal.problems;
    m_fileNumbers = stored.personal.numbers;
    m_longNames = stored.personal.longNames;
    return stored;
}

QString SettingsStore::Write(const std::vector<ProfileWrite>& writes) {
    if (!m_blocked.isEmpty()) return m_blocked;
    // The first start makes the folder, a link's target folder too.
    const QString target = WriteTarget(m_path);
    QDir().mkpath(QFileInfo(target.isEmpty() ? m_path : target).absolutePath());
    return ::WriteProfile(m_path, writes);
}

people::FriendList SettingsStore::WithWholeNames(people::FriendList friends) const {
    // A name cut on reading is the whole one: names only shorten when the
    // user changes them.
    std::vector<bool> used(m_longNames.size());
    for (std::int32_t i = 1; i <= friends.FriendCount; ++i) {
        for (std::size_t j = 0; j < m_longNames.size(); ++j) {
            if (used[j] || m_longNames[j].first != friends.FriendName[i]) continue;
            friends.FriendName[i] = m_longNames[j].second;
            used[j] = true;
            break;
        }
    }
    return friends;
}

std::vector<ProfileWrite> SettingsStore::PersonalSectionWrites(const people::FriendList& friends,
                                                               bool tidy) const {
    std::vector<ProfileWrite> writes = PersonalWrites(WithWholeNames(friends));
    if (!tidy) return writes;
    // Friend keys past the new count: a removed friend leaves nothing behind.
    // Friends the list could not show are not among them.
    for (const std::int32_t n : m_fileNumbers) {
        if (n <= friends.FriendCount) continue;
        writes.push_back({PersonalSection, NameKey(n), QString(), true});
        writes.push_back({PersonalSection, BdayKey(n), QString(), true});
    }
    return writes;
}

QString SettingsStore::SavePersonal(const people::FriendList& friends) {
    const QString error = Write(PersonalSectionWrites(friends, true));
    if (error.isEmpty()) {
        m_fileNumbers.resize(friends.FriendCount);
        std::iota(m_fileNumbers.begin(), m_fileNumbers.end(), 1);
    }
    return error;
}

QString SettingsStore::SaveOptions(const Options& options) {
    return Write(OptionWrites(options));
}

QString SettingsStore::SaveLanguage(Language language) {
    return Write({LanguageWrite(language)});
}

QString SettingsStore::SaveAllTo(const QString& path, const people::FriendList& friends,
                                 const Options& options, Language language) {
    std::vector<ProfileWrite> writes = PersonalSectionWrites(friends, false);
    const std::vector<ProfileWrite> more = OptionWrites(options);
    writes.insert(writes.end(), more.begin(), more.end());
    writes.push_back(LanguageWrite(language));
    // The blocked file itself, by whatever path (a file not there yet too).
    const QString target = WriteTarget(path);
    if (!m_blocked.isEmpty() && !target.isEmpty() && target == WriteTarget(m_path))
        return m_blocked;
    return ::WriteProfile(path, writes);
}

QString SettingsStore::SaveFailedMessage(const QString& reason) const {
    return words::Tr(QT_TRANSLATE_NOOP(
                         "Ondulix",
                         "Ondulix could not save to %1: %2.\n\nThe change is kept while Ondulix "
                         "runs; it will try again when it closes."))
        .arg(QDir::toNativeSeparators(m_path), reason);
}

QString SettingsStore::CloseFailedMessage(const QString& reason) const {
    return words::Tr(QT_TRANSLATE_NOOP(
                         "Ondulix",
                         "Ondulix could not save your birth dates and friends to %1: %2.\n\n%3, "
                         "close without saving, or cancel to keep Ondulix open?"))
        .arg(QDir::toNativeSeparators(m_path), reason,
             m_blocked.isEmpty() ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Retry"))
                                 : words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Save elsewhere")));
}

} // namespace settings
