#pragma once

#include <QLabel>
#include <functional>

class QShortcut;
class QTimer;

// A line in the window that says what just happened, with one link to act
// on it ("Urungkan"). It never takes the focus (the keyboard has Ctrl+Z for
// the same), shows names as typed, and goes by itself unless told to stay;
// one told to stay goes with Esc in its window too.
class Notice final : public QLabel {
public:
    explicit Notice(QWidget* parent);

    // `forMs` 0: until the next notice or Dismiss().
    void Say(const QString& text, const QString& link, std::function<void()> onLink,
             int forMs = 15000);
    void Dismiss();
    // What it says now, without the link; empty when hidden.
    const QString& Said() const { return m_said; }

private:
    QString m_said;
    std::function<void()> m_onLink;
    QTimer* m_timer;
    QShortcut* m_escape; // enabled only while a notice stays
};
