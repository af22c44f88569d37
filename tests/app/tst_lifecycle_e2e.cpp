#include "Desktop.h"
#include "TestFiles.h"
#include "process/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// The real program's life with other processes: a second copy, signals, a
// kill in the middle of a save.
namespace {

constexpr int TimeoutMs = Desktop::TimeoutMs;

QByteArray Personal(int friends) {
    QByteArray bytes =
        "[PERSONAL]\r\nMy Birthdate=7-Jan-1960\r\nNo. of Friends=" + QByteArray::number(friends) +
        "\r\n";
    for (int i = 1; i <= friends; ++i) {
        const QByteArray n = QByteArray::number(i).rightJustified(3, '0');
        bytes += "Name" + n + "=Friend " + n + "\r\nBday" + n + "=28-Feb-1999\r\n";
    }
    return bytes;
}

const QByteArray Options = "[ONDULIX OPTIONS]\r\nPhysical=True\r\nEmotional=True\r\n"
                           "Intellectual=True\r\nIntuitive=False\r\nPassion=False\r\n"
                           "Wisdom=False\r\nMastery=False\r\nCenter=False\r\n";

QByteArray Toggled(QByteArray file) {
    return file.contains("Intuitive=False") ? file.replace("Intuitive=False", "Intuitive=True")
                                            : file.replace("Intuitive=True", "Intuitive=False");
}

} // namespace

class TestLifecycleE2E : public QObject {
    Q_OBJECT

    Desktop d;

    QString Socket() const { return SingleInstance::SocketFor(d.Ini()); }

    // Started and listening: the copy that owns the settings file.
    void StartFirst(QProcess& program, bool onScreen = false, const QStringList& env = {}) {
        d.Start(program, onScreen, env);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Socket()), TimeoutMs);
    }

    static void Signal(QProcess& program, int number) {
        QVERIFY(::kill(static_cast<pid_t>(program.processId()), number) == 0);
    }

private slots:
    void initTestCase() {
        d.StartX();
        QDir().mkpath(d.home.filePath("config"));
    }
    void cleanupTestCase() { d.StopX(); }
    void init() { QFile::remove(d.Ini()); }

    // However the second copy reaches the settings file, it finds the first
    // one, brings it forward and leaves the file alone.
    void aSecondCopyHandsOverAndLeavesTheFileAlone_data() {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<bool>("firstStart"); // no configuration folder yet
        const QString runtime = d.home.filePath("runtime-");
        QTest::newRow("same environment") << QStringList{} << QStringList{} << false;
        QTest::newRow("other runtime folders")
            << QStringList{"XDG_RUNTIME_DIR=" + runtime + "a"}
            << QStringList{"XDG_RUNTIME_DIR=" + runtime + "b"} << false;
        QTest::newRow("one runtime folder unset") << QStringList{"XDG_RUNTIME_DIR=" + runtime + "a"}
                                                  << QStringList{"XDG_RUNTIME_DIR="} << false;
        QTest::newRow("a symlinked home, first start")
            << QStringList{} << QStringList{"XDG_CONFIG_HOME=" + d.home.filePath("link/config")}
            << true;
        QTest::newRow("a bind mount")
            << QStringList{} << QStringList{"XDG_CONFIG_HOME=" + d.home.filePath("bound")} << false;
        const QString tooLong = runtime + "long/" + QString(100, 'x');
        QTest::newRow("a runtime path too long for a socket")
            << QStringList{"XDG_RUNTIME_DIR=" + tooLong}
            << QStringList{"XDG_RUNTIME_DIR=" + tooLong} << false;
        // Another user owns it and anyone may write it: not a place for the socket.
        QTest::newRow("another user's runtime folder")
            << QStringList{"XDG_RUNTIME_DIR=" + runtime + "other"}
            << QStringList{"XDG_RUNTIME_DIR=" + runtime + "other"} << false;
    }
    void aSecondCopyHandsOverAndLeavesTheFileAlone() {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(bool, firstStart);
        const QString tag = QTest::currentDataTag();
        for (const QString& f : QStringList{"runtime-a", "runtime-b", "runtime-other", "bound",
                                            "runtime-long/" + QString(100, 'x')}) {
            QDir().mkpath(d.home.filePath(f));
            QFile::setPermissions(d.home.filePath(f), QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner);
        }
        QFile::link(d.home.path(), d.home.filePath("link"));
        const bool bound = tag == "a bind mount";
        if (bound && QProcess::execute("mount", {"--bind", d.home.filePath("config"),
                                                 d.home.filePath("bound")}) != 0)
            QSKIP("this machine does not let us bind-mount a folder");
        if (tag.startsWith("another user")) {
            if (geteuid() != 0) QSKIP("needs root to play another user");
            const QByteArray other = QFile::encodeName(d.home.filePath("runtime-other"));
            QVERIFY(::chown(other.constData(), 65534, 65534) == 0 &&
                    ::chmod(other.constData(), 0777) == 0);
        }
        if (firstStart)
            QDir(d.home.filePath("config")).removeRecursively();
        else
            WriteAll(d.Ini(), Personal(1));

        QProcess one;
        StartFirst(one, false, first);
        QProcess two;
        d.Start(two, false, second);
        QVERIFY(two.waitForFinished(TimeoutMs));
        QCOMPARE(two.exitStatus(), QProcess::NormalExit);
        QCOMPARE(two.exitCode(), 0);
        QCOMPARE(one.state(), QProcess::Running);
        QVERIFY(!Socket().startsWith(d.home.filePath("runtime-other")));
        const QByteArray before = ReadAll(d.Ini());
        Signal(one, SIGTERM);
        QVERIFY(one.waitForFinished(TimeoutMs));
        if (bound) QProcess::execute("umount", {d.home.filePath("bound")});
        QVERIFY(!firstStart || before.isEmpty());
        QVERIFY(firstStart || before == Personal(1));
        QCOMPARE(Socket(), QString());
        QDir(d.home.filePath("config")).mkpath(".");
    }

    // A signal closes the way Tutup does: the file is written, the exit is clean.
    void signalsCloseNormally_data() {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void signalsCloseNormally() {
        QFETCH(int, number);
        WriteAll(d.Ini(), Personal(2));
        QProcess program;
        StartFirst(program);
        Signal(program, number);
        QVERIFY(program.waitForFinished(TimeoutMs));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(ReadAll(d.Ini()), Personal(2) + Options);
    }

    // A copy that was killed leaves its lock and socket; the next start
    // takes them over instead of asking them anything.
    void aKilledCopyIsTakenOver() {
        QProcess killed;
        StartFirst(killed);
        Signal(killed, SIGKILL);
        QVERIFY(killed.waitForFinished(TimeoutMs));
        QVERIFY(QFile::exists(Socket()));
        QProcess next;
        d.Start(next, false);
        QVERIFY(!next.waitForFinished(1500)); // it runs, not hands over
        QProcess third;                       // and it answers
        d.Start(third, false);
        QVERIFY(third.waitForFinished(TimeoutMs));
        QCOMPARE(third.exitCode(), 0);
        Signal(next, SIGTERM);
        QVERIFY(next.waitForFinished(TimeoutMs));
        QCOMPARE(next.exitCode(), 0);
    }

    // A running copy that cannot be reached: say so, leave the file alone.
    // The box ends with a signal too, though no window runs yet.
    void aCopyThatDoesNotAnswer_data() {
        QTest::addColumn<int>("signal"); // 0: the user presses Return
        QTest::newRow("Return") << 0;
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void aCopyThatDoesNotAnswer() {
        QFETCH(int, signal);
        WriteAll(d.Ini(), Personal(1));
        const int held = ::open(QFile::encodeName(SingleInstance::LockPathFor(d.Ini())).constData(),
                                O_RDWR | O_CREAT | O_CLOEXEC, 0600); // alive, no socket yet
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        QProcess program;
        d.Start(program, true);
        const QString box = d.FindWindow();
        QVERIFY2(!box.isEmpty(), "no message appeared");
        if (signal) {
            Signal(program, signal);
        } else {
            d.Run("xdotool", {"windowfocus", "--sync", box});
            d.Run("xdotool", {"key", "Return"});
        }
        QVERIFY(program.waitForFinished(TimeoutMs));
        ::close(held);
        if (!signal) QCOMPARE(program.exitCode(), 1);
        QCOMPARE(ReadAll(d.Ini()), Personal(1));
    }

    // Killed at any moment of a save, the file is the whole old one or the
    // whole new one, and the program starts from it.
    void aKillDuringASaveLosesNothing() {
        QByteArray file = Personal(999) + Options;
        WriteAll(d.Ini(), file);
        int sawNew = 0;
        for (int round = 0; round < 24; ++round) {
            QProcess program;
            StartFirst(program, true);
            const QString window = d.FindWindow();
            QVERIFY2(!window.isEmpty(), "the window did not appear");
            d.Click(window, QPoint(16 + 8, 96 + 8)); // Intuisi: the options are saved
            std::this_thread::sleep_for(std::chrono::microseconds(round * 1500));
            Signal(program, SIGKILL);
            QVERIFY(program.waitForFinished(TimeoutMs));
            const QByteArray now = ReadAll(d.Ini());
            QVERIFY2(now == file || now == Toggled(file), qPrintable(QString::number(round)));
            if (now != file) ++sawNew;
            file = now;
        }
        QVERIFY(sawNew > 0); // the saves did happen
        QProcess last;       // starts from it, and clears what the kills left behind
        StartFirst(last);
        const QStringList left = QDir(d.home.filePath("config"))
                                     .entryList({"*Ondulix.ini*"}, QDir::Files | QDir::Hidden);
        Signal(last, SIGTERM);
        QVERIFY(last.waitForFinished(TimeoutMs));
        QCOMPARE(left, QStringList({".Ondulix.ini.lock", "Ondulix.ini"}));
        QCOMPARE(ReadAll(d.Ini()), file);
    }
};

QTEST_GUILESS_MAIN(TestLifecycleE2E)
#include "tst_lifecycle_e2e.moc"
