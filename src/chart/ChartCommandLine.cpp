#include "chart/ChartCommandLine.h"

#include "chart/Agreement.h"
#include "chart/CriticalDays.h"
#include "moon/TrueMoon.h"
#include "util/Calendar.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>

namespace chart {

namespace {

constexpr double MaxScale = 4;
constexpr std::int32_t MaxListedDays = 20000;

ChartCommand Refuse(const QString& message) {
    ChartCommand c;
    c.action = ChartCommand::Action::Refuse;
    c.message = message;
    return c;
}

// A calendar date written YYYY-MM-DD within the years the pickers offer;
// an empty error means success.
QDate ReadDate(const QString& option, const QString& text, QString& error) {
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = iso.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
    if (!date.isValid())
        error = QStringLiteral("--%1 %2: not a date of the form YYYY-MM-DD").arg(option, text);
    else if (date.year() < cal::FirstYear || date.year() > cal::LastYear)
        error = QStringLiteral("--%1 %2: the year must be %3 to %4")
                    .arg(option, text)
                    .arg(cal::FirstYear)
                    .arg(cal::LastYear);
    return date;
}

bool ReadKinds(const QString& text, KindSet& kinds, QString& error) {
    kinds = KindSet();
    if (text.isEmpty()) return true; // an empty list draws no curves
    for (const QString& item : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int kind = item.trimmed().toInt(&ok);
        if (!ok || kind < FirstKind || kind > LastKind) {
            error = QStringLiteral("--cycles %1: each cycle is a number from %2 to %3")
                        .arg(text)
                        .arg(FirstKind)
                        .arg(LastKind);
            return false;
        }
        kinds[kind] = true;
    }
    return true;
}

} // namespace

ChartCommand ParseChartCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Draws the Ondulix chart of 60 days for a birth date and a display date.\n"
        "Cycles: 1 Fisik, 2 Emosi, 3 Intelektual, 4 Intuisi, 5 Passion, 6 Wisdom, 7 Mastery."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version."));
    const QCommandLineOption birth(QStringLiteral("birth"), QStringLiteral("Birth date."),
                                   QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption date(QStringLiteral("date"), QStringLiteral("Display date."),
                                  QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption centre(QStringLiteral("center"),
                                    QStringLiteral("Centre the chart on the display date."));
    const QCommandLineOption cycles(QStringLiteral("cycles"),
                                    QStringLiteral("Cycles to draw (default 1,2,3)."),
                                    QStringLiteral("list"), QStringLiteral("1,2,3"));
    const QCommandLineOption scale(
        QStringLiteral("scale"), QStringLiteral("Device pixel ratio of a PNG, 1 to 4 (default 1)."),
        QStringLiteral("ratio"), QStringLiteral("1"));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("png, svg, pdf or csv (default: by the output file's extension)."),
        QStringLiteral("type"));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral(
            "Output file: .png, .svg, .pdf (the chart's page) or .csv (the day values)."),
        QStringLiteral("file"));
    const QCommandLineOption name(
        QStringLiteral("name"),
        QStringLiteral("Whose chart: the page's header and the file's title (default: none)."),
        QStringLiteral("text"));
    const QCommandLineOption page(QStringLiteral("page"),
                                  QStringLiteral("An SVG of the printed page, not of the screen."));
    const QCommandLineOption pages(
        QStringLiteral("pages"),
        QStringLiteral("A PDF of N pages, 1 to 24, each the next 60 days (default 1)."),
        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption compare(
        QStringLiteral("compare"),
        QStringLiteral("A second person's birth date: their curves dashed over the same days."),
        QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption compareName(
        QStringLiteral("compare-name"),
        QStringLiteral("The second person's name, for the legend (default: their birth date)."),
        QStringLiteral("text"));
    const QCommandLineOption agreement(
        QStringLiteral("agreement"),
        QStringLiteral("Print how well the listed cycles of --birth and --compare agree (0 to 100) "
                       "and their mean, instead of drawing."));
    const QCommandLineOption critical(
        QStringLiteral("critical"),
        QStringLiteral("List the critical days of the listed primary cycles in the N days from "
                       "--date (1 to 20000), a line each: the date, a tab, the cycles' letters "
                       "(F, E, I, U); with -o FILE.ics a calendar instead."),
        QStringLiteral("N"));
    const QCommandLineOption phases(
        QStringLiteral("phases"),
        QStringLiteral("List the moon's principal phases in the N days from --date (1 to 20000), "
                       "a line each: the local date, a tab, new, first-quarter, full or "
                       "last-quarter."),
        QStringLiteral("N"));
    const QCommandLineOption marks(
        QStringLiteral("mark-critical"),
        QStringLiteral("Mark where each listed primary curve crosses zero (its critical days)."));
    const QCommandLineOption trueMoon(
        QStringLiteral("true-moon"),
        QStringLiteral("The page's moon as the real moon's phase, not the count from 1900."));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral(
            "id or en: the page's, the CSV header's and the titles' words all Indonesian "
            "or all English (default: as the window shows them first)."),
        QStringLiteral("code"));
    parser.addOptions({help,      version,  birth,  date,  centre,   cycles,  scale,
                       format,    output,   name,   page,  pages,    compare, compareName,
                       agreement, critical, phases, marks, trueMoon, language});

    if (!parser.parse(arguments)) return Refuse(parser.errorText());
    if (parser.isSet(help)) {
        ChartCommand c;
        c.action = ChartCommand::Action::Help;
        // Parsed before any QCoreApplication exists, Qt cannot name the program itself.
        c.message = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                              QStringLiteral("ondulix-chart"));
        return c;
    }
    if (parser.isSet(version)) {
        ChartCommand c;
        c.action = ChartCommand::Action::Version;
        c.message = QStringLiteral("ondulix-chart " ONDULIX_VERSION "\n");
        return c;
    }
    if (!parser.positionalArguments().isEmpty())
        return Refuse(
            QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first()));
    if (parser.isSet(agreement)) {
        ChartCommand c;
        QString error;
        if (!parser.isSet(birth) || !parser.isSet(compare))
            return Refuse(QStringLiteral("--agreement needs --birth and --compare"));
        const QDate first = ReadDate(QStringLiteral("birth"), parser.value(birth), error);
        const QDate second = ReadDate(QStringLiteral("compare"), parser.value(compare), error);
        if (!error.isEmpty() || !ReadKinds(parser.value(cycles), c.options.kinds, error))
            return Refuse(error);
        c.action = ChartCommand::Action::Agreement;
        c.message = AgreementLines(c.options.kinds, cal::DiffDays(first, second));
        return c;
    }
    if (parser.isSet(critical) || parser.isSet(phases)) {
        const bool listsCritical = parser.isSet(critical);
        const QCommandLineOption& listing = listsCritical ? critical : phases;
        const QString option = listing.names().constFirst();
        if (listsCritical && parser.isSet(phases))
            return Refuse(QStringLiteral("--critical and --phases: one at a time"));
        ChartCommand c;
        QString error;
        if (listsCritical && !parser.isSet(birth))
            return Refuse(QStringLiteral("--critical needs --birth"));
        if (!parser.isSet(date)) return Refuse(QStringLiteral("--%1 needs --date").arg(option));
        bool ok = false;
        c.span = parser.value(listing).toInt(&ok);
        if (!ok || c.span < 1 || c.span > MaxListedDays)
            return Refuse(QStringLiteral("--%1 %2: a whole number of days from 1 to %3")
                              .arg(option, parser.value(listing))
                              .arg(MaxListedDays));
        if (listsCritical)
            c.options.birth = ReadDate(QStringLiteral("birth"), parser.value(birth), error);
        if (error.isEmpty())
            c.options.display = ReadDate(QStringLiteral("date"), parser.value(date), error);
        if (error.isEmpty() && listsCritical)
            ReadKinds(parser.value(cycles), c.options.kinds, error);
        if (!error.isEmpty()) return Refuse(error);
        c.output = parser.value(output);
        if (parser.isSet(output) &&
            (!listsCritical || !c.output.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive)))
            return Refuse(listsCritical
                              ? QStringLiteral("--critical: the output must be an .ics file")
                              : QStringLiteral("--phases: prints its lines, no output file"));
        c.options.person = parser.value(name).simplified();
        c.action = listsCritical ? ChartCommand::Action::Critical : ChartCommand::Action::Phases;
        return c;
    }
    for (const auto* required : {&birth, &date, &output}) {
        if (!parser.isSet(*required))
            return Refuse(QStringLiteral("missing --%1").arg(required->names().constLast()));
    }

    ChartCommand c;
    QString error;
    c.options.birth = ReadDate(QStringLiteral("birth"), parser.value(birth), error);
    if (error.isEmpty())
        c.options.display = ReadDate(QStringLiteral("date"), parser.value(date), error);
    if (!error.isEmpty()) return Refuse(error);
    if (c.options.birth > c.options.display)
        return Refuse(QStringLiteral("the birth date %1 is after the display date %2")
                          .arg(parser.value(birth), parser.value(date)));
    if (!ReadKinds(parser.value(cycles), c.options.kinds, error)) return Refuse(error);

    bool ok = false;
    c.options.devicePixelRatio = parser.value(scale).toDouble(&ok);
    if (!ok || !(c.options.devicePixelRatio >= 1 && c.options.devicePixelRatio <= MaxScale))
        return Refuse(QStringLiteral("--scale %1: a number from 1 to %2")
                          .arg(parser.value(scale))
                          .arg(MaxScale));

    c.language = parser.value(language);
    if (parser.isSet(language) && c.language != QLatin1String("id") &&
        c.language != QLatin1String("en"))
        return Refuse(QStringLiteral("--language %1: id or en").arg(c.language));
    c.options.centre = parser.isSet(centre);
    c.options.criticalMarks = parser.isSet(marks);
    c.options.trueMoon = parser.isSet(trueMoon);
    c.output = parser.value(output);
    if (c.output.isEmpty()) return Refuse(QStringLiteral("--output: the file name is empty"));
    const auto chosen = parser.isSet(format)
                            ? FormatOfName(QStringLiteral("x.") + parser.value(format))
                            : FormatOfName(c.output);
    if (!chosen)
        return Refuse(
            parser.isSet(format)
                ? QStringLiteral("--format %1: one of png, svg, pdf, csv").arg(parser.value(format))
                : QStringLiteral("output %1: the name must end in .png, .svg, .pdf or "
                                 ".csv, or --format must say which")
                      .arg(c.output));
    c.format = *chosen;
    c.options.person = parser.value(name).simplified();
    if (parser.isSet(compare)) {
        c.options.compare = ReadDate(QStringLiteral("compare"), parser.value(compare), error);
        if (!error.isEmpty()) return Refuse(error);
        c.options.comparePerson = parser.value(compareName).simplified();
    } else if (parser.isSet(compareName)) {
        return Refuse(QStringLiteral("--compare-name needs --compare"));
    }
    c.pages.svg = parser.isSet(page);
    if (c.pages.svg && c.format != ExportFormat::Svg)
        return Refuse(QStringLiteral("--page: for an SVG only"));
    c.pages.count = parser.value(pages).toInt(&ok);
    if (!ok || c.pages.count < 1 || c.pages.count > MaxPages)
        return Refuse(QStringLiteral("--pages %1: a whole number from 1 to %2")
                          .arg(parser.value(pages))
                          .arg(MaxPages));
    if (c.pages.count > 1 && c.format != ExportFormat::Pdf)
        return Refuse(QStringLiteral("--pages: for a PDF only"));
    c.action = ChartCommand::Action::Render;
    return c;
}

Listing MakeListing(const ChartCommand& command, const QDateTime& stamp) {
    const QDate from = command.options.display;
    const QDate last(cal::LastYear, 12, 31);
    Listing listing;
    if (cal::DiffDays(from, last) + 1 < command.span)
        listing.note =
            QStringLiteral("the list stops at %1, the last day of the years Ondulix knows")
                .arg(last.toString(Qt::ISODate));
    const std::int32_t days = std::min(command.span, cal::DiffDays(from, last) + 1);
    if (command.action == ChartCommand::Action::Critical) {
        const auto found = CriticalDays(command.options.birth, from, days, command.options.kinds);
        listing.bytes =
            command.output.isEmpty()
                ? CriticalLines(found).toUtf8()
                : CriticalCalendar(
                      CriticalEvents(command.options.person, command.options.birth, found), stamp);
        return listing;
    }
    const QDateTime start = from.startOfDay();
    for (const moon::PhaseMoment& phase :
         moon::PrincipalPhases(start.toUTC(), from.addDays(days).startOfDay().toUTC()))
        listing.bytes += (phase.utc.toLocalTime().date().toString(Qt::ISODate) + u'\t' +
                          moon::PhaseKeyword(phase.phase) + u'\n')
                             .toUtf8();
    return listing;
}

} // namespace chart
