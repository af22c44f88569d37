#include "chart/ChartCommandLine.h"
#include "chart/CriticalDays.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>
#include <set>

using namespace chart;

class TestCriticalDays : public QObject {
    Q_OBJECT

    static KindSet Kinds(std::initializer_list<int> kinds) {
        KindSet set;
        for (int k : kinds)
            set[k] = true;
        return set;
    }

private slots:
    // Worked by hand: the zeros k T / 2 fall on these days of the first 61.
    void firstDays_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("days");
        QTest::newRow("Fisik 23") << 1 << QList<int>{0, 11, 23, 34, 46, 57};
        QTest::newRow("Emosi 28") << 2 << QList<int>{0, 14, 28, 42, 56};
        QTest::newRow("Intelektual 33") << 3 << QList<int>{0, 16, 33, 49};
        QTest::newRow("Intuisi 38") << 4 << QList<int>{0, 19, 38, 57};
    }
    void firstDays() {
        QFETCH(int, kind);
        QFETCH(QList<int>, days);
        const QDate birth(1990, 5, 1);
        QList<int> found;
        for (const CriticalDay& d : CriticalDays(birth, birth.addDays(-5), 66, Kinds({kind})))
            found << int(birth.daysTo(d.date));
        QCOMPARE(found, days);
    }

    // Every zero enumerated, half a period apart, against the rule day by day,
    // for a seeded draw of days.
    void everyZeroIsItsDay() {
        for (int kind = 1; kind <= 4; ++kind) {
            std::set<std::int64_t> zeros; // k T div 2
            for (std::int64_t halfDays = 0; halfDays < 2 * 60000; halfDays += PeriodOf(kind))
                zeros.insert(halfDays / 2);
            QRandomGenerator draw(2026 + kind);
            for (int i = 0; i < 5000; ++i) {
                const std::int64_t day = draw.bounded(59000);
                QCOMPARE(IsCritical(kind, day), zeros.count(day) == 1);
            }
        }
    }

    void multiplesAndBounds() {
        const QDate birth(1975, 3, 9);
        const auto triple = NextCriticalDay(birth, birth.addDays(1), Kinds({1, 2, 3}), 3);
        QVERIFY(triple);
        QCOMPARE(KindLetters(triple->kinds), "FEI");
        QVERIFY(CriticalDays(birth, birth.addDays(1), int(birth.daysTo(triple->date)) - 1,
                             Kinds({1, 2, 3}), 3)
                    .empty());
        QVERIFY(!NextCriticalDay(birth, birth, Kinds({1, 2, 3}), 4)); // three cycles shown
        const auto last = CriticalDays(birth, QDate(2040, 12, 1), 400, Kinds({1, 2, 3, 4}));
        QVERIFY(!last.empty() && last.back().date <= QDate(2040, 12, 31));
    }

    // The command line's lines, and its calendar as a calendar library reads it.
    void listings() {
        const auto list = [](const QString& args) {
            const ChartCommand c = ParseChartCommand(("ondulix-chart " + args).split(' '));
            return c.action == ChartCommand::Action::Refuse ? "refused" : MakeListing(c, {}).bytes;
        };
        QCOMPARE(list("--birth 2000-01-01 --date 2000-01-01 --critical 20 --cycles 1,2,3,4"),
                 "2000-01-01\tFEIU\n2000-01-12\tF\n2000-01-15\tE\n2000-01-17\tI\n2000-01-20\tU\n");
        for (const char* refused :
             {"--date 2000-01-01 --critical 5", "--date 2000-01-01 --phases 0",
              "--birth 2000-01-01 --date 2000-01-01 --critical 20001",
              "--date 2000-01-01 --phases 5 -o x.ics",
              "--birth 2000-01-01 --date 2000-01-01 --critical 5 -o c.png"})
            QVERIFY2(list(refused) == "refused", refused);
        QTemporaryFile ics(QDir::tempPath() + "/XXXXXX.ics");
        QVERIFY(ics.open());
        const QDate birth(1988, 2, 29);
        const auto days = CriticalDays(birth, QDate(2026, 12, 1), 40, Kinds({1, 2, 3}));
        const QString name = "Ani, \"A\\B\";\nC " + QString(60, u'é'); // escaped, folded
        const auto events = CriticalEvents(name, birth, days);
        ics.write(CriticalCalendar(events, QDateTime::currentDateTimeUtc()));
        ics.close();
        QProcess python;
        python.start("/usr/bin/python3", {QFINDTESTDATA("../people/check_ics.py"), ics.fileName()});
        QVERIFY(python.waitForFinished(30000));
        if (python.exitCode() == 77) QSKIP("python3-icalendar is not installed");
        const QStringList read = QString::fromUtf8(python.readAllStandardOutput()).split('\n');
        QCOMPARE(read.filter(QRegularExpression("^Hari kritis [a-z ]+ Ani, ")).size(),
                 int(days.size()));
        QCOMPARE(read[0], "Hari kritis tunggal Ani, \"A\\B\";"); // the line break read back
        QVERIFY(read[1].startsWith("C " + QString(60, u'é') + ": "));
        QCOMPARE(events[0].uid, CriticalEvents(name, birth, days)[0].uid); // again: the same events
        QVERIFY(events[0].uid != CriticalEvents("Ani", birth, days)[0].uid); // renamed: new events
    }

private:
    static int PeriodOf(int kind) { return 23 + 5 * (kind - 1); }
};

QTEST_MAIN(TestCriticalDays)
#include "tst_criticaldays.moc"
