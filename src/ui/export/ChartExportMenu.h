#pragma once

#include "chart/ChartExport.h"
#include "chart/ChartState.h"
#include "ui/widgets/ChartDialogs.h"

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

// The "Berkas" menu: the chart the window shows, saved as PNG, SVG or PDF,
// copied, printed, or its values saved as CSV. It asks the window for what it
// would draw (never for its pixels) and draws through the chart's own code.
class ChartExportMenu final : public QObject {
public:
    // `state`: the chart drawn. `guard` runs each command so that a fault
    // becomes a message, as for the window's handlers.
    ChartExportMenu(QMainWindow* window, MessageBoxes* messages, ChartDialogs* dialogs,
                    const chart::ChartState& state,
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
    const chart::ChartState& m_state;
    QString m_folder; // where the last file went, for this session
};
