#pragma once

#include "plot/Surface.h"

#include <QString>
#include <vector>

// One call made on a RecordingSurface, with its exact arguments.
struct SurfaceCall {
    // Read is any getter; Set is any font or colour setter.
    enum class Op { Cls, Line, Print, SetCurrentX, SetCurrentY, Read, Set };

    Op op = Op::Cls;
    int flags = 0;                         // Line
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Line; Print and SetCurrent* use x1, y1
    Color color = 0;                       // Line; Print: ForeColor
    QString text{}, fontName{};            // Print: the text and the surface's font,
    double number = 0;                     // its size,
    bool flag = false, italic = false;     // bold and italic

    QString ToString() const; // of Cls, Line and Print
};

// A Surface that draws nothing and records every call with its exact
// arguments, reads included, for tests of the drawing code.
class RecordingSurface final : public Surface {
    using Op = SurfaceCall::Op;

public:
    void Cls() override { Add({.op = Op::Cls}), m_x = m_y = 0; }
    double CurrentX() const override { return Read(m_x); }
    double CurrentY() const override { return Read(m_y); }
    void SetCurrentX(double x) override { Add({.op = Op::SetCurrentX, .x1 = m_x = x}); }
    void SetCurrentY(double y) override { Add({.op = Op::SetCurrentY, .y1 = m_y = y}); }
    void Line(int flags, double x1, double y1, double x2, double y2, Color color) override {
        Add({Op::Line, flags, x1, y1, x2, y2, color}), m_x = x2, m_y = y2;
    }
    void Print(const QString& text) override;

    QString FontName() const override { return Read(m_fontName); }
    double FontSize() const override { return Read(m_fontSize); }
    bool FontBold() const override { return Read(m_bold); }
    bool FontItalic() const override { return Read(m_italic); }
    Color ForeColor() const override { return Read(m_foreColor); }
    void SetFontName(const QString& name) override { Set(m_fontName, name); }
    void SetFontSize(double points) override { Set(m_fontSize, points); }
    void SetFontBold(bool bold) override { Set(m_bold, bold); }
    void SetFontItalic(bool italic) override { Set(m_italic, italic); }
    void SetForeColor(Color color) override { Set(m_foreColor, color); }

    const std::vector<SurfaceCall>& Calls() const { return m_calls; }
    std::vector<SurfaceCall> Drawing() const; // only Cls, Line and Print, in order
    void Clear() { m_calls.clear(); }

private:
    void Add(const SurfaceCall& call) const { m_calls.push_back(call); }
    template <class T>
    T Read(const T& value) const {
        return Add({.op = Op::Read}), value;
    }
    template <class T>
    void Set(T& member, const T& value) {
        Add({.op = Op::Set}), member = value;
    }

    mutable std::vector<SurfaceCall> m_calls;
    double m_x = 0, m_y = 0;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    double m_fontSize = 8.25;
    bool m_bold = false, m_italic = false;
    Color m_foreColor = 0;
};
