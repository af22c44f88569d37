#pragma once

#include <QString>

// Names as the list holds them, and as the window shows them.
namespace people {

// The most characters a name has: the name box takes no more.
inline constexpr int MaxNameLength = 24;

// A name as the list can hold it: one line (modStrUtil::OneLine), blanks
// squashed, at most MaxNameLength characters; its capitals as written.
QString CleanName(const QString& text);
// A typed name as the name box leaves it: CleanName, each word proper-cased.
QString TypedName(const QString& text);

// What tells two names apart in an import: not letter case, blanks, tabs,
// line breaks or controls.
QString MatchKey(const QString& name);

// The own entry as the window names it.
inline const QString OwnShownName = QStringLiteral("Anda");
// How the window names a listed person: "Anda" for the own entry.
QString ShownName(const QString& listedName);

} // namespace people
