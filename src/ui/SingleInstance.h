#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

// One running copy of the program per settings file, so two copies never
// overwrite each other's changes.
//
// The first copy holds a lock file and listens on a local socket, both in the
// user's runtime folder (user-only access), named for the settings file's
// canonical path. A later start finds the lock held, asks the first copy
// through the socket to come to the front, and ends. A lock left by a copy
// that was killed is stale and taken over, along with its socket; nothing
// listening there is ever asked anything.
class SingleInstance final : public QObject {
public:
    enum class Claim { First, Forwarded, Unreachable };

    explicit SingleInstance(const QString& settingsPath, int answerTimeoutMs = 3000);
    ~SingleInstance() override;

    Claim Start();
    // Unreachable: what went wrong, as a sentence for the user.
    const QString& Problem() const { return m_problem; }

    // First: another start asked for the window.
    std::function<void()> Raise;

    // The runtime-folder path both files are named from (without ".lock" and ".sock").
    static QString KeyFor(const QString& settingsPath);

private:
    void Answer();

    QString m_key;
    int m_timeoutMs;
    QString m_problem;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
