#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

// One running copy of the program per settings file, so two copies never
// overwrite each other's changes. It fails closed: a copy that cannot make
// sure it is the only one runs without writing the file.
//
// Two locks, held with flock(), so the kernel lets go of them when their copy
// ends in any way:
// - one in the user's own private folder (~/.local/state/ondulix of the
//   user's home in the password database, whatever HOME or the runtime
//   folder say), named for the device and inode of the folder holding the
//   settings file and the file's name: what stays the same across saves,
//   whichever path, link or bind mount a copy reached the file by;
// - one beside the settings file, when that folder is the user's alone and
//   the lock there is the user's own regular file.
// A copy needs one of them; when either is held, a copy of this user runs.
// The copy holding them listens on a local socket in a private folder (the
// runtime folder when it is the user's own, else one beside the settings
// file) and writes that socket's path into the locks, so a later start knows
// whom to ask to come to the front.
//
// Nothing is kept in, or trusted from, a folder another user can write.
class SingleInstance final : public QObject {
public:
    // Forwarded: the running copy came to the front. Running: it runs, but
    // cannot be asked. Unreachable: it holds the file and does not answer.
    // Unguarded: no lock could be had; this copy runs, but must not write
    // the settings file.
    enum class Claim { First, Forwarded, Running, Unreachable, Unguarded };

    explicit SingleInstance(const QString& settingsPath, int answerTimeoutMs = 3000);
    ~SingleInstance() override;

    // Takes the lock, or asks the copy that has it to come to the front and,
    // when `file` is given, to open that file.
    Claim Start(const QString& file = {});
    // First: answers later starts from now on, calling `raise` with the file
    // the later start was given (empty for none).
    void Listen(std::function<void(const QString& file)> raise);
    // What went wrong, as a sentence for the user; for Unguarded, why the
    // settings file is not written, in a few words.
    const QString& Problem() const { return m_problem; }

    // The lock beside the settings file, and the one in the private folder
    // (empty when the user has no such folder).
    static QString LockPathFor(const QString& settingsPath);
    static QString PrivateLockPathFor(const QString& settingsPath);
    // The socket the copy holding the lock answers on; empty when there is none yet.
    static QString SocketFor(const QString& settingsPath);

private:
    Claim Ask(int lockFd, const QString& file);
    void Answer();

    QString m_settingsPath;
    int m_timeoutMs;
    QString m_problem;
    int m_lockFd = -1;    // beside the file
    int m_privateFd = -1; // in the private folder
    QString m_privatePath;
    QLocalServer* m_server = nullptr;
    std::function<void(const QString&)> m_raise;
};
