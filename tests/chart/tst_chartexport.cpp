#include "TestFiles.h"
#include "chart/ChartCommandLine.h"
#include "chart/ChartValues.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

using namespace chart;

namespace {

const QString Dates = QStringLiteral("--birth 1960-01-01 --date 2000-01-01 ");

ChartOptions PhysicalFromBirth(double dpr = 1) {
    ChartOptions o;
    o.birth = o.display = QDate(2000, 1, 1);
    o.kinds[1] = true;
    o.devicePixelRatio = dpr;
    return o;
}

// Runs the real ondulix-chart with no runtime folder (Qt would warn of that
// on a line of its own): its exit code, standard output and error.
std::tuple<int, QByteArray, QString> Run(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("ONDULIX_CHART_BIN"), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return {-1, {}, {}};
    return {p.exitCode(), p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError()).trimmed()};
}

} // namespace

// The chart out of the window: images, SVG, PDF, pages, CSV, and the
// ondulix-chart command that writes them.
class TestChartExport : public QObject {
    Q_OBJECT
private slots:
    // The chart's 8670 x 4030 twips of paper fill the page's width or height,
    // centred the other way: 800 wide is 372 high, 300 high is 645 wide.
    void whereTheChartLandsOnAPage() {
        for (const auto& [page, chart] :
             {std::pair{QRect(100, 200, 800, 600), QRect(100, 314, 800, 372)},
              {QRect(0, 0, 1000, 300), QRect(177, 0, 645, 300)}}) {
            QImage image(1000, 1000, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            PaintChartOnPage(painter, page, PhysicalFromBirth());
            painter.end();
            QRect ink;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
            const QPoint a = ink.topLeft() - chart.topLeft(),
                         b = ink.bottomRight() - chart.bottomRight();
            QVERIFY2(qMax(qMax(qAbs(a.x()), qAbs(a.y())), qMax(qAbs(b.x()), qAbs(b.y()))) <= 2,
                     qPrintable(QStringLiteral("ink %1 %2").arg(ink.left()).arg(ink.top())));
        }
    }

    // Twips (x, y) land on pixel ((x - 1305) r / 15, y r / 15) at ratio r: a
    // one-pixel black frame around white; Physical red at its peak (2428, 340)
    // and back at the axis (3256, 2300); Sunday 2 January's solid grey line.
    void imagePixels() {
        for (const double dpr : {1.0, 2.0}) {
            const QImage image = RenderChartImage(PhysicalFromBirth(dpr));
            QCOMPARE(image.size(), QSize(qRound(616 * dpr), qRound(307 * dpr)));
            QCOMPARE(image.devicePixelRatio(), dpr);
            const auto at = [&](double x, double y, int dx = 0, int dy = 0) {
                return image
                    .pixelColor(qRound((x - 1305) * dpr / 15) + dx, qRound(y * dpr / 15) + dy)
                    .name();
            };
            QCOMPARE(QStringList({at(1600, 1200), at(1600, 1200, 1), at(10240, 1200),
                                  at(10240, 1200, -1), at(1650, 300), at(1650, 300, 0, 1),
                                  at(1650, 4300), at(2428, 340), at(3256, 2300), at(1744, 1000)}),
                     QStringList({"#000000", "#ffffff", "#000000", "#ffffff", "#000000", "#ffffff",
                                  "#000000", "#ff0000", "#ff0000", "#c0c0c0"}));
        }
    }

    // Each file holds the same bytes every time (but for a PDF's creation
    // date) and is what it claims to be.
    void formats_data() {
        QTest::addColumn<int>("format");
        for (const auto f :
             {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf, ExportFormat::Csv})
            QTest::newRow(qPrintable(FormatSuffix(f))) << int(f);
    }
    void formats() {
        QFETCH(int, format);
        const auto f = ExportFormat(format);
        ChartOptions o = PhysicalFromBirth(2);
        o.birth = QDate(1960, 1, 1);
        o.centre = true;
        o.kinds[5] = true;
        o.person = "Ani, \"A\"";
        QTemporaryDir dir;
        const QString path = dir.filePath("chart");
        QCOMPARE(WriteChartFile(o, path, f), QString());
        const QByteArray bytes = ReadAll(path);
        static const QRegularExpression stamp(QStringLiteral("/CreationDate \\(D:[^)]*\\)"));
        QCOMPARE(QString::fromLatin1(bytes).remove(stamp),
                 QString::fromLatin1(ChartBytes(o, f)).remove(stamp));
        if (f == ExportFormat::Png) { // a file keeps no ratio, only its dots an inch: 192
            const QImage png = QImage::fromData(bytes, "PNG");
            QVERIFY(png.size() == QSize(1232, 614) && png.dotsPerMeterX() == 7559);
        } else if (f == ExportFormat::Svg) { // in twips, the curve one polyline, texts as text
            QCOMPARE(QSvgRenderer(bytes).viewBox(), ChartArea);
            QVERIFY(bytes.contains("width=\"162.983mm\" height=\"81.2271mm\""));
            QVERIFY(bytes.contains("<title>Ondulix: Ani, \"A\", born 1 January 1960, 60 days from "
                                   "2 December 1999</title>"));
            QVERIFY(bytes.contains("x=\"1600\" y=\"300\" width=\"8640\" height=\"4000\""));
            QVERIFY(bytes.contains("points=\"1600,3320 1618,3260 ") &&
                    bytes.contains(">by K.P.Morvo</text>"));
        } else if (f == ExportFormat::Pdf) { // one page, the chart's face embedded
            QVERIFY(bytes.startsWith("%PDF-") && bytes.contains("/FontFile2"));
            QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
        } else { // day by day from 30 days before the display date
            const QList<QByteArray> lines = bytes.split('\n');
            QCOMPARE(lines.size(), 62); // header, 60 days, and the last line end
            QCOMPARE(lines[0], "Date,Day since birth,Fisik,Passion\r");
            QCOMPARE(lines[1], "1999-12-02,14580,-52.0,-74.7\r");
            QCOMPARE(lines[31], "2000-01-01,14610,97.9,0.2\r");
            QCOMPARE(PercentText(-0.04), "0.0");
        }
        o.birth = o.display.addDays(1); // unborn: nothing written
        QVERIFY(WriteChartFile(o, path + "2", f).contains("after the display date"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"chart"});
    }

    // A chart to draw (its cycles, centring, ratio, format and file), or
    // part of the one-line reason it is refused.
    void parses_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* tag, const QString& args, const char* result) {
            QTest::newRow(tag) << args << result;
        };
        row("defaults", Dates + "-o c.png", "123 1 png c.png");
        row("everything", Dates + "--center --cycles 1,2,3,5 --scale 2 -o c.svg",
            "1235 centred 2 svg c.svg");
        row("largest scale", Dates + "--scale 4 -o c.PDF", "123 4 pdf c.PDF");
        row("--format wins", Dates + "--format csv --output c.png", "123 1 csv c.png");
        row("impossible date", "--birth 1999-02-29 --date 2000-01-01 -o c.png", "not a date");
        row("before 1901", "--birth 1900-12-31 --date 2000-01-01 -o c.png", "1901 to 2040");
        row("after 2040", "--birth 1960-01-01 --date 2041-01-01 -o c.png", "1901 to 2040");
        row("born after", "--birth 2000-01-02 --date 2000-01-01 -o c.png", "after the display");
        row("unknown cycle", Dates + "--cycles 1,8 -o c.png", "from 1 to 7");
        row("cycle by name", Dates + "--cycles Fisik -o c.png", "from 1 to 7");
        row("scale too small", Dates + "--scale 0.5 -o c.png", "--scale 0.5: a number from 1 to 4");
        row("scale too large", Dates + "--scale 4.01 -o c.png", "--scale 4.01: a number");
        row("missing output", Dates.trimmed(), "missing --output");
        row("unknown extension", Dates + "-o c.jpg", "or --format must say which");
        row("unknown format", Dates + "--format jpg -o c.png", "one of png, svg, pdf, csv");
        row("stray argument", Dates + "-o c.png extra", "unexpected argument: extra");
    }
    void parses() {
        QFETCH(QString, args);
        QFETCH(QString, result);
        const ChartCommand c = ParseChartCommand(("ondulix-chart " + args).split(' '));
        QString got = c.message;
        if (c.action == ChartCommand::Action::Render) {
            for (int k = 1; k <= 7; ++k)
                got += c.options.kinds[k] ? QString::number(k) : QString();
            got += QStringLiteral("%1%2 %3 %4")
                       .arg(c.options.centre ? " centred " : " ")
                       .arg(c.options.devicePixelRatio)
                       .arg(FormatSuffix(c.format), c.output);
        }
        QVERIFY2(got.contains(result), qPrintable(got));
    }

    // The real program: a chart in the file named (or the help or version on
    // standard output), else one line of why and no file (exit 2 for the
    // arguments, 1 for the write).
    void binary_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("PNG") << Dates + "--center -o DIR/c.png" << 0 << "PNG\r\n";
        QTest::newRow("SVG") << Dates + "--center -o DIR/c.svg" << 0 << "<svg";
        QTest::newRow("PDF") << Dates + "-o DIR/c.pdf" << 0 << "%PDF-";
        QTest::newRow("CSV") << Dates + "-o DIR/c.csv" << 0 << "Date,Day since birth,Fisik,";
        QTest::newRow("help") << "--help" << 0 << "Usage: ondulix-chart [options]";
        QTest::newRow("version") << "--version" << 0 << "ondulix-chart " ONDULIX_VERSION "\n";
        QTest::newRow("impossible date")
            << "--birth 2001-02-29 --date 2002-01-01 -o DIR/c.png" << 2 << "not a date";
        QTest::newRow("missing folder")
            << Dates + "-o /proc/ondulix/c.png" << 1 << "does not exist";
        QTest::newRow("full disk")
            << Dates + "--format csv -o /dev/full" << 1 << "No space left on device";
    }
    void binary() {
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        if (args.contains("/dev/full") && !QFileInfo::exists("/dev/full")) QSKIP("no /dev/full");
        QTemporaryDir dir;
        const auto [exit, out, err] = Run(args.replace("DIR", dir.path()).split(' '));
        QCOMPARE(exit, exitCode);
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        if (exit == 0)
            QVERIFY(
                err.isEmpty() &&
                (files.isEmpty() ? out : ReadAll(dir.filePath(files[0]))).contains(says.toUtf8()));
        else
            QVERIFY2(err.startsWith("ondulix-chart: ") && err.contains(says) &&
                         !err.contains('\n') && files.isEmpty(),
                     qPrintable(err));
        QVERIFY(!QFileInfo("/dev/full").isFile()); // written into, not replaced
    }
};

QTEST_MAIN(TestChartExport)
#include "tst_chartexport.moc"
