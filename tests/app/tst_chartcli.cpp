#include "chart/ChartCommandLine.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace chart;
using Action = ChartCommand::Action;

class TestChartCli : public QObject {
    Q_OBJECT
private slots:
    void accepts_data();
    void accepts();
    void refuses_data();
    void refuses();
    void binaryWritesPngAndSvg();
    void binaryRefusesWithOneLineAndNoFile_data();
    void binaryRefusesWithOneLineAndNoFile();

private:
    static QProcess* Run(const QStringList& args);
};

void TestChartCli::accepts_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("centre");
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<double>("scale");
    QTest::newRow("defaults") << QStringList{"--birth",    "1960-01-01", "--date",
                                             "2000-01-01", "-o",         "c.png"}
                              << false << "123" << 1.0;
    QTest::newRow("everything") << QStringList{"--birth",  "1960-01-01", "--date",  "2000-01-01",
                                               "--center", "--cycles",   "1,2,3,5", "--scale",
                                               "2",        "-o",         "c.svg"}
                                << true << "1235" << 2.0;
    QTest::newRow("same day") << QStringList{"--birth",  "1901-01-01", "--date",   "1901-01-01",
                                             "--cycles", "7",          "--output", "c.png"}
                              << false << "7" << 1.0;
    QTest::newRow("no curves") << QStringList{"--birth",  "2040-12-31", "--date", "2040-12-31",
                                              "--cycles", "",           "-o",     "c.png"}
                               << false << "" << 1.0;
}

void TestChartCli::accepts() {
    QFETCH(QStringList, args);
    QFETCH(bool, centre);
    QFETCH(QString, kinds);
    QFETCH(double, scale);
    const ChartCommand c = ParseChartCommand(QStringList{"ondulix-chart"} + args);
    QVERIFY2(c.action == Action::Render, qPrintable(c.message));
    QCOMPARE(c.options.centre, centre);
    QString ticked;
    for (int k = 1; k <= 7; ++k)
        if (c.options.kinds[k]) ticked += QString::number(k);
    QCOMPARE(ticked, kinds);
    QCOMPARE(c.options.devicePixelRatio, scale);
}

void TestChartCli::refuses_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QStringList dates{"--birth", "1960-01-01", "--date", "2000-01-01"};
    QTest::newRow("impossible date")
        << QStringList{"--birth", "1999-02-29", "--date", "2000-01-01", "-o", "c.png"}
        << "not a date";
    QTest::newRow("not ISO") << QStringList{"--birth",    "1-Jan-1960", "--date",
                                            "2000-01-01", "-o",         "c.png"}
                             << "not a date";
    QTest::newRow("year before 1901")
        << QStringList{"--birth", "1900-12-31", "--date", "2000-01-01", "-o", "c.png"}
        << "1901 to 2040";
    QTest::newRow("year after 2040")
        << QStringList{"--birth", "1960-01-01", "--date", "2041-01-01", "-o", "c.png"}
        << "1901 to 2040";
    QTest::newRow("born after") << QStringList{"--birth",    "2000-01-02", "--date",
                                               "2000-01-01", "-o",         "c.png"}
                                << "after the display date";
    QTest::newRow("unknown kind") << dates + QStringList{"--cycles", "1,8", "-o", "c.png"}
                                  << "from 1 to 7";
    QTest::newRow("kind not a number")
        << dates + QStringList{"--cycles", "Fisik", "-o", "c.png"} << "from 1 to 7";
    QTest::newRow("bad scale") << dates + QStringList{"--scale", "0.5", "-o", "c.png"} << "--scale";
    QTest::newRow("scale not a number")
        << dates + QStringList{"--scale", "x", "-o", "c.png"} << "--scale";
    QTest::newRow("missing output") << dates << "missing --output";
    QTest::newRow("missing birth")
        << QStringList{"--date", "2000-01-01", "-o", "c.png"} << "missing --birth";
    QTest::newRow("unknown option")
        << dates + QStringList{"--colour", "-o", "c.png"} << "Unknown option";
    QTest::newRow("stray argument")
        << dates + QStringList{"-o", "c.png", "extra"} << "unexpected argument";
}

void TestChartCli::refuses() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const ChartCommand c = ParseChartCommand(QStringList{"ondulix-chart"} + args);
    QCOMPARE(c.action, Action::Refuse);
    QVERIFY2(c.message.contains(message), qPrintable(c.message));
}

QProcess* TestChartCli::Run(const QStringList& args) {
    auto* p = new QProcess;
    p->start(qEnvironmentVariable("ONDULIX_CHART_BIN"), args);
    p->waitForFinished(60000);
    return p;
}

void TestChartCli::binaryWritesPngAndSvg() {
    QTemporaryDir dir;
    for (const QString name : {"chart.png", "chart.svg"}) {
        const QString path = dir.filePath(name);
        std::unique_ptr<QProcess> p(
            Run({"--birth", "1960-01-01", "--date", "2000-01-01", "--center", "-o", path}));
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(QFile::exists(path));
    }
    QCOMPARE(QImage(dir.filePath("chart.png")).size(), QSize(616, 307));
    std::unique_ptr<QProcess> help(Run({"--help"}));
    QCOMPARE(help->exitCode(), 0);
    QVERIFY(help->readAllStandardOutput().contains("--birth"));
}

void TestChartCli::binaryRefusesWithOneLineAndNoFile_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("impossible date")
        << QStringList{"--birth", "2001-02-29", "--date", "2002-01-01"};
    QTest::newRow("unwritable path") << QStringList{
        "--birth", "1960-01-01", "--date", "2002-01-01", "-o", "/proc/ondulix/chart.png"};
}

void TestChartCli::binaryRefusesWithOneLineAndNoFile() {
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    if (!args.contains("-o")) args << "-o" << dir.filePath("chart.png");
    std::unique_ptr<QProcess> p(Run(args));
    QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    QVERIFY(p->exitCode() != 0);
    const QString err = QString::fromUtf8(p->readAllStandardError()).trimmed();
    QVERIFY2(err.startsWith("ondulix-chart: ") && !err.contains('\n'), qPrintable(err));
    QVERIFY(QDir(dir.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestChartCli)
#include "tst_chartcli.moc"
