#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

// One running copy of the program per settings file, so two copies never
// overwrite each other's changes.
//
// The lock is a file beside the settings file (beside a link's target), held
// with flock(): whichever path, link, bind mount or runtime folder a copy
// reached the file by, it meets the same lock, and the kernel lets go of it
// when its copy ends in any way. The copy holding it listens on a local socket
// in a private folder (the runtime folder when it is the user's own, else one
// beside the settings file) and writes that socket's path into the lock file,
// so a later start knows whom to ask to come to the front.
//
// Nothing is kept in, or trusted from, a folder another user can write.
class SingleInstance final : public QObject {
public:
    // Forwarded: the running copy came to the front. Running: it runs, but
    // cannot be asked. Unreachable: it holds the file and does not answer.
    enum class Claim { First, Forwarded, Running, Unreachable };

    explicit SingleInstance(const QString& settingsPath, int answerTimeoutMs = 3000);
    ~SingleInstance() override;

    // Takes the lock, or asks the copy that has it to come to the front and,
    // when `file` is given, to open that file.
    Claim Start(const QString& file = {});
    // First: answers later starts from now on, calling `raise` with the file
    // the later start was given (empty for none).
    void Listen(std::function<void(const QString& file)> raise);
    // What went wrong, as a sentence for the user; for First, why this copy
    // could not make sure it is the only one (empty when it could).
    const QString& Problem() const { return m_problem; }

    static QString LockPathFor(const QString& settingsPath);
    // The socket the copy holding the lock answers on; empty when there is none yet.
    static QString SocketFor(const QString& settingsPath);

private:
    Claim Ask(const QString& file);
    void Answer();

    QString m_settingsPath;
    int m_timeoutMs;
    QString m_problem;
    int m_lockFd = -1;
    QLocalServer* m_server = nullptr;
    std::function<void(const QString&)> m_raise;
};
