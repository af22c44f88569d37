#include "ui/friends/FriendsPanel.h"

#include "chart/ChartReadout.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/DatePickers.h"
#include "ui/widgets/FormLayout.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/SettingsSaves.h"
#include "ui/widgets/Words.h"
#include "util/modListUtil.h"
#include "util/modStrUtil.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using modListUtil::SelectListItem;

FriendsPanel::FriendsPanel(QWidget* form, Window window)
    : QWidget(form), w(std::move(window)),
      m_people([this](const people::FriendList& list, people::PersonId shown, bool keepViewed) {
          PutPeople(list, shown, keepViewed);
      }) {
    using namespace FormLayout;
    setGeometry(form->rect());
    const QColor black(0, 0, 0), white(255, 255, 255);
    optBirthdate = new QRadioButton(this);
    words::KeepText(optBirthdate, QT_TRANSLATE_NOOP("Ondulix", "Tanggal Lahir"));
    optBirthdate->setFont(Face("MS Sans Serif", 8.25));
    words::KeepToolTip(optBirthdate, QT_TRANSLATE_NOOP("Ondulix", "Set tanggal lahirnya"));
    Colour(optBirthdate, black, white);
    PlaceTwips(optBirthdate, 1080, 4920, 1695, 255);

    cboBDmonth = AddPicker(this, 2880, 4920, 1335);
    cboBDday = AddPicker(this, 4200, 4920, 615);
    cboBDyear = AddPicker(this, 4800, 4920, 855);
    DatePickers::FillMonthCombo(*cboBDmonth);

    optBirthday = new QRadioButton(this);
    Colour(optBirthday, black, white);
    PlaceTwips(optBirthday, 1560, 5400, 1215, 255);

    cboFriend = AddPicker(this, 2880, 5400, 2775);

    txtFriend = new NameBox(this, people::MaxNameLength);
    txtFriend->setFont(Face("Courier New", 8.25));
    PlaceTwips(txtFriend, 2880, 3840, 2775, 375);

    lblEnterFriend = AddLabel(this, QT_TRANSLATE_NOOP("Ondulix", "Ketik Nama"), Qt::AlignHCenter,
                              2880, 6360, 2775, black, white);

    cmdsave = AddButton(this, "Save", 2880, 5880, 2775, false);
    for (QObject* control : children())
        control->installEventFilter(this);
    FollowControls();
    m_people.Told = [this](const QString& said, bool undone) {
        const QString instead =
            m_shownInstead.isEmpty()
                ? QString()
                : words::Tr(QT_TRANSLATE_NOOP("Ondulix", ". Kini ditampilkan: ")) + m_shownInstead;
        w.notice->Say(
            (undone ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Diurungkan: ")) + said : said) +
                instead,
            undone ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ulangi"))
                   : words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Urungkan")),
            [this, undone] { undone ? People().redo() : People().undo(); });
    };
}

people::PersonId FriendsPanel::Viewed() const {
    return w.Friends.Id(std::max(cboFriend->ListIndex(), 0));
}

bool FriendsPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::Move ||
        type == QEvent::Resize)
        FollowControls();
    return QWidget::eventFilter(watched, event);
}

void FriendsPanel::FollowControls() {
    QRegion shown;
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->isHidden()) shown += control->geometry();
    setMask(shown.isEmpty() ? QRegion(0, 0, 1, 1) : shown);
}

cal::DateTrio FriendsPanel::PickedBirth() const {
    return {cboBDday->Text(), cboBDmonth->Text(), cboBDyear->Text()};
}

void FriendsPanel::FillFriendCombo(std::int32_t index) {
    cboFriend->Clear();
    for (const QString& name : w.Friends.Names())
        cboFriend->AddItem(name);
    // The own entry as designed, whatever the language shows.
    cboFriend->setItemData(0, people::FriendList::OwnEntryName, Qt::UserRole);
    NameFriends();
    SelectListItem(*cboFriend, w.Friends.FriendName[index], true);
    optBirthday->setChecked(true); // raises its click when it was not selected
}

void FriendsPanel::SaveFriend() {
    const QString name = txtFriend->text();
    const auto place = w.Friends.Place(name);
    using Outcome = people::FriendList::SaveOutcome;
    if (place.outcome == Outcome::Full) {
        w.messages->MsgBox(
            window(),
            words::Tr(
                QT_TRANSLATE_NOOP("Ondulix",
                                  "Ondulix holds at most %1 friends. Remove one before adding %2."))
                .arg(people::FriendList::MaxFriends)
                .arg(name),
            MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
        return;
    }
    if (place.outcome != Outcome::Inserted && !ReplaceDateAsked(place.index, PickedBirth())) {
        txtFriend->setFocus(); // still entering: the name or the date can be changed
        return;
    }
    w.SuppressDraw = true;
    w.FriendIndex = place.index;
    if (place.outcome == Outcome::Inserted)
        InsertFriend(place.index);
    else
        UpdateFriendDate(place.index);
}

bool FriendsPanel::ReplaceDateAsked(std::int32_t index, const cal::DateTrio& date) {
    const cal::DateTrio stored = w.Friends.Entry(index).birth;
    if ((stored.day == date.day && stored.month == date.month && stored.year == date.year) ||
        (index == 0 && !ownBirthGiven))
        return true;
    const QString whose = people::ShownName(w.Friends.FriendName[index]);
    const QString prompt =
        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ganti tanggal lahir %1 dari %2 menjadi %3?"))
            .arg(whose, people::ShownDate(stored), people::ShownDate(date));
    return w.messages->MsgBox(window(), prompt,
                              MessageBoxes::OkCancel | MessageBoxes::DefaultButton2 |
                                  MessageBoxes::Question,
                              AppTitle) == MessageBoxes::Ok;
}

void FriendsPanel::InsertFriend(std::int32_t index) {
    const people::Friend added{txtFriend->text(), PickedBirth()};
    people::FriendList after = w.Friends;
    after.Save(added.name, added.birth);
    m_people.Change(w.Friends, Viewed(), after, after.Id(index),
                    words::Tr(QT_TRANSLATE_NOOP("Ondulix", "tambah ")) + added.name,
                    people::AddedNotice(added.name, added.birth));
}

void FriendsPanel::UpdateFriendDate(std::int32_t index) {
    const cal::DateTrio date = PickedBirth();
    const QString whose = people::ShownName(w.Friends.FriendName[index]);
    people::FriendList after = w.Friends;
    after.Save(txtFriend->text(), date);  // the name is the listed one, or empty for the own entry
    if (index == 0) ownBirthGiven = true; // from now on, a date the user gave
    if (people::SameList(w.Friends, after)) // nothing to undo, but said all the same
        w.notice->Say(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Tanggal lahir %1 tetap %2"))
                          .arg(whose, people::ShownDate(date)),
                      {}, {});
    m_people.Change(w.Friends, Viewed(), after, after.Id(index),
                    words::Tr(QT_TRANSLATE_NOOP("Ondulix", "tanggal lahir ")) + whose,
                    people::DateNotice(whose, w.Friends.Entry(index).birth, date));
}

void FriendsPanel::ChangePeople(const people::FriendList& after, people::PersonId shown,
                                const QString& action, const QString& notice) {
    m_people.Change(w.Friends, Viewed(), after, shown, action, notice);
}

void FriendsPanel::RemoveFriend() {
    const std::int32_t index = cboFriend->ListIndex();
    const QString prompt =
        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Remove ? \"%1\"")).arg(w.Friends.FriendName[index]);
    // Enter alone removes no one.
    if (w.messages->MsgBox(window(), prompt, MessageBoxes::OkCancel | MessageBoxes::DefaultButton2,
                           QString()) != MessageBoxes::Ok)
        return;
    const people::Friend removed = w.Friends.Entry(index);
    people::FriendList after = w.Friends;
    after.Remove(index);
    m_people.Change(w.Friends, w.Friends.Id(index), after, people::OwnId,
                    words::Tr(QT_TRANSLATE_NOOP("Ondulix", "hapus ")) + removed.name,
                    people::RemovedNotice(removed.name, removed.birth));
}

void FriendsPanel::PutPeople(const people::FriendList& list, people::PersonId shown,
                             bool keepViewed) {
    // The person viewed stays viewed through others' changes; whoever is
    // shown instead of someone gone is said.
    const people::PersonId viewed = Viewed();
    const QDate viewedBirth = w.Friends.BirthDate(w.Friends.IndexOf(viewed));
    const bool stays = list.IndexOf(viewed) >= 0;
    std::int32_t index = list.IndexOf(keepViewed && stays ? viewed : shown);
    if (index < 0) index = std::max(list.IndexOf(viewed), 0);
    m_shownInstead = stays ? QString() : people::ShownName(list.FriendName[index]);
    w.Friends = list;
    w.FriendIndex = index;
    // Leaving entry mode draws once; in view mode the selection itself does,
    // unless it shows the same person on the same date.
    const bool same = list.Id(index) == viewed && list.BirthDate(index) == viewedBirth;
    w.SuppressDraw = optBirthdate->isChecked() || same;
    FillFriendCombo(index);
    w.settings.SavePersonal(w.Friends);
    cboFriend->setFocus(); // never onto the button that now reads "Remove "
}

void FriendsPanel::SetSaveCaption(const char* caption) {
    using words::Tr;
    m_saveCaption = caption;
    cmdsave->setText(Tr(caption));
    // A reader names the button by its caption; what it does now goes beside.
    const QString name = txtFriend->text().trimmed();
    const QString what = QString::fromLatin1(caption);
    cmdsave->setAccessibleDescription(
        what == QLatin1String("Data")
            ? Tr(QT_TRANSLATE_NOOP("Ondulix", "Simpan tanggal lahir ")) + name
        : what == QLatin1String("Save ")
            ? Tr(QT_TRANSLATE_NOOP("Ondulix", "Simpan tanggal lahir Anda"))
            : Tr(QT_TRANSLATE_NOOP("Ondulix", "Hapus ")) +
                  cboFriend->itemText(std::max(cboFriend->ListIndex(), 0))); // as shown
}

void FriendsPanel::NameFriends() {
    cboFriend->setItemText(0, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "(Hari Ulang Tahun saya)")));
    // Heard with the birth date: whom the chart is for, without looking.
    for (std::int32_t i = 0; i < cboFriend->count(); ++i)
        cboFriend->setItemData(i,
                               cboFriend->itemText(i) +
                                   words::Tr(QT_TRANSLATE_NOOP("Ondulix", ", lahir ")) +
                                   chart::LongDateId(w.Friends.BirthDate(i)),
                               Qt::AccessibleTextRole);
}

void FriendsPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        if (cboFriend->count() > 0) NameFriends();
        SetSaveCaption(m_saveCaption); // names the friend as listed
    }
    QWidget::changeEvent(event);
}

void FriendsPanel::cboFriend_Click() {
    w.FriendIndex = cboFriend->ListIndex();
    if (optBirthday->isChecked()) SetSaveCaption(m_saveCaption); // whom Remove removes
    cmdsave->setVisible(w.FriendIndex > 0);
    w.AllowRedraw = false;
    SelectListItem(*cboBDyear, w.Friends.FriendYear[w.FriendIndex], true);
    SelectListItem(*cboBDmonth, w.Friends.FriendMonth[w.FriendIndex], true);
    SelectListItem(*cboBDday, w.Friends.FriendDay[w.FriendIndex], true);
    w.AllowRedraw = true;
    if (w.IsActivated && !w.SuppressDraw) w.cmdDraw_Click();
    w.SuppressDraw = false;
}

void FriendsPanel::optBirthday_Click() {
    cboBDmonth->setEnabled(false);
    cboBDday->setEnabled(false);
    cboBDyear->setEnabled(false);
    SetSaveCaption(QT_TRANSLATE_NOOP("Ondulix", "Remove "));
    if (cboFriend->Text() == people::FriendList::OwnEntryName) cmdsave->hide();
    lblEnterFriend->hide();
    txtFriend->hide();
    cboFriend_Click();
}

void FriendsPanel::optBirthdate_Click() {
    cboBDmonth->setEnabled(true);
    cboBDday->setEnabled(true);
    cboBDyear->setEnabled(true);
    SetSaveCaption(QT_TRANSLATE_NOOP("Ondulix", "Save "));
    cmdsave->show();
    lblEnterFriend->show();
    txtFriend->show();
    txtFriend->setText(QString());
    if (window()->isVisible()) txtFriend->setFocus(); // the name comes first
}

void FriendsPanel::txtFriend_Change() {
    SetSaveCaption(txtFriend->text().isEmpty() ? QT_TRANSLATE_NOOP("Ondulix", "Save ")
                                               : QT_TRANSLATE_NOOP("Ondulix", "Data"));
}

void FriendsPanel::txtFriend_GotFocus() {
    modListUtil::SelectAllText(*txtFriend);
}

void FriendsPanel::txtFriend_LostFocus() {
    txtFriend->setText(modStrUtil::ProperCase(txtFriend->text(), true));
}
