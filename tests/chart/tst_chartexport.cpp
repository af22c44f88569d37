#include "TestFiles.h"
#include "chart/ChartExport.h"
#include "chart/ChartValues.h"
#include "util/Calendar.h"
#include "util/Checked.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

using namespace chart;

namespace {

ChartOptions PhysicalFromBirth(double dpr = 1) {
    ChartOptions o;
    o.birth = o.display = QDate(2000, 1, 1);
    o.kinds[1] = true;
    o.devicePixelRatio = dpr;
    return o;
}

// Pixel of a device point (twips) in an image of ChartArea.
QPoint Pixel(double x, double y, double dpr) {
    return QPoint(qRound((x - ChartArea.left()) * dpr / 15),
                  qRound((y - ChartArea.top()) * dpr / 15));
}

} // namespace

class TestChartExport : public QObject {
    Q_OBJECT
private slots:
    // On paper the chart fills the page's width or height, keeping its shape,
    // centred the other way.
    void whereTheChartLandsOnAPage_data() {
        QTest::addColumn<QRect>("page");
        QTest::addColumn<QRect>("chart");
        // 8670 x 4030 twips of paper area: 800 wide is 372 high; 300 high is 645 wide.
        QTest::newRow("width fills") << QRect(100, 200, 800, 600) << QRect(100, 314, 800, 372);
        QTest::newRow("height fills") << QRect(0, 0, 1000, 300) << QRect(177, 0, 645, 300);
    }
    void whereTheChartLandsOnAPage() {
        QFETCH(QRect, page);
        QFETCH(QRect, chart);
        QImage image(1000, 1000, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PaintChartOnPage(painter, page, PhysicalFromBirth());
        }
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
        for (const auto& [got, want] : {std::pair{ink.left(), chart.left()},
                                        {ink.top(), chart.top()},
                                        {ink.right(), chart.right()},
                                        {ink.bottom(), chart.bottom()}})
            QVERIFY2(qAbs(got - want) <= 2, qPrintable(QString("%1 for %2").arg(got).arg(want)));
    }

    void imagePixels_data() {
        QTest::addColumn<double>("dpr");
        QTest::newRow("ratio 1") << 1.0;
        QTest::newRow("ratio 2") << 2.0;
    }
    void imagePixels() {
        QFETCH(double, dpr);
        const QImage image = RenderChartImage(PhysicalFromBirth(dpr));
        QCOMPARE(image.size(), QSize(qRound(616 * dpr), qRound(307 * dpr)));
        QCOMPARE(image.devicePixelRatio(), dpr);

        const QColor black(0, 0, 0), white(255, 255, 255), red(255, 0, 0);
        // The frame: a black one-pixel border around white.
        const QPoint topLeft = Pixel(1600, 300, dpr), bottomRight = Pixel(10240, 4300, dpr);
        const int row = Pixel(0, 1200, dpr).y(), column = Pixel(1650, 0, dpr).x();
        QCOMPARE(image.pixelColor(topLeft.x(), row), black);
        QCOMPARE(image.pixelColor(topLeft.x() + 1, row), white);
        QCOMPARE(image.pixelColor(bottomRight.x(), row), black);
        QCOMPARE(image.pixelColor(bottomRight.x() - 1, row), white);
        QCOMPARE(image.pixelColor(column, topLeft.y()), black);
        QCOMPARE(image.pixelColor(column, topLeft.y() + 1), white);
        QCOMPARE(image.pixelColor(column, bottomRight.y()), black);
        // Physical peaks at (138, 98), device (2428, 340), and is back at the
        // axis at (276, 0), device (3256, 2300).
        QCOMPARE(image.pixelColor(Pixel(2428, 340, dpr)), red);
        QCOMPARE(image.pixelColor(Pixel(3256, 2300, dpr)), red);
        // Sunday 2 January: a solid grey day line at x 1744.
        QCOMPARE(image.pixelColor(Pixel(1744, 1000, dpr)), QColor(192, 192, 192));
    }

    void unbornLeavesAnEmptyChart() {
        ChartOptions o = PhysicalFromBirth();
        o.birth = QDate(2000, 1, 2);
        const QImage image = RenderChartImage(o);
        for (int x = Pixel(1600, 0, 1).x() + 1; x < Pixel(10240, 0, 1).x(); ++x)
            for (int y = Pixel(0, 300, 1).y() + 1; y < Pixel(0, 4300, 1).y(); ++y)
                QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
    }

    void svgUsesTwips() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart.svg"));
        QCOMPARE(WriteChartFile(PhysicalFromBirth(), path), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(svg.contains("viewBox=\"1305 0 9240 4605\""));
        QVERIFY(svg.contains("x=\"1600\" y=\"300\" width=\"8640\" height=\"4000\""));
        // The curve is one polyline through its 481 samples, flat at its peak.
        QVERIFY(svg.contains("points=\"1600,2300 1618,2240 "));
        QVERIFY(svg.contains(" 2410,340 2428,340 2446,340 "));
        QVERIFY(svg.contains(">January 2000</text>"));
        QVERIFY(svg.contains(">by K.P.Morvo</text>"));
    }

    void writesPngWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart.png"));
        QCOMPARE(WriteChartFile(PhysicalFromBirth(2), path), QString());
        const QImage read(path);
        QCOMPARE(read.size(), QSize(1232, 614));
        QCOMPARE(read.pixelColor(Pixel(2428, 340, 2)), QColor(255, 0, 0));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"chart.png"});
    }

    void refusesUnwritablePaths_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "no/such/folder/chart.png"
                                        << "does not exist";
        QTest::newRow("unknown format") << "chart.jpg"
                                        << ".png, .svg, .pdf or .csv";
        QTest::newRow("folder in the way") << "."
                                           << ".png, .svg, .pdf or .csv";
    }
    void refusesUnwritablePaths() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString error = WriteChartFile(PhysicalFromBirth(), dir.filePath(name));
        QVERIFY2(error.contains(reason) && !error.contains('\n'), qPrintable(error));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // Each output, checked as what it claims to be.
    void formats_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("PNG") << int(ExportFormat::Png);
        QTest::newRow("SVG") << int(ExportFormat::Svg);
        QTest::newRow("PDF") << int(ExportFormat::Pdf);
        QTest::newRow("CSV") << int(ExportFormat::Csv);
    }
    void formats() {
        QFETCH(int, format);
        const auto f = ExportFormat(format);
        ChartOptions o = PhysicalFromBirth();
        o.birth = QDate(1960, 1, 1);
        o.kinds[5] = true;
        o.person = "Ani, \"A\"";
        QTemporaryDir dir;
        const QString path = dir.filePath("chart." + FormatSuffix(f));
        QCOMPARE(FormatOfName(path.toUpper()), f);
        QCOMPARE(WriteChartFile(o, path), QString());
        const QByteArray bytes = ReadAll(path);
        // The same bytes every time, but for the second a PDF is stamped with.
        static const QRegularExpression stamp(QStringLiteral("/CreationDate \\(D:[^)]*\\)"));
        const auto unstamped = [](const QByteArray& b) {
            return QString::fromLatin1(b).replace(stamp, QStringLiteral("/CreationDate ()"));
        };
        QCOMPARE(unstamped(bytes), unstamped(ChartBytes(o, f)));
        const QString title =
            "Ondulix: Ani, \"A\", born 1 January 1960, 60 days from 1 January 2000";
        QCOMPARE(ChartTitle(o), title);
        switch (f) {
        case ExportFormat::Png:
            QCOMPARE(QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB32),
                     RenderChartImage(o).convertToFormat(QImage::Format_RGB32));
            break;
        case ExportFormat::Svg: {
            QSvgRenderer svg(bytes);
            QVERIFY(svg.isValid());
            QCOMPARE(svg.viewBox(), ChartArea);
            QVERIFY(bytes.contains("<title>Ondulix: Ani, "));
            QVERIFY(bytes.contains(", born 1 January 1960, 60 days from 1 January 2000</title>"));
            QVERIFY(bytes.contains("width=\"162.983mm\" height=\"81.2271mm\""));
            break;
        }
        case ExportFormat::Pdf:
            QVERIFY(bytes.startsWith("%PDF-"));
            QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                         bytes.count("/Type /Page "),
                     1);
            QVERIFY(bytes.contains("/FontFile2")); // the chart's face, embedded
            QVERIFY(bytes.contains("/Title"));
            break;
        case ExportFormat::Csv: {
            const QList<QByteArray> lines = bytes.split('\n');
            QCOMPARE(lines.size(), 62); // header, 60 days, and the last line end
            QCOMPARE(lines[0], QByteArray("Date,Day since birth,Fisik,Passion\r"));
            QCOMPARE(lines[1], QByteArray("2000-01-01,14610,97.9,0.2\r"));
            QCOMPARE(lines[60].left(17), QByteArray("2000-02-29,14669,"));
            break;
        }
        }
    }

    // The values are the curves' own: 98 chart units are 100 percent.
    void csvValuesAreTheModels() {
        ChartOptions o;
        o.birth = QDate(1971, 5, 9);
        o.display = QDate(2004, 3, 7);
        o.centre = true;
        for (int k = 1; k <= 7; ++k)
            o.kinds[k] = true;
        const auto days = ChartDays(o);
        QCOMPARE(days.size(), std::size_t(60));
        QCOMPARE(days[0].date, QDate(2004, 2, 6));
        QCOMPARE(days[30].date, o.display);
        const CycleTables tables = MakeCycleTables();
        const double H = cal::DiffHours(o.birth, days[0].date);
        for (int d = 0; d < 60; ++d) {
            QCOMPARE(days[d].dayNumber, cal::DiffDays(o.birth, days[d].date));
            QCOMPARE(days[d].values.size(), std::size_t(7));
            for (const KindValue& v : days[d].values) {
                const Components c = v.kind > 4 ? CombinedComponents(v.kind) : Components{};
                const int drawn = v.kind <= 4 ? PrimaryValue(tables, v.kind, H, 24.0 * d)
                                              : CombinedValue(tables, c.p, c.q, H, 24.0 * d);
                QVERIFY(std::abs(v.percent) <= 100);
                QCOMPARE(checked::Round(0.98 * v.percent), drawn);
            }
        }
        QCOMPARE(PercentText(-0.04), "0.0");
        QCOMPARE(PercentText(-12.05), "-12.1");
    }

    // A failed write leaves the old file as it was, and says why.
    void failedWritesKeepTheOldFile_data() { formats_data(); }
    void failedWritesKeepTheOldFile() {
        QFETCH(int, format);
        const auto f = ExportFormat(format);
        QTemporaryDir dir;
        const QString path = dir.filePath("old." + FormatSuffix(f));
        WriteAll(path, "the old file");
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QString error = WriteChartFile(PhysicalFromBirth(), path, f);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QVERIFY2(error.contains(path) && error.contains("read-only"), qPrintable(error));
        QCOMPARE(ReadAll(path), QByteArray("the old file"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old." + FormatSuffix(f)});

        if (!QFileInfo::exists("/dev/full")) QSKIP("no /dev/full here");
        const QString full = WriteChartFile(PhysicalFromBirth(), "/dev/full", f);
        QVERIFY2(full.contains("No space left on device"), qPrintable(full));
        QVERIFY(!QFileInfo("/dev/full").isFile()); // still the device
    }

    void unbornExportsNothing() {
        ChartOptions o = PhysicalFromBirth();
        o.birth = QDate(2000, 1, 2);
        QTemporaryDir dir;
        QVERIFY(WriteChartFile(o, dir.filePath("chart.pdf")).contains("after the display date"));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_MAIN(TestChartExport)
#include "tst_chartexport.moc"
