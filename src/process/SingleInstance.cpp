#include "process/SingleInstance.h"

#include "settings/SettingsFile.h"
#include "util/PrivateFolder.h"
#include "util/SaveWhole.h"
#include "util/Words.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr QByteArrayView RaiseRequest = "raise\n";
constexpr QByteArrayView RaiseAnswer = "ok\n";
constexpr QByteArrayView NoSocket = "none\n";

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// The settings file itself, through the user's own links.
QFileInfo SettingsTarget(const QString& settingsPath) {
    const QString target = WriteTarget(settingsPath);
    return QFileInfo(target.isEmpty() ? settingsPath : target);
}

QByteArray ReadLock(int fd) {
    char buffer[4096];
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
    return n > 0 ? QByteArray(buffer, n) : QByteArray();
}

void WriteLock(int fd, QByteArrayView content) {
    if (::ftruncate(fd, 0) == 0) [[maybe_unused]]
        const ssize_t n = ::pwrite(fd, content.data(), content.size(), 0);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// What names the settings file across saves: its folder's device and inode
// (links followed) and its name.
QString FileKey(const QString& settingsPath) {
    const QFileInfo target = SettingsTarget(settingsPath);
    struct stat st {};
    if (::stat(Native(target.absolutePath()).constData(), &st) != 0) return QString();
    return QString::fromLatin1(QCryptographicHash::hash(QByteArray::number(quint64(st.st_dev)) +
                                                            ':' +
                                                            QByteArray::number(quint64(st.st_ino)) +
                                                            '/' + Native(target.fileName()),
                                                        QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(24));
}

// A folder on the way to the private one: a real folder that only this user
// (or root) can change.
bool IsSafeParent(const QByteArray& path) {
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           (st.st_uid == ::geteuid() || st.st_uid == 0) && !(st.st_mode & S_IWOTH);
}

// ~/.local/state/ondulix of the user's home in the password database, made
// for the user alone; empty when it cannot be.
QString UserLockFolder() {
    const passwd* pw = ::getpwuid(::geteuid());
    const QString home =
        pw && pw->pw_dir ? QFileInfo(QFile::decodeName(pw->pw_dir)).canonicalFilePath() : QString();
    if (home.isEmpty() || home == u"/" || !IsSafeParent(Native(home))) return QString();
    QString folder = home;
    for (const char* part : {"/.local", "/state", "/ondulix"}) {
        folder += QLatin1String(part);
        ::mkdir(Native(folder).constData(), 0700);
        if (!IsSafeParent(Native(folder))) return QString();
    }
    return IsPrivateFolder(folder, S_IRWXG | S_IRWXO) ? folder : QString();
}

enum class Lock { Taken, Held, Unavailable };

// Takes the lock file at `path` (never through a link, only a regular file
// of this user's): Held when another copy has it, `fd` then open to read it.
Lock TakeLock(const QString& path, int* fd, QString* why) {
    const QByteArray native = Native(path);
    for (int attempt = 0; attempt < 8; ++attempt) {
        *fd = ::open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                     0600);
        struct stat st {};
        if (*fd < 0 || ::fstat(*fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
            if (*fd >= 0) ::close(*fd);
            *fd = -1;
            *why = words::Tr(QT_TRANSLATE_NOOP("Ondulix",
                                               "the lock file %1 cannot be made or is not yours"))
                       .arg(QDir::toNativeSeparators(path));
            return Lock::Unavailable;
        }
        if (::flock(*fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) return Lock::Held;
            ::close(*fd);
            *fd = -1;
            *why = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "the file system of %1 cannot lock"))
                       .arg(QDir::toNativeSeparators(path));
            return Lock::Unavailable;
        }
        // A copy that ended removes its private lock: the file locked must
        // still be the one at the path.
        struct stat now {};
        if (::lstat(native.constData(), &now) == 0 && SameFile(st, now)) return Lock::Taken;
        ::close(*fd);
    }
    *fd = -1;
    *why = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "the lock file %1 keeps changing"))
               .arg(QDir::toNativeSeparators(path));
    return Lock::Unavailable;
}

// The recorded socket, when it is this user's socket in a private folder.
bool IsTrustedSocket(const QString& path) {
    struct stat st {};
    return ::lstat(Native(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode) &&
           st.st_uid == ::geteuid() &&
           IsPrivateFolder(QFileInfo(path).absolutePath(), S_IWGRP | S_IWOTH);
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsPath, int answerTimeoutMs)
    : m_settingsPath(settingsPath), m_timeoutMs(answerTimeoutMs) {}

SingleInstance::~SingleInstance() {
    if (m_server) m_server->close(); // removes the socket file
    if (m_privateFd >= 0) {          // removed while held, so no two copies hold two files
        struct stat held {
        }, there{};
        if (::fstat(m_privateFd, &held) == 0 &&
            ::lstat(Native(m_privatePath).constData(), &there) == 0 && SameFile(held, there))
            ::unlink(Native(m_privatePath).constData());
        ::close(m_privateFd);
    }
    if (m_lockFd >= 0) {
        WriteLock(m_lockFd, {});
        ::close(m_lockFd); // lets go of the lock
    }
}

QString SingleInstance::LockPathFor(const QString& settingsPath) {
    const QFileInfo target = SettingsTarget(settingsPath);
    return target.absolutePath() + QStringLiteral("/.") + target.fileName() +
           QStringLiteral(".lock");
}

QString SingleInstance::PrivateLockPathFor(const QString& settingsPath) {
    const QString folder = UserLockFolder(), key = FileKey(settingsPath);
    return folder.isEmpty() || key.isEmpty() ? QString()
                                             : folder + u'/' + key + QStringLiteral(".lock");
}

QString SingleInstance::SocketFor(const QString& settingsPath) {
    for (const QString& path : {PrivateLockPathFor(settingsPath), LockPathFor(settingsPath)}) {
        QFile lock(path);
        if (path.isEmpty() || !lock.open(QIODevice::ReadOnly)) continue;
        const QByteArray content = lock.read(4096);
        if (content.endsWith('\n') && content != NoSocket)
            return QFile::decodeName(content.chopped(1));
    }
    return QString();
}

SingleInstance::Claim SingleInstance::Start(const QString& file) {
    const QString folder = SettingsTarget(m_settingsPath).absolutePath();
    QDir().mkpath(folder); // a first start: the settings file will be made here too
    QStringList why;
    m_privatePath = PrivateLockPathFor(m_settingsPath);
    QString reason;
    Lock own = Lock::Unavailable;
    if (m_privatePath.isEmpty())
        why << words::Tr(QT_TRANSLATE_NOOP("Ondulix", "you have no private folder for its lock"));
    else if (own = TakeLock(m_privatePath, &m_privateFd, &reason); own == Lock::Unavailable)
        why << reason;
    // Beside the file only where no one else can change it: the user's own
    // group may write the folder (user private groups); others may not.
    Lock beside = Lock::Unavailable;
    if (own == Lock::Held)
        ; // a copy of this user runs: no need to look further
    else if (!IsPrivateFolder(folder, S_IWOTH))
        why << words::Tr(QT_TRANSLATE_NOOP("Ondulix", "the folder %1 is not yours alone"))
                   .arg(QDir::toNativeSeparators(folder));
    else if (beside = TakeLock(LockPathFor(m_settingsPath), &m_lockFd, &reason);
             beside == Lock::Unavailable)
        why << reason;

    if (own == Lock::Held || beside == Lock::Held) {
        const Claim claim = Ask(own == Lock::Held ? m_privateFd : m_lockFd, file);
        for (int* fd : {&m_privateFd, &m_lockFd}) {
            if (*fd >= 0) ::close(*fd);
            *fd = -1;
        }
        return claim;
    }
    for (const int fd : {m_privateFd, m_lockFd})
        if (fd >= 0) WriteLock(fd, {}); // what a copy that was killed recorded
    if (own == Lock::Taken || beside == Lock::Taken) return Claim::First;
    m_problem = words::Tr(QT_TRANSLATE_NOOP(
                              "Ondulix",
                              "no lock can make sure that no other copy of Ondulix writes it (%1)"))
                    .arg(why.join(QStringLiteral("; ")));
    return Claim::Unguarded;
}

void SingleInstance::Listen(std::function<void(const QString&)> raise) {
    if (m_lockFd < 0 && m_privateFd < 0) return;
    m_raise = std::move(raise);
    // Named for the settings file, so a killed copy's socket is found and replaced.
    const QString name =
        QStringLiteral("ondulix-") + FileKey(m_settingsPath).left(16) + QStringLiteral(".sock");
    const auto record = [this](QByteArrayView content) {
        for (const int fd : {m_privateFd, m_lockFd})
            if (fd >= 0) WriteLock(fd, content);
    };
    // The runtime folder only when it is the user's alone.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString beside = settings::PrivateFolderBeside(m_settingsPath);

    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::Answer);
    for (const QString& folder : {runtime, beside}) {
        if (folder == beside) ::mkdir(Native(beside).constData(), 0700);
        if (!IsPrivateFolder(folder, S_IRWXG | S_IRWXO)) continue;
        const QString socket = folder + u'/' + name;
        if (Native(socket).size() >= qsizetype(sizeof(sockaddr_un::sun_path))) continue;
        QLocalServer::removeServer(socket); // our own folder: a killed copy's
        if (m_server->listen(socket)) {
            record(Native(socket) + '\n');
            return;
        }
    }
    // Later starts are told that this copy runs, but cannot bring it forward.
    record(NoSocket);
}

SingleInstance::Claim SingleInstance::Ask(int lockFd, const QString& file) {
    // A copy still starting (loading its file, making its window) has not
    // named its socket yet: it gets twice as long to do so. Once named, the
    // socket has the usual time to answer.
    const QDeadlineTimer starting(2 * m_timeoutMs);
    std::optional<QDeadlineTimer> answering;
    const QString running = words::Tr(
        QT_TRANSLATE_NOOP("Ondulix", "Ondulix is already running with this settings file. "
                                     "Switch to its window."));
    do {
        const QByteArray content = ReadLock(lockFd);
        if (content == NoSocket) {
            m_problem = running;
            return Claim::Running;
        }
        // Empty, or cut short: the running copy is still starting.
        const QString socketPath =
            content.endsWith('\n') ? QFile::decodeName(content.chopped(1)) : QString();
        if (!socketPath.isEmpty() && !IsTrustedSocket(socketPath)) {
            m_problem = running;
            return Claim::Running;
        }
        if (!socketPath.isEmpty()) {
            if (!answering) answering = QDeadlineTimer(m_timeoutMs);
            const auto left = [&] { return std::max<int>(1, int(answering->remainingTime())); };
            QLocalSocket socket;
            socket.connectToServer(socketPath);
            bool answered = socket.waitForConnected(left());
            if (answered) {
                // "raise\n", or "raise " and the file's path in Base64 (any bytes, one line).
                const QByteArray request = file.isEmpty()
                                               ? RaiseRequest.toByteArray()
                                               : "raise " + file.toUtf8().toBase64() + '\n';
                socket.write(request);
                answered = socket.waitForBytesWritten(left());
                while (answered && socket.bytesAvailable() < RaiseAnswer.size())
                    answered = socket.waitForReadyRead(left());
                answered = answered && socket.read(RaiseAnswer.size()) == RaiseAnswer;
            }
            if (answered) return Claim::Forwarded;
        }
        QThread::msleep(50);
    } while (answering ? !answering->hasExpired() : !starting.hasExpired());
    m_problem = words::Tr(QT_TRANSLATE_NOOP(
        "Ondulix", "Ondulix is already running with this settings file, but it does "
                   "not answer. Close it first, or end it if it hangs."));
    return Claim::Unreachable;
}

void SingleInstance::Answer() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            constexpr qint64 MaxRequest = 16 * 1024; // a path of 12 KB
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxRequest) socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(MaxRequest);
            QString file;
            if (line.startsWith("raise ") && line.endsWith('\n')) {
                const auto decoded = QByteArray::fromBase64Encoding(
                    line.mid(6).chopped(1), QByteArray::AbortOnBase64DecodingErrors);
                if (!decoded) {
                    socket->abort();
                    return;
                }
                file = QString::fromUtf8(*decoded);
            } else if (line != RaiseRequest) {
                socket->abort();
                return;
            }
            socket->write(RaiseAnswer.data(), RaiseAnswer.size());
            socket->flush();
            // Queued: raising may open a message box, whose own event loop
            // could delete this socket under its signal.
            QTimer::singleShot(0, this, [this, file] {
                if (m_raise) m_raise(file);
            });
        });
    }
}
