#pragma once

#include "chart/ChartState.h"
#include "chart/CycleModel.h"
#include "chart/DrawChart.h"
#include "moon/MoonPhase.h"
#include "moon/MoonPictures.h"
#include "people/FriendList.h"
#include "people/Names.h"
#include "people/PeopleHistory.h"
#include "settings/SettingsFile.h"
#include "ui/widgets/SettingsSaves.h"
#include "util/BoundedArray.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class ComboPicker;
class AgreementPanel;
class PeopleMenu;
class CompareMenu;
class CriticalMenu;
class LanguageMenu;
class ComparisonKey;
class ChartDialogs;
class ChartExportMenu;
class DayCursor;
class FormCanvas;
class FriendsPanel;
class HelpMenu;
class KeyboardAccess;
class MessageBoxes;
class NameBox;
class Notice;
class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class SteadyButton;
class Surface;

// The program's one window. It owns the controls, the fields the handlers
// share and the wiring of each control's event to its handler; the chart,
// the moon, the pickers' contents and the list helpers live in their own code.
//
// Handlers keep their classic names and call each other directly. A change
// made by code raises the control's handler at once, nested, as a user's
// change does; AllowRedraw, IsActivated and SuppressDraw keep each chain to
// one redraw.
class frmOndulix final : public QMainWindow {
public:
    // What the window needs from outside: where its message boxes go, the
    // start-up display date's "today" and the settings file.
    struct Environment {
        MessageBoxes* messages = nullptr; // required
        std::function<QDate()> today;     // the system date when empty
        QString iniPath;                  // the user's settings file when empty
        ChartDialogs* dialogs = nullptr;  // the real file and print dialogs when null
        QString readOnly; // why the settings file must not be written; empty when it may
    };

    explicit frmOndulix(const Environment& environment);
    ~frmOndulix() override;

    // Fields, in declaration order.
    BoundedArray<double, 1, 4> CycleRate{};
    BoundedArray<Color, 1, 7> CycleColor{};
    bool SuppressDraw = false;
    bool IsActivated = false;
    bool AllowRedraw = false;
    std::int32_t FriendIndex = 0;
    people::FriendList Friends; // FriendName, FriendDay, ... and FriendCount
    QString TodayDay;
    QString TodayMonth;
    QString TodayYear;

    // Controls.
    std::array<QCheckBox*, 8> chkOndulixChart{}; // 1..7; [0] unused
    QCheckBox* chkCenter = nullptr;
    QLabel* picMoon = nullptr;
    moon::MoonPictureList imgMoon;
    QSlider* sldMoonPhase = nullptr;
    QLabel* lblPhaseDate = nullptr;
    QLabel* lblDispDate = nullptr;
    ComboPicker* cboDDmonth = nullptr;
    ComboPicker* cboDDday = nullptr;
    ComboPicker* cboDDyear = nullptr;
    QRadioButton* optBirthdate = nullptr;
    ComboPicker* cboBDmonth = nullptr;
    ComboPicker* cboBDday = nullptr;
    ComboPicker* cboBDyear = nullptr;
    QRadioButton* optBirthday = nullptr;
    ComboPicker* cboFriend = nullptr;
    NameBox* txtFriend = nullptr;
    QLabel* lblEnterFriend = nullptr;
    QPushButton* cmdsave = nullptr;
    QPushButton* cmdGoToToday = nullptr;
    QPushButton* cmdDraw = nullptr;
    QPushButton* cmdExit = nullptr;
    QAction* mnuEmotional = nullptr;
    QAction* mnuPhysical = nullptr;
    QAction* mnuIntellectual = nullptr;
    QAction* mnuIntuitive = nullptr;
    QAction* mnuExit = nullptr;
    // The cycle menu items in the options' order: Physical, Emotional, ...
    std::array<QAction*, settings::MenuOptionCount> CycleMenus() const {
        return {mnuPhysical, mnuEmotional, mnuIntellectual, mnuIntuitive};
    }
    FormCanvas* canvas = nullptr;
    DayCursor* cursor = nullptr;  // the day cursor over the chart, and the chart for screen readers
    QLabel* lblReadout = nullptr; // the cursor's day, under the chart
    ComparisonKey* lblKey = nullptr;   // while comparing: whose curves are solid, whose dashed
    ChartExportMenu* Export = nullptr; // the "Berkas" menu
    QAction* mnuUndo = nullptr;        // "Sunting": the people's changes
    QAction* mnuRedo = nullptr;
    HelpMenu* Help = nullptr;          // the "Bantuan" menu
    CompareMenu* Compare = nullptr;    // the "Bandingkan" menu: a second person
    CriticalMenu* View = nullptr;      // the "Tampilan" menu: critical days, the real moon
    LanguageMenu* Languages = nullptr; // "Bahasa/Language"
    AgreementPanel* Agreement =
        nullptr; // "Kecocokan": how well the two agree; made when first shown
    AgreementPanel* AgreementWindow();
    PeopleMenu* Contacts = nullptr; // "Kontak": import, export, birthdays, renaming
    Notice* notice = nullptr;       // what just changed, under the buttons

    // Handlers.
    void Form_Load();
    void Form_Activate();
    void Form_Unload(bool& cancel);
    void cmdsave_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void cmdDraw_Click();
    void chkOndulixChart_Click(int index);
    void chkCenter_Click();
    void mnuPhysical_Click();
    void mnuEmotional_Click();
    void mnuIntellectual_Click();
    void mnuIntuitive_Click();
    void cboBDday_Click();
    void cboBDmonth_Click();
    void cboBDyear_Click();
    void cboDDday_Click();
    void cboDDmonth_Click();
    void cboDDyear_Click();
    void cmdGoToToday_Click();
    void cboFriend_Click();
    void optBirthday_Click();
    void optBirthdate_Click();
    void txtFriend_Change();
    void txtFriend_GotFocus();
    void txtFriend_LostFocus();
    void sldMoonPhase_Change();

    void FillFriendCombo(std::int32_t index);
    void SaveFriend();
    void RemoveFriend();
    void InsertFriend(std::int32_t index);
    void UpdateFriendDate(std::int32_t index);
    // The view as the options hold it: the cycle menu's ticks, boxes 5..7
    // and the centring box.
    settings::Options CurrentOptions() const;
    // A close that asks nothing: the session is ending or a signal came.
    // Saves what it can, then quits.
    void CloseForSessionEnd();
    // Saves both sections now without a word; the session manager asks.
    void SaveForSessionEnd();
    // Another start of the program asked for this window.
    void BringToFront();
    // A contacts file handed to the program: its import preview, in front.
    void ImportContacts(const QString& path);

    // What the window shows: the chart of the last draw (the controls are
    // read once a draw), with whose chart it is as the controls say now.
    chart::ChartOptions CurrentChart() const;
    // Whose birth date the pickers hold: the person viewed, the own entry or a
    // listed name being entered; NoPerson for a name not listed.
    people::PersonId ChartPerson() const;
    // Chart runs completed by cmdDraw_Click (the "Belum lahir" refusal included).
    int DrawRuns() const { return m_drawRuns; }
    const chart::ChartState& State() const { return m_state; }
    bool IsUnloaded() const { return m_unloaded; }
    // The settings file.
    const QString& IniPath() { return m_settings.Store().Path(); }
    // Every change to the people, to undo and redo.
    QUndoStack& People();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenu();
    void WireEvents();
    void CreateKeyboard(); // names, tab order, Alt+letters, the keyboard help
    // The day picker refilled for its month and year; a day stepped down is said.
    void RefillDays(ComboPicker& day, const ComboPicker& month, const ComboPicker& year);
    // Runs a handler raised by Qt; a run-time error becomes a message instead
    // of ending the program.
    void Guard(const std::function<void()>& handler);
    using Handler = void (frmOndulix::*)();
    // The handler as Qt raises it: inside Guard.
    std::function<void()> Raise(Handler handler);
    void ToggleMenuItem(QAction* item, int index);
    void SetCheckValue(QCheckBox* box, int value);
    int CheckValue(const QCheckBox* box) const;
    void SetCheckedByCode(QRadioButton* button);
    // Saves the options after a change.
    void OptionsChanged();
    // The display-date pickers on a date, raising no redraw.
    void SelectDisplayDate(const cal::DateTrio& date);
    // TodayDay, TodayMonth, TodayYear: today, or the own birth date when
    // that lies after today.
    void SetTodayFields(QDate ownBirth);

    // Says which chart the user asked for is drawn (Set, Hari Ini, Enter on the chart).
    void ChartDrawnNotice();
    // The moon picture's day at a slider position.
    moon::MoonView MoonViewAt(int position) const;
    // The controls' dates and choices, as a chart to draw.
    chart::ChartOptions ReadChartControls() const;
    // The name of whose chart the pickers hold; empty for the user's own.
    QString PersonName() const;
    // A draw's views: the chart, the moon slider and picture.
    void ChartChanged();

    MessageBoxes* m_messages;
    SettingsSaves m_settings;
    FriendsPanel* m_friends = nullptr; // the friends list's controls and logic
    QStringList m_loadProblems;        // told once the window is up
    std::function<QDate()> m_today;
    ChartDialogs* m_dialogs;
    std::unique_ptr<ChartDialogs> m_ownDialogs;
    bool m_unloaded = false;
    bool m_welcome = false;     // a first start: the welcome is said once the window shows
    bool m_optionsLive = false; // Form_Load is over: option changes are the user's
    bool m_sessionEnding = false;
    SteadyButton* m_saveClicks = nullptr;
    KeyboardAccess* m_keys = nullptr;
    bool m_activationPending = false;
    int m_drawRuns = 0;
    chart::ChartState m_state; // what is drawn
};
