#include "TestFiles.h"
#include "settings/PrivateProfile.h"
#include "util/SaveWhole.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

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
    QString value;         // null: the key is deleted
    QByteArray after = {}; // null: the edit is refused
    QString section = "S";
};

struct stat Stat(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace

Q_DECLARE_METATYPE(Read)
Q_DECLARE_METATYPE(Edit)

class TestPrivateProfile : public QObject {
    Q_OBJECT
private slots:
    void reads_data() {
        QTest::addColumn<Read>("r");
        QTest::newRow("plain") << Read{"[S]\r\nk=v\r\n", "v"};
        QTest::newRow("names in any letter case") << Read{"[s]\r\nK=v\r\n", "v"};
        QTest::newRow("missing key") << Read{"[S]\nj=v\n", "dflt"};
        QTest::newRow("missing section") << Read{"[T]\nk=v\n", "dflt"};
        // A default loses its trailing blanks, as the Windows call does.
        QTest::newRow("default: trailing blanks go") << Read{"", "  d e", "  d e  "};
        QTest::newRow("default: only blanks") << Read{"", "", "   "};
        QTest::newRow("default: cut too") << Read{"", "df", "dflt", 3};
        QTest::newRow("empty value") << Read{"[S]\nk=\n", ""};
        QTest::newRow("blanks around") << Read{"[ S ]\n \t k \t= \t v w \t\n", "v w"};
        QTest::newRow("one pair of quotes") << Read{"[S]\nk=\"\"v\"\"\n", "\"v\""};
        QTest::newRow("single quotes") << Read{"[S]\nk='v'\n", "v"};
        QTest::newRow("unmatched quotes kept") << Read{"[S]\nk=\"v'\n", "\"v'"};
        QTest::newRow("cut to the buffer") << Read{"[S]\nk=abcdefgh\n", "abcd", "", 5};
        QTest::newRow("comment lines") << Read{"[S]\n;k=1\n  ; k=2\nk=3\n", "3"};
        QTest::newRow("semicolon inside a value") << Read{"[S]\nk=a ; b\n", "a ; b"};
        QTest::newRow("first duplicate wins") << Read{"[S]\nk=1\nK=2\n[s]\nk=3\n", "1"};
        QTest::newRow("second section of the name") << Read{"[S]\na=1\n[T]\n[S]\nk=3\n", "3"};
        QTest::newRow("CR line ends") << Read{"[S]\rj=0\rk=1\r", "1"};
        QTest::newRow("mixed line ends") << Read{"[S]\r\nj=0\nl=2\rk=1", "1"};
        QTest::newRow("key before any section") << Read{"k=0\n[S]\n", "dflt"};
        QTest::newRow("line without =") << Read{"[S]\nk\n", "dflt"};
        QTest::newRow("UTF-8 byte-order mark") << Read{"\xEF\xBB\xBF[S]\nk=1\n", "1"};
        QTest::newRow("UTF-8") << Read{"[S]\nk=Andr\xC3\xA9\n", "Andr\u00e9"};
        QTest::newRow("Windows-1252")
            << Read{"[S]\nk=Andr\xE9 \x80\x9C\xFF\n", "Andr\u00e9 \u20ac\u0153\u00ff"};
        QTest::newRow("a value that begins with U+FEFF keeps it")
            << Read{"\xEF\xBB\xBF[S]\nk=\xEF\xBB\xBFx\n", QChar(0xFEFF) + QString("x")};
        QTest::newRow("a bad line does not spoil the next")
            << Read{"[S]\nj=\xE9\nk=\xC3\xA9\n", "\u00e9"};
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
        QTest::newRow("new key ends its section")
            << Edit{"[S]\nk=1\n\n[T]\n", "n", "v", "[S]\nk=1\nn=v\n\n[T]\n"};
        QTest::newRow("new key after a bare header")
            << Edit{"[S]\r\n[T]\r\n", "n", "v", "[S]\r\nn=v\r\n[T]\r\n"};
        QTest::newRow("last line without a line end")
            << Edit{"[S]\nk=1", "n", "v", "[S]\nk=1\nn=v\n"};
        QTest::newRow("new section at the end")
            << Edit{"[S]\nk=1", "n", "v", "[S]\nk=1\n[T]\nn=v\n", "T"};
        QTest::newRow("first duplicate changes")
            << Edit{"[S]\nk=1\nk=2\n", "k", "3", "[S]\nk=3\nk=2\n"};
        QTest::newRow("empty value") << Edit{"[S]\nk=1\n", "k", "", "[S]\nk=\n"};
        // Blanks or quotes at the ends would be lost on reading without a pair of quotes.
        QTest::newRow("blanks kept by quotes") << Edit{"[S]\n", "k", " a ", "[S]\nk=\" a \"\n"};
        QTest::newRow("a trailing blank alone kept") << Edit{"[S]\n", "k", "a ", "[S]\nk=\"a \"\n"};
        QTest::newRow("quotes kept by quotes") << Edit{"[S]\n", "k", "'a'", "[S]\nk=\"'a'\"\n"};
        QTest::newRow("UTF-8 into a Windows-1252 file")
            << Edit{"[S]\nj=\xE9\nk=1\n", "k", "\u00e9", "[S]\nj=\xE9\nk=\xC3\xA9\n"};
        QTest::newRow("delete: its line only") << Edit{"; c\r\n[S]\r\nk=1\r\nName003=X\r\nj=2\r\n",
                                                       "name003",
                                                       {},
                                                       "; c\r\n[S]\r\nk=1\r\nj=2\r\n"};
        QTest::newRow("delete the last line") << Edit{"[S]\nk=1\nj=2", "j", {}, "[S]\nk=1\n"};
        QTest::newRow("delete every duplicate")
            << Edit{"[S]\nk=1\nk=2\n[T]\nk=3\n[S]\nk=4\n", "k", {}, "[S]\n[T]\nk=3\n[S]\n"};
        QTest::newRow("refused: a line break") << Edit{"[S]\n", "k", "a\nb"};
        QTest::newRow("refused: = in a key") << Edit{"[S]\n", "k=1", "v"};
        QTest::newRow("refused: ] in a section") << Edit{"[S]\n", "k", "v", {}, "S]"};
        QTest::newRow("refused: no key") << Edit{"[S]\n", "", "v"};
    }
    void edits() {
        QFETCH(Edit, e);
        ProfileDocument d(e.before);
        if (e.after.isNull()) {
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                     d.WriteString(e.section, e.key, e.value));
            QCOMPARE(d.Bytes(), e.before);
            return;
        }
        if (e.value.isNull())
            d.DeleteKey(e.section, e.key);
        else
            d.WriteString(e.section, e.key, e.value);
        QCOMPARE(d.Bytes(), e.after);
        // The edited document goes on as a fresh read of its bytes does.
        ProfileDocument fresh(e.after);
        for (ProfileDocument* doc : {&d, &fresh}) {
            QCOMPARE(doc->ReadString(e.section, e.key, "dflt", 1000),
                     e.value.isNull() ? QString("dflt") : e.value);
            doc->WriteString("S", "new", "v");
            QCOMPARE(doc->ReadString("S", "new", "", 81), "v");
        }
        QCOMPARE(d.Bytes(), fresh.Bytes());
    }

    // On disk, a write the file cannot hold is left out alone; the rest lands.
    void writeProfile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Ondulix.ini");
        const QString refused = WriteProfile(
            path, {{"S", "k", "1"}, {"S", "j", "a\r\nb"}, {"S", "i", "2"}, {"S", "k", "", true}});
        QVERIFY2(refused.contains("j not saved") && refused.contains("line break"),
                 qPrintable(refused));
        QCOMPARE(ReadAll(path), QByteArray("[S]\r\ni=2\r\n"));
        QCOMPARE(Stat(path).st_mode & 07777, 0600u); // birth dates: the owner's alone
    }

    // Whole-file writing to elsewhere/real.ini, or through a link to it: the
    // outcome, the file's mode, and no temporary file left behind.
    void saveWhole_data() {
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("mode");
        QTest::newRow("new: the owner's alone") << "" << 0600;
        QTest::newRow("new: as the umask allows") << "" << 0640;
        QTest::newRow("old: replaced, its mode kept") << "" << 0604;
        QTest::newRow("read-only file") << "the file is read-only" << 0400;
        QTest::newRow("read-only folder") << "is read-only" << 0604;
        QTest::newRow("own link into another folder") << "" << 0604;
        QTest::newRow("own link to a file not made yet") << "" << 0600;
        QTest::newRow("a loop of links") << "is a loop of links" << 0604;
        QTest::newRow("another user's link in a sticky folder") << "another user made" << 0604;
        QTest::newRow("a full disk") << "No space left on device" << 0604;
    }
    void saveWhole() {
        QFETCH(QString, error);
        QFETCH(int, mode);
        const QString kind = QTest::currentDataTag();
        if ((kind.startsWith("another") || kind.contains("disk")) && ::geteuid() != 0)
            QSKIP("needs root to play another user or mount a small disk");
        QTemporaryDir dir;
        const QString folder = dir.filePath("elsewhere"), target = folder + "/real.ini";
        const QString link = dir.filePath(kind.startsWith("another") ? "shared/x.ini" : "x.ini");
        QVERIFY(QDir().mkpath(folder) && QDir().mkpath(dir.filePath("shared")));
        ::chmod(qPrintable(dir.filePath("shared")), 01777); // as /tmp
        const auto tidy = qScopeGuard([&] {
            ::chmod(qPrintable(folder), 0700);
            if (kind.contains("disk")) QProcess::execute("umount", {folder});
        });
        if (kind.contains("disk") &&
            QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) != 0)
            QSKIP("this machine does not let us mount a tmpfs");
        const bool hasOld = !kind.startsWith("new") && !kind.contains("not made");
        const QByteArray old = "[S]\r\nk=1\r\n";
        const QByteArray bytes = kind.contains("disk") ? QByteArray(100000, 'x') : "new";
        if (hasOld) WriteAll(target, old);
        ::chmod(qPrintable(target), kind.contains("file") ? 0400 : 0604);
        if (kind == "read-only folder") ::chmod(qPrintable(folder), 0500);
        if (kind.contains("link"))
            QVERIFY(QFile::link(kind.contains("loop") ? link : target, link));
        if (kind.startsWith("another")) QCOMPARE(::lchown(qPrintable(link), 65534, 65534), 0);
        const ino_t inode = Stat(target).st_ino;
        const mode_t mask = ::umask(027);
        const QString got =
            SaveWhole(kind.contains("link") ? link : target, bytes,
                      kind.contains("umask") ? NewFileAccess::Default : NewFileAccess::OwnerOnly);
        ::umask(mask);
        QVERIFY2(error.isEmpty() ? got.isEmpty() : got.contains(error), qPrintable(got));
        QCOMPARE(ReadAll(target), error.isEmpty() ? bytes : old);
        QCOMPARE(Stat(target).st_mode & 07777, mode_t(mode));
        if (hasOld && error.isEmpty()) QVERIFY(Stat(target).st_ino != inode); // replaced whole
        if (kind.contains("link")) QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"real.ini"});
    }
};

QTEST_APPLESS_MAIN(TestPrivateProfile)
#include "tst_privateprofile.moc"
