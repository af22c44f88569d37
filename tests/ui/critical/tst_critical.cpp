#include "ui/WindowFixture.h"
#include "ui/critical/CriticalMenu.h"

#include <QAction>
#include <QTreeWidget>

// The "Tampilan" menu in the window: each option one draw and a key of its
// own in the file; a listed day chosen is the chart's display date, drawn once.
class TestCritical : public QObject {
    Q_OBJECT

    WindowFixture f;
    std::unique_ptr<frmOndulix>& w = f.w;

private slots:
    void init() { f.Reset(); }
    void cleanup() { w.reset(); }

    void optionsDrawOnceAndAreKept() {
        f.Open();
        for (QAction* option : {w->View->mnuMarks, w->View->mnuTrueMoon}) {
            const int runs = w->DrawRuns();
            option->trigger();
            QCOMPARE(w->DrawRuns() - runs, 1);
        }
        QVERIFY(ReadAll(f.ini).endsWith("Critical Marks=True\r\nTrue Moon=True\r\n"));
        QVERIFY(w->CurrentChart().criticalMarks && w->CurrentChart().trueMoon);
        w->View->mnuMarks->trigger();
        w->View->mnuTrueMoon->trigger();
        QVERIFY(ReadAll(f.ini).endsWith("Center=False\r\n")); // off: out of the file again
        w.reset();
        f.Open(); // remembered: off, as the file says
        QVERIFY(!w->View->mnuMarks->isChecked());
    }

    void aListedDayIsShown() {
        f.Open();
        w->View->ShowList();
        QTreeWidget* rows = w->View->Rows();
        QVERIFY(rows->topLevelItemCount() > 2);
        const QDate day = rows->topLevelItem(2)->data(0, Qt::UserRole).toDate();
        const int runs = w->DrawRuns();
        emit rows->itemActivated(rows->topLevelItem(2), 0);
        QCOMPARE(w->DrawRuns() - runs, 1);
        QCOMPARE(w->CurrentChart().display, day);
    }
};

QTEST_MAIN(TestCritical)
#include "tst_critical.moc"
