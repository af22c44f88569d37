#include "chart/ChartPage.h"

#include "chart/ChartExport.h"
#include "chart/ChartFrame.h"
#include "chart/ChartReadout.h"
#include "chart/ChartValues.h"
#include "moon/MoonPhase.h"
#include "moon/MoonPictures.h"
#include "plot/PainterSurface.h"
#include "plot/Twips.h"
#include "plot/modPlotUtil.h"
#include "util/Calendar.h"
#include "util/Words.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

namespace chart {

namespace {

constexpr int SamplesPerDay = 24; // an hour apart: smooth at 600 dpi

// WCAG's relative luminance.
double Luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// Dashes for a second person's curves and their legend, in pen widths.
const QList<qreal> Dashes{8, 4};

// The curves in the chart's twips: x 1600 + 6 t, y 2300 - 20 v, from `hours`
// after the birth at the chart's start; a second person's dashed, from their
// birth on.
void DrawSmoothCurves(QPainter& painter, const KindSet& kinds, double hours, bool dashed) {
    using W = PlotWindowSetup;
    const CycleTables tables = MakeCycleTables();
    for (std::int32_t kind = FirstKind; kind <= LastKind; ++kind) {
        if (!kinds[kind]) continue;
        QPainterPath path;
        for (int i = 0; i <= ChartDayCount * SamplesPerDay; ++i) {
            const double t = double(i) * HoursPerDay / SamplesPerDay;
            if (hours + t < 0) continue;
            const double v = FullSwing * CycleLevel(tables, kind, hours + t);
            const QPointF p(W::DevLeft + W::ScaleX * t, W::DevTop + W::ScaleY * (W::Y2 - v));
            path.elementCount() == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        QPen pen(PaperColor(kind), 0.6 * TwipsPerPoint);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(dashed ? Qt::FlatCap : Qt::RoundCap);
        if (dashed) pen.setDashPattern(Dashes);
        painter.strokePath(path, pen);
    }
}

} // namespace

QColor PaperColor(std::int32_t kind) {
    QColor c = ToQColor(MakeCycleTables().CycleColor[kind]);
    while ((1.05) / (Luminance(c) + 0.05) < 3) // against white
        c = c.darker(110);
    return c;
}

void PaintChartPage(QPainter& painter, const QRectF& page, const ChartOptions& options,
                    QDate printedOn) {
    const auto span = ChooseChartSpan(options.birth, options.display, options.centre);
    const double unit = page.height() / 40; // a line of small text
    QFont font(PlotWindowSetup::FontName());
    painter.save();
    painter.setPen(Qt::black);

    // Header: whose, born when, the 60 days, the age.
    font.setPixelSize(qMax(1, qRound(unit * 1.6)));
    painter.setFont(font);
    QString who = ShowableText(options.person);
    if (who.trimmed().isEmpty())
        who = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Hari Ulang Tahun saya"));
    // Two people: each with their own birth date.
    if (options.compare.isValid())
        who = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 (lahir %2) dan %3 (lahir %4)"))
                  .arg(ShowableText(FirstPersonName(options)), LongDateId(options.birth),
                       options.comparePerson.isEmpty()
                           ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "pembanding"))
                           : ShowableText(options.comparePerson),
                       LongDateId(options.compare));
    const QRectF title(page.left(), page.top(), page.width(), unit * 2.2);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(font).elidedText(who, Qt::ElideRight, title.width()));
    font.setPixelSize(qMax(1, qRound(unit)));
    painter.setFont(font);
    QStringList facts;
    if (!options.compare.isValid())
        facts << words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Lahir ")) + LongDateId(options.birth);
    if (span)
        facts << QStringLiteral("%1 \u2013 %2")
                     .arg(LongDateId(span->start),
                          LongDateId(cal::AddDays(span->start, ChartDayCount - 1)))
              << (options.compare.isValid()
                      ? ShowableText(FirstPersonName(options)) +
                            words::Tr(QT_TRANSLATE_NOOP("Ondulix", " berumur "))
                      : words::Tr(QT_TRANSLATE_NOOP("Ondulix", "umur "))) +
                     words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 hari pada %2"))
                         .arg(words::Locale().toString(span->days), LongDateId(options.display));
    const QRectF factsLine(page.left(), title.bottom(), page.width(), unit * 1.5);
    painter.drawText(factsLine, Qt::AlignLeft | Qt::AlignVCenter,
                     facts.join(QStringLiteral(" \u00B7 ")));

    // Footer.
    const QRectF footer(page.left(), page.bottom() - unit * 1.5, page.width(), unit * 1.5);
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Ondulix " ONDULIX_VERSION " \u00B7 ") +
                         words::Tr(QT_TRANSLATE_NOOP("Ondulix", "dicetak ")) +
                         LongDateId(printedOn));

    // Legend and moon under the chart, the chart between.
    const double legendHeight = unit * 4;
    const QRectF chartRoom(page.left(), factsLine.bottom() + unit * 0.5, page.width(),
                           footer.top() - legendHeight - factsLine.bottom() - unit);
    const double scale =
        std::min(chartRoom.width() / PaperArea.width(), chartRoom.height() / PaperArea.height());
    const QRectF chartRect(chartRoom.topLeft(), QSizeF(PaperArea.size()) * scale);
    if (!span) {
        font.setPixelSize(qMax(1, qRound(unit * 2)));
        painter.setFont(font);
        painter.drawText(chartRect, Qt::AlignCenter, UnbornMessage);
        painter.restore();
        return;
    }
    painter.save();
    painter.translate(chartRect.topLeft());
    painter.scale(scale, scale);
    painter.translate(-QPointF(PaperArea.topLeft()));
    {
        PainterSurface::Geometry geometry = PainterSurface::Identity(PaperArea);
        geometry.lineWidth = 0.25 * TwipsPerPoint;
        PainterSurface surface(painter, geometry, WindowBackColor);
        InitChartPlot(surface);
        modPlotUtil::PlotClear(surface);
        DrawDayGrid(surface, span->start, span->marker);
        DrawChartLabels(surface, span->start);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(QRectF(PlotWindowSetup::DevLeft, PlotWindowSetup::DevTop,
                               PlotWindowSetup::SpanX, PlotWindowSetup::SpanY));
    DrawSmoothCurves(painter, options.kinds, span->hours, false);
    if (options.compare.isValid() && options.compare != options.birth) // else one set
        DrawSmoothCurves(painter, options.kinds, cal::DiffHours(options.compare, span->start),
                         true);
    painter.restore();

    // Legend: the display date, then each shown cycle's colour, name and value
    // on it; with a comparison, a row for each person, after their name.
    const QRectF legend(page.left(), chartRect.bottom() + unit * 0.5, page.width() - unit * 14,
                        legendHeight - unit);
    const auto read = ReadDay(options, cal::DiffDays(span->start, options.display));
    QPointF at = legend.topLeft();
    const auto row = [&](const std::vector<DayReadout::Item>& items, const QString& whose,
                         bool dashed) {
        if (at.x() > legend.left()) at = QPointF(legend.left(), at.y() + unit * 1.4);
        if (!whose.isEmpty()) {
            painter.setPen(Qt::black);
            painter.drawText(QPointF(at.x(), at.y() + unit * 0.8), whose);
            at.rx() += unit + QFontMetricsF(font).horizontalAdvance(whose);
        }
        for (const DayReadout::Item& item : items) {
            const QString text =
                CycleCaption(item.kind) + QStringLiteral(" %1%")
                                              .arg(PercentText(item.percent))
                                              .replace(u'.', words::Locale().decimalPoint());
            const double width = unit * 2.5 + QFontMetricsF(font).horizontalAdvance(text);
            if (at.x() + width > legend.right() && at.x() > legend.left()) // the next row
                at = QPointF(legend.left(), at.y() + unit * 1.4);
            QPen pen(PaperColor(item.kind), unit * 0.4);
            pen.setCapStyle(Qt::FlatCap);
            if (dashed) pen.setDashPattern({1.5, 0.75});
            painter.setPen(pen);
            painter.drawLine(QPointF(at.x(), at.y() + unit * 0.5),
                             QPointF(at.x() + unit * 1.5, at.y() + unit * 0.5));
            painter.setPen(Qt::black);
            painter.drawText(QPointF(at.x() + unit * 2, at.y() + unit * 0.8), text);
            at.rx() += width;
        }
    };
    // Whose values, on which day: each page its own display date.
    const QString on =
        read ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Pada ")) + LongDateId(read->date)
             : QString();
    if (read && read->other) {
        row(read->items, on + QStringLiteral(", ") + ShowableText(read->other->first) + u':',
            false);
        row(read->other->items,
            ShowableText(read->other->person) +
                (read->other->dayNumber ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", ":"))
                                        : words::Tr(QT_TRANSLATE_NOOP("Ondulix", ": belum lahir"))),
            true);
    } else if (read) {
        row(read->items, on + u':', false);
    }
    // The display date's moon, right of the legend.
    moon::MoonPictureList pictures;
    const QImage picture =
        pictures.Picture(moon::PictureOfDay(options.display, options.trueMoon), 1);
    const QRectF moonRect(page.right() - unit * 5, chartRect.bottom() + unit * 0.3, unit * 3,
                          unit * 3);
    painter.drawImage(moonRect, picture);
    painter.drawText(QRectF(moonRect.left() - unit * 8, moonRect.bottom(), unit * 11, unit * 1.2),
                     Qt::AlignRight | Qt::AlignVCenter,
                     words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Bulan: ")) +
                         moon::PhaseNameOfDay(options.display, options.trueMoon));
    painter.restore();
}

bool PaintChartPages(QPainter& painter, QPagedPaintDevice& device, const ChartOptions& options,
                     int count, QDate printedOn) {
    ChartOptions page = options;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage()) return false;
        PaintChartPage(painter, QRectF(0, 0, device.width(), device.height()), page, printedOn);
        page.display = cal::AddDays(page.display, ChartDayCount);
    }
    return true;
}

} // namespace chart
