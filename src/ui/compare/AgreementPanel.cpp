#include "ui/compare/AgreementPanel.h"

#include "chart/Agreement.h"
#include "chart/ChartReadout.h"
#include "ui/widgets/Controls.h"
#include "util/Calendar.h"
#include "util/Words.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString Percent(double value) {
    return words::Locale().toString(value, 'f', 1) + u'%';
}

} // namespace

AgreementPanel::AgreementPanel(QWidget* parent, Source source)
    : QDialog(parent), m_source(std::move(source)) {
    connect(m_source.chart, &chart::ChartState::Changed, this, &AgreementPanel::Refresh);
    auto* layout = new QVBoxLayout(this);
    m_pair = new QLabel(this);
    m_pair->setWordWrap(true);
    m_pair->setTextFormat(Qt::PlainText); // names are shown as typed
    layout->addWidget(m_pair);
    m_cycles = NewTable(this, {}, {});
    layout->addWidget(m_cycles, 2);
    m_overall = new QLabel(this);
    m_overall->setTextFormat(Qt::PlainText);
    layout->addWidget(m_overall);
    m_method = new QLabel(this);
    m_method->setWordWrap(true);
    layout->addWidget(m_method);
    m_rankTitle = new QLabel(this);
    m_rankTitle->setTextFormat(Qt::PlainText);
    layout->addWidget(m_rankTitle);
    m_ranking = NewTable(this, {}, {});
    Name();
    m_rankTitle->setBuddy(m_ranking);
    layout->addWidget(m_ranking, 3);
    // Enter, a double click or a click on a row chooses; the arrows only move.
    const auto pick = [this](QTreeWidgetItem* item) {
        if (item && m_source.choose)
            m_source.choose(people::PersonId(item->data(0, Qt::UserRole).toUInt()));
    };
    connect(m_ranking, &QTreeWidget::itemActivated, this, pick);
    connect(m_ranking, &QTreeWidget::itemClicked, this, pick);
    resize(440, 520);
}

void AgreementPanel::Name() {
    using words::Tr;
    setWindowTitle(Tr(QT_TRANSLATE_NOOP("Ondulix", "Kecocokan")));
    m_cycles->setHeaderLabels({Tr(QT_TRANSLATE_NOOP("Ondulix", "Siklus")),
                               Tr(QT_TRANSLATE_NOOP("Ondulix", "Kecocokan")),
                               Tr(QT_TRANSLATE_NOOP("Ondulix", "Selisih"))});
    m_cycles->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Ondulix", "Kecocokan per siklus")));
    m_method->setText(chart::AgreementMethod());
    m_ranking->setHeaderLabels(
        {Tr(QT_TRANSLATE_NOOP("Ondulix", "Nama")), Tr(QT_TRANSLATE_NOOP("Ondulix", "Kecocokan"))});
    m_ranking->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Ondulix", "Siapa paling cocok")));
}

void AgreementPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Name();
        m_ranked.clear(); // its rows are words too
        Refresh();
    }
    QDialog::changeEvent(event);
}

void AgreementPanel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
    m_ranking->setFocus(); // where the choosing is
}

void AgreementPanel::Refresh() {
    if (!isVisible()) return;
    const chart::ChartOptions& chart = m_source.chart->Options();
    ShowAgreement(chart);
    ShowRanking(chart);
}

void AgreementPanel::ShowAgreement(const chart::ChartOptions& chart) {
    m_cycles->clear();
    if (!chart.compare.isValid() || !chart.birth.isValid()) {
        m_pair->setText(words::Tr(
            QT_TRANSLATE_NOOP("Ondulix", "Belum ada pembanding: pilih seseorang di daftar di bawah "
                                         "atau di menu Bandingkan.")));
        m_overall->clear();
        m_cycles->setAccessibleDescription({});
        return;
    }
    const QString first = chart::FirstPersonName(chart), second = chart::SecondPersonName(chart);
    const std::int64_t apart = cal::DiffDays(chart.birth, chart.compare);
    m_pair->setText(
        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 (lahir %2) dan %3 (lahir %4): selisih %5 hari."))
            .arg(first, chart::LongDateId(chart.birth), second, chart::LongDateId(chart.compare),
                 words::Locale().toString(qAbs(apart))));
    for (std::int32_t kind = chart::FirstKind; kind <= chart::LastKind; ++kind) {
        if (!chart.kinds[kind]) continue;
        new QTreeWidgetItem(m_cycles,
                            {chart::CycleCaption(kind), Percent(chart::Agreement(kind, apart)),
                             kind <= chart::LastPrimaryKind
                                 ? chart::LeadText(kind, apart, first, second)
                                 : words::Tr(QT_TRANSLATE_NOOP("Ondulix", "gabungan"))});
    }
    m_overall->setText(
        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Rata-rata siklus yang dicentang: ")) +
        Percent(chart::OverallAgreement(chart.kinds, apart)));
    // Heard again whenever the table is reached, not once inside a long sentence.
    m_cycles->setAccessibleDescription(m_overall->text());
}

void AgreementPanel::ShowRanking(const chart::ChartOptions& chart) {
    const people::FriendList& people = m_source.people();
    // The chart's own person is not ranked against themself.
    const people::PersonId self = m_source.chart->Person();
    std::vector<people::PersonId> ranked;
    std::vector<QDate> births;
    QString made = chart.birth.toString(Qt::ISODate); // what the rows are made from
    for (std::int32_t kind = chart::FirstKind; kind <= chart::LastKind; ++kind)
        made += chart.kinds[kind] ? u'1' : u'0';
    for (std::int32_t i = 0; i <= people.FriendCount; ++i) {
        const QDate birth = people.BirthDate(i);
        if (people.Id(i) == self || !birth.isValid()) continue;
        ranked.push_back(people.Id(i));
        births.push_back(birth);
        made += u'\n' + people.FriendName[i] + u'\t' + QString::number(birth.toJulianDay());
    }
    m_rankTitle->setText(
        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Siapa paling &cocok dengan %1:"))
            .arg(QString(chart::FirstPersonName(chart)).replace(u'&', QStringLiteral("&&"))));
    if (made != m_ranked) {
        m_ranked = made;
        m_ranking->clear();
        if (chart.birth.isValid()) {
            QList<QTreeWidgetItem*> rows;
            for (const std::size_t i : chart::RankByAgreement(chart.birth, births, chart.kinds)) {
                auto* row = new QTreeWidgetItem(
                    {people::ShownName(people.FriendName[people.IndexOf(ranked[i])]),
                     Percent(chart::OverallAgreement(chart.kinds,
                                                     cal::DiffDays(chart.birth, births[i])))});
                row->setData(0, Qt::UserRole, ranked[i]);
                rows << row;
            }
            m_ranking->addTopLevelItems(rows);
            if (!rows.isEmpty()) m_ranking->setCurrentItem(rows.front());
        }
    }
    // The second person's row stays marked.
    for (int i = 0; i < m_ranking->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = m_ranking->topLevelItem(i);
        QFont font = row->font(0);
        font.setBold(chart.compare.isValid() &&
                     row->data(0, Qt::UserRole).toUInt() == m_source.chart->Compared());
        row->setFont(0, font);
        row->setFont(1, font);
        if (font.bold()) m_ranking->setCurrentItem(row); // the keyboard's place too
    }
}
