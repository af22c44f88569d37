#include "TestFiles.h"
#include "chart/ChartCommandLine.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace chart;
using Action = ChartCommand::Action;

namespace {

const QStringList Dates{"--birth", "1960-01-01", "--date", "2000-01-01"};

// Runs the real binary; returns its exit code, with standard error in `err`.
int Run(const QStringList& args, QString* err = nullptr, QByteArray* out = nullptr) {
    QProcess p;
    p.start(qEnvironmentVariable("ONDULIX_CHART_BIN"), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return -1;
    if (err) *err = QString::fromUtf8(p.readAllStandardError()).trimmed();
    if (out) *out = p.readAllStandardOutput();
    return p.exitCode();
}

} // namespace

class TestChartCli : public QObject {
    Q_OBJECT
private slots:
    void accepts_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("kinds");
        QTest::newRow("defaults") << Dates + QStringList{"-o", "c.png"} << "123";
        QTest::newRow("everything")
            << Dates + QStringList{"--center", "--cycles", "1,2,3,5", "--scale", "2", "-o", "c.svg"}
            << "1235";
        QTest::newRow("the largest scale")
            << Dates + QStringList{"--scale", "4", "-o", "c.png"} << "123";
        QTest::newRow("year range ends")
            << QStringList{"--birth",  "1901-01-01", "--date",   "2040-12-31",
                           "--cycles", "7",          "--output", "c.png"}
            << "7";
    }
    void accepts() {
        QFETCH(QStringList, args);
        QFETCH(QString, kinds);
        const ChartCommand c = ParseChartCommand(QStringList{"ondulix-chart"} + args);
        QVERIFY2(c.action == Action::Render, qPrintable(c.message));
        QString ticked;
        for (int k = 1; k <= 7; ++k)
            if (c.options.kinds[k]) ticked += QString::number(k);
        QCOMPARE(ticked, kinds);
        QCOMPARE(c.options.centre, args.contains("--center"));
        const qsizetype scale = args.indexOf("--scale");
        QCOMPARE(c.options.devicePixelRatio, scale < 0 ? 1.0 : args[scale + 1].toDouble());
    }

    void refuses_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QStringList out{"-o", "c.png"};
        QTest::newRow("impossible date")
            << QStringList{"--birth", "1999-02-29", "--date", "2000-01-01"} + out << "not a date";
        QTest::newRow("not ISO") << QStringList{"--birth", "1-Jan-1960", "--date", "2000-01-01"} +
                                        out
                                 << "not a date";
        QTest::newRow("year before 1901")
            << QStringList{"--birth", "1900-12-31", "--date", "2000-01-01"} + out << "1901 to 2040";
        QTest::newRow("year after 2040")
            << QStringList{"--birth", "1960-01-01", "--date", "2041-01-01"} + out << "1901 to 2040";
        QTest::newRow("born after")
            << QStringList{"--birth", "2000-01-02", "--date", "2000-01-01"} + out
            << "after the display date";
        QTest::newRow("unknown kind")
            << Dates + QStringList{"--cycles", "1,8"} + out << "from 1 to 7";
        QTest::newRow("kind by name")
            << Dates + QStringList{"--cycles", "Fisik"} + out << "from 1 to 7";
        QTest::newRow("scale too small")
            << Dates + QStringList{"--scale", "0.5"} + out << "--scale";
        QTest::newRow("scale too large")
            << Dates + QStringList{"--scale", "4.01"} + out << "--scale";
        QTest::newRow("missing output") << Dates << "missing --output";
        QTest::newRow("missing birth")
            << QStringList{"--date", "2000-01-01"} + out << "missing --birth";
        QTest::newRow("unknown option")
            << Dates + QStringList{"--colour"} + out << "Unknown option";
        QTest::newRow("unknown extension")
            << Dates + QStringList{"-o", "c.jpg"} << "or --format must say which";
        QTest::newRow("unknown format")
            << Dates + QStringList{"--format", "jpg"} + out << "one of png, svg, pdf, csv";
        QTest::newRow("stray argument")
            << Dates + out + QStringList{"extra"} << "unexpected argument";
    }
    void refuses() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const ChartCommand c = ParseChartCommand(QStringList{"ondulix-chart"} + args);
        QCOMPARE(c.action, Action::Refuse);
        QVERIFY2(c.message.contains(message), qPrintable(c.message));
    }

    void formats_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("format");
        QTest::newRow("by extension") << QStringList{"-o", "c.PDF"} << int(ExportFormat::Pdf);
        QTest::newRow("csv") << QStringList{"-o", "c.csv"} << int(ExportFormat::Csv);
        QTest::newRow("--format wins")
            << QStringList{"--format", "svg", "-o", "chart"} << int(ExportFormat::Svg);
    }
    void formats() {
        QFETCH(QStringList, args);
        QFETCH(int, format);
        const ChartCommand c = ParseChartCommand(QStringList{"ondulix-chart"} + Dates + args);
        QVERIFY2(c.action == Action::Render, qPrintable(c.message));
        QCOMPARE(int(c.format), format);
    }

    void binaryWritesEveryFormat() {
        QTemporaryDir dir;
        for (const char* name : {"chart.png", "chart.svg", "chart.pdf", "chart.csv"})
            QCOMPARE(Run(Dates + QStringList{"--center", "-o", dir.filePath(name)}), 0);
        QVERIFY(ReadAll(dir.filePath("chart.pdf")).startsWith("%PDF-"));
        QVERIFY(ReadAll(dir.filePath("chart.csv")).startsWith("Date,Day since birth,Fisik,"));
        QCOMPARE(QImage(dir.filePath("chart.png")).size(), QSize(616, 307));
        QVERIFY(QFile::exists(dir.filePath("chart.svg")));
        QByteArray help;
        QCOMPARE(Run({"--help"}, nullptr, &help), 0);
        QVERIFY(help.contains("Usage: ondulix-chart") && help.contains("--birth"));
        QByteArray version;
        QCOMPARE(Run({"--version"}, nullptr, &version), 0);
        QCOMPARE(version, QByteArray("ondulix-chart " ONDULIX_VERSION "\n"));
    }

    void binaryRefusesWithOneLineAndNoFile_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("impossible date")
            << QStringList{"--birth", "2001-02-29", "--date", "2002-01-01"} << 2;
        QTest::newRow("unwritable path")
            << Dates + QStringList{"-o", "/proc/ondulix/chart.png"} << 1;
        // Qt would warn on a line of its own that it has no runtime folder.
        QTest::newRow("no runtime folder")
            << QStringList{"XDG_RUNTIME_DIR="} + Dates + QStringList{"-o", "/proc/x.png"} << 1;
    }
    void binaryRefusesWithOneLineAndNoFile() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        if (!args.contains("-o")) args << "-o" << dir.filePath("chart.png");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (args.removeAll("XDG_RUNTIME_DIR=") > 0) qunsetenv("XDG_RUNTIME_DIR");
        QString err;
        const int exit = Run(args, &err);
        qputenv("XDG_RUNTIME_DIR", runtime);
        QCOMPARE(exit, exitCode);
        QVERIFY2(err.startsWith("ondulix-chart: ") && !err.contains('\n'), qPrintable(err));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestChartCli)
#include "tst_chartcli.moc"
