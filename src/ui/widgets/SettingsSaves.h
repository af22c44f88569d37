#pragma once

#include "settings/SettingsFile.h"

class MessageBoxes;
class QWidget;

// The settings file as the window saves it: every save at once, and the user
// told when one fails, with the file and the reason.
class SettingsSaves {
public:
    SettingsSaves(QString path, MessageBoxes* messages, QWidget* parent)
        : m_store(std::move(path)), m_messages(messages), m_parent(parent) {}

    settings::SettingsStore& Store() { return m_store; }

    // A failed save is told each time: the user has just asked for it.
    void SavePersonal(const people::FriendList& friends);
    // Options change at every click: a failure is told once a session.
    void SaveOptions(const settings::Options& options);
    void SaveLanguage(settings::Language language);

    // Both sections at closing. A failure asks: retry, close without saving
    // or cancel; for a file that was never read, save elsewhere instead of
    // retry. `quietly`: the session is ending and nobody can answer. Returns
    // false when the user chose to stay.
    bool SaveOnClosing(const people::FriendList& friends, const settings::Options& options,
                       bool quietly);

private:
    void Tell(const QString& reason);

    settings::SettingsStore m_store;
    MessageBoxes* m_messages;
    QWidget* m_parent;
    bool m_toldOptionsFailure = false;
};
