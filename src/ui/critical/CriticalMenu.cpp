#include "ui/critical/CriticalMenu.h"

#include "chart/ChartReadout.h"
#include "ui/widgets/ChartDialogs.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/Words.h"
#include "util/Calendar.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QDate LastDay() {
    return QDate(cal::LastYear, 12, 31);
}

} // namespace

CriticalMenu::CriticalMenu(Window window) : QObject(window.window), w(std::move(window)) {
    // Its letters are all taken by the window's own keys: Alt+O and the arrows reach it.
    QMenu* menu = w.window->menuBar()->addMenu(QString());
    words::KeepText(menu->menuAction(), QT_TRANSLATE_NOOP("Ondulix", "Tampilan"));
    const auto option = [&](const char* caption) {
        QAction* a = menu->addAction(QString());
        words::KeepText(a, caption);
        a->setCheckable(true);
        connect(a, &QAction::toggled, this, [this] { w.guard(w.optionsChanged); });
        return a;
    };
    mnuMarks = option(QT_TRANSLATE_NOOP("Ondulix", "Tandai Hari &Kritis"));
    mnuTrueMoon = option(QT_TRANSLATE_NOOP("Ondulix", "Fase &Bulan Sebenarnya"));
    menu->addSeparator();
    mnuCriticalDays = menu->addAction(QString());
    words::KeepText(mnuCriticalDays, QT_TRANSLATE_NOOP("Ondulix", "&Hari Kritis..."));
    mnuCriticalDays->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(mnuCriticalDays, &QAction::triggered, this,
            [this] { w.guard([this] { ShowList(); }); });
    QAction* calendar = menu->addAction(QString());
    words::KeepText(calendar,
                    QT_TRANSLATE_NOOP("Ondulix", "Ekspor Hari Kritis ke &Kalender (.ics)..."));
    connect(calendar, &QAction::triggered, this, [this] { w.guard([this] { ExportCalendar(); }); });
}

std::int32_t CriticalMenu::Span() const {
    return Spans[m_span ? std::max(m_span->currentIndex(), 0) : 1];
}

std::vector<CriticalMenu::Listee> CriticalMenu::Listed() const {
    const chart::ChartOptions& chart = w.state->Options();
    std::vector<Listee> people{{chart::FirstPersonName(chart), chart.birth, {}}};
    if (chart.compare.isValid())
        people.push_back({chart::SecondPersonName(chart), chart.compare, {}});
    const std::int32_t atLeast = m_filter && m_filter->currentIndex() == 1 ? 2 : 1;
    for (Listee& person : people)
        person.days =
            chart::CriticalDays(person.birth, chart.display, Span(), chart.kinds, atLeast);
    return people;
}

void CriticalMenu::ShowList() {
    if (!m_dialog) {
        m_dialog = new QDialog(w.window);
        // Every word kept in the language in use, the list refilled at a change.
        using words::Keep;
        // Kept while this menu lives; the list, a child of the window, may go first.
        Keep(this, QT_TRANSLATE_NOOP("Ondulix", "Hari Kritis"),
             [this, dialog = QPointer<QDialog>(m_dialog)](const QString& title) {
                 if (!dialog) return;
                 dialog->setWindowTitle(title);
                 if (m_rows) Fill();
             });
        auto* layout = new QVBoxLayout(m_dialog);
        auto* choices = new QHBoxLayout;
        const auto choice = [this](const char* name, std::initializer_list<const char*> items) {
            auto* box = new QComboBox(m_dialog);
            Keep(box, name, [box](const QString& n) { box->setAccessibleName(n); });
            for (const char* item : items) {
                box->addItem(QString());
                Keep(box, item, [box, i = box->count() - 1](const QString& text) {
                    box->setItemText(i, text);
                });
            }
            return box;
        };
        m_span = choice(
            QT_TRANSLATE_NOOP("Ondulix", "Rentang"),
            {QT_TRANSLATE_NOOP("Ondulix", "60 hari"), QT_TRANSLATE_NOOP("Ondulix", "200 hari"),
             QT_TRANSLATE_NOOP("Ondulix", "1 tahun"), QT_TRANSLATE_NOOP("Ondulix", "5 tahun")});
        m_span->setCurrentIndex(1);
        m_filter = choice(QT_TRANSLATE_NOOP("Ondulix", "Saring"),
                          {QT_TRANSLATE_NOOP("Ondulix", "Semua hari kritis"),
                           QT_TRANSLATE_NOOP("Ondulix", "Ganda ke atas")});
        choices->addWidget(m_span);
        choices->addWidget(m_filter, 1);
        layout->addLayout(choices);
        m_rows = NewTable(m_dialog, {QString(), QString(), QString(), QString()}, {});
        int column = 0;
        for (const char* header :
             {QT_TRANSLATE_NOOP("Ondulix", "Tanggal"), QT_TRANSLATE_NOOP("Ondulix", "Siapa"),
              QT_TRANSLATE_NOOP("Ondulix", "Siklus"), QT_TRANSLATE_NOOP("Ondulix", "Jenis")})
            Keep(m_rows, header, [rows = m_rows, c = column++](const QString& text) {
                rows->headerItem()->setText(c, text);
            });
        Keep(m_rows, QT_TRANSLATE_NOOP("Ondulix", "Hari kritis"),
             [rows = m_rows](const QString& name) { rows->setAccessibleName(name); });
        layout->addWidget(m_rows, 1);
        m_note = new QLabel(m_dialog);
        m_note->setWordWrap(true);
        layout->addWidget(m_note);
        m_said = new Notice(m_dialog); // heard in the list's own window
        m_said->setStyleSheet({});
        layout->addWidget(m_said);
        auto* buttons = new QHBoxLayout;
        const auto button = [&](const char* caption, auto&& act) {
            auto* b = new QPushButton(m_dialog);
            words::KeepText(b, caption);
            connect(b, &QPushButton::clicked, this, [this, act] { w.guard(act); });
            buttons->addWidget(b);
        };
        button(QT_TRANSLATE_NOOP("Ondulix", "Rangkap &tiga berikutnya"), [this] { FindNext(3); });
        button(QT_TRANSLATE_NOOP("Ondulix", "Rangkap &empat berikutnya"), [this] { FindNext(4); });
        button(QT_TRANSLATE_NOOP("Ondulix", "Ekspor ke &Kalender (.ics)..."),
               [this] { ExportCalendar(); });
        buttons->addStretch();
        button(QT_TRANSLATE_NOOP("Ondulix", "Tutup"), [this] { m_dialog->close(); });
        layout->addLayout(buttons);
        connect(m_span, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
        connect(m_filter, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
        // Enter or a double-click: that day on the chart, drawn once.
        connect(m_rows, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* row) {
            const QDate day = row->data(0, Qt::UserRole).toDate();
            w.guard([this, day] { w.showDay(day); });
        });
        m_dialog->resize(620, 420);
    }
    Fill();
    if (!m_dialog->isVisible()) PlaceBeside(m_dialog, w.window);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    m_rows->setFocus();
}

void CriticalMenu::Fill() {
    const chart::ChartOptions& chart = w.state->Options();
    struct Row {
        chart::CriticalDay day;
        QString who;
    };
    std::vector<Row> rows;
    for (const Listee& person : Listed())
        for (const chart::CriticalDay& day : person.days)
            rows.push_back({day, person.name});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.day.date < b.day.date; });
    m_rows->clear();
    QList<QTreeWidgetItem*> items;
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem({chart::SpokenDate(row.day.date, true), row.who,
                                          chart::KindNames(row.day.kinds),
                                          chart::Multiplicity(chart::KindCount(row.day.kinds))});
        item->setData(0, Qt::UserRole, row.day.date);
        items << item;
    }
    m_rows->addTopLevelItems(items);
    for (int column = 0; column < m_rows->columnCount(); ++column)
        m_rows->resizeColumnToContents(column);
    QString note = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 hari kritis dari %2."))
                       .arg(rows.size())
                       .arg(chart::LongDateId(chart.display));
    if (cal::DiffDays(chart.display, LastDay()) + 1 < Span())
        note +=
            words::Tr(QT_TRANSLATE_NOOP(
                          "Ondulix", " Daftar berhenti di %1, hari terakhir tahun-tahun Ondulix."))
                .arg(chart::LongDateId(LastDay()));
    m_note->setText(note);
    m_rows->setAccessibleDescription(note);
}

void CriticalMenu::FindNext(std::int32_t atLeast) {
    const chart::ChartOptions& chart = w.state->Options();
    const QString kind = chart::Multiplicity(atLeast);
    std::int32_t shown = 0;
    for (std::int32_t k = chart::FirstKind; k <= chart::LastPrimaryKind; ++k)
        shown += chart.kinds[k] ? 1 : 0;
    QString said;
    if (shown < atLeast) {
        said = words::Tr(QT_TRANSLATE_NOOP(
                             "Ondulix", "Hari kritis %1 perlu %2 siklus utama dicentang; kini %3."))
                   .arg(kind)
                   .arg(atLeast)
                   .arg(shown);
    } else if (const auto found = chart::NextCriticalDay(chart.birth, chart.display.addDays(1),
                                                         chart.kinds, atLeast)) {
        said = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Hari kritis %1 berikutnya: %2 (%3)."))
                   .arg(kind, chart::SpokenDate(found->date, true), chart::KindNames(found->kinds));
        w.showDay(found->date);
    } else {
        said = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Tidak ada hari kritis %1 sampai %2."))
                   .arg(kind, chart::LongDateId(LastDay()));
    }
    m_said->Say(said, {}, {}, 0);
}

void CriticalMenu::ExportCalendar() {
    if (!w.state->Span()) return;
    std::vector<people::AllDayEvent> events;
    for (const Listee& person : Listed()) {
        const auto more = chart::CriticalEvents(person.name, person.birth, person.days);
        events.insert(events.end(), more.begin(), more.end());
    }
    const QString path =
        SaveChosenFile(*w.dialogs, *w.messages, w.window,
                       words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ekspor Hari Kritis")),
                       words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ondulix-hari-kritis.ics")),
                       {words::Tr(QT_TRANSLATE_NOOP("Ondulix", "iCalendar (*.ics)"))}, [&](int) {
                           return chart::CriticalCalendar(events, QDateTime::currentDateTimeUtc());
                       });
    if (!path.isEmpty())
        w.notice->Say(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Disimpan: %1 (%2 hari kritis)"))
                          .arg(QFileInfo(path).fileName())
                          .arg(events.size()),
                      {}, {});
}
