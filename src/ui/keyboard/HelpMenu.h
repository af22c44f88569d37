#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <utility>

class MessageBoxes;
class QAction;
#include <QDialog>
class QMainWindow;

// The "Bantuan" menu: the keyboard shortcuts (also F1), in a window that
// stays open beside the program's, and "Tentang Ondulix".
class HelpMenu final : public QObject {
public:
    using ShortcutTable = QList<std::pair<QString, QString>>; // keys, what they do

    HelpMenu(QMainWindow* window, MessageBoxes* messages, std::function<ShortcutTable()> shortcuts,
             QString settingsPath);

    QAction* mnuShortcuts = nullptr;
    QAction* mnuAbout = nullptr;

    void ShowShortcuts();
    void ShowAbout();
    // The shortcuts window while it is open.
    QDialog* ShortcutsWindow() const { return m_shortcutsWindow; }

private:
    QMainWindow* m_window;
    MessageBoxes* m_messages;
    std::function<ShortcutTable()> m_shortcuts;
    QString m_settingsPath;
    QPointer<QDialog> m_shortcutsWindow;
};
