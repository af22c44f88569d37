#pragma once

#include "people/FriendList.h"
#include "people/Names.h"
#include "people/PeopleHistory.h"

#include <QWidget>
#include <cstdint>
#include <functional>

class ComboPicker;
class MessageBoxes;
class NameBox;
class Notice;
class QLabel;
class QPushButton;
class QRadioButton;
class SettingsSaves;

// The friends list as the window shows it: the birth-date pickers, the
// friends list, the name box and the save button, which it makes and owns at
// their places on the form (it covers the form and takes the mouse only
// where its controls are); view and entry modes, the save and remove
// command, and every change to the people made undoable. The window keeps
// the list and the redraw fields under their names, and its handlers of the
// same names forward here.
class FriendsPanel final : public QWidget {
public:
    struct Window {
        people::FriendList& Friends;
        std::int32_t& FriendIndex;
        bool& SuppressDraw;
        bool& AllowRedraw;
        const bool& IsActivated;
        MessageBoxes* messages;
        SettingsSaves& settings;
        Notice* notice;
        std::function<void()> cmdDraw_Click;
    };
    // Over `form`, the whole of it.
    FriendsPanel(QWidget* form, Window window);

    ComboPicker *cboBDmonth, *cboBDday, *cboBDyear, *cboFriend;
    QRadioButton *optBirthdate, *optBirthday;
    NameBox* txtFriend;
    QLabel* lblEnterFriend;
    QPushButton* cmdsave;
    // The settings file holds a birth date of the user's own: replacing it
    // asks first. Until then the date shown is a default nobody gave.
    bool ownBirthGiven = true;

    QUndoStack& People() { return m_people.Stack(); }
    // One undoable step to `after`, its picker on `shown`.
    void ChangePeople(const people::FriendList& after, people::PersonId shown,
                      const QString& action, const QString& notice);
    // The person the picker shows.
    people::PersonId Viewed() const;

    void FillFriendCombo(std::int32_t index);
    void SaveFriend();
    void RemoveFriend();
    void InsertFriend(std::int32_t index);
    void UpdateFriendDate(std::int32_t index);
    void cboFriend_Click();
    void optBirthday_Click();
    void optBirthdate_Click();
    void txtFriend_Change();
    void txtFriend_GotFocus();
    void txtFriend_LostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override; // the save button's caption in the new language

private:
    const char* m_saveCaption = "Save";
    // The mouse goes to the controls shown, and through everywhere else.
    void FollowControls();
    // A list of people in place: the picker on person `shown` (or, with
    // `keepViewed`, on the person viewed when still listed), the file saved.
    void PutPeople(const people::FriendList& list, people::PersonId shown, bool keepViewed);
    // Asks before a birth date on file is replaced; true to go on.
    bool ReplaceDateAsked(std::int32_t index, const cal::DateTrio& date);
    cal::DateTrio PickedBirth() const;
    // The save button's caption, and what it does now for a screen reader.
    // `caption`: "Save ", "Data" or "Remove " as designed, shown in the language in use.
    void SetSaveCaption(const char* caption);
    // The list's own entry in the language in use, and each entry as a reader hears it.
    void NameFriends();

    Window w;
    people::PeopleHistory m_people;
    QString m_shownInstead; // after a step: who is shown since the person viewed went
};
