#include "people/FriendList.h"
#include "people/Names.h"

#include <QTest>

using namespace people;
using enum FriendList::SaveOutcome;

namespace {

const cal::DateTrio New{"7", "January", "1960"}, Old{"1", "January", "1970"};

QString Numbered(int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QString::asprintf("F%03d", i);
    return names.join(' ');
}

// On a list of friends (names split at blanks), every entry dated Old: a
// save of `name` dated New, or the removal of "-name".
struct Edit {
    QString before, name, after;
    FriendList::SaveOutcome outcome = {};
    int index = -1; // the entry dated New
};

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestFriendList : public QObject {
    Q_OBJECT
private slots:
    void edits_data() {
        QTest::addColumn<Edit>("e");
        QTest::newRow("at the end") << Edit{"Ani Citra", "Dewi", "Ani Citra Dewi", Inserted, 3};
        QTest::newRow("character code") << Edit{"Ani budi", "Budi", "Ani Budi budi", Inserted, 2};
        // A file's order is kept; the search stops at the first later name.
        QTest::newRow("unsorted file") << Edit{"Zed Ani", "Budi", "Budi Zed Ani", Inserted, 1};
        QTest::newRow("a listed name") << Edit{"Ani Citra", "Citra", "Ani Citra", Updated, 2};
        QTest::newRow("no name: the own date") << Edit{"Ani", "", "Ani", OwnDate, 0};
        // Loading keeps at most 999; a full list refuses only a new name.
        QTest::newRow("full, new") << Edit{Numbered(1001), "Zed", Numbered(999), Full};
        QTest::newRow("full, listed") << Edit{Numbered(999), "F500", Numbered(999), Updated, 500};
        QTest::newRow("remove the first") << Edit{"Ani Budi Citra", "-Ani", "Budi Citra"};
        QTest::newRow("remove the last") << Edit{"Ani Budi Citra", "-Citra", "Ani Budi"};
    }
    void edits() {
        QFETCH(Edit, e);
        std::vector<Friend> friends;
        for (const QString& n : e.before.split(' ', Qt::SkipEmptyParts))
            friends.push_back({n, Old});
        FriendList list;
        list.Load(Old, friends);
        if (e.name.startsWith('-')) {
            list.Remove(list.Find(e.name.mid(1)));
        } else {
            const auto saved = list.Save(e.name, New);
            QCOMPARE(saved.outcome, e.outcome);
            QCOMPARE(saved.index, e.index);
        }
        QCOMPARE(list.Names(),
                 QStringList{FriendList::OwnEntryName} + e.after.split(' ', Qt::SkipEmptyParts));
        for (int i = 0; i <= list.FriendCount; ++i)
            QCOMPARE(list.Entry(i).birth, i == e.index ? New : Old);
        QCOMPARE(list.Find(FriendList::OwnEntryName), -1); // the own entry is no friend
    }
};

QTEST_GUILESS_MAIN(TestFriendList)
#include "tst_friendlist.moc"
