#pragma once

#include "chart/ChartExport.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class MessageBoxes;
class QAction;
class QMainWindow;
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
    virtual QString AskOpenFile(QWidget* parent, const QString& title, const QString& filters);
    // A line of text, starting from `text`; nothing when cancelled.
    virtual std::optional<QString> AskText(QWidget* parent, const QString& title,
                                           const QString& label, const QString& text);
};

class QtChartDialogs final : public ChartDialogs {
public:
    QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposal,
                        const QStringList& filters, int* filter) override;
    bool AskPrint(QWidget* parent, QPrinter& printer) override;
    int AskPageCount(QWidget* parent) override;
    void PreviewPrint(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override;
};

// The "Berkas" menu: the chart the window shows, saved as PNG, SVG or PDF,
// copied, printed, or its values saved as CSV. It asks the window for what it
// would draw (never for its pixels) and draws through the chart's own code.
class ChartExportMenu final : public QObject {
public:
    // `current`: the chart as the draw command would draw it now; nothing
    // when a date cannot be read. `guard` runs each command so that a fault
    // becomes a message, as for the window's handlers.
    ChartExportMenu(QMainWindow* window, MessageBoxes* messages, ChartDialogs* dialogs,
                    std::function<std::optional<chart::ChartOptions>()> current,
                    std::function<void(const std::function<void()>&)> guard);

    QAction* mnuSaveChart = nullptr;
    QAction* mnuCopyChart = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintPreview = nullptr;
    QAction* mnuPrintMonths = nullptr;
    QAction* mnuExportValues = nullptr;

    void SaveChart();
    void CopyChart();
    void Print();
    void PrintPreview();
    // Several pages, each the next 60 days, in one print.
    void PrintMonths();
    void ExportValues();

    // Told what a command did, once it is done ("Grafik disalin").
    std::function<void(const QString&)> Done;

    // "Ondulix-Ani-2004-03-07.png"; "Ondulix-2004-03-07.png" for the own chart;
    // "Ondulix-Ani-Budi-2004-03-07.png" for "Ani & <Budi>". No suffix: no dot.
    static QString ProposedName(const chart::ChartOptions& options, const QString& suffix);

private:
    // The chart to export, or nothing after telling why there is none.
    std::optional<chart::ChartOptions> Chart();
    void Write(const chart::ChartOptions& options, const QString& path, chart::ExportFormat format,
               const QString& done);
    void Tell(const QString& text, bool warning = true);
    void PrintPages(const chart::ChartOptions& options, int count);

    QMainWindow* m_window;
    MessageBoxes* m_messages;
    ChartDialogs* m_dialogs;
    std::function<std::optional<chart::ChartOptions>()> m_current;
    QString m_folder; // where the last file went, for this session
};
