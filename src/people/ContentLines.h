#pragma once

#include <QByteArray>
#include <QString>

// vCard and iCalendar content lines, as both formats write them.
namespace people {

// TEXT escaped: backslash, comma, semicolon; a line break as \n.
QString Escaped(const QString& text);
// The line and its CRLF, folded after 75 octets, never inside a UTF-8 sequence.
QByteArray Folded(const QString& line);

} // namespace people
