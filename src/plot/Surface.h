#pragma once

#include "plot/Color.h"

#include <QString>

// The drawing surface the plotting toolkit draws on. Coordinates are device
// units (twips in this program), x to the right, y downward; the surface keeps
// a current position and a text font and colour of its own.
class Surface {
public:
    // Bits of the `Line` flags.
    enum LineFlag : int {
        HasColor = 2,  // the colour argument is used (otherwise ForeColor)
        HasStart = 4,  // (x1, y1) is the start; otherwise the current position
        Box = 16,      // rectangle outline with corners (x1, y1), (x2, y2)
        BoxFilled = 32 // rectangle filled and edged in the colour
    };

    virtual ~Surface() = default;

    // Clears the whole surface to its background colour; the current position becomes (0, 0).
    virtual void Cls() = 0;

    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;

    // A line or rectangle in device units; afterwards the current position is (x2, y2).
    virtual void Line(int flags, double x1, double y1, double x2, double y2, Color color) = 0;

    // Text with its top-left corner at the current position, glyphs only, in
    // the surface's font and ForeColor. The current position is left as it was.
    virtual void Print(const QString& text) = 0;

    virtual QString FontName() const = 0;
    virtual double FontSize() const = 0;
    virtual bool FontBold() const = 0;
    virtual bool FontItalic() const = 0;
    virtual Color ForeColor() const = 0;
    virtual void SetFontName(const QString& name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual void SetFontItalic(bool italic) = 0;
    virtual void SetForeColor(Color color) = 0;
};
