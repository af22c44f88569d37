#include "ui/WindowFixture.h"
#include "ui/window/Notice.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

class TestFriends : public QObject {
    Q_OBJECT

    WindowFixture f;
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
        w->optBirthdate->click();
        w->txtFriend->setFocus();
        QTest::keyClicks(w->txtFriend, keys);
    }

private slots:
    void init() { f.Reset(); }
    void cleanup() { w.reset(); }

    // The first start says how to begin and writes nothing until closing.
    void firstStartWritesTheDefaultsOnClosing() {
        f.Open();
        QVERIFY(w->notice->isVisible() && w->notice->Said().contains("Tanggal Lahir"));
        QVERIFY(!QFile::exists(f.ini));
        w->close();
        QCOMPARE(ReadAll(f.ini), QByteArray("[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\nNo. of "
                                            "Friends=0\r\n[ONDULIX OPTIONS]\r\nPhysical=True\r\n"
                                            "Emotional=True\r\nIntellectual=True\r\nIntuitive="
                                            "False\r\nPassion=False\r\nWisdom=False\r\nMastery="
                                            "False\r\nCenter=False\r\n"));
    }

    void startsFromTheFile() {
        WriteAll(f.ini, "; my friends\r\n" + FriendsFile({"Ani", "Citra"},
                                                         "[ONDULIX OPTIONS]\r\nPhysical=true\r\n"
                                                         "Intuitive=True\r\n"));
        f.Create();
        QCOMPARE(f.Listed(), QStringList({"Ani", "Citra"}));
        Pick(w->cboFriend, "Citra"); // not yet shown: sets the pickers, draws nothing
        QCOMPARE(f.Birth(), "1 January 1970");
        QCOMPARE(w->DrawRuns(), 0);
        w->show();
        QTRY_VERIFY(w->IsActivated);
        QVERIFY(!w->chkOndulixChart[1]->isChecked() && w->mnuIntuitive->isChecked());
        QCOMPARE(f.answers.asked.size(), 0);
        w->close();
        QVERIFY(ReadAll(f.ini).startsWith("; my friends\r\n[PERSONAL]\r\n"));
    }

    void damagedValuesAreToldAfterTheFirstChart() {
        WriteAll(f.ini, "[PERSONAL]\r\nMy Birthdate=31-Dec-2077\r\nNo. of Friends=x\r\n"
                        "Name001=Ani\r\n");
        f.Open();
        QCOMPARE(w->DrawRuns(), 1);
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.Prompt().contains("Dec 31, 2040"));
        QVERIFY(f.answers.Prompt().contains("not a whole number"));
        QCOMPARE(f.Listed(), QStringList{"Ani"});
        QCOMPARE(f.Display(), "31 December 2040"); // the birth date lies after today
    }

    // Where a name goes is the list's business. The window shows it, draws
    // once, saves at once, returns to viewing, says what changed, and undoes
    // and redoes it.
    void everyChangeIsSavedAndUndone_data() {
        QTest::addColumn<QString>("name"); // typed; "-" removes Ani
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("menu");
        const QStringList both{"Ani", "Cici"};
        Row("own date", "", both, 0, "Tanggal lahir Anda: 01-01-1960 → 02-03-1980",
            "Urungkan tanggal lahir Anda");
        Row("added", "Budi", QStringList{"Ani", "Budi", "Cici"}, 2,
            "Budi ditambahkan, lahir 02-03-1980", "Urungkan tambah Budi");
        Row("re-dated", "Ani", both, 1, "Tanggal lahir Ani: 01-01-1970 → 02-03-1980",
            "Urungkan tanggal lahir Ani");
        Row("removed", "-", QStringList{"Cici"}, 0, "Ani dihapus (lahir 01-01-1970)",
            "Urungkan hapus Ani");
    }
    void everyChangeIsSavedAndUndone() {
        QFETCH(QString, name);
        QFETCH(QStringList, after);
        QFETCH(int, selected);
        QFETCH(QString, notice);
        QFETCH(QString, menu);
        WriteAll(f.ini, FriendsFile({"Ani", "Cici"}));
        f.Open();
        const QByteArray before = ReadAll(f.ini);
        QVERIFY(!w->mnuUndo->isEnabled());
        if (name == "-") {
            Pick(w->cboFriend, "Ani");
        } else {
            w->optBirthdate->click();
            w->txtFriend->setText(name);
            QCOMPARE(w->cmdsave->text(), name.isEmpty() ? "Save " : "Data");
            f.PickBirth("2 March 1980");
        }
        int runs = w->DrawRuns();
        w->cmdsave->click();
        QCOMPARE(w->DrawRuns() - runs, 1);
        QCOMPARE(f.Listed(), after);
        QCOMPARE(w->cboFriend->ListIndex(), selected);
        QVERIFY(w->optBirthday->isChecked() && w->txtFriend->isHidden());
        QCOMPARE(w->cmdsave->isVisible(), selected > 0);
        const QByteArray changed = ReadAll(f.ini);
        QVERIFY(changed != before);
        QCOMPARE(w->notice->Said(), notice);
        QCOMPARE(w->mnuUndo->text(), menu);
        runs = w->DrawRuns();
        w->mnuUndo->trigger();
        QCOMPARE(ReadAll(f.ini), before);
        QCOMPARE(w->notice->Said(), "Diurungkan: " + notice);
        QCOMPARE(w->DrawRuns(), runs + 1);
        w->mnuRedo->trigger();
        QCOMPARE(ReadAll(f.ini), changed);
    }

    // Replacing a birth date on file or removing a friend asks first, and
    // the default answer changes nothing; the same date asks nothing.
    void asksBeforeReplacingOrRemoving_data() {
        QTest::addColumn<QString>("name"); // "-" removes Budi
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("prompt"); // empty: none
        QTest::addColumn<QStringList>("after");
        const int Ok = MessageBoxes::Ok, Cancel = MessageBoxes::Cancel;
        const QStringList all{"Ani", "Budi"};
        Row("own date", "", "1 January 1980", Cancel,
            "Ganti tanggal lahir Anda dari 01-01-1960 menjadi 01-01-1980?", all);
        Row("a friend by name", "Ani", "1 January 1980", Cancel,
            "Ganti tanggal lahir Ani dari 01-01-1970 menjadi 01-01-1980?", all);
        Row("same own date", "", "1 January 1960", Cancel, "", all);
        Row("remove: Cancel", "-", "", Cancel, "Remove ? \"Budi\"", all);
        Row("remove: OK", "-", "", Ok, "Remove ? \"Budi\"", QStringList{"Ani"});
    }
    void asksBeforeReplacingOrRemoving() {
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(int, answer);
        QFETCH(QString, prompt);
        QFETCH(QStringList, after);
        WriteAll(f.ini, FriendsFile({"Ani", "Budi"}));
        f.Open();
        QVERIFY(w->cmdsave->isHidden()); // the own entry cannot be removed
        f.answers.answer = answer;
        const int runs = w->DrawRuns();
        if (name == "-") {
            Pick(w->cboFriend, "Budi");
            QCOMPARE(w->cmdsave->text(), "Remove ");
            w->cmdsave->click();
            QCOMPARE(w->DrawRuns() - runs, answer == MessageBoxes::Ok ? 2 : 1);
        } else {
            f.SaveFriend(name, date);
        }
        QCOMPARE(f.answers.Prompt(), prompt);
        if (!prompt.isEmpty()) QVERIFY(f.answers.asked[0].flags & MessageBoxes::DefaultButton2);
        QCOMPARE(f.Listed(), after);
        QCOMPARE(ReadAll(f.ini), FriendsFile(after)); // nothing of a removed entry is left
        if (!prompt.isEmpty() && name != "-")
            QVERIFY(w->optBirthdate->isChecked()); // still entering
    }

    void theNameBox() {
        f.OpenActive();
        TypeName("budi  santoso ");
        w->cboBDyear->setFocus(); // leaving the box capitalises
        QCOMPARE(w->txtFriend->text(), "Budi Santoso");
        QCOMPARE(w->txtFriend->maxLength(), 24);
        QGuiApplication::clipboard()->setText("ani\nbudi\t\x01x\r\n");
        w->txtFriend->clear();
        w->txtFriend->paste(); // pasted names stay on one line
        QCOMPARE(w->txtFriend->text(), "ani budi x  ");
        w->txtFriend->setText("line\nbreak");
        QCOMPARE(w->txtFriend->text(), "line break");
        w->cmdsave->click();
        QVERIFY(ReadAll(f.ini).contains("Name001=line break\r\n"));
        QCOMPARE(f.answers.asked.size(), 0);
    }

    // Through real focus changes: the press on the button takes the focus
    // from the name box, whose leaving turns three blanks into nothing.
    void aClickWhoseMeaningChangedOnTheWayDoesNothing() {
        f.OpenActive();
        TypeName("   ");
        Pick(w->cboBDyear, "1999");
        w->txtFriend->setFocus();
        QCOMPARE(w->cmdsave->text(), "Data");
        ClickSave();
        QCOMPARE(w->cmdsave->text(), "Save "); // what the user now sees
        QCOMPARE(w->Friends.FriendYear[0], "1960");
        QVERIFY(w->optBirthdate->isChecked() && !QFile::exists(f.ini));
        ClickSave(); // a click on "Save " does what it says
        QCOMPARE(w->Friends.FriendYear[0], "1999");
    }

    void aDoubleClickOnDataSavesOnce() {
        f.OpenActive();
        TypeName("budi");
        ClickSave(true);
        QCOMPARE(w->Friends.FriendCount, 1);
        QCOMPARE(f.answers.asked.size(), 0); // no offer to remove the friend just added
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        f.answers.answer = MessageBoxes::Cancel;
        ClickSave(); // a click of its own is a removal again
        QCOMPARE(f.answers.Prompt(), "Remove ? \"Budi\"");
    }

    // A settings file that could not be read is never written: saving says
    // why, and closing offers another file.
    void aFileThatWasNotReadIsNeverWritten_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("elsewhere");  // the file chosen, if any
        QTest::addColumn<QString>("askedAgain"); // what the box says the second time
        const int Elsewhere = MessageBoxes::SaveElsewhere, No = MessageBoxes::No;
        Row("save elsewhere", QList<int>{Elsewhere}, "elsewhere.ini", "");
        Row("a cancelled file dialog asks again", QList<int>{Elsewhere, No}, "",
            "could not be read when");
        Row("a failed save elsewhere says why", QList<int>{Elsewhere, No}, "missing/elsewhere.ini",
            "does not exist");
        Row("close without saving", QList<int>{No}, "", "");
    }
    void aFileThatWasNotReadIsNeverWritten() {
        QFETCH(QList<int>, answers);
        QFETCH(QString, elsewhere);
        QFETCH(QString, askedAgain);
        QVERIFY(QDir().mkpath(f.ini)); // a folder where the file should be
        f.Open();
        QVERIFY(f.answers.Prompt().contains("could not be read"));
        f.SaveFriend("Budi", "7 January 1960");
        QVERIFY(f.answers.Prompt(1).contains("does not overwrite"));
        f.answers = Answers();
        f.answers.script = answers;
        if (!elsewhere.isEmpty()) f.answers.paths = {f.dir->filePath(elsewhere)};
        w->close();
        QVERIFY(w->IsUnloaded());
        QCOMPARE(f.answers.asked.size(), answers.size());
        QCOMPARE(f.answers.asked[0].flags & 7, int(MessageBoxes::SaveElsewhereCloseCancel));
        QVERIFY(f.answers.Prompt().contains("Save elsewhere, close without saving"));
        QVERIFY(f.answers.Prompt(1).contains(askedAgain));
        QVERIFY(QFileInfo(f.ini).isDir());
        QCOMPARE(ReadAll(f.dir->filePath("elsewhere.ini")).contains("Name001=Budi\r\n"),
                 elsewhere == "elsewhere.ini");
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

    // Closing asks what to do with changes the file could not take; when
    // the session ends, or a signal comes, nobody is there to answer.
    void closingWhenTheFileCannotBeWritten_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        Row("stay open", int(MessageBoxes::Cancel), false, false);
        Row("close without saving", int(MessageBoxes::No), true, false);
        Row("retry after a fix", int(MessageBoxes::Retry), true, true);
        Row("the session ends", 0, true, false);
    }
    void closingWhenTheFileCannotBeWritten() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        const QByteArray original = FriendsFile({"Ani"});
        WriteAll(f.ini, original);
        QFile::setPermissions(f.ini, QFileDevice::ReadOwner);
        f.Open();
        for (int i = 0; i < 3; ++i)
            w->mnuIntuitive->trigger(); // told once in a session, not at every change
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.Prompt().contains("read-only"));
        f.answers = Answers();
        f.answers.script = {answer};
        const QString ini = f.ini;
        auto writable = [ini] {
            QFile::setPermissions(ini, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        };
        if (saved) f.answers.onAsk = writable; // the user fixes it, then chooses Retry
        if (answer == 0) {
            w->SaveForSessionEnd();
            QVERIFY(!w->IsUnloaded());
            w->CloseForSessionEnd();
            QVERIFY(w->IsUnloaded() && f.answers.asked.isEmpty());
            QCOMPARE(ReadAll(ini), original);
            return;
        }
        w->close();
        QCOMPARE(f.answers.asked.size(), 1);
        QCOMPARE(f.answers.asked[0].flags & 7, int(MessageBoxes::RetryCloseCancel));
        QVERIFY(f.answers.Prompt().contains(QDir::toNativeSeparators(ini)));
        QCOMPARE(w->IsUnloaded(), closed);
        QCOMPARE(ReadAll(ini) == original, !saved);
        if (!closed) { // still open: a later close saves everything
            writable();
            w->close();
            QVERIFY(w->IsUnloaded());
        }
        if (saved || !closed) QVERIFY(ReadAll(ini).contains("Intuitive=True"));
    }
};

QTEST_MAIN(TestFriends)
#include "tst_friends.moc"
