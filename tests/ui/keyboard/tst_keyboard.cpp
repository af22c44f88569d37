#include "chart/ChartReadout.h"
#include "ui/WindowFixture.h"
#include "ui/chartview/DayCursor.h"
#include "ui/chartview/FormCanvas.h"
#include "ui/keyboard/HelpMenu.h"
#include "ui/keyboard/OndulixStyle.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSlider>
#include <QTableWidget>
#include <QWheelEvent>
#include <set>

namespace {

// WCAG's contrast ratio of two colours.
double Contrast(QColor a, QColor b) {
    auto luminance = [](QColor c) {
        auto channel = [](double v) {
            v /= 255;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    WindowFixture f;
    std::unique_ptr<frmOndulix>& w = f.w;

    QList<QWidget*> Controls() const {
        QList<QWidget*> all{w->chkCenter, w->sldMoonPhase, w->cboDDmonth, w->cboDDday,
                            w->cboDDyear, w->optBirthdate, w->cboBDmonth, w->cboBDday,
                            w->cboBDyear, w->optBirthday,  w->cboFriend,  w->txtFriend,
                            w->cmdsave,   w->cmdGoToToday, w->cmdDraw,    w->cmdExit,
                            w->cursor};
        for (int k = 1; k <= 7; ++k)
            all << w->chkOndulixChart[k];
        return all;
    }

private slots:
    void init() { f.Reset(); }
    void cleanup() { w.reset(); }

    void namesAndRoles() {
        f.Open();
        QSet<QString> names;
        for (QWidget* c : Controls() + QList<QWidget*>{w->picMoon, w->lblReadout}) {
            const QString name = QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), c->metaObject()->className());
            names << name;
        }
        QCOMPARE(names.size(), Controls().size() + 2); // each its own
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(w->cursor);
        QCOMPARE(chart->role(), QAccessible::Graphic);
        QVERIFY(chart->text(QAccessible::Description).contains("60 days from 7 March 2004"));
        QVERIFY(chart->text(QAccessible::Description).contains("Fisik, Emosi, Intelektual"));
        w->cursor->SetDay(3);
        QCOMPARE(chart->text(QAccessible::Value),
                 chart::ReadoutText(*chart::ReadDay(w->CurrentChart(), 3)));
        QVERIFY(QAccessible::queryAccessibleInterface(w->picMoon)
                    ->text(QAccessible::Description)
                    .startsWith("Mar 7, 2004, "));
    }

    void tabOrderFollowsTheReadingOrder() {
        f.Open();
        // In view mode the selected option button is the group's one Tab stop.
        QCOMPARE(w->optBirthdate->focusPolicy() & Qt::TabFocus, 0);
        const QList<QWidget*> chain{w->cboBDmonth,
                                    w->cboBDday,
                                    w->cboBDyear,
                                    w->optBirthday,
                                    w->cboFriend,
                                    w->txtFriend,
                                    w->cmdsave,
                                    w->cboDDmonth,
                                    w->cboDDday,
                                    w->cboDDyear,
                                    w->cmdDraw,
                                    w->cmdGoToToday,
                                    w->chkOndulixChart[2],
                                    w->chkOndulixChart[1],
                                    w->chkOndulixChart[3],
                                    w->chkOndulixChart[4],
                                    w->chkOndulixChart[5],
                                    w->chkOndulixChart[6],
                                    w->chkOndulixChart[7],
                                    w->chkCenter,
                                    w->cursor,
                                    w->sldMoonPhase,
                                    w->cmdExit};
        auto next = [](QWidget* widget) { // what Tab reaches next
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus));
            return widget;
        };
        for (int i = 0; i + 1 < chain.size(); ++i)
            QVERIFY2(next(chain[i]) == chain[i + 1], qPrintable(chain[i + 1]->accessibleName()));
        w->optBirthdate->click(); // entry mode: the other option button is the stop
        QCOMPARE(w->optBirthday->focusPolicy() & Qt::TabFocus, 0);
        QCOMPARE(next(w->optBirthdate), w->cboBDmonth);
    }

    void mnemonicsDoNotClash() {
        f.OpenActive();
        std::set<QString> keys;
        QList<QAbstractButton*> buttons{w->chkCenter,    w->optBirthdate, w->optBirthday,
                                        w->cmdGoToToday, w->cmdDraw,      w->cmdExit};
        for (int k = 1; k <= 7; ++k)
            buttons << w->chkOndulixChart[k];
        for (QAbstractButton* b : buttons) {
            const QString key = b->shortcut().toString();
            QVERIFY2(key.startsWith("Alt+") && keys.insert(key).second, qPrintable(b->text()));
        }
        for (const QShortcut* s : w->findChildren<QShortcut*>()) // the save button's
            QVERIFY2(keys.insert(s->key().toString()).second, qPrintable(s->key().toString()));
        QVERIFY(keys.count("Alt+A") && !keys.count("Alt+B")); // Alt+B is the Berkas menu's
        const int runs = w->DrawRuns();
        QTest::keyClick(w.get(), Qt::Key_S, Qt::AltModifier); // Set
        QTRY_COMPARE(w->DrawRuns(), runs + 1);
        QTest::keyClick(w.get(), Qt::Key_U, Qt::AltModifier); // Intuisi
        QTRY_VERIFY(w->chkOndulixChart[4]->isChecked());
    }

    // Keyboard only: Alt+L puts the focus in the name box; Enter saves the
    // name as leaving the box writes it, and the focus goes to the friends
    // list, so more Enters remove no one.
    void enterSavesTheNameOnce() {
        f.OpenActive();
        w->cmdDraw->setFocus();
        const int runs = w->DrawRuns();
        QTest::keyClick(w->cmdDraw, Qt::Key_Return);
        QCOMPARE(w->DrawRuns(), runs + 1);
        QTest::keyClick(w.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_VERIFY(w->txtFriend->hasFocus());
        QTest::keyClicks(w->txtFriend, "budi");
        QTest::keyClick(w->txtFriend, Qt::Key_Enter);
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w->Friends.FriendCount, 1);
        QCOMPARE(w->Friends.FriendName[1], "Budi");
        QVERIFY(w->cboFriend->hasFocus());
        QCOMPARE(f.answers.asked.size(), 0);
    }

    // The help lists what the window answers, from where the keys are set.
    void theShortcutsAreListed() {
        f.OpenActive();
        QTest::keyClick(w.get(), Qt::Key_F1);
        QTRY_VERIFY(w->Help->ShortcutsWindow() && w->Help->ShortcutsWindow()->isVisible());
        auto* table = w->Help->ShortcutsWindow()->findChild<QTableWidget*>();
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 0)->text() + " = " + table->item(r, 1)->text();
        QStringList expected{"Alt+O = Menu Ondulix", "Alt+B = Menu Berkas",
                             "F1 = Bantuan › Pintasan Keyboard", "Ctrl+Z = Sunting › Urungkan",
                             "Left = Grafik: hari sebelumnya"};
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (!b->shortcut().isEmpty() && b != w->cmdsave) // whose caption changes
                expected << b->shortcut().toString() + " = " +
                                (b->text().isEmpty() ? b->accessibleName() : b->text().trimmed());
        QVERIFY(expected.contains("Alt+L = Tanggal Lahir"));
        for (const QString& row : expected)
            QVERIFY2(rows.contains(row), qPrintable(row));
        w->Help->mnuAbout->trigger();
        QVERIFY(f.answers.Prompt().contains(ONDULIX_VERSION));
        QVERIFY(f.answers.Prompt().contains(f.ini));
    }

    // The Alt+letters are underlined though the caption stays as it is;
    // Alt+O opens "Ondulix".
    void mnemonicsShow() {
        QApplication::setStyle(new OndulixStyle);
        f.OpenActive();
        QCheckBox* fisik = w->chkOndulixChart[1];
        QCOMPARE(fisik->text(), "Fisik");
        const QImage marked = fisik->grab().toImage();
        fisik->setProperty("ondulixMnemonic", QVariant());
        QVERIFY(fisik->grab().toImage() != marked);
        QTest::keyClick(w.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(w->menuBar()->actions()[0]->menu()->isVisible());
    }

    // In entry mode the name box covers the friends picker: it takes no focus.
    void aCoveredPickerTakesNoKeys() {
        f.OpenActive();
        w->cboFriend->setFocus();
        w->optBirthdate->click();
        QCOMPARE(w->cboFriend->focusPolicy(), Qt::NoFocus);
        QTRY_VERIFY(w->txtFriend->hasFocus());
        w->optBirthday->click();
        QCOMPARE(w->cboFriend->focusPolicy(), Qt::StrongFocus);
    }

    void theWheelTurnsOnlyAFocusedPicker() {
        f.OpenActive();
        w->cmdDraw->setFocus();
        const QPoint centre = w->cboDDday->rect().center();
        for (const char* day : {"7", "8"}) { // unfocused, then focused
            QWheelEvent e(centre, w->cboDDday->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(w->cboDDday, &e);
            QCOMPARE(w->cboDDday->Text(), day);
            w->cboDDday->setFocus();
        }
    }

    // Every control that takes the focus shows a mark at least 2 pixels
    // thick, at 3:1 against what is there without the focus.
    void focusMarksShow() {
        QApplication::setStyle(new OndulixStyle); // the program's own
        f.OpenActive();
        QStringList unmarked;
        QList<QWidget*> viewing{w->optBirthday, w->cboFriend,    w->cboDDmonth,
                                w->cmdDraw,     w->cmdGoToToday, w->chkCenter,
                                w->cursor,      w->sldMoonPhase, w->cmdExit};
        for (int k = 1; k <= 7; ++k)
            viewing << w->chkOndulixChart[k];
        const QList<QWidget*> entering{w->optBirthdate, w->txtFriend, w->cboBDyear, w->cmdsave};
        for (QWidget* control : viewing + entering) {
            if (control == entering[0]) w->optBirthdate->click();
            w->cmdExit->setFocus();
            control->clearFocus();
            const QRect area = control->geometry().adjusted(-4, -4, 4, 4);
            const QImage before = w->canvas->grab(area).toImage();
            control->setFocus(Qt::TabFocusReason);
            const QImage after = w->canvas->grab(area).toImage();
            auto marked = [&](int x, int y) {
                return Contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3;
            };
            bool found = false; // a run of 8 pixels, 2 rows deep, that changed at 3:1
            for (int y = 0; y + 1 < after.height() && !found; ++y)
                for (int x = 0, run = 0; x < after.width() && !found; ++x) {
                    run = marked(x, y) && marked(x, y + 1) ? run + 1 : 0;
                    found = run >= 8;
                }
            if (!control->hasFocus() || !found) unmarked << control->accessibleName();
        }
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(", ")));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
