#pragma once

#include <QColor>
#include <cstdint>

// A 24-bit colour packed as 0x00BBGGRR.
using Color = std::uint32_t;

constexpr Color RGB(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}

// Entries 0..15 of the standard 16-colour console palette.
Color QBColor(int index);

constexpr int RedOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int BlueOf(Color c) {
    return static_cast<int>(c >> 16 & 0xFF);
}

inline QColor ToQColor(Color c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
