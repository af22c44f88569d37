#pragma once

#include <QList>
#include <QObject>
#include <array>
#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;

class ComboPicker;
class NameBox;
class QCheckBox;
class QLabel;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QSlider;

// The window for the keyboard and for screen readers: an accessible name on
// every control, a tab order that follows the reading order, an Alt+letter
// for every button and box, Enter on a focused button and in the name box,
// and no keyboard for a picker that the name box covers.
class KeyboardAccess final : public QObject {
public:
    // The window's controls it works on, under the window's own names.
    struct Controls {
        QMainWindow* window;
        std::array<QCheckBox*, 8> chkOndulixChart; // 1..7
        QCheckBox* chkCenter;
        ComboPicker *cboBDmonth, *cboBDday, *cboBDyear, *cboFriend;
        ComboPicker *cboDDmonth, *cboDDday, *cboDDyear;
        QRadioButton *optBirthdate, *optBirthday;
        NameBox* txtFriend;
        QPushButton *cmdsave, *cmdGoToToday, *cmdDraw, *cmdExit;
        QSlider* sldMoonPhase;
        QLabel *picMoon, *lblReadout, *lblEnterFriend;
        QWidget* cursor;                               // the day cursor over the chart
        QList<std::pair<QString, QString>> cursorKeys; // the keys it answers, for the help
        std::function<void()> txtFriend_LostFocus;     // the name as leaving the box leaves it
        std::function<QString(int)> moonDay;           // the day at a slider position, in words
    };

    // `guard` runs a handler the way the window runs its own.
    KeyboardAccess(Controls controls, std::function<void(const std::function<void()>&)> guard);

    // Every key the window answers and what it does, for the keyboard help:
    // read from the tables and menus that set the keys up.
    QList<std::pair<QString, QString>> ShortcutTable() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NameControls();
    void OrderTabs();
    void GiveMnemonics();
    void MarkLetters();
    // The Alt+letter of each button and box, in the language in use; as designed.
    std::vector<std::pair<QAbstractButton*, Qt::Key>> Mnemonics() const;
    std::vector<std::pair<QAbstractButton*, Qt::Key>> Designed() const;
    void Covered();

    Controls w;
    std::function<void(const std::function<void()>&)> m_guard;
};
