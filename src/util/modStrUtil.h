#pragma once

#include <QString>
#include <cstdint>

// Text functions for names and settings values. Texts are UTF-16; the only
// word separator is the blank (character 32); positions are 1-based.
namespace modStrUtil {

// Trimmed; each word (eachWord) or the whole text (otherwise) gets an
// upper-case first character and a lower-case rest. Words come out joined
// by single blanks.
QString ProperCase(const QString& text, bool eachWord);

// The text as one line, as a name box holds it: line breaks and tabs become
// blanks, other control characters, the direction controls and byte order
// marks go.
QString OneLine(const QString& text);

// Leading and trailing blanks removed; tabs and other spaces stay.
QString TrimBlanks(const QString& text);

// Trimmed, each run of blanks reduced to one.
QString SquashBlanks(const QString& text);

// `count` words from word number `first`, separated by single blanks; fewer
// when the text runs out, empty when `first` is past the last word.
QString GetWords(const QString& text, std::int32_t first, std::int32_t count);

// Characters `from` to `to`, both included; empty unless 1 <= from <= to.
QString MidFromTo(const QString& text, std::int32_t from, std::int32_t to);

// Every occurrence of `find`, left to right and not overlapping, replaced.
QString ReplaceAll(const QString& text, const QString& find, const QString& replacement);

} // namespace modStrUtil
