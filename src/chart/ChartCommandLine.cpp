#include "chart/ChartCommandLine.h"

#include "chart/Agreement.h"
#include "util/Calendar.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace chart {

namespace {

constexpr double MaxScale = 4;

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
    parser.addOptions({help, version, birth, date, centre, cycles, scale, format, output, name,
                       page, pages, compare, compareName, agreement});

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

    c.options.centre = parser.isSet(centre);
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

} // namespace chart
