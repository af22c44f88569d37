#include "people/ContactsCsvReader.h"

#include "people/ContactText.h"
#include "util/Csv.h"

#include <QStringList>
#include <algorithm>

namespace people {

namespace {

const QStringList NameHeads{"name", "full name", "display name", "nama", "nama lengkap"};
const QStringList FirstHeads{"first name", "given name", "nama depan"};
const QStringList LastHeads{"last name", "family name", "nama belakang"};
const QStringList BirthHeads{"birthday", "birth date", "date of birth", "tanggal lahir",
                             "ulang tahun"};
// A mail client's export splits the birthday into three columns.
const QStringList YearHeads{"birth year", "tahun lahir"};
const QStringList MonthHeads{"birth month", "bulan lahir"};
const QStringList DayHeads{"birth day", "hari lahir"};

qsizetype Column(const QStringList& header, const QStringList& heads) {
    for (qsizetype i = 0; i < header.size(); ++i)
        if (heads.contains(header[i].trimmed().toCaseFolded())) return i;
    return -1;
}

// Whole zeros stand for no date at all: "0/0/00", "0000-00-00".
bool AllZero(const QStringList& parts) {
    return std::all_of(parts.begin(), parts.end(), [](const QString& p) { return Digits(p) == 0; });
}

Contact CsvContact(QString name, const QString& text, DateOrder order, ContactsRead& read) {
    Contact iso = IsoBirth(name, text);
    if (iso.kind != BirthKind::Unreadable) return iso;
    // A time after the date ("7/1/1960 0:00") is no part of it.
    const QStringList parts =
        text.trimmed().section(u' ', 0, 0).replace(u'/', u'-').replace(u'.', u'-').split(u'-');
    if (parts.size() != 3) return iso;
    if (AllZero(parts)) return {std::move(name), BirthKind::Missing, {}, text};
    if (parts[0].size() == 4 || order == DateOrder::YearMonthDay)
        return WithBirth(std::move(name), text, Digits(parts[0]), Digits(parts[1]),
                         Digits(parts[2]));
    // A two-digit year names no century.
    if (parts[2].size() != 4) return iso;
    const int year = Digits(parts[2]), a = Digits(parts[0]), b = Digits(parts[1]);
    Contact dayFirst = WithBirth(name, text, year, b, a);
    Contact monthFirst = WithBirth(std::move(name), text, year, a, b);
    const bool byDay = dayFirst.kind == BirthKind::Full,
               byMonth = monthFirst.kind == BirthKind::Full;
    if (byDay != byMonth) ++(byDay ? read.dayFirstOnly : read.monthFirstOnly);
    Contact& asked = order == DateOrder::MonthDayYear ? monthFirst : dayFirst;
    if (asked.kind == BirthKind::Unreadable && byDay != byMonth) asked.kind = BirthKind::OtherOrder;
    return asked;
}

// The three columns of a split birthday; no year is a birthday without one.
Contact SplitContact(QString name, const QString& year, const QString& month, const QString& day) {
    const QString text = QStringList{year, month, day}.join(u'/');
    if (QStringList{year, month, day}.join(QString()).isEmpty() ||
        AllZero(QStringList{year.isEmpty() ? QStringLiteral("0") : year, month, day}))
        return {std::move(name), BirthKind::Missing, {}, text};
    const int y = year.isEmpty() || Digits(year) == 0 ? NoYear : Digits(year);
    return WithBirth(std::move(name), text, y, Digits(month), Digits(day));
}

} // namespace

ContactsRead ReadContactsCsv(QByteArrayView bytes, DateOrder order) {
    const csv::Decoded decoded = csv::DecodeUtf8(bytes);
    const csv::Table table = csv::Read(decoded.text, {MaxLineBytes, MaxContacts + 1});
    const QStringList header = table.records.value(0);
    const qsizetype name = Column(header, NameHeads);
    const qsizetype first = Column(header, FirstHeads), last = Column(header, LastHeads);
    const qsizetype birth = Column(header, BirthHeads);
    const qsizetype year = Column(header, YearHeads), month = Column(header, MonthHeads),
                    day = Column(header, DayHeads);
    const bool split = birth < 0 && month >= 0 && day >= 0;
    if ((name < 0 && first < 0 && last < 0) || (birth < 0 && !split))
        return {{},
                QStringLiteral(
                    "Baris pertama berkas CSV ini tidak menyebut kolom nama dan tanggal lahir.")};
    ContactsRead read;
    for (qsizetype r = 1; r < table.records.size(); ++r) {
        const QStringList& record = table.records[r];
        const auto cell = [&record](qsizetype i) {
            return csv::FromTextField(record.value(i)).trimmed();
        };
        QString n = cell(name);
        if (n.isEmpty()) n = (cell(first) + u' ' + cell(last)).trimmed();
        read.contacts.push_back(split ? SplitContact(n, cell(year), cell(month), cell(day))
                                      : CsvContact(n, record.value(birth), order, read));
    }
    if (table.stopLine > 0)
        read.problem = Stopped(table.stopLine,
                               table.records.size() > MaxContacts ? TooMany : table.stopReason);
    else if (decoded.badLine > 0)
        read.problem = Stopped(decoded.badLine, NotUtf8);
    return read;
}

DateOrder GuessedOrder(const ContactsRead& read) {
    return read.monthFirstOnly > 0 && read.dayFirstOnly == 0 ? DateOrder::MonthDayYear
                                                             : DateOrder::DayMonthYear;
}

QString OrderNote(const ContactsRead& read) {
    if (read.dayFirstOnly > 0 && read.monthFirstOnly > 0)
        return QStringLiteral("Berkas ini mencampur urutan tanggal: %1 baris hanya terbaca "
                              "hari/bulan/tahun, %2 hanya bulan/hari/tahun. Urutan yang dipilih "
                              "menentukan; baris lainnya dilewati.")
            .arg(read.dayFirstOnly)
            .arg(read.monthFirstOnly);
    if (read.dayFirstOnly + read.monthFirstOnly == 0) return {};
    return QStringLiteral("Urutan tanggal diduga %1: %2 baris hanya terbaca begitu.")
        .arg(read.monthFirstOnly > 0 ? QStringLiteral("bulan/hari/tahun")
                                     : QStringLiteral("hari/bulan/tahun"))
        .arg(read.dayFirstOnly + read.monthFirstOnly);
}

} // namespace people
