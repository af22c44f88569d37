#include "util/modStrUtil.h"

#include <QTest>

using namespace modStrUtil;

class TestStrUtil : public QObject {
    Q_OBJECT
private slots:
    void properCase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("eachWord");
        QTest::addColumn<QString>("result");
        QTest::newRow("words") << "  jOHN   smith " << true << "John Smith";
        QTest::newRow("whole text") << "  jOHN   smith " << false << "John   smith";
        QTest::newRow("only blanks split") << "mary-jane van DYKE" << true << "Mary-jane Van Dyke";
        QTest::newRow("typed name") << "budi" << true << "Budi";
        QTest::newRow("empty") << "" << true << "";
        QTest::newRow("blanks, words") << "   " << true << "";
        QTest::newRow("blanks, whole") << "   " << false << "";
        QTest::newRow("tab is no separator") << "a\tb c" << true << "A\tb C";
        QTest::newRow("beyond Latin-1") << "ánh ĐỨC" << true << "Ánh Đức";
    }
    void properCase() {
        QFETCH(QString, text);
        QFETCH(bool, eachWord);
        QFETCH(QString, result);
        QCOMPARE(ProperCase(text, eachWord), result);
    }

    void squashBlanks() {
        QCOMPARE(SquashBlanks("  a   b  "), "a b");
        QCOMPARE(SquashBlanks("   "), "");
        QCOMPARE(SquashBlanks("a\t\tb"), "a\t\tb");
    }

    void getWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("result");
        QTest::newRow("two from the second") << "the quick  brown fox" << 2 << 2 << "quick brown";
        QTest::newRow("more than remain") << "a b c" << 2 << 5 << "b c";
        QTest::newRow("the last") << "a b c" << 3 << 1 << "c";
        QTest::newRow("past the end") << "a b c" << 4 << 1 << "";
        QTest::newRow("first 0") << "a b" << 0 << 1 << "";
        QTest::newRow("count 0") << "a b" << 1 << 0 << "";
        QTest::newRow("one word") << "  word " << 1 << 1 << "word";
    }
    void getWords() {
        QFETCH(QString, text);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(QString, result);
        QCOMPARE(GetWords(text, first, count), result);
    }

    void midFromTo() {
        QCOMPARE(MidFromTo("abcdef", 2, 4), "bcd");
        QCOMPARE(MidFromTo("abcdef", 5, 10), "ef");
        QCOMPARE(MidFromTo("abcdef", 4, 2), "");
        QCOMPARE(MidFromTo("abcdef", 0, 3), "");
        QCOMPARE(MidFromTo("abc", 7, 9), "");
    }

    void replaceAll_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("result");
        QTest::newRow("two") << "a--b--c"
                             << "--"
                             << "+"
                             << "a+b+c";
        QTest::newRow("no overlap") << "aaa"
                                    << "aa"
                                    << "b"
                                    << "ba";
        QTest::newRow("case matters") << "Abc"
                                      << "a"
                                      << "x"
                                      << "Abc";
        QTest::newRow("empty find") << "abc"
                                    << ""
                                    << "x"
                                    << "abc";
        QTest::newRow("longer find") << "ab"
                                     << "abc"
                                     << "x"
                                     << "ab";
        QTest::newRow("replacement not searched again") << "ab"
                                                        << "a"
                                                        << "aa"
                                                        << "aab";
        QTest::newRow("NULs of a buffer")
            << QString("Ani") + QString(5, QChar(0)) << QString(QChar(0)) << ""
            << "Ani";
        QTest::newRow("empty text") << ""
                                    << "a"
                                    << "b"
                                    << "";
    }
    void replaceAll() {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QString, result);
        QCOMPARE(ReplaceAll(text, find, replacement), result);
    }
};

QTEST_APPLESS_MAIN(TestStrUtil)
#include "tst_strutil.moc"
