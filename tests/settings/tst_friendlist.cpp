#include "settings/FriendList.h"

#include <QTest>

using namespace settings;
using Outcome = FriendList::SaveOutcome;

namespace {

const cal::DateTrio Jan7{"7", "January", "1960"};
const cal::DateTrio Old{"1", "January", "1970"};

FriendList ListOf(const QStringList& names) {
    std::vector<Friend> friends;
    for (const QString& n : names)
        friends.push_back({n, Old});
    FriendList list;
    list.Load({"1", "January", "1960"}, friends);
    return list;
}

QStringList Friends(const FriendList& list) {
    return list.Names().mid(1);
}

} // namespace

class TestFriendList : public QObject {
    Q_OBJECT
private slots:
    void saves_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("index");
        const int inserted = int(Outcome::Inserted), updated = int(Outcome::Updated);
        QTest::newRow("first friend")
            << QStringList{} << "Budi" << QStringList{"Budi"} << inserted << 1;
        QTest::newRow("in name order") << QStringList{"Ani", "Citra"} << "Budi"
                                       << QStringList{"Ani", "Budi", "Citra"} << inserted << 2;
        QTest::newRow("at the end") << QStringList{"Ani", "Citra"} << "Dewi"
                                    << QStringList{"Ani", "Citra", "Dewi"} << inserted << 3;
        QTest::newRow("in front") << QStringList{"Ani", "Citra"} << "Abe"
                                  << QStringList{"Abe", "Ani", "Citra"} << inserted << 1;
        QTest::newRow("by character code") << QStringList{"Ani", "budi"} << "Budi"
                                           << QStringList{"Ani", "Budi", "budi"} << inserted << 2;
        QTest::newRow("a listed name: new date") << QStringList{"Ani", "Citra"} << "Citra"
                                                 << QStringList{"Ani", "Citra"} << updated << 2;
        QTest::newRow("letter case makes another name")
            << QStringList{"Ani"} << "ani" << QStringList{"Ani", "ani"} << inserted << 2;
        // A file's order is kept; the search stops at the first later name.
        QTest::newRow("unsorted file") << QStringList{"Zed", "Ani"} << "Budi"
                                       << QStringList{"Budi", "Zed", "Ani"} << inserted << 1;
        QTest::newRow("no name: the own date")
            << QStringList{"Ani"} << "" << QStringList{"Ani"} << int(Outcome::OwnDate) << 0;
    }
    void saves() {
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(QStringList, after);
        QFETCH(int, outcome);
        QFETCH(int, index);
        FriendList list = ListOf(before);
        const auto saved = list.Save(name, Jan7);
        QCOMPARE(int(saved.outcome), outcome);
        QCOMPARE(saved.index, index);
        QCOMPARE(Friends(list), after);
        QCOMPARE(list.FriendCount, after.size());
        QCOMPARE(list.FriendName[0], "(Hari Ulang Tahun saya)");
        QCOMPARE(list.Entry(index).birth, Jan7);
        // Every other entry keeps its date.
        for (int i = 1; i <= list.FriendCount; ++i)
            if (i != index) QCOMPARE(list.Entry(i).birth, Old);
    }

    void aFullListRefusesOnlyANewName() {
        QStringList names;
        for (int i = 1; i <= FriendList::MaxFriends; ++i)
            names << QString("F%1").arg(i, 3, 10, QChar('0'));
        FriendList list = ListOf(names);
        QCOMPARE(list.FriendCount, 999);
        const auto refused = list.Save("Zed", Jan7);
        QCOMPARE(refused.outcome, Outcome::Full);
        QCOMPARE(list.FriendCount, 999);
        QCOMPARE(list.FriendName[999], "F999");
        QCOMPARE(list.Save("F500", Jan7).outcome, Outcome::Updated);
        QCOMPARE(list.FriendYear[500], "1960");
        QCOMPARE(list.Save("", Jan7).outcome, Outcome::OwnDate);
    }

    void loadKeepsAtMostTheCapacity() {
        std::vector<Friend> friends(1001, Friend{"X", Old});
        FriendList list;
        list.Load(Jan7, friends);
        QCOMPARE(list.FriendCount, FriendList::MaxFriends);
        QCOMPARE(list.Entry(0).birth, Jan7);
    }

    void removes_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first") << 1 << QStringList{"Budi", "Citra"};
        QTest::newRow("middle") << 2 << QStringList{"Ani", "Citra"};
        QTest::newRow("last") << 3 << QStringList{"Ani", "Budi"};
    }
    void removes() {
        QFETCH(int, index);
        QFETCH(QStringList, after);
        FriendList list = ListOf({"Ani", "Budi", "Citra"});
        list.Remove(index);
        QCOMPARE(list.FriendCount, 2);
        QCOMPARE(Friends(list), after);
        const qsizetype citra = after.indexOf("Citra");
        QCOMPARE(list.Find("Citra"), citra < 0 ? -1 : citra + 1);
    }

    void findsExactNamesOnly() {
        const FriendList list = ListOf({"Ani", "Budi"});
        QCOMPARE(list.Find("Budi"), 2);
        QCOMPARE(list.Find("budi"), -1);
        QCOMPARE(list.Find("(Hari Ulang Tahun saya)"), -1); // the own entry is no friend
    }

    void writesTheExampleFileByteForByte() {
        FriendList list = ListOf({});
        list.Save("Ani", {"1", "January", "1960"});
        ProfileDocument d;
        for (const ProfileWrite& w : list.PersonalWrites())
            d.WriteString(w.section, w.key, w.value);
        QCOMPARE(d.Bytes(), QByteArray("[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\nNo. of "
                                       "Friends=1\r\nName001=Ani\r\nBday001=1-Jan-1960\r\n"));
    }

    void writesSeptemberAsSep() {
        FriendList list = ListOf({});
        list.Save("Ani", {"5", "September", "1975"});
        const auto writes = list.PersonalWrites();
        QCOMPARE(writes.back().key, "Bday001");
        QCOMPARE(writes.back().value, "5-Sep-1975");
    }
};

QTEST_GUILESS_MAIN(TestFriendList)
#include "tst_friendlist.moc"
