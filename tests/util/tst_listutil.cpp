#include "FakeList.h"

#include <QTest>

using modListUtil::SelectListItem;

class TestListUtil : public QObject {
    Q_OBJECT
private slots:
    void selectListItem_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("events");
        const QStringList months{"January", "February", "March"};
        QTest::newRow("exact match beats an earlier prefix")
            << QStringList{"Anna", "Ann"} << -1 << "Ann" << true << false << 1 << 1;
        QTest::newRow("3 is not 30") << Numbers(1, 31) << -1 << "3" << true << false << 2 << 1;
        QTest::newRow("first entry that begins with 19")
            << Numbers(1901, 2040) << 5 << "19" << true << false << 0 << 1;
        QTest::newRow("no match keeps the selection")
            << Numbers(1, 30) << 4 << "31" << true << false << 4 << 0;
        QTest::newRow("empty text picks the first entry")
            << months << -1 << "" << true << false << 0 << 1;
        QTest::newRow("empty text prefers an empty entry")
            << QStringList{"a", "", "b"} << -1 << "" << true << false << 1 << 1;
        QTest::newRow("case matters") << months << 2 << "january" << true << false << 2 << 0;
        QTest::newRow("no trimming") << months << 2 << " March" << true << false << 2 << 0;
        QTest::newRow("lowest of equal entries")
            << QStringList{"x", "Budi", "Budi"} << -1 << "Budi" << true << false << 1 << 1;
        QTest::newRow("disabled, not forced") << months << 0 << "March" << false << false << 0 << 0;
        QTest::newRow("disabled, forced") << months << 0 << "March" << false << true << 2 << 1;
        QTest::newRow("selecting the selected entry raises the event again")
            << months << 1 << "February" << true << false << 1 << 1;
        QTest::newRow("empty list") << QStringList{} << -1 << "" << true << true << -1 << 0;
    }
    void selectListItem() {
        QFETCH(QStringList, entries);
        QFETCH(int, before);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        QFETCH(bool, force);
        QFETCH(int, after);
        QFETCH(int, events);
        FakeList list(entries, enabled);
        list.index = before;
        SelectListItem(list, text, force);
        QCOMPARE(list.index, after);
        QCOMPARE(list.events, events);
    }

    void selectAllText_data() {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<int>("length");
        QTest::newRow("name box") << 24 << 24;
        QTest::newRow("no limit: caret only") << 0 << 0;
    }
    void selectAllText() {
        QFETCH(int, maxLength);
        QFETCH(int, length);
        struct Box final : TextBoxControl {
            int max = 0, start = -1, length = -1;
            int MaxLength() const override { return max; }
            void SetSelStart(int s) override { start = s; }
            void SetSelLength(int l) override {
                QCOMPARE(start, 0); // the start is set first
                length = l;
            }
        } box;
        box.max = maxLength;
        modListUtil::SelectAllText(box);
        QCOMPARE(box.start, 0);
        QCOMPARE(box.length, length);
    }
};

QTEST_APPLESS_MAIN(TestListUtil)
#include "tst_listutil.moc"
