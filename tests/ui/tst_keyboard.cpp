#include "WindowFixture.h"
#include "chart/ChartReadout.h"
#include "ui/chartview/DayCursor.h"
#include "ui/chartview/FormCanvas.h"
#include "ui/keyboard/HelpMenu.h"
#include "ui/keyboard/OndulixStyle.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QStyleOptionFocusRect>
#include <QTableWidget>
#include <QWheelEvent>
#include <set>

namespace {

double Luminance(QColor c) {
    auto channel = [](double v) {
        v /= 255;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    WindowFixture f;

    void OpenActive() {
        f.Open();
        f.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
    }

    QString ReadoutOf(int day) const {
        return chart::ReadoutText(*chart::ReadDay(f.w->CurrentChart(), day));
    }

private slots:
    void init() { f.Reset(); }
    void cleanup() { f.w.reset(); }

    // The cursor is drawn over the chart, never into it.
    void theCursorLeavesTheChartAlone() {
        f.Open();
        const QImage before = f.w->canvas->Image();
        const QImage shownBefore = f.w->canvas->grab().toImage();
        f.w->cursor->SetDay(10);
        QCOMPARE(f.w->cursor->Day(), 10);
        QCOMPARE(f.w->canvas->Image(), before);
        QVERIFY(f.w->canvas->grab().toImage() != shownBefore); // but it is seen
        QCOMPARE(f.w->cursor->Readout(), ReadoutOf(10));
        QCOMPARE(f.w->lblReadout->toolTip(), chart::ReadoutTip(*f.w->cursor->Read()));
        QCOMPARE(f.w->lblReadout->accessibleDescription(), ReadoutOf(10));
        f.w->cursor->SetDay(std::nullopt);
        QCOMPARE(f.w->canvas->grab().toImage(), shownBefore);
        QVERIFY(f.w->lblReadout->text().isEmpty());
    }

    // Every cycle ticked, every day: the two lines under the chart are whole.
    void theReadoutLineIsWhole() {
        f.Open();
        for (int k = 1; k <= 7; ++k)
            f.w->chkOndulixChart[k]->setChecked(true);
        const QFontMetrics metrics = f.w->lblReadout->fontMetrics();
        QVERIFY(2 * metrics.lineSpacing() <= f.w->lblReadout->height());
        for (int day = 0; day < 60; ++day) {
            f.w->cursor->SetDay(day);
            const QStringList lines = f.w->lblReadout->text().split('\n');
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines[1].count(" · "), 6);
            for (const QString& line : lines)
                QVERIFY2(metrics.horizontalAdvance(line) <= f.w->lblReadout->width(),
                         qPrintable(line));
        }
    }

    // The cursor's dot on a curve sits where the chart draws that curve.
    void theDotsSitOnTheCurves() {
        f.Open();
        int day = 0; // the day Fisik is furthest from zero
        for (int d = 0; d < 60; ++d)
            if (qAbs(chart::ReadDay(f.w->CurrentChart(), d)->items[0].percent) >
                qAbs(chart::ReadDay(f.w->CurrentChart(), day)->items[0].percent))
                day = d;
        f.w->cursor->SetDay(day);
        const int x = f.w->cursor->mapTo(f.w->canvas, QPoint(qRound(day * 9.6), 0)).x();
        auto redRows = [x](const QImage& image) { // mean row of red in column x
            double sum = 0;
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                if (image.pixel(x, y) == qRgb(255, 0, 0)) sum += y, ++n;
            return n ? sum / n : -1.0;
        };
        const double curve = redRows(f.w->canvas->Image());
        const double dot = redRows(f.w->canvas->grab().toImage());
        QVERIFY(curve > 0 && dot > 0);
        QVERIFY2(qAbs(dot - curve) <= 1.5, qPrintable(QString("%1 vs %2").arg(dot).arg(curve)));
    }

    void keysMoveTheCursorAndEnterRedrawsOnce() {
        OpenActive();
        f.w->cursor->setFocus();
        QCOMPARE(f.w->cursor->Day(), 0); // the display date's day
        const std::pair<Qt::Key, int> moves[] = {
            {Qt::Key_Right, 1},   {Qt::Key_Right, 2},  {Qt::Key_Left, 1},     {Qt::Key_End, 59},
            {Qt::Key_PageUp, 52}, {Qt::Key_Right, 53}, {Qt::Key_End, 59},     {Qt::Key_Right, 59},
            {Qt::Key_Home, 0},    {Qt::Key_Left, 0},   {Qt::Key_PageDown, 7},
        };
        for (const auto& [key, day] : moves) {
            QTest::keyClick(f.w->cursor, key);
            QCOMPARE(f.w->cursor->Day(), day);
        }
        const int runs = f.w->DrawRuns();
        QTest::keyClick(f.w->cursor, Qt::Key_Return);
        QCOMPARE(f.w->DrawRuns(), runs + 1);
        QCOMPARE(Trio(f.w->cboDDday, f.w->cboDDmonth, f.w->cboDDyear), "14 March 2004");
        // The same date stays under the cursor: now the chart's first day.
        QCOMPARE(f.w->cursor->Day(), 0);
        QCOMPARE(f.w->cursor->Readout(), ReadoutOf(0));
    }

    // The day under the pointer is the day whose number is there: numbers
    // are centred on their lines, 9.6 pixels apart (day 20 at x 192).
    void theMouseMovesAndHidesIt_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("day");
        QTest::newRow("left half of 20's number") << 188.0 << 20;
        QTest::newRow("on 20's line") << 192.0 << 20;
        QTest::newRow("right half of 20's number") << 196.0 << 20;
        QTest::newRow("nearer 21") << 197.0 << 21;
        QTest::newRow("first day") << 2.0 << 0;
    }
    void theMouseMovesAndHidesIt() {
        QFETCH(double, x);
        QFETCH(int, day);
        f.Open();
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 100),
                         f.w->cursor->mapToGlobal(QPointF(x, 100)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(f.w->cursor, &move);
        QCOMPARE(f.w->cursor->Day(), day);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(f.w->cursor, &leave);
        QCOMPARE(f.w->cursor->Day(), std::nullopt);
    }

    // No chart, no values; and a redraw keeps the day or hides the cursor.
    void noValuesWithoutAChart() {
        f.Open();
        f.w->cursor->SetDay(40);
        f.w->optBirthdate->click();
        Pick(f.w->cboBDyear, "2004");
        Pick(f.w->cboBDmonth, "March");
        Pick(f.w->cboBDday, "8"); // born after the display date: an empty chart
        QCOMPARE(f.w->cursor->Day(), std::nullopt);
        f.w->cursor->SetDay(5);
        QCOMPARE(f.w->cursor->Day(), std::nullopt);
        QVERIFY(f.w->cursor->Readout().isEmpty());
        Pick(f.w->cboBDyear, "1990");
        f.w->cursor->SetDay(40);
        f.w->chkCenter->click(); // the chart moves 30 days back: day 40 is now day 70
        QCOMPARE(f.w->cursor->Day(), std::nullopt);
        f.w->cursor->SetDay(45);
        f.w->chkCenter->click(); // and forward again: day 45 is day 15
        QCOMPARE(f.w->cursor->Day(), 15);
    }

    // The moon slider shows the chart's day p at position p.
    void theSliderFollowsTheChart() {
        f.Open();
        f.w->optBirthdate->click();
        Pick(f.w->cboBDyear, "2004");
        Pick(f.w->cboBDmonth, "February");
        Pick(f.w->cboBDday, "26"); // ten days old
        f.w->chkCenter->click();
        QCOMPARE(f.w->sldMoonPhase->value(), 10);
        QCOMPARE(f.w->lblPhaseDate->text(), "Mar 7, 2004");
        f.w->sldMoonPhase->setValue(0);
        QCOMPARE(f.w->lblPhaseDate->text(), "Feb 26, 2004"); // the birth date, not before it
        QCOMPARE(f.w->picMoon->toolTip(),
                 chart::ReadoutTip(*chart::ReadDay(f.w->CurrentChart(), 0)));
    }

    void namesAndRoles() {
        f.Open();
        QList<QWidget*> controls{f.w->chkCenter, f.w->picMoon,   f.w->sldMoonPhase, f.w->cboDDmonth,
                                 f.w->cboDDday,  f.w->cboDDyear, f.w->optBirthdate, f.w->cboBDmonth,
                                 f.w->cboBDday,  f.w->cboBDyear, f.w->optBirthday,  f.w->cboFriend,
                                 f.w->txtFriend, f.w->cmdsave,   f.w->cmdGoToToday, f.w->cmdDraw,
                                 f.w->cmdExit,   f.w->cursor,    f.w->lblReadout};
        for (int k = 1; k <= 7; ++k)
            controls << f.w->chkOndulixChart[k];
        QSet<QString> names;
        for (QWidget* c : controls) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            QVERIFY(a);
            const QString name = a->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), c->metaObject()->className());
            names << name;
        }
        QCOMPARE(names.size(), controls.size()); // each its own
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(f.w->cursor);
        QCOMPARE(chart->role(), QAccessible::Graphic);
        QVERIFY(chart->text(QAccessible::Description).contains("60 days from 7 March 2004"));
        QVERIFY(chart->text(QAccessible::Description).contains("Fisik, Emosi, Intelektual"));
        f.w->cursor->SetDay(3);
        QCOMPARE(chart->text(QAccessible::Value), ReadoutOf(3));
        QVERIFY(QAccessible::queryAccessibleInterface(f.w->picMoon)
                    ->text(QAccessible::Description)
                    .startsWith("Mar 7, 2004, "));
    }

    void tabOrderFollowsTheReadingOrder() {
        f.Open();
        // In view mode the selected option button is the group's one Tab stop.
        QCOMPARE(f.w->optBirthdate->focusPolicy() & Qt::TabFocus, 0);
        const QList<QWidget*> chain{f.w->cboBDmonth,
                                    f.w->cboBDday,
                                    f.w->cboBDyear,
                                    f.w->optBirthday,
                                    f.w->cboFriend,
                                    f.w->txtFriend,
                                    f.w->cmdsave,
                                    f.w->cboDDmonth,
                                    f.w->cboDDday,
                                    f.w->cboDDyear,
                                    f.w->cmdDraw,
                                    f.w->cmdGoToToday,
                                    f.w->chkOndulixChart[2],
                                    f.w->chkOndulixChart[1],
                                    f.w->chkOndulixChart[3],
                                    f.w->chkOndulixChart[4],
                                    f.w->chkOndulixChart[5],
                                    f.w->chkOndulixChart[6],
                                    f.w->chkOndulixChart[7],
                                    f.w->chkCenter,
                                    f.w->cursor,
                                    f.w->sldMoonPhase,
                                    f.w->cmdExit};
        // What Tab reaches next: the next widget in the chain that takes Tab.
        auto next = [](QWidget* w) {
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
            return w;
        };
        for (int i = 0; i + 1 < chain.size(); ++i)
            QVERIFY2(next(chain[i]) == chain[i + 1], qPrintable(chain[i + 1]->accessibleName()));
        f.w->optBirthdate->click(); // entry mode: the other option button is the stop
        QVERIFY(f.w->optBirthdate->focusPolicy() & Qt::TabFocus);
        QCOMPARE(f.w->optBirthday->focusPolicy() & Qt::TabFocus, 0);
        QCOMPARE(next(f.w->optBirthdate), f.w->cboBDmonth);
    }

    void mnemonicsDoNotClash() {
        OpenActive();
        std::set<QString> keys;
        QList<QAbstractButton*> buttons{f.w->chkCenter,    f.w->optBirthdate, f.w->optBirthday,
                                        f.w->cmdGoToToday, f.w->cmdDraw,      f.w->cmdExit};
        for (int k = 1; k <= 7; ++k)
            buttons << f.w->chkOndulixChart[k];
        for (QAbstractButton* b : buttons) {
            const QString key = b->shortcut().toString();
            QVERIFY2(key.startsWith("Alt+"), qPrintable(b->text()));
            QVERIFY2(keys.insert(key).second, qPrintable(key));
        }
        for (const QShortcut* s : f.w->findChildren<QShortcut*>()) // the save button's
            QVERIFY2(keys.insert(s->key().toString()).second, qPrintable(s->key().toString()));
        QVERIFY(keys.count("Alt+A"));
        QVERIFY(!keys.count("Alt+B")); // the Berkas menu's
        const int runs = f.w->DrawRuns();
        QTest::keyClick(f.w.get(), Qt::Key_S, Qt::AltModifier); // Set
        QTRY_COMPARE(f.w->DrawRuns(), runs + 1);
        QTest::keyClick(f.w.get(), Qt::Key_U, Qt::AltModifier); // Intuisi
        QTRY_VERIFY(f.w->chkOndulixChart[4]->isChecked());
    }

    void enterPressesButtonsAndSavesTheName() {
        OpenActive();
        f.w->cmdDraw->setFocus();
        const int runs = f.w->DrawRuns();
        QTest::keyClick(f.w->cmdDraw, Qt::Key_Return);
        QCOMPARE(f.w->DrawRuns(), runs + 1);
        f.w->optBirthdate->click();
        f.w->txtFriend->setFocus();
        QTest::keyClicks(f.w->txtFriend, "budi");
        QTest::keyClick(f.w->txtFriend, Qt::Key_Enter);
        QCOMPARE(f.w->Friends.FriendCount, 1);
        QCOMPARE(f.w->Friends.FriendName[1], "Budi"); // as leaving the box writes it
        f.w->optBirthdate->click();
        f.w->txtFriend->setFocus();
        QTest::keyClicks(f.w->txtFriend, "   ");
        QTest::keyClick(f.w->txtFriend, Qt::Key_Return); // "Data" became "Save ": nothing
        QCOMPARE(f.w->Friends.FriendYear[0], "1960");
        QCOMPARE(f.w->cmdsave->text(), "Save ");
    }

    // Keyboard only: "Tanggal Lahir" puts the focus in the name box; Enter
    // saves, and the focus goes to the friends list, so more Enters remove
    // no one.
    void enterEnterEnterKeepsTheFriend() {
        OpenActive();
        QTest::keyClick(f.w.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_VERIFY(f.w->txtFriend->hasFocus());
        QTest::keyClicks(f.w->txtFriend, "budi");
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.w->Friends.FriendCount, 1);
        QVERIFY(f.w->cboFriend->hasFocus());
        QCOMPARE(f.answers.asked.size(), 0);
    }

    // The help lists what the window answers, from where the keys are set:
    // every Alt+letter, every menu's key and every menu item's shortcut.
    void theShortcutsAreListed() {
        OpenActive();
        QTest::keyClick(f.w.get(), Qt::Key_F1);
        QTRY_VERIFY(f.w->Help->ShortcutsWindow() && f.w->Help->ShortcutsWindow()->isVisible());
        auto* table = f.w->Help->ShortcutsWindow()->findChild<QTableWidget*>();
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 0)->text() + " = " + table->item(r, 1)->text();
        QStringList expected{"Alt+F = Fisik",
                             "Alt+L = Tanggal Lahir",
                             "Alt+O = Menu Ondulix",
                             "Alt+B = Menu Berkas",
                             "F1 = Bantuan › Pintasan Keyboard",
                             "Ctrl+Z = Sunting › Urungkan",
                             "Left = Grafik: hari sebelumnya"};
        for (QAbstractButton* b : f.w->findChildren<QAbstractButton*>())
            if (!b->shortcut().isEmpty())
                expected << b->shortcut().toString() + " = " +
                                (b->text().isEmpty() ? b->accessibleName() : b->text().trimmed());
        for (const QString& row : expected)
            if (!row.startsWith("Alt+A")) // the save button's caption changes
                QVERIFY2(rows.contains(row), qPrintable(row));
        f.w->Help->mnuAbout->trigger();
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.asked[0].prompt.contains(ONDULIX_VERSION));
        QVERIFY(f.answers.asked[0].prompt.contains(f.ini));
    }

    // The Alt+letters are underlined where the caption has them, though the
    // caption stays as it is; Alt+O opens "Ondulix".
    void mnemonicsShow() {
        QApplication::setStyle(new OndulixStyle);
        OpenActive();
        QCheckBox* fisik = f.w->chkOndulixChart[1];
        QCOMPARE(fisik->text(), "Fisik");
        const QImage marked = fisik->grab().toImage();
        fisik->setProperty("ondulixMnemonic", QVariant());
        QVERIFY(fisik->grab().toImage() != marked);
        QTest::keyClick(f.w.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(f.w->menuBar()->actions()[0]->menu()->isVisible());
    }

    // In entry mode the name box covers the friends picker: it takes no focus.
    void aCoveredPickerTakesNoKeys() {
        OpenActive();
        f.w->cboFriend->setFocus();
        QVERIFY(f.w->cboFriend->hasFocus());
        f.w->optBirthdate->click();
        QCOMPARE(f.w->cboFriend->focusPolicy(), Qt::NoFocus);
        QVERIFY(!f.w->cboFriend->hasFocus());
        QTRY_VERIFY(f.w->txtFriend->hasFocus());
        f.w->optBirthday->click();
        QCOMPARE(f.w->cboFriend->focusPolicy(), Qt::StrongFocus);
    }

    void theWheelTurnsOnlyAFocusedPicker() {
        OpenActive();
        f.w->cmdDraw->setFocus();
        const int runs = f.w->DrawRuns();
        const QPoint centre = f.w->cboDDday->rect().center();
        auto wheel = [&] {
            QWheelEvent e(centre, f.w->cboDDday->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(f.w->cboDDday, &e);
        };
        wheel();
        QCOMPARE(f.w->cboDDday->Text(), "7");
        QCOMPARE(f.w->DrawRuns(), runs);
        f.w->cboDDday->setFocus();
        wheel();
        QCOMPARE(f.w->cboDDday->Text(), "8");
    }

    // Every control that takes the focus shows a mark at least 2 pixels
    // thick, at 3:1 against what is there without the focus.
    void focusMarksShow() {
        QApplication::setStyle(new OndulixStyle); // the program's own
        OpenActive();
        QList<QWidget*> viewing{f.w->optBirthday, f.w->cboFriend,    f.w->cboDDmonth,
                                f.w->cmdDraw,     f.w->cmdGoToToday, f.w->chkCenter,
                                f.w->cursor,      f.w->sldMoonPhase, f.w->cmdExit};
        for (int k = 1; k <= 7; ++k)
            viewing << f.w->chkOndulixChart[k];
        const QList<QWidget*> entering{f.w->optBirthdate, f.w->txtFriend, f.w->cboBDyear,
                                       f.w->cmdsave};
        QStringList unmarked;
        for (QWidget* control : viewing + entering) {
            if (control == entering[0]) f.w->optBirthdate->click();
            f.w->cmdExit->setFocus();
            control->clearFocus();
            const QRect area = control->geometry().adjusted(-4, -4, 4, 4);
            const QImage before = f.w->canvas->grab(area).toImage();
            control->setFocus(Qt::TabFocusReason);
            QVERIFY(control->hasFocus());
            const QImage after = f.w->canvas->grab(area).toImage();
            // A run of 8 pixels, 2 rows deep, that changed at 3:1.
            auto marked = [&](int x, int y) {
                return Contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3;
            };
            bool found = false;
            for (int y = 0; y + 1 < after.height() && !found; ++y)
                for (int x = 0, run = 0; x < after.width() && !found; ++x) {
                    run = marked(x, y) && marked(x, y + 1) ? run + 1 : 0;
                    found = run >= 8;
                }
            if (!found) unmarked << control->accessibleName();
        }
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(", ")));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
