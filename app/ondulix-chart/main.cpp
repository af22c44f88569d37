#include "chart/ChartCommandLine.h"
#include "settings/SettingsFile.h"
#include "util/PrivateFolder.h"
#include "util/SaveWhole.h"
#include "util/Words.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    // Arguments are read before Qt starts, so a refusal is the only line printed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const chart::ChartCommand command = chart::ParseChartCommand(arguments);
    switch (command.action) {
    case chart::ChartCommand::Action::Help:
    case chart::ChartCommand::Action::Version:
    case chart::ChartCommand::Action::Agreement:
        std::fputs(qPrintable(command.message), stdout);
        return 0;
    case chart::ChartCommand::Action::Refuse:
        std::fprintf(stderr, "ondulix-chart: %s\n", qPrintable(command.message));
        return 2;
    case chart::ChartCommand::Action::Critical:
    case chart::ChartCommand::Action::Phases: {
        const chart::Listing listing = chart::MakeListing(command, QDateTime::currentDateTimeUtc());
        if (!listing.note.isEmpty())
            std::fprintf(stderr, "ondulix-chart: %s\n", qPrintable(listing.note));
        if (command.output.isEmpty())
            return std::fwrite(listing.bytes.constData(), 1, std::size_t(listing.bytes.size()),
                               stdout) == std::size_t(listing.bytes.size()) &&
                           std::fflush(stdout) == 0
                       ? 0
                       : 1;
        if (const QString error =
                SaveWhole(command.output, listing.bytes, NewFileAccess::OwnerOnly);
            !error.isEmpty()) {
            std::fprintf(stderr, "ondulix-chart: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    case chart::ChartCommand::Action::Render:
        break;
    }

    // Rendering needs fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    UsePrivateRuntimeFolder(settings::PrivateFolderBeside(settings::DefaultIniPath()));
    QGuiApplication app(argc, argv);
    QTranslator words;
    words::UseLanguage(command.language, words);
    QString error;
    try {
        error =
            chart::WriteChartFile(command.options, command.output, command.format, command.pages);
    } catch (const std::exception& e) { // a fault of the drawing itself; the file is not written
        error = QString::fromUtf8(e.what());
    }
    if (!error.isEmpty()) {
        std::fprintf(stderr, "ondulix-chart: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
