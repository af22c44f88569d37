#include "settings/FriendList.h"

#include <QTest>

using namespace settings;
using Outcome = FriendList::SaveOutcome;

namespace {

const cal::DateTrio New{"7", "January", "1960"}, Old{"1", "January", "1970"};

QString Numbered(int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QString::asprintf("F%03d", i);
    return names.join(' ');
}

} // namespace

class TestFriendList : public QObject {
    Q_OBJECT
private slots:
    // On a list of friends (names split at blanks), every entry dated Old:
    // a save of `name` dated New, or the removal of "-name".
    void edits_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("index"); // the entry dated New
        const auto row = [](const char* what, const QString& before, const char* name,
                            const QString& after, Outcome outcome, int index) {
            QTest::newRow(what) << before << QString(name) << after << int(outcome) << index;
        };
        row("first friend", "", "Budi", "Budi", Outcome::Inserted, 1);
        row("in name order", "Ani Citra", "Budi", "Ani Budi Citra", Outcome::Inserted, 2);
        row("at the end", "Ani Citra", "Dewi", "Ani Citra Dewi", Outcome::Inserted, 3);
        row("in front", "Ani Citra", "Abe", "Abe Ani Citra", Outcome::Inserted, 1);
        row("by character code", "Ani budi", "Budi", "Ani Budi budi", Outcome::Inserted, 2);
        row("letter case makes another name", "Ani", "ani", "Ani ani", Outcome::Inserted, 2);
        // A file's order is kept; the search stops at the first later name.
        row("unsorted file", "Zed Ani", "Budi", "Budi Zed Ani", Outcome::Inserted, 1);
        row("a listed name: new date", "Ani Citra", "Citra", "Ani Citra", Outcome::Updated, 2);
        row("no name: the own date", "Ani", "", "Ani", Outcome::OwnDate, 0);
        // Loading keeps at most 999; a full list refuses only a new name.
        row("full: a new name", Numbered(1001), "Zed", Numbered(999), Outcome::Full, -1);
        row("full: a listed name", Numbered(999), "F500", Numbered(999), Outcome::Updated, 500);
        row("full: the own date", Numbered(999), "", Numbered(999), Outcome::OwnDate, 0);
        row("remove the first", "Ani Budi Citra", "-Ani", "Budi Citra", {}, -1);
        row("remove the middle", "Ani Budi Citra", "-Budi", "Ani Citra", {}, -1);
        row("remove the last", "Ani Budi Citra", "-Citra", "Ani Budi", {}, -1);
    }
    void edits() {
        QFETCH(QString, before);
        QFETCH(QString, name);
        QFETCH(QString, after);
        QFETCH(int, outcome);
        QFETCH(int, index);
        std::vector<Friend> friends;
        for (const QString& n : before.split(' ', Qt::SkipEmptyParts))
            friends.push_back({n, Old});
        FriendList list;
        list.Load(Old, friends);
        if (name.startsWith('-')) {
            list.Remove(list.Find(name.mid(1)));
        } else {
            QCOMPARE(int(list.Place(name).outcome), outcome); // Place alone changes nothing
            const auto saved = list.Save(name, New);
            QCOMPARE(int(saved.outcome), outcome);
            QCOMPARE(saved.index, index);
        }
        const QStringList names = after.split(' ', Qt::SkipEmptyParts);
        QCOMPARE(list.Names(), QStringList{FriendList::OwnEntryName} + names);
        QCOMPARE(list.FriendCount, names.size());
        for (int i = 0; i <= list.FriendCount; ++i)
            QCOMPARE(list.Entry(i).birth, i == index ? New : Old);
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(list.Find(names[i]), i + 1);          // exact names only
        QCOMPARE(list.Find(FriendList::OwnEntryName), -1); // the own entry is no friend
    }
};

QTEST_GUILESS_MAIN(TestFriendList)
#include "tst_friendlist.moc"
