#include "people/ContactsFile.h"

#include "people/ContactsCsvReader.h"
#include "people/VCardReader.h"
#include "util/RegularFile.h"
#include "util/Words.h"

#include <QFileInfo>
#include <QHash>

namespace people {

ContactsRead ReadContacts(QByteArrayView bytes, const QString& fileName, DateOrder order) {
    if (bytes.trimmed().isEmpty())
        return {{}, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Berkas kosong."))};
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const bool vcard =
        suffix == u"vcf" || suffix == u"vcard" || (suffix != u"csv" && StartsAsVCard(bytes));
    return vcard ? ReadVCards(bytes) : ReadContactsCsv(bytes, order);
}

ContactsBytes ReadContactsBytes(const QString& path) {
    using enum RegularRead::Refusal;
    RegularRead read = ReadRegularFile(path, MaxFileBytes);
    static const QHash<QString, QString> kinds{{"folder", "sebuah folder"},
                                               {"fifo", "sebuah pipa bernama (FIFO)"},
                                               {"socket", "sebuah soket"},
                                               {"device", "sebuah perangkat"}};
    switch (read.refusal) {
    case None:
        return {std::move(read.bytes), {}};
    case CannotOpen:
        return {{},
                words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Berkas tidak dapat dibuka: %1."))
                    .arg(read.detail)};
    case NotRegular:
        return {
            {},
            words::Tr(QT_TRANSLATE_NOOP("Ondulix",
                                        "Ini %1, bukan berkas biasa; hanya berkas biasa yang dapat "
                                        "diimpor."))
                .arg(kinds.value(read.detail))};
    case TooLarge:
        break;
    }
    return {{},
            words::Tr(QT_TRANSLATE_NOOP(
                "Ondulix", "Berkas lebih dari 16 MB: terlalu besar untuk daftar kontak."))};
}

ContactsRead ReadContactsFile(const QString& path, DateOrder order) {
    const ContactsBytes file = ReadContactsBytes(path);
    return file.problem.isEmpty() ? ReadContacts(file.bytes, path, order)
                                  : ContactsRead{{}, file.problem};
}

} // namespace people
