#include "Desktop.h"
#include "TestFiles.h"
#include "ui/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <csignal>
#include <thread>

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

    QString Socket() const { return SingleInstance::KeyFor(d.Ini()) + ".sock"; }

    // Started and listening: the copy that owns the settings file.
    void StartFirst(QProcess& program, bool onScreen = false) {
        d.Start(program, onScreen);
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

    void aSecondCopyHandsOverAndLeavesTheFileAlone() {
        WriteAll(d.Ini(), Personal(1));
        QProcess first;
        StartFirst(first);
        QProcess second;
        d.Start(second, false);
        QVERIFY(second.waitForFinished(TimeoutMs));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(ReadAll(d.Ini()), Personal(1));
        Signal(first, SIGTERM);
        QVERIFY(first.waitForFinished(TimeoutMs));
        QVERIFY(!QFile::exists(Socket()));
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
    void aCopyThatDoesNotAnswer() {
        WriteAll(d.Ini(), Personal(1));
        QLockFile held(SingleInstance::KeyFor(d.Ini()) + ".lock"); // alive, no socket
        QVERIFY(held.tryLock(0));
        QProcess program;
        d.Start(program, true);
        const QString box = d.FindWindow();
        QVERIFY2(!box.isEmpty(), "no message appeared");
        d.Run("xdotool", {"windowfocus", "--sync", box});
        d.Run("xdotool", {"key", "Return"});
        QVERIFY(program.waitForFinished(TimeoutMs));
        QCOMPARE(program.exitCode(), 1);
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
        const QStringList left =
            QDir(d.home.filePath("config")).entryList({"Ondulix.ini*"}, QDir::Files);
        Signal(last, SIGTERM);
        QVERIFY(last.waitForFinished(TimeoutMs));
        QCOMPARE(left, QStringList{"Ondulix.ini"});
        QCOMPARE(ReadAll(d.Ini()), file);
    }
};

QTEST_GUILESS_MAIN(TestLifecycleE2E)
#include "tst_lifecycle_e2e.moc"
