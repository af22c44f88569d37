#pragma once

#include <QString>

// The Windows faces the program names ("small fonts", "MS Sans Serif",
// "Courier New", "Verdana") mapped to the nearest faces Debian ships.
// "small fonts" needs a narrow face: two-digit day numbers at 7 points must
// fit the 144-twip (9.6 px) day width, which DejaVu Sans does not.
QString ResolveFontFace(const QString& name);
