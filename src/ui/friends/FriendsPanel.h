#pragma once

#include "people/FriendList.h"
#include "people/Names.h"
#include "people/PeopleHistory.h"

#include <cstdint>
#include <functional>

class ComboPicker;
class MessageBoxes;
class NameBox;
class Notice;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;
class SettingsSaves;

// The friends list as the window shows it: view and entry modes, the save
// and remove command, and every change to the people made undoable. It works
// on the window's own fields and controls, under their names; the window's
// handlers of the same names forward here.
class FriendsPanel {
public:
    struct Window {
        QWidget* window;
        people::FriendList& Friends;
        std::int32_t& FriendIndex;
        bool& SuppressDraw;
        bool& AllowRedraw;
        const bool& IsActivated;
        ComboPicker *cboFriend, *cboBDday, *cboBDmonth, *cboBDyear;
        NameBox* txtFriend;
        QLabel* lblEnterFriend;
        QPushButton* cmdsave;
        QRadioButton *optBirthday, *optBirthdate;
        MessageBoxes* messages;
        SettingsSaves& settings;
        Notice* notice;
        std::function<void()> cmdDraw_Click;
    };
    explicit FriendsPanel(Window window);

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

private:
    // A list of people in place: the picker on person `shown` (or, with
    // `keepViewed`, on the person viewed when still listed), the file saved.
    void PutPeople(const people::FriendList& list, people::PersonId shown, bool keepViewed);
    // Asks before a birth date on file is replaced; true to go on.
    bool ReplaceDateAsked(std::int32_t index, const cal::DateTrio& date);
    cal::DateTrio PickedBirth() const;
    // The save button's caption, and what it does now for a screen reader.
    void SetSaveCaption(const QString& caption);

    Window w;
    people::PeopleHistory m_people;
    QString m_shownInstead; // after a step: who is shown since the person viewed went
};
