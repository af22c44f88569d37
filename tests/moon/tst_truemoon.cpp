#include "moon/TrueMoon.h"

#include <QTest>
#include <algorithm>
#include <ctime>

using namespace moon;

class TestTrueMoon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    void phasesMatchEclipses_data() {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<bool>("newMoon");
        // Greatest eclipse, UT, of central solar (at new moon, 1) and total lunar (at full moon, 0)
        // eclipses, and the new moon of 9 December 2026.
        const int moments[][6] = {
            {1901, 5, 18, 5, 33, 1},  {1919, 5, 29, 13, 8, 1},  {1937, 6, 8, 20, 41, 1},
            {1955, 6, 20, 4, 10, 1},  {1973, 6, 30, 11, 38, 1}, {1991, 7, 11, 19, 7, 1},
            {1999, 8, 11, 11, 3, 1},  {2000, 1, 21, 4, 44, 0},  {2017, 8, 21, 18, 26, 1},
            {2018, 7, 27, 20, 22, 0}, {2022, 11, 8, 10, 59, 0}, {2024, 4, 8, 18, 17, 1},
            {2026, 8, 12, 17, 46, 1}, {2026, 12, 9, 0, 52, 1},  {2035, 9, 2, 1, 56, 1}};
        for (const auto& [y, m, d, h, min, newMoon] : moments)
            QTest::addRow("%d-%02d-%02d", y, m, d)
                << QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC) << bool(newMoon);
    }
    void phasesMatchEclipses() {
        QFETCH(QDateTime, moment);
        QFETCH(bool, newMoon);
        auto phases = PrincipalPhases(moment.addDays(-2), moment.addDays(2));
        const Principal kind = newMoon ? Principal::New : Principal::Full;
        std::erase_if(phases, [kind](const PhaseMoment& p) { return p.phase != kind; });
        QCOMPARE(phases.size(), 1u);
        const QDateTime exact = phases.front().utc;
        QVERIFY(qAbs(exact.secsTo(moment)) <= 3600 && exact.timeSpec() == Qt::UTC);
        QCOMPARE(PhaseKeyword(kind), newMoon ? "new" : "full");
        // The picture of that day shows the phase.
        QCOMPARE(TruePictureIndex(exact.date()), newMoon ? 1 : 13);
    }
};

QTEST_APPLESS_MAIN(TestTrueMoon)
#include "tst_truemoon.moc"
