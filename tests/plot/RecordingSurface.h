#pragma once

#include "plot/Surface.h"

#include <QString>
#include <vector>

// One call made on a RecordingSurface, with its exact arguments.
struct SurfaceCall {
    enum class Op {
        Cls,
        Line,
        Print,
        GetCurrentX,
        GetCurrentY,
        SetCurrentX,
        SetCurrentY,
        GetFontName,
        GetFontSize,
        GetFontBold,
        GetFontItalic,
        GetForeColor,
        SetFontName,
        SetFontSize,
        SetFontBold,
        SetFontItalic,
        SetForeColor,
    };

    Op op = Op::Cls;
    int flags = 0;                         // Line
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Line; Print and SetCurrent* use x1, y1
    Color color = 0;                       // Line, SetForeColor; Print: ForeColor
    QString text;                          // Print; SetFontName
    QString fontName;                      // Print: the surface's font at that moment
    double number = 0;                     // SetFontSize; Print: font size
    bool flag = false;                     // SetFontBold, SetFontItalic; Print: bold
    bool italic = false;                   // Print

    bool IsDrawing() const { return op == Op::Cls || op == Op::Line || op == Op::Print; }
    QString ToString() const;
};

// A Surface that draws nothing and records every call with its exact
// arguments, reads included, for tests of the drawing code.
class RecordingSurface final : public Surface {
public:
    void Cls() override;
    double CurrentX() const override;
    double CurrentY() const override;
    void SetCurrentX(double x) override;
    void SetCurrentY(double y) override;
    void Line(int flags, double x1, double y1, double x2, double y2, Color color) override;
    void Print(const QString& text) override;

    QString FontName() const override;
    double FontSize() const override;
    bool FontBold() const override;
    bool FontItalic() const override;
    Color ForeColor() const override;
    void SetFontName(const QString& name) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    void SetFontItalic(bool italic) override;
    void SetForeColor(Color color) override;

    const std::vector<SurfaceCall>& Calls() const { return m_calls; }
    // Only Cls, Line and Print, in order.
    std::vector<SurfaceCall> Drawing() const;
    void Clear() { m_calls.clear(); }

private:
    SurfaceCall& Record(SurfaceCall::Op op) const;

    mutable std::vector<SurfaceCall> m_calls;
    double m_x = 0, m_y = 0;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    double m_fontSize = 8.25;
    bool m_bold = false;
    bool m_italic = false;
    Color m_foreColor = 0;
};
