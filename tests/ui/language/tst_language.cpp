#include "chart/ChartExport.h"
#include "chart/ChartReadout.h"
#include "ui/WindowFixture.h"
#include "ui/language/LanguageMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

// A language chosen in the window: at once, one draw, kept in the file; and
// back to the captions as designed, the file as it was.
class TestLanguage : public QObject {
    Q_OBJECT

    WindowFixture f;
    std::unique_ptr<frmOndulix>& w = f.w;

    // A day read out as a screen reader hears it: Fisik near its peak, day 5.
    static QString Spoken() {
        chart::ChartOptions day;
        day.birth = QDate(2004, 3, 3);
        day.display = QDate(2004, 3, 8);
        day.kinds[1] = true;
        QString said = chart::SpokenReadout(*chart::ReadDay(day, 0));
        return said.left(said.indexOf(u'.') + 1);
    }

    QStringList Captions() const {
        QStringList captions;
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
            captions << b->text() + '|' + b->toolTip();
        for (const QAction* menu : w->menuBar()->actions()) {
            captions << menu->text();
            for (const QAction* item : menu->menu()->actions())
                captions << item->text();
        }
        return captions;
    }

private slots:
    void init() { f.Reset(); }
    void cleanup() { w.reset(); }

    void switches_data() {
        QTest::addColumn<int>("choice");
        // Tutup, Fisik, the birth date's tip, a menu, a month shown and as the program reads
        // it, a day as a screen reader hears it
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("English") << 2
                                 << QStringList{"Close",
                                                "Physical",
                                                "Set the birth date",
                                                "&Chart",
                                                "March",
                                                "March",
                                                "Monday 8 March: Physical 98 rising.",
                                                "(My birthday)"}
                                 << QByteArray("Language=en\r\n");
        QTest::newRow("Indonesian") << 1 << QStringList{"Tutup",
                                                        "Fisik",
                                                        "Atur tanggal lahirnya",
                                                        "&Berkas",
                                                        "Maret",
                                                        "March",
                                                        "Senin 8 Maret: Fisik 98 naik.",
                                                        "(Hari Ulang Tahun saya)"}
                                    << QByteArray("Language=id\r\n");
    }
    void switches() {
        QFETCH(int, choice);
        QFETCH(QStringList, shown);
        QFETCH(QByteArray, kept);
        f.Open();
        const QStringList designed = Captions();
        const auto seen = [this] {
            return QStringList{w->cmdExit->text(),
                               w->chkOndulixChart[1]->text(),
                               w->optBirthdate->toolTip(),
                               w->menuBar()->actions()[1]->text(),
                               w->cboDDmonth->currentText(),
                               w->cboDDmonth->Text(),
                               Spoken(),
                               w->cboFriend->itemText(0)};
        };
        QAction* const choices[] = {w->Languages->mnuOriginal, w->Languages->mnuIndonesian,
                                    w->Languages->mnuEnglish};
        const int runs = w->DrawRuns();
        choices[choice]->trigger();
        QCOMPARE(w->DrawRuns() - runs, 1);
        QCOMPARE(seen(), shown);
        // Qt's own buttons (message boxes, dialogs) too: Indonesian ones are the program's.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 choice == 1 ? "Batal" : "Cancel");
        const QByteArray csv = chart::ChartBytes(w->CurrentChart(), chart::ExportFormat::Csv);
        QCOMPARE(csv.left(csv.indexOf(',', csv.indexOf(',') + 1)), // the values' header too
                 choice == 2 ? "Date,Day since birth" : "Tanggal,Hari sejak lahir");
        QCoreApplication::sendPostedEvents(); // the windows hear of the change
        QString letters; // one Alt+letter a control, each in its caption, none twice
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (!b->shortcut().isEmpty() && !b->text().isEmpty() && b != w->cmdsave) {
                const QChar letter = b->shortcut().toString().back();
                QVERIFY2(b->text().contains(letter, Qt::CaseInsensitive) &&
                             !letters.contains(letter),
                         qPrintable(b->text()));
                letters += letter;
            }
        QCOMPARE(letters.size(), 12); // the seven cycles, Jelas, Lahir, Hari Ini, Set, Tutup
        QVERIFY(ReadAll(f.ini).endsWith(kept));
        w.reset();
        f.Open(); // remembered
        QCOMPARE(seen(), shown);
        w->Languages->mnuOriginal->trigger();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(Captions(), designed);
        QCOMPARE(w->cmdExit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_T)); // the keys as designed
        QVERIFY(!ReadAll(f.ini).contains("Language"));
    }

    // Each caption fits its control at its designed size, in each language.
    void captionsFit() {
        f.Open();
        for (QAction* language :
             {w->Languages->mnuOriginal, w->Languages->mnuIndonesian, w->Languages->mnuEnglish}) {
            language->trigger();
            for (const QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
                QStyleOptionButton option;
                option.initFrom(b);
                option.text = b->text();
                const QStyle::ContentsType type =
                    qobject_cast<const QPushButton*>(b) ? QStyle::CT_PushButton
                    : qobject_cast<const QCheckBox*>(b) ? QStyle::CT_CheckBox
                                                        : QStyle::CT_RadioButton;
                const int needed =
                    b->style()
                        ->sizeFromContents(type, &option,
                                           b->fontMetrics().size(Qt::TextShowMnemonic, b->text()),
                                           b)
                        .width();
                QVERIFY2(
                    b->text().isEmpty() || needed <= b->width(),
                    qPrintable(QString("%1: %2 > %3").arg(b->text()).arg(needed).arg(b->width())));
            }
            for (const QLabel* l : w->findChildren<QLabel*>())
                if (l->isVisible() && !l->wordWrap() && l->textFormat() != Qt::RichText &&
                    l->pixmap().isNull())
                    QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(),
                             qPrintable(l->text()));
        }
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
