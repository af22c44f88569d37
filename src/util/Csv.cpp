#include "util/Csv.h"

#include "util/Words.h"

#include <QStringDecoder>
#include <algorithm>

namespace csv {

Decoded DecodeUtf8(QByteArrayView bytes) {
    if (bytes.isValidUtf8())
        return {QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes)};
    // Line by line, to say where: one decoder, so the mark is dropped once.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    Decoded decoded;
    for (qsizetype begin = 0, line = 1;; ++line) {
        const qsizetype end = bytes.indexOf('\n', begin);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        const QString piece = decoder.decode(bytes.sliced(begin, next - begin));
        if (decoder.hasError()) {
            decoded.badLine = line;
            return decoded;
        }
        decoded.text += piece;
        begin = next;
    }
}

Table Read(QStringView text, const Limits& limits) {
    Table table;
    QStringList record;
    QString field;
    qsizetype line = 1, recordLine = 1, recordChars = 0;
    bool quoted = false, fieldStart = true;
    const auto stop = [&table](qsizetype at, const QString& why) {
        table.stopLine = at;
        table.stopReason = why;
        return table;
    };
    const auto endRecord = [&] {
        record << field;
        // An empty line holds no record.
        if (record.size() > 1 || !record[0].isEmpty()) table.records << record;
        record.clear();
        field.clear();
        recordChars = 0;
        fieldStart = true;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (recordChars == 0 && c != u'\n' && c != u'\r' &&
            table.records.size() >= limits.maxRecords)
            return stop(line, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "lebih dari %1 baris"))
                                  .arg(limits.maxRecords));
        if (++recordChars > limits.maxRecordChars)
            return stop(recordLine,
                        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "baris terlalu panjang")));
        // CRLF, LF and an old Mac's bare CR all end a line.
        const bool lineEnd =
            c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'));
        if (lineEnd) ++line;
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else
                quoted = false;
            continue;
        }
        if (c == u'"' && fieldStart) {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
            fieldStart = true;
            continue;
        } else if (lineEnd) {
            endRecord();
            recordLine = line;
            continue;
        } else if (c != u'\r') {
            field += c;
        }
        fieldStart = false;
    }
    if (quoted)
        return stop(recordLine,
                    words::Tr(QT_TRANSLATE_NOOP("Ondulix", "tanda petik tidak ditutup")));
    if (recordChars > 0) endRecord();
    return table;
}

QString Field(const QString& text) {
    static const QString quoted = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return quoted.contains(c); }))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

namespace {

bool StartsAsFormula(QStringView text) {
    static const QString starts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && starts.contains(text.front());
}

// A leading apostrophe that the reader takes off: before a formula's first
// character, or before another apostrophe (a text that began with one).
bool Guarded(QStringView text) {
    return text.size() > 1 && text.front() == u'\'' &&
           (text[1] == u'\'' || StartsAsFormula(text.sliced(1)));
}

} // namespace

QString TextField(const QString& text) {
    return Field(StartsAsFormula(text) || Guarded(text) ? u'\'' + text : text);
}

QString FromTextField(const QString& field) {
    return Guarded(field) ? field.mid(1) : field;
}

} // namespace csv
