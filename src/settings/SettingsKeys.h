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
// A "No. of Friends" is a whole number up to this; anything else is damage.
inline constexpr std::int32_t MaxStoredCount = 999999;

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
enum Option : int {
    Physical,
    Emotional,
    Intellectual,
    Intuitive,
    Passion,
    Wisdom,
    Mastery,
    Center,
    CriticalMarks, // from here on, written only when not at the fallback
    TrueMoon,
    OptionCount
};
// The first option a file of the original program never holds: kept out of
// the file while at its fallback, so the file stays byte for byte as it was.
inline constexpr int FirstAddedOption = CriticalMarks;
struct OptionKey {
    const char* key;
    const char* fallback; // read when the key is missing
};
inline constexpr std::array<OptionKey, OptionCount> OptionKeys{{
    {"Physical", "True"},
    {"Emotional", "True"},
    {"Intellectual", "True"},
    {"Intuitive", "False"},
    {"Passion", "False"},
    {"Wisdom", "False"},
    {"Mastery", "False"},
    {"Center", "False"},
    {"Critical Marks", "False"},
    {"True Moon", "False"},
}};
// The options that are the cycle menu's ticks; the others are boxes only.
inline constexpr int MenuOptionCount = Intuitive + 1;
using Options = std::array<bool, OptionCount>;

// The language of the program's words: the original captions, partly
// Indonesian and partly English, or all of one. Kept as "Language=id" or
// "Language=en" after the options, and not at all for the original; any
// other value is the original.
enum class Language { Original, Indonesian, English };
inline const QString LanguageKey = QStringLiteral("Language");

} // namespace settings
