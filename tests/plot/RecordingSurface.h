#pragma once

#include "plot/Surface.h"

#include <QPointF>
#include <QString>
#include <vector>

// One drawing call made on a RecordingSurface, with its exact arguments.
struct SurfaceCall {
    enum class Op { Cls, Line, Print };

    Op op = Op::Cls;
    int flags = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Print: at (x1, y1)
    Color color = 0;                       // Print: the surface's ForeColor
    QString text{}, font{};                // Print: the text and "face size[ bold][ italic]"

    QString ToString() const {
        auto num = [](double v) { return QString::number(v, 'g', 17); };
        const QString hex = QStringLiteral("#%1").arg(color, 6, 16, QLatin1Char('0'));
        if (op == Op::Line)
            return QStringLiteral("Line %1 (%2, %3)-(%4, %5) %6")
                .arg(QString::number(flags), num(x1), num(y1), num(x2), num(y2), hex);
        if (op == Op::Print)
            return QStringLiteral("Print \"%1\" at (%2, %3) %4 %5")
                .arg(text, num(x1), num(y1), font, hex);
        return QStringLiteral("Cls");
    }
};

// A Surface that draws nothing and records its drawing calls, for tests of the drawing code.
class RecordingSurface final : public Surface {
public:
    void Cls() override {
        m_calls.push_back({});
        m_at = {};
    }
    double CurrentX() const override { return m_at.x(); }
    double CurrentY() const override { return m_at.y(); }
    void SetCurrentX(double x) override { m_at.setX(x); }
    void SetCurrentY(double y) override { m_at.setY(y); }
    void Line(int flags, double x1, double y1, double x2, double y2, Color color) override {
        m_calls.push_back({SurfaceCall::Op::Line, flags, x1, y1, x2, y2, color});
        m_at = {x2, y2};
    }
    void Print(const QString& text) override {
        const QString font = m_fontName + ' ' + QString::number(m_fontSize) +
                             (m_bold ? " bold" : "") + (m_italic ? " italic" : "");
        m_calls.push_back(
            {SurfaceCall::Op::Print, 0, m_at.x(), m_at.y(), 0, 0, m_foreColor, text, font});
    }

    QString FontName() const override { return m_fontName; }
    double FontSize() const override { return m_fontSize; }
    bool FontBold() const override { return m_bold; }
    bool FontItalic() const override { return m_italic; }
    Color ForeColor() const override { return m_foreColor; }
    void SetFontName(const QString& name) override { m_fontName = name; }
    void SetFontSize(double points) override { m_fontSize = points; }
    void SetFontBold(bool bold) override { m_bold = bold; }
    void SetFontItalic(bool italic) override { m_italic = italic; }
    void SetForeColor(Color color) override { m_foreColor = color; }

    // Cls, Line and Print, in call order; Drawing() is a copy of them.
    const std::vector<SurfaceCall>& Calls() const { return m_calls; }
    std::vector<SurfaceCall> Drawing() const { return m_calls; }
    void Clear() { m_calls.clear(); }

private:
    std::vector<SurfaceCall> m_calls;
    QPointF m_at; // the current position
    QString m_fontName = QStringLiteral("MS Sans Serif");
    double m_fontSize = 8.25;
    bool m_bold = false, m_italic = false;
    Color m_foreColor = 0;
};
