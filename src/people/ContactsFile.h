#pragma once

#include "people/Contact.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A contacts file as the import gets it: read safely, then read as what it is.
namespace people {

// By the name's extension: .vcf and .vcard as vCard, .csv as CSV, another
// by its content. An empty file, a .vcf with no BEGIN:VCARD and a CSV with
// no such header are refused.
ContactsRead ReadContacts(QByteArrayView bytes, const QString& fileName, DateOrder order);
// The bytes of the file at `path`. Only a regular file of at most
// MaxFileBytes is read (a pipe, a device or a folder is refused before it is
// opened); else `problem` says why, as a sentence in Indonesian.
struct ContactsBytes {
    QByteArray bytes;
    QString problem;
};
ContactsBytes ReadContactsBytes(const QString& path);
// ReadContactsBytes, then ReadContacts.
ContactsRead ReadContactsFile(const QString& path, DateOrder order);

} // namespace people
