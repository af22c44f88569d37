#include "chart/ChartExport.h"

#include "chart/ChartPage.h"
#include "chart/ChartReadout.h"
#include "chart/ChartValues.h"
#include "plot/PainterSurface.h"
#include "plot/Twips.h"
#include "util/Calendar.h"
#include "util/Csv.h"
#include "util/SaveWhole.h"
#include "util/Words.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <functional>

namespace chart {

namespace {

constexpr int TwipsPerInch = 1440;

QString LongDate(QDate date) {
    // The order of a language's long dates is its translation's.
    return cal::ShownLocale().toString(date,
                                       words::Tr(QT_TRANSLATE_NOOP("Ondulix", "d MMMM yyyy")));
}

// An SVG of `viewBox` in twips (one user unit per twip; width and height in
// mm), titled by the chart, drawn by `paint`. QSvgGenerator writes its title
// as given: escaped here.
QByteArray SvgOf(const ChartOptions& options, const QRect& viewBox,
                 const std::function<void(QPainter&)>& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(TwipsPerInch);
    svg.setSize(viewBox.size());
    svg.setViewBox(viewBox);
    svg.setTitle(ShowableText(ChartTitle(options)).toHtmlEscaped());
    svg.setDescription(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Drawn by Ondulix %1"))
                           .arg(QStringLiteral(ONDULIX_VERSION)));
    QPainter painter(&svg);
    paint(painter);
    painter.end();
    return buffer.data();
}

QByteArray Svg(const ChartOptions& options) {
    return SvgOf(options, ChartArea, [&](QPainter& painter) {
        PainterSurface::Geometry geometry = PainterSurface::Identity(ChartArea);
        geometry.lineWidth = TwipsPerPixel; // a screen pixel at the file's own size
        PainterSurface surface(painter, geometry, WindowBackColor);
        DrawWholeChart(surface, options);
    });
}

// A4, or Letter where the user's own locale measures in inches (whatever the
// language shown); landscape, 10 mm margins.
QPageLayout PaperLayout() {
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                       QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

QByteArray Pdf(const ChartOptions& options, int pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(TwipsPerInch);
    pdf.setPageLayout(PaperLayout());
    pdf.setTitle(ChartTitle(options));
    pdf.setCreator(QStringLiteral("Ondulix " ONDULIX_VERSION));
    QPainter painter(&pdf);
    PaintChartPages(painter, pdf, options, pages, QDate::currentDate());
    painter.end();
    return buffer.data();
}

// The page as an SVG, in twips, its size the paper's.
QByteArray SvgPage(const ChartOptions& options) {
    const QPageLayout paper = PaperLayout();
    const auto twips = [](const QRectF& points) {
        return QRectF(points.topLeft() * TwipsPerPoint, points.size() * TwipsPerPoint);
    };
    const QRect whole = twips(paper.fullRectPoints()).toRect();
    return SvgOf(options, whole, [&](QPainter& painter) {
        painter.fillRect(whole, Qt::white);
        PaintChartPage(painter, twips(paper.paintRectPoints()), options, QDate::currentDate());
    });
}

QByteArray Png(const ChartOptions& options) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // Quality 80 is zlib's fastest level: twice as fast as the default and
    // nearly as small for a chart of flat colours.
    RenderChartImage(options).save(&buffer, "PNG", 80);
    return buffer.data();
}

QByteArray Csv(const ChartOptions& options) {
    const bool compared = options.compare.isValid();
    // With a comparison each person's columns name them, with their own birth date.
    const auto columns = [&options](const QString& name, QDate birth) {
        const QString born =
            words::Tr(QT_TRANSLATE_NOOP("Ondulix", "born ")) + birth.toString(Qt::ISODate);
        QStringList named{words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Day since birth (%1)"))
                              .arg(name.isEmpty() ? born : name + QStringLiteral(", ") + born)};
        for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind)
            if (options.kinds[kind])
                named << CycleCaption(kind) +
                             QStringLiteral(" (%1)").arg(name.isEmpty() ? born : name);
        return named;
    };
    QStringList header{words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Date")),
                       words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Day since birth"))};
    for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind)
        if (options.kinds[kind]) header << CycleCaption(kind);
    const QStringList second =
        compared ? columns(ShowableText(options.comparePerson).simplified(), options.compare)
                 : QStringList();
    if (compared)
        header = QStringList{header[0]} +
                 columns(ShowableText(FirstPersonName(options)).simplified(), options.birth) +
                 second;
    QString text;
    auto row = [&text](const QStringList& fields) {
        QStringList quoted;
        for (const QString& f : fields)
            quoted << csv::Field(f);
        text += quoted.join(u',') + QStringLiteral("\r\n");
    };
    row(header);
    for (const DayValues& day : ChartDays(options)) {
        QStringList fields{day.date.toString(Qt::ISODate), QString::number(day.dayNumber)};
        for (const KindValue& v : day.values)
            fields << PercentText(v.percent);
        if (compared) { // empty before the second person's birth
            fields << (day.dayNumber2 ? QString::number(*day.dayNumber2) : QString());
            for (qsizetype i = 0; i + 1 < second.size(); ++i)
                fields << (day.values2.empty() ? QString()
                                               : PercentText(day.values2[std::size_t(i)].percent));
        }
        row(fields);
    }
    return text.toUtf8();
}

} // namespace

QString ShowableText(const QString& text) {
    QString kept;
    for (const char32_t c : text.toUcs4())
        if (QChar::category(c) != QChar::Other_Control && !QChar::isNonCharacter(c) &&
            !QChar::isSurrogate(c))
            kept += QString::fromUcs4(&c, 1);
    return kept;
}

std::optional<ExportFormat> FormatOfName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const ExportFormat f :
         {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf, ExportFormat::Csv})
        if (suffix == FormatSuffix(f)) return f;
    return std::nullopt;
}

QString FormatSuffix(ExportFormat format) {
    switch (format) {
    case ExportFormat::Png:
        return QStringLiteral("png");
    case ExportFormat::Svg:
        return QStringLiteral("svg");
    case ExportFormat::Pdf:
        return QStringLiteral("pdf");
    case ExportFormat::Csv:
        break;
    }
    return QStringLiteral("csv");
}

QString ChartTitle(const ChartOptions& options) {
    const auto span = ChooseChartSpan(options.birth, options.display, options.centre);
    const QString who =
        options.person.isEmpty() ? QString() : options.person + QStringLiteral(", ");
    return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ondulix: %1born %2, 60 days from %3"))
        .arg(who, LongDate(options.birth), LongDate(span ? span->start : options.display));
}

QImage RenderChartImage(const ChartOptions& options) {
    const double dpr = options.devicePixelRatio;
    const QSize pixels(static_cast<int>(std::lround(ChartArea.width() * dpr / TwipsPerPixel)),
                       static_cast<int>(std::lround(ChartArea.height() * dpr / TwipsPerPixel)));
    QImage image(pixels, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PainterSurface surface(painter, PainterSurface::TwipRaster(ChartArea, dpr),
                               WindowBackColor);
        DrawWholeChart(surface, options);
    }
    image.setDevicePixelRatio(dpr);
    // 96 dots per inch per unit of ratio, so viewers show it at its logical size.
    const int dotsPerMeter = static_cast<int>(std::lround(96 / 0.0254 * dpr));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

QByteArray ChartBytes(const ChartOptions& options, ExportFormat format, OnPages pages) {
    switch (format) {
    case ExportFormat::Png:
        return Png(options);
    case ExportFormat::Svg:
        return pages.svg ? SvgPage(options) : Svg(options);
    case ExportFormat::Pdf:
        return Pdf(options, pages.count);
    case ExportFormat::Csv:
        break;
    }
    return Csv(options);
}

QString WriteChartFile(const ChartOptions& options, const QString& path, ExportFormat format,
                       OnPages pages) {
    if (!ChooseChartSpan(options.birth, options.display, options.centre))
        return QStringLiteral("cannot write %1: the birth date is after the display date")
            .arg(path);
    const QByteArray bytes = ChartBytes(options, format, pages);
    if (bytes.isEmpty()) return QStringLiteral("cannot write %1: encoding failed").arg(path);
    // A birth date can be read off a chart: for the user's eyes alone.
    if (const QString reason = SaveWhole(path, bytes, NewFileAccess::OwnerOnly); !reason.isEmpty())
        return QStringLiteral("cannot write %1: %2").arg(path, reason);
    return QString();
}

} // namespace chart
