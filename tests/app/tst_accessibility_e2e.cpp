#include "Desktop.h"

#include <QFile>
#include <QProcess>
#include <csignal>

// The real program read by a screen reader's library: its accessible tree
// over AT-SPI, on a private X server and a private D-Bus session.
class TestAccessibilityE2E : public QObject {
    Q_OBJECT

    Desktop d;
    QProcess bus;
    QString busAddress;
    const QString python = QStringLiteral("/usr/bin/python3");

private slots:
    void initTestCase() {
        if (QProcess::execute(python, {"-c", "import pyatspi"}) != 0)
            QSKIP("python3-pyatspi is missing: apt-get install python3-pyatspi at-spi2-core");
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            QSKIP("dbus-daemon is missing: apt-get install dbus-daemon at-spi2-core");
        d.StartX();
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(bus.waitForStarted(Desktop::TimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(bus.canReadLine(), Desktop::TimeoutMs);
        busAddress = QString::fromLatin1(bus.readLine().trimmed());
        QVERIFY(!busAddress.isEmpty());
    }

    void cleanupTestCase() {
        bus.terminate();
        bus.waitForFinished(Desktop::TimeoutMs);
        d.StopX();
    }

    void screenReadersFindEveryControl() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", d.display);
        env.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        env.insert("HOME", d.home.path());
        env.insert("XDG_CONFIG_HOME", d.home.filePath("config"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(qEnvironmentVariable("ONDULIX_BIN"), {});
        QVERIFY(program.waitForStarted(Desktop::TimeoutMs));
        QVERIFY(!d.FindWindow().isEmpty());

        QProcess reader;
        reader.setProcessEnvironment(env);
        reader.start(python, {QFINDTESTDATA("atspi_tree.py"), "30"});
        QVERIFY(reader.waitForFinished(60000));
        const QString tree = QString::fromUtf8(reader.readAllStandardOutput());
        QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError());

        const QStringList expected{
            "application\tOndulix",
            "check box\tFisik",
            "check box\tMastery",
            "check box\tPerjelas posisinya",
            "radio button\tTanggal Lahir",
            "radio button\tLihat teman",
            "text\tNama teman",
            "push button\tSet",
            "push button\tHari Ini",
            "push button\tTutup",
            "slider\tHari gambar bulan",
            "image\tGambar bulan",
            "label\tNilai hari",
            "menu item\tSimpan Grafik...",
            "image\tGrafik siklus\tOndulix: born 1 January 1960, 60 days from ",
        };
        for (const QString& line : expected)
            QVERIFY2(tree.contains("\n" + line) || tree.startsWith(line), qPrintable(line));
        for (const char* picker : {"Tanggal lahir: hari", "Tanggal lahir: bulan",
                                   "Tanggal lahir: tahun", "Set tanggal: hari", "Daftar teman"})
            QVERIFY2(tree.contains(QStringLiteral("\t") + picker + "\n"), picker);

        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(Desktop::TimeoutMs));
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestAccessibilityE2E)
#include "tst_accessibility_e2e.moc"
