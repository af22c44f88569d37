#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;

class frmOndulix;

// The window for the keyboard and for screen readers: an accessible name on
// every control, a tab order that follows the reading order, an Alt+letter
// for every button and box, Enter on a focused button and in the name box,
// and no keyboard for a picker that the name box covers.
class KeyboardAccess final : public QObject {
public:
    // `guard` runs a handler the way the window runs its own.
    KeyboardAccess(frmOndulix& window, std::function<void(const std::function<void()>&)> guard);

    // Every key the window answers and what it does, for the keyboard help:
    // read from the tables and menus that set the keys up.
    QList<std::pair<QString, QString>> ShortcutTable() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NameControls();
    void OrderTabs();
    void GiveMnemonics();
    // The Alt+letter of each button and box.
    std::vector<std::pair<QAbstractButton*, Qt::Key>> Mnemonics() const;
    void Covered();

    frmOndulix& w;
    std::function<void(const std::function<void()>&)> m_guard;
};
