#include "ui/friends/ImportDialog.h"

#include "people/PeopleHistory.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/SpokenItems.h"
#include "util/Words.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using people::ImportEntry;
using people::Verdict;

namespace {

QString Shown(QDate date) {
    return date.isValid() ? people::ShownDate(cal::TrioOf(date)) : QString();
}

bool Choosable(const ImportEntry& entry) {
    return entry.verdict == Verdict::New || entry.verdict == Verdict::Update;
}

} // namespace

QString VerdictText(const ImportEntry& entry) {
    const QString cut =
        entry.cut ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", " (nama dipotong dari \u201C%1\u201D)"))
                        .arg(entry.sourceName)
                  : QString();
    switch (entry.verdict) {
    case Verdict::New:
        return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "baru")) + cut;
    case Verdict::Update:
        return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "diperbarui: %1 \u2192 %2"))
                   .arg(Shown(entry.listedBirth), Shown(entry.birth)) +
               cut;
    case Verdict::Same:
        return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "sama")) + cut;
    case Verdict::Skipped:
        break;
    }
    return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "dilewati: ")) + entry.reason;
}

ImportDialog::ImportDialog(QWidget* parent, const QString& fileName, bool csv,
                           std::function<people::ContactsRead(people::DateOrder)> read,
                           std::function<people::FriendList()> list)
    : QDialog(parent), m_read(std::move(read)), m_list(std::move(list)) {
    setWindowTitle(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Impor Teman: ")) +
                   QFileInfo(fileName).fileName());
    auto* layout = new QVBoxLayout(this);
    // The order is asked only where it changes a date.
    const auto dates = [this](people::DateOrder order) {
        QList<QDate> dates;
        for (const people::Contact& c : m_read(order).contacts)
            dates << c.birth;
        return dates;
    };
    if (csv && dates(people::DateOrder::DayMonthYear) != dates(people::DateOrder::MonthDayYear)) {
        auto* label = new QLabel(
            words::Tr(QT_TRANSLATE_NOOP("Ondulix", "&Urutan tanggal seperti 07/01/1960:")), this);
        m_order = new QComboBox(this);
        m_order->addItems({words::Tr(QT_TRANSLATE_NOOP("Ondulix", "hari/bulan/tahun")),
                           words::Tr(QT_TRANSLATE_NOOP("Ondulix", "bulan/hari/tahun")),
                           words::Tr(QT_TRANSLATE_NOOP("Ondulix", "tahun/bulan/hari"))});
        label->setBuddy(m_order);
        layout->addWidget(label);
        layout->addWidget(m_order);
        // What the rows that read only one way say is the choice, changeable.
        const people::ContactsRead any = m_read(people::DateOrder::DayMonthYear);
        m_order->setCurrentIndex(int(people::GuessedOrder(any)));
        m_orderNote = people::OrderNote(any);
        connect(m_order, &QComboBox::currentIndexChanged, this, [this] { Preview(); });
    }
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summary);
    m_rows = NewTable(this,
                      {words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Nama")),
                       words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Tanggal lahir")),
                       words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Status"))},
                      words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Kontak dalam berkas")));
    layout->addWidget(m_rows, 1);
    auto* buttons = new QDialogButtonBox(this);
    m_import = buttons->addButton(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "&Impor")),
                                  QDialogButtonBox::AcceptRole);
    buttons->addButton(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Batal")),
                       QDialogButtonBox::RejectRole);
    m_import->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The notice beside the buttons: the row above keeps its height.
    m_said = new Notice(this);
    m_said->setStyleSheet({}); // in the dialog's own colours
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_said, 1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    connect(m_rows, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* row) {
        Counted();
        m_said->Say(row->data(0, Qt::AccessibleTextRole).toString(), {}, {}, 4000);
    });
    resize(560, 460);
    Preview();
}

void ImportDialog::Preview() {
    const auto order = static_cast<people::DateOrder>(m_order ? m_order->currentIndex() : 0);
    const people::ContactsRead read = m_read(order);
    for (int i = 0; i < m_rows->topLevelItemCount(); ++i)
        if (Choosable(m_entries[std::size_t(i)]))
            m_ticks.insert(m_entries[std::size_t(i)].name,
                           m_rows->topLevelItem(i)->checkState(0) == Qt::Checked);
    m_entries = people::PreviewImport(m_list(), read.contacts);
    for (ImportEntry& entry : m_entries)
        if (Choosable(entry)) entry.chosen = m_ticks.value(entry.name, entry.chosen);
    const QSignalBlocker quiet(m_rows);
    m_rows->clear();
    QList<QTreeWidgetItem*> rows;
    for (const ImportEntry& entry : m_entries) {
        auto* row = new QTreeWidgetItem({entry.name.isEmpty() ? entry.sourceName : entry.name,
                                         Shown(entry.birth), VerdictText(entry)});
        for (int column = 0; column < row->columnCount(); ++column) // a cut cell read whole
            row->setToolTip(column, row->text(column));
        if (Choosable(entry)) {
            row->setCheckState(0, entry.chosen ? Qt::Checked : Qt::Unchecked);
            spoken::TellTick(row);
        } else
            row->setFlags(row->flags() & ~Qt::ItemIsUserCheckable); // readable, not tickable
        rows << row;
    }
    m_rows->addTopLevelItems(rows);
    if (!rows.isEmpty()) m_rows->setCurrentItem(rows.front());
    m_summary->setProperty("problem", read.problem);
    Counted();
}

std::vector<ImportEntry> ImportDialog::Chosen() const {
    std::vector<ImportEntry> chosen;
    for (int i = 0; i < m_rows->topLevelItemCount(); ++i) {
        ImportEntry entry = m_entries[std::size_t(i)];
        entry.chosen = Choosable(entry) && m_rows->topLevelItem(i)->checkState(0) == Qt::Checked;
        if (entry.chosen) chosen.push_back(entry);
    }
    return chosen;
}

void ImportDialog::Counted() {
    int counts[4] = {};
    for (const ImportEntry& entry : m_entries)
        ++counts[int(entry.verdict)];
    const auto chosen = Chosen().size();
    QString text =
        words::Tr(
            QT_TRANSLATE_NOOP(
                "Ondulix", "%1 kontak: %2 baru, %3 diperbarui, %4 sama, %5 dilewati. %6 dipilih."))
            .arg(m_entries.size())
            .arg(counts[int(Verdict::New)])
            .arg(counts[int(Verdict::Update)])
            .arg(counts[int(Verdict::Same)])
            .arg(counts[int(Verdict::Skipped)])
            .arg(chosen);
    const QString problem = m_summary->property("problem").toString();
    if (!m_orderNote.isEmpty()) text = m_orderNote + u'\n' + text;
    if (!problem.isEmpty()) text = problem + u'\n' + text;
    m_summary->setText(text);
    m_import->setEnabled(chosen > 0);
}
