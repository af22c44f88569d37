#include "ui/widgets/MessageBoxes.h"

#include "ui/widgets/ChartDialogs.h"
#include "util/Words.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

int QtMessageBoxes::MsgBox(QWidget* parent, const QString& prompt, int flags,
                           const QString& title) {
    QMessageBox box(parent);
    box.setTextFormat(Qt::PlainText); // names are shown as typed, never as markup
    box.setText(prompt);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    if ((flags & Exclamation) == Exclamation)
        box.setIcon(QMessageBox::Warning);
    else if (flags & Question)
        box.setIcon(QMessageBox::Question);
    switch (flags & 7) {
    case OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        // A change asked about is not made by Enter alone.
        box.setDefaultButton((flags & DefaultButton2) ? QMessageBox::Cancel : QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case RetryCloseCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel);
        box.button(QMessageBox::Discard)
            ->setText(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Close without saving")));
        box.setDefaultButton(QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case SaveElsewhereCloseCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.button(QMessageBox::Save)
            ->setText(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Save Elsewhere...")));
        box.button(QMessageBox::Discard)
            ->setText(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Close without saving")));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Ok;
    case QMessageBox::Discard:
        return No;
    case QMessageBox::Retry:
        return Retry;
    case QMessageBox::Save:
        return SaveElsewhere;
    default:
        return Cancel;
    }
}

QString QtMessageBoxes::AskSavePath(QWidget* parent, const QString& title,
                                    const QString& proposal) {
    return QFileDialog::getSaveFileName(
        parent, title, proposal,
        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Settings (*.ini);;All files (*)")), nullptr,
        FileDialogOptions());
}
