#include "ui/WindowFixture.h"
#include "ui/compare/AgreementPanel.h"
#include "ui/compare/CompareMenu.h"
#include "ui/export/ChartExportMenu.h"
#include "ui/friends/ImportDialog.h"
#include "ui/friends/PeopleMenu.h"
#include "ui/widgets/Notice.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>

// Only the new name, and where an export goes, are asked here.
struct NameDialogs final : ChartDialogs {
    QString name;
    QString savePath; // what a save dialog answers
    QString AskSaveFile(QWidget*, const QString&, const QString&, const QStringList&,
                        int*) override {
        return savePath;
    }
    bool AskPrint(QWidget*, QPrinter&) override { return false; }
    int AskPageCount(QWidget*) override { return 0; }
    void PreviewPrint(QWidget*, QPrinter&, const std::function<void(QPrinter*)>&) override {}
    std::optional<QString> AskText(QWidget*, const QString&, const QString&,
                                   const QString&) override {
        return name;
    }
};

class TestFriends : public QObject {
    Q_OBJECT

    WindowFixture f;
    NameDialogs dialogs;
    std::unique_ptr<frmOndulix>& w = f.w;

    // A real mouse click, through the window as the platform delivers it.
    void ClickSave(bool twice = false) {
        const QPoint at = w->cmdsave->mapTo(w.get(), w->cmdsave->rect().center());
        if (twice)
            QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, at);
    }
    void TypeName(const QString& keys) {
        f.OpenActive();
        w->optBirthdate->click();
        w->txtFriend->setFocus();
        QTest::keyClicks(w->txtFriend, keys);
    }
private slots:
    void init() {
        f.Reset();
        f.dialogs = &dialogs;
    }
    void cleanup() { w.reset(); }

    // The first start says how to begin and writes the file only on closing.
    void firstStartWritesTheDefaultsOnClosing() {
        f.Open();
        QVERIFY(w->notice->Said().contains("Tanggal Lahir"));
        QVERIFY(!QFile::exists(f.ini));
        w->close();
        QVERIFY(ReadAll(f.ini).startsWith(FriendsFile({}) + "[ONDULIX OPTIONS]\r\n"));
    }

    // Damaged values are told once the first chart is up.
    void damagedValuesAreToldAfterTheFirstChart() {
        WriteAll(f.ini, "[PERSONAL]\r\nMy Birthdate=31-Dec-2077\r\nNo. of Friends=x\r\n"
                        "Name001=Ani\r\n");
        f.Open();
        QCOMPARE(w->DrawRuns(), 1);
        QVERIFY(f.answers.Prompt().contains("Dec 31, 2040"));
        QVERIFY(f.answers.Prompt().contains("not a whole number"));
        QCOMPARE(f.Listed(), QStringList{"Ani"});
    }

    // Where a name goes is the list's business. The window shows it, draws
    // when whom or what it shows changed, saves at once, returns to viewing,
    // says what changed (and who is shown when the person viewed went), and
    // undoes and redoes it, the person viewed staying viewed.
    void everyChangeIsSavedAndUndone_data() {
        QTest::addColumn<QString>("name"); // typed; "-" removes Ani
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QList<int>>("draws"); // by the change, by its undo
        QTest::addColumn<QString>("undone");   // what the undo adds to the notice
        const QStringList both{"Ani", "Cici"};
        const QString anda = ". Kini ditampilkan: Anda";
        Row("own date", "", both, 0, "Tanggal lahir Anda: 01-01-1960 → 02-03-1980", QList{1, 1},
            "");
        Row("added", "Budi", QStringList{"Ani", "Budi", "Cici"}, 2,
            "Budi ditambahkan, lahir 02-03-1980", QList{1, 1}, anda);
        Row("re-dated", "Ani", both, 1, "Tanggal lahir Ani: 01-01-1970 → 02-03-1980", QList{1, 1},
            "");
        Row("removed", "-", QStringList{"Cici"}, 0, "Ani dihapus (lahir 01-01-1970)" + anda,
            QList{1, 0}, "");
        Row("renamed", ">zaki  a.", QStringList{"Cici", "Zaki A."}, 2, "Ani kini bernama Zaki A.",
            QList{0, 0}, "");
        // Of Budi and Dedi in the file, Dedi is unticked in the preview.
        Row("imported", "+", QStringList{"Ani", "Budi", "Cici"}, 0,
            "1 teman diimpor dari kontak.vcf", QList{0, 0}, "");
    }
    void everyChangeIsSavedAndUndone() {
        QFETCH(QString, name);
        QFETCH(QStringList, after);
        QFETCH(int, selected);
        QFETCH(QString, notice);
        QFETCH(QList<int>, draws);
        QFETCH(QString, undone);
        WriteAll(f.ini, FriendsFile({"Ani", "Cici"}));
        f.Open();
        const QByteArray before = ReadAll(f.ini);
        if (name == "-" || name.startsWith('>')) {
            Pick(w->cboFriend, "Ani");
            dialogs.name = name.mid(1);
        } else if (name == "+") {
            WriteAll(f.dir->filePath("kontak.vcf"),
                     "BEGIN:VCARD\r\nFN:Budi\r\nBDAY:1980-03-02\r\nEND:VCARD\r\n"
                     "BEGIN:VCARD\r\nFN:Dedi\r\nBDAY:1981-03-02\r\nEND:VCARD\r\n");
        } else {
            w->optBirthdate->click();
            w->txtFriend->setText(name);
            f.PickBirth("2 March 1980");
        }
        int runs = w->DrawRuns();
        if (name.startsWith('>')) {
            w->Contacts->mnuRename->trigger();
        } else if (name == "+") {
            w->Contacts->ImportFile(f.dir->filePath("kontak.vcf"));
            auto* preview = w->findChild<ImportDialog*>();
            QCOMPARE(ReadAll(f.ini), before); // nothing before the confirmation
            const auto heard = [preview] {    // what a reader hears for Dedi's row
                return QAccessible::queryAccessibleInterface(preview->Rows())
                    ->tableInterface()
                    ->cellAt(1, 0)
                    ->text(QAccessible::Name);
            };
            QCOMPARE(heard(), "Dedi, dipilih");
            preview->Rows()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
            QCOMPARE(heard(), "Dedi, tidak dipilih");
            const auto labels = preview->findChildren<QLabel*>(); // said at once, as a notice
            QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel* l) {
                return dynamic_cast<Notice*>(l) && l->accessibleName() == "Dedi, tidak dipilih";
            }));
            preview->accept();
            QTRY_VERIFY(ReadAll(f.ini) != before);
        } else {
            w->cmdsave->click();
        }
        QCOMPARE(w->DrawRuns() - runs, draws[0]);
        QCOMPARE(f.Listed(), after);
        QCOMPARE(w->cboFriend->ListIndex(), selected);
        QVERIFY(w->optBirthday->isChecked() && w->txtFriend->isHidden());
        QCOMPARE(w->cmdsave->isVisible(), selected > 0);
        const QByteArray changed = ReadAll(f.ini);
        QVERIFY(changed != before);
        QCOMPARE(w->notice->Said(), notice);
        runs = w->DrawRuns();
        w->mnuUndo->trigger();
        QCOMPARE(ReadAll(f.ini), before);
        QCOMPARE(w->notice->Said(), "Diurungkan: " + notice.section(". Kini", 0, 0) + undone);
        QCOMPARE(w->DrawRuns(), runs + draws[1]);
        w->mnuRedo->trigger();
        QCOMPARE(ReadAll(f.ini), changed);
    }

    // The person viewed (Citra, born 5 May 1975) stays viewed, undrawn, with
    // the same pickers, Remove button and Kecocokan panel, whatever happens to
    // the others: steps are "import NAMES", "pick NAME", "rename NAME>NEW",
    // "remove NAME", "compare NAME", "undo" and "redo".
    void theViewedPersonStaysViewed_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("viewed");   // after the steps
        QTest::addColumn<QString>("compared"); // its name in the chart; "" for none
        Row("import before and after", QStringList{"import Ayu,Bela,Dodi"}, "Citra", "");
        Row("import undone, redone", QStringList{"import Ayu,Bela", "undo", "redo"}, "Citra", "");
        Row("another renamed, undone", QStringList{"rename Ani>Bu", "pick Citra", "undo"}, "Citra",
            "");
        Row("another removed, undone, redone",
            QStringList{"remove Ani", "pick Citra", "undo", "redo"}, "Citra", "");
        Row("the compared renamed", QStringList{"compare Ani", "rename Ani>Zed", "pick Citra"},
            "Citra", "Zed");
        Row("the compared removed, undone",
            QStringList{"compare Ani", "remove Ani", "pick Citra", "undo"}, "Citra", "");
        Row("a friend named Anda", QStringList{"compare Anda"}, "Citra", "Anda");
    }
    void theViewedPersonStaysViewed() {
        QFETCH(QStringList, steps);
        QFETCH(QString, viewed);
        QFETCH(QString, compared);
        WriteAll(f.ini, FriendsFile({"Anda", "Ani", "Citra"})
                            .replace("Bday003=1-Jan-1970", "Bday003=5-May-1975"));
        f.Open();
        Pick(w->cboFriend, "Citra");
        int runs = w->DrawRuns(), expected = 0;
        const QString vcf = f.dir->filePath("kontak.vcf");
        for (const QString& step : steps) {
            const QString what = step.section(' ', 0, 0), arg = step.section(' ', 1);
            if (what == "pick" || what == "rename" || what == "remove") {
                expected += w->cboFriend->currentText() != arg.section('>', 0, 0);
                Pick(w->cboFriend, arg.section('>', 0, 0));
            }
            if (what == "import") {
                QByteArray cards;
                for (const QString& name : arg.split(','))
                    cards += "BEGIN:VCARD\r\nFN:" + name.toUtf8() +
                             "\r\nBDAY:1980-03-02\r\nEND:VCARD\r\n";
                WriteAll(vcf, cards);
                w->Contacts->ImportFile(vcf);
                w->findChild<ImportDialog*>()->accept();
                QTRY_VERIFY(!w->findChild<ImportDialog*>());
            } else if (what == "rename") {
                dialogs.name = arg.section('>', 1);
                w->Contacts->mnuRename->trigger();
            } else if (what == "remove") {
                w->cmdsave->click();
                ++expected; // the removed one's chart gives way to the own one
            } else if (what == "compare") {
                const people::FriendList& list = w->Friends;
                w->Compare->Choose(list.Id(list.Find(arg)));
                ++expected;
            } else if (what == "undo" || what == "redo") {
                (what == "undo" ? w->mnuUndo : w->mnuRedo)->trigger();
            }
        }
        QCOMPARE(w->DrawRuns() - runs, expected);
        QCOMPARE(w->cboFriend->currentText(), viewed);
        QCOMPARE(Trio(w->cboBDday, w->cboBDmonth, w->cboBDyear), QString("5 May 1975"));
        QVERIFY(w->cmdsave->accessibleDescription().endsWith(viewed));
        QCOMPARE(w->CurrentChart().comparePerson, compared);
        // The ranking leaves out only the person viewed: a friend named Anda is in it.
        w->AgreementWindow()->show();
        QStringList ranked;
        for (auto* row : w->AgreementWindow()->findChildren<QTreeWidget*>().last()->findItems(
                 "*", Qt::MatchWildcard))
            ranked << row->text(0);
        QVERIFY2(!ranked.contains(viewed) && ranked.count("Anda") == 2,
                 qPrintable(ranked.join('|')));
        w->AgreementWindow()->hide();
    }

    // The people's exports hold birth dates: new files are the user's alone,
    // and carry a name longer than the list shows whole.
    void peopleExportsAreWholeAndTheUsersAlone() {
        const QString whole = "Raden " + QString(90, u'W');
        WriteAll(f.ini, FriendsFile({"Ani", whole}));
        f.Open();
        for (const auto& [action, file, start] :
             {std::tuple(w->Contacts->mnuExport, "a.vcf", "BEGIN:VCARD"),
              {w->Contacts->mnuExport, "a.csv", "Nama,Tanggal Lahir"},
              {w->Contacts->mnuCalendar, "a.ics", "BEGIN:VCALENDAR"}}) {
            dialogs.savePath = f.dir->filePath(file);
            action->trigger();
            const QByteArray bytes = ReadAll(dialogs.savePath);
            QVERIFY2(bytes.startsWith(start) &&
                         QString::fromUtf8(bytes).remove("\r\n ").contains(whole),
                     file);
            QCOMPARE(QFile::permissions(dialogs.savePath),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
            QCOMPARE(w->notice->Said(), QString("Disimpan: ") + file);
        }
    }

    // A CSV's date order as its one-way rows have it, shown as the choice and changeable.
    void theDateOrderIsGuessed() {
        f.Open();
        WriteAll(f.dir->filePath("k.csv"), "Name,Birthday\nAni,3/15/1985\nBudi,11/5/1970\n");
        w->Contacts->ImportFile(f.dir->filePath("k.csv"));
        auto* preview = w->findChild<ImportDialog*>();
        auto* order = preview->findChild<QComboBox*>();
        QCOMPARE(order->currentText(), "bulan/hari/tahun");
        QStringList said;
        for (const QLabel* label : preview->findChildren<QLabel*>())
            said << label->text();
        QVERIFY(said.join('\n').contains("Urutan tanggal diduga bulan/hari/tahun: 1 baris"));
        QCOMPARE(preview->Entries()[1].birth, QDate(1970, 11, 5));
        order->setCurrentIndex(0); // day first: Ani's date is then only the other order's
        QCOMPARE(preview->Entries()[1].birth, QDate(1970, 5, 11));
        QCOMPARE(preview->Entries()[0].reason,
                 "tanggal ini hanya terbaca dengan urutan lain: 3/15/1985");
        preview->reject();
    }

    // The birthdays of the next 30 days, the 30th included, each row whole.
    void theBirthdaysList() {
        WriteAll(f.ini, FriendsFile({"Ani", "Budi", "Cici", "Dodi"})
                            .replace("Bday001=1-Jan-1970", "Bday001=8-Dec-1990")
                            .replace("Bday002=1-Jan-1970", "Bday002=9-Dec-1980")
                            .replace("Bday003=1-Jan-1970", "Bday003=7-Jan-1970")
                            .replace("Bday004=1-Jan-1970", "Bday004=8-Jan-1970"));
        f.Open([] { return QDate(2026, 12, 8); });
        QStringList rows;
        QTimer::singleShot(0, [&] {
            auto* list = QApplication::activeModalWidget()->findChild<QTreeWidget*>();
            if (list->currentItem() != list->topLevelItem(0))
                rows << "not on the first row"; // where the keyboard starts, heard
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                QStringList cells;
                for (int c = 0; c < 4; ++c)
                    cells << list->topLevelItem(i)->text(c);
                rows << cells.join('|');
            }
            QApplication::activeModalWidget()->close();
        });
        w->Contacts->mnuUpcoming->trigger();
        QCOMPARE(rows, QStringList({"Ani|Selasa 8 Desember|hari ini|36 tahun",
                                    "Budi|Rabu 9 Desember|besok|46 tahun",
                                    "Anda|Jumat 1 Januari|24 hari lagi|67 tahun",
                                    "Cici|Kamis 7 Januari|30 hari lagi|57 tahun"}));
    }

    // Typing in the friends list goes to the first name holding the text,
    // whatever its letter case and accents, shown at once and drawn once the
    // typing pauses (never the names passed on the way); a pause starts over.
    void typingFindsAName() {
        WriteAll(f.ini, FriendsFile({"Ani", "Budi Lestari", "Đức Ánh"}));
        f.OpenActive();
        w->cboFriend->setFocus();
        const int pause = QApplication::keyboardInputInterval() + 100;
        for (const auto& [typed, found] : {std::pair{"LES", "Budi Lestari"}, {"anh", "Đức Ánh"}}) {
            const int runs = w->DrawRuns();
            QTest::keyClicks(w->cboFriend, typed); // "anh" passes "Ani"
            QCOMPARE(w->cboFriend->currentText(), QString::fromUtf8(found));
            const auto* heard = QAccessible::queryAccessibleInterface(w->cboFriend)->focusChild();
            QCOMPARE(heard->text(QAccessible::Name),
                     QString::fromUtf8(found) + ", lahir 1 Januari 1970");
            QTest::qWait(pause);
            QCOMPARE(w->DrawRuns(), runs + 1);
        }
        QTest::keyClicks(w->cboFriend, "zq"); // a miss is said, and changes nothing
        QCOMPARE(w->notice->Said(), "Tidak ada nama berisi \u201Czq\u201D");
        QCOMPARE(w->cboFriend->currentText(), QString::fromUtf8("Đức Ánh"));
    }

    // Replacing a birth date on file or removing a friend asks first, and
    // the default answer changes nothing; the same date asks nothing.
    void asksBeforeReplacingOrRemoving_data() {
        QTest::addColumn<QString>("name"); // "-" removes Budi
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("prompt"); // empty: none
        const int Ok = MessageBoxes::Ok, Cancel = MessageBoxes::Cancel;
        Row("own date", "", "1 January 1980", Cancel,
            "Ganti tanggal lahir Anda dari 01-01-1960 menjadi 01-01-1980?");
        Row("a friend by name", "Ani", "1 January 1980", Cancel,
            "Ganti tanggal lahir Ani dari 01-01-1970 menjadi 01-01-1980?");
        Row("same own date", "", "1 January 1960", Cancel, "");
        Row("remove: Cancel", "-", "", Cancel, "Remove ? \"Budi\"");
        Row("remove: OK", "-", "", Ok, "Remove ? \"Budi\"");
    }
    void asksBeforeReplacingOrRemoving() {
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(int, answer);
        QFETCH(QString, prompt);
        WriteAll(f.ini, FriendsFile({"Ani", "Budi"}));
        f.Open();
        QVERIFY(w->cmdsave->isHidden()); // the own entry cannot be removed
        f.answers.answer = answer;
        if (name == "-") {
            Pick(w->cboFriend, "Budi");
            w->cmdsave->click();
        } else {
            f.SaveFriend(name, date);
        }
        QCOMPARE(f.answers.Prompt(), prompt);
        if (!prompt.isEmpty()) QVERIFY(f.answers.asked[0].flags & MessageBoxes::DefaultButton2);
        const bool removed = answer == MessageBoxes::Ok;
        QCOMPARE(ReadAll(f.ini),
                 FriendsFile(removed ? QStringList{"Ani"} : QStringList{"Ani", "Budi"}));
        QCOMPARE(f.Listed().size(), removed ? 1 : 2);
        if (!prompt.isEmpty() && name != "-")
            QVERIFY(w->optBirthdate->isChecked()); // still entering
        if (date == "1 January 1960")              // nothing to undo, and said all the same
            QCOMPARE(w->notice->Said(), "Tanggal lahir Anda tetap 01-01-1960");
    }

    // Until the file holds a birth date of the user's own, saving one asks
    // nothing (the date shown was nobody's); from then on, it asks.
    void theFirstOwnDateAsksNothing() {
        WriteAll(f.ini, FriendsFile({"Ani"}).replace("My Birthdate=1-Jan-1960\r\n", ""));
        f.Open();
        f.SaveFriend("", "8 December 1980");
        QCOMPARE(f.answers.asked.size(), 0);
        QVERIFY(ReadAll(f.ini).contains("My Birthdate=8-Dec-1980\r\n"));
        f.answers.answer = MessageBoxes::Cancel;
        f.SaveFriend("", "9 December 1980");
        QCOMPARE(f.answers.Prompt(),
                 "Ganti tanggal lahir Anda dari 08-12-1980 menjadi 09-12-1980?");
    }

    // Pasted names stay on one line: a line break would end the value in the file.
    void pastedNamesStayOnOneLine() {
        TypeName("");
        QGuiApplication::clipboard()->setText("ani\nbudi\t\x01x\r\n");
        w->txtFriend->paste();
        QCOMPARE(w->txtFriend->text(), "ani budi x  ");
    }

    // The press on the button takes the focus from the name box, whose
    // leaving turns blanks into nothing: "Data" became "Save " on the way.
    void aClickWhoseMeaningChangedOnTheWayDoesNothing() {
        TypeName("   ");
        Pick(w->cboBDyear, "1999");
        w->txtFriend->setFocus();
        QCOMPARE(w->cmdsave->text(), "Data");
        ClickSave();
        QCOMPARE(w->cmdsave->text(), "Save ");
        QVERIFY(w->optBirthdate->isChecked() && !QFile::exists(f.ini));
        ClickSave(); // a click on "Save " does what it says
        QCOMPARE(w->Friends.FriendYear[0], "1999");
    }

    void aDoubleClickOnDataSavesOnce() {
        TypeName("budi");
        ClickSave(true);
        QCOMPARE(w->Friends.FriendCount, 1);
        QCOMPARE(f.answers.asked.size(), 0); // no offer to remove the friend just added
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        f.answers.answer = MessageBoxes::Cancel;
        ClickSave(); // a click of its own is a removal again
        QCOMPARE(f.answers.Prompt(), "Remove ? \"Budi\"");
    }

    // A full list, or a file that cannot be written: the user is told and
    // nothing typed is lost.
    void aSaveThatCannotLand_data() {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("told");
        Row("full list", true, "at most 999 friends");
        Row("unwritable file", false, "blocker");
    }
    void aSaveThatCannotLand() {
        QFETCH(bool, full);
        QFETCH(QString, told);
        QStringList names;
        for (int i = 1; full && i <= 999; ++i)
            names << QString("F%1").arg(i, 3, 10, QChar('0'));
        WriteAll(f.ini, FriendsFile(names));
        WriteAll(f.dir->filePath("blocker"), "a file where a folder should be");
        if (!full) f.ini = f.dir->filePath("blocker/Ondulix.ini");
        f.Open();
        const int runs = w->DrawRuns();
        f.SaveFriend("Zed", "2 March 1980");
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.Prompt().contains(told));
        QCOMPARE(w->Friends.FriendCount, full ? 999 : 1); // kept while the program runs
        QCOMPARE(w->optBirthdate->isChecked(), full);     // still entering: the name can be changed
        QCOMPARE(w->DrawRuns(), runs + (full ? 3 : 4));   // the pickers' own redraws
    }

    // A settings file that could not be read is never written: the start
    // says why, once, saves keep quiet, and closing offers another file.
    void aFileThatWasNotReadIsNeverWritten_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("elsewhere"); // the file chosen, if any
        QTest::addColumn<QString>("again");     // what the box says the second time
        const int Elsewhere = MessageBoxes::SaveElsewhere, No = MessageBoxes::No;
        Row("save elsewhere", QList<int>{Elsewhere}, "elsewhere.ini", "");
        Row("a cancelled file dialog asks again", QList<int>{Elsewhere, No}, "", "not be read");
        Row("a failed save says why", QList<int>{Elsewhere, No}, "no/such.ini", "does not exist");
        Row("close without saving", QList<int>{No}, "", "");
    }
    void aFileThatWasNotReadIsNeverWritten() {
        QFETCH(QList<int>, answers);
        QFETCH(QString, elsewhere);
        QFETCH(QString, again);
        QVERIFY(QDir().mkpath(f.ini)); // a folder where the file should be
        f.Open();
        f.SaveFriend("Budi", "7 January 1960");
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.Prompt(0).contains("will not overwrite"));
        f.answers = Answers();
        f.answers.script = answers;
        if (!elsewhere.isEmpty()) f.answers.paths = {f.dir->filePath(elsewhere)};
        w->close();
        QVERIFY(w->IsUnloaded());
        QCOMPARE(f.answers.asked.size(), answers.size());
        QCOMPARE(f.answers.asked[0].flags & 7, int(MessageBoxes::SaveElsewhereCloseCancel));
        QVERIFY(f.answers.Prompt(1).contains(again));
        QCOMPARE(ReadAll(f.dir->filePath("elsewhere.ini")).contains("Name001=Budi\r\n"),
                 elsewhere == "elsewhere.ini");
    }

    // Closing asks what to do with changes the file could not take; when
    // the session ends, or a signal comes, nobody is there to answer.
    void closingWhenTheFileCannotBeWritten_data() {
        QTest::addColumn<int>("answer"); // 0: the session ends
        QTest::addColumn<bool>("closed");
        Row("stay open, then close after a fix", int(MessageBoxes::Cancel), false);
        Row("close without saving", int(MessageBoxes::No), true);
        Row("retry after a fix", int(MessageBoxes::Retry), true);
        Row("the session ends", 0, true);
    }
    void closingWhenTheFileCannotBeWritten() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        WriteAll(f.ini, FriendsFile({"Ani"}));
        QFile::setPermissions(f.ini, QFileDevice::ReadOwner);
        f.Open();
        for (int i = 0; i < 3; ++i)
            w->mnuIntuitive->trigger(); // told once in a session, not at every change
        QCOMPARE(f.answers.asked.size(), 1);
        f.answers = Answers();
        f.answers.script = {answer};
        const QString ini = f.ini;
        auto fix = [ini] {
            QFile::setPermissions(ini, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        };
        if (answer == MessageBoxes::Retry) f.answers.onAsk = fix;
        if (answer == 0) {
            w->SaveForSessionEnd();
            QVERIFY(!w->IsUnloaded());
            w->CloseForSessionEnd();
        } else {
            w->close();
            QCOMPARE(f.answers.asked[0].flags & 7, int(MessageBoxes::RetryCloseCancel));
            QVERIFY(f.answers.Prompt().contains(QDir::toNativeSeparators(ini)));
        }
        QCOMPARE(f.answers.asked.size(), answer ? 1 : 0);
        QCOMPARE(w->IsUnloaded(), closed);
        if (!closed) { // still open: a later close saves everything
            fix();
            w->close();
        }
        const bool saved = answer == MessageBoxes::Retry || answer == MessageBoxes::Cancel;
        QCOMPARE(ReadAll(ini).contains("Intuitive=True"), saved);
    }

    // A name is shown as typed, never read as markup.
    void messagesAreShownAsPlainText() {
        QtMessageBoxes boxes;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                format = box->textFormat();
                box->reject();
            }
        });
        boxes.MsgBox(nullptr, "Remove ? \"<b>Ani</b> & Budi\"", MessageBoxes::OkCancel, {});
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(TestFriends)
#include "tst_friends.moc"
