#include "chart/ChartExport.h"

#include <QDir>
#include <QFile>
#include <QImage>
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
                                        << "cannot write";
        QTest::newRow("unknown format") << "chart.jpg"
                                        << ".png or .svg";
        QTest::newRow("folder in the way") << "."
                                           << ".png or .svg";
    }
    void refusesUnwritablePaths() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString error = WriteChartFile(PhysicalFromBirth(), dir.filePath(name));
        QVERIFY2(error.contains(reason) && !error.contains('\n'), qPrintable(error));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_MAIN(TestChartExport)
#include "tst_chartexport.moc"
