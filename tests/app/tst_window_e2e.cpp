#include "Desktop.h"
#include "TestFiles.h"

// The real program on a private X server with no window manager.
class TestWindowE2E : public QObject {
    Q_OBJECT

    Desktop d;
    static constexpr int TimeoutMs = Desktop::TimeoutMs;

private slots:
    void initTestCase() { d.StartX(); }

    // It draws its first chart unprompted; a real wheel notch over a picker that does not have the
    // focus turns nothing, over the moon slider, which takes the wheel, it does; Tutup closes it,
    // saving.
    void aSession() {
        QProcess program;
        const QString window = d.Open(program);
        QVERIFY2(!window.isEmpty(), "the window did not appear");
        const QPoint origin = d.Client(window);
        // The plot window, twips 1600..10240 x 300..4300 of the client area.
        const QPoint topLeft = origin + QPoint(107, 20), bottomRight = origin + QPoint(683, 287);
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = d.Screenshot()).pixel(topLeft + QPoint(5, 5)) ==
                                     qRgb(255, 255, 255),
                                 TimeoutMs);
        for (const QPoint p : {topLeft, bottomRight, origin + QPoint(2, 2)}) // the window's black
            QCOMPARE(shot.pixel(p), qRgb(0, 0, 0));
        d.Run("xdotool", {"windowfocus", "--sync", window});          // active: focus can be given
        const QRect day(origin + QPoint(584, 328), QSize(41, 21));    // display date: day
        const QRect slider(origin + QPoint(96, 288), QSize(600, 17)); // twips 1440, 4320
        auto hover = [&](const QRect& r) { // hovering alone changes a picker's look
            d.Run("xdotool",
                  {"mousemove", QString::number(r.center().x()), QString::number(r.center().y())});
            QTest::qWait(500);
            return d.Screenshot().copy(r);
        };
        const QImage day0 = hover(day);
        d.Run("xdotool", {"click", "4"}); // up: the slider starts at 0
        QTest::qWait(1000);
        QVERIFY2(d.Screenshot().copy(day) == day0, "the unfocused day picker turned");
        const QImage slider0 = hover(slider);
        d.Run("xdotool", {"click", "4"});
        QTRY_VERIFY2_WITH_TIMEOUT(d.Screenshot().copy(slider) != slider0,
                                  "no wheel reached the window", TimeoutMs);

        d.Click(window, QPoint(592 + 44, 400 + 16)); // Tutup: twips 8880, 6000, 1335 x 495
        QVERIFY2(Desktop::End(program, 0), "the program did not close");
        QVERIFY(ReadAll(d.Ini()).startsWith("[PERSONAL]\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestWindowE2E)
#include "tst_window_e2e.moc"
