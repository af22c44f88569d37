#include "settings/SettingsFile.h"

#include <QTest>

using namespace settings;

namespace {

SettingsReader Reader(const QByteArray& personal, const QByteArray& options = {}) {
    return SettingsReader(
        ProfileDocument("[PERSONAL]\r\n" + personal + "[ONDULIX OPTIONS]\r\n" + options));
}

QString Names(const StoredPersonal& p) {
    QStringList names;
    for (const Friend& f : p.friends)
        names << f.name + ' ' + cal::StoredDateText(f.birth);
    return names.join(", ");
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void personalValues() {
        const SettingsReader r = Reader("Name001=  Ani  \r\nName002=" + QByteArray(85, 'x') +
                                        "\r\nName003=\"  padded  \"\r\n");
        QCOMPARE(r.ReadPersonal("name001", ""), "Ani");
        QCOMPARE(r.ReadPersonal("Name002", ""), QString(80, 'x'));
        QCOMPARE(r.ReadPersonal("Name003", ""), "padded");
        QCOMPARE(r.ReadPersonal("Name004", "1-Jan-1960"), "1-Jan-1960");
    }

    void options_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("on");
        QTest::newRow("True") << QByteArray("True") << true;
        QTest::newRow("begins with True") << QByteArray("Truest") << true;
        QTest::newRow("lower case") << QByteArray("true") << false;
        QTest::newRow("upper case") << QByteArray("TRUE") << false;
        QTest::newRow("1") << QByteArray("1") << false;
        QTest::newRow("Tru") << QByteArray("Tru") << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("False") << QByteArray("False") << false;
    }
    void options() {
        QFETCH(QByteArray, value);
        QFETCH(bool, on);
        const SettingsReader r = Reader({}, "Intuitive=" + value + "\r\n");
        QCOMPARE(r.ReadOption("Intuitive", "False"), on);
        QCOMPARE(r.ReadOption("Physical", "True"), true); // missing: the default
    }

    void friends_data() {
        QTest::addColumn<QByteArray>("personal");
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("friends");
        QTest::addColumn<int>("problems");
        QTest::newRow("no file") << QByteArray() << "1-Jan-1960"
                                 << "" << 0;
        QTest::newRow("renumbered without gaps")
            << QByteArray("No. of Friends=3\r\nName001=Ani\r\nBDay001=5-Sep-1970\r\n"
                          "Name002=\r\nName003=Citra\r\nBday003=29-Feb-2000\r\n")
            << "1-Jan-1960"
            << "Ani 5-Sep-1970, Citra 29-Feb-2000" << 0;
        QTest::newRow("count 0") << QByteArray("No. of Friends=0\r\nName001=Ani\r\n")
                                 << "1-Jan-1960"
                                 << "" << 0;
        QTest::newRow("negative count")
            << QByteArray("No. of Friends=-2\r\nName001=Ani\r\n") << "1-Jan-1960"
            << "" << 0;
        QTest::newRow("count beyond the names")
            << QByteArray("No. of Friends=99999999\r\nName001=Ani\r\n") << "1-Jan-1960"
            << "Ani 1-Jan-1960" << 0;
        QTest::newRow("count not a number: read until the first missing name")
            << QByteArray("No. of Friends=lots\r\nName001=Ani\r\nName002=Budi\r\nName004=Dewi\r\n")
            << "1-Jan-1960"
            << "Ani 1-Jan-1960, Budi 1-Jan-1960" << 1;
        QTest::newRow("own date unreadable") << QByteArray("My Birthdate=\r\n") << "1-Jan-1960"
                                             << "" << 1;
        QTest::newRow("years brought into range")
            << QByteArray("My Birthdate=29-Feb-2044\r\nNo. of Friends=1\r\nName001=Opa\r\n"
                          "BDay001=3-Mar-1850\r\n")
            << "29-Feb-2040"
            << "Opa 3-Mar-1901" << 2;
        QTest::newRow("a leap day outside the range")
            << QByteArray("My Birthdate=29-Feb-1896\r\n") << "28-Feb-1901"
            << "" << 1;
        QTest::newRow("friend's date unreadable")
            << QByteArray("No. of Friends=1\r\nName001=Ani\r\nBDay001=soon\r\n") << "1-Jan-1960"
            << "Ani 1-Jan-1960" << 1;
    }
    void friends() {
        QFETCH(QByteArray, personal);
        QFETCH(QString, own);
        QFETCH(QString, friends);
        QFETCH(int, problems);
        const StoredPersonal p = Reader(personal).ReadPersonalSection();
        QCOMPARE(cal::StoredDateText(cal::TrioOf(p.ownBirth)), own);
        QCOMPARE(Names(p), friends);
        QCOMPARE(p.problems.size(), problems);
    }

    void atMost999Friends() {
        QByteArray personal = "No. of Friends=1001\r\n";
        for (int i = 1; i <= 1001; ++i)
            personal += "Name" + FriendNumber(i).toLatin1() + "=F" + QByteArray::number(i) + "\r\n";
        const StoredPersonal p = Reader(personal).ReadPersonalSection();
        QCOMPARE(p.friends.size(), std::size_t(FriendList::MaxFriends));
        QCOMPARE(p.friends.back().name, "F999");
        QCOMPARE(p.problems.size(), 1);
        QVERIFY(p.problems[0].contains("999"));
    }

    void numbering() {
        QCOMPARE(FriendNumber(1), "001");
        QCOMPARE(FriendNumber(42), "042");
        QCOMPARE(FriendNumber(999), "999");
        QCOMPARE(FriendNumber(1000), "1000");
    }

    void readsBackWhatItWrites() {
        ProfileDocument d("; kept\r\n[PERSONAL]\r\nNo. of Friends=3\r\nName003=Old\r\n");
        FriendList list;
        list.Load({"5", "September", "1975"}, {{"  Spaced  ", {"31", "December", "2040"}},
                                               {"\"Quoted\"", {"1", "January", "1901"}}});
        for (const ProfileWrite& w : list.PersonalWrites())
            d.WriteString(w.section, w.key, w.value);
        for (const ProfileWrite& w : OptionWrites({true, false, true, true}))
            d.WriteString(w.section, w.key, w.value);
        QVERIFY(
            d.Bytes().startsWith("; kept\r\n[PERSONAL]\r\nNo. of Friends=2\r\nName003=Old\r\n"));
        QVERIFY(d.Bytes().contains("My Birthdate=5-Sep-1975\r\n"));
        QVERIFY(d.Bytes().endsWith("[ONDULIX OPTIONS]\r\nPhysical=True\r\nEmotional=False\r\n"
                                   "Intellectual=True\r\nIntuitive=True\r\n"));
        const SettingsReader r(d);
        const StoredPersonal p = r.ReadPersonalSection();
        QCOMPARE(cal::StoredDateText(cal::TrioOf(p.ownBirth)), "5-Sep-1975");
        QCOMPARE(p.friends.size(), std::size_t(2));
        QCOMPARE(p.friends[0].name, "Spaced"); // values are trimmed on reading
        QCOMPARE(p.friends[1].name, "\"Quoted\"");
        QCOMPARE(r.ReadOptions(), Options({true, false, true, true}));
    }

    void optionDefaults() {
        // A file without the section reads as a first start.
        QCOMPARE(SettingsReader(ProfileDocument()).ReadOptions(),
                 Options({true, true, true, false}));
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
