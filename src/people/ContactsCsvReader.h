#pragma once

#include "people/Contact.h"

#include <QByteArrayView>

namespace people {

// CSV (UTF-8): a header row naming the name column ("Name", "Nama", "Full
// Name", "Nama Lengkap", "Display Name", or first and last name columns such
// as "First Name"/"Nama Depan" and "Last Name"/"Nama Belakang") and the
// birthday column ("Birthday", "Birth Date", "Date of Birth", "Tanggal
// Lahir", "Ulang Tahun"), in any letter case. A spreadsheet's guarding
// apostrophe (csv::TextField) comes off the names.
ContactsRead ReadContactsCsv(QByteArrayView bytes, DateOrder order);

} // namespace people
