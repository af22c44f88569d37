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

    // However the lock beside the file is spoiled, or its folder shared, a
    // second copy still meets the first, though the first's save replaced the
    // file in between, and never writes it. Root on another user's file runs,
    // and leaves the file, its owner and mode as they were.
    void aSpoiledLockStillGuards_data() {
        QTest::addColumn<QString>("setup");
        for (const char* setup :
             {"lock is a FIFO", "lock is a link", "lock is a folder", "another user's lock, held",
              "folder 0777", "folder 1777", "root on another user's file"})
            QTest::newRow(setup) << QString(setup);
    }
    void aSpoiledLockStillGuards() {
        QFETCH(QString, setup);
        const bool other = setup.contains("another user");
        if (other && geteuid() != 0) QSKIP("needs root to play another user");
        if (SingleInstance::PrivateLockPathFor(d.Ini()).isEmpty())
            QSKIP("this user has no home of their own for a private lock: such a copy runs "
                  "without writing");
        const QString config = d.home.filePath("config"),
                      lock = SingleInstance::LockPathFor(d.Ini());
        const QByteArray native = QFile::encodeName(lock);
        WriteAll(d.Ini(), Personal(1));
        QFile::remove(lock);
        const auto restore = qScopeGuard([&] {
            QDir(lock).removeRecursively(), QFile::remove(lock);
            for (const QString& path : {config, d.Ini()})
                QVERIFY(::chown(qPrintable(path), 0, 0) == 0);
            QVERIFY(::chmod(qPrintable(config), 0700) == 0);
        });
        QFile held(lock);
        if (setup.contains("FIFO")) QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        if (setup.contains("link")) QVERIFY(QFile::link(d.home.filePath("elsewhere"), lock));
        if (setup.contains("folder")) QVERIFY(QDir().mkdir(lock));
        if (setup.startsWith("another"))
            QVERIFY(held.open(QIODevice::ReadWrite) && ::flock(held.handle(), LOCK_EX) == 0 &&
                    ::fchown(held.handle(), 65534, 65534) == 0);
        if (setup.startsWith("folder"))
            QCOMPARE(::chmod(qPrintable(config), setup.endsWith("1777") ? 01777 : 0777), 0);
        const bool theirs = setup.startsWith("root");
        for (const QString& path : {config, d.Ini()})
            QVERIFY(!theirs || ::chown(qPrintable(path), 65534, 65534) == 0);
        QProcess one, two;
        const QString window = d.Open(one);
        QVERIFY2(!window.isEmpty(), "the window did not appear");
        QTest::qWait(1000);
        if (theirs) d.Run("xdotool", {"key", "Return"}); // what the box says: not written
        d.Run("xdotool", {"windowfocus", "--sync", window, "key", "alt+l", "type", "Ani"});
        d.Run("xdotool", {"key", "Return"}); // added, and saved by a copy that may
        QTRY_COMPARE_WITH_TIMEOUT(ReadAll(d.Ini()).contains("=Ani\r\n"), !theirs, 10000);
        d.Start(two, false);
        QVERIFY2(Desktop::End(two, 0), "the second copy did not hand over");
        QCOMPARE(one.state(), QProcess::Running);
        QVERIFY(Desktop::End(one));
        QCOMPARE(ReadAll(d.Ini()).contains("=Ani\r\n"), !theirs);
        QCOMPARE(QFileInfo(d.Ini()).ownerId(), theirs ? 65534u : 0u);
    }

    // A pipe, a device or a folder given to the import, on the command line
    // or handed to the running copy, is refused at once; a signal then ends
    // the program as ever, the file saved.
    void anImportOfNoRegularFileCannotHang_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("handed");
        for (const bool handed : {false, true}) {
            QTest::addRow("a FIFO%s", handed ? ", handed over" : "") << "pipe.vcf" << handed;
            QTest::addRow("/dev/zero%s", handed ? ", handed over" : "") << "/dev/zero" << handed;
            QTest::addRow("a folder%s", handed ? ", handed over" : "") << "runtime-a" << handed;
        }
    }
    void anImportOfNoRegularFileCannotHang() {
        QFETCH(QString, path);
        QFETCH(bool, handed);
        if (!path.startsWith(u'/')) path = d.home.filePath(path);
        QFile::remove(d.home.filePath("pipe.vcf"));
        QCOMPARE(::mkfifo(qPrintable(d.home.filePath("pipe.vcf")), 0600), 0);
        WriteAll(d.Ini(), Personal(1));
        QProcess one, two;
        const auto windows = [] {
            return Desktop::Run("xdotool", {"search", "--onlyvisible", "--name", "^Ondulix$"})
                .count('\n');
        };
        d.Start(one, true, {}, handed ? QStringList() : QStringList{path});
        if (handed) {
            QTRY_COMPARE_WITH_TIMEOUT(windows(), 1, 10000);
            d.Start(two, false, {}, {path});
            QVERIFY(Desktop::End(two, 0));
        }
        QTRY_COMPARE_WITH_TIMEOUT(windows(), 2, 10000); // the window, and the box that says why
        QVERIFY(Desktop::End(one, SIGTERM));
        QCOMPARE(ReadAll(d.Ini()), Personal(1) + Options);
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
