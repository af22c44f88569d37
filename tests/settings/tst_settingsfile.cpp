#include "TestFiles.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace settings;

namespace {

// A file whose section "PERSONAL" is `personal`, between bytes that must
// stay; lines end in CRLF.
QByteArray File(const QByteArray& personal) {
    return QByteArray("; mine\n[PERSONAL]\n" + personal + "[Other]\nx=1\n").replace("\n", "\r\n");
}

QStringList Numbered(int from, int to) {
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << QString::asprintf("F%d", i);
    return names;
}

// The section as this program writes it, each friend dated 1-Jan-1970.
QByteArray Written(const QStringList& names, int count) {
    QByteArray bytes =
        "My Birthdate=1-Jan-1960\nNo. of Friends=" + QByteArray::number(count) + "\n";
    for (int i = 1; i <= names.size(); ++i)
        bytes +=
            QString::asprintf("Name%03d=%s\nBday%03d=1-Jan-1970\n", i, qPrintable(names[i - 1]), i)
                .toUtf8();
    return bytes;
}

// A settings file loaded, then edited ("-name" removed, "+name" saved dated
// 2-Mar-1980) and saved after each edit.
struct Case {
    QByteArray personal;
    QString friends;            // as read: "name d-Mon-yyyy, ..."
    int problems = 0;           // told to the user
    QString said = {};          // part of what they are told
    QString edits = {};         // comma-separated; none: nothing saved
    QByteArray after = {};      // the section afterwards
    QString own = "1-Jan-1960"; // the own birth date as read
};

} // namespace

Q_DECLARE_METATYPE(Case)

class TestSettingsFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString ini;

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        ini = dir->filePath("Ondulix.ini");
    }

    // An option is on when its first four characters are "True"; a missing one has its default.
    void options() {
        for (const auto& [value, on] : {std::pair{"True", true},
                                        {"Truest", true},
                                        {"true", false},
                                        {"TRUE", false},
                                        {"Tru", false},
                                        {"", false}}) {
            const Options o = SettingsReader(ProfileDocument("[ONDULIX OPTIONS]\r\nIntuitive=" +
                                                             QByteArray(value)))
                                  .ReadOptions();
            QVERIFY2(o[Intuitive] == on && o[Physical] && !o[Passion], value);
        }
    }

    void files_data() {
        QTest::addColumn<Case>("c");
        QTest::newRow("renumbered without gaps")
            << Case{"No. of "
                    "Friends=3\nName001=Ani\nBDay001=5-Sep-1970\nName002=\nName003=Citra\nBday003="
                    "29-Feb-2000\n",
                    "Ani 5-Sep-1970, Citra 29-Feb-2000"};
        QTest::newRow("values trimmed, unquoted and cut to 80")
            << Case{"No. of Friends=3\nName001=  Ani  \nName002=\"  Budi  \"\nName003=" +
                        QByteArray(85, 'x') + "\n",
                    "Ani 1-Jan-1960, Budi 1-Jan-1960, " + QString(80, 'x') + " 1-Jan-1960"};
        // Names past the count are friends the user has; a copy of one read
        // already is what an older removal left behind.
        QTest::newRow("names past count 0")
            << Case{"No. of Friends=0\nName001=Ani\n", "Ani 1-Jan-1960", 1,
                    "says 0, but the settings file names 1 more friend"};
        QTest::newRow("count beyond the names")
            << Case{"No. of Friends=999999\nName001=Ani\n", "Ani 1-Jan-1960"};
        QTest::newRow("a removal's leftover past the count")
            << Case{"No. of Friends=2\nName001=Ani\nName002=Cici\nName003=Cici\n",
                    "Ani 1-Jan-1960, Cici 1-Jan-1960"};
        QTest::newRow("other spellings are not friend keys") << Case{
            "No. of Friends=1\nName001=Ani\nName0002=X\nNameX=Y\nName01=Z\n", "Ani 1-Jan-1960"};
        for (const char* count : {"lots", "-1", "99999999999999999999", "1e20", "1000000", " "})
            QTest::addRow("damaged count \"%s\"", count)
                << Case{"No. of Friends=" + QByteArray(count) + "\nName001=Ani\nName004=Dewi\n",
                        "Ani 1-Jan-1960, Dewi 1-Jan-1960", 1, "2 friends were found by name"};
        QTest::newRow("empty count, no friends: nothing to say") << Case{"No. of Friends=\n", ""};
        QTest::newRow("dates not readable")
            << Case{"My Birthdate=\nNo. of Friends=1\nName001=Ani\nBDay001=soon\n",
                    "Ani 1-Jan-1960", 2, "The birth date \"soon\" of Ani was read as Jan 1, 1960"};
        QTest::newRow("dates out of range")
            << Case{"My Birthdate=29-Feb-2044\nNo. of Friends=1\nName001=Opa\nBDay001=3-Mar-1850\n",
                    "Opa 3-Mar-1901",
                    2,
                    "",
                    "",
                    "",
                    "29-Feb-2040"};
        QTest::newRow("a removed friend leaves nothing behind")
            << Case{Written({"Ani", "Budi", "Citra"}, 3),
                    "Ani 1-Jan-1970, Budi 1-Jan-1970, Citra 1-Jan-1970",
                    0,
                    "",
                    "-Budi,-Ani,-Citra",
                    Written({}, 0)};
        // Whatever the count says, no friend in the file is written over.
        QTest::newRow("damaged count, a gap") << Case{
            "No. of Friends=x\nName001=A\nName005=E\n",
            "A 1-Jan-1960, E 1-Jan-1960",
            1,
            "is \"x\", not a whole number from 0 to 999999",
            "+D",
            "No. of Friends=3\nName001=A\nMy Birthdate=1-Jan-1960\nBday001=1-Jan-1960\nName002=D\n"
            "Bday002=2-Mar-1980\nName003=E\nBday003=1-Jan-1960\n"};
        // A name longer than a value is read is shown cut and written back whole.
        const QByteArray longName = QByteArray(79, 'x') + "yz tail";
        QTest::newRow("a long name stays whole") << Case{
            "No. of Friends=1\nName001=" + longName + "\n",
            QString(79, 'x') + "y 1-Jan-1960",
            0,
            "",
            "+Ani",
            "No. of Friends=2\nName001=Ani\nMy Birthdate=1-Jan-1960\nBday001=2-Mar-1980\nName002=" +
                longName + "\nBday002=1-Jan-1960\n"};
        // Friends the list cannot show stay as they are.
        QStringList shown;
        for (const QString& name : Numbered(1, 999))
            shown << name + " 1-Jan-1970";
        QTest::newRow("friends past 999 stay") << Case{
            Written(Numbered(1, 1001), 1001),
            shown.join(", "),
            1,
            "holds 1001 friends, more than the 999 the list can show; the other 2 stay",
            "-F500",
            Written(Numbered(1, 499) + Numbered(501, 999), 998) +
                "Name1000=F1000\nBday1000=1-Jan-1970\nName1001=F1001\nBday1001=1-Jan-1970\n"};
        // Damage of every kind, 50 MB of it: what can be read is read, the rest stays.
        QByteArray junk = "[Junk]\n";
        while (junk.size() < 50 * 1024 * 1024)
            junk += "key = a line of junk ; \"not\" a comment [ ] \t\x01\n";
        const QByteArray b(100000, 'B');
        QTest::newRow("a huge damaged file") << Case{
            "No. of Friends=3\nName001=Ani" + QByteArray(1, '\0') + "\nName002=" + b +
                "\nBday002=31-Feb-1970\nName003=\xFF\xFE\n" + junk,
            "Ani 1-Jan-1960, " + QString(80, 'B') + " 1-Jan-1960, \u00ff\u00fe 1-Jan-1960",
            1,
            "The birth date \"31-Feb-1970\"",
            "-\u00ff\u00fe",
            "No. of Friends=2\nName001=Ani\nName002=" + b +
                "\nBday002=1-Jan-1960\nMy Birthdate=1-Jan-1960\nBday001=1-Jan-1960\n" + junk};
    }
    void files() {
        QFETCH(Case, c);
        WriteAll(ini, File(c.personal));
        SettingsStore store(ini);
        const StoredSettings stored = store.Load();
        QStringList names;
        for (const Friend& f : stored.personal.friends)
            names << f.name + ' ' + cal::StoredDateText(f.birth);
        QCOMPARE(names.join(", "), c.friends);
        QCOMPARE(cal::StoredDateText(cal::TrioOf(stored.personal.ownBirth)), c.own);
        QCOMPARE(stored.problems.size(), c.problems);
        QVERIFY2(stored.problems.join('\n').contains(c.said),
                 qPrintable(stored.problems.join('\n')));
        FriendList list;
        list.Load(cal::TrioOf(stored.personal.ownBirth), stored.personal.friends);
        for (const QString& edit : c.edits.split(',', Qt::SkipEmptyParts)) {
            if (edit.startsWith('-'))
                list.Remove(list.Find(edit.mid(1)));
            else
                list.Save(edit.mid(1), {"2", "March", "1980"});
            QCOMPARE(store.SavePersonal(list), QString());
        }
        QCOMPARE(ReadAll(ini), File(c.edits.isEmpty() ? c.personal : c.after));
    }

    // The first start: no file, and no folder for it yet.
    void firstStart() {
        SettingsStore store(dir->filePath("new/Ondulix.ini"));
        const StoredSettings stored = store.Load();
        QVERIFY(stored.firstStart && stored.problems.isEmpty());
        QCOMPARE(stored.options, Options({true, true, true}));
        FriendList list;
        list.Save("", {"5", "September", "1975"});
        list.Save("Ani", {"29", "February", "2000"});
        const Options options{true, false, true, true, false, true, false, true};
        QCOMPARE(store.SavePersonal(list), QString());
        QCOMPARE(store.SaveOptions(options), QString());
        QCOMPARE(ReadAll(store.Path()),
                 QByteArray("[PERSONAL]\r\nMy Birthdate=5-Sep-1975\r\nNo. of Friends=1\r\n"
                            "Name001=Ani\r\nBday001=29-Feb-2000\r\n[ONDULIX OPTIONS]\r\n"
                            "Physical=True\r\nEmotional=False\r\nIntellectual=True\r\n"
                            "Intuitive=True\r\nPassion=False\r\nWisdom=True\r\nMastery=False\r\n"
                            "Center=True\r\n"));
        QCOMPARE(SettingsStore(store.Path()).Load().options, options);
    }

    // What cannot be read is not read, at once, and never written.
    void unreadableFilesAreNeverWritten_data() {
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "it is a folder";
        QTest::newRow("pipe") << "it is not a regular file";
        QTest::newRow("link to a device") << "it is not a regular file";
        QTest::newRow("too large") << "it is larger than 64 MB";
    }
    void unreadableFilesAreNeverWritten() {
        QFETCH(QString, reason);
        const QString kind = QTest::currentDataTag();
        if (kind == "folder") QVERIFY(QDir().mkpath(ini));
        if (kind == "pipe") QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
        if (kind == "link to a device") QVERIFY(QFile::link("/dev/zero", ini));
        QFile large(ini);
        if (kind == "too large")
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(MaxProfileBytes + 1));
        SettingsStore store(ini);
        const StoredSettings stored = store.Load();
        QCOMPARE(stored.problems.size(), 1);
        QVERIFY2(stored.problems[0].contains("could not be read (" + reason + ")"),
                 qPrintable(stored.problems[0]));
        const FriendList list;
        QVERIFY(store.SavePersonal(list).contains("does not overwrite"));
        QVERIFY(store.SaveOptions({}).contains("does not overwrite"));
        QVERIFY(store.CloseFailedMessage("x").contains("Save elsewhere, close"));
        QCOMPARE(store.SaveAllTo(ini + "-saved.ini", list, {true}), QString());
        QVERIFY(ReadAll(ini + "-saved.ini").contains("[ONDULIX OPTIONS]\r\nPhysical=True\r\n"));
    }

    // Loading removes only this program's temporary files of a save that was
    // interrupted before this copy started, and only the user's own.
    void onlyOurInterruptedSavesAreRemoved() {
        const QDateTime started = QDateTime::currentDateTime();
        const QStringList files{".Ondulix.ini.ondulix-AbC123", "Ondulix.ini.backup",
                                "Ondulix.ini.AbC123", ".Ondulix.ini.ondulix-young1",
                                ".Ondulix.ini.ondulix-nobody"};
        for (const QString& f : files) {
            QFile file(dir->filePath(f));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.setFileTime(started.addSecs(f.endsWith("young1") ? 5 : -60),
                                     QFileDevice::FileModificationTime));
        }
        const bool root = ::geteuid() == 0; // only root can give a file to another user
        if (root) QCOMPARE(::chown(qPrintable(dir->filePath(files[4])), 65534, 65534), 0);
        SettingsStore(ini, started).Load();
        for (const QString& f : files)
            QCOMPARE(QFile::exists(dir->filePath(f)), f != files[0] && (root || f != files[4]));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
