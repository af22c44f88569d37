#include "ui/WindowFixture.h"
#include "ui/chartview/FormCanvas.h"
#include "ui/export/ChartExportMenu.h"
#include "ui/widgets/Notice.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QPrinter>
#include <QTimer>

// The file, print and copy dialogs, answered by the test.
struct FakeDialogs final : ChartDialogs {
    QString path; // empty: cancel
    int filter = 0;
    QString proposal;
    QString printTo; // a PDF file standing in for the printer; empty: cancel
    int previews = 0;
    int pageCount = 0; // pages of 60 days asked for; 0: cancel
    int AskPageCount(QWidget*) override { return pageCount; }
    QString AskSaveFile(QWidget*, const QString&, const QString& proposed, const QStringList&,
                        int* chosen) override {
        proposal = proposed;
        *chosen = filter;
        return path;
    }
    bool AskPrint(QWidget*, QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return !printTo.isEmpty();
    }
    void PreviewPrint(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override {
        ++previews;
        AskPrint(nullptr, printer);
        paint(&printer);
    }
};

class TestChartExportMenu : public QObject {
    Q_OBJECT

    WindowFixture f;
    std::unique_ptr<frmOndulix>& w = f.w;
    FakeDialogs dialogs;
    QString Out(const QString& name) const { return f.dir->filePath("out/" + name); }

private slots:
    void init() {
        f.Reset();
        dialogs = FakeDialogs();
        f.dialogs = &dialogs;
        QDir(f.dir->path()).mkdir("out");
    }
    void cleanup() { w.reset(); }

    // Exports draw the state, not the screen, and never redraw it.
    void savesTheChartOnScreen_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        Row("PNG by filter", 0, "a", "a.png");
        Row("2x PNG", 1, "b.png", "b.png");
        Row("SVG by extension over the filter", 0, "c.svg", "c.svg");
        Row("PDF", 3, "d", "d.pdf");
        Row("the values, as CSV", -1, "e", "e.csv");
    }
    void savesTheChartOnScreen() {
        QFETCH(int, filter);
        QFETCH(QString, name);
        QFETCH(QString, written);
        f.Open();
        w->chkOndulixChart[5]->click();
        const int runs = w->DrawRuns();
        dialogs.path = Out(name);
        dialogs.filter = filter;
        (filter < 0 ? w->Export->mnuExportValues : w->Export->mnuSaveChart)->trigger();
        QCOMPARE(f.answers.asked.size(), 0);
        QCOMPARE(w->DrawRuns(), runs);
        const QByteArray bytes = ReadAll(Out(written));
        if (filter < 0) { // the chart's 60 days, from the display date
            QVERIFY(dialogs.proposal.endsWith("/Ondulix-2004-03-07.csv"));
            QCOMPARE(w->notice->Said(), "Nilai disimpan: " + written);
            QVERIFY(bytes.startsWith("Date,Day since birth,Fisik,Emosi,Intelektual,Passion\r\n"
                                     "2004-03-07,16137,"));
            QCOMPARE(bytes.count('\n'), 61);
            return;
        }
        QVERIFY(dialogs.proposal.endsWith("/Ondulix-2004-03-07.png"));
        QCOMPARE(w->notice->Said(), "Grafik disimpan: " + written);
        QVERIFY(bytes.startsWith(written.endsWith(".pdf")   ? "%PDF-"
                                 : written.endsWith(".svg") ? "<?xml"
                                                            : "\x89PNG"));
        const double ratio = w->devicePixelRatioF();
        if (written.endsWith(".png")) {
            const QImage image = QImage::fromData(bytes, "PNG");
            const double scale = filter == 1 ? 2 : ratio;
            QCOMPARE(image.size(), QSize(qRound(616 * scale), qRound(307 * scale)));
            if (scale == ratio) // pixel for pixel the window's own image
                QCOMPARE(
                    image.convertToFormat(QImage::Format_RGB32),
                    w->canvas->Image().copy(QRect(QPoint(qRound(87 * ratio), 0), image.size())));
        }
    }

    // A proposed name is portable: the name's words in any script, a dash between.
    void proposesPortableNames() {
        chart::ChartOptions o;
        o.display = StartDay;
        QStringList names;
        for (const QString person : {"Ani & <budi>", "=1+2", "नमस्ते  Łódź"})
            o.person = person, names << ChartExportMenu::ProposedName(o, "png");
        names << ChartExportMenu::ProposedName(o, {}); // to print to
        QCOMPARE(names.join(' '), "Ondulix-Ani-budi-2004-03-07.png Ondulix-1-2-2004-03-07.png "
                                  "Ondulix-नमस्ते-Łódź-2004-03-07.png Ondulix-नमस्ते-Łódź-2004-03-07");
    }

    // A copy is the image with its SVG; a print is one page; neither asks anything.
    void copiesAndPrints() {
        f.Open();
        QGuiApplication::clipboard()->clear();
        w->Export->mnuCopyChart->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        const double ratio = w->devicePixelRatioF();
        QCOMPARE(qvariant_cast<QImage>(data->imageData()).size(),
                 QSize(qRound(616 * ratio), qRound(307 * ratio)));
        QVERIFY(data->data("image/svg+xml").contains("<svg"));
        QCOMPARE(w->notice->Said(), "Grafik disalin");
        dialogs.printTo = Out("printed.pdf");
        w->Export->mnuPrint->trigger();
        QCOMPARE(ReadAll(dialogs.printTo).count("/Type /Page\n"), 1);
        QCOMPARE(w->notice->Said(), "Grafik dikirim ke pencetak");
        dialogs.pageCount = 2; // and two pages, each the next 60 days
        w->Export->mnuPrintMonths->trigger();
        QCOMPARE(ReadAll(dialogs.printTo).count("/Type /Page\n"), 2);
        dialogs.printTo = Out("preview.pdf");
        w->Export->mnuPrintPreview->trigger();
        QCOMPARE(dialogs.previews, 1);
        QCOMPARE(ReadAll(dialogs.printTo).count("/Type /Page\n"), 1);
        QCOMPARE(f.answers.asked.size(), 0);
    }

    // Cancelling changes nothing; a failure says why and keeps the old file,
    // and the window goes on working.
    void cancelAndFailure() {
        f.Open();
        w->Export->mnuSaveChart->trigger();
        w->Export->mnuPrint->trigger();
        QVERIFY(QDir(Out("")).isEmpty());
        QCOMPARE(f.answers.asked.size(), 0);

        WriteAll(Out("chart.pdf"), "old");
        QFile::setPermissions(Out(""), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        dialogs.path = Out("chart.pdf");
        w->Export->mnuSaveChart->trigger();
        QFile::setPermissions(Out(""), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        QVERIFY(f.answers.Prompt().contains(dialogs.path));
        QVERIFY(f.answers.Prompt().contains("read-only"));
        QCOMPARE(ReadAll(Out("chart.pdf")), QByteArray("old"));
        QVERIFY(!w->notice->Said().contains("disimpan")); // nothing said to be saved
        const int runs = w->DrawRuns();
        w->cmdDraw->click();
        QCOMPARE(w->DrawRuns(), runs + 1);
    }
};

QTEST_MAIN(TestChartExportMenu)
#include "tst_chartexportmenu.moc"
