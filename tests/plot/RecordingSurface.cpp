#include "RecordingSurface.h"

QString SurfaceCall::ToString() const {
    auto num = [](double v) { return QString::number(v, 'g', 17); };
    const QString hex = QStringLiteral("#%1").arg(color, 6, 16, QLatin1Char('0'));
    if (op == Op::Line)
        return QStringLiteral("Line %1 (%2, %3)-(%4, %5) %6")
            .arg(flags)
            .arg(num(x1), num(y1), num(x2), num(y2), hex);
    if (op == Op::Print)
        return QStringLiteral("Print \"%1\" at (%2, %3) %4 %5%6%7 %8")
            .arg(text, num(x1), num(y1), fontName, num(number), flag ? " bold" : "",
                 italic ? " italic" : "", hex);
    return op == Op::Cls ? QStringLiteral("Cls") : QString();
}

void RecordingSurface::Print(const QString& text) {
    Add({Op::Print, 0, m_x, m_y, 0, 0, m_foreColor, text, m_fontName, m_fontSize, m_bold,
         m_italic});
}

std::vector<SurfaceCall> RecordingSurface::Drawing() const {
    std::vector<SurfaceCall> out;
    for (const SurfaceCall& c : m_calls)
        if (c.op <= SurfaceCall::Op::Print) out.push_back(c);
    return out;
}
