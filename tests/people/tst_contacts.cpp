#include "people/BirthdayCalendar.h"
#include "people/ContactsCsvReader.h"
#include "people/ContactsFile.h"
#include "people/FriendsExport.h"
#include "people/ImportPreview.h"
#include "people/NameFinder.h"
#include "people/PeopleHistory.h"
#include "people/UpcomingBirthdays.h"
#include "people/VCardReader.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace people;
using enum DateOrder;

namespace {

// The own entry (7 January 1960), Dewi, Eko and Gita, then `filler` more friends.
FriendList People(int filler = 0) {
    std::vector<Friend> friends{{"Dewi", {"1", "January", "1970"}},
                                {"Eko", {"29", "February", "1980"}},
                                {"Gita", {"7", "January", "1990"}}};
    for (int i = 1; i <= filler; ++i)
        friends.push_back({QString::asprintf("F%03d", i), {"1", "January", "1970"}});
    FriendList list;
    list.Load({"7", "January", "1960"}, friends);
    return list;
}

// Names a file or a page cannot take as they are.
FriendList Exported() {
    FriendList list = People();
    for (const char* name : {"Smith, John", "Ani \"si\"; Kecil\\", "Ễễễễễễễễễễễễễễễễễễễễễễễ"})
        list.Save(QString::fromUtf8(name), {"2", "March", "1999"});
    return list;
}

// And names a spreadsheet would take for a formula, and names the settings
// file holds that the name box would not take (long ones, odd capitals, tabs,
// controls).
FriendList Unusual() {
    FriendList list = Exported();
    for (const char* name : {"=cmd|' /C calc'!A0", "+62 Budi", "-Dodi-", "@Eka", "'t Hart",
                             "''=Dua", "Raden Mas Panji Kusumawati Sari", "mcDONALD",
                             "Tab\tBerhenti", "Lonceng\a", "x\u202Eabc", "Baris\r\nDua"})
        list.Save(QString::fromUtf8(name), {"2", "March", "1999"});
    list.Save(QString(90, u'W'), {"2", "March", "1999"});
    return list;
}

QByteArray Cards(const QList<QByteArray>& bodies) {
    QByteArray cards;
    for (const QByteArray& body : bodies)
        cards += "BEGIN:VCARD\nVERSION:4.0\n" + body + "\nEND:VCARD\n";
    return cards;
}

// The file's contacts previewed against `list`, an entry a part: "Ani* 1960-01-07" (New,
// chosen), "Dewi* 1971-01-01<1970-01-01" (Update), "Eko =" (Same), "Budi: why" (Skipped);
// then "!problem", then "~2/1" when rows read only day first (2) or only month first (1).
QString Preview(const QString& file, const QByteArray& bytes, DateOrder order,
                const FriendList& list) {
    const ContactsRead read = ReadContacts(bytes, file, order);
    QStringList parts;
    for (const ImportEntry& e : PreviewImport(list, read.contacts)) {
        const QString date = e.birth.toString(Qt::ISODate);
        const QString listed = e.listedBirth.toString(Qt::ISODate);
        const QString what = e.verdict == Verdict::Skipped ? QStringLiteral(": ") + e.reason
                             : e.verdict == Verdict::Same  ? QStringLiteral(" =")
                             : e.verdict == Verdict::New   ? u' ' + date
                                                           : u' ' + date + u'<' + listed;
        parts << e.name + (e.chosen ? "*" : "") + what;
    }
    if (!read.problem.isEmpty()) parts << u'!' + read.problem;
    if (read.dayFirstOnly + read.monthFirstOnly > 0)
        parts << QStringLiteral("~%1/%2").arg(read.dayFirstOnly).arg(read.monthFirstOnly);
    return parts.join("; ");
}

struct Row {
    QString file;
    QByteArray bytes;
    QString preview;
    DateOrder order = DayMonthYear;
    int filler = 0;
};

} // namespace

Q_DECLARE_METATYPE(Row)

class TestContacts : public QObject {
    Q_OBJECT
private slots:
    void preview_data() {
        QTest::addColumn<Row>("r");
        QTest::newRow("3.0: folded, grouped, escaped, parameters")
            << Row{"a.vcf",
                   "\xEF\xBB\xBF"
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nitem1.FN:McDonald\\, O'Brien\r\n\t van\r\n"
                   "BDAY;VALUE=date:1960-01-07\r\nEND:VCARD\r\n",
                   "McDonald, O'Brien van* 1960-01-07"};
        QTest::newRow("birthday forms") << Row{
            "a.vcf",
            Cards({"FN:Ani\nBDAY:19600107T120000Z", "FN:Budi\nBDAY:--0107",
                   "FN:Citra\nBDAY:--01-07", "FN:Dodi\nBDAY:--0230", "FN:Fajar\nBDAY:1960-02-30",
                   "FN:Hadi\nBDAY:18500101", "FN:Indah", "N:Santoso;Joko;;;\nBDAY:2040-12-31",
                   "FN:\nBDAY:2000-01-01", "FN:Kiki\nBDAY:1604-03-05"}),
            "Ani* 1960-01-07; Budi: tanpa tahun; Citra: tanpa tahun; Dodi: tanggal tak "
            "terbaca: --0230; Fajar: tanggal tak terbaca: 1960-02-30; Hadi: tahun 1850 di "
            "luar 1901–2040; Indah: tanpa tanggal lahir; Joko Santoso* 2040-12-31; : tanpa "
            "nama; Kiki: tanpa tahun"};
        QTest::newRow("a last card cut short")
            << Row{"a.vcf", Cards({"FN:Ani\nBDAY:19600107"}) + "BEGIN:VCARD\r\nFN:Budi\r\n",
                   "Ani* 1960-01-07; !Berhenti di baris 7: kartu terakhir tanpa END:VCARD, tidak "
                   "dibaca."};
        QTest::newRow("2.1 quoted-printable in a charset")
            << Row{"a.vcf",
                   "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:"
                   "M=FCller;J=\r\n=FCrgen\r\nBDAY:1965-05-05\r\nEND:VCARD\r\nBEGIN:VCARD\r\n"
                   "FN;CHARSET=UTF-8;QUOTED-PRINTABLE:=C3=81nh\r\nBDAY:1965-05-05\r\nEND:VCARD",
                   "Jürgen Müller* 1965-05-05; Ánh* 1965-05-05"};
        QTest::newRow("names listed, twice, the own, cleaned") << Row{
            "a.vcf",
            Cards({"FN:dewi\nBDAY:1971-01-01", "FN:Eko\nBDAY:1980-02-29", "FN:Ani\nBDAY:1960-01-07",
                   "FN:ANI\nBDAY:1961-01-01", "FN:(hari ulang tahun saya)\nBDAY:1960-01-07",
                   "FN:  ani\tbudi\a citra\\n dewi eka fajar\nBDAY:1960-01-07"}),
            "Dewi* 1971-01-01<1970-01-01; Eko =; Ani* 1960-01-07; ANI: nama ganda dalam "
            "berkas; (hari ulang tahun saya): nama entri Anda sendiri; ani budi citra dewi "
            "eka* 1960-01-07"};
        QTest::newRow("listed whatever the letter case; direction controls dropped")
            << Row{"a.vcf",
                   Cards({"FN:DEWI\nBDAY:1970-01-01", "FN:eKO\nBDAY:1981-03-01",
                          "FN:Ani\u202E\u2066Budi\u2069\nBDAY:1960-01-07"}),
                   "Dewi =; Eko* 1981-03-01<1980-02-29; AniBudi* 1960-01-07"};
        QTest::newRow("CSV: a spreadsheet's apostrophe off only before = + - @")
            << Row{"a.csv",
                   "Nama,Tanggal Lahir\n'=Ani,1960-01-07\n'-Budi,1960-01-07\n't Hart,1960-01-07\n",
                   "=Ani* 1960-01-07; -Budi* 1960-01-07; 't Hart* 1960-01-07"};
        QTest::newRow("the 1000th friend") << Row{
            "a.vcf",
            Cards({"FN:Ani\nBDAY:19600107", "FN:Budi\nBDAY:19600107", "FN:Dewi\nBDAY:19710101"}),
            "Ani* 1960-01-07; Budi: daftar penuh (999 teman); Dewi* 1971-01-01<1970-01-01",
            DayMonthYear, 995};
        QTest::newRow("not UTF-8")
            << Row{"a.vcf", Cards({"FN:Ani\nBDAY:19600107", "FN:B\xFF", "FN:Budi"}),
                   "Ani* 1960-01-07; !Berhenti di baris 8: bukan teks UTF-8."};
        QTest::newRow("a .vcf of no vCard")
            << Row{"a.vcf", "Nama,Tanggal Lahir\nAni,1960-01-07\n",
                   "!Berkas ini bukan vCard: tidak ada BEGIN:VCARD."};
        QTest::newRow("empty") << Row{"a.csv", " \r\n", "!Berkas kosong."};
        QTest::newRow("CSV: quotes, day first")
            << Row{"a.csv",
                   "\xEF\xBB\xBF"
                   "Full Name,Phone,Birthday\r\n\"Santoso, Budi\",1,07/01/1960\r\n"
                   "\"Ani \"\"si\"\"\r\nKecil\",2,7.1.1960 0:00\r\n\r\nCitra,3,--01-07\r\n"
                   "Fa\"jar,4,1960-01-07\r\nDewi,,1970-01-01\r\nEko,,29/02/80",
                   "Santoso, Budi* 1960-01-07; Ani \"si\" Kecil* 1960-01-07; Citra: tanpa tahun; "
                   "Fa\"jar* 1960-01-07; Dewi =; Eko: tanggal tak terbaca: 29/02/80"};
        QTest::newRow("CSV: first and last names, month first")
            << Row{"a.txt",
                   "nama depan,NAMA BELAKANG,Tanggal Lahir\nani,santoso,1/7/1960\n"
                   "budi,,1960/01/07\n\"citra,1960-01-07\n",
                   "ani santoso* 1960-01-07; budi* 1960-01-07; !Berhenti di baris 4: tanda "
                   "petik tidak ditutup.",
                   MonthDayYear};
        QTest::newRow("CSV: a mail client's split birthday, empty cells") << Row{
            "a.csv",
            "\"First Name\",\"Last Name\",\"Display Name\",\"Primary Email\",\"Birth "
            "Year\",\"Birth Month\",\"Birth Day\",\"Notes\"\nAni,Santoso,Ani S.,a@x.id,1985,3,15,"
            "\nBudi,Hartono,,,,7,1,\nCitra,,,,,,,\nDodi,,,,1990,2,30,\nEka,,,,0,0,0,x\n",
            "Ani S.* 1985-03-15; Budi Hartono: tanpa tahun; Citra: tanpa tanggal lahir; "
            "Dodi: tanggal tak terbaca: 1990/2/30; Eka: tanpa tanggal lahir"};
        // Bare CR line ends; "3/15/1985" reads only month first, "0/0/00" is no date.
        const QByteArray monthFirst =
            "Name,Birthday\rAni,3/15/1985\rBudi,11/5/1970\rCitra,0/0/00\rDodi,\r";
        QTest::newRow("CSV: month first asked")
            << Row{"a.csv", monthFirst,
                   "Ani* 1985-03-15; Budi* 1970-11-05; Citra: tanpa tanggal lahir; Dodi: tanpa "
                   "tanggal lahir; ~0/1",
                   MonthDayYear};
        QTest::newRow("CSV: month first, read day first")
            << Row{"a.csv", monthFirst,
                   "Ani: tanggal ini hanya terbaca dengan urutan lain: 3/15/1985; Budi* "
                   "1970-05-11; Citra: tanpa tanggal lahir; Dodi: tanpa tanggal lahir; ~0/1"};
        QTest::newRow("CSV: rows that disagree")
            << Row{"a.csv", "Name,Birthday\r\nAni,15/3/1985\r\nBudi,3/15/1985\r\nCitra,1/2/1985",
                   "Ani* 1985-03-15; Budi: tanggal ini hanya terbaca dengan urutan lain: "
                   "3/15/1985; Citra* 1985-02-01; ~1/1"};
        QTest::newRow("a vCard under another name")
            << Row{"kontak.txt", Cards({"FN:Ani\nBDAY:1960-01-07"}), "Ani* 1960-01-07"};
        QTest::newRow("vCard: any line end")
            << Row{"a.vcf",
                   "BEGIN:VCARD\rFN:Ani\rBDAY:1960-01-07\rEND:VCARD\rBEGIN:VCARD\r\nFN:Budi\r"
                   "BDAY:1961-01-07\r\nEND:VCARD\n",
                   "Ani* 1960-01-07; Budi* 1961-01-07"};
        QTest::newRow("CSV of no known header")
            << Row{"a.csv", "Nama,Telepon\nAni,1\n",
                   "!Baris pertama berkas CSV ini tidak menyebut kolom nama dan tanggal lahir."};
    }
    void preview() {
        QFETCH(Row, r);
        QCOMPARE(Preview(r.file, r.bytes, r.order, People(r.filler)), r.preview);
    }

    // A name cut to the list's length may be someone else's: that update starts unticked.
    void aCutNameIsNotTickedToUpdate() {
        FriendList list = People();
        list.Save("Raden Mas Panji Kusumawa", {"1", "January", "1970"});
        const auto entries = PreviewImport(
            list,
            ReadVCards(Cards({"FN:Raden Mas Panji Kusumawati Sari\nBDAY:19990909"})).contacts);
        QCOMPARE(entries[0].verdict, Verdict::Update);
        QVERIFY(entries[0].cut && !entries[0].chosen);
    }

    void limits() {
        const QByteArray card = "BEGIN:VCARD\nFN:A\nEND:VCARD\n", row = "A,\n";
        const std::tuple<QByteArray, const char*, int, QString> rows[] = {
            {card.repeated(10'001), "a.vcf", 10'000,
             "Berhenti di baris 30001: lebih dari 10000 kontak."},
            {"Nama,Tanggal Lahir\n" + row.repeated(10'001), "a.csv", 10'000,
             "Berhenti di baris 10002: lebih dari 10000 kontak."},
            {card + "BEGIN:VCARD\nNOTE:" + QByteArray(70'000, 'x'), "a.vcf", 1,
             "Berhenti di baris 5: baris lebih dari 64 KB."},
            // A name unfolded to exactly 64 KB is read whole.
            {"BEGIN:VCARD\nFN:" + QByteArray(1021, 'x') + "\n" +
                 QByteArray(" " + QByteArray(1024, 'x') + "\n").repeated(63) + "END:VCARD\n",
             "a.vcf", 1, ""},
            // A photo folded over 70 KB is passed over.
            {"BEGIN:VCARD\nPHOTO:\n" + QByteArray(" " + QByteArray(69, 'x') + "\n").repeated(1000) +
                 card.mid(12),
             "a.vcf", 1, ""}};
        for (const auto& [bytes, file, count, problem] : rows) {
            const ContactsRead read = ReadContacts(bytes, file, DayMonthYear);
            QCOMPARE(QPair(int(read.contacts.size()), read.problem), QPair(count, problem));
        }
        QTemporaryDir dir;
        QFile big(dir.filePath("big.vcf"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(MaxFileBytes + 1));
        QVERIFY(ReadContactsFile(big.fileName(), DayMonthYear)
                    .problem.startsWith("Berkas lebih dari 16 MB"));
    }

    // Every name and date comes back as listed; lines fold at 75 octets, never inside a character.
    void roundTrip() {
        const FriendList list = Unusual();
        for (const auto& [bytes, file] :
             {std::pair(FriendsVCard(list), "x.vcf"), {FriendsCsv(list), "x.csv"}}) {
            const auto preview =
                PreviewImport(list, ReadContacts(bytes, file, YearMonthDay).contacts);
            QCOMPARE(std::count_if(preview.begin(), preview.end(),
                                   [](const ImportEntry& e) { return e.verdict == Verdict::Same; }),
                     list.FriendCount);
            QVERIFY(SameList(ApplyImport(list, preview), list));
        }
        // vCard's text escapes, as any reader expects them.
        QVERIFY(FriendsVCard(list).contains("\r\nFN:Smith\\, John\r\n") &&
                FriendsVCard(list).contains("\r\nFN:Ani \"si\"\\; Kecil\\\\\r\n"));
        // A spreadsheet shows these as text, not as a formula.
        for (const char* cell :
             {"\n'=cmd|' /C calc'!A0,", "\n'+62 Budi,", "\n'-Dodi-,", "\n'@Eka,", "\n't Hart,"})
            QVERIFY2(FriendsCsv(list).contains(cell), cell);
        for (const QByteArray& text : {FriendsVCard(list), BirthdayCalendar(list, {})})
            for (const QByteArray& line : text.split('\n'))
                QVERIFY(line.size() <= 76 && QByteArrayView(line).isValidUtf8());
    }

    void calendar() {
        QTemporaryDir dir;
        QFile ics(dir.filePath("birthdays.ics"));
        QVERIFY(ics.open(QIODevice::WriteOnly));
        ics.write(BirthdayCalendar(Exported(), QDateTime(QDate(2024, 1, 2), QTime(3, 4), Qt::UTC)));
        ics.close();
        QProcess python;
        python.start("/usr/bin/python3", {QFINDTESTDATA("check_ics.py"), ics.fileName()});
        QVERIFY(python.waitForFinished(60'000));
        if (python.exitCode() == 77) QSKIP("python3-icalendar is missing");
        QCOMPARE(python.readAllStandardError(), "");
        QCOMPARE(
            QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QStringList({"Ulang tahun Ani \"si\"; Kecil\\|1999-03-02|2023-03-02|TRANSPARENT",
                         "Ulang tahun Dewi|1970-01-01|2023-01-01|TRANSPARENT",
                         "Ulang tahun Eko|1980-02-29|2023-02-28|TRANSPARENT",
                         "Ulang tahun Gita|1990-01-07|2023-01-07|TRANSPARENT",
                         "Ulang tahun Smith, John|1999-03-02|2023-03-02|TRANSPARENT",
                         "Ulang tahun Ễễễễễễễễễễễễễễễễễễễễễễễ|1999-03-02|2023-03-02|TRANSPARENT"}));
    }

    void upcoming() {
        const std::tuple<QDate, int, QString> rows[] = {
            // Across the year's end; a tie in list order; the 30th day ahead is in.
            {QDate(2022, 12, 20), 30, "1 12 53; 0 18 63; 3 18 33"},
            {QDate(2022, 12, 8), 30, "1 24 53; 0 30 63; 3 30 33"},
            // 29 February on the 28th in a common year; `days` after today.
            {QDate(2023, 2, 20), 8, "2 8 43 moved"},
            {QDate(2023, 2, 20), 7, ""},
            {QDate(2024, 2, 29), 0, "2 0 44"},
            // Born that day: no birthday yet.
            {QDate(1990, 1, 7), 0, "0 0 30"}};
        for (const auto& [today, days, expected] : rows) {
            QStringList got;
            const FriendList list = People();
            for (const UpcomingBirthday& b : UpcomingBirthdays(list, today, days))
                got << QStringLiteral("%1 %2 %3%4")
                           .arg(list.IndexOf(b.person))
                           .arg(b.daysLeft)
                           .arg(b.age)
                           .arg(b.movedFromLeapDay ? " moved" : "");
            QCOMPARE(got.join("; "), expected);
        }
    }

    void findAndRename() {
        const NameFinder finder({FriendList::OwnEntryName, "Zoë Straße", "Ánh", "Anh"});
        QCOMPARE(QList<qsizetype>({finder.Find("ANH"), finder.Find("zoe str"), finder.Find(""),
                                   finder.Find("x")}),
                 QList<qsizetype>({2, 1, -1, -1}));
        using enum FriendList::RenameOutcome;
        const std::tuple<int, QString, FriendList::RenameOutcome, int, QString> rows[] = {
            {3, "Ani", Renamed, 1, "Ani Dewi Eko"}, // Gita's date goes with her
            {0, "Ani", NotAFriend, -1, "Dewi Eko Gita"},
            {1, "", EmptyName, -1, "Dewi Eko Gita"},
            {1, "Eko", NameTaken, -1, "Dewi Eko Gita"}};
        for (const auto& [index, name, outcome, at, names] : rows) {
            FriendList list = People();
            const auto renamed = list.Rename(index, name);
            QCOMPARE(QPair(renamed.outcome, renamed.index), QPair(outcome, at));
            QCOMPARE(list.Names().mid(1).join(' '), names);
            QCOMPARE(list.Entry(list.Find("Ani") > 0 ? 1 : 3).birth.year, "1990");
        }
    }
};

QTEST_GUILESS_MAIN(TestContacts)
#include "tst_contacts.moc"
