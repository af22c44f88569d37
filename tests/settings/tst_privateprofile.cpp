#include "TestFiles.h"
#include "settings/PrivateProfile.h"
#include "util/SaveWhole.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every (section, key) -> value the document holds, as a reader sees it.
std::map<QString, QString> Values(const ProfileDocument& d, const QStringList& sections) {
    std::map<QString, QString> values;
    for (const QString& s : sections)
        for (const QString& k : d.Keys(s))
            values[s.toLower() + '|' + k.toLower()] = d.ReadString(s, k, "<none>", 1000);
    return values;
}

} // namespace

class TestPrivateProfile : public QObject {
    Q_OBJECT
private slots:
    void reads_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("buffer");
        QTest::addColumn<QString>("value");
        const QByteArray basic = "[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\nName001=Ani\r\n";
        QTest::newRow("plain") << basic << "PERSONAL"
                               << "Name001" << 81 << "Ani";
        QTest::newRow("names in any case") << basic << "personal"
                                           << "NAME001" << 81 << "Ani";
        QTest::newRow("missing key: default") << basic << "PERSONAL"
                                              << "Name002" << 81 << "dflt";
        QTest::newRow("missing section") << basic << "OTHER"
                                         << "Name001" << 81 << "dflt";
        QTest::newRow("no file") << QByteArray() << "PERSONAL"
                                 << "Name001" << 81 << "dflt";
        QTest::newRow("empty value is empty") << QByteArray("[S]\nk=\n") << "S"
                                              << "k" << 81 << "";
        QTest::newRow("blanks around") << QByteArray("[ S ]\n \t k \t= \t v w \t\n") << "S"
                                       << "k" << 81 << "v w";
        QTest::newRow("one pair of quotes") << QByteArray("[S]\nk=\"\"v\"\"\n") << "S"
                                            << "k" << 81 << "\"v\"";
        QTest::newRow("single quotes") << QByteArray("[S]\nk='v'\n") << "S"
                                       << "k" << 81 << "v";
        QTest::newRow("unmatched quotes kept") << QByteArray("[S]\nk=\"v'\n") << "S"
                                               << "k" << 81 << "\"v'";
        QTest::newRow("cut to the buffer") << QByteArray("[S]\nk=abcdefgh\n") << "S"
                                           << "k" << 5 << "abcd";
        QTest::newRow("default cut too") << QByteArray() << "S"
                                         << "k" << 3 << "df";
        QTest::newRow("comment line") << QByteArray("[S]\n;k=1\n  ; k=2\nk=3\n") << "S"
                                      << "k" << 81 << "3";
        QTest::newRow("semicolon inside a value") << QByteArray("[S]\nk=a ; b\n") << "S"
                                                  << "k" << 81 << "a ; b";
        QTest::newRow("first duplicate wins") << QByteArray("[S]\nk=1\nK=2\n[s]\nk=3\n") << "S"
                                              << "k" << 81 << "1";
        QTest::newRow("second section of the name")
            << QByteArray("[S]\na=1\n[T]\n[S]\nk=3\n") << "S"
            << "k" << 81 << "3";
        QTest::newRow("CR line ends") << QByteArray("[S]\rj=0\rk=1\r") << "S"
                                      << "k" << 81 << "1";
        QTest::newRow("mixed line ends") << QByteArray("[S]\r\nj=0\nk=1\rl=2") << "S"
                                         << "l" << 81 << "2";
        QTest::newRow("key before any section") << QByteArray("k=0\n[S]\n") << "S"
                                                << "k" << 81 << "dflt";
        QTest::newRow("line without =") << QByteArray("[S]\nk\n") << "S"
                                        << "k" << 81 << "dflt";
        QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF[S]\nk=1\n") << "S"
                                   << "k" << 81 << "1";
        QTest::newRow("UTF-8") << QByteArray("[S]\nk=Andr\xC3\xA9\n") << "S"
                               << "k" << 81 << QString::fromUtf8("Andr\xC3\xA9");
        QTest::newRow("Windows-1252")
            << QByteArray("[S]\nk=Andr\xE9 \x80\x9C\n") << "S"
            << "k" << 81 << QString::fromUtf8("Andr\xC3\xA9 \xE2\x82\xAC\xC5\x93");
        QTest::newRow("a value that begins with U+FEFF keeps it")
            << QByteArray("\xEF\xBB\xBF[S]\nk=\xEF\xBB\xBFx\n") << "S"
            << "k" << 81 << QString(QChar(0xFEFF)) + "x";
        QTest::newRow("a bad line does not spoil the next")
            << QByteArray("[S]\nj=\xE9\nk=\xC3\xA9\n") << "S"
            << "k" << 81 << QString::fromUtf8("\xC3\xA9");
    }
    void reads() {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(int, buffer);
        QFETCH(QString, value);
        QCOMPARE(ProfileDocument(file).ReadString(section, key, "dflt", buffer), value);
    }

    // A missing key's default loses its trailing blanks, as the Windows call
    // does; leading and inner blanks stay.
    void defaultsLoseTrailingBlanks_data() {
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QString>("value");
        QTest::newRow("trailing") << "x  "
                                  << "x";
        QTest::newRow("inner stay") << "one two  "
                                    << "one two";
        QTest::newRow("leading stay") << "  x   "
                                      << "  x";
        QTest::newRow("only blanks") << "   "
                                     << "";
        QTest::newRow("none") << "1-Jan-1960"
                              << "1-Jan-1960";
    }
    void defaultsLoseTrailingBlanks() {
        QFETCH(QString, fallback);
        QFETCH(QString, value);
        const ProfileDocument d("[S]\nk= kept  \n");
        QCOMPARE(d.ReadString("S", "missing", fallback, 81), value);
        QCOMPARE(d.ReadString("T", "k", fallback, 81), value);
        QCOMPARE(d.ReadString("S", "k", fallback, 81), "kept"); // a found value is not a default
    }

    void deletes_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("its line only") << QByteArray("; c\r\n[S]\r\nk=1\r\nName003=X\r\nj=2\r\n")
                                       << "name003" << QByteArray("; c\r\n[S]\r\nk=1\r\nj=2\r\n");
        QTest::newRow("last line without an end")
            << QByteArray("[S]\nk=1\nj=2") << "j" << QByteArray("[S]\nk=1\n");
        QTest::newRow("every duplicate") << QByteArray("[S]\nk=1\nk=2\n[T]\nk=3\n[S]\nk=4\n") << "k"
                                         << QByteArray("[S]\n[T]\nk=3\n[S]\n");
        QTest::newRow("missing: nothing changes")
            << QByteArray("[S]\nk=1\n") << "j" << QByteArray("[S]\nk=1\n");
    }
    void deletes() {
        QFETCH(QByteArray, before);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        ProfileDocument d(before);
        d.DeleteKey("S", key);
        QCOMPARE(d.Bytes(), after);
        QVERIFY(!d.HasKey("S", key));
        d.WriteString("S", "new", "v"); // the document stays consistent
        QCOMPARE(ProfileDocument(d.Bytes()).ReadString("S", "new", "", 81), "v");
    }

    void writes_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << "PERSONAL"
                                  << "No. of Friends"
                                  << "0" << QByteArray("[PERSONAL]\r\nNo. of Friends=0\r\n");
        QTest::newRow("value only")
            << QByteArray("; mine\n[S]\nk = old  \nj=2\n\n[T]\nx=1") << "s"
            << "K"
            << "new" << QByteArray("; mine\n[S]\nk = new  \nj=2\n\n[T]\nx=1");
        QTest::newRow("CRLF kept") << QByteArray("[S]\r\nk=1\r\n") << "S"
                                   << "k"
                                   << "22" << QByteArray("[S]\r\nk=22\r\n");
        QTest::newRow("new key ends its section") << QByteArray("[S]\nk=1\n\n[T]\n") << "S"
                                                  << "n"
                                                  << "v" << QByteArray("[S]\nk=1\nn=v\n\n[T]\n");
        QTest::newRow("new key after the header") << QByteArray("[S]\r\n[T]\r\n") << "S"
                                                  << "n"
                                                  << "v" << QByteArray("[S]\r\nn=v\r\n[T]\r\n");
        QTest::newRow("last line without a line end") << QByteArray("[S]\nk=1") << "S"
                                                      << "n"
                                                      << "v" << QByteArray("[S]\nk=1\nn=v\n");
        QTest::newRow("new section at the end") << QByteArray("[S]\nk=1") << "T"
                                                << "n"
                                                << "v" << QByteArray("[S]\nk=1\n[T]\nn=v\n");
        QTest::newRow("first duplicate changes") << QByteArray("[S]\nk=1\nk=2\n") << "S"
                                                 << "k"
                                                 << "3" << QByteArray("[S]\nk=3\nk=2\n");
        QTest::newRow("empty value") << QByteArray("[S]\nk=1\n") << "S"
                                     << "k"
                                     << "" << QByteArray("[S]\nk=\n");
        QTest::newRow("blanks kept by quotes") << QByteArray("[S]\n") << "S"
                                               << "k"
                                               << " a " << QByteArray("[S]\nk=\" a \"\n");
        QTest::newRow("a trailing blank alone kept by quotes")
            << QByteArray("[S]\n") << "S"
            << "k"
            << "a " << QByteArray("[S]\nk=\"a \"\n");
        QTest::newRow("quotes kept by quotes") << QByteArray("[S]\n") << "S"
                                               << "k"
                                               << "'a'" << QByteArray("[S]\nk=\"'a'\"\n");
        QTest::newRow("UTF-8 into a Windows-1252 file")
            << QByteArray("[S]\nj=\xE9\nk=1\n") << "S"
            << "k" << QString::fromUtf8("\xC3\xA9") << QByteArray("[S]\nj=\xE9\nk=\xC3\xA9\n");
    }
    void writes() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        ProfileDocument d(before);
        d.WriteString(section, key, value);
        QCOMPARE(d.Bytes(), after);
        QCOMPARE(d.ReadString(section, key, "dflt", 1000), value);
        QCOMPARE(ProfileDocument(d.Bytes()).ReadString(section, key, "dflt", 1000), value);
    }

    void refusesWhatTheFormatCannotHold() {
        ProfileDocument d;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, d.WriteString("S", "k", "a\nb"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, d.WriteString("S", "k=1", "v"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, d.WriteString("S]", "k", "v"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, d.WriteString("S", "", "v"));
        QVERIFY(d.Bytes().isEmpty());
    }

    void filesOnDisk() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Ondulix.ini");
        ProfileDocument d;
        QString error;
        QVERIFY(LoadProfile(path, &d, &error)); // no file: empty
        QVERIFY(d.Bytes().isEmpty());

        QCOMPARE(WriteProfile(path, {{"S", "k", "1"}, {"S", "j", "2"}}), QString());
        QCOMPARE(ReadAll(path), QByteArray("[S]\r\nk=1\r\nj=2\r\n"));

        QFile::setPermissions(path, QFileDevice::ReadOwner);
        QCOMPARE(WriteProfile(path, {{"S", "k", "9"}}), "the file is read-only");
        QCOMPARE(ReadAll(path), QByteArray("[S]\r\nk=1\r\nj=2\r\n"));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        const QString noFolder = dir.filePath("missing/Ondulix.ini");
        QVERIFY(WriteProfile(noFolder, {{"S", "k", "1"}}).contains("does not exist"));
        QVERIFY(!QFile::exists(noFolder));

        // A value the file cannot hold is refused alone; the rest lands.
        const QString refused =
            WriteProfile(path, {{"S", "k", "bad\r\nvalue"}, {"S", "j", "3"}, {"S", "k", "", true}});
        QVERIFY(refused.contains("k not saved") && refused.contains("line break"));
        QCOMPARE(ReadAll(path), QByteArray("[S]\r\nj=3\r\n"));
    }

    // The user's own links are followed, and stay links; another user's link
    // in a shared sticky folder, and a loop, are refused and left as they are.
    void links_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("own link into another folder") << "own"
                                                      << "";
        QTest::newRow("own link to a file not made yet") << "missing"
                                                         << "";
        QTest::newRow("a loop") << "loop"
                                << "is a loop of links";
        QTest::newRow("another user's link in /tmp") << "foreign"
                                                     << "another user made";
    }
    void links() {
        QFETCH(QString, kind);
        QFETCH(QString, refusal);
        if (kind == "foreign" && geteuid() != 0) QSKIP("needs root to play another user");
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("elsewhere");
        QDir(dir.path()).mkpath("shared");
        const QString target = dir.filePath("elsewhere/real.ini");
        if (kind != "missing") WriteAll(target, "[S]\r\nk=1\r\n");
        QString link = dir.filePath("Ondulix.ini");
        if (kind == "foreign") { // a victim's file, an attacker's link to it
            QVERIFY(::chmod(QFile::encodeName(dir.filePath("shared")).constData(), 01777) == 0);
            link = dir.filePath("shared/chart.png");
        }
        QVERIFY(QFile::link(kind == "loop" ? link : target, link));
        if (kind == "foreign")
            QVERIFY(::lchown(QFile::encodeName(link).constData(), 65534, 65534) == 0);
        const QString error = SaveWhole(link, "new");
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY2(refusal.isEmpty() ? error.isEmpty() : error.contains(refusal), qPrintable(error));
        QCOMPARE(ReadAll(target), QByteArray(refusal.isEmpty() ? "new" : "[S]\r\nk=1\r\n"));
        QCOMPARE(QDir(dir.filePath("elsewhere")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"real.ini"});
    }

    // A disk that takes part of the file says why, and the old file stays.
    void aNearlyFullDisk() {
        if (geteuid() != 0) QSKIP("needs root to mount a small tmpfs");
        QTemporaryDir dir;
        const QString mountPoint = dir.filePath("small");
        QDir().mkpath(mountPoint);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint}) != 0)
            QSKIP("this machine does not let us mount a tmpfs");
        const QString path = mountPoint + "/Ondulix.ini";
        WriteAll(path, "[S]\r\nk=1\r\n");
        const QString big(100000, 'x'); // more than the disk has left
        const QString error = WriteProfile(path, {{"S", "k", big}});
        const QByteArray after = ReadAll(path);
        const QStringList left = QDir(mountPoint).entryList(QDir::Files);
        QProcess::execute("umount", {mountPoint});
        QCOMPARE(error, "No space left on device");
        QCOMPARE(after, QByteArray("[S]\r\nk=1\r\n"));
        QCOMPARE(left, QStringList{"Ondulix.ini"});
    }

    // Random files from the characters that matter to the format, random
    // writes into them: no crash, every write reads back, every other value
    // stays as it was, and what the document holds is what a fresh read of
    // its bytes gives.
    void randomFilesAndWrites() {
        QRandomGenerator random(20261206);
        const QList<QByteArray> pieces = {"[",     "]",     "=",        ";",
                                          "\"",    "'",     " ",        "\t",
                                          "\r",    "\n",    "\r\n",     "S",
                                          "s",     "k",     "K",        "T",
                                          "ab",    "\xE9",  "\xC3\xA9", QByteArray(1, '\0'),
                                          "[S]\n", "k=v\n", "[T]\r\n"};
        const QStringList sections{"S", "T", "s t"};
        const QStringList keys{"k", "K", "Name001", "j"};
        const QStringList values{"", "1", " a ", "\"q\"", "x=y", "; no comment", "\xE9t\xE9"};
        for (int round = 0; round < 10000; ++round) {
            QByteArray bytes;
            const int n = random.bounded(40);
            for (int i = 0; i < n; ++i)
                bytes += pieces[random.bounded(pieces.size())];
            ProfileDocument d(bytes);
            for (int w = 0; w < 4; ++w) {
                const QString s = sections[random.bounded(sections.size())];
                const QString k = keys[random.bounded(keys.size())];
                const QString v = values[random.bounded(values.size())];
                auto before = Values(d, sections);
                d.WriteString(s, k, v);
                QCOMPARE(d.ReadString(s, k, "<none>", 1000), v);
                auto after = Values(d, sections);
                const QString written = s.toLower() + '|' + k.toLower();
                before.erase(written);
                after.erase(written);
                for (const auto& [name, value] : before)
                    QVERIFY2(after.count(name) && after[name] == value, qPrintable(name));
                QVERIFY(Values(ProfileDocument(d.Bytes()), sections) == Values(d, sections));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestPrivateProfile)
#include "tst_privateprofile.moc"
