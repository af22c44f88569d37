#include "chart/ChartGeometry.h"
#include "plot/FontFaces.h"
#include "ui/WindowFixture.h"
#include "ui/chartview/DayCursor.h"
#include "ui/chartview/FormCanvas.h"
#include "ui/compare/AgreementPanel.h"
#include "ui/compare/CompareMenu.h"
#include "ui/widgets/DatePickers.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/Placement.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>

// One thing a user does to the window, for data tables.
using Step = std::function<void(frmOndulix*)>;
Q_DECLARE_METATYPE(Step)

namespace {

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

    // The colours inside the plot window (twips 1600..10240 x 300..4300).
    QSet<QRgb> PlotColours() const {
        const QImage image = w->canvas->Image();
        auto px = [r = w->devicePixelRatioF()](int twips) { return qRound(twips / 15.0 * r); };
        QSet<QRgb> colours;
        for (int y = px(300) + 1; y < px(4300); ++y)
            for (int x = px(1600) + 1; x < px(10240); ++x)
                colours << image.pixel(x, y);
        return colours;
    }

private slots:
    void init() { f.Reset(); }
    void cleanup() { w.reset(); }

    // Loading fills the controls and draws nothing; the first showing draws once.
    void loadsThenDrawsOnce() {
        f.Create();
        QCOMPARE(w->DrawRuns(), 0);
        QCOMPARE(f.Birth() + ", " + f.Display(), "1 January 1960, 7 March 2004");
        QCOMPARE(w->cboFriend->Text(), "(Hari Ulang Tahun saya)");
        QCOMPARE(w->cboBDyear->List(0) + "-" + w->cboBDyear->List(139), "1901-2040");
        for (bool entering : {false, true}) { // the birth date is locked while viewing
            if (entering) w->optBirthdate->click();
            for (ComboPicker* c : {w->cboBDday, w->cboBDmonth, w->cboBDyear})
                QCOMPARE(c->isEnabled(), entering);
        }
        w->optBirthday->click();
        QVERIFY(w->cmdsave->isHidden() && w->txtFriend->isHidden());
        const QImage blank = w->canvas->Image(); // before the first chart: the window's black
        QVERIFY(!blank.isNull() && blank.pixel(5, 5) == qRgb(0, 0, 0));
        w->show();
        QTRY_VERIFY(w->IsActivated);
        QCOMPARE(w->DrawRuns(), 1);
        QCOMPARE(w->lblPhaseDate->text(), "Mar 7, 2004");
        w->sldMoonPhase->setSliderDown(true); // dragged: the moon follows at once, the chart stays
        w->sldMoonPhase->setSliderPosition(15);
        QCOMPARE(w->lblPhaseDate->text(), "Mar 22, 2004");
        w->sldMoonPhase->setSliderDown(false);
        QCOMPARE(w->DrawRuns(), 1);
        QCOMPARE(w->canvas->Image().width(), qRound(710 * w->devicePixelRatioF()));
        QVERIFY(PlotColours().contains(qRgb(255, 0, 0)));  // Fisik
        QVERIFY(!PlotColours().contains(qRgb(0, 180, 0))); // Intuisi is off
    }

    // The window as designed: each control's caption, twip rectangle, face and colours.
    void theFormAsDesigned() {
        f.Create();
        const QColor black(Qt::black), white(Qt::white), yellow(Qt::yellow), none;
        const char *sans = "MS Sans Serif", *fixed = "Courier New", *verdana = "Verdana";
        struct Control {
            QWidget* widget;
            QString caption;
            QRect twips;
            const char* face; // the Windows name; "" for the style's own
            QColor back, text;
        };
        const auto Box = [&](int k, QRect r, QColor back, QColor text) {
            return Control{w->chkOndulixChart[k], chart::CycleCaption(k), r, sans, back, text};
        };
        const Control form[] = {
            // the cycle boxes first: they alone are bold
            Box(1, {240, 720, 1335, 255}, black, yellow),
            Box(2, {240, 360, 1335, 255}, black, yellow),
            Box(3, {240, 1080, 1335, 255}, black, yellow),
            Box(4, {240, 1440, 1335, 255}, black, yellow),
            Box(5, {120, 5520, 1335, 255}, none, QColor(128, 128, 0)),
            Box(6, {120, 5880, 1335, 255}, none, QColor(0, 128, 128)),
            Box(7, {120, 6240, 1335, 255}, none, QColor(64, 64, 0)),
            {w->chkCenter, "Perjelas posisinya", {8040, 120, 2535, 195}, sans, black, white},
            {w->sldMoonPhase, "", {1440, 4320, 9000, 255}, "", none, none},
            {w->lblPhaseDate, "", {240, 4320, 975, 255}, sans, none, none},
            {w->lblDispDate, "Set Tanggal", {6120, 4920, 1215, 255}, sans, black, white},
            {w->cboDDmonth, "", {7440, 4920, 1335, 345}, fixed, none, none},
            {w->cboDDday, "", {8760, 4920, 615, 345}, fixed, none, none},
            {w->cboDDyear, "", {9360, 4920, 855, 345}, fixed, none, none},
            {w->optBirthdate, "Tanggal Lahir", {1080, 4920, 1695, 255}, sans, black, white},
            {w->cboBDmonth, "", {2880, 4920, 1335, 345}, fixed, none, none},
            {w->cboBDday, "", {4200, 4920, 615, 345}, fixed, none, none},
            {w->cboBDyear, "", {4800, 4920, 855, 345}, fixed, none, none},
            {w->optBirthday, "", {1560, 5400, 1215, 255}, "", black, white},
            {w->cboFriend, "", {2880, 5400, 2775, 345}, fixed, none, none},
            {w->txtFriend, "", {2880, 5400, 2775, 375}, fixed, none, none},
            {w->lblEnterFriend, "Ketik Nama", {2880, 6360, 2775, 255}, sans, black, white},
            {w->cmdsave, "", {2880, 5880, 2775, 495}, verdana, none, none},
            {w->cmdGoToToday, "Hari Ini", {7440, 5400, 2775, 495}, verdana, none, none},
            {w->cmdDraw, "Set", {7440, 6000, 1455, 495}, verdana, none, none},
            {w->cmdExit, "Tutup", {8880, 6000, 1335, 495}, verdana, none, none},
        };
        const auto px = [](int twips) { return qRound(twips / 15.0); };
        for (const Control& c : form) {
            const bool bold = &c < form + 7;
            const QString name = c.widget->objectName() + " " + c.caption;
            const QString caption = c.widget->property("text").toString().remove('&');
            QVERIFY2(caption == c.caption || c.caption.isEmpty(), qPrintable(name));
            const QRect& r = c.twips;
            QCOMPARE(c.widget->geometry(),
                     QRect(px(r.left()), px(r.top()), px(r.width()), px(r.height())));
            if (*c.face) {
                QCOMPARE(c.widget->font().families().value(0), ResolveFontFace(c.face));
                QCOMPARE(c.widget->font().pixelSize(), 11); // 8.25 points
                QCOMPARE(c.widget->font().bold(), bold);
            }
            const QPalette p = c.widget->palette();
            if (c.back.isValid())
                QVERIFY2(p.color(QPalette::Window) == c.back && c.widget->autoFillBackground(),
                         qPrintable(name));
            if (c.text.isValid())
                QVERIFY2(p.color(QPalette::WindowText) == c.text &&
                             p.color(QPalette::ButtonText) == c.text,
                         qPrintable(name));
        }
        QStringList menu; // the first menu: the cycles, a separator, Exit
        for (const QAction* a : w->menuBar()->actions().value(0)->menu()->actions())
            menu << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(menu.join(' '), "Emosional Fisik Intelektual Intuisi - &Exit");
    }

    // Each month offers its days, in every year the pickers hold.
    void daysInMonth() {
        for (int y = cal::FirstYear; y <= cal::LastYear; ++y)
            for (int m = 1; m <= 12; ++m)
                QCOMPARE(DatePickers::DaysInMonth(cal::MonthName(m), QString::number(y)),
                         QDate(y, m, 1).daysInMonth());
    }

    // A window that goes with the main one opens beside it where the screen
    // has room, else where it hides least of the chart (worked by hand).
    void besideTheWindow_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QPoint>("at");
        const QRect wide(0, 0, 1920, 1080), small(0, 0, 1024, 768);
        Row("right", wide, QRect(100, 100, 730, 560), QPoint(838, 100));
        Row("left: no room on the right", wide, QRect(1100, 100, 730, 560), QPoint(692, 100));
        Row("above, kept on the screen", QRect(0, 0, 1100, 1200), QRect(300, 650, 730, 540),
            QPoint(300, 142));
        // The chart (160, 60) to (739, 349): the lower right corner hides 116 x 82 of it.
        Row("no room: the least of the chart", small, QRect(0, 0, 760, 540), QPoint(624, 268));
    }
    void besideTheWindow() {
        QFETCH(QRect, screen);
        QFETCH(QRect, main);
        QFETCH(QPoint, at);
        const QRect chart(main.topLeft() + QPoint(160, 60), QSize(580, 290));
        QCOMPARE(BesidePosition(main, QSize(400, 500), screen, chart), at);
    }

    // A first start welcomes once the window is there to be heard; Esc puts
    // it away. A month without the day picked says the day it steps down to.
    void aFirstStartWelcomesAndAClampIsSaid() {
        f.Create();
        QVERIFY(!QFile::exists(f.ini) && w->notice->Said().isEmpty());
        f.OpenActive();
        QVERIFY(w->notice->Said().startsWith("Selamat datang!"));
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QCOMPARE(w->notice->Said(), "");
        Pick(w->cboDDday, "31");
        Pick(w->cboDDmonth, "February");
        QCOMPARE(w->notice->Said(), "Tanggal 31 tidak ada di February 2004: kini tanggal 29");
    }

    // The real boxes: the title (the program's name when none is given), the
    // sign, the buttons, and which of them Enter and Esc press.
    void realMessageBoxes() {
        using M = MessageBoxes;
        const std::tuple<int, QString, QString> rows[] = {
            {M::OkCancel | M::DefaultButton2 | M::Question, "Ondulix",
             "Ondulix ? Cancel,OK Cancel Cancel"},
            {M::OkOnly | M::Exclamation, "", QApplication::applicationName() + " ! OK OK OK"},
            {M::SaveElsewhereCloseCancel, "X",
             "X - Cancel,Close without saving,Save Elsewhere... Save Elsewhere... Cancel"}};
        for (const auto& [flags, title, seen] : rows) {
            QString got;
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
                QTimer::singleShot(0, [&got, key] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    QStringList buttons;
                    for (QAbstractButton* b : box->buttons())
                        buttons << b->text().remove('&');
                    buttons.sort();
                    if (key == Qt::Key_Return)
                        got = box->windowTitle() +
                              (box->icon() == QMessageBox::Question  ? " ? "
                               : box->icon() == QMessageBox::Warning ? " ! "
                                                                     : " - ") +
                              buttons.join(',');
                    QTest::keyClick(box, key);
                    got += ' ' + box->clickedButton()->text().remove('&');
                });
                QtMessageBoxes().MsgBox(nullptr, "?", flags, title);
            }
            QCOMPARE(got, seen);
        }
    }

    // "Hari Ini" goes to the day it is clicked, never before the birth date.
    void today() {
        QDate today(1959, 6, 1);
        f.Open([&today] { return today; });
        QCOMPARE(f.Display(), "1 January 1960");
        Pick(w->cboDDyear, "1999");
        w->cmdGoToToday->click();
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
            QCOMPARE(w->chkOndulixChart[k]->isChecked(), k <= 3);
        }
        w->mnuPhysical->trigger();
        w->chkOndulixChart[6]->click();
        w->chkCenter->click();
        QVERIFY(ReadAll(f.ini).contains("Physical=False\r\nEmotional=True\r\nIntellectual=True\r\n"
                                        "Intuitive=False\r\nPassion=False\r\nWisdom=True\r\n"
                                        "Mastery=False\r\nCenter=True\r\n"));
        w.reset();
        f.Create();
        QVERIFY(!w->chkOndulixChart[1]->isChecked() && !w->mnuPhysical->isChecked());
        QVERIFY(w->chkOndulixChart[6]->isChecked() && w->chkCenter->isChecked());
    }

    void eachActionRedrawsOnce_data() {
        QTest::addColumn<Step>("setUp");
        QTest::addColumn<Step>("action");
        QTest::addColumn<QString>("dates"); // birth, display; empty: as they were
        const Step none = [](frmOndulix*) {};
        const Step feb29 = [](frmOndulix* w) {
            w->optBirthdate->click();
            PickDate(w->cboBDday, w->cboBDmonth, w->cboBDyear, "29 February 2000");
            PickDate(w->cboDDday, w->cboDDmonth, w->cboDDyear, "29 February 2000");
        };
        Row("birth 29 Feb to 2001", feb29, Picks(&frmOndulix::cboBDyear, "2001"),
            "28 February 2001, 29 February 2000");
        Row("display 29 Feb to 1999", feb29, Picks(&frmOndulix::cboDDyear, "1999"),
            "29 February 2000, 28 February 1999");
        Row("display 31 January to April", Picks(&frmOndulix::cboDDday, "31"),
            Picks(&frmOndulix::cboDDmonth, "April"), "1 January 1960, 30 April 2004");
        Row("a cycle box", none, Step([](frmOndulix* w) { w->chkOndulixChart[4]->click(); }), "");
        Row("a cycle menu item", none, Step([](frmOndulix* w) { w->mnuIntuitive->trigger(); }), "");
        Row("centring", none, Clicks(&frmOndulix::chkCenter), "");
        Row("Set", none, Clicks(&frmOndulix::cmdDraw), "");
        Row("Hari Ini", Picks(&frmOndulix::cboDDyear, "1999"), Clicks(&frmOndulix::cmdGoToToday),
            "1 January 1960, 7 March 2004");
    }
    void eachActionRedrawsOnce() {
        QFETCH(Step, setUp);
        QFETCH(Step, action);
        QFETCH(QString, dates);
        f.Open();
        setUp(w.get());
        const QString before = f.Birth() + ", " + f.Display();
        const int runs = w->DrawRuns();
        QSignalSpy told(&w->State(), &chart::ChartState::Changed);
        action(w.get());
        QCOMPARE(w->DrawRuns() - runs, 1);
        QCOMPARE(f.Birth() + ", " + f.Display(), dates.isEmpty() ? before : dates);
        // The state told its views once, and they show what the pickers hold.
        const chart::ChartOptions& drawn = w->State().Options();
        QCOMPARE(told.count(), 1);
        const auto text = [](QDate d) {
            const cal::DateTrio t = cal::TrioOf(d);
            return t.day + ' ' + t.month + ' ' + t.year;
        };
        QCOMPARE(text(drawn.birth) + ", " + text(drawn.display), f.Birth() + ", " + f.Display());
        if (w->State().Span()) { // unborn: the moon and the cursor stay where they were
            QCOMPARE(w->lblPhaseDate->text(), cal::FormatShortDate(drawn.display));
            QVERIFY(w->cursor->Summary().contains(QString::number(drawn.display.year())));
        }
        w->optBirthdate->click(); // entering draws nothing
        QCOMPARE(w->DrawRuns() - runs, 1);
    }

    // Unborn: the message, an empty chart, and the moon left where it was.
    void unbornGetsTheMessageAndAnEmptyChart() {
        f.Open();
        f.PickBirth("1 March 2004");
        w->sldMoonPhase->setValue(12);
        const QString label = w->lblPhaseDate->text();
        Pick(w->cboBDday, "8");
        QCOMPARE(f.answers.asked.size(), 1);
        QCOMPARE(f.answers.Prompt() + f.answers.asked[0].title, "Belum lahir !!!Ondulix");
        QCOMPARE(w->sldMoonPhase->value(), 12);
        QCOMPARE(w->lblPhaseDate->text(), label);
        QCOMPARE(PlotColours(), QSet<QRgb>{qRgb(255, 255, 255)});
        QCOMPARE(QAccessible::queryAccessibleInterface(w->cursor)->childCount(), 0); // no days
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
        QTimer::singleShot(0, w.get(), [&] { close ? void(w->close()) : w->cmdDraw_Click(); });
        w->cmdDraw_Click();
        QCOMPARE(w->IsUnloaded(), close);
        QCOMPARE(w->DrawRuns(), close ? 1 : 3);
        if (!close) QCOMPARE(w->canvas->Image(), single);
    }

    void exitAndFaults() {
        f.Open();
        w->cboDDyear->Clear(); // no year: the display date cannot be read
        w->cmdDraw->click();
        QVERIFY(f.answers.Prompt().startsWith("Ondulix could not finish this action"));
        w->mnuExit->trigger();
        QVERIFY(w->IsUnloaded() && !w->isVisible());
    }

    // A second person, chosen by name: drawn once; their removal ends it with its own single draw.
    // Chosen from the ranking (ties in the list's order), named in the chart,
    // never written; removing the person ends it with one draw.
    void comparesWithAFriend() {
        WriteAll(f.ini, FriendsFile({"Ani", "Budi"}));
        f.Open();
        const QByteArray stored = ReadAll(f.ini);
        w->AgreementWindow()->show();
        QTreeWidget* ranking = nullptr;
        for (auto* t : w->AgreementWindow()->findChildren<QTreeWidget*>())
            if (t->accessibleName() == "Siapa paling cocok") ranking = t;
        QCOMPARE(ranking->topLevelItem(1)->text(0), "Budi");
        int runs = w->DrawRuns();
        QTest::keyClick(ranking, Qt::Key_Return);
        QCOMPARE(w->DrawRuns(), runs + 1);
        QCOMPARE(w->CurrentChart().compare, QDate(1970, 1, 1));
        QCOMPARE(w->CurrentChart().comparePerson, "Ani");
        const QTreeWidgetItem* marked = ranking->currentItem(); // the second person's row, bold
        QVERIFY(marked->text(0) == "Ani" && marked->font(0).bold() && marked->font(1).bold());
        const auto* cycles = w->AgreementWindow()->findChildren<QTreeWidget*>().first();
        QVERIFY(cycles->accessibleDescription().startsWith("Rata-rata siklus yang dicentang: "));
        QCOMPARE(ReadAll(f.ini), stored);
        Pick(w->cboFriend, "Ani");
        runs = w->DrawRuns();
        w->cmdsave->click(); // removed
        QCOMPARE(w->DrawRuns(), runs + 1);
        QCOMPARE(w->CurrentChart().compare, QDate());
        QCOMPARE(w->Compare->Name(), "");
        QCOMPARE(ranking->topLevelItemCount(), 1); // in step: Budi
        runs = w->DrawRuns();
        QMenu* menu = w->menuBar()->actions().value(4)->menu(); // the menu's way
        emit menu->aboutToShow();
        for (QAction* a : menu->actions())
            if (a->text() == "Bandingkan dengan Budi") a->trigger();
        QCOMPARE(w->CurrentChart().comparePerson, "Budi");
        QCOMPARE(w->DrawRuns(), runs + 1);
    }

    // A key that reaches a list after it has closed (Qt hands one back under
    // a screen reader) chooses nothing again.
    void aClosedListTakesNoKeys() {
        ComboPicker picker(nullptr);
        picker.AddItem("1901"), picker.AddItem("1902");
        int clicks = 0;
        picker.Click = [&] { ++clicks; };
        picker.show();
        picker.showPopup();
        QTRY_VERIFY(picker.view()->isVisible());
        QTest::keyClick(picker.view(), Qt::Key_Down);
        QTest::keyClick(picker.view(), Qt::Key_Return);
        QTRY_VERIFY(!picker.view()->isVisible());
        QTest::keyClick(picker.view(), Qt::Key_Return);
        QCOMPARE(clicks, 1);
    }
};

QTEST_MAIN(TestFrmOndulix)
#include "tst_frmondulix.moc"
