#include "WindowFixture.h"
#include "ui/window/Notice.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

QByteArray FriendsFile(const QStringList& names, const QByteArray& extra = {}) {
    QByteArray personal = "[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\nNo. of Friends=" +
                          QByteArray::number(names.size()) + "\r\n";
    for (int i = 0; i < names.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1).rightJustified(3, '0');
        personal += "Name" + n + "=" + names[i].toUtf8() + "\r\nBday" + n + "=1-Jan-1970\r\n";
    }
    return personal + extra;
}

QStringList Listed(const ComboPicker* c) {
    QStringList names;
    for (int i = 1; i < c->count(); ++i)
        names << c->itemText(i);
    return names;
}

} // namespace

class TestFriends : public QObject {
    Q_OBJECT

    WindowFixture f;

    // Entry mode, a name, a birth date, Save.
    void Save(const QString& name, const QString& day, const QString& month, const QString& year) {
        f.w->optBirthdate->click();
        f.w->txtFriend->setText(name);
        Pick(f.w->cboBDyear, year);
        Pick(f.w->cboBDmonth, month);
        Pick(f.w->cboBDday, day);
        f.w->cmdsave->click();
    }

    void ActivateAndEnter() {
        f.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
        f.w->optBirthdate->click();
    }

    QPoint SaveButtonCentre() const {
        return f.w->cmdsave->mapTo(f.w.get(), f.w->cmdsave->rect().center());
    }

    // A real mouse click, through the window as the platform delivers it.
    void ClickSave() {
        QTest::mouseClick(f.w->windowHandle(), Qt::LeftButton, {}, SaveButtonCentre());
    }

private slots:
    void init() { f.Reset(); }
    void cleanup() { f.w.reset(); }

    // The first start says how to begin, writes nothing until asked, and the
    // first change takes the hint's place.
    void firstStartWritesTheDefaultsOnClosing() {
        f.Open();
        QVERIFY(f.w->notice->isVisible() && f.w->notice->Said().contains("Tanggal Lahir"));
        QVERIFY(!QFile::exists(f.ini));
        f.w->close();
        QCOMPARE(ReadAll(f.ini), QByteArray("[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\nNo. of "
                                            "Friends=0\r\n[ONDULIX OPTIONS]\r\nPhysical=True\r\n"
                                            "Emotional=True\r\nIntellectual=True\r\nIntuitive="
                                            "False\r\nPassion=False\r\nWisdom=False\r\nMastery="
                                            "False\r\nCenter=False\r\n"));
    }

    // Every change to the people undoes and redoes, each saved at once, and
    // the notice says what changed.
    void undoAndRedoEveryChange_data() {
        QTest::addColumn<QString>("name"); // typed; "-" removes Ani
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("menu");
        QTest::newRow("own date") << ""
                                  << "Tanggal lahir Anda: 01-01-1960 → 02-03-1980"
                                  << "Urungkan tanggal lahir Anda";
        QTest::newRow("added") << "Budi"
                               << "Budi ditambahkan, lahir 02-03-1980"
                               << "Urungkan tambah Budi";
        QTest::newRow("re-dated") << "Ani"
                                  << "Tanggal lahir Ani: 01-01-1970 → 02-03-1980"
                                  << "Urungkan tanggal lahir Ani";
        QTest::newRow("removed") << "-"
                                 << "Ani dihapus (lahir 01-01-1970)"
                                 << "Urungkan hapus Ani";
    }
    void undoAndRedoEveryChange() {
        QFETCH(QString, name);
        QFETCH(QString, notice);
        QFETCH(QString, menu);
        WriteAll(f.ini, FriendsFile({"Ani", "Cici"}));
        f.Open();
        const QByteArray before = ReadAll(f.ini);
        QVERIFY(!f.w->mnuUndo->isEnabled());
        if (name == "-") {
            Pick(f.w->cboFriend, "Ani");
            f.w->cmdsave->click();
        } else {
            Save(name, "2", "March", "1980");
        }
        const QByteArray after = ReadAll(f.ini);
        QVERIFY(after != before);
        QCOMPARE(f.w->notice->Said(), notice);
        QCOMPARE(f.w->mnuUndo->text(), menu);
        const int runs = f.w->DrawRuns();
        f.w->mnuUndo->trigger();
        QCOMPARE(ReadAll(f.ini), before);
        QCOMPARE(f.w->notice->Said(), "Diurungkan: " + notice);
        QCOMPARE(f.w->DrawRuns(), runs + 1);
        f.w->mnuRedo->trigger();
        QCOMPARE(ReadAll(f.ini), after);
        QCOMPARE(f.w->notice->Said(), notice);
    }

    // Replacing a birth date on file asks first, naming both dates, and the
    // default answer changes nothing; the same date asks nothing.
    void replacingADateAsks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("prompt"); // empty: none
        QTest::newRow("own date") << ""
                                  << "1980"
                                  << "Ganti tanggal lahir Anda dari 01-01-1960 menjadi 01-01-1980?";
        QTest::newRow("a friend by name")
            << "Ani"
            << "1980"
            << "Ganti tanggal lahir Ani dari 01-01-1970 menjadi 01-01-1980?";
        QTest::newRow("same own date") << ""
                                       << "1960"
                                       << "";
    }
    void replacingADateAsks() {
        QFETCH(QString, name);
        QFETCH(QString, year);
        QFETCH(QString, prompt);
        WriteAll(f.ini, FriendsFile({"Ani"}));
        f.Open();
        const QByteArray before = ReadAll(f.ini);
        f.answers.answer = MessageBoxes::Cancel;
        Save(name, "1", "January", year);
        QCOMPARE(f.answers.asked.size(), prompt.isEmpty() ? 0 : 1);
        if (prompt.isEmpty()) return;
        QCOMPARE(f.answers.asked[0].prompt, prompt);
        QVERIFY(f.answers.asked[0].flags & MessageBoxes::DefaultButton2);
        QCOMPARE(ReadAll(f.ini), before);
        QVERIFY(f.w->optBirthdate->isChecked()); // still entering
        QCOMPARE(f.w->txtFriend->text(), name);
    }

    void startsFromTheFile() {
        WriteAll(f.ini, "; my friends\r\n" + FriendsFile({"Ani", "Citra"},
                                                         "[ONDULIX OPTIONS]\r\nPhysical=true\r\n"
                                                         "Intuitive=True\r\n"));
        f.Create();
        QCOMPARE(Listed(f.w->cboFriend), QStringList({"Ani", "Citra"}));
        Pick(f.w->cboFriend, "Citra"); // not yet shown: sets the pickers, draws nothing
        QCOMPARE(Trio(f.w->cboBDday, f.w->cboBDmonth, f.w->cboBDyear), "1 January 1970");
        QCOMPARE(f.w->DrawRuns(), 0);
        f.w->show();
        QTRY_VERIFY(f.w->IsActivated);
        QVERIFY(!f.w->chkOndulixChart[1]->isChecked() && f.w->chkOndulixChart[4]->isChecked());
        QVERIFY(!f.w->mnuPhysical->isChecked() && f.w->mnuIntuitive->isChecked());
        QCOMPARE(f.answers.asked.size(), 0);
        f.w->close();
        QVERIFY(ReadAll(f.ini).startsWith("; my friends\r\n[PERSONAL]\r\n"));
    }

    void damagedValuesAreToldAfterTheFirstChart() {
        WriteAll(f.ini, "[PERSONAL]\r\nMy Birthdate=31-Dec-2077\r\nNo. of Friends=x\r\n"
                        "Name001=Ani\r\n");
        f.Open();
        QCOMPARE(f.w->DrawRuns(), 1);
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.asked[0].prompt.contains("Dec 31, 2040"));
        QVERIFY(f.answers.asked[0].prompt.contains("not a whole number"));
        QCOMPARE(Listed(f.w->cboFriend), QStringList{"Ani"});
        // The birth date lies after today, so the display date is the birth date.
        QCOMPARE(Trio(f.w->cboDDday, f.w->cboDDmonth, f.w->cboDDyear), "31 December 2040");
    }

    // Where each name goes is the list's own business; the window shows the
    // result, redraws once and saves at once.
    void saves_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("selected");
        QTest::newRow("first friend") << QStringList{} << "Budi" << QStringList{"Budi"} << 1;
        QTest::newRow("in name order")
            << QStringList{"Ani", "Citra"} << "Budi" << QStringList{"Ani", "Budi", "Citra"} << 2;
        QTest::newRow("a listed name: new date")
            << QStringList{"Ani", "Citra"} << "Citra" << QStringList{"Ani", "Citra"} << 2;
        QTest::newRow("no name: the own date")
            << QStringList{"Ani"} << "" << QStringList{"Ani"} << 0;
    }
    void saves() {
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(QStringList, after);
        QFETCH(int, selected);
        if (!before.isEmpty()) WriteAll(f.ini, FriendsFile(before));
        f.Open();
        f.w->optBirthdate->click();
        f.w->txtFriend->setText(name);
        QCOMPARE(f.w->cmdsave->text(), name.isEmpty() ? "Save " : "Data");
        Pick(f.w->cboBDyear, "1960");
        Pick(f.w->cboBDmonth, "January");
        Pick(f.w->cboBDday, "7");
        const int runs = f.w->DrawRuns();
        f.w->cmdsave->click();

        QCOMPARE(f.w->DrawRuns() - runs, 1);
        QCOMPARE(Listed(f.w->cboFriend), after);
        QCOMPARE(f.w->Friends.FriendCount, after.size());
        QCOMPARE(f.w->cboFriend->ListIndex(), selected);
        QCOMPARE(f.w->Friends.FriendName[0], "(Hari Ulang Tahun saya)");
        QCOMPARE(f.w->Friends.FriendDay[selected] + f.w->Friends.FriendMonth[selected] +
                     f.w->Friends.FriendYear[selected],
                 "7January1960");
        QVERIFY(f.w->optBirthday->isChecked() && !f.w->cboBDyear->isEnabled());
        QVERIFY(f.w->txtFriend->isHidden());
        // Saved at once, not only at shut-down.
        const QByteArray file = ReadAll(f.ini);
        QVERIFY(file.contains("No. of Friends=" + QByteArray::number(after.size()) + "\r\n"));
        if (selected > 0)
            QVERIFY(file.contains("Bday00" + QByteArray::number(selected) + "=7-Jan-1960\r\n"));
        else
            QVERIFY(file.contains("My Birthdate=7-Jan-1960\r\n"));
    }

    void theExampleFile() {
        f.Open();
        Save("Ani", "1", "January", "1960");
        QCOMPARE(ReadAll(f.ini), QByteArray("[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\nNo. of "
                                            "Friends=1\r\nName001=Ani\r\nBday001=1-Jan-1960\r\n"));
    }

    void leavingTheNameBoxCapitalises() {
        f.Open();
        f.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
        f.w->optBirthdate->click();
        f.w->txtFriend->setFocus();
        QTest::keyClicks(f.w->txtFriend, "budi  santoso ");
        f.w->cboBDyear->setFocus();
        QCOMPARE(f.w->txtFriend->text(), "Budi Santoso");
        QCOMPARE(f.w->txtFriend->maxLength(), 24);
    }

    void removes_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("OK") << int(MessageBoxes::Ok) << QStringList{"Ani", "Citra"};
        QTest::newRow("Cancel") << int(MessageBoxes::Cancel) << QStringList{"Ani", "Budi", "Citra"};
    }
    void removes() {
        QFETCH(int, answer);
        QFETCH(QStringList, after);
        WriteAll(f.ini, FriendsFile({"Ani", "Budi", "Citra"}));
        f.Open();
        QVERIFY(f.w->cmdsave->isHidden()); // the own entry cannot be removed
        Pick(f.w->cboFriend, "Budi");
        QVERIFY(!f.w->cmdsave->isHidden());
        QCOMPARE(f.w->cmdsave->text(), "Remove ");
        f.answers.answer = answer;
        const int runs = f.w->DrawRuns();
        f.w->cmdsave->click();
        QCOMPARE(f.w->DrawRuns() - runs, answer == MessageBoxes::Ok ? 1 : 0);
        QCOMPARE(f.answers.asked.size(), 1);
        QCOMPARE(f.answers.asked[0].prompt, QString("Remove ? \"Budi\""));
        QCOMPARE(f.answers.asked[0].flags, MessageBoxes::OkCancel | MessageBoxes::DefaultButton2);
        QCOMPARE(f.answers.asked[0].title, QString());
        QCOMPARE(Listed(f.w->cboFriend), after);
        if (answer == MessageBoxes::Ok) {
            QCOMPARE(f.w->cboFriend->ListIndex(), 0);
            const QByteArray file = ReadAll(f.ini);
            QVERIFY(file.contains("No. of Friends=2\r\nName001=Ani\r\nBday001=1-Jan-"
                                  "1970\r\nName002=Citra\r\n"));
            QVERIFY(!file.contains("003")); // nothing of the removed entry is left
        }
    }

    // Through real focus changes: the press on the button takes the focus
    // from the name box, whose leaving turns three blanks into nothing.
    void aClickWhoseMeaningChangedOnTheWayDoesNothing() {
        f.Open();
        ActivateAndEnter();
        Pick(f.w->cboBDyear, "1999");
        f.w->txtFriend->setFocus();
        QTest::keyClicks(f.w->txtFriend, "   ");
        QCOMPARE(f.w->cmdsave->text(), "Data");
        ClickSave();
        QCOMPARE(f.w->cmdsave->text(), "Save "); // what the user now sees
        QCOMPARE(f.w->Friends.FriendYear[0], "1960");
        QVERIFY(f.w->optBirthdate->isChecked());
        QVERIFY(!QFile::exists(f.ini));
        ClickSave(); // a click on "Save " does what it says
        QCOMPARE(f.w->Friends.FriendYear[0], "1999");
    }

    void aDoubleClickOnDataSavesOnce() {
        f.Open();
        ActivateAndEnter();
        f.w->txtFriend->setFocus();
        QTest::keyClicks(f.w->txtFriend, "budi");
        QTest::mouseDClick(f.w->windowHandle(), Qt::LeftButton, {}, SaveButtonCentre());
        QCOMPARE(f.w->Friends.FriendCount, 1);
        QCOMPARE(f.w->cmdsave->text(), "Remove ");
        QCOMPARE(f.answers.asked.size(), 0); // no offer to remove the friend just added
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        f.answers.answer = MessageBoxes::Cancel;
        ClickSave(); // a click of its own is a removal again
        QCOMPARE(f.answers.asked.size(), 1);
        QCOMPARE(f.answers.asked[0].prompt, "Remove ? \"Budi\"");
    }

    void pastedNamesStayOnOneLine() {
        f.Open();
        f.w->optBirthdate->click();
        QGuiApplication::clipboard()->setText("ani\nbudi\t\x01x\r\n");
        f.w->txtFriend->paste();
        QCOMPARE(f.w->txtFriend->text(), "ani budi x  ");
        f.w->txtFriend->setText("line\nbreak");
        QCOMPARE(f.w->txtFriend->text(), "line break");
        f.w->cmdsave->click();
        Save("Zed", "2", "March", "1980"); // later saves are not blocked
        QVERIFY(ReadAll(f.ini).contains("Name001=Zed\r\nBday001=2-Mar-1980\r\nName002=line "
                                        "break\r\n"));
        QCOMPARE(f.answers.asked.size(), 0);
    }

    // A settings file that could not be read is never written: saving says
    // why, and closing offers another file.
    void aFileThatWasNotReadIsNeverWritten_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("elsewhere");  // the file chosen, if any
        QTest::addColumn<QString>("askedAgain"); // what the box says the second time
        const int SaveElsewhere = MessageBoxes::SaveElsewhere, No = MessageBoxes::No;
        QTest::newRow("save elsewhere") << QList<int>{SaveElsewhere} << "elsewhere.ini"
                                        << "";
        QTest::newRow("a cancelled file dialog asks again") << QList<int>{SaveElsewhere, No} << ""
                                                            << "could not be read when";
        QTest::newRow("a failed save elsewhere says why")
            << QList<int>{SaveElsewhere, No} << "missing/elsewhere.ini"
            << "does not exist";
        QTest::newRow("close without saving") << QList<int>{No} << ""
                                              << "";
    }
    void aFileThatWasNotReadIsNeverWritten() {
        QFETCH(QList<int>, answers);
        QFETCH(QString, elsewhere);
        QFETCH(QString, askedAgain);
        QVERIFY(QDir().mkpath(f.ini)); // a folder where the file should be
        f.Open();
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.asked[0].prompt.contains("could not be read"));
        Save("Budi", "7", "January", "1960");
        QCOMPARE(f.answers.asked.size(), 2);
        QVERIFY(f.answers.asked[1].prompt.contains("does not overwrite"));
        f.answers = Answers();
        f.answers.script = answers;
        if (!elsewhere.isEmpty()) f.answers.paths = {f.dir->filePath(elsewhere)};
        f.w->close();
        QVERIFY(f.w->IsUnloaded());
        QCOMPARE(f.answers.asked.size(), answers.size());
        QCOMPARE(f.answers.asked[0].flags & 7, int(MessageBoxes::SaveElsewhereCloseCancel));
        QVERIFY(f.answers.asked[0].prompt.contains("Save elsewhere, close without saving"));
        if (!askedAgain.isEmpty()) QVERIFY(f.answers.asked[1].prompt.contains(askedAgain));
        QVERIFY(QFileInfo(f.ini).isDir());
        QCOMPARE(ReadAll(f.dir->filePath("elsewhere.ini")).contains("Name001=Budi\r\n"),
                 elsewhere == "elsewhere.ini");
    }

    void aFullListRefusesANewName() {
        QStringList names;
        for (int i = 1; i <= 999; ++i)
            names << QString("F%1").arg(i, 3, 10, QChar('0'));
        WriteAll(f.ini, FriendsFile(names));
        f.Open();
        const int runs = f.w->DrawRuns();
        Save("Zed", "2", "March", "1980");
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.asked[0].prompt.contains("999"));
        QCOMPARE(f.w->Friends.FriendCount, 999);
        QVERIFY(!f.w->SuppressDraw);
        QVERIFY(f.w->optBirthdate->isChecked()); // still entering: the name can be changed
        QCOMPARE(f.w->DrawRuns(), runs + 3);     // the three pickers' own redraws only
    }

    void aSaveThatCannotBeWrittenIsTold() {
        WriteAll(f.dir->filePath("blocker"), "a file where a folder should be");
        f.ini = f.dir->filePath("blocker/Ondulix.ini");
        f.Open();
        Save("Budi", "7", "January", "1960");
        QCOMPARE(f.w->Friends.FriendCount, 1); // kept while the program runs
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.asked[0].prompt.contains("blocker"));
    }

    // A name is shown as typed, never read as markup.
    void messagesAreShownAsPlainText() {
        QtMessageBoxes boxes;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) format = box->textFormat();
            if (box) box->reject();
        });
        boxes.MsgBox(nullptr, "Remove ? \"<b>Ani</b> & Budi\"", MessageBoxes::OkCancel, {});
        QCOMPARE(format, Qt::PlainText);
    }

    // When the session ends, or a signal comes, nobody is there to answer.
    void theSessionsEndAsksNothing() {
        const QByteArray original = FriendsFile({"Ani"});
        WriteAll(f.ini, original);
        QFile::setPermissions(f.ini, QFileDevice::ReadOwner);
        f.Open();
        f.w->SaveForSessionEnd();
        QVERIFY(!f.w->IsUnloaded());
        f.w->CloseForSessionEnd();
        QVERIFY(f.w->IsUnloaded());
        QCOMPARE(f.answers.asked.size(), 0);
        QCOMPARE(ReadAll(f.ini), original);
        QFile::setPermissions(f.ini, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void closingWhenTheFileCannotBeWritten_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("stay open") << int(MessageBoxes::Cancel) << false << false;
        QTest::newRow("close without saving") << int(MessageBoxes::No) << true << false;
        QTest::newRow("retry after a fix") << int(MessageBoxes::Retry) << true << true;
    }
    void closingWhenTheFileCannotBeWritten() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        const QByteArray original = FriendsFile({"Ani"});
        WriteAll(f.ini, original);
        QFile::setPermissions(f.ini, QFileDevice::ReadOwner);
        f.Open();
        f.w->mnuIntuitive->trigger();
        f.w->mnuIntuitive->trigger(); // told once in a session, not at every change
        f.w->mnuIntuitive->trigger();
        QCOMPARE(f.answers.asked.size(), 1);
        QVERIFY(f.answers.asked[0].prompt.contains("read-only"));
        f.answers = Answers();
        f.answers.script = {answer};
        const QString ini = f.ini;
        if (saved) // the user makes the file writable, then chooses Retry
            f.answers.onAsk = [ini] {
                QFile::setPermissions(ini, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            };
        f.w->close();
        QCOMPARE(f.answers.asked.size(), 1);
        QCOMPARE(f.answers.asked[0].flags & 7, int(MessageBoxes::RetryCloseCancel));
        QVERIFY(f.answers.asked[0].prompt.contains("read-only"));
        QVERIFY(f.answers.asked[0].prompt.contains(QDir::toNativeSeparators(ini)));
        QCOMPARE(f.w->IsUnloaded(), closed);
        QCOMPARE(ReadAll(ini) == original, !saved);
        if (!closed) { // still open: a later close saves everything
            QFile::setPermissions(ini, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            f.w->close();
            QVERIFY(f.w->IsUnloaded());
        }
        if (saved || !closed) QVERIFY(ReadAll(ini).contains("Intuitive=True"));
    }
};

QTEST_MAIN(TestFriends)
#include "tst_friends.moc"
