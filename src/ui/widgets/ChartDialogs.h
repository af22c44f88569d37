#pragma once

#include <QByteArray>
#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// The file, print and clipboard dialogs, behind a seam so tests answer them
// without a person.
class ChartDialogs {
public:
    virtual ~ChartDialogs() = default;
    // A file to write; `filter` in: the filter to start with, out: the one
    // chosen. Empty when cancelled.
    virtual QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposal,
                                const QStringList& filters, int* filter) = 0;
    // The print dialog; false when cancelled.
    virtual bool AskPrint(QWidget* parent, QPrinter& printer) = 0;
    // How many pages of 60 days to print, 1 to MaxPages; 0 when cancelled.
    virtual int AskPageCount(QWidget* parent) = 0;
    // The print preview, painting pages with `paint`.
    virtual void PreviewPrint(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter*)>& paint) = 0;
    // A file to read; empty when cancelled.
    // Opens in `folder` (the last one chosen), else where the program started.
    virtual QString AskOpenFile(QWidget* parent, const QString& title, const QString& filters,
                                const QString& folder = {});
    // A line of text, starting from `text`; nothing when cancelled.
    virtual std::optional<QString> AskText(QWidget* parent, const QString& title,
                                           const QString& label, const QString& text);
};

class MessageBoxes;

// Qt's own file dialog while a language is chosen (its words are the
// program's to translate), else the desktop's.
QFileDialog::Options FileDialogOptions();

// Asks `dialogs` for a file name (a name's own extension decides the filter,
// else the filter chosen gives it one) and writes `bytes(filter)` whole, for
// the user's eyes alone; a failure is told in a message box. Returns the path
// written; empty when cancelled or failed.
QString SaveChosenFile(ChartDialogs& dialogs, MessageBoxes& messages, QWidget* parent,
                       const QString& title, const QString& proposal, const QStringList& filters,
                       const std::function<QByteArray(int)>& bytes);

class QtChartDialogs final : public ChartDialogs {
public:
    QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposal,
                        const QStringList& filters, int* filter) override;
    bool AskPrint(QWidget* parent, QPrinter& printer) override;
    int AskPageCount(QWidget* parent) override;
    void PreviewPrint(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override;
};
