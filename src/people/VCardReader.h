#pragma once

#include "people/Contact.h"

#include <QByteArrayView>

// vCard (2.1, 3.0, 4.0) in. No vCard library for Qt 6 is packaged in Debian,
// so this small reader is the program's own: it reads only the name and the
// birthday.
namespace people {

// UTF-8 with or without a byte order mark (2.1 values in their CHARSET);
// folded lines, groups (item1.FN), parameters, escapes and 2.1
// quoted-printable. BDAY as 1960-01-07, 19600107 (a time part ignored), or
// without a year as --01-07 or --0107.
ContactsRead ReadVCards(QByteArrayView bytes);
// The bytes begin as a vCard does (after a byte order mark and blanks).
bool StartsAsVCard(QByteArrayView bytes);

} // namespace people
