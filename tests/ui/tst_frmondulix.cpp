#include "WindowFixture.h"
#include "ui/chartview/FormCanvas.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <memory>

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

} // namespace

class TestFrmOndulix : public QObject {
    Q_OBJECT

    WindowFixture f;
    Answers& answers = f.answers;
    std::unique_ptr<frmOndulix>& w = f.w;

    void Open(std::function<QDate()> today = [] { return StartDay; }) { f.Open(std::move(today)); }

    // The plot window's inside (twips 1600..10240 x 300..4300), in device pixels.
    QRect PlotInside() const {
        const double r = w->devicePixelRatioF();
        auto px = [r](int twips) { return qRound(twips / 15.0 * r); };
        return QRect(QPoint(px(1600) + 1, px(300) + 1), QPoint(px(10240) - 1, px(4300) - 1));
    }

private slots:
    void init() { f.Reset(); }
    void cleanup() { w.reset(); }

    void loadsWithoutDrawing() {
        f.Create();
        QCOMPARE(w->DrawRuns(), 0);
        QVERIFY(!w->IsActivated);
        QVERIFY(w->AllowRedraw);
        QCOMPARE(Trio(w->cboBDday, w->cboBDmonth, w->cboBDyear), "1 January 1960");
        QCOMPARE(Trio(w->cboDDday, w->cboDDmonth, w->cboDDyear), "7 March 2004");
        QCOMPARE(w->cboDDday->count(), 31);
        QCOMPARE(w->cboBDyear->count(), 140);
        QCOMPARE(w->cboFriend->count(), 1);
        QCOMPARE(w->cboFriend->Text(), "(Hari Ulang Tahun saya)");
        QVERIFY(w->optBirthday->isChecked());
        for (ComboPicker* c : {w->cboBDday, w->cboBDmonth, w->cboBDyear})
            QVERIFY(!c->isEnabled()); // locked while viewing
        w->optBirthdate->click();
        for (ComboPicker* c : {w->cboBDday, w->cboBDmonth, w->cboBDyear})
            QVERIFY(c->isEnabled());
        w->optBirthday->click();
        QVERIFY(w->cmdsave->isHidden());
        QVERIFY(w->txtFriend->isHidden() && w->lblEnterFriend->isHidden());
        QCOMPARE(w->txtFriend->geometry(), QRect(192, 360, 185, 25));
        QCOMPARE(w->picMoon->geometry(), QRect(8, 200, 82, 82));
        QCOMPARE(w->canvas->size(), QSize(710, 463));
        const bool ticked[] = {false, true, true, true, false, false, false, false};
        for (int k = 1; k <= 7; ++k) {
            QCOMPARE(w->chkOndulixChart[k]->isChecked(), ticked[k]);
            QVERIFY(!w->chkOndulixChart[k]->isHidden() && w->chkOndulixChart[k]->isEnabled());
        }
        QVERIFY(w->mnuPhysical->isChecked() && w->mnuEmotional->isChecked());
        QVERIFY(w->mnuIntellectual->isChecked() && !w->mnuIntuitive->isChecked());
        QCOMPARE(w->CycleRate[2], 360.0 / 672);
        QCOMPARE(w->CycleColor[6], RGB(0, 170, 180));
        QCOMPARE(w->lblPhaseDate->text(), QString());
    }

    void firstShowingDrawsOnce() {
        Open();
        QCOMPARE(w->DrawRuns(), 1);
        QCOMPARE(w->lblPhaseDate->text(), "Mar 7, 2004");
        QVERIFY(!w->picMoon->pixmap().isNull());
        const QImage image = w->canvas->Image();
        const QRect inside = PlotInside();
        // The frame's top edge between day lines, and its corners.
        for (int day = 0; day < 60; day += 7)
            QCOMPARE(image.pixel(qRound((1600 + 144 * day + 72) / 15.0 * w->devicePixelRatioF()),
                                 inside.top() - 1),
                     qRgb(0, 0, 0));
        QCOMPARE(image.pixel(inside.left() - 1, inside.top() - 1), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(inside.right() + 1, inside.bottom() + 1), qRgb(0, 0, 0));
        QVERIFY(HasColour(image, inside, qRgb(255, 0, 0)));  // Physical
        QVERIFY(!HasColour(image, inside, qRgb(0, 180, 0))); // Intuitive is off
        QCOMPARE(image.pixel(2, 2), qRgb(0, 0, 0));          // the window's own black
        QCOMPARE(image.width(), qRound(710 * w->devicePixelRatioF()));
    }

    void birthDateAfterTodayIsTheStartUpDisplayDate() {
        Open([] { return QDate(1959, 6, 1); });
        QCOMPARE(Trio(w->cboDDday, w->cboDDmonth, w->cboDDyear), "1 January 1960");
        QCOMPARE(w->TodayYear, "1960");
        Pick(w->cboDDyear, "1999");
        w->cmdGoToToday->click(); // still before the birth date: the birth date
        QCOMPARE(Trio(w->cboDDday, w->cboDDmonth, w->cboDDyear), "1 January 1960");
    }

    // A year change while 29 February is picked makes it the 28th, with one redraw.
    void aLeapDayMeetsACommonYear_data() {
        QTest::addColumn<bool>("birth");
        QTest::newRow("birth date") << true;
        QTest::newRow("display date") << false;
    }
    void aLeapDayMeetsACommonYear() {
        QFETCH(bool, birth);
        Open();
        w->optBirthdate->click();
        ComboPicker* day = birth ? w->cboBDday : w->cboDDday;
        ComboPicker* month = birth ? w->cboBDmonth : w->cboDDmonth;
        ComboPicker* year = birth ? w->cboBDyear : w->cboDDyear;
        Pick(year, "2000");
        Pick(month, "February");
        Pick(day, "29");
        const int before = w->DrawRuns();
        Pick(year, "2001");
        QCOMPARE(Trio(day, month, year), "28 February 2001");
        QCOMPARE(day->count(), 28);
        QCOMPARE(w->DrawRuns() - before, 1);
    }

    // "Hari Ini" goes to the day it is clicked, not the day the program started.
    void todayAfterMidnight() {
        QDate today = StartDay;
        Open([&today] { return today; });
        Pick(w->cboDDyear, "1999");
        today = StartDay.addDays(1);
        const int before = w->DrawRuns();
        w->cmdGoToToday->click();
        QCOMPARE(Trio(w->cboDDday, w->cboDDmonth, w->cboDDyear), "8 March 2004");
        QCOMPARE(w->DrawRuns() - before, 1);
    }

    // The menu tick follows its box, and what is saved is what is seen.
    void theMenuFollowsTheBoxes() {
        Open();
        for (int k = 1; k <= 4; ++k) {
            const int before = w->DrawRuns();
            w->chkOndulixChart[k]->click();
            QCOMPARE(w->DrawRuns() - before, 1);
            QCOMPARE(w->CycleMenus()[k - 1]->isChecked(), w->chkOndulixChart[k]->isChecked());
        }
        for (int k = 1; k <= 4; ++k) { // each item moves its own box, once
            const bool was = w->chkOndulixChart[k]->isChecked();
            w->CycleMenus()[k - 1]->trigger();
            QCOMPARE(w->chkOndulixChart[k]->isChecked(), !was);
            QCOMPARE(w->CycleMenus()[k - 1]->isChecked(), !was);
        }
        for (int k = 2; k <= 4; ++k) // and back: only Fisik's box change is undone
            w->CycleMenus()[k - 1]->trigger();
        QVERIFY(w->mnuPhysical->isChecked() && w->chkOndulixChart[1]->isChecked());
        w->chkOndulixChart[6]->click();
        w->chkCenter->click();
        const QByteArray file = ReadAll(f.ini); // saved at each change, not at closing
        QVERIFY(file.contains("Physical=True\r\nEmotional=False\r\nIntellectual=False\r\n"
                              "Intuitive=True\r\nPassion=False\r\nWisdom=True\r\nMastery=False\r\n"
                              "Center=True\r\n"));
        QVERIFY(!file.contains("[PERSONAL]"));

        w.reset(); // the next start shows the same view
        f.Create();
        QVERIFY(w->chkOndulixChart[1]->isChecked() && !w->chkOndulixChart[2]->isChecked());
        QVERIFY(w->mnuIntuitive->isChecked() && w->chkOndulixChart[4]->isChecked());
        QVERIFY(w->chkOndulixChart[6]->isChecked() && !w->chkOndulixChart[5]->isChecked());
        QVERIFY(w->chkCenter->isChecked());
    }

    void eachActionRedrawsOnce_data() {
        QTest::addColumn<Step>("setUp");
        QTest::addColumn<Step>("action");
        QTest::addColumn<int>("redraws");
        QTest::addColumn<QString>("display");
        const Step none = [](frmOndulix*) {};
        const Step entryMode = [](frmOndulix* w) { w->optBirthdate->click(); };
        const Step feb29 = [](frmOndulix* w) {
            Pick(w->cboDDyear, "2000");
            Pick(w->cboDDmonth, "February");
            Pick(w->cboDDday, "29");
        };
        auto pick = [](ComboPicker* frmOndulix::*picker, QString text) {
            return Step([picker, text](frmOndulix* w) { Pick(w->*picker, text); });
        };
        auto tick = [](int k) {
            return Step([k](frmOndulix* w) { w->chkOndulixChart[k]->click(); });
        };

        QTest::newRow("birth day")
            << entryMode << pick(&frmOndulix::cboBDday, "9") << 1 << "7 March 2004";
        QTest::newRow("birth month")
            << entryMode << pick(&frmOndulix::cboBDmonth, "May") << 1 << "7 March 2004";
        QTest::newRow("birth year")
            << entryMode << pick(&frmOndulix::cboBDyear, "1961") << 1 << "7 March 2004";
        QTest::newRow("display day")
            << none << pick(&frmOndulix::cboDDday, "20") << 1 << "20 March 2004";
        QTest::newRow("31 January to April") << Step([](frmOndulix* w) {
            Pick(w->cboDDmonth, "January");
            Pick(w->cboDDday, "31");
        }) << pick(&frmOndulix::cboDDmonth, "April")
                                             << 1 << "30 April 2004";
        QTest::newRow("year of a March")
            << none << pick(&frmOndulix::cboDDyear, "1999") << 1 << "7 March 1999";
        QTest::newRow("29 Feb 2000 to 1999")
            << feb29 << pick(&frmOndulix::cboDDyear, "1999") << 1 << "28 February 1999";
        QTest::newRow("back to 2000 keeps 28") << Step([feb29](frmOndulix* w) {
            feb29(w);
            Pick(w->cboDDyear, "1999");
            QCOMPARE(w->cboDDday->count(), 28);
        }) << Step([](frmOndulix* w) {
            Pick(w->cboDDyear, "2000");
            QCOMPARE(w->cboDDday->count(), 29);
        }) << 1 << "28 February 2000";
        QTest::newRow("tick Intuisi") << none << tick(4) << 1 << "7 March 2004";
        QTest::newRow("tick Passion") << none << tick(5) << 1 << "7 March 2004";
        QTest::newRow("untick Fisik") << none << tick(1) << 1 << "7 March 2004";
        QTest::newRow("centring") << none << Step([](frmOndulix* w) { w->chkCenter->click(); }) << 1
                                  << "7 March 2004";
        QTest::newRow("Set") << none << Step([](frmOndulix* w) { w->cmdDraw->click(); }) << 1
                             << "7 March 2004";
        QTest::newRow("Hari Ini") << pick(&frmOndulix::cboDDyear, "1999")
                                  << Step([](frmOndulix* w) { w->cmdGoToToday->click(); }) << 1
                                  << "7 March 2004";
        QTest::newRow("menu item agreeing with its box") << none << Step([](frmOndulix* w) {
            w->mnuIntuitive->trigger();
            QVERIFY(w->mnuIntuitive->isChecked() && w->chkOndulixChart[4]->isChecked());
        }) << 1 << "7 March 2004";
        QTest::newRow("menu after its box was unticked") << tick(1) << Step([](frmOndulix* w) {
            w->mnuPhysical->trigger();
            QVERIFY(w->mnuPhysical->isChecked() && w->chkOndulixChart[1]->isChecked());
        }) << 1 << "7 March 2004";
        QTest::newRow("own entry picked")
            << none << pick(&frmOndulix::cboFriend, "(Hari Ulang Tahun saya)") << 1
            << "7 March 2004";
        QTest::newRow("entry mode") << none << entryMode << 0 << "7 March 2004";
    }
    void eachActionRedrawsOnce() {
        QFETCH(Step, setUp);
        QFETCH(Step, action);
        QFETCH(int, redraws);
        QFETCH(QString, display);
        Open();
        setUp(w.get());
        const int before = w->DrawRuns();
        action(w.get());
        QCOMPARE(w->DrawRuns() - before, redraws);
        QCOMPARE(Trio(w->cboDDday, w->cboDDmonth, w->cboDDyear), display);
    }

    void withoutAllowRedrawPickersOnlyRebuild() {
        Open();
        Pick(w->cboDDday, "31");
        const int before = w->DrawRuns();
        w->AllowRedraw = false;
        Pick(w->cboDDmonth, "April");
        Pick(w->cboDDyear, "2001");
        Pick(w->cboDDday, "3");
        w->chkOndulixChart[4]->click();
        w->chkCenter->click();
        QCOMPARE(w->DrawRuns(), before);
        QCOMPARE(w->cboDDday->count(), 30);
    }

    void unbornGetsTheMessageAndAnEmptyChart() {
        Open();
        w->optBirthdate->click();
        Pick(w->cboBDyear, "2004");
        Pick(w->cboBDmonth, "March");
        w->sldMoonPhase->setValue(12);
        const QString label = w->lblPhaseDate->text();
        QCOMPARE(answers.asked.size(), 0);
        Pick(w->cboBDday, "8");
        QCOMPARE(answers.asked.size(), 1);
        QCOMPARE(answers.asked[0].prompt, "Belum lahir !!!");
        QCOMPARE(answers.asked[0].flags, int(MessageBoxes::OkOnly));
        QCOMPARE(answers.asked[0].title, "Ondulix");
        QCOMPARE(w->sldMoonPhase->value(), 12);
        QCOMPARE(w->lblPhaseDate->text(), label);
        const QImage image = w->canvas->Image();
        const QRect inside = PlotInside();
        for (int y = inside.top(); y <= inside.bottom(); y += 3)
            for (int x = inside.left(); x <= inside.right(); x += 3)
                QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255));
    }

    void centringPlacesTheSlider_data() {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<bool>("centre");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("label");
        QTest::newRow("10 days old") << "26" << true << 10 << "Mar 7, 2004";
        QTest::newRow("1000 days old") << "" << true << 30 << "Mar 7, 2004";
        QTest::newRow("born that day") << "7" << true << 0 << "Mar 7, 2004";
        QTest::newRow("not centred") << "" << false << 0 << "Mar 7, 2004";
    }
    void centringPlacesTheSlider() {
        QFETCH(QString, birth);
        QFETCH(bool, centre);
        QFETCH(int, slider);
        QFETCH(QString, label);
        Open();
        w->optBirthdate->click();
        if (birth.isEmpty()) {
            Pick(w->cboBDyear, "2001");
            Pick(w->cboBDmonth, "June");
            Pick(w->cboBDday, "10"); // 1001 days before
        } else {
            Pick(w->cboBDyear, "2004");
            Pick(w->cboBDmonth, birth == "7" ? "March" : "February");
            Pick(w->cboBDday, birth);
        }
        w->chkCenter->setChecked(centre);
        w->cmdDraw->click();
        QCOMPARE(w->sldMoonPhase->value(), slider);
        QCOMPARE(w->lblPhaseDate->text(), label);
    }

    void sliderMovesTheMoonWhileDragged() {
        Open();
        const QPixmap first = w->picMoon->pixmap();
        w->sldMoonPhase->setSliderDown(true);
        w->sldMoonPhase->setSliderPosition(15);
        QCOMPARE(w->lblPhaseDate->text(), "Mar 22, 2004");
        QVERIFY(w->picMoon->pixmap().toImage() != first.toImage());
        w->sldMoonPhase->setSliderDown(false);
        QCOMPARE(w->DrawRuns(), 1);
    }

    void secondDrawDuringTheYieldLeavesAWholeChart() {
        Open();
        const QImage single = w->canvas->Image();
        QTimer::singleShot(0, w.get(), [this] { w->cmdDraw_Click(); });
        w->cmdDraw_Click();
        QCOMPARE(w->DrawRuns(), 3);
        QCOMPARE(w->canvas->Image(), single);
    }

    void closeDuringTheYieldStopsTheDraw() {
        Open();
        QTimer::singleShot(0, w.get(), [this] { w->close(); });
        w->cmdDraw_Click();
        QVERIFY(w->IsUnloaded());
        QCOMPARE(w->DrawRuns(), 1);
    }

    void exitPaths_data() {
        QTest::addColumn<int>("path");
        QTest::newRow("Tutup") << 0;
        QTest::newRow("menu Exit") << 1;
        QTest::newRow("close box") << 2;
    }
    void exitPaths() {
        QFETCH(int, path);
        Open();
        if (path == 0) w->cmdExit->click();
        if (path == 1) w->mnuExit->trigger();
        if (path == 2) w->close();
        QVERIFY(w->IsUnloaded());
        QVERIFY(!w->isVisible());
    }

    void aFaultInAHandlerBecomesAMessage() {
        Open();
        w->cboDDyear->Clear(); // no year: the display date cannot be read
        w->cmdDraw->click();
        QCOMPARE(answers.asked.size(), 1);
        QVERIFY(answers.asked[0].prompt.startsWith("Ondulix could not finish this action"));
        QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(TestFrmOndulix)
#include "tst_frmondulix.moc"
