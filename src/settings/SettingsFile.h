#pragma once

#include "people/FriendList.h"
#include "people/Names.h"
#include "settings/PrivateProfile.h"
#include "settings/SettingsKeys.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// The program's settings file: the own birth date and the friends in section
// "PERSONAL", the start-up cycle choice in "ONDULIX OPTIONS".
namespace settings {

// "c:\Ondulix.ini" on Windows; elsewhere Ondulix.ini in the user's
// configuration folder.
QString DefaultIniPath();
// The program's own folder beside the settings file (beside a link's
// target), for what must not lie where other users can reach it.
QString PrivateFolderBeside(const QString& iniPath);

// A stored date text read as a date in the pickers' range. A text that is
// not a date reads as 1 January 1960. `repaired` tells whether either
// fix was needed.
QDate ReadStoredDate(const QString& text, bool* repaired = nullptr);

// What start-up reads from the file.
struct StoredPersonal {
    QDate ownBirth;
    bool ownBirthGiven = false;          // the file has the key: else ownBirth is the default
    std::vector<people::Friend> friends; // at most people::FriendList::MaxFriends
    QStringList problems;                // what had to be repaired or left out, for the user
    // Numbers of the friend keys in the file that a save may write or delete:
    // all of them but those of the friends past MaxFriends, which stay as
    // they are.
    std::vector<std::int32_t> numbers;
    std::int32_t hidden = 0; // friends past MaxFriends
    // Names longer than a value can be read, as read and whole, in list order.
    std::vector<std::pair<QString, QString>> longNames;
};

// Reads values the way the classic private-profile calls hand them over.
class SettingsReader {
public:
    explicit SettingsReader(ProfileDocument document) : m_document(std::move(document)) {}

    // One value of "PERSONAL": at most 80 characters, NULs removed, trimmed.
    QString ReadPersonal(const QString& key, const QString& fallback) const;
    // One option of "ONDULIX OPTIONS": true when its first four characters are "True".
    bool ReadOption(const QString& key, const QString& fallback) const;

    // The own birth date and the friends, renumbered without gaps.
    StoredPersonal ReadPersonalSection() const;
    // Every option of OptionKeys, missing ones at their defaults.
    Options ReadOptions() const;
    Language ReadLanguage() const;

private:
    ProfileDocument m_document;
};

// The writes of section "PERSONAL": own birth date, friend count, then each
// friend's name and date.
std::vector<ProfileWrite> PersonalWrites(const people::FriendList& friends);
// The writes of the options, "True" or "False" each, in OptionKeys order.
std::vector<ProfileWrite> OptionWrites(const Options& options);
// The write of the language: its key removed for the original.
ProfileWrite LanguageWrite(Language language);

struct StoredSettings {
    bool firstStart = false; // there was no file
    StoredPersonal personal;
    Options options{};
    Language language = Language::Original;
    QStringList problems; // the file's own and personal.problems, for the user
};

// The settings file at one path: loaded once at start-up, saved a section at
// a time. Every failure comes back as a sentence for the user.
//
// It keeps what it knows of the file: a file it could not read is never
// written; friends the list cannot show are never written over; names cut
// on reading are written back whole; and friend keys it had in the file and
// no longer needs are deleted.
class SettingsStore {
public:
    // `started`: when this copy of the program started; its own temporary
    // files of an interrupted save older than that are removed at loading.
    explicit SettingsStore(QString path, QDateTime started = QDateTime::currentDateTime());

    const QString& Path() const { return m_path; }

    // A missing file gives the defaults; an unreadable one gives the defaults
    // and a problem, and is not written afterwards. Nor is a file that
    // another user owns, or that lies in another user's folder: root on a
    // user's file included.
    StoredSettings Load();

    // Each returns an empty string on success, else the reason.
    QString SavePersonal(const people::FriendList& friends);
    QString SaveOptions(const Options& options);
    QString SaveLanguage(Language language);
    // Both sections into another file, for a file that cannot be written.
    QString SaveAllTo(const QString& path, const people::FriendList& friends,
                      const Options& options, Language language = Language::Original);
    // `friends` with each name the file holds longer than a value can be
    // read put back whole: what exports carry and imports match against.
    people::FriendList WithWholeNames(people::FriendList friends) const;
    // Nothing is written to the file in this session, for `reason`; the user
    // is told at Load. The first reason given stays.
    void Block(const QString& reason);
    // Why this file is not written in this session; empty when it is.
    const QString& Blocked() const { return m_blocked; }

    // What the user is told when a save fails while the program runs, and
    // when it fails at closing.
    QString SaveFailedMessage(const QString& reason) const;
    QString CloseFailedMessage(const QString& reason) const;

private:
    // Creates the configuration folder the first time.
    QString Write(const std::vector<ProfileWrite>& writes);
    // `tidy`: also delete the friend keys this file no longer needs.
    std::vector<ProfileWrite> PersonalSectionWrites(const people::FriendList& friends,
                                                    bool tidy) const;

    QString m_path;
    QDateTime m_started;
    QString m_blocked;
    std::vector<std::int32_t> m_fileNumbers; // as StoredPersonal::numbers, kept up to date
    std::vector<std::pair<QString, QString>> m_longNames;
};

} // namespace settings
