#pragma once

#include "TestFiles.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/window/frmOndulix.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// One row of a data table.
template <typename... T>
void Row(const char* name, const T&... values) {
    (QTest::newRow(name) << ... << values);
}

// Answers every message box at once and keeps what it was asked.
struct Answers final : MessageBoxes {
    struct Asked {
        QString prompt;
        int flags;
        QString title;
    };
    QList<Asked> asked;
    QList<int> script; // answers in turn; then `answer`
    int answer = Ok;
    std::function<void()> onAsk; // what the user does before answering
    int MsgBox(QWidget*, const QString& prompt, int flags, const QString& title) override {
        asked.append({prompt, flags, title});
        if (onAsk) onAsk();
        return script.isEmpty() ? answer : script.takeFirst();
    }
    QStringList paths; // answers to AskSavePath in turn; then a cancel
    QString AskSavePath(QWidget*, const QString&, const QString&) override {
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QString Prompt(int i = 0) const { return i < asked.size() ? asked[i].prompt : QString(); }
};

inline const QDate StartDay(2004, 3, 7);

// A user's choice in a drop-down list.
inline void Pick(ComboPicker* c, const QString& text) {
    const int i = c->findText(text, Qt::MatchExactly);
    QVERIFY2(i >= 0, qPrintable(text));
    c->setCurrentIndex(i);
    emit c->activated(i);
}

// "day month year", e.g. "1 January 1970"; picked year first, as a user would.
inline void PickDate(ComboPicker* day, ComboPicker* month, ComboPicker* year, const QString& dmy) {
    const QStringList p = dmy.split(' ');
    Pick(year, p[2]);
    Pick(month, p[1]);
    Pick(day, p[0]);
}

inline QString Trio(ComboPicker* day, ComboPicker* month, ComboPicker* year) {
    return day->Text() + ' ' + month->Text() + ' ' + year->Text();
}

// A settings file with these friends, all born 1 January 1970.
inline QByteArray FriendsFile(const QStringList& names, const QByteArray& extra = {}) {
    QByteArray personal = "[PERSONAL]\r\nMy Birthdate=1-Jan-1960\r\nNo. of Friends=" +
                          QByteArray::number(names.size()) + "\r\n";
    for (int i = 0; i < names.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1).rightJustified(3, '0');
        personal += "Name" + n + "=" + names[i].toUtf8() + "\r\nBday" + n + "=1-Jan-1970\r\n";
    }
    return personal + extra;
}

// A window on the offscreen platform with its settings file in a folder of
// its own.
struct WindowFixture {
    Answers answers;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmOndulix> w;
    QString ini;
    ChartDialogs* dialogs = nullptr;

    void Reset() {
        w.reset();
        answers = Answers();
        dir = std::make_unique<QTemporaryDir>();
        ini = dir->filePath("Ondulix.ini");
    }
    void Create(std::function<QDate()> today = [] { return StartDay; }) {
        w = std::make_unique<frmOndulix>(
            frmOndulix::Environment{&answers, std::move(today), ini, dialogs, {}});
    }
    void Open(std::function<QDate()> today = [] { return StartDay; }) {
        Create(std::move(today));
        w->show();
        QTRY_VERIFY(w->IsActivated);
    }
    void OpenActive() {
        Open();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void PickBirth(const QString& dmy) {
        if (!w->optBirthdate->isChecked()) w->optBirthdate->click();
        PickDate(w->cboBDday, w->cboBDmonth, w->cboBDyear, dmy);
    }
    QString Display() const { return Trio(w->cboDDday, w->cboDDmonth, w->cboDDyear); }
    QString Birth() const { return Trio(w->cboBDday, w->cboBDmonth, w->cboBDyear); }
    // Entry mode, a name, a birth date, Save.
    void SaveFriend(const QString& name, const QString& dmy) {
        w->optBirthdate->click();
        w->txtFriend->setText(name);
        PickBirth(dmy);
        w->cmdsave->click();
    }
    QStringList Listed() const {
        QStringList names;
        for (int i = 1; i < w->cboFriend->count(); ++i)
            names << w->cboFriend->itemText(i);
        return names;
    }
};
