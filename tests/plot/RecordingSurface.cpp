#include "RecordingSurface.h"

namespace {

QString Num(double v) {
    return QString::number(v, 'g', 17);
}

QString Bool(bool b) {
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

QString Hex(Color c) {
    return QStringLiteral("#%1").arg(c, 6, 16, QLatin1Char('0'));
}

} // namespace

QString SurfaceCall::ToString() const {
    using O = Op;
    switch (op) {
    case O::Cls:
        return QStringLiteral("Cls");
    case O::Line:
        return QStringLiteral("Line %1 (%2, %3)-(%4, %5) %6")
            .arg(flags)
            .arg(Num(x1), Num(y1), Num(x2), Num(y2), Hex(color));
    case O::Print:
        return QStringLiteral("Print \"%1\" at (%2, %3) %4 %5%6%7 %8")
            .arg(text, Num(x1), Num(y1), fontName, Num(number),
                 flag ? QStringLiteral(" bold") : QString(),
                 italic ? QStringLiteral(" italic") : QString(), Hex(color));
    case O::GetCurrentX:
        return QStringLiteral("CurrentX?");
    case O::GetCurrentY:
        return QStringLiteral("CurrentY?");
    case O::SetCurrentX:
        return QStringLiteral("CurrentX = %1").arg(Num(x1));
    case O::SetCurrentY:
        return QStringLiteral("CurrentY = %1").arg(Num(y1));
    case O::GetFontName:
        return QStringLiteral("FontName?");
    case O::GetFontSize:
        return QStringLiteral("FontSize?");
    case O::GetFontBold:
        return QStringLiteral("FontBold?");
    case O::GetFontItalic:
        return QStringLiteral("FontItalic?");
    case O::GetForeColor:
        return QStringLiteral("ForeColor?");
    case O::SetFontName:
        return QStringLiteral("FontName = \"%1\"").arg(text);
    case O::SetFontSize:
        return QStringLiteral("FontSize = %1").arg(Num(number));
    case O::SetFontBold:
        return QStringLiteral("FontBold = %1").arg(Bool(flag));
    case O::SetFontItalic:
        return QStringLiteral("FontItalic = %1").arg(Bool(flag));
    case O::SetForeColor:
        return QStringLiteral("ForeColor = %1").arg(Hex(color));
    }
    return QString();
}

SurfaceCall& RecordingSurface::Record(SurfaceCall::Op op) const {
    SurfaceCall call;
    call.op = op;
    m_calls.push_back(call);
    return m_calls.back();
}

void RecordingSurface::Cls() {
    Record(SurfaceCall::Op::Cls);
    m_x = m_y = 0;
}

double RecordingSurface::CurrentX() const {
    Record(SurfaceCall::Op::GetCurrentX);
    return m_x;
}

double RecordingSurface::CurrentY() const {
    Record(SurfaceCall::Op::GetCurrentY);
    return m_y;
}

void RecordingSurface::SetCurrentX(double x) {
    Record(SurfaceCall::Op::SetCurrentX).x1 = x;
    m_x = x;
}

void RecordingSurface::SetCurrentY(double y) {
    Record(SurfaceCall::Op::SetCurrentY).y1 = y;
    m_y = y;
}

void RecordingSurface::Line(int flags, double x1, double y1, double x2, double y2, Color color) {
    SurfaceCall& c = Record(SurfaceCall::Op::Line);
    c.flags = flags;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.color = color;
    m_x = x2;
    m_y = y2;
}

void RecordingSurface::Print(const QString& text) {
    SurfaceCall& c = Record(SurfaceCall::Op::Print);
    c.text = text;
    c.x1 = m_x;
    c.y1 = m_y;
    c.fontName = m_fontName;
    c.number = m_fontSize;
    c.flag = m_bold;
    c.italic = m_italic;
    c.color = m_foreColor;
}

QString RecordingSurface::FontName() const {
    Record(SurfaceCall::Op::GetFontName);
    return m_fontName;
}

double RecordingSurface::FontSize() const {
    Record(SurfaceCall::Op::GetFontSize);
    return m_fontSize;
}

bool RecordingSurface::FontBold() const {
    Record(SurfaceCall::Op::GetFontBold);
    return m_bold;
}

bool RecordingSurface::FontItalic() const {
    Record(SurfaceCall::Op::GetFontItalic);
    return m_italic;
}

Color RecordingSurface::ForeColor() const {
    Record(SurfaceCall::Op::GetForeColor);
    return m_foreColor;
}

void RecordingSurface::SetFontName(const QString& name) {
    Record(SurfaceCall::Op::SetFontName).text = name;
    m_fontName = name;
}

void RecordingSurface::SetFontSize(double points) {
    Record(SurfaceCall::Op::SetFontSize).number = points;
    m_fontSize = points;
}

void RecordingSurface::SetFontBold(bool bold) {
    Record(SurfaceCall::Op::SetFontBold).flag = bold;
    m_bold = bold;
}

void RecordingSurface::SetFontItalic(bool italic) {
    Record(SurfaceCall::Op::SetFontItalic).flag = italic;
    m_italic = italic;
}

void RecordingSurface::SetForeColor(Color color) {
    Record(SurfaceCall::Op::SetForeColor).color = color;
    m_foreColor = color;
}

std::vector<SurfaceCall> RecordingSurface::Drawing() const {
    std::vector<SurfaceCall> out;
    for (const SurfaceCall& c : m_calls)
        if (c.IsDrawing()) out.push_back(c);
    return out;
}
