#include "ui/chartview/DayCursor.h"

#include "chart/ChartExport.h"
#include "plot/Twips.h"
#include "ui/widgets/SpokenItems.h"
#include "ui/widgets/Words.h"
#include "util/Calendar.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <cmath>

namespace {

using chart::PlotWindowSetup;

// Twips of the plot window per chart day and per chart unit of value, as the
// plot toolkit maps them.
constexpr double TwipsPerDay = chart::HoursPerDay * PlotWindowSetup::ScaleX;
constexpr double TwipsPerUnit = PlotWindowSetup::ScaleY;
constexpr double UnitsPerPercent = chart::FullSwing / 100.0;

} // namespace

DayCursor::DayCursor(QWidget* parent, const chart::ChartState& state)
    : QWidget(parent), m_state(state) {
    connect(&state, &chart::ChartState::Changed, this, &DayCursor::ChartRedrawn);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    words::Keep(this, QT_TRANSLATE_NOOP("Ondulix", "Grafik siklus"),
                [this](const QString& name) { setAccessibleName(name); });
    // For a screen reader, a list of the chart's days, named by what each says
    // in short; the full readout is the line under the chart.
    spoken::GiveItems(this, {.role = QAccessible::List,
                             // No chart (born after the display date): no days.
                             .count = [this] { return m_state.Span() ? chart::ChartDayCount : 0; },
                             .name =
                                 [this](int day) {
                                     const auto options = Chart();
                                     const auto read =
                                         options ? chart::ReadDay(*options, day) : std::nullopt;
                                     return read ? chart::SpokenReadout(*read) : QString();
                                 },
                             .summary = [this] { return Summary(); },
                             .current = [this] { return m_day.value_or(-1); }});
}

QRect DayCursor::Strip(std::optional<double> x) const {
    if (!x) return QRect();
    constexpr int HalfWidth = 6; // the dots' radius and pen, and a pixel to spare
    return QRect(static_cast<int>(std::floor(*x)) - HalfWidth, 0, 2 * HalfWidth + 1, height());
}

double DayCursor::XOfDay(int day) const {
    return day * TwipsPerDay / TwipsPerPixel;
}

int DayCursor::DayAt(double x) const {
    // The nearest day line: a day's number is centred on its line.
    return std::clamp(static_cast<int>(std::floor(x * TwipsPerPixel / TwipsPerDay + 0.5)), 0,
                      chart::ChartDayCount - 1);
}

void DayCursor::SetDay(std::optional<int> day) {
    std::optional<chart::ChartOptions> options;
    if (day) options = Chart();
    m_read = options ? chart::ReadDay(*options, *day) : std::nullopt;
    m_day = m_read ? day : std::nullopt;
    m_date = m_read ? m_read->date : QDate();
    const QString readout = m_read ? chart::ReadoutText(*m_read) : QString();
    // Only the strips the cursor leaves and takes are painted again.
    update(Strip(m_shownAt));
    m_shownAt = m_day ? std::optional(XOfDay(*m_day)) : std::nullopt;
    update(Strip(m_shownAt));
    if (readout == m_readout) return;
    m_readout = readout;
    if (ReadoutChanged) ReadoutChanged(m_readout);
}

void DayCursor::ChartRedrawn() {
    if (!m_date.isValid()) return SetDay(std::nullopt);
    const auto options = Chart();
    const auto span =
        options ? chart::ChooseChartSpan(options->birth, options->display, options->centre)
                : std::nullopt;
    const int day = span ? cal::DiffDays(span->start, m_date) : -1;
    SetDay(day >= 0 && day < chart::ChartDayCount ? std::optional(day) : std::nullopt);
}

QString DayCursor::Summary() const {
    const auto options = Chart();
    const QString summary = options ? chart::ChartSummary(*options) : QString();
    return summary.isEmpty()
               ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Grafik siklus: tidak ada grafik"))
               : summary;
}

void DayCursor::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (hasFocus()) { // a focus mark that shows on the chart's white
        p.setPen(QPen(QColor(0, 0, 160), 2, Qt::DashLine));
        p.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
    if (!m_read) return;
    const double x = XOfDay(*m_day);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawLine(QPointF(x, 0), QPointF(x, height()));
    p.setRenderHint(QPainter::Antialiasing);
    const chart::CycleTables tables = chart::MakeCycleTables();
    const auto dots = [&](const std::vector<chart::DayReadout::Item>& items, bool second) {
        for (const chart::DayReadout::Item& item : items) {
            const double units = 100 - UnitsPerPercent * item.percent; // from the top
            const QPointF at(x, units * TwipsPerUnit / TwipsPerPixel);
            const QColor colour = ToQColor(tables.CycleColor[item.kind]);
            // The second person's dots are rings, as their curves are dashed.
            p.setPen(second ? QPen(colour, 2) : QPen(Qt::black, 1));
            p.setBrush(second ? QColor(Qt::white) : colour);
            p.drawEllipse(at, 3.5, 3.5);
        }
    };
    if (m_read->other) dots(m_read->other->items, true);
    dots(m_read->items, false);
}

void DayCursor::mouseMoveEvent(QMouseEvent* event) {
    SetDay(DayAt(event->position().x()));
    // Beside the pointer, a few short lines; Qt keeps it on the screen.
    if (m_read)
        QToolTip::showText(event->globalPosition().toPoint() + QPoint(16, 16),
                           chart::ReadoutTip(*m_read), this);
}

void DayCursor::leaveEvent(QEvent*) {
    if (hasFocus()) return; // the keyboard is using it
    QToolTip::hideText();
    SetDay(std::nullopt);
}

void DayCursor::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();     // the focus mark
    if (!m_day) { // start where the display date is
        const auto options = Chart();
        const auto span =
            options ? chart::ChooseChartSpan(options->birth, options->display, options->centre)
                    : std::nullopt;
        SetDay(span ? std::optional(cal::DiffDays(span->start, options->display)) : std::nullopt);
    }
    update();
    // After the chart's own focus has been told: then the day it is on.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && m_day) spoken::FocusItem(this, *m_day);
    });
}

void DayCursor::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (!underMouse()) SetDay(std::nullopt);
    update();
}

namespace {

// The cursor's keys: a step of days, or (`to`) a day of the chart.
struct CursorKey {
    Qt::Key key;
    int step;
    std::optional<int> to;
    const char* what;
};
constexpr CursorKey CursorKeys[] = {
    {Qt::Key_Left, -1, {}, QT_TRANSLATE_NOOP("Ondulix", "Grafik: hari sebelumnya")},
    {Qt::Key_Right, 1, {}, QT_TRANSLATE_NOOP("Ondulix", "Grafik: hari berikutnya")},
    {Qt::Key_PageUp, -7, {}, QT_TRANSLATE_NOOP("Ondulix", "Grafik: seminggu sebelumnya")},
    {Qt::Key_PageDown, 7, {}, QT_TRANSLATE_NOOP("Ondulix", "Grafik: seminggu berikutnya")},
    {Qt::Key_Home, 0, 0, QT_TRANSLATE_NOOP("Ondulix", "Grafik: hari pertama")},
    {Qt::Key_End, 0, chart::ChartDayCount - 1,
     QT_TRANSLATE_NOOP("Ondulix", "Grafik: hari terakhir")},
};

} // namespace

QList<std::pair<QString, QString>> DayCursor::KeyHelp() {
    QList<std::pair<QString, QString>> help;
    for (const CursorKey& k : CursorKeys)
        help.append({QKeySequence(k.key).toString(QKeySequence::NativeText), words::Tr(k.what)});
    help.append(
        {QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText),
         words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Grafik: hari itu menjadi tanggal tampilan"))});
    return help;
}

void DayCursor::keyPressEvent(QKeyEvent* event) {
    const int day = m_day.value_or(0);
    for (const CursorKey& k : CursorKeys)
        if (event->key() == k.key) {
            SetDay(std::clamp(k.to.value_or(day + k.step), 0, chart::ChartDayCount - 1));
            if (m_day) spoken::FocusItem(this, *m_day); // said again at either end
            return;
        }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_read && DayChosen) DayChosen(m_read->date);
        return;
    }
    QWidget::keyPressEvent(event);
}
