#include "Desktop.h"
#include "TestFiles.h"
#include "process/SingleInstance.h"

#include <QDir>
#include <QScopeGuard>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// The real program's life with other processes: a second copy, signals, a
// kill in the middle of a save.
namespace {

QByteArray Personal(int friends) {
    QString bytes = QString::asprintf("[PERSONAL]\r\nMy Birthdate=7-Jan-1960\r\n"
                                      "No. of Friends=%d\r\n",
                                      friends);
    for (int i = 1; i <= friends; ++i)
        bytes += QString::asprintf("Name%03d=Friend %03d\r\nBday%03d=28-Feb-1999\r\n", i, i, i);
    return bytes.toLatin1();
}

const QByteArray Options = "[ONDULIX OPTIONS]\r\nPhysical=True\r\nEmotional=True\r\n"
                           "Intellectual=True\r\nIntuitive=False\r\nPassion=False\r\n"
                           "Wisdom=False\r\nMastery=False\r\nCenter=False\r\n";

} // namespace

class TestLifecycleE2E : public QObject {
    Q_OBJECT

    Desktop d;
    const QString tooLong = "runtime-long/" + QString(100, 'x');

    QString Socket() const { return SingleInstance::SocketFor(d.Ini()); }

private slots:
    void initTestCase() {
        d.StartX();
        for (const QString& f : QStringList{"config", "runtime-a", "runtime-b", "runtime-other",
                                            "bound", "runtime-long", tooLong})
            QVERIFY(QDir(d.home.path())
                        .mkdir(f, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile::link(d.home.path(), d.home.filePath("link"));
        // Another user owns it and anyone may write it: not a place for the socket.
        const QByteArray other = QFile::encodeName(d.home.filePath("runtime-other"));
        QVERIFY(geteuid() != 0 || (::chown(other.constData(), 65534, 65534) == 0 &&
                                   ::chmod(other.constData(), 0777) == 0));
    }

    // However the second copy reaches the settings file, it finds the first
    // one, brings it forward and leaves the file alone.
    void aSecondCopyHandsOverAndLeavesTheFileAlone_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const QString run = "XDG_RUNTIME_DIR=" + d.home.filePath("runtime-"),
                      config = "XDG_CONFIG_HOME=" + d.home.path(),
                      tooLongRun = "XDG_RUNTIME_DIR=" + d.home.filePath(tooLong);
        const auto row = [](const char* tag, const QString& first, const QString& second) {
            QTest::newRow(tag) << first << second;
        };
        row("same environment", {}, {});
        row("other runtime folders", run + "a", run + "b");
        row("one runtime folder unset", run + "a", "XDG_RUNTIME_DIR=");
        row("a symlinked home, first start", {}, config + "/link/config");
        row("a bind mount", {}, config + "/bound");
        row("a runtime path too long for a socket", tooLongRun, tooLongRun);
        row("another user's runtime folder", run + "other", run + "other");
        // Its lock and socket are left behind: the next start takes them over.
        row("after a copy was killed", {}, {});
    }
    void aSecondCopyHandsOverAndLeavesTheFileAlone() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        const QString tag = QTest::currentDataTag(), bound = d.home.filePath("bound");
        const bool bind = tag == "a bind mount";
        if (bind && QProcess::execute("mount", {"--bind", d.home.filePath("config"), bound}))
            QSKIP("this machine does not let us bind-mount a folder");
        const auto unmount = qScopeGuard([&] {
            if (bind) QProcess::execute("umount", {bound});
        });
        if (tag.startsWith("another user") && geteuid() != 0)
            QSKIP("needs root to play another user");
        const bool firstStart = tag.endsWith("first start");
        if (firstStart) QDir(d.home.filePath("config")).removeRecursively();
        if (!firstStart) WriteAll(d.Ini(), Personal(1));
        QProcess killed, one, two; // a window shown: that copy listens
        if (tag.startsWith("after")) QVERIFY(!d.Open(killed).isEmpty());
        Desktop::End(killed, SIGKILL);
        QVERIFY(!d.Open(one, {first}).isEmpty());
        d.Start(two, false, {second});
        QVERIFY(Desktop::End(two, 0));
        QCOMPARE(one.state(), QProcess::Running);
        QVERIFY(!Socket().startsWith(d.home.filePath("runtime-other")));
        QCOMPARE(ReadAll(d.Ini()), firstStart ? QByteArray() : Personal(1));
        QVERIFY(Desktop::End(one));
        QCOMPARE(Socket(), QString());
    }

    // A contacts file given to a later start opens the running copy's import
    // preview; nothing is written before it is confirmed.
    void aContactsFileGoesToTheRunningCopy() {
        WriteAll(d.Ini(), Personal(1));
        const QString vcf = d.home.filePath("kontak.vcf");
        WriteAll(vcf, "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ani\r\nBDAY:19700102\r\nEND:VCARD\r\n");
        QProcess one, two;
        QVERIFY(!d.Open(one).isEmpty());
        d.Start(two, false, {}, {vcf});
        QVERIFY(Desktop::End(two, 0));
        QVERIFY(!Desktop::Run("xdotool", {"search", "--sync", "--onlyvisible", "--name",
                                          "^Impor Teman: kontak.vcf$"})
                     .isEmpty());
        QCOMPARE(ReadAll(d.Ini()), Personal(1));
        QVERIFY(Desktop::End(one));
    }

    // A signal closes the way Tutup does: the file is written, the exit is
    // clean. While the box about a copy that does not answer is open, the
    // signal ends the program as it would without a handler; nor does the box
    // ever touch the file.
    void aSignalEnds_data() {
        QTest::addColumn<int>("number"); // 0: the user presses Return
        QTest::addColumn<bool>("box");
        QTest::addColumn<int>("code"); // -1: ended by the signal
        QTest::newRow("SIGTERM") << int(SIGTERM) << false << 0;
        QTest::newRow("SIGINT") << int(SIGINT) << false << 0;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false << 0;
        QTest::newRow("box: Return") << 0 << true << 1;
        QTest::newRow("box: SIGTERM") << int(SIGTERM) << true << -1;
        QTest::newRow("box: SIGHUP") << int(SIGHUP) << true << -1;
    }
    void aSignalEnds() {
        QFETCH(int, number);
        QFETCH(bool, box);
        QFETCH(int, code);
        WriteAll(d.Ini(), Personal(2));
        QFile lock(SingleInstance::LockPathFor(d.Ini())); // held as by a copy with no socket yet
        QVERIFY(!box || (lock.open(QIODevice::ReadWrite) && ::flock(lock.handle(), LOCK_EX) == 0));
        QProcess program;
        const QString window = d.Open(program); // the box, or the running window
        QVERIFY2(!window.isEmpty(), "nothing appeared");
        if (!number) d.Run("xdotool", {"windowfocus", "--sync", window, "key", "Return"});
        Desktop::End(program, number);
        QCOMPARE(program.state(), QProcess::NotRunning);
        QCOMPARE(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, code);
        QCOMPARE(ReadAll(d.Ini()), box ? Personal(2) : Personal(2) + Options);
    }

    // Killed at any moment of a save, the file is the whole old one or the
    // whole new one, and the program starts from it.
    void aKillDuringASaveLosesNothing() {
        QByteArray file = Personal(999) + Options;
        WriteAll(d.Ini(), file);
        int saves = 0;
        const QByteArray off = "Intuitive=False", on = "Intuitive=True"; // Intuisi's box
        for (int round = 0; round < 24; ++round) {
            QProcess program;
            const QString window = d.Open(program);
            QVERIFY2(!window.isEmpty(), "the window did not appear");
            d.Click(window, QPoint(16 + 8, 96 + 8)); // Intuisi: the options are saved
            std::this_thread::sleep_for(std::chrono::microseconds(round * 1500));
            Desktop::End(program, SIGKILL);
            const QByteArray now = ReadAll(d.Ini());
            QVERIFY2(now == QByteArray(file).replace(off, on) ||
                         now == QByteArray(file).replace(on, off),
                     qPrintable(QString::number(round)));
            saves += now != file;
            file = now;
        }
        QVERIFY(saves > 0);
        QProcess last; // starts from it, and clears what the kills left behind
        QVERIFY(!d.Open(last).isEmpty());
        const QStringList left = QDir(d.home.filePath("config"))
                                     .entryList({"*Ondulix.ini*"}, QDir::Files | QDir::Hidden);
        QVERIFY(Desktop::End(last));
        QCOMPARE(left, QStringList({".Ondulix.ini.lock", "Ondulix.ini"}));
        QCOMPARE(ReadAll(d.Ini()), file);
    }
};

QTEST_GUILESS_MAIN(TestLifecycleE2E)
#include "tst_lifecycle_e2e.moc"
