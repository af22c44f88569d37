#pragma once

#include <QString>

class QWidget;

// The program's name, as its window and message boxes are titled.
inline const QString AppTitle = QStringLiteral("Ondulix");

// The window's message boxes go through this seam, so tests can answer them
// without a modal loop. Flags and answers use the classic message-box codes.
class MessageBoxes {
public:
    enum Flags : int {
        OkOnly = 0,
        OkCancel = 1,
        RetryCloseCancel = 6, // Retry, "Close without saving" (No), Cancel
        SaveElsewhereCloseCancel =
            7, // "Save Elsewhere..." (SaveElsewhere), "Close without saving" (No), Cancel
        Question = 32,
        Exclamation = 48,
        DefaultButton2 = 256 // the second button is the default: a change asked about
    };
    enum Answer : int { Ok = 1, Cancel = 2, Retry = 4, No = 7, SaveElsewhere = 10 };

    virtual ~MessageBoxes() = default;
    // Shows `prompt` with the buttons of `flags`; an empty title leaves the
    // platform's own. Returns the button chosen.
    virtual int MsgBox(QWidget* parent, const QString& prompt, int flags, const QString& title) = 0;
    // A file to save to, proposed as `proposal`; empty when the user cancels.
    virtual QString AskSavePath(QWidget* parent, const QString& title, const QString& proposal) = 0;
};

// Real, modal message boxes.
class QtMessageBoxes final : public MessageBoxes {
public:
    int MsgBox(QWidget* parent, const QString& prompt, int flags, const QString& title) override;
    QString AskSavePath(QWidget* parent, const QString& title, const QString& proposal) override;
};
