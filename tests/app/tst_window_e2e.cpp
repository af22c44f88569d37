#include "TestFiles.h"
#include "chart/CycleModel.h"
#include "util/Calendar.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The real program on a private X server with no window manager: it must
// open, draw its first chart unprompted and close through its Exit path.
namespace {

constexpr int TimeoutMs = 20000;

// Runs a helper program to its end and returns its standard output.
QByteArray Run(const QString& program, const QStringList& args, const QString& display) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(TimeoutMs) || p.exitCode() != 0) return {};
    return p.readAllStandardOutput();
}

QImage Screenshot(const QString& display) {
    return QImage::fromData(Run("import", {"-window", "root", "png:-"}, display), "PNG");
}

// The window on screen, and its client area: below the menu bar, whose
// height is whatever the window's height exceeds the 463-pixel client area by.
struct Placement {
    QRect window;
    QPoint client;
};

Placement Place(const QString& window, const QString& display) {
    const QByteArray shell = Run("xdotool", {"getwindowgeometry", "--shell", window}, display);
    QRect r;
    for (const QByteArray& line : shell.split('\n')) {
        const int value = line.mid(line.indexOf('=') + 1).toInt();
        if (line.startsWith("X=")) r.moveLeft(value);
        if (line.startsWith("Y=")) r.moveTop(value);
        if (line.startsWith("WIDTH=")) r.setWidth(value);
        if (line.startsWith("HEIGHT=")) r.setHeight(value);
    }
    return {r, QPoint(r.left(), r.bottom() + 1 - 463)};
}

bool Near(const QImage& image, QPoint p, QRgb colour, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.pixel(p + QPoint(dx, dy)) == colour) return true;
    return false;
}

} // namespace

class TestWindowE2E : public QObject {
    Q_OBJECT

    QProcess xvfb;
    QString display;
    QTemporaryDir home;

    void Start(QProcess& program) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(qEnvironmentVariable("ONDULIX_BIN"), {});
        QVERIFY(program.waitForStarted(TimeoutMs));
    }

    QString FindWindow() {
        return QString::fromLatin1(
            Run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Ondulix$"}, display)
                .split('\n')
                .first());
    }

    // A click at a point of the client area.
    void Click(const QString& window, QPoint client) {
        const QPoint p = Place(window, display).client + client;
        Run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"},
            display);
    }

private slots:
    void initTestCase() {
        for (const char* tool : {"Xvfb", "xdotool", "import"})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), tool);
        QVERIFY(home.isValid());
        // -displayfd picks a free display and reports it once it accepts clients.
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY(xvfb.waitForStarted(TimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(xvfb.canReadLine(), TimeoutMs);
        display = ':' + QString::fromLatin1(xvfb.readLine().trimmed());
        QVERIFY(display.size() > 1);
    }

    void cleanupTestCase() {
        xvfb.terminate();
        xvfb.waitForFinished(TimeoutMs);
    }

    void opensDrawsAndClosesThroughTutup() {
        QProcess program;
        const QDate today = QDate::currentDate();
        Start(program);
        const QString window = FindWindow();
        QVERIFY2(!window.isEmpty(), "the window did not appear");
        const Placement placement = Place(window, display);
        const QPoint origin = placement.client;

        // The plot window, twips 1600..10240 x 300..4300 of the client area.
        const QPoint topLeft = origin + QPoint(107, 20), bottomRight = origin + QPoint(683, 287);
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = Screenshot(display)).pixel(topLeft + QPoint(5, 5)) ==
                                     qRgb(255, 255, 255),
                                 TimeoutMs);
        shot.copy(placement.window)
            .save(QCoreApplication::applicationDirPath() + "/window-e2e.png");
        QCOMPARE(shot.pixel(topLeft), qRgb(0, 0, 0));
        QCOMPARE(shot.pixel(bottomRight), qRgb(0, 0, 0));
        QCOMPARE(shot.pixel(topLeft + QPoint(5, 0)), qRgb(0, 0, 0));
        QCOMPARE(shot.pixel(origin + QPoint(2, 2)), qRgb(0, 0, 0)); // the window's black

        // The Physical curve (red) where the model puts it halfway along the
        // chart, for 1 January 1960 and today.
        const chart::CycleTables tables = chart::MakeCycleTables();
        const double hours = cal::DiffHours(QDate(1960, 1, 1), today);
        const int value = chart::PrimaryValue(tables, 1, hours, 720);
        const QPoint onCurve = origin + QPoint(qRound((1600 + 720 * 6) / 15.0),
                                               qRound((300 + (100 - value) * 20) / 15.0));
        QVERIFY2(Near(shot, onCurve, qRgb(255, 0, 0), 2), "no red curve where expected");

        // Tutup, the Close button: twips 8880, 6000, 1335 x 495.
        Click(window, QPoint(592 + 44, 400 + 16));
        QVERIFY2(program.waitForFinished(TimeoutMs), "the program did not close");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(ReadAll(home.filePath("config/Ondulix.ini")).startsWith("[PERSONAL]\r\n"));
    }

    void addsAFriendToAPreparedFile() {
        const QString ini = home.filePath("config/Ondulix.ini");
        QDir().mkpath(home.filePath("config"));
        QFile::remove(ini);
        WriteAll(ini, "; prepared by hand\r\n[PERSONAL]\r\nMy Birthdate=7-Jan-1960\r\n"
                      "No. of Friends=1\r\nName001=Ani\r\nBday001=1-Jan-1970\r\n"
                      "[Other]\r\nx=1\r\n");
        QProcess program;
        Start(program);
        const QString window = FindWindow();
        QVERIFY(!window.isEmpty());
        Run("xdotool", {"windowfocus", "--sync", window}, display);

        Click(window, QPoint(72 + 8, 328 + 8));    // "Tanggal Lahir": entry mode
        Click(window, QPoint(192 + 90, 360 + 12)); // the name box
        Run("xdotool", {"type", "--delay", "20", "budi"}, display);
        Click(window, QPoint(192 + 92, 392 + 16)); // Save
        QTRY_VERIFY_WITH_TIMEOUT(ReadAll(ini).contains("Name002"), TimeoutMs);
        Click(window, QPoint(592 + 44, 400 + 16)); // Tutup
        QVERIFY2(program.waitForFinished(TimeoutMs), "the program did not close");
        QCOMPARE(program.exitCode(), 0);

        QCOMPARE(ReadAll(ini),
                 QByteArray("; prepared by hand\r\n[PERSONAL]\r\nMy Birthdate=7-Jan-1960\r\n"
                            "No. of Friends=2\r\nName001=Ani\r\nBday001=1-Jan-1970\r\n"
                            "Name002=Budi\r\nBday002=7-Jan-1960\r\n[Other]\r\nx=1\r\n"
                            "[ONDULIX OPTIONS]\r\nPhysical=True\r\nEmotional=True\r\n"
                            "Intellectual=True\r\nIntuitive=False\r\nPassion=False\r\n"
                            "Wisdom=False\r\nMastery=False\r\nCenter=False\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestWindowE2E)
#include "tst_window_e2e.moc"
