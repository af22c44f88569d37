#pragma once

#include "TestFiles.h"
#include "ui/window/Controls.h"
#include "ui/window/MessageBoxes.h"
#include "ui/window/frmOndulix.h"

#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

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
    QStringList proposals;
    QString AskSavePath(QWidget*, const QString&, const QString& proposal) override {
        proposals << proposal;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
};

inline const QDate StartDay(2004, 3, 7);

// A user's choice in a drop-down list.
inline void Pick(ComboPicker* c, const QString& text) {
    const int i = c->findText(text, Qt::MatchExactly);
    QVERIFY2(i >= 0, qPrintable(text));
    c->setCurrentIndex(i);
    emit c->activated(i);
}

inline QString Trio(ComboPicker* day, ComboPicker* month, ComboPicker* year) {
    return day->Text() + ' ' + month->Text() + ' ' + year->Text();
}

// A window on the offscreen platform with its settings file in a folder of
// its own.
struct WindowFixture {
    Answers answers;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmOndulix> w;
    QString ini;

    void Reset() {
        w.reset();
        answers = Answers();
        dir = std::make_unique<QTemporaryDir>();
        ini = dir->filePath("Ondulix.ini");
    }

    void Create(std::function<QDate()> today = [] { return StartDay; }) {
        w = std::make_unique<frmOndulix>(frmOndulix::Environment{&answers, std::move(today), ini});
    }

    void Open(std::function<QDate()> today = [] { return StartDay; }) {
        Create(std::move(today));
        w->show();
        QTRY_VERIFY(w->IsActivated);
    }
};
