#pragma once

#include "chart/ChartExport.h"

#include <QString>
#include <QStringList>

// The arguments of ondulix-chart:
//   --birth YYYY-MM-DD --date YYYY-MM-DD [--center] [--cycles 1,2,3,5] [--scale 2]
//   [--format png|svg|pdf|csv] [--name TEXT] [--page] [--pages N] [--compare YYYY-MM-DD] -o FILE
//   --birth YYYY-MM-DD --compare YYYY-MM-DD --agreement [--cycles 1,2,3]
namespace chart {

struct ChartCommand {
    enum class Action { Render, Help, Version, Agreement, Refuse };
    Action action = Action::Refuse;
    ChartOptions options;
    QString output;
    ExportFormat format = ExportFormat::Png;
    OnPages pages;
    QString message; // Help: the usage text; Version: its line; Agreement: its lines;
                     // Refuse: a one-line reason
};

// `arguments` includes the program name first, as QCoreApplication::arguments() does.
ChartCommand ParseChartCommand(const QStringList& arguments);

} // namespace chart
