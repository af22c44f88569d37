#pragma once

#include "people/Contact.h"

#include <QByteArrayView>

namespace people {

// CSV (UTF-8): a header row naming the name column ("Name", "Nama", "Full
// Name", "Nama Lengkap", "Display Name", or first and last name columns such
// as "First Name"/"Nama Depan" and "Last Name"/"Nama Belakang") and the
// birthday column ("Birthday", "Birth Date", "Date of Birth", "Tanggal
// Lahir", "Ulang Tahun") or the three columns a mail client splits it into
// ("Birth Year", "Birth Month", "Birth Day"), in any letter case. A
// spreadsheet's guarding apostrophe (csv::TextField) comes off the names.
// "0/0/00" and an empty date are no birthday.
ContactsRead ReadContactsCsv(QByteArrayView bytes, DateOrder order);

// The order the rows that read only one way ask for: month first when some
// do and none read only day first, else day first.
DateOrder GuessedOrder(const ContactsRead& read);
// What the preview says about the guess: "" when no row reads only one way.
QString OrderNote(const ContactsRead& read);

} // namespace people
