#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The sections and keys of the settings file.
namespace settings {

inline const QString PersonalSection = QStringLiteral("PERSONAL");
inline const QString OptionsSection = QStringLiteral("ONDULIX OPTIONS");

inline const QString OwnBirthKey = QStringLiteral("My Birthdate");
inline const QString FriendCountKey = QStringLiteral("No. of Friends");
inline const QString DefaultDateText = QStringLiteral("1-Jan-1960");

// Friend number i as the keys write it: at least three digits ("001").
inline QString FriendNumber(std::int32_t i) {
    return QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
}
inline QString NameKey(std::int32_t i) {
    return QStringLiteral("Name") + FriendNumber(i);
}
// Read as "BDay", written as "Bday": keys match in any letter case.
inline QString BDayReadKey(std::int32_t i) {
    return QStringLiteral("BDay") + FriendNumber(i);
}
inline QString BdayKey(std::int32_t i) {
    return QStringLiteral("Bday") + FriendNumber(i);
}

// The options of "ONDULIX OPTIONS", in the order they are written, each
// "True" or "False".
enum Option : int { Physical, Emotional, Intellectual, Intuitive, OptionCount };
struct OptionKey {
    const char* key;
    const char* fallback; // read when the key is missing
};
inline constexpr std::array<OptionKey, OptionCount> OptionKeys{{
    {"Physical", "True"},
    {"Emotional", "True"},
    {"Intellectual", "True"},
    {"Intuitive", "False"},
}};
using Options = std::array<bool, OptionCount>;

} // namespace settings
