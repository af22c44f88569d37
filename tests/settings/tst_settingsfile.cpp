#include "TestFiles.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
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
        QTest::newRow("count beyond the names")
            << QByteArray("No. of Friends=999999\r\nName001=Ani\r\n") << "1-Jan-1960"
            << "Ani 1-Jan-1960" << 0;
        QTest::newRow("stale keys past the count stay unread")
            << QByteArray("No. of Friends=1\r\nName001=Ani\r\nName002=Gone\r\n") << "1-Jan-1960"
            << "Ani 1-Jan-1960" << 0;
        // A damaged count: read the names up to the first missing one, and say so.
        for (const char* count :
             {"lots", "-1", "99999999999999999999", "1e20", "1000000", "2.5", " "}) {
            QTest::addRow("count %s", count)
                << QByteArray("No. of Friends=") + count +
                       "\r\nName001=Ani\r\nName002=Budi\r\nName004=Dewi\r\n"
                << "1-Jan-1960"
                << "Ani 1-Jan-1960, Budi 1-Jan-1960" << 1;
        }
        QTest::newRow("count missing")
            << QByteArray("Name001=Ani\r\nBDay001=5-Sep-1970\r\n") << "1-Jan-1960"
            << "Ani 5-Sep-1970" << 1;
        QTest::newRow("NUL inside the count's key")
            << QByteArray("No. of\0Friends=1\r\nName001=Ani\r\n", 31) << "1-Jan-1960"
            << "Ani 1-Jan-1960" << 1;
        QTest::newRow("empty count, no friends: nothing to say")
            << QByteArray("No. of Friends=\r\n") << "1-Jan-1960"
            << "" << 0;
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

    // Entries a damaged count hid are kept apart so that no save writes over them.
    void whatWasNotRead_data() {
        QTest::addColumn<QByteArray>("personal");
        QTest::addColumn<int>("examined");
        QTest::addColumn<int>("unloaded");
        QTest::newRow("count") << QByteArray("No. of Friends=2\r\nName001=A\r\nName002=B\r\n"
                                             "Name003=Old\r\n")
                               << 2 << 0;
        QTest::newRow("gap") << QByteArray("No. of Friends=x\r\nName001=A\r\nName002=B\r\n"
                                           "Name005=E\r\n")
                             << 2 << 5;
        QTest::newRow("a date without its name")
            << QByteArray("Name001=A\r\nBDay002=1-Jan-1970\r\nName003=C\r\n") << 1 << 2;
        QTest::newRow("nothing hidden")
            << QByteArray("No. of Friends=-1\r\nName001=A\r\n") << 1 << 0;
    }
    void whatWasNotRead() {
        QFETCH(QByteArray, personal);
        QFETCH(int, examined);
        QFETCH(int, unloaded);
        const StoredPersonal p = Reader(personal).ReadPersonalSection();
        QCOMPARE(p.examinedThrough, examined);
        QCOMPARE(p.unloadedFrom, unloaded);
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
        for (const ProfileWrite& w :
             OptionWrites({true, false, true, true, false, true, false, true}))
            d.WriteString(w.section, w.key, w.value);
        QVERIFY(
            d.Bytes().startsWith("; kept\r\n[PERSONAL]\r\nNo. of Friends=2\r\nName003=Old\r\n"));
        QVERIFY(d.Bytes().contains("My Birthdate=5-Sep-1975\r\n"));
        QVERIFY(d.Bytes().endsWith("[ONDULIX OPTIONS]\r\nPhysical=True\r\nEmotional=False\r\n"
                                   "Intellectual=True\r\nIntuitive=True\r\nPassion=False\r\n"
                                   "Wisdom=True\r\nMastery=False\r\nCenter=True\r\n"));
        const SettingsReader r(d);
        const StoredPersonal p = r.ReadPersonalSection();
        QCOMPARE(cal::StoredDateText(cal::TrioOf(p.ownBirth)), "5-Sep-1975");
        QCOMPARE(p.friends.size(), std::size_t(2));
        QCOMPARE(p.friends[0].name, "Spaced"); // values are trimmed on reading
        QCOMPARE(p.friends[1].name, "\"Quoted\"");
        QCOMPARE(r.ReadOptions(), Options({true, false, true, true, false, true, false, true}));
    }

    void optionDefaults() {
        // A file without the section reads as a first start.
        QCOMPARE(SettingsReader(ProfileDocument()).ReadOptions(),
                 Options({true, true, true, false}));
    }
};

// The store on real files: what a save deletes, what it refuses to touch.
class TestSettingsStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString ini;

    static QByteArray Personal(int count, const QStringList& names) {
        QByteArray bytes = "; mine\r\n[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\nNo. of Friends=" +
                           QByteArray::number(count) + "\r\n";
        for (int i = 0; i < names.size(); ++i)
            bytes += "Name" + FriendNumber(i + 1).toLatin1() + "=" + names[i].toUtf8() +
                     "\r\nBday" + FriendNumber(i + 1).toLatin1() + "=1-Jan-1970\r\n";
        return bytes + "[Other]\r\nx=1\r\n";
    }

    static FriendList Loaded(const StoredSettings& s) {
        FriendList list;
        list.Load(cal::TrioOf(s.personal.ownBirth), s.personal.friends);
        return list;
    }

private slots:
    void init() { ini = dir.filePath(QString("Ondulix-%1.ini").arg(QTest::currentTestFunction())); }

    void aRemovedFriendLeavesNothingBehind() {
        WriteAll(ini, Personal(3, {"Ani", "Budi", "Citra"}));
        SettingsStore store(ini);
        FriendList list = Loaded(store.Load());
        list.Remove(2);
        QCOMPARE(store.SavePersonal(list), QString());
        QCOMPARE(ReadAll(ini), Personal(2, {"Ani", "Citra"}));
        list.Remove(1);
        list.Remove(1);
        QCOMPARE(store.SavePersonal(list), QString());
        QCOMPARE(ReadAll(ini), Personal(0, {}));
    }

    void keysItNeverHadStay() {
        // Stale keys past a valid count were not this run's: they stay.
        WriteAll(ini, "[PERSONAL]\r\nNo. of Friends=1\r\nName001=Ani\r\nName003=Old\r\n");
        SettingsStore store(ini);
        FriendList list = Loaded(store.Load());
        list.Remove(1);
        QCOMPARE(store.SavePersonal(list), QString());
        QCOMPARE(ReadAll(ini), QByteArray("[PERSONAL]\r\nNo. of Friends=0\r\nName003=Old\r\n"
                                          "My Birthdate=1-Jan-1960\r\n"));
    }

    void entriesADamagedCountHidAreNeverWrittenOver() {
        const QByteArray damaged = "[PERSONAL]\r\nName001=Ani\r\nName003=Hidden\r\n";
        WriteAll(ini, damaged);
        SettingsStore store(ini);
        const StoredSettings stored = store.Load();
        QCOMPARE(stored.problems.size(), 1);
        FriendList list = Loaded(stored);
        list.Save("Budi", {"2", "March", "1980"}); // two friends: numbers 1 and 2
        QCOMPARE(store.SavePersonal(list), QString());
        const QByteArray two = ReadAll(ini);
        QVERIFY(two.contains("Name003=Hidden\r\n"));
        list.Save("Citra", {"2", "March", "1980"}); // a third would take number 3
        QVERIFY(store.SavePersonal(list).contains("could not read"));
        QCOMPARE(ReadAll(ini), two);
    }

    void aFileThatCouldNotBeReadIsNeverWritten() {
        QVERIFY(QDir().mkpath(ini)); // a folder where the file should be
        SettingsStore store(ini);
        const StoredSettings stored = store.Load();
        QCOMPARE(stored.problems.size(), 1);
        QVERIFY(stored.problems[0].contains("could not be read"));
        QVERIFY(!store.Blocked().isEmpty());
        FriendList list = Loaded(stored);
        QVERIFY(store.SavePersonal(list).contains("does not overwrite"));
        QVERIFY(store.SaveOptions({}).contains("does not overwrite"));
        // Saving elsewhere works.
        const QString elsewhere = ini + "-saved.ini";
        QCOMPARE(store.SaveAllTo(elsewhere, list, {true}), QString());
        QVERIFY(ReadAll(elsewhere).startsWith("[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\n"));
        QVERIFY(ReadAll(elsewhere).contains("[ONDULIX OPTIONS]\r\nPhysical=True\r\n"));
        QVERIFY(QFileInfo(ini).isDir());
    }

    // A damaged file of every kind at once, and 50 MB of it: what can be
    // read is read, what cannot is said once, and a save changes only its keys.
    void aHugeDamagedFile() {
        QByteArray bytes = "\xEF\xBB\xBF[PERSONAL]\r\nNo. of Friends=3\r\nName001=Ani";
        bytes += '\0';
        bytes += "\r\nName002=" + QByteArray(100000, 'B') +
                 "\r\nBday002=31-Feb-1970\r\nName003=\xFF\xFE\r\n";
        bytes.append("[Junk]\r\n");
        const QByteArray junk = "key = a line of junk ; \"not\" a comment [ ] \t\x01\r\n";
        while (bytes.size() < 50 * 1024 * 1024)
            bytes.append(junk);
        WriteAll(ini, bytes);
        SettingsStore store(ini);
        const StoredSettings stored = store.Load();
        QCOMPARE(stored.personal.friends.size(), std::size_t(3));
        QCOMPARE(stored.personal.friends[0].name, "Ani");
        QCOMPARE(stored.personal.friends[1].name, QString(80, 'B'));
        QCOMPARE(stored.personal.friends[2].name, QString::fromUtf8("\xC3\xBF\xC3\xBE"));
        QCOMPARE(stored.problems.size(), 1); // the impossible date
        FriendList list = Loaded(stored);
        list.Remove(3);
        QCOMPARE(store.SavePersonal(list), QString());
        const QByteArray after = ReadAll(ini);
        QCOMPARE(after.mid(after.indexOf("[Junk]")), bytes.mid(bytes.indexOf("[Junk]")));
        QVERIFY(!after.contains("Name003"));
    }

    void staleTemporariesAreRemoved() {
        const QDateTime started = QDateTime::currentDateTime();
        const QString name = QFileInfo(ini).fileName();
        const QStringList files{name + ".AbC123", name + ".new999", name + ".toolong1",
                                "Other.ini.AbC123", name + ".zzzzzz"};
        for (const QString& f : files)
            WriteAll(dir.filePath(f), "partial");
        for (const QString& f : files.mid(0, 4)) {
            QFile file(dir.filePath(f));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(started.addSecs(-60), QFileDevice::FileModificationTime));
        }
        QFile young(dir.filePath(name + ".zzzzzz")); // another copy's save in progress
        QVERIFY(young.open(QIODevice::ReadWrite));
        QVERIFY(young.setFileTime(started.addSecs(5), QFileDevice::FileModificationTime));
        young.close();
        SettingsStore(ini, started).Load();
        QVERIFY(!QFile::exists(dir.filePath(name + ".AbC123")));
        QVERIFY(!QFile::exists(dir.filePath(name + ".new999")));
        QVERIFY(QFile::exists(dir.filePath(name + ".toolong1")));
        QVERIFY(QFile::exists(dir.filePath("Other.ini.AbC123")));
        QVERIFY(QFile::exists(dir.filePath(name + ".zzzzzz")));
    }
};

int main(int argc, char* argv[]) {
    TestSettingsFile file;
    TestSettingsStore store;
    return QTest::qExec(&file, argc, argv) | QTest::qExec(&store, argc, argv);
}
#include "tst_settingsfile.moc"
