#include "ui/friends/FriendsPanel.h"

#include "ui/window/Controls.h"
#include "ui/window/MessageBoxes.h"
#include "ui/window/Notice.h"
#include "ui/window/SettingsSaves.h"
#include "util/modListUtil.h"
#include "util/modStrUtil.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using modListUtil::SelectListItem;

FriendsPanel::FriendsPanel(Window window)
    : w(std::move(window)),
      m_people([this](const people::FriendList& list, people::PersonId shown, bool keepViewed) {
          PutPeople(list, shown, keepViewed);
      }) {
    m_people.Told = [this](const QString& said, bool undone) {
        const QString instead = m_shownInstead.isEmpty()
                                    ? QString()
                                    : QStringLiteral(". Kini ditampilkan: ") + m_shownInstead;
        w.notice->Say((undone ? QStringLiteral("Diurungkan: ") + said : said) + instead,
                      undone ? QStringLiteral("Ulangi") : QStringLiteral("Urungkan"),
                      [this, undone] { undone ? People().redo() : People().undo(); });
    };
}

people::PersonId FriendsPanel::Viewed() const {
    return w.Friends.Id(std::max(w.cboFriend->ListIndex(), 0));
}

cal::DateTrio FriendsPanel::PickedBirth() const {
    return {w.cboBDday->Text(), w.cboBDmonth->Text(), w.cboBDyear->Text()};
}

void FriendsPanel::FillFriendCombo(std::int32_t index) {
    w.cboFriend->Clear();
    for (const QString& name : w.Friends.Names())
        w.cboFriend->AddItem(name);
    SelectListItem(*w.cboFriend, w.Friends.FriendName[index], true);
    w.optBirthday->setChecked(true); // raises its click when it was not selected
}

void FriendsPanel::SaveFriend() {
    const QString name = w.txtFriend->text();
    const auto place = w.Friends.Place(name);
    using Outcome = people::FriendList::SaveOutcome;
    if (place.outcome == Outcome::Full) {
        w.messages->MsgBox(
            w.window,
            QStringLiteral("Ondulix holds at most %1 friends. Remove one before adding %2.")
                .arg(people::FriendList::MaxFriends)
                .arg(name),
            MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
        return;
    }
    if (place.outcome != Outcome::Inserted && !ReplaceDateAsked(place.index, PickedBirth())) {
        w.txtFriend->setFocus(); // still entering: the name or the date can be changed
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
    if (stored.day == date.day && stored.month == date.month && stored.year == date.year)
        return true;
    const QString whose = people::ShownName(w.Friends.FriendName[index]);
    const QString prompt = QStringLiteral("Ganti tanggal lahir %1 dari %2 menjadi %3?")
                               .arg(whose, people::ShownDate(stored), people::ShownDate(date));
    return w.messages->MsgBox(w.window, prompt,
                              MessageBoxes::OkCancel | MessageBoxes::DefaultButton2 |
                                  MessageBoxes::Question,
                              AppTitle) == MessageBoxes::Ok;
}

void FriendsPanel::InsertFriend(std::int32_t index) {
    const people::Friend added{w.txtFriend->text(), PickedBirth()};
    people::FriendList after = w.Friends;
    after.Save(added.name, added.birth);
    m_people.Change(w.Friends, Viewed(), after, after.Id(index),
                    QStringLiteral("tambah ") + added.name,
                    people::AddedNotice(added.name, added.birth));
}

void FriendsPanel::UpdateFriendDate(std::int32_t index) {
    const cal::DateTrio date = PickedBirth();
    const QString whose = people::ShownName(w.Friends.FriendName[index]);
    people::FriendList after = w.Friends;
    after.Save(w.txtFriend->text(), date); // the name is the listed one, or empty for the own entry
    if (people::SameList(w.Friends, after)) // nothing to undo, but said all the same
        w.notice->Say(
            QStringLiteral("Tanggal lahir %1 tetap %2").arg(whose, people::ShownDate(date)), {},
            {});
    m_people.Change(w.Friends, Viewed(), after, after.Id(index),
                    QStringLiteral("tanggal lahir ") + whose,
                    people::DateNotice(whose, w.Friends.Entry(index).birth, date));
}

void FriendsPanel::ChangePeople(const people::FriendList& after, people::PersonId shown,
                                const QString& action, const QString& notice) {
    m_people.Change(w.Friends, Viewed(), after, shown, action, notice);
}

void FriendsPanel::RemoveFriend() {
    const std::int32_t index = w.cboFriend->ListIndex();
    const QString prompt = QStringLiteral("Remove ? \"%1\"").arg(w.Friends.FriendName[index]);
    // Enter alone removes no one.
    if (w.messages->MsgBox(w.window, prompt, MessageBoxes::OkCancel | MessageBoxes::DefaultButton2,
                           QString()) != MessageBoxes::Ok)
        return;
    const people::Friend removed = w.Friends.Entry(index);
    people::FriendList after = w.Friends;
    after.Remove(index);
    m_people.Change(w.Friends, w.Friends.Id(index), after, people::OwnId,
                    QStringLiteral("hapus ") + removed.name,
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
    w.SuppressDraw = w.optBirthdate->isChecked() || same;
    FillFriendCombo(index);
    w.settings.SavePersonal(w.Friends);
    w.cboFriend->setFocus(); // never onto the button that now reads "Remove "
}

void FriendsPanel::SetSaveCaption(const QString& caption) {
    w.cmdsave->setText(caption);
    // A reader names the button by its caption; what it does now goes beside.
    const QString name = w.txtFriend->text().trimmed();
    w.cmdsave->setAccessibleDescription(
        caption == QLatin1String("Data") ? QStringLiteral("Simpan tanggal lahir ") + name
        : caption == QLatin1String("Save ")
            ? QStringLiteral("Simpan tanggal lahir Anda")
            : QStringLiteral("Hapus ") +
                  w.Friends.FriendName[std::max(w.cboFriend->ListIndex(), 0)]);
}

void FriendsPanel::cboFriend_Click() {
    w.FriendIndex = w.cboFriend->ListIndex();
    if (w.optBirthday->isChecked()) SetSaveCaption(w.cmdsave->text()); // whom Remove removes
    w.cmdsave->setVisible(w.FriendIndex > 0);
    w.AllowRedraw = false;
    SelectListItem(*w.cboBDyear, w.Friends.FriendYear[w.FriendIndex], true);
    SelectListItem(*w.cboBDmonth, w.Friends.FriendMonth[w.FriendIndex], true);
    SelectListItem(*w.cboBDday, w.Friends.FriendDay[w.FriendIndex], true);
    w.AllowRedraw = true;
    if (w.IsActivated && !w.SuppressDraw) w.cmdDraw_Click();
    w.SuppressDraw = false;
}

void FriendsPanel::optBirthday_Click() {
    w.cboBDmonth->setEnabled(false);
    w.cboBDday->setEnabled(false);
    w.cboBDyear->setEnabled(false);
    SetSaveCaption(QStringLiteral("Remove "));
    if (w.cboFriend->Text() == people::FriendList::OwnEntryName) w.cmdsave->hide();
    w.lblEnterFriend->hide();
    w.txtFriend->hide();
    cboFriend_Click();
}

void FriendsPanel::optBirthdate_Click() {
    w.cboBDmonth->setEnabled(true);
    w.cboBDday->setEnabled(true);
    w.cboBDyear->setEnabled(true);
    SetSaveCaption(QStringLiteral("Save "));
    w.cmdsave->show();
    w.lblEnterFriend->show();
    w.txtFriend->show();
    w.txtFriend->setText(QString());
    if (w.window->isVisible()) w.txtFriend->setFocus(); // the name comes first
}

void FriendsPanel::txtFriend_Change() {
    SetSaveCaption(w.txtFriend->text().isEmpty() ? QStringLiteral("Save ")
                                                 : QStringLiteral("Data"));
}

void FriendsPanel::txtFriend_GotFocus() {
    modListUtil::SelectAllText(*w.txtFriend);
}

void FriendsPanel::txtFriend_LostFocus() {
    w.txtFriend->setText(modStrUtil::ProperCase(w.txtFriend->text(), true));
}
