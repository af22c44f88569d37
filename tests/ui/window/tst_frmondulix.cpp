#include "chart/ChartReadout.h"
#include "ui/WindowFixture.h"
#include "ui/chartview/FormCanvas.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QTimer>

// One thing a user does to the window, for data tables.
using Step = std::function<void(frmOndulix*)>;
Q_DECLARE_METATYPE(Step)

namespace {

bool HasColour(const QImage& image, QRect r, QRgb colour) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) == colour) return true;
    return false;
}

Step Picks(ComboPicker* frmOndulix::*picker, QString text) {
    return [picker, text](frmOndulix* w) { Pick(w->*picker, text); };
}
template <typename Button>
Step Clicks(Button* frmOndulix::*button) {
    return [button](frmOndulix* w) { (w->*button)->click(); };
}

} // namespace

class TestFrmOndulix : public QObject {
    Q_OBJECT

    WindowFixture f;
    std::unique_ptr<frmOndulix>& w = f.w;

    // The plot window's inside (twips 1600..10240 x 300..4300), in device pixels.
    QRect PlotInside() const {
        auto px = [r = w->devicePixelRatioF()](int twips) { return qRound(twips / 15.0 * r); };
        return QRect(QPoint(px(1600) + 1, px(300) + 1), QPoint(px(10240) - 1, px(4300) - 1));
    }

private slots:
    void init() { f.Reset(); }
    void cleanup() { w.reset(); }

    // Loading fills the controls and draws nothing; the first showing draws
    // once, over the window's own black.
    void loadsThenDrawsOnce() {
        f.Create();
        QCOMPARE(w->DrawRuns(), 0);
        QCOMPARE(f.Birth() + ", " + f.Display(), "1 January 1960, 7 March 2004");
        QCOMPARE(w->cboFriend->Text(), "(Hari Ulang Tahun saya)");
        for (bool entering : {false, true}) { // the birth date is locked while viewing
            if (entering) w->optBirthdate->click();
            for (ComboPicker* c : {w->cboBDday, w->cboBDmonth, w->cboBDyear})
                QCOMPARE(c->isEnabled(), entering);
        }
        w->optBirthday->click();
        QVERIFY(w->cmdsave->isHidden() && w->txtFriend->isHidden());
        QCOMPARE(w->lblPhaseDate->text(), QString());
        w->show();
        QTRY_VERIFY(w->IsActivated);
        QCOMPARE(w->DrawRuns(), 1);
        QCOMPARE(w->lblPhaseDate->text(), "Mar 7, 2004");
        const QImage image = w->canvas->Image();
        const QRect inside = PlotInside();
        QCOMPARE(image.width(), qRound(710 * w->devicePixelRatioF()));
        QCOMPARE(image.pixel(2, 2), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(inside.right() + 1, inside.bottom() + 1), qRgb(0, 0, 0)); // frame
        QVERIFY(HasColour(image, inside, qRgb(255, 0, 0)));                            // Fisik
        QVERIFY(!HasColour(image, inside, qRgb(0, 180, 0))); // Intuisi is off
    }

    // "Hari Ini" goes to the day it is clicked, not the day the program
    // started, and never to a day before the birth date.
    void today() {
        QDate today(1959, 6, 1);
        f.Open([&today] { return today; });
        QCOMPARE(f.Display(), "1 January 1960");
        Pick(w->cboDDyear, "1999");
        w->cmdGoToToday->click(); // still before the birth date
        QCOMPARE(f.Display(), "1 January 1960");
        today = StartDay.addDays(1);
        w->cmdGoToToday->click();
        QCOMPARE(f.Display(), "8 March 2004");
    }

    // Each menu item moves its own box and the box its item; what is saved
    // at each change is what the next start shows.
    void theMenuFollowsTheBoxes() {
        f.Open();
        for (int k = 1; k <= 4; ++k) {
            w->chkOndulixChart[k]->click();
            QCOMPARE(w->CycleMenus()[k - 1]->isChecked(), w->chkOndulixChart[k]->isChecked());
            w->CycleMenus()[k - 1]->trigger();
            QCOMPARE(w->chkOndulixChart[k]->isChecked(), k <= 3); // and back
        }
        w->mnuPhysical->trigger();
        w->chkOndulixChart[6]->click();
        w->chkCenter->click();
        const QByteArray file = ReadAll(f.ini);
        QVERIFY(file.contains("Physical=False\r\nEmotional=True\r\nIntellectual=True\r\n"
                              "Intuitive=False\r\nPassion=False\r\nWisdom=True\r\nMastery=False\r\n"
                              "Center=True\r\n"));
        QVERIFY(!file.contains("[PERSONAL]"));
        w.reset();
        f.Create();
        QVERIFY(!w->chkOndulixChart[1]->isChecked() && !w->mnuPhysical->isChecked());
        QVERIFY(w->chkOndulixChart[6]->isChecked() && w->chkCenter->isChecked());
    }

    void eachActionRedrawsOnce_data() {
        QTest::addColumn<Step>("setUp");
        QTest::addColumn<Step>("action");
        QTest::addColumn<int>("redraws");
        QTest::addColumn<QString>("dates"); // birth, display
        const Step none = [](frmOndulix*) {};
        const Step entering = Clicks(&frmOndulix::optBirthdate);
        const Step feb29 = [](frmOndulix* w) {
            PickDate(w->cboDDday, w->cboDDmonth, w->cboDDyear, "29 February 2000");
        };
        const Step birthFeb29 = [](frmOndulix* w) {
            w->optBirthdate->click();
            PickDate(w->cboBDday, w->cboBDmonth, w->cboBDyear, "29 February 2000");
        };
        const QString at = "1 January 1960, 7 March 2004";
        Row("birth year", entering, Picks(&frmOndulix::cboBDyear, "1961"), 1,
            "1 January 1961, 7 March 2004");
        Row("birth 29 Feb to 2001", birthFeb29, Picks(&frmOndulix::cboBDyear, "2001"), 1,
            "28 February 2001, 7 March 2004");
        Row("31 January to April", Step([](frmOndulix* w) {
                Pick(w->cboDDmonth, "January");
                Pick(w->cboDDday, "31");
            }),
            Picks(&frmOndulix::cboDDmonth, "April"), 1, "1 January 1960, 30 April 2004");
        Row("29 Feb 2000 to 1999", feb29, Picks(&frmOndulix::cboDDyear, "1999"), 1,
            "1 January 1960, 28 February 1999");
        Row("back to 2000 keeps the 28th", Step([feb29](frmOndulix* w) {
                feb29(w);
                Pick(w->cboDDyear, "1999");
            }),
            Picks(&frmOndulix::cboDDyear, "2000"), 1, "1 January 1960, 28 February 2000");
        Row("display day", none, Picks(&frmOndulix::cboDDday, "20"), 1,
            "1 January 1960, 20 March 2004");
        Row("a cycle box", none, Step([](frmOndulix* w) { w->chkOndulixChart[4]->click(); }), 1,
            at);
        Row("a cycle menu item", none, Step([](frmOndulix* w) { w->mnuIntuitive->trigger(); }), 1,
            at);
        Row("centring", none, Clicks(&frmOndulix::chkCenter), 1, at);
        Row("Set", none, Clicks(&frmOndulix::cmdDraw), 1, at);
        Row("Hari Ini", Picks(&frmOndulix::cboDDyear, "1999"), Clicks(&frmOndulix::cmdGoToToday), 1,
            at);
        Row("own entry picked", none, Picks(&frmOndulix::cboFriend, "(Hari Ulang Tahun saya)"), 1,
            at);
        Row("entry mode", none, entering, 0, at);
    }
    void eachActionRedrawsOnce() {
        QFETCH(Step, setUp);
        QFETCH(Step, action);
        QFETCH(int, redraws);
        QFETCH(QString, dates);
        f.Open();
        setUp(w.get());
        const int before = w->DrawRuns();
        action(w.get());
        QCOMPARE(w->DrawRuns() - before, redraws);
        QCOMPARE(f.Birth() + ", " + f.Display(), dates);
        QCOMPARE(
            w->cboDDday->count(),
            QDate(w->cboDDyear->Text().toInt(), w->cboDDmonth->ListIndex() + 1, 1).daysInMonth());
    }

    void withoutAllowRedrawPickersOnlyRebuild() {
        f.Open();
        Pick(w->cboDDday, "31");
        const int before = w->DrawRuns();
        w->AllowRedraw = false;
        Pick(w->cboDDmonth, "April");
        Pick(w->cboDDyear, "2001");
        w->chkOndulixChart[4]->click();
        w->chkCenter->click();
        QCOMPARE(w->DrawRuns(), before);
        QCOMPARE(w->cboDDday->count(), 30);
    }

    void unbornGetsTheMessageAndAnEmptyChart() {
        f.Open();
        f.PickBirth("1 March 2004");
        w->sldMoonPhase->setValue(12);
        const QString label = w->lblPhaseDate->text();
        QCOMPARE(f.answers.asked.size(), 0);
        Pick(w->cboBDday, "8");
        QCOMPARE(f.answers.asked.size(), 1);
        QCOMPARE(f.answers.Prompt(), "Belum lahir !!!");
        QCOMPARE(f.answers.asked[0].flags, int(MessageBoxes::OkOnly));
        QCOMPARE(f.answers.asked[0].title, "Ondulix");
        QCOMPARE(w->sldMoonPhase->value(), 12);
        QCOMPARE(w->lblPhaseDate->text(), label);
        const QImage image = w->canvas->Image();
        const QRect inside = PlotInside();
        for (int y = inside.top(); y <= inside.bottom(); y += 3)
            for (int x = inside.left(); x <= inside.right(); x += 3)
                QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255));
    }

    // The slider shows the chart's day p at position p, never a day before birth.
    void centringPlacesTheSlider_data() {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<bool>("centre");
        QTest::addColumn<int>("slider");
        Row("10 days old", "26 February 2004", true, 10);
        Row("1001 days old", "10 June 2001", true, 30);
        Row("born that day", "7 March 2004", true, 0);
        Row("not centred", "10 June 2001", false, 0);
    }
    void centringPlacesTheSlider() {
        QFETCH(QString, birth);
        QFETCH(bool, centre);
        QFETCH(int, slider);
        f.Open();
        f.PickBirth(birth);
        w->chkCenter->setChecked(centre);
        w->cmdDraw->click();
        QCOMPARE(w->sldMoonPhase->value(), slider);
        QCOMPARE(w->lblPhaseDate->text(), "Mar 7, 2004");
        w->sldMoonPhase->setValue(0);
        QCOMPARE(w->picMoon->toolTip(), chart::ReadoutTip(*chart::ReadDay(w->CurrentChart(), 0)));
        QCOMPARE(w->lblPhaseDate->text(),
                 QLocale::c().toString(StartDay.addDays(-slider), "MMM d, yyyy"));
    }

    void sliderMovesTheMoonWhileDragged() {
        f.Open();
        const QImage first = w->picMoon->pixmap().toImage();
        w->sldMoonPhase->setSliderDown(true);
        w->sldMoonPhase->setSliderPosition(15);
        QCOMPARE(w->lblPhaseDate->text(), "Mar 22, 2004");
        QVERIFY(w->picMoon->pixmap().toImage() != first);
        w->sldMoonPhase->setSliderDown(false);
        QCOMPARE(w->DrawRuns(), 1);
    }

    void aSecondDrawOrACloseDuringTheYield_data() {
        QTest::addColumn<bool>("close");
        Row("second draw: a whole chart", false);
        Row("close: the draw stops", true);
    }
    void aSecondDrawOrACloseDuringTheYield() {
        QFETCH(bool, close);
        f.Open();
        const QImage single = w->canvas->Image();
        QTimer::singleShot(0, w.get(),
                           [this, close] { close ? void(w->close()) : w->cmdDraw_Click(); });
        w->cmdDraw_Click();
        QCOMPARE(w->IsUnloaded(), close);
        QCOMPARE(w->DrawRuns(), close ? 1 : 3);
        if (!close) QCOMPARE(w->canvas->Image(), single);
    }

    void exitPaths() {
        for (int path = 0; path < 3; ++path) {
            f.Reset();
            f.Open();
            if (path == 0) w->cmdExit->click();
            if (path == 1) w->mnuExit->trigger();
            if (path == 2) w->close();
            QVERIFY(w->IsUnloaded() && !w->isVisible());
        }
    }

    void aFaultInAHandlerBecomesAMessage() {
        f.Open();
        w->cboDDyear->Clear(); // no year: the display date cannot be read
        w->cmdDraw->click();
        QVERIFY(f.answers.Prompt().startsWith("Ondulix could not finish this action"));
        QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(TestFrmOndulix)
#include "tst_frmondulix.moc"
