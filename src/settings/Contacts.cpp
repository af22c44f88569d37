#include "settings/Contacts.h"

#include "util/Csv.h"
#include "util/RegularFile.h"
#include "util/modStrUtil.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <cctype>
#include <optional>

namespace settings {

namespace {

QString Stopped(qsizetype line, const QString& why) {
    return QStringLiteral("Berhenti di baris %1: %2.").arg(line).arg(why);
}

const QString TooLong = QStringLiteral("baris lebih dari 64 KB");
const QString TooMany = QStringLiteral("lebih dari %1 kontak").arg(MaxContacts);
const QString NotUtf8 = QStringLiteral("bukan teks UTF-8");

// The number that 1 to 4 ASCII digits spell; -1 for anything else.
int Digits(QStringView s) {
    if (s.isEmpty() || s.size() > 4) return -1;
    int n = 0;
    for (const QChar c : s) {
        if (c < u'0' || c > u'9') return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

constexpr int NoYear = -2;

// The date of `year` (or NoYear), `month` and `day`, unreadable when there is no such day.
Contact WithBirth(QString name, const QString& text, int year, int month, int day) {
    // A leap year stands in for a missing one, so that --02-29 is a day.
    const QDate date(year == NoYear ? 2000 : year, month, day);
    if (!date.isValid() || year == -1 || month < 0 || day < 0)
        return {std::move(name), BirthKind::Unreadable, {}, text};
    if (year == NoYear) return {std::move(name), BirthKind::NoYear, {}, text};
    return {std::move(name), BirthKind::Full, date, text};
}

// The ISO 8601 forms vCard and Google use: 1960-01-07, 19600107, --01-07,
// --0107, any time part ignored.
Contact IsoBirth(QString name, const QString& text) {
    QStringView t = QStringView(text).trimmed();
    if (t.isEmpty()) return {std::move(name), BirthKind::Missing, {}, text};
    if (const qsizetype time = t.indexOf(u'T'); time >= 0) t = t.left(time);
    const qsizetype size = t.size();
    int year = -1, month = -1;
    if (t.startsWith(u"--") && (size == 6 || (size == 7 && t[4] == u'-'))) {
        year = NoYear;
        month = Digits(t.mid(2, 2));
    } else if (size == 8 || (size == 10 && t[4] == u'-' && t[7] == u'-')) {
        year = Digits(t.left(4));
        month = Digits(t.mid(size == 8 ? 4 : 5, 2));
        if (year == 1604) year = NoYear; // how Apple's contacts write a birthday without one
    }
    return WithBirth(std::move(name), text, year, month, Digits(t.right(2)));
}

// ---- vCard ----

struct Property {
    QByteArray name;  // upper case, without a group
    QByteArray value; // raw: escapes and encodings still in
    QByteArray charset;
    bool quotedPrintable = false;
};

// "BDAY" of "item1.bday;VALUE=date:19600107"
QByteArray PropertyName(QByteArrayView line) {
    qsizetype end = 0;
    while (end < line.size() && line[end] != ':' && line[end] != ';')
        ++end;
    const QByteArrayView name = line.first(end);
    return name.sliced(name.lastIndexOf('.') + 1).trimmed().toByteArray().toUpper();
}

bool IsWanted(const QByteArray& name) {
    return name == "BEGIN" || name == "END" || name == "FN" || name == "N" || name == "BDAY";
}

Property Parse(QByteArrayView line) {
    Property p;
    const qsizetype colon = line.indexOf(':');
    if (colon < 0) return p;
    p.name = PropertyName(line);
    p.value = line.sliced(colon + 1).toByteArray();
    const QList<QByteArray> head = line.first(colon).toByteArray().split(';');
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QByteArray param = head[i].trimmed().toUpper();
        if (param == "QUOTED-PRINTABLE" || param == "ENCODING=QUOTED-PRINTABLE")
            p.quotedPrintable = true;
        else if (param.startsWith("CHARSET="))
            p.charset = head[i].trimmed().mid(8).replace('"', "");
    }
    return p;
}

bool IsQuotedPrintable(QByteArrayView line) {
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && line.first(colon).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

QByteArray FromQuotedPrintable(QByteArrayView value) {
    QByteArray bytes;
    bytes.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '=' && i + 2 < value.size() && std::isxdigit(uchar(value[i + 1])) &&
            std::isxdigit(uchar(value[i + 2]))) {
            bytes += QByteArray::fromHex(value.sliced(i + 1, 2).toByteArray());
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}

// The value as text; nothing when UTF-8 (the default) is not valid.
std::optional<QString> Text(const Property& p) {
    const QByteArray bytes = p.quotedPrintable ? FromQuotedPrintable(p.value) : p.value;
    const auto known = QStringConverter::encodingForName(p.charset.constData());
    if (!p.charset.isEmpty() && known != QStringConverter::Utf8) {
        QStringDecoder decoder(p.charset.constData());
        if (decoder.isValid()) return decoder.decode(bytes);
        // A charset Qt does not know: UTF-8 where the bytes are, else Latin-1.
        if (!QByteArrayView(bytes).isValidUtf8()) return QString::fromLatin1(bytes);
    }
    if (!QByteArrayView(bytes).isValidUtf8()) return std::nullopt;
    return QString::fromUtf8(bytes);
}

// The components between unescaped semicolons, each unescaped.
QStringList Unescaped(const QString& text) {
    QStringList parts{QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u';') {
            parts << QString();
            continue;
        }
        if (c == u'\\' && i + 1 < text.size()) {
            c = text[++i];
            if (c == u'n' || c == u'N') c = u'\n';
        }
        parts.last() += c;
    }
    return parts;
}

struct Card {
    QString fn, n;
    Contact contact;
};

// Reads the logical lines; false to stop.
class VCardReader {
public:
    ContactsRead read;
    bool sawBegin = false;

    bool Line(QByteArrayView text, qsizetype line) {
        const Property p = Parse(text);
        const QByteArray kind = p.value.trimmed().toUpper();
        if (p.name == "BEGIN" && kind == "VCARD") {
            sawBegin = true;
            // An AGENT of 2.1 nests a card: only the outer one counts.
            if (++m_depth > 1) return true;
            if (std::ssize(read.contacts) == MaxContacts) return Stop(line, TooMany);
            m_card = {};
            return true;
        }
        if (p.name == "END" && kind == "VCARD" && m_depth > 0) {
            if (--m_depth == 0) {
                const QStringList n = Unescaped(m_card.n);
                QString name = Unescaped(m_card.fn).join(u';').trimmed();
                if (name.isEmpty()) name = (n.value(1) + u' ' + n[0]).trimmed();
                m_card.contact.name = name;
                read.contacts.push_back(m_card.contact);
            }
            return true;
        }
        if (m_depth != 1 || (p.name != "FN" && p.name != "N" && p.name != "BDAY")) return true;
        const std::optional<QString> value = Text(p);
        if (!value) return Stop(line, NotUtf8);
        if (p.name == "FN")
            m_card.fn = *value;
        else if (p.name == "N")
            m_card.n = *value;
        else
            m_card.contact = IsoBirth({}, Unescaped(*value).join(u';'));
        return true;
    }

    bool Open() const { return m_depth > 0; }

    bool Stop(qsizetype line, const QString& why) {
        read.problem = Stopped(line, why);
        return false;
    }

private:
    int m_depth = 0;
    Card m_card;
};

// ---- CSV ----

const QStringList NameHeads{"name", "full name", "display name", "nama", "nama lengkap"};
const QStringList FirstHeads{"first name", "given name", "nama depan"};
const QStringList LastHeads{"last name", "family name", "nama belakang"};
const QStringList BirthHeads{"birthday", "birth date", "date of birth", "tanggal lahir",
                             "ulang tahun"};

qsizetype Column(const QStringList& header, const QStringList& heads) {
    for (qsizetype i = 0; i < header.size(); ++i)
        if (heads.contains(header[i].trimmed().toCaseFolded())) return i;
    return -1;
}

Contact CsvContact(QString name, const QString& text, DateOrder order) {
    Contact iso = IsoBirth(name, text);
    if (iso.kind != BirthKind::Unreadable) return iso;
    // A time after the date ("7/1/1960 0:00") is no part of it.
    const QStringList parts =
        text.trimmed().section(u' ', 0, 0).replace(u'/', u'-').replace(u'.', u'-').split(u'-');
    if (parts.size() != 3) return iso;
    int y = 2, m = 1, d = 0;
    if (parts[0].size() == 4 || order == DateOrder::YearMonthDay)
        y = 0, m = 1, d = 2;
    else if (order == DateOrder::MonthDayYear)
        m = 0, d = 1;
    // A two-digit year names no century.
    if (parts[y].size() != 4) return iso;
    return WithBirth(std::move(name), text, Digits(parts[y]), Digits(parts[m]), Digits(parts[d]));
}

ContactsRead Refused(const QString& why) {
    return {{}, why};
}

const QByteArrayView Bom = "\xEF\xBB\xBF";

bool StartsAsVCard(QByteArrayView bytes) {
    if (bytes.startsWith(Bom)) bytes = bytes.sliced(3);
    bytes = bytes.trimmed();
    return bytes.size() >= 11 && bytes.first(11).compare("BEGIN:VCARD", Qt::CaseInsensitive) == 0;
}

// ---- Writing ----

// TEXT as vCard 4.0 and iCalendar escape it.
QString Escaped(const QString& text) {
    QString e;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue; // one line break
        if (c == u'\\' || c == u',' || c == u';') e += u'\\';
        e += c == u'\n' || c == u'\r' ? QStringLiteral("\\n") : QString(c);
    }
    return e;
}

// The line and its CRLF, folded after 75 octets, never inside a UTF-8 sequence.
QByteArray Folded(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    QByteArray out;
    qsizetype pos = 0, room = 75;
    while (bytes.size() - pos > room) {
        qsizetype cut = pos + room;
        while ((bytes[cut] & 0xC0) == 0x80)
            --cut;
        out += bytes.sliced(pos, cut - pos) + "\r\n ";
        pos = cut;
        room = 74; // after the blank
    }
    return out + bytes.sliced(pos) + "\r\n";
}

// Friends 1..FriendCount whose date can be read.
template <typename Each>
void ForEachFriend(const FriendList& list, Each each) {
    for (std::int32_t i = 1; i <= list.FriendCount; ++i)
        if (const QDate birth = list.BirthDate(i); birth.isValid()) each(list.FriendName[i], birth);
}

QString Basic(QDate date) {
    return date.toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

ContactsRead ReadVCards(QByteArrayView bytes) {
    if (bytes.startsWith(Bom)) bytes = bytes.sliced(3);
    VCardReader reader;
    // Only the lines read are unfolded: a photo folded over thousands of
    // lines is passed over, not gathered.
    QByteArray logical;
    qsizetype logicalLine = 0, line = 0;
    bool wanted = false, quotedPrintable = false, softBreak = false;
    for (qsizetype pos = 0; pos < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', pos);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        QByteArrayView physical = bytes.sliced(pos, next - pos);
        pos = next;
        ++line;
        if (physical.size() > MaxLineBytes) {
            reader.Stop(line, TooLong);
            break;
        }
        while (physical.endsWith('\n') || physical.endsWith('\r'))
            physical.chop(1);
        const bool folded = line > 1 && (physical.startsWith(' ') || physical.startsWith('\t'));
        if (softBreak || folded) {
            if (wanted) {
                if (softBreak) logical.chop(1);
                logical += softBreak ? physical : physical.sliced(1);
            }
            if (logical.size() > MaxLineBytes) {
                reader.Stop(logicalLine, TooLong);
                break;
            }
            softBreak = quotedPrintable && physical.endsWith('=');
            continue;
        }
        if (wanted && !reader.Line(logical, logicalLine)) break;
        wanted = IsWanted(PropertyName(physical));
        quotedPrintable = IsQuotedPrintable(physical);
        softBreak = quotedPrintable && physical.endsWith('=');
        logical = wanted ? physical.toByteArray() : QByteArray();
        logicalLine = line;
    }
    if (reader.read.problem.isEmpty() && wanted) reader.Line(logical, logicalLine);
    if (reader.read.problem.isEmpty() && reader.Open())
        reader.Stop(line, QStringLiteral("kartu terakhir tanpa END:VCARD, tidak dibaca"));
    if (!reader.sawBegin)
        return Refused(QStringLiteral("Berkas ini bukan vCard: tidak ada BEGIN:VCARD."));
    return reader.read;
}

ContactsRead ReadContactsCsv(QByteArrayView bytes, DateOrder order) {
    const csv::Decoded decoded = csv::DecodeUtf8(bytes);
    const csv::Table table = csv::Read(decoded.text, {MaxLineBytes, MaxContacts + 1});
    const QStringList header = table.records.value(0);
    const qsizetype name = Column(header, NameHeads);
    const qsizetype first = Column(header, FirstHeads), last = Column(header, LastHeads);
    const qsizetype birth = Column(header, BirthHeads);
    if ((name < 0 && first < 0 && last < 0) || birth < 0)
        return Refused(QStringLiteral(
            "Baris pertama berkas CSV ini tidak menyebut kolom nama dan tanggal lahir."));
    ContactsRead read;
    for (qsizetype r = 1; r < table.records.size(); ++r) {
        const QStringList& record = table.records[r];
        const auto cell = [&record](qsizetype i) {
            return csv::FromTextField(record.value(i)).trimmed();
        };
        QString n = cell(name);
        if (n.isEmpty()) n = (cell(first) + u' ' + cell(last)).trimmed();
        read.contacts.push_back(CsvContact(n, record.value(birth), order));
    }
    if (table.stopLine > 0)
        read.problem = Stopped(table.stopLine,
                               table.records.size() > MaxContacts ? TooMany : table.stopReason);
    else if (decoded.badLine > 0)
        read.problem = Stopped(decoded.badLine, NotUtf8);
    return read;
}

ContactsRead ReadContacts(QByteArrayView bytes, const QString& fileName, DateOrder order) {
    if (bytes.trimmed().isEmpty()) return Refused(QStringLiteral("Berkas kosong."));
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
        return {{}, QStringLiteral("Berkas tidak dapat dibuka: %1.").arg(read.detail)};
    case NotRegular:
        return {{},
                QStringLiteral("Ini %1, bukan berkas biasa; hanya berkas biasa yang dapat "
                               "diimpor.")
                    .arg(kinds.value(read.detail))};
    case TooLarge:
        break;
    }
    return {{}, QStringLiteral("Berkas lebih dari 16 MB: terlalu besar untuk daftar kontak.")};
}

ContactsRead ReadContactsFile(const QString& path, DateOrder order) {
    const ContactsBytes file = ReadContactsBytes(path);
    return file.problem.isEmpty() ? ReadContacts(file.bytes, path, order) : Refused(file.problem);
}

namespace {

// What tells two names apart in an import: not letter case, blanks, tabs,
// line breaks or controls.
QString NameKey(const QString& name) {
    return modStrUtil::SquashBlanks(modStrUtil::OneLine(name)).toCaseFolded();
}

} // namespace

std::vector<ImportEntry> PreviewImport(const FriendList& list,
                                       const std::vector<Contact>& contacts) {
    // By hash: a file can hold thousands of contacts. The first friend of a
    // key keeps it, as Find would.
    QHash<QString, std::int32_t> listed;
    for (std::int32_t i = list.FriendCount; i >= 1; --i)
        listed.insert(NameKey(list.FriendName[i]), i);
    const QString own = NameKey(list.FriendName[0]);
    QSet<QString> taken;
    std::int32_t count = list.FriendCount;
    std::vector<ImportEntry> preview;
    preview.reserve(contacts.size());
    for (const Contact& c : contacts) {
        ImportEntry e;
        e.name = CleanName(c.name);
        e.sourceName = c.name;
        e.birth = c.birth;
        const QString whole = NameKey(c.name);
        e.cut = modStrUtil::SquashBlanks(modStrUtil::OneLine(c.name)).size() > MaxNameLength;
        // The whole name first: a listed name longer than the box takes is
        // matched before any cutting; then the name as it would be stored.
        std::int32_t at = listed.value(whole, -1);
        if (at < 0) at = listed.value(NameKey(e.name), -1);
        const bool cutMatch = at > 0 && NameKey(list.FriendName[at]) != whole;
        if (at > 0) e.name = list.FriendName[at];
        const QString key = NameKey(e.name);
        const int year = c.birth.year();
        if (e.name.isEmpty())
            e.reason = QStringLiteral("tanpa nama");
        else if (whole == own || key == own)
            e.reason = QStringLiteral("nama entri Anda sendiri");
        else if (c.kind == BirthKind::Missing)
            e.reason = QStringLiteral("tanpa tanggal lahir");
        else if (c.kind == BirthKind::NoYear)
            e.reason = QStringLiteral("tanpa tahun");
        else if (c.kind == BirthKind::Unreadable)
            e.reason = QStringLiteral("tanggal tak terbaca: %1").arg(c.birthText.trimmed());
        else if (year < cal::FirstYear || year > cal::LastYear)
            e.reason = QStringLiteral("tahun %1 di luar %2–%3")
                           .arg(year)
                           .arg(cal::FirstYear)
                           .arg(cal::LastYear);
        else if (taken.contains(key))
            e.reason = QStringLiteral("nama ganda dalam berkas");
        else if (at > 0) {
            e.listed = at;
            e.listedBirth = list.BirthDate(at);
            e.verdict = e.listedBirth == e.birth ? Verdict::Same : Verdict::Update;
        } else if (count >= FriendList::MaxFriends) {
            e.reason = QStringLiteral("daftar penuh (%1 teman)").arg(FriendList::MaxFriends);
        } else {
            ++count;
            e.verdict = Verdict::New;
        }
        if (e.verdict != Verdict::Skipped) taken.insert(key);
        // A cut name may be someone else's: the user decides on that update.
        e.cut = e.cut && (e.verdict == Verdict::New || cutMatch);
        e.chosen = e.verdict == Verdict::New || (e.verdict == Verdict::Update && !e.cut);
        preview.push_back(e);
    }
    return preview;
}

FriendList ApplyImport(FriendList list, const std::vector<ImportEntry>& preview) {
    // Updates by the entry they matched first: inserting moves entries.
    for (const ImportEntry& e : preview)
        if (e.chosen && e.verdict == Verdict::Update) list.SetDate(e.listed, cal::TrioOf(e.birth));
    for (const ImportEntry& e : preview)
        if (e.chosen && e.verdict == Verdict::New) list.Save(e.name, cal::TrioOf(e.birth));
    return list;
}

QByteArray FriendsVCard(const FriendList& list) {
    QByteArray out;
    ForEachFriend(list, [&out](const QString& name, QDate birth) {
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n" + Folded(QStringLiteral("FN:") + Escaped(name)) +
               Folded(QStringLiteral("BDAY:") + Basic(birth)) + "END:VCARD\r\n";
    });
    return out;
}

QByteArray FriendsCsv(const FriendList& list) {
    QString text = QStringLiteral("Nama,Tanggal Lahir\r\n");
    ForEachFriend(list, [&text](const QString& name, QDate birth) {
        text += csv::TextField(name) + u',' + birth.toString(Qt::ISODate) + QStringLiteral("\r\n");
    });
    return text.toUtf8();
}

QByteArray BirthdayCalendar(const FriendList& list, const QDateTime& stamp) {
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray out = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Ondulix//Ulang Tahun//ID\r\n"
                     "CALSCALE:GREGORIAN\r\n";
    ForEachFriend(list, [&](const QString& name, QDate birth) {
        const QByteArray uid =
            QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
        // The last day of February: the 29th in leap years, the 28th in others.
        const bool leapDay = birth.month() == 2 && birth.day() == 29;
        out += "BEGIN:VEVENT\r\nUID:" + uid + "@ondulix\r\nDTSTAMP:" + dtstamp.toLatin1() +
               "\r\nDTSTART;VALUE=DATE:" + Basic(birth).toLatin1() + "\r\nRRULE:FREQ=YEARLY" +
               (leapDay ? ";BYMONTH=2;BYMONTHDAY=-1" : "") + "\r\n" +
               Folded(QStringLiteral("SUMMARY:Ulang tahun ") + Escaped(name)) +
               "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
    });
    return out + "END:VCALENDAR\r\n";
}

} // namespace settings
