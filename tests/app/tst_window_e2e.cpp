#include "Desktop.h"
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
#include <csignal>

namespace {

bool Near(const QImage& image, QPoint p, QRgb colour, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.pixel(p + QPoint(dx, dy)) == colour) return true;
    return false;
}

} // namespace

// The real program on a private X server with no window manager: it must
// open, draw its first chart unprompted and close through its Exit path.
class TestWindowE2E : public QObject {
    Q_OBJECT

    Desktop d;
    static constexpr int TimeoutMs = Desktop::TimeoutMs;

private slots:
    void initTestCase() { d.StartX(); }
    void cleanupTestCase() { d.StopX(); }

    void opensDrawsAndClosesThroughTutup() {
        QProcess program;
        const QDate today = QDate::currentDate();
        d.Start(program);
        const QString window = d.FindWindow();
        QVERIFY2(!window.isEmpty(), "the window did not appear");
        const Desktop::Placement placement = d.Place(window);
        const QPoint origin = placement.client;

        // The plot window, twips 1600..10240 x 300..4300 of the client area.
        const QPoint topLeft = origin + QPoint(107, 20), bottomRight = origin + QPoint(683, 287);
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = d.Screenshot()).pixel(topLeft + QPoint(5, 5)) ==
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
        d.Click(window, QPoint(592 + 44, 400 + 16));
        QVERIFY2(program.waitForFinished(TimeoutMs), "the program did not close");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(ReadAll(d.home.filePath("config/Ondulix.ini")).startsWith("[PERSONAL]\r\n"));
    }

    // A real wheel notch over a picker that does not have the focus turns
    // nothing; over the moon slider, which takes the wheel, it does.
    void aWheelNotchTurnsNoUnfocusedPicker() {
        QProcess program;
        d.Start(program);
        const QString window = d.FindWindow();
        QVERIFY(!window.isEmpty());
        d.Run("xdotool", {"windowfocus", "--sync", window}); // active: focus can be given
        const QPoint origin = d.Place(window).client;
        const QRect day(origin + QPoint(584, 328), QSize(41, 21));    // display date: day
        const QRect slider(origin + QPoint(96, 288), QSize(600, 17)); // twips 1440, 4320
        auto hover = [&](const QRect& r) { // hovering alone changes a picker's look
            d.Run("xdotool",
                  {"mousemove", QString::number(r.center().x()), QString::number(r.center().y())});
            QTest::qWait(500);
            return d.Screenshot().copy(r);
        };
        QTest::qWait(500); // the first chart
        const QImage day0 = hover(day);
        d.Run("xdotool", {"click", "4"}); // up: the slider starts at 0
        QTest::qWait(1000);
        QVERIFY2(d.Screenshot().copy(day) == day0, "the unfocused day picker turned");
        const QImage slider0 = hover(slider);
        d.Run("xdotool", {"click", "4"});
        QTRY_VERIFY2_WITH_TIMEOUT(d.Screenshot().copy(slider) != slider0,
                                  "no wheel reached the window", TimeoutMs);
        ::kill(program.processId(), SIGTERM);
        QVERIFY(program.waitForFinished(TimeoutMs));
    }

    void addsAFriendToAPreparedFile() {
        const QString ini = d.home.filePath("config/Ondulix.ini");
        QDir().mkpath(d.home.filePath("config"));
        QFile::remove(ini);
        WriteAll(ini, "; prepared by hand\r\n[PERSONAL]\r\nMy Birthdate=7-Jan-1960\r\n"
                      "No. of Friends=1\r\nName001=Ani\r\nBday001=1-Jan-1970\r\n"
                      "[Other]\r\nx=1\r\n");
        QProcess program;
        d.Start(program);
        const QString window = d.FindWindow();
        QVERIFY(!window.isEmpty());
        d.Run("xdotool", {"windowfocus", "--sync", window});

        d.Click(window, QPoint(72 + 8, 328 + 8));    // "Tanggal Lahir": entry mode
        d.Click(window, QPoint(192 + 90, 360 + 12)); // the name box
        d.Run("xdotool", {"type", "--delay", "20", "budi"});
        d.Click(window, QPoint(192 + 92, 392 + 16)); // Save
        QTRY_VERIFY_WITH_TIMEOUT(ReadAll(ini).contains("Name002"), TimeoutMs);
        d.Click(window, QPoint(592 + 44, 400 + 16)); // Tutup
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
