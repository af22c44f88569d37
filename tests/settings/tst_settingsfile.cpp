#include "TestFiles.h"
#include "settings/SettingsFile.h"
#include "util/SaveWhole.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace settings;
using namespace people;

namespace {

// Key "k" of section "S" read with the default "dflt".
struct Read {
    QByteArray file;
    QString value;
    QString fallback = "dflt";
    int buffer = 81;
};

struct Edit {
    QByteArray before;
    QString key;
    QString value; // null: the key is deleted
    QByteArray after;
};

struct stat Stat(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

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
    QString bytes = QString("My Birthdate=1-Jan-1960\nNo. of Friends=%1\n").arg(count);
    for (int i = 1; i <= names.size(); ++i)
        bytes +=
            QString::asprintf("Name%03d=%s\nBday%03d=1-Jan-1970\n", i, qPrintable(names[i - 1]), i);
    return bytes.toUtf8();
}

// A settings file loaded, then edited ("-name" removed, "+name" saved dated
// 2-Mar-1980) and saved after each edit.
struct Case {
    QByteArray personal;
    QString friends;  // as read: "name d-Mon-yyyy, ..."
    int problems;     // told to the user
    QString said;     // part of what they are told
    QString edits;    // comma-separated; none: nothing saved
    QByteArray after; // the section afterwards
    QString own;      // the own birth date as read
};

} // namespace

Q_DECLARE_METATYPE(Read)
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Case)

static void Row(const char* tag, const QByteArray& personal, const QString& friends,
                int problems = 0, const QString& said = {}, const QString& edits = {},
                const QByteArray& after = {}, const QString& own = "1-Jan-1960") {
    QTest::newRow(tag) << Case{personal, friends, problems, said, edits, after, own};
}

class TestSettingsFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString ini;

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        ini = dir->filePath("Ondulix.ini");
    }

    void reads_data() {
        QTest::addColumn<Read>("r");
        QTest::newRow("letter case, blanks") << Read{"[ s ]\n \t K \t= \t v w \t\n", "v w"};
        QTest::newRow("missing section") << Read{"[T]\nk=v\n", "dflt"};
        // A default loses its trailing blanks, as the Windows call does.
        QTest::newRow("default: only blanks") << Read{"", "", "   "};
        QTest::newRow("empty value") << Read{"[S]\nk=\n", ""};
        QTest::newRow("one pair of quotes") << Read{"[S]\nk=\"\"v\"\"\n", "\"v\""};
        QTest::newRow("single quotes") << Read{"[S]\nk='v'\n", "v"};
        QTest::newRow("unmatched quotes kept") << Read{"[S]\nk=\"v'\n", "\"v'"};
        QTest::newRow("cut to the buffer") << Read{"[S]\nk=abcdefgh\n", "abcd", "", 5};
        QTest::newRow("comments: whole lines") << Read{"[S]\n;k=1\n ; k=2\nk=a ; b\n", "a ; b"};
        QTest::newRow("first duplicate wins") << Read{"[S]\nk=1\nK=2\n[s]\nk=3\n", "1"};
        QTest::newRow("second section of the name") << Read{"[S]\na=1\n[T]\n[S]\nk=3\n", "3"};
        QTest::newRow("line ends; a key before [S]") << Read{"k=0\r\n[S]\r\nj=0\nl=2\rk=1", "1"};
        QTest::newRow("Windows-1252") << Read{"[S]\nk=\x80\x9C\xE9\n", "\u20ac\u0153\u00e9"};
        // Only the file's first bytes can be its byte-order mark.
        QTest::newRow("a value that begins with U+FEFF keeps it")
            << Read{"\xEF\xBB\xBF[S]\nk=\xEF\xBB\xBFx\n", QChar(0xFEFF) + QString("x")};
        QTest::newRow("a bad line spoils no other") << Read{"[S]\nj=\xE9\nk=\xC3\xA9\n", "\u00e9"};
    }
    void reads() {
        QFETCH(Read, r);
        QCOMPARE(ProfileDocument(r.file).ReadString("S", "k", r.fallback, r.buffer), r.value);
    }

    // Every byte but those of the edit stays.
    void edits_data() {
        QTest::addColumn<Edit>("e");
        QTest::newRow("new file") << Edit{"", "k", "0", "[S]\r\nk=0\r\n"};
        QTest::newRow("the value only") << Edit{"; mine\n[s]\nk = old  \nj=2\n\n[T]\nx=1", "K",
                                                "new", "; mine\n[s]\nk = new  \nj=2\n\n[T]\nx=1"};
        QTest::newRow("ends its section")
            << Edit{"[S]\nk=1\n\n[T]\n", "n", "v", "[S]\nk=1\nn=v\n\n[T]\n"};
        QTest::newRow("no line end") << Edit{"[S]\nk=1", "n", "v", "[S]\nk=1\nn=v\n"};
        QTest::newRow("new section, no line end")
            << Edit{"[T]\nk=1", "n", "v", "[T]\nk=1\n[S]\nn=v\n"};
        QTest::newRow("first duplicate") << Edit{"[S]\nk=1\nk=2\n", "k", "3", "[S]\nk=3\nk=2\n"};
        // Blanks or quotes at the ends would be lost on reading without a pair of quotes.
        QTest::newRow("a leading blank kept") << Edit{"[S]\n", "k", " a", "[S]\nk=\" a\"\n"};
        QTest::newRow("a trailing blank alone kept") << Edit{"[S]\n", "k", "a ", "[S]\nk=\"a \"\n"};
        QTest::newRow("quotes kept by quotes") << Edit{"[S]\n", "k", "'a'", "[S]\nk=\"'a'\"\n"};
        QTest::newRow("UTF-8 in 1252")
            << Edit{"[S]\nj=\xE9\nk=1\n", "k", "\u00e9", "[S]\nj=\xE9\nk=\xC3\xA9\n"};
        QTest::newRow("delete a line")
            << Edit{"[S]\nk=1\nName3=X\nj=2\n", "name3", {}, "[S]\nk=1\nj=2\n"};
        QTest::newRow("delete every copy")
            << Edit{"[S]\nk=1\n[T]\nk=3\n[S]\nk=4", "k", {}, "[S]\n[T]\nk=3\n[S]\n"};
    }
    void edits() {
        QFETCH(Edit, e);
        ProfileDocument d(e.before);
        e.value.isNull() ? d.DeleteKey("S", e.key) : d.WriteString("S", e.key, e.value);
        QCOMPARE(d.Bytes(), e.after);
        QCOMPARE(d.ReadString("S", e.key, "dflt", 1000), e.value.isNull() ? "dflt" : e.value);
        // The edited document goes on as a fresh read of its bytes does.
        ProfileDocument fresh(e.after);
        d.WriteString("S", "new", "v");
        fresh.WriteString("S", "new", "v");
        QCOMPARE(d.Bytes(), fresh.Bytes());
    }

    // A write the file cannot hold (a line break would add a line) is left
    // out alone; the rest lands.
    void writeProfile() {
        const QString refused = WriteProfile(ini, {{"S", "k", "1"},
                                                   {"S", "j", "a\r\nb"},
                                                   {"S", "h", "a\nb"},
                                                   {"S", "g", "a\rb"},
                                                   {"S", "i", "2"},
                                                   {"S", "k", "", true}});
        for (const char* key : {"j not saved", "h not saved", "g not saved"})
            QVERIFY2(refused.contains(key), qPrintable(refused));
        QCOMPARE(ReadAll(ini), QByteArray("[S]\r\ni=2\r\n"));
        QCOMPARE(Stat(ini).st_mode & 07777, 0600u); // birth dates: the owner's alone
    }

    // Whole-file writing to elsewhere/real.ini, or through a link to it: the
    // outcome, the file's mode, and no temporary file left behind.
    void saveWhole_data() {
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("mode");
        QTest::newRow("new: the owner's alone") << "" << 0600;
        QTest::newRow("new: as the umask allows") << "" << 0640;
        QTest::newRow("old: replaced, its mode kept") << "" << 0604;
        QTest::newRow("own link into another folder") << "" << 0604;
        QTest::newRow("a loop of links") << "is a loop of links" << 0604;
        QTest::newRow("another user's link in a sticky folder") << "another user made" << 0604;
        QTest::newRow("another user's link in their folder") << "another user made" << 0604;
        QTest::newRow("a full disk") << "No space left on device" << 0604;
    }
    void saveWhole() {
        QFETCH(QString, error);
        QFETCH(int, mode);
        const QString kind = QTest::currentDataTag();
        const bool disk = kind.contains("disk"), other = kind.startsWith("another");
        if ((other || disk) && ::geteuid() != 0)
            QSKIP("needs root to play another user or mount a small disk");
        const QString folder = dir->filePath("elsewhere"), target = folder + "/real.ini";
        const QString shared = dir->filePath(kind.endsWith("their folder") ? "theirs" : "shared");
        const QString link = other ? shared + "/x.ini" : dir->filePath("x.ini");
        QVERIFY(QDir().mkpath(folder) && QDir().mkpath(shared));
        ::chmod(qPrintable(dir->filePath("shared")), 01777); // as /tmp
        if (kind.endsWith("their folder")) QCOMPARE(::chown(qPrintable(shared), 65534, 65534), 0);
        if (disk && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}))
            QSKIP("this machine does not let us mount a tmpfs");
        const auto unmount = qScopeGuard([&] {
            if (disk) QProcess::execute("umount", {folder});
        });
        const QByteArray old = "[S]\r\nk=1\r\n", bytes = disk ? QByteArray(100000, 'x') : "new";
        if (!kind.startsWith("new")) WriteAll(target, old);
        ::chmod(qPrintable(target), 0604);
        if (kind.contains("link"))
            QVERIFY(QFile::link(kind.contains("loop") ? link : target, link));
        if (other) QCOMPARE(::lchown(qPrintable(link), 65534, 65534), 0);
        const ino_t inode = Stat(target).st_ino; // 0: no file yet
        const mode_t mask = ::umask(027);
        const auto openFiles = [] { return QDir("/proc/self/fd").count(); };
        const qsizetype open = openFiles();
        const QString got =
            SaveWhole(kind.contains("link") ? link : target, bytes,
                      kind.contains("umask") ? NewFileAccess::Default : NewFileAccess::OwnerOnly);
        ::umask(mask);
        QCOMPARE(openFiles(), open); // nothing left open, however it ended
        QVERIFY2(error.isEmpty() ? got.isEmpty() : got.contains(error), qPrintable(got));
        QCOMPARE(ReadAll(target), error.isEmpty() ? bytes : old);
        QCOMPARE(Stat(target).st_mode & 07777, mode_t(mode));
        if (inode && error.isEmpty()) QVERIFY(Stat(target).st_ino != inode); // replaced whole
        if (kind.contains("link")) QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"real.ini"});
    }

    // An option is on when its first four characters are "True".
    void options() {
        for (const auto& [value, on] :
             {std::pair{"Truest", true}, {"true", false}, {"Tru", false}}) {
            const QByteArray file = "[ONDULIX OPTIONS]\nIntuitive=" + QByteArray(value);
            QVERIFY2(SettingsReader(ProfileDocument(file)).ReadOptions()[Intuitive] == on, value);
        }
        // The added options stay out of the file while off, so it is byte for byte as before.
        Options options = SettingsReader(ProfileDocument("")).ReadOptions();
        SettingsStore store(ini);
        QCOMPARE(store.SaveOptions(options), QString());
        const QByteArray plain = ReadAll(ini);
        QVERIFY2(plain.endsWith("Center=False\r\n"), plain);
        options[TrueMoon] = true;
        QCOMPARE(store.SaveOptions(options), QString());
        QCOMPARE(ReadAll(ini), plain + "True Moon=True\r\n");
        options[TrueMoon] = false;
        QCOMPARE(store.SaveOptions(options), QString());
        QCOMPARE(ReadAll(ini), plain);
        for (const auto& [value, language] : {std::pair{"en", Language::English},
                                              {"id", Language::Indonesian},
                                              {"EN", Language::Original},
                                              {"fr", Language::Original},
                                              {"", Language::Original}}) {
            const QByteArray file = "[ONDULIX OPTIONS]\nLanguage=" + QByteArray(value);
            QVERIFY2(SettingsReader(ProfileDocument(file)).ReadLanguage() == language, value);
        }
        QCOMPARE(store.SaveLanguage(Language::Indonesian), QString());
        QCOMPARE(ReadAll(ini), plain + "Language=id\r\n");
        QCOMPARE(store.SaveLanguage(Language::Original), QString());
        QCOMPARE(ReadAll(ini), plain);
    }

    void files_data() {
        QTest::addColumn<Case>("c");
        Row("renumbered; names trimmed, unquoted, cut to 80, NULs dropped",
            "No. of Friends=5\nName001=Ani\nBDay001=5-Sep-1970\nName002=\nName003=  C" +
                QByteArray(1, '\0') +
                "itra  \nBday003=29-Feb-2000\nName004=\"  Budi  \"\n"
                "Name005=" +
                QByteArray(85, 'x') + "\nName0002=X\nNameX=Y\nName01=Z\n",
            "Ani 5-Sep-1970, Citra 29-Feb-2000, Budi 1-Jan-1960, " + QString(80, 'x') +
                " 1-Jan-1960");
        // Names past the count are friends the user has; a copy of one read
        // already is what an older removal left behind.
        Row("names past the count", "No. of Friends=1\nName001=Ani\nName002=Budi\nName003=Ani\n",
            "Ani 1-Jan-1960, Budi 1-Jan-1960", 1,
            "says 1, but the settings file names 1 more friend");
        for (const char* count : {"-1", "999999", "1000000"})
            Row(count, "No. of Friends=" + QByteArray(count) + "\nName001=Ani\nName004=Dewi\n",
                "Ani 1-Jan-1960, Dewi 1-Jan-1960", count[0] != '9');
        Row("empty count, no friends: nothing to say", "No. of Friends=\n", "");
        Row("dates not readable or out of range",
            "My Birthdate=29-Feb-2044\nNo. of Friends=2\nName001=Opa\nBDay001=3-Mar-1850\n"
            "Name002=Ani\nBDay002=soon\n",
            "Opa 3-Mar-1901, Ani 1-Jan-1960", 3, "\"soon\" of Ani was read as Jan 1, 1960", {}, {},
            "29-Feb-2040");
        Row("a removed friend leaves nothing behind", Written({"Ani", "Budi", "Citra"}, 3),
            "Ani 1-Jan-1970, Budi 1-Jan-1970, Citra 1-Jan-1970", 0, {}, "-Budi",
            Written({"Ani", "Citra"}, 2));
        // Whatever the count says, no friend in the file is written over.
        Row("damaged count, a gap", "No. of Friends=x\nName001=A\nName005=E\n",
            "A 1-Jan-1960, E 1-Jan-1960", 1,
            "is \"x\", not a whole number from 0 to 999999; 2 friends", "+D",
            "No. of Friends=3\nName001=A\nMy Birthdate=1-Jan-1960\nBday001=1-Jan-1960\nName002=D\n"
            "Bday002=2-Mar-1980\nName003=E\nBday003=1-Jan-1960\n");
        // A name longer than a value is read is shown cut and written back whole.
        const QByteArray longName = QByteArray(79, 'x') + "yz tail";
        Row("a long name stays whole", "No. of Friends=1\nName001=" + longName + "\n",
            QString(79, 'x') + "y 1-Jan-1960", 0, {}, "+Ani",
            "No. of Friends=2\nName001=Ani\nMy Birthdate=1-Jan-1960\nBday001=2-Mar-1980\nName002=" +
                longName + "\nBday002=1-Jan-1960\n");
        // Friends the list cannot show stay as they are.
        Row("friends past 999 stay", Written(Numbered(1, 1001), 1001),
            Numbered(1, 999).join(" 1-Jan-1970, ") + " 1-Jan-1970", 1,
            "holds 1001 friends, more than the 999 the list can show; the other 2 stay", "-F500",
            Written(Numbered(1, 499) + Numbered(501, 999), 998) +
                "Name1000=F1000\nBday1000=1-Jan-1970\nName1001=F1001\nBday1001=1-Jan-1970\n");
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
        const QString told = stored.problems.join('\n');
        QVERIFY2(stored.problems.size() == c.problems && told.contains(c.said), qPrintable(told));
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
    }

    // A pipe cannot hang the start, nor a file past the size cap fill the
    // memory: neither is read, and neither is written over.
    void unreadableFilesAreNeverWritten() {
        const QString pipe = ini + ".pipe", large = ini + ".large";
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(MaxProfileBytes + 1));
        for (const QString& path : {pipe, large}) {
            SettingsStore store(path);
            QCOMPARE(store.Load().problems.size(), 1);
            QVERIFY(!store.SavePersonal(FriendList()).isEmpty());
        }
    }

    // Another user's file, or any file in another user's folder, is read and
    // never written, its owner and mode kept: root on a user's file
    // included. Nor does the other user's swapping it for a link to a file of
    // ours, after the start, aim a save there.
    void anotherUsersFileIsNeverWritten_data() {
        QTest::addColumn<bool>("theirFile");
        QTest::addColumn<bool>("theirFolder");
        QTest::newRow("their file in our folder") << true << false;
        QTest::newRow("our file in their folder") << false << true;
        QTest::newRow("their file in their folder, swapped") << true << true;
    }
    void anotherUsersFileIsNeverWritten() {
        QFETCH(bool, theirFile);
        QFETCH(bool, theirFolder);
        if (::geteuid() != 0) QSKIP("needs root to play another user");
        const QString folder = dir->filePath("theirs"), file = folder + "/Ondulix.ini";
        const QString ours = dir->filePath("ours.ini"); // root's alone
        QVERIFY(QDir().mkpath(folder) && ::chmod(qPrintable(dir->path()), 0711) == 0);
        const QByteArray before = "[PERSONAL]\r\nMy Birthdate=7-Jan-1960\r\n";
        WriteAll(file, before);
        WriteAll(ours, "root");
        QVERIFY(!theirFile || ::chown(qPrintable(file), 65534, 65534) == 0);
        QVERIFY(!theirFolder || ::chown(qPrintable(folder), 65534, 65534) == 0);
        QVERIFY(QFile::link(file, ini)); // a link of ours to it
        SettingsStore store(ini);
        const QStringList problems = store.Load().problems;
        QVERIFY2(problems.size() == 1 && problems[0].contains("belongs to another user"),
                 qPrintable(problems.join('|')));
        if (theirFile && theirFolder)
            QCOMPARE(QProcess::execute("setpriv", {"--reuid=65534", "--regid=65534",
                                                   "--clear-groups", "ln", "-sf", ours, file}),
                     0);
        FriendList list;
        list.Save("Ani", {"1", "May", "1990"});
        QVERIFY(store.SavePersonal(list).contains("belongs to another user"));
        QVERIFY(!store.SaveAllTo(ini, list, {}).isEmpty());
        QCOMPARE(ReadAll(ours), QByteArray("root"));
        if (!(theirFile && theirFolder))
            QCOMPARE(QPair(ReadAll(file), Stat(file).st_uid),
                     QPair(before, theirFile ? 65534u : 0u));
        // Elsewhere, a failure names its own reason, not the block.
        QVERIFY(::chmod(qPrintable(folder), 0555) == 0 || theirFolder);
        const QString other = theirFolder ? dir->filePath("nofolder/x.ini") : folder + "/x.ini";
        QVERIFY2(!store.SaveAllTo(other, list, {}).contains("another user"),
                 qPrintable(store.SaveAllTo(other, list, {})));
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
