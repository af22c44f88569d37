#include "ui/friends/PeopleMenu.h"

#include "chart/ChartReadout.h"
#include "people/BirthdayCalendar.h"
#include "people/ContactsCsvReader.h"
#include "people/ContactsFile.h"
#include "people/FriendsExport.h"
#include "people/ImportPreview.h"
#include "people/NameFinder.h"
#include "people/PeopleHistory.h"
#include "people/UpcomingBirthdays.h"
#include "people/VCardReader.h"
#include "ui/friends/ImportDialog.h"
#include "ui/widgets/ChartDialogs.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/SpokenItems.h"
#include "ui/widgets/Words.h"
#include "util/SaveWhole.h"
#include "util/Words.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Typing in the friends list, closed or open, goes to the first name that
// holds what was typed, anywhere, whatever its letter case and accents. A
// pause starts a new search. A closed list shows the name at once and takes
// it as the user's pick when the typing pauses, so the names passed on the
// way are never drawn (nor a birth date after the display date refused).
class NameSearch final : public QObject {
public:
    // `say`: tells a reader that nothing matched.
    NameSearch(ComboPicker* list, std::function<void(const QString&)> say)
        : QObject(list), m_list(list), m_say(std::move(say)) {
        list->installEventFilter(this);
        list->view()->installEventFilter(this);
        m_pause.setSingleShot(true);
        m_pause.setInterval(QApplication::keyboardInputInterval());
        connect(&m_pause, &QTimer::timeout, this, [this] { Pick(); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty() || !text[0].isPrint() ||
            (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))) {
            if (m_pause.isActive()) Pick(); // another key: the name found counts first
            return false;
        }
        const bool open = watched == m_list->view();
        if (open && !m_list->view()->isVisible()) return false;
        if (!m_typing.isValid() || m_typing.elapsed() > QApplication::keyboardInputInterval())
            m_typed.clear();
        m_typing.start();
        m_typed += text;
        QStringList names;
        for (int i = 0; i < m_list->count(); ++i)
            names << m_list->itemText(i);
        if (names != m_names) m_names = names, m_finder = people::NameFinder(names);
        const auto found = m_finder.Find(m_typed);
        if (found < 0) { // a miss is heard, not only a find
            m_say(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Tidak ada nama berisi \u201C%1\u201D"))
                      .arg(m_typed));
            return true;
        }
        if (open) {
            m_list->view()->setCurrentIndex(m_list->model()->index(int(found), 0));
        } else if (found != m_list->currentIndex()) {
            if (!m_pause.isActive()) m_from = m_list->currentIndex();
            {
                const QSignalBlocker quiet(m_list);
                m_list->setCurrentIndex(int(found));
            }
            spoken::FocusItem(m_list, int(found)); // the name found, with its birth date
            m_pause.start();
        }
        return true;
    }

private:
    void Pick() {
        m_pause.stop();
        if (m_list->currentIndex() != m_from && m_list->Click) m_list->Click();
    }

    ComboPicker* m_list;
    std::function<void(const QString&)> m_say;
    QString m_typed;
    QElapsedTimer m_typing;
    QTimer m_pause;
    int m_from = -1; // the pick before the search
    QStringList m_names;
    people::NameFinder m_finder{{}};
};

} // namespace

PeopleMenu::PeopleMenu(Window window) : QObject(window.window), w(std::move(window)) {
    QMenu* menu = w.window->menuBar()->addMenu(QString());
    words::KeepText(menu->menuAction(), QT_TRANSLATE_NOOP("Ondulix", "&Kontak"));
    const auto add = [&](const char* caption, void (PeopleMenu::*command)()) {
        QAction* a = menu->addAction(QString());
        words::KeepText(a, caption);
        connect(a, &QAction::triggered, this,
                [this, command] { w.guard([=, this] { (this->*command)(); }); });
        return a;
    };
    mnuUpcoming =
        add(QT_TRANSLATE_NOOP("Ondulix", "&Ulang Tahun Berikutnya..."), &PeopleMenu::ShowUpcoming);
    menu->addSeparator();
    mnuImport = add(QT_TRANSLATE_NOOP("Ondulix", "&Impor Teman..."), &PeopleMenu::Import);
    mnuExport = add(QT_TRANSLATE_NOOP("Ondulix", "&Ekspor Teman..."), &PeopleMenu::Export);
    mnuCalendar = add(QT_TRANSLATE_NOOP("Ondulix", "Ekspor Ulang &Tahun (.ics)..."),
                      &PeopleMenu::ExportCalendar);
    mnuRename = w.edit->addAction(QString());
    words::KeepText(mnuRename, QT_TRANSLATE_NOOP("Ondulix", "Ganti &Nama Teman..."));
    mnuRename->setShortcut(QKeySequence(Qt::Key_F2));
    connect(mnuRename, &QAction::triggered, this, [this] { w.guard([this] { Rename(); }); });
    new NameSearch(w.friends, [this](const QString& said) { w.notice->Say(said, {}, {}); });
    SayAtMidnight();
}

void PeopleMenu::Import() {
    const QString path = w.dialogs->AskOpenFile(
        w.window, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Impor Teman")),
        words::Tr(QT_TRANSLATE_NOOP(
            "Ondulix", "Kontak (*.vcf *.vcard *.csv);;vCard (*.vcf *.vcard);;CSV (*.csv);;Semua "
                       "berkas (*)")),
        m_importFolder);
    if (path.isEmpty()) return;
    m_importFolder = QFileInfo(path).absolutePath(); // the next import starts there
    ImportFile(path);
}

void PeopleMenu::ImportFile(const QString& path) {
    // Read once; a CSV's date order only changes how its dates are read.
    const people::ContactsBytes file = people::ReadContactsBytes(path);
    const QByteArray bytes = file.bytes;
    const people::ContactsRead first = file.problem.isEmpty()
                                           ? people::ReadContacts(bytes, path, {})
                                           : people::ContactsRead{{}, file.problem};
    if (first.contacts.empty()) {
        w.messages->MsgBox(
            w.window,
            words::Tr(
                QT_TRANSLATE_NOOP("Ondulix", "Tidak ada teman yang dapat diimpor dari %1. %2"))
                .arg(QFileInfo(path).fileName(), first.problem),
            MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
        return;
    }
    const bool csv =
        QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    auto* dialog = new ImportDialog(
        w.window, path, csv,
        [bytes, path](people::DateOrder order) { return people::ReadContacts(bytes, path, order); },
        w.whole);
    // Queued: the dialog has finished closing before the list changes (the
    // change redraws, and a redraw runs pending events).
    connect(
        dialog, &QDialog::finished, this,
        [this, dialog, path](int result) {
            const auto chosen = dialog->Chosen();
            dialog->deleteLater();
            if (result != QDialog::Accepted) return;
            w.guard([&] {
                const people::FriendList& before = w.people();
                const people::FriendList after = people::ApplyImport(before, chosen);
                if (people::SameList(before, after))
                    return w.notice->Say(
                        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Tidak ada yang berubah: semua yang "
                                                               "dipilih sudah ada di daftar.")),
                        {}, {});
                w.change(
                    after, before.Id(std::max(0, w.friends->currentIndex())),
                    words::Tr(QT_TRANSLATE_NOOP("Ondulix", "impor %1 teman")).arg(chosen.size()),
                    words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 teman diimpor dari %2"))
                        .arg(chosen.size())
                        .arg(QFileInfo(path).fileName()));
            });
        },
        Qt::QueuedConnection);
    dialog->open();
}

void PeopleMenu::SaveFile(const QString& title, const QString& proposal, const QStringList& filters,
                          const std::function<QByteArray(int)>& bytes) {
    const QString path =
        SaveChosenFile(*w.dialogs, *w.messages, w.window, title, proposal, filters, bytes);
    if (!path.isEmpty())
        w.notice->Say(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Disimpan: ")) +
                          QFileInfo(path).fileName(),
                      {}, {});
}

void PeopleMenu::Export() {
    SaveFile(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ekspor Teman")),
             words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ondulix-teman.vcf")),
             {words::Tr(QT_TRANSLATE_NOOP("Ondulix", "vCard 4.0 (*.vcf)")),
              words::Tr(QT_TRANSLATE_NOOP("Ondulix", "CSV (*.csv)"))},
             [this](int filter) {
                 const people::FriendList whole = w.whole();
                 return filter == 1 ? people::FriendsCsv(whole) : people::FriendsVCard(whole);
             });
}

void PeopleMenu::ExportCalendar() {
    SaveFile(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ekspor Ulang Tahun")),
             words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ondulix-ulang-tahun.ics")),
             {words::Tr(QT_TRANSLATE_NOOP("Ondulix", "iCalendar (*.ics)"))}, [this](int) {
                 return people::BirthdayCalendar(w.whole(), QDateTime::currentDateTimeUtc());
             });
}

void PeopleMenu::ShowUpcoming() {
    QDialog dialog(w.window);
    dialog.setWindowTitle(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ulang Tahun Berikutnya")));
    auto* layout = new QVBoxLayout(&dialog);
    m_upcoming = NewTable(&dialog,
                          {words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Nama")),
                           words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Tanggal")),
                           words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Lagi")),
                           words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Umur"))},
                          words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ulang tahun dalam 30 hari")));
    m_upcomingNote = new QLabel(&dialog);
    m_upcomingNote->setWordWrap(true);
    layout->addWidget(m_upcoming);
    layout->addWidget(m_upcomingNote);
    auto* close = new QPushButton(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Tutup")), &dialog);
    connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    FillUpcoming();
    // Wide enough for a 24-letter name and every column.
    dialog.resize(std::max(440, m_upcoming->header()->length() + 60), 320);
    m_upcoming->setFocus();
    PlaceBeside(&dialog, w.window);
    dialog.exec();
}

void PeopleMenu::FillUpcoming() {
    if (!m_upcoming) return;
    m_upcoming->clear();
    const auto coming = people::UpcomingBirthdays(w.people(), w.today());
    bool moved = false;
    for (const people::UpcomingBirthday& b : coming) {
        moved = moved || b.movedFromLeapDay;
        new QTreeWidgetItem(
            m_upcoming,
            {people::ShownName(b.name),
             chart::SpokenDate(b.date, false) +
                 (b.movedFromLeapDay ? QStringLiteral(" *") : QString()),
             b.daysLeft == 0 ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "hari ini"))
             : b.daysLeft == 1
                 ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "besok"))
                 : words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 hari lagi")).arg(b.daysLeft),
             words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 tahun")).arg(b.age)});
    }
    m_upcomingNote->setText(
        coming.empty() ? words::Tr(QT_TRANSLATE_NOOP(
                             "Ondulix", "Tidak ada ulang tahun dalam 30 hari ke depan."))
        : moved        ? words::Tr(QT_TRANSLATE_NOOP("Ondulix",
                                                     "* Lahir 29 Februari: pada tahun biasa dirayakan 28 "
                                                            "Februari."))
                       : QString());
}

void PeopleMenu::PeopleChanged() {
    // Open previews and the birthday list read the list as it is now.
    for (ImportDialog* preview : w.window->findChildren<ImportDialog*>())
        preview->Preview();
    FillUpcoming();
}

void PeopleMenu::SayAtMidnight() {
    // A window left open overnight says the new day's birthdays too.
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 left = now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0, 1)));
    QTimer::singleShot(std::max<qint64>(left, 1000), this, [this] {
        SayTodaysBirthdays();
        SayAtMidnight();
    });
}

void PeopleMenu::SayTodaysBirthdays() {
    QStringList today;
    for (const people::UpcomingBirthday& b : people::UpcomingBirthdays(w.people(), w.today(), 0))
        today << words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 (%2 tahun)"))
                     .arg(people::ShownName(b.name))
                     .arg(b.age);
    if (!today.isEmpty())
        w.notice->Say(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Hari ini ulang tahun ")) +
                          today.join(QStringLiteral(", ")),
                      {}, {}, 0);
}

void PeopleMenu::Rename() {
    const std::int32_t index = w.friends->currentIndex();
    const people::FriendList& before = w.people();
    if (index < 1 || index > before.FriendCount) {
        w.messages->MsgBox(w.window,
                           words::Tr(QT_TRANSLATE_NOOP(
                               "Ondulix", "Pilih dulu teman yang akan diganti namanya di daftar "
                                          "teman.")),
                           MessageBoxes::OkOnly, AppTitle);
        return;
    }
    const QString old = before.FriendName[index];
    people::FriendList after;
    people::FriendList::RenameResult result{};
    QString name = old;
    using Outcome = people::FriendList::RenameOutcome;
    do { // a refused name is asked again, as typed
        const auto typed = w.dialogs->AskText(
            w.window, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ganti Nama Teman")),
            words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Nama baru untuk %1:")).arg(old), name);
        if (!typed) return;
        name = people::TypedName(*typed);
        after = before;
        result = after.Rename(index, name);
        if (result.outcome != Outcome::Renamed)
            w.messages->MsgBox(
                w.window,
                result.outcome == Outcome::NameTaken
                    ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 sudah ada di daftar teman."))
                          .arg(name)
                    : words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Nama tidak boleh kosong.")),
                MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
    } while (result.outcome != Outcome::Renamed);
    if (name == old) return;
    w.change(after, after.Id(result.index),
             words::Tr(QT_TRANSLATE_NOOP("Ondulix", "ganti nama ")) + old,
             words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 kini bernama %2")).arg(old, name));
}
