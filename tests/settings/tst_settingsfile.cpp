#include "TestFiles.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

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
        // Names past the count are friends the user has; a copy of one read
        // already is what an older removal left behind.
        QTest::newRow("names past count 0")
            << QByteArray("No. of Friends=0\r\nName001=Ani\r\n") << "1-Jan-1960"
            << "Ani 1-Jan-1960" << 1;
        QTest::newRow("count beyond the names")
            << QByteArray("No. of Friends=999999\r\nName001=Ani\r\n") << "1-Jan-1960"
            << "Ani 1-Jan-1960" << 0;
        QTest::newRow("names past a small count")
            << QByteArray("No. of Friends=1\r\nName001=Ani\r\nName002=Budi\r\nName003=Cici\r\n")
            << "1-Jan-1960"
            << "Ani 1-Jan-1960, Budi 1-Jan-1960, Cici 1-Jan-1960" << 1;
        QTest::newRow("a removal's leftover past the count")
            << QByteArray("No. of Friends=2\r\nName001=Ani\r\nName002=Cici\r\nName003=Cici\r\n")
            << "1-Jan-1960"
            << "Ani 1-Jan-1960, Cici 1-Jan-1960" << 0;
        QTest::newRow("other spellings are not friend keys")
            << QByteArray("No. of Friends=1\r\nName001=Ani\r\nName0002=X\r\nNameX=Y\r\n")
            << "1-Jan-1960"
            << "Ani 1-Jan-1960" << 0;
        // A damaged count: read every name there is, and say so.
        for (const char* count :
             {"lots", "-1", "99999999999999999999", "1e20", "1000000", "2.5", " "}) {
            QTest::addRow("count %s", count)
                << QByteArray("No. of Friends=") + count +
                       "\r\nName001=Ani\r\nName002=Budi\r\nName004=Dewi\r\n"
                << "1-Jan-1960"
                << "Ani 1-Jan-1960, Budi 1-Jan-1960, Dewi 1-Jan-1960" << 1;
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

    void atMost999Friends() {
        QByteArray personal = "No. of Friends=1001\r\n";
        for (int i = 1; i <= 1001; ++i)
            personal += "Name" + FriendNumber(i).toLatin1() + "=F" + QByteArray::number(i) + "\r\n";
        const StoredPersonal p = Reader(personal).ReadPersonalSection();
        QCOMPARE(p.friends.size(), std::size_t(FriendList::MaxFriends));
        QCOMPARE(p.friends.back().name, "F999");
        QCOMPARE(p.hidden, 2);
        QCOMPARE(p.problems, QStringList{"The settings file holds 1001 friends, more than the 999 "
                                         "the list can show; the other 2 stay in the file as they "
                                         "are."});
    }

    void numbering() {
        QCOMPARE(FriendNumber(1), "001");
        QCOMPARE(FriendNumber(42), "042");
        QCOMPARE(FriendNumber(999), "999");
        QCOMPARE(FriendNumber(1000), "1000");
    }

    void readsBackWhatItWrites() {
        ProfileDocument d("; kept\r\n[PERSONAL]\r\nNo. of Friends=3\r\n");
        FriendList list;
        list.Load({"5", "September", "1975"}, {{"  Spaced  ", {"31", "December", "2040"}},
                                               {"\"Quoted\"", {"1", "January", "1901"}}});
        for (const ProfileWrite& w : list.PersonalWrites())
            d.WriteString(w.section, w.key, w.value);
        for (const ProfileWrite& w :
             OptionWrites({true, false, true, true, false, true, false, true}))
            d.WriteString(w.section, w.key, w.value);
        QVERIFY(d.Bytes().startsWith("; kept\r\n[PERSONAL]\r\nNo. of Friends=2\r\n"));
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

    // Whatever the count says, no friend in the file is ever written over:
    // not at the repairing run, not at any later one.
    void noFriendIsEverWrittenOver_data() {
        QTest::addColumn<QByteArray>("personal");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("count too small")
            << QByteArray("No. of Friends=1\r\nName001=Ani\r\nName002=Budi\r\nName003=Cici\r\n")
            << QStringList{"Ani", "Budi", "Cici"};
        QTest::newRow("damaged count, a gap")
            << QByteArray("No. of Friends=x\r\nName001=A\r\nName002=B\r\nName005=E\r\n")
            << QStringList{"A", "B", "E"};
        QTest::newRow("no count, a date without its name")
            << QByteArray("Name001=Ani\r\nBDay002=1-Jan-1970\r\nName003=Hidden\r\n")
            << QStringList{"Ani", "Hidden"};
    }
    void noFriendIsEverWrittenOver() {
        QFETCH(QByteArray, personal);
        QFETCH(QStringList, names);
        WriteAll(ini, "[PERSONAL]\r\n" + personal);
        for (const char* added : {"Dewi", "Eka", "Fajar"}) { // one run each
            SettingsStore store(ini);
            FriendList list = Loaded(store.Load());
            QCOMPARE(list.FriendCount, names.size());
            list.Save(added, {"2", "March", "1980"});
            QCOMPARE(store.SavePersonal(list), QString());
            names << added;
            for (const QString& name : names)
                QVERIFY2(ReadAll(ini).contains("=" + name.toUtf8() + "\r\n"), qPrintable(name));
        }
    }

    // More friends than the list shows: each stays in the file byte for byte.
    void friendsPast999StayInTheFile() {
        QByteArray personal = "[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\nNo. of Friends=1001\r\n";
        for (int i = 1; i <= 1001; ++i)
            personal += "Name" + FriendNumber(i).toLatin1() + "=F" + QByteArray::number(i) +
                        "\r\nBday" + FriendNumber(i).toLatin1() + "=1-Jan-1970\r\n";
        WriteAll(ini, personal);
        const QByteArray past = personal.mid(personal.indexOf("Name1000="));
        SettingsStore store(ini);
        FriendList list = Loaded(store.Load());
        list.Remove(list.Find("F500"));
        QCOMPARE(store.SavePersonal(list), QString());
        QVERIFY(ReadAll(ini).endsWith(past));
        QVERIFY(!ReadAll(ini).contains("=F500\r\n"));
        const StoredSettings next = SettingsStore(ini).Load(); // 998, then F1000 past the count
        QCOMPARE(next.personal.friends.back().name, "F1000");
        QCOMPARE(next.personal.hidden, 1);
    }

    // A name longer than a value is read is shown cut and written back whole.
    void longNamesStayWhole() {
        const QByteArray longName = QByteArray(79, 'x') + "yz tail";
        WriteAll(ini, "[PERSONAL]\r\nNo. of Friends=1\r\nName001=" + longName + "\r\n");
        SettingsStore store(ini);
        FriendList list = Loaded(store.Load());
        QCOMPARE(list.FriendName[1], QString(79, 'x') + 'y');
        list.Save("Ani", {"2", "March", "1980"}); // moves it to number 2
        QCOMPARE(store.SavePersonal(list), QString());
        QVERIFY(ReadAll(ini).contains("Name002=" + longName + "\r\n"));
    }

    // The user's own link to a file not made yet: the first save makes it.
    void aLinkToAFileNotMadeYet() {
        const QString target = dir.filePath("elsewhere/real.ini");
        QVERIFY(QFile::link(target, ini));
        SettingsStore store(ini);
        FriendList list = Loaded(store.Load());
        QCOMPARE(store.Blocked(), QString());
        QCOMPARE(store.SavePersonal(list), QString());
        QVERIFY(QFileInfo(ini).isSymLink());
        QVERIFY(ReadAll(target).startsWith("[PERSONAL]\r\n"));
        QCOMPARE(QFileInfo(target).permissions() & 0x0077, 0); // birth dates: the owner's alone
    }

    // What cannot be read is not read, at once, and never written.
    void aFileThatCouldNotBeReadIsNeverWritten_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder"
                                << "it is a folder";
        QTest::newRow("pipe") << "pipe"
                              << "it is not a regular file";
        QTest::newRow("link to a device") << "device"
                                          << "it is not a regular file";
        QTest::newRow("too large") << "large"
                                   << "it is larger than 64 MB";
    }
    void aFileThatCouldNotBeReadIsNeverWritten() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        if (kind == "folder") QVERIFY(QDir().mkpath(ini));
        if (kind == "pipe") QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
        if (kind == "device") QVERIFY(QFile::link("/dev/zero", ini));
        if (kind == "large") {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(MaxProfileBytes + 1));
        }
        SettingsStore store(ini);
        const StoredSettings stored = store.Load();
        QCOMPARE(stored.problems.size(), 1);
        QVERIFY2(stored.problems[0].contains("could not be read (" + reason + ")"),
                 qPrintable(stored.problems[0]));
        FriendList list = Loaded(stored);
        QVERIFY(store.SavePersonal(list).contains("does not overwrite"));
        QVERIFY(store.SaveOptions({}).contains("does not overwrite"));
        QVERIFY(store.CloseFailedMessage("x").contains("Save elsewhere, close"));
        const QString elsewhere = ini + "-saved.ini";
        QCOMPARE(store.SaveAllTo(elsewhere, list, {true}), QString());
        QVERIFY(ReadAll(elsewhere).contains("[ONDULIX OPTIONS]\r\nPhysical=True\r\n"));
        QFile::remove(ini);
        QDir(ini).removeRecursively();
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

    // Only this program's own temporary files, left by a save that was
    // interrupted before this copy started, are removed.
    void onlyOurInterruptedSavesAreRemoved() {
        const QDateTime started = QDateTime::currentDateTime();
        const QString name = QFileInfo(ini).fileName();
        const QStringList files{"." + name + ".ondulix-AbC123", name + ".backup", name + ".201912",
                                name + ".AbC123", "." + name + ".ondulix-young1"};
        for (const QString& f : files) {
            WriteAll(dir.filePath(f), "partial");
            QFile file(dir.filePath(f));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(started.addSecs(f.endsWith("young1") ? 5 : -60),
                                     QFileDevice::FileModificationTime));
        }
        SettingsStore(ini, started).Load();
        for (const QString& f : files)
            QCOMPARE(QFile::exists(dir.filePath(f)), f != files[0]);
    }
};

int main(int argc, char* argv[]) {
    TestSettingsFile file;
    TestSettingsStore store;
    return QTest::qExec(&file, argc, argv) | QTest::qExec(&store, argc, argv);
}
#include "tst_settingsfile.moc"
