#include "chart/ChartReadout.h"
#include "ui/WindowFixture.h"
#include "ui/chartview/DayCursor.h"
#include "ui/chartview/FormCanvas.h"
#include "ui/compare/AgreementPanel.h"
#include "ui/keyboard/HelpMenu.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/OndulixStyle.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QTableWidget>

namespace {

// WCAG's contrast ratio of two colours.
double Contrast(QColor a, QColor b) {
    auto luminance = [](QColor c) {
        auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    const double dark = std::min(la, lb), light = std::max(la, lb);
    return (light + 0.05) / (dark + 0.05);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    WindowFixture f;
    std::unique_ptr<frmOndulix>& w = f.w;

private slots:
    void init() { f.Reset(); }
    void cleanup() { w.reset(); }

    // Keyboard only: Alt+L puts the focus in the name box; Enter saves the
    // name as leaving the box writes it, and the focus goes to the friends
    // list, so more Enters remove no one.
    void enterSavesTheNameOnce() {
        f.OpenActive();
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

    // Every key is bound once, listed in the help from where it is set, and works.
    void everyKeyOnceListedAndShown() {
        QApplication::setStyle(new OndulixStyle);
        f.OpenActive();
        QStringList bound;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (!b->shortcut().isEmpty() && b != w->cmdsave) // whose caption changes
                bound << b->shortcut().toString() + " = " +
                             (b->text().isEmpty() ? b->accessibleName() : b->text().trimmed());
        QCOMPARE(bound.size(), 13);
        QSet<QString> keys;
        for (const QString& row : bound)
            keys << row.section(" = ", 0, 0);
        for (const QShortcut* s : w->findChildren<QShortcut*>()) // the save button's
            keys << s->key().toString();
        QCOMPARE(keys.size(), bound.size() + w->findChildren<QShortcut*>().size());
        QVERIFY(keys.contains("Alt+A") && !keys.contains("Alt+B")); // Alt+B is Berkas'
        // Shown as Qt shows a "&" caption, the caption itself unchanged.
        QCheckBox* emosi = w->chkOndulixChart[2];
        QCheckBox plain("&Emosi", emosi->parentWidget());
        plain.setFont(emosi->font());
        plain.setPalette(emosi->palette());
        plain.setAutoFillBackground(true);
        plain.setChecked(emosi->isChecked());
        plain.setGeometry(emosi->geometry());
        QCOMPARE(emosi->grab().toImage(), plain.grab().toImage());
        QTest::keyClick(w.get(), Qt::Key_F1);
        QTRY_VERIFY(w->Help->ShortcutsWindow() && w->Help->ShortcutsWindow()->isVisible());
        auto* table = w->Help->ShortcutsWindow()->findChild<QTableWidget*>();
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 0)->text() + " = " + table->item(r, 1)->text();
        for (const QString& row :
             bound + QStringList{"Alt+O = Menu Ondulix", "Alt+B = Menu Berkas",
                                 "F1 = Bantuan › Pintasan Keyboard", "Ctrl+Z = Sunting › Urungkan",
                                 "Left = Grafik: hari sebelumnya"})
            QVERIFY2(rows.contains(row), qPrintable(row));
        w->Help->ShortcutsWindow()->close();
        QTRY_VERIFY(!w->Help->ShortcutsWindow());
        w->AgreementWindow()->show(); // F1 from the program's other windows too
        w->AgreementWindow()->activateWindow();
        QTRY_VERIFY(w->AgreementWindow()->isActiveWindow());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QTRY_VERIFY(w->Help->ShortcutsWindow() && w->Help->ShortcutsWindow()->isVisible());
        w->Help->ShortcutsWindow()->close();
        w->AgreementWindow()->close();
        w->Help->mnuAbout->trigger(); // in plain words, with where the settings are
        QCOMPARE(f.answers.asked.last().title, "Tentang Ondulix");
        QVERIFY(f.answers.Prompt().startsWith("Ondulix " ONDULIX_VERSION "\n") &&
                f.answers.Prompt().contains("Hak cipta dilindungi undang-undang.\n") &&
                f.answers.Prompt().endsWith(f.ini));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(w->menuBar()->actions()[0]->menu()->isVisible());
    }

    // In entry mode the name box covers the friends picker: it takes no focus.
    void aCoveredPickerTakesNoKeys() {
        f.OpenActive();
        w->cboFriend->setFocus();
        bool throughNone = false; // a reader hears nothing of a focus back from nowhere
        QObject scope;
        connect(qApp, &QApplication::focusChanged, &scope,
                [&](QWidget*, QWidget* now) { throughNone = throughNone || !now; });
        w->optBirthdate->click();
        QCOMPARE(w->cboFriend->focusPolicy(), Qt::NoFocus);
        QTRY_VERIFY(w->txtFriend->hasFocus());
        QVERIFY(!throughNone);
        w->optBirthday->click();
        QCOMPARE(w->cboFriend->focusPolicy(), Qt::StrongFocus);
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
            const auto onScreen = [&] { // as painted on the screen, not drawn afresh
                QCoreApplication::processEvents();
                const QPoint at = w->canvas->mapTo(w.get(), area.topLeft());
                return w->screen()
                    ->grabWindow(w->winId(), at.x(), at.y(), area.width(), area.height())
                    .toImage();
            };
            const QImage before = onScreen();
            control->setFocus(Qt::TabFocusReason);
            const QImage after = onScreen();
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
        // The style leaves out only the menu bar's overflow arrow: a warning keeps its sign.
        QVERIFY(QApplication::style()
                    ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                    .isNull());
        QVERIFY(!QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
    }

    // What a screen reader finds after each key and action: the chart's day
    // and the moon's date as the focused item, a picker's entry as its name
    // (no label stands in for it) and what it is for, the save button by its
    // caption with what it does, and a command's result as a notification.
    void whatAReaderFinds_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("found");
        Row("chart, Right", 0,
            QString("Grafik Anda, lahir 1 Januari 1960: 60 hari, 7 Maret 2004 sampai 5 Mei 2004. "
                    "Siklus: Fisik, Emosi, Intelektual.||Senin 8 Maret: Fisik minus 82 turun, "
                    "Emosi 78 turun, Intelektual 19 naik."));
        Row("moon slider, End", 1,
            QString("Hari gambar bulan: Kamis 6 Mei 2004. Bulan: purnama||Kamis 6 Mei 2004. Bulan: "
                    "purnama"));
        Row("closed month, Up", 2, QString("February|Set tanggal: bulan|February"));
        Row("a friend picked", 3, QString("Remove |Hapus Ani|"));
        Row("Set", 4, QString("Grafik digambar: Minggu 7 Maret 2004||"));
        Row("friends list, Down", 5, QString("Ani|Daftar teman|Ani, lahir 1 Januari 1970"));
        Row("month list open, Up", 6, QString("March|Set tanggal: bulan|February"));
    }
    void whatAReaderFinds() {
        QFETCH(int, action);
        QFETCH(QString, found);
        WriteAll(f.ini, FriendsFile({"Ani"}));
        f.OpenActive();
        QWidget* const heard[] = {w->cursor, w->sldMoonPhase, w->cboDDmonth, w->cmdsave,
                                  w->notice, w->cboFriend,    w->cboDDmonth};
        const Qt::Key keys[] = {Qt::Key_Right, Qt::Key_End, Qt::Key_Up, {}, {},
                                Qt::Key_Down,  Qt::Key_Up};
        if (action == 6) w->cboDDmonth->showPopup(); // the list holds the keys
        QWidget* keyed = action == 6 ? w->cboDDmonth->view() : heard[action];
        if (keys[action]) keyed->setFocus(), QTest::keyClick(keyed, keys[action]);
        if (action == 3) Pick(w->cboFriend, "Ani");
        if (action == 4) w->cmdDraw->click();
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(heard[action]);
        const auto* item = i->focusChild(); // the day, or the entry, it is on
        QCOMPARE(i->text(QAccessible::Name) + '|' + i->text(QAccessible::Description) + '|' +
                     (item ? item->text(QAccessible::Name) : ""),
                 found);
        QCOMPARE(i->role() == QAccessible::Notification, heard[action] == w->notice);
        QVERIFY(i->relations(QAccessible::Label).isEmpty());
    }

    // Alt+V and Alt+L select first and move the focus after, so a reader
    // hears the option selected; Tanggal Lahir sends it on to the name box.
    void anOptionIsSelectedBeforeItHasTheFocus() {
        f.OpenActive();
        bool selectedOnArrival = false;
        QObject scope; // the watch ends with the test
        connect(qApp, &QApplication::focusChanged, &scope,
                [&, option = w->optBirthday](QWidget*, QWidget* now) {
                    if (now == option) selectedOnArrival = option->isChecked();
                });
        QTest::keyClick(w.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_VERIFY(w->txtFriend->hasFocus());
        QTest::keyClick(w.get(), Qt::Key_V, Qt::AltModifier);
        QTRY_VERIFY(w->optBirthday->hasFocus());
        QVERIFY(selectedOnArrival);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
