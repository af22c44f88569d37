#pragma once

#include <QObject>
#include <functional>

class frmOndulix;

// The window for the keyboard and for screen readers: an accessible name on
// every control, a tab order that follows the reading order, an Alt+letter
// for every button and box, Enter on a focused button and in the name box,
// and no keyboard for a picker that the name box covers.
class KeyboardAccess final : public QObject {
public:
    // `guard` runs a handler the way the window runs its own.
    KeyboardAccess(frmOndulix& window, std::function<void(const std::function<void()>&)> guard);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NameControls();
    void OrderTabs();
    void GiveMnemonics();
    void Covered();

    frmOndulix& w;
    std::function<void(const std::function<void()>&)> m_guard;
};
