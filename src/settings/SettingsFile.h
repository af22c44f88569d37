#pragma once

#include "settings/PrivateProfile.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

// The program's settings file: the own birth date and the friends in section
// "PERSONAL", the start-up cycle choice in "ONDULIX OPTIONS".
namespace settings {

inline const QString PersonalSection = QStringLiteral("PERSONAL");
inline const QString OptionsSection = QStringLiteral("ONDULIX OPTIONS");
inline const QString DefaultDateText = QStringLiteral("1-Jan-1960");
inline constexpr std::int32_t MaxFriends = 999;

// "c:\Ondulix.ini" on Windows; elsewhere Ondulix.ini in the user's
// configuration folder.
QString DefaultIniPath();

// Friend number i as the keys write it: at least three digits ("001").
QString FriendNumber(std::int32_t i);

// A date as the pickers and the friend entries hold it.
struct DateTrio {
    QString day;   // "7"
    QString month; // "January"
    QString year;  // "1960"
    friend bool operator==(const DateTrio&, const DateTrio&) = default;
};

DateTrio TrioOf(QDate date);
// "7-Jan-1960": day, first three letters of the month, year.
QString DateText(const DateTrio& trio);

// The date in the pickers' year range 1901..2040: the nearest year of the
// range, with the day stepped down where that month is shorter.
QDate ClampToPickerYears(QDate date);

// A stored date text read as a date in the pickers' range. A text that is
// not a date reads as 1 January 1960. `repaired` tells whether either
// fix was needed.
QDate ReadStoredDate(const QString& text, bool* repaired = nullptr);

struct Friend {
    QString name;
    DateTrio birth;
};

// What start-up reads from the file.
struct StoredPersonal {
    QDate ownBirth;
    std::vector<Friend> friends; // at most MaxFriends
    QStringList problems;        // what had to be repaired or left out, for the user
};

class SettingsReader {
public:
    explicit SettingsReader(ProfileDocument document) : m_document(std::move(document)) {}

    // One value of "PERSONAL": at most 80 characters, NULs removed, trimmed.
    QString ReadPersonal(const QString& key, const QString& fallback) const;
    // One option of "ONDULIX OPTIONS": true when its first four characters are "True".
    bool ReadOption(const QString& key, const QString& fallback) const;

    // The own birth date and the friends, renumbered without gaps.
    StoredPersonal ReadPersonalSection() const;

private:
    ProfileDocument m_document;
};

// The writes of section "PERSONAL": own birth date, friend count, then each
// friend's name and date. `entries[0]` is the own entry.
std::vector<ProfileWrite> PersonalWrites(const std::vector<Friend>& entries);

// The writes of the four cycle options, "True" or "False" each.
std::vector<ProfileWrite> OptionWrites(bool physical, bool emotional, bool intellectual,
                                       bool intuitive);

} // namespace settings
