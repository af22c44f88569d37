#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values as RFC 4180 has them: fields in double quotes may
// hold commas, line breaks and doubled quotes; records end in CRLF, LF or a
// bare CR.
// Lenient where files in the wild are: a quote inside an unquoted field is
// kept as a character.
namespace csv {

// UTF-8 bytes as text, a leading byte order mark dropped. `badLine` is 0, or
// the line (1-based) of the first bytes that are not UTF-8; `text` then ends
// before that line.
struct Decoded {
    QString text;
    qsizetype badLine = 0;
};
Decoded DecodeUtf8(QByteArrayView bytes);

struct Limits {
    qsizetype maxRecordChars = 64 * 1024; // a record, and so any field of it
    qsizetype maxRecords = 10'000;
};

// The records read, empty lines left out. When reading stopped before the
// end, `stopLine` is the line (1-based) where the record it stopped at
// begins and `stopReason` says why in a few Indonesian words; the records
// before it are kept.
struct Table {
    QList<QStringList> records;
    qsizetype stopLine = 0;
    QString stopReason;
};
Table Read(QStringView text, const Limits& limits = {});

// The field as a record holds it: quoted when it has a comma, a quote or a
// line break.
QString Field(const QString& text);

// A text field that no spreadsheet takes for a formula: one that begins with
// = + - @, a tab or a carriage return gets a leading apostrophe (and so does
// one that begins with an apostrophe before those or before another), then
// Field.
QString TextField(const QString& text);
// TextField's apostrophe taken off again; any other text as it is ("'t Hart").
QString FromTextField(const QString& field);

} // namespace csv
