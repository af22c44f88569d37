#include "ui/widgets/SteadyButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

SteadyButton::SteadyButton(QPushButton* button) : QObject(button), m_button(button) {
    // Keys and code press the button without a mouse press before it.
    connect(button, &QPushButton::pressed, this, [this] {
        if (!m_mousePress) m_captionAtPress = m_button->text();
        m_mousePress = false;
    });
}

void SteadyButton::Watch(QWindow* window) {
    if (!window || window == m_window) return;
    if (m_window) m_window->removeEventFilter(this);
    m_window = window;
    window->installEventFilter(this);
}

bool SteadyButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && (event->type() == QEvent::MouseButtonPress ||
                                event->type() == QEvent::MouseButtonDblClick)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QWidget* top = m_button->window();
        const QPoint at = top->mapFromGlobal(mouse->globalPosition().toPoint());
        QWidget* under = top->childAt(at);
        m_mousePress = under == m_button && m_button->isVisible() && m_button->isEnabled();
        if (m_mousePress) m_captionAtPress = m_button->text();
    }
    return QObject::eventFilter(watched, event);
}

bool SteadyButton::ClickMeant() const {
    if (m_button->text() != m_captionAtPress) return false;
    // The second half of a double-click finds the caption the first half left.
    return !m_changedByClick.isValid() || m_button->text() != m_captionAfterClick ||
           m_changedByClick.elapsed() >= QApplication::doubleClickInterval();
}

void SteadyButton::ClickDone(const QString& captionBefore) {
    if (m_button->text() == captionBefore) return;
    m_captionAfterClick = m_button->text();
    m_changedByClick.start();
}
