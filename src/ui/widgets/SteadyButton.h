#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class QPushButton;
class QWindow;

// Lets a push button's click through only when it means what the user saw.
//
// A mouse press moves the focus before the button hears of it, and leaving
// another control can change the button's caption on the way: such a click
// did not ask for what the button now says. And the second click of a
// double-click lands on a caption the first click has just changed.
class SteadyButton final : public QObject {
public:
    explicit SteadyButton(QPushButton* button);

    // Watches the window's mouse presses, which arrive before any focus
    // change; call once the window exists.
    void Watch(QWindow* window);

    // At the start of the click handler: false when the click is to be ignored.
    bool ClickMeant() const;
    // At its end, with the caption the click started with.
    void ClickDone(const QString& captionBefore);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* m_button;
    QPointer<QWindow> m_window;
    QString m_captionAtPress;
    bool m_mousePress = false;      // the next `pressed` comes from a watched mouse press
    QElapsedTimer m_changedByClick; // since a click changed the caption
    QString m_captionAfterClick;    // to this
};
