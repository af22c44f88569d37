#pragma once

#include "chart/ChartExport.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The arguments of ondulix-chart:
//   --birth YYYY-MM-DD --date YYYY-MM-DD [--center] [--cycles 1,2,3,5] [--scale 2]
//   [--format png|svg|pdf|csv] [--name TEXT] [--page] [--pages N] [--compare YYYY-MM-DD] -o FILE
//   --birth YYYY-MM-DD --compare YYYY-MM-DD --agreement [--cycles 1,2,3]
//   --birth YYYY-MM-DD --date YYYY-MM-DD --critical N [--cycles 1,2,3] [--name TEXT] [-o FILE.ics]
//   --date YYYY-MM-DD --phases N
//   [--language id|en]: the words of the page, the CSV header and the titles
namespace chart {

struct ChartCommand {
    enum class Action { Render, Help, Version, Agreement, Critical, Phases, Refuse };
    Action action = Action::Refuse;
    ChartOptions options;
    QString output;
    ExportFormat format = ExportFormat::Png;
    OnPages pages;
    std::int32_t span = 0; // Critical, Phases: days from the display date
    QString language;      // Render: "id", "en"; empty as designed
    QString message;       // Help: the usage text; Version: its line; Agreement: its lines;
                           // Refuse: a one-line reason
};

// `arguments` includes the program name first, as QCoreApplication::arguments() does.
ChartCommand ParseChartCommand(const QStringList& arguments);

// What --critical or --phases writes: its lines, or for --critical with an
// output the calendar; `note` says where the span stopped at the program's
// last day. `stamp`: the calendar's DTSTAMP.
struct Listing {
    QByteArray bytes;
    QString note;
};
Listing MakeListing(const ChartCommand& command, const QDateTime& stamp);

} // namespace chart
