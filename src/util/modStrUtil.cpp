#include "util/modStrUtil.h"

#include "util/Checked.h"

namespace modStrUtil {

namespace {

constexpr QChar Blank = u' ';

std::int32_t Length(const QString& text) {
    return checked::Narrow(text.size());
}

// 1-based position of the first blank at or after `from`, 0 when none.
std::int32_t BlankAt(const QString& text, std::int32_t from) {
    const qsizetype i = text.indexOf(Blank, from - 1);
    return i < 0 ? 0 : checked::Narrow(i + 1);
}

} // namespace

namespace {

// Embedding, override and isolate controls: they can make a name read as
// another one. And the byte order mark, which a UTF-8 reader may drop on
// the way back.
bool IsDirectionControl(QChar c) {
    return (c >= QChar(0x202A) && c <= QChar(0x202E)) ||
           (c >= QChar(0x2066) && c <= QChar(0x2069)) || c == QChar(0xFEFF);
}

} // namespace

QString OneLine(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (const QChar c : text) {
        if (IsDirectionControl(c)) continue;
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            line += Blank;
        else if (c.category() != QChar::Other_Control)
            line += c;
    }
    return line;
}

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == Blank)
        ++begin;
    while (end > begin && text[end - 1] == Blank)
        --end;
    return text.mid(begin, end - begin);
}

QString ProperCase(const QString& text, bool eachWord) {
    const QString t = TrimBlanks(text);
    if (!eachWord) {
        if (t.isEmpty()) return t;
        return t.left(1).toUpper() + t.mid(1).toLower();
    }
    QString result;
    for (std::int32_t i = 1;; i = checked::Add(i, 1)) {
        const QString c = ProperCase(GetWords(t, i, 1), false);
        if (c.isEmpty()) break;
        result += c + Blank;
    }
    qsizetype end = result.size();
    while (end > 0 && result[end - 1] == Blank)
        --end;
    return result.left(end);
}

QString SquashBlanks(const QString& text) {
    const QString t = TrimBlanks(text);
    QString result;
    result.reserve(t.size());
    bool afterWord = false;
    for (const QChar c : t) {
        if (c == Blank) {
            if (afterWord) result += Blank;
            afterWord = false;
        } else {
            result += c;
            afterWord = true;
        }
    }
    return result;
}

QString GetWords(const QString& text, std::int32_t first, std::int32_t count) {
    QString result;
    const QString t = SquashBlanks(text);
    if (t.isEmpty() || first < 1 || count < 1) return result;
    std::int32_t pos = 1;
    std::int32_t blank = BlankAt(t, pos);
    std::int32_t word = 1, taken = 0;
    while (blank > pos) {
        if (word >= first) {
            result += MidFromTo(t, pos, blank);
            taken = checked::Add(taken, 1);
            if (taken == count) return TrimBlanks(result);
        }
        pos = checked::Add(blank, 1);
        blank = BlankAt(t, pos);
        word = checked::Add(word, 1);
    }
    if (word >= first) result += MidFromTo(t, pos, Length(t));
    return result;
}

QString MidFromTo(const QString& text, std::int32_t from, std::int32_t to) {
    if (from < 1 || from > to) return QString();
    const std::int32_t count = checked::Add(checked::Sub(to, from), 1);
    return text.mid(from - 1, count);
}

QString ReplaceAll(const QString& text, const QString& find, const QString& replacement) {
    if (text.isEmpty()) return QString();
    if (text.size() < find.size() || find.isEmpty()) return text;
    QString result;
    std::int32_t pos = 1;
    for (;;) {
        const qsizetype p = text.indexOf(find, pos - 1, Qt::CaseSensitive);
        if (p < 0) break;
        result += MidFromTo(text, pos, checked::Narrow(p)) + replacement;
        pos = checked::Add(checked::Narrow(p + 1), Length(find));
    }
    return result + text.mid(pos - 1);
}

} // namespace modStrUtil
