#include "WindowFixture.h"
#include "chart/ChartValues.h"
#include "ui/chartview/FormCanvas.h"
#include "ui/export/ChartExportMenu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

// The file, print and copy dialogs, answered by the test.
struct FakeDialogs final : ChartDialogs {
    QString path; // empty: cancel
    int filter = 0;
    QString proposal;
    QStringList filters;
    QString printTo; // a PDF file standing in for the printer; empty: cancel
    int previews = 0;
    QString AskSaveFile(QWidget*, const QString&, const QString& proposed, const QStringList& f,
                        int* chosen) override {
        proposal = proposed;
        filters = f;
        *chosen = filter;
        return path;
    }
    bool AskPrint(QWidget*, QPrinter& printer) override {
        if (printTo.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }
    void PreviewPrint(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override {
        ++previews;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        paint(&printer);
    }
};

class TestChartExportMenu : public QObject {
    Q_OBJECT

    WindowFixture f;
    FakeDialogs dialogs;
    std::unique_ptr<QTemporaryDir> dir;
    QTemporaryDir& out() { return *dir; }

    void Open() {
        f.w = std::make_unique<frmOndulix>(
            frmOndulix::Environment{&f.answers, [] { return StartDay; }, f.ini, &dialogs});
        f.w->show();
        QTRY_VERIFY(f.w->IsActivated);
    }

    // The same chart from the command-line program.
    QByteArray FromChartCli(const QStringList& args, const QString& name) {
        const QString path = out().filePath(name);
        QProcess p;
        p.start(qEnvironmentVariable("ONDULIX_CHART_BIN"), args + QStringList{"-o", path});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
        return ReadAll(path);
    }

private slots:
    void init() {
        f.Reset();
        dialogs = FakeDialogs();
        dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup() { f.w.reset(); }

    void theMenu() {
        Open();
        const QList<QAction*> menus = f.w->menuBar()->actions();
        QCOMPARE(menus.size(), 4);
        QCOMPARE(menus[0]->text(), "Ondulix");
        QCOMPARE(menus[1]->text(), "&Berkas");
        QCOMPARE(menus[2]->text(), "Suntin&g");
        QCOMPARE(menus[3]->text(), "Ba&ntuan");
        ChartExportMenu* e = f.w->Export;
        QCOMPARE(e->mnuSaveChart->text(), "Simpan Grafik...");
        QCOMPARE(e->mnuSaveChart->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(e->mnuCopyChart->text(), "Salin Grafik");
        QCOMPARE(e->mnuCopyChart->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(e->mnuPrint->text(), "Cetak...");
        QCOMPARE(e->mnuPrint->shortcut(), QKeySequence(QKeySequence::Print));
        QCOMPARE(e->mnuPrintPreview->text(), "Pratinjau Cetak...");
        QCOMPARE(e->mnuExportValues->text(), "Ekspor Nilai (CSV)...");
    }

    // Exports draw the state, not the screen, and never redraw it.
    void savesTheChartOnScreen_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("PNG") << 0 << "a.png"
                             << "a.png";
        QTest::newRow("PNG by filter") << 0 << "a"
                                       << "a.png";
        QTest::newRow("2x PNG") << 1 << "b.png"
                                << "b.png";
        QTest::newRow("SVG by extension over the filter") << 0 << "c.svg"
                                                          << "c.svg";
        QTest::newRow("PDF") << 3 << "d"
                             << "d.pdf";
    }
    void savesTheChartOnScreen() {
        QFETCH(int, filter);
        QFETCH(QString, name);
        QFETCH(QString, written);
        Open();
        f.w->chkOndulixChart[5]->click();
        const int runs = f.w->DrawRuns();
        dialogs.path = out().filePath(name);
        dialogs.filter = filter;
        f.w->Export->mnuSaveChart->trigger();
        QCOMPARE(f.answers.asked.size(), 0);
        QCOMPARE(f.w->DrawRuns(), runs);
        QCOMPARE(dialogs.filters.size(), 4);
        QVERIFY(dialogs.proposal.endsWith("/Ondulix-2004-03-07.png"));
        const QByteArray bytes = ReadAll(out().filePath(written));
        QVERIFY(!bytes.isEmpty());
        if (written.endsWith(".png")) {
            const QImage image = QImage::fromData(bytes, "PNG");
            const double ratio = filter == 1 ? 2 : f.w->devicePixelRatioF();
            QCOMPARE(image.size(), QSize(qRound(616 * ratio), qRound(307 * ratio)));
            if (ratio == f.w->devicePixelRatioF()) {
                // Pixel for pixel the window's own backing image.
                const QImage shown =
                    f.w->canvas->Image().copy(QRect(QPoint(qRound(87 * ratio), 0), image.size()));
                QCOMPARE(image.convertToFormat(QImage::Format_RGB32), shown);
            }
        }
        if (written.endsWith(".pdf")) QVERIFY(bytes.startsWith("%PDF-"));
    }

    void theSvgIsTheCommandLinesSvg() {
        Open();
        Pick(f.w->cboDDyear, "2001");
        f.w->chkCenter->click();
        f.w->chkOndulixChart[4]->click();
        dialogs.path = out().filePath("window.svg");
        f.w->Export->mnuSaveChart->trigger();
        const QByteArray cli = FromChartCli(
            {"--birth", "1960-01-01", "--date", "2001-03-07", "--center", "--cycles", "1,2,3,4"},
            "cli.svg");
        QVERIFY(!cli.isEmpty());
        QCOMPARE(ReadAll(dialogs.path), cli);
    }

    void valuesAsCsv() {
        WriteAll(f.ini,
                 "[PERSONAL]\r\nNo. of Friends=1\r\nName001=Ani Budi\r\nBday001=9-May-1971\r\n");
        Open();
        Pick(f.w->cboFriend, "Ani Budi");
        dialogs.path = out().filePath("values");
        f.w->Export->mnuExportValues->trigger();
        QVERIFY(dialogs.proposal.endsWith("/Ondulix-Ani-Budi-2004-03-07.csv"));
        const QByteArray csv = ReadAll(out().filePath("values.csv"));
        QVERIFY(
            csv.startsWith("Date,Day since birth,Fisik,Emosi,Intelektual\r\n2004-03-07,11991,"));
        QCOMPARE(csv.count('\n'), 61);
        chart::ChartOptions o = f.w->CurrentChart();
        QCOMPARE(o.person, "Ani Budi");
        QCOMPARE(csv, chart::ChartBytes(o, chart::ExportFormat::Csv));
    }

    void copiesAnImageAndItsSvg() {
        Open();
        QGuiApplication::clipboard()->clear();
        f.w->Export->mnuCopyChart->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data && data->hasImage());
        QCOMPARE(
            qvariant_cast<QImage>(data->imageData()).size(),
            QSize(qRound(616 * f.w->devicePixelRatioF()), qRound(307 * f.w->devicePixelRatioF())));
        QVERIFY(data->data("image/svg+xml").contains("<svg"));
    }

    void printsOnePage() {
        Open();
        dialogs.printTo = out().filePath("printed.pdf");
        f.w->Export->mnuPrint->trigger();
        const QByteArray pdf = ReadAll(dialogs.printTo);
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdf.count("/Type /Page\n"), 1);
        dialogs.printTo = out().filePath("preview.pdf");
        f.w->Export->mnuPrintPreview->trigger();
        QCOMPARE(dialogs.previews, 1);
        QVERIFY(ReadAll(dialogs.printTo).startsWith("%PDF-"));
        QCOMPARE(f.answers.asked.size(), 0);
    }

    // The real preview opens at most of the screen's height, so the page can be read.
    void thePreviewOpensLarge() {
        QtChartDialogs real;
        QPrinter printer;
        QSize opened;
        QTimer::singleShot(0, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                opened = dialog->size();
                dialog->close();
            }
        });
        real.PreviewPrint(nullptr, printer, [](QPrinter*) {});
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(opened.height() >= room.height() * 85 / 100,
                 qPrintable(QString::number(opened.height())));
        QVERIFY(opened.width() <= room.width());
    }

    // Cancelling changes nothing; a refusal and a failure say why, and the
    // window goes on working.
    void cancelUnbornAndFailure() {
        Open();
        dialogs.path.clear();
        f.w->Export->mnuSaveChart->trigger();
        f.w->Export->mnuPrint->trigger();
        QVERIFY(QDir(out().path()).isEmpty());
        QCOMPARE(f.answers.asked.size(), 0);

        f.w->optBirthdate->click();
        Pick(f.w->cboBDyear, "2004");
        Pick(f.w->cboBDmonth, "March");
        Pick(f.w->cboBDday, "8"); // the day after the display date
        f.answers = Answers();
        dialogs.path = out().filePath("unborn.png");
        f.w->Export->mnuSaveChart->trigger();
        QCOMPARE(f.answers.asked.size(), 1);
        QCOMPARE(f.answers.asked[0].prompt, "Belum lahir !!!");
        QCOMPARE(f.answers.asked[0].flags, int(MessageBoxes::OkOnly));
        QVERIFY(QDir(out().path()).isEmpty());

        Pick(f.w->cboBDday, "1");
        f.answers = Answers();
        const QString locked = out().filePath("locked");
        QDir().mkpath(locked);
        WriteAll(locked + "/chart.pdf", "old");
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        dialogs.path = locked + "/chart.pdf";
        f.w->Export->mnuSaveChart->trigger();
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.asked[0].prompt.contains(dialogs.path));
        QVERIFY(f.answers.asked[0].prompt.contains("read-only"));
        QCOMPARE(ReadAll(locked + "/chart.pdf"), QByteArray("old"));
        const int runs = f.w->DrawRuns();
        f.w->cmdDraw->click();
        QCOMPARE(f.w->DrawRuns(), runs + 1);
    }
};

QTEST_MAIN(TestChartExportMenu)
#include "tst_chartexportmenu.moc"
