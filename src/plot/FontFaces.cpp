#include "plot/FontFaces.h"

QString ResolveFontFace(const QString& name) {
    struct Substitute {
        const char* windows;
        const char* debian;
    };
    static constexpr Substitute substitutes[] = {
        {"small fonts", "Liberation Sans Narrow"},
        {"ms sans serif", "Liberation Sans"},
        {"courier new", "Liberation Mono"},
        {"verdana", "DejaVu Sans"},
    };
    for (const auto& s : substitutes) {
        if (name.compare(QLatin1String(s.windows), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(s.debian);
    }
    return name;
}
