#include "chart/ChartExport.h"
#include "chart/ChartReadout.h"
#include "ui/WindowFixture.h"
#include "ui/compare/AgreementPanel.h"
#include "ui/critical/CriticalMenu.h"
#include "ui/friends/PeopleMenu.h"
#include "ui/keyboard/HelpMenu.h"
#include "ui/language/LanguageMenu.h"
#include "ui/widgets/ChartDialogs.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTimer>

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

    // Every word a user can see or hear in `root`: captions, tips, names and
    // descriptions for a screen reader, list entries, headers, menus.
    static QStringList Words(const QWidget* root) {
        QStringList seen;
        QList<const QWidget*> widgets{root};
        for (const QWidget* c : root->findChildren<QWidget*>())
            widgets << c;
        for (const QWidget* c : widgets) {
            seen << c->windowTitle() << c->toolTip() << c->statusTip() << c->accessibleName()
                 << c->accessibleDescription();
            if (auto* b = qobject_cast<const QAbstractButton*>(c)) seen << b->text();
            if (auto* l = qobject_cast<const QLabel*>(c)) seen << l->text();
            if (auto* g = qobject_cast<const QGroupBox*>(c)) seen << g->title();
            if (auto* e = qobject_cast<const QLineEdit*>(c)) seen << e->placeholderText();
            if (auto* t = qobject_cast<const QTabWidget*>(c))
                for (int i = 0; i < t->count(); ++i)
                    seen << t->tabText(i);
            if (auto* b = qobject_cast<const QComboBox*>(c))
                for (int i = 0; i < b->count(); ++i)
                    seen << b->itemText(i);
            if (auto* v = qobject_cast<const QAbstractItemView*>(c); v && v->model()) {
                const QAbstractItemModel* m = v->model();
                for (int col = 0; col < m->columnCount(); ++col)
                    seen << m->headerData(col, Qt::Horizontal).toString();
                // A file list's entries are the user's files, not our words.
                if (!m->inherits("QFileSystemModel") && !m->inherits("QSortFilterProxyModel"))
                    for (int row = 0; row < std::min(m->rowCount(), 20); ++row)
                        for (int col = 0; col < m->columnCount(); ++col)
                            seen << m->index(row, col).data().toString();
            }
            for (const QAction* a : c->actions())
                seen << a->text() << a->toolTip() << a->statusTip();
        }
        return seen;
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

    // In one language, no word of the other anywhere in the window, its own
    // windows and the message boxes it asks, or Qt's dialogs it opens.
    void oneLanguage_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("other"); // words only the other language has
        Row("Indonesian", 1,
            QString("the|and|of|with|to|from|File|Files|Cancel|Save|Open|Print|Page|Pages|Options|"
                    "Name|Date|Look|Copies|Zoom|Close|Remove|Exit|Chart|Day|Days|born|Settings|"
                    "Show|Type|Size|Back|Forward|Friends?|Help|Yes|Today|Birth|Moon|Critical|"
                    "Agreement|Compare|Preview|Printer|Properties|Landscape|Portrait|Color|"
                    "Collate|Reverse|Location|Paper|Width|Height|Margins|Next|Previous|First|"
                    "Last|Fit|Key|week|Import|Export|Contacts|Upcoming|View|Edit|Undo|Redo|"
                    "Delete|Rename|New|Passion|Wisdom|Mastery|Physical|Emotional|Intellectual|"
                    "Detail|List|Parent|Directory|Sidebar|Output|Advanced|Job|Pick|Choose"));
        Row("English", 2,
            QString("Tutup|Simpan|Hapus|Hari|Tanggal|Lahir|Batal|Bulan|Teman|Berkas|Bantuan|"
                    "Cetak|Grafik|yang|dan|dengan|tidak|Fisik|Emosi|Emosional|Intelektual|"
                    "Intuisi|Kritis|Tampilan|Ulang|Pilih|Kontak|Ekspor|Impor|Bandingkan|"
                    "Kecocokan|Siklus|Nama|Halaman|Pratinjau|Anda|lagi|tahun|Ganti|Ketik|"
                    "Perjelas|Terapkan|Atur|Minggu|Senin|Selasa|Rabu|Kamis|Jumat|Sabtu|Januari|"
                    "Februari|Maret|Mei|Juni|Juli|Agustus|Oktober|Desember|Tombol|Fungsi|Umur|"
                    "Siapa|Jenis|Rentang|Saring|ganda|tunggal|sejalan|dicetak"));
    }
    void oneLanguage() {
        QFETCH(int, choice);
        QFETCH(QString, other);
        WriteAll(f.ini, FriendsFile({"Ani"}));
        f.Open();
        // The program's windows open as the language changes follow it.
        w->View->ShowList();
        w->Help->ShowShortcuts();
        w->AgreementWindow()->show();
        QAction* const choices[] = {w->Languages->mnuOriginal, w->Languages->mnuIndonesian,
                                    w->Languages->mnuEnglish};
        choices[choice]->trigger();
        QCoreApplication::processEvents();
        QStringList seen;
        // A modal window, read and closed as it opens.
        const auto modal = [&seen](const std::function<void()>& open) {
            QTimer::singleShot(0, [&seen] {
                QWidget* m = QApplication::activeModalWidget();
                QVERIFY(m);
                seen << Words(m);
                m->close();
            });
            open();
        };
        // Its prompts.
        w->Help->ShowAbout();
        modal([&] { w->Contacts->mnuUpcoming->trigger(); });
        w->Contacts->mnuRename->trigger(); // no friend chosen: it says how
        seen << Words(w.get());
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top != w.get()) seen << Words(top);
        for (const QAction* menu : w->menuBar()->actions())
            for (const QAction* item : menu->menu()->actions())
                seen << item->text() << item->toolTip();
        for (const Answers::Asked& a : f.answers.asked)
            seen << a.prompt << a.title;
        // Qt's dialogs as the program opens them.
        QFileDialog files(w.get(), "t", QDir::homePath(), "PNG (*.png)");
        files.setOptions(FileDialogOptions());
        files.setAcceptMode(QFileDialog::AcceptSave);
        files.show();
        seen << Words(&files);
        QPrinter printer;
        QPrintDialog print(&printer, w.get());
        print.show();
        for (QPushButton* b : print.findChildren<QPushButton*>())
            if (b->text().contains(">>")) b->click(); // the options shown
        seen << Words(&print);
        if (auto* properties = print.findChild<QPushButton*>("properties");
            properties && properties->isEnabled())
            modal([properties] { properties->click(); });
        QPrintPreviewDialog preview(&printer, w.get());
        preview.show();
        seen << Words(&preview);
        // The language menu names each language in its own words.
        const QStringList own{"Bahasa/Language", "Seperti aslinya", "Bahasa Indonesia", "English"};
        const QRegularExpression foreign("\\b(" + other + ")\\b");
        QStringList found;
        for (QString text : seen) {
            text.remove(QRegularExpression("<[^>]*>")).remove(u'&');
            if (!own.contains(text) && foreign.match(text).hasMatch()) found << text;
        }
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(found.join(" | ")));
        QVERIFY(seen.size() > 500); // the walk reached the dialogs
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
