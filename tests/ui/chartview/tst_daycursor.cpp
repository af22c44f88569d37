#include "chart/ChartReadout.h"
#include "ui/WindowFixture.h"
#include "ui/chartview/DayCursor.h"
#include "ui/chartview/FormCanvas.h"
#include "ui/compare/CompareMenu.h"
#include "ui/compare/ComparisonKey.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

class TestDayCursor : public QObject {
    Q_OBJECT

    WindowFixture f;
    std::unique_ptr<frmOndulix>& w = f.w;

    QString ReadoutOf(int day) const {
        return chart::ReadoutText(*chart::ReadDay(w->CurrentChart(), day));
    }

private slots:
    void init() { f.Reset(); }
    void cleanup() { w.reset(); }

    // The cursor is drawn over the chart, never into it.
    void theCursorLeavesTheChartAlone() {
        f.Open();
        const QImage before = w->canvas->Image();
        const QImage shownBefore = w->canvas->grab().toImage();
        w->cursor->SetDay(10);
        QCOMPARE(w->canvas->Image(), before);
        QVERIFY(w->canvas->grab().toImage() != shownBefore); // but it is seen
        QCOMPARE(w->cursor->Readout(), ReadoutOf(10));
        QCOMPARE(w->lblReadout->accessibleDescription(), ReadoutOf(10));
        // Moved on, it leaves no trace on the screen.
        QCoreApplication::processEvents();
        w->cursor->SetDay(20);
        QCoreApplication::processEvents();
        const QImage onScreen = w->screen()->grabWindow(w->winId()).toImage();
        QCOMPARE(onScreen.convertToFormat(QImage::Format_RGB32),
                 w->grab().toImage().convertToFormat(QImage::Format_RGB32));
        // The pointer picks the day whose number is nearest: day 20's line is
        // at x 192, day 21's at 201.6; leaving hides the cursor.
        QMouseEvent move(QEvent::MouseMove, QPointF(197, 100),
                         w->cursor->mapToGlobal(QPointF(197, 100)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(w->cursor, &move);
        QCOMPARE(w->cursor->Day(), 21);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(w->cursor, &leave);
        QCOMPARE(w->cursor->Day(), std::nullopt);
        QCOMPARE(w->canvas->grab().toImage(), shownBefore);
        QVERIFY(w->lblReadout->text().isEmpty());
    }

    // Under the chart, two whole lines, whoever is compared; over it, while
    // comparing, whose curves are solid and whose dashed.
    void theReadoutAndKeyAreWhole_data() {
        QTest::addColumn<QString>("compared"); // "" for none
        QTest::newRow("one person") << "";
        QTest::newRow("two long names") << "Raden Mas Panji Kusumawa";
    }
    void theReadoutAndKeyAreWhole() {
        QFETCH(QString, compared);
        WriteAll(f.ini,
                 FriendsFile({"Raden Ayu Sekar Kedaton W", compared.isEmpty() ? "B" : compared})
                     .replace("Bday002=1-Jan-1970", "Bday002=12-Sep-1990"));
        f.Open();
        for (int k = 1; k <= 7; ++k)
            w->chkOndulixChart[k]->setChecked(true);
        Pick(w->cboFriend, "Raden Ayu Sekar Kedaton W");
        if (!compared.isEmpty()) w->Compare->Choose(w->Friends.Id(2));
        QCOMPARE(w->lblKey->isVisible(), !compared.isEmpty());
        for (int day : {0, 29, 59}) {
            w->cursor->SetDay(day);
            const QStringList lines = w->lblReadout->text().split('\n');
            QCOMPARE(lines.size(), 2);
            QVERIFY2(!lines.join("").contains(QChar(0x2026)), qPrintable(lines.join('\n')));
            if (!compared.isEmpty())
                QVERIFY(lines[0].contains("Raden Ayu Sekar Kedaton W: ") &&
                        lines[1].startsWith(compared + ": "));
        }
        if (compared.isEmpty()) return;
        QCOMPARE(w->lblKey->accessibleDescription(),
                 "Garis penuh: Raden Ayu Sekar Kedaton W, lahir 1 Januari 1970. Garis putus-putus: "
                 "Raden Mas Panji Kusumawa, lahir 12 September 1990.");
        QVERIFY(!w->lblKey->text().contains(QChar(0x2026)));
    }

    // The cursor's dot on a curve sits at the height where the chart draws it.
    void theDotsSitOnTheCurves() {
        f.Open();
        int day = 0; // the day Fisik is furthest from zero
        for (int d = 0; d < 60; ++d)
            if (qAbs(chart::ReadDay(w->CurrentChart(), d)->items[0].percent) >
                qAbs(chart::ReadDay(w->CurrentChart(), day)->items[0].percent))
                day = d;
        w->cursor->SetDay(day);
        const int x = w->cursor->mapTo(w->canvas, QPoint(qRound(day * 9.6), 0)).x();
        auto redRows = [x](const QImage& image) { // mean row of red in column x
            double sum = 0;
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                if (image.pixel(x, y) == qRgb(255, 0, 0)) sum += y, ++n;
            return n ? sum / n : -1.0;
        };
        const double curve = redRows(w->canvas->Image());
        const double dot = redRows(w->canvas->grab().toImage());
        QVERIFY(curve > 0 && dot > 0);
        QVERIFY2(qAbs(dot - curve) <= 1.5, qPrintable(QString("%1 vs %2").arg(dot).arg(curve)));
    }

    void keysMoveTheCursorAndEnterRedrawsOnce() {
        f.OpenActive();
        w->cursor->setFocus();
        QCOMPARE(w->cursor->Day(), 0); // the display date's day
        const std::pair<Qt::Key, int> moves[] = {
            {Qt::Key_Right, 1},  {Qt::Key_Left, 0},    {Qt::Key_Left, 0}, {Qt::Key_End, 59},
            {Qt::Key_Right, 59}, {Qt::Key_PageUp, 52}, {Qt::Key_Home, 0}, {Qt::Key_PageDown, 7},
        };
        for (const auto& [key, day] : moves) {
            QTest::keyClick(w->cursor, key);
            QCOMPARE(w->cursor->Day(), day);
        }
        const int runs = w->DrawRuns();
        QTest::keyClick(w->cursor, Qt::Key_Return);
        QCOMPARE(w->DrawRuns(), runs + 1);
        QCOMPARE(f.Display(), "14 March 2004");
        QCOMPARE(w->cursor->Day(), 0); // the same date, now the chart's first day
    }

    // No chart, no values; and a redraw keeps the day or hides the cursor.
    void noValuesWithoutAChart() {
        f.Open();
        w->cursor->SetDay(40);
        f.PickBirth("8 March 2004"); // born after the display date: an empty chart
        QCOMPARE(w->cursor->Day(), std::nullopt);
        w->cursor->SetDay(5);
        QCOMPARE(w->cursor->Day(), std::nullopt);
        QVERIFY(w->cursor->Readout().isEmpty());
        Pick(w->cboBDyear, "1990");
        w->cursor->SetDay(40);
        w->chkCenter->click(); // the chart moves 30 days back: day 40 is now day 70
        QCOMPARE(w->cursor->Day(), std::nullopt);
        w->cursor->SetDay(45);
        w->chkCenter->click(); // and forward again: day 45 is day 15
        QCOMPARE(w->cursor->Day(), 15);
    }
};

QTEST_MAIN(TestDayCursor)
#include "tst_daycursor.moc"
