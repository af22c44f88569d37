#include "process/SingleInstance.h"

#include "settings/SettingsFile.h"
#include "util/PrivateFolder.h"
#include "util/SaveWhole.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <fcntl.h>
#include <optional>
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

QString SingleInstance::SocketFor(const QString& settingsPath) {
    QFile lock(LockPathFor(settingsPath));
    if (!lock.open(QIODevice::ReadOnly)) return QString();
    const QByteArray content = lock.read(4096);
    return content.endsWith('\n') && content != NoSocket ? QFile::decodeName(content.chopped(1))
                                                         : QString();
}

SingleInstance::Claim SingleInstance::Start(const QString& file) {
    const QString folder = SettingsTarget(m_settingsPath).absolutePath();
    QDir().mkpath(folder); // a first start: the settings file will be made here too
    const QString lockPath = LockPathFor(m_settingsPath);
    const auto unguarded = [&](const QString& why) {
        m_problem = QStringLiteral("Ondulix cannot make sure that it runs only once with this "
                                   "settings file: %1.")
                        .arg(why);
        return Claim::First;
    };
    // The user's own group may write it (user private groups); others may not.
    if (!IsPrivateFolder(folder, S_IWOTH))
        return unguarded(QStringLiteral("the folder %1 is not yours alone")
                             .arg(QDir::toNativeSeparators(folder)));
    m_lockFd =
        ::open(Native(lockPath).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    struct stat st {};
    if (m_lockFd < 0 || ::fstat(m_lockFd, &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid()) {
        if (m_lockFd >= 0) ::close(m_lockFd);
        m_lockFd = -1;
        return unguarded(QStringLiteral("the lock file %1 cannot be made")
                             .arg(QDir::toNativeSeparators(lockPath)));
    }
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0) {
        WriteLock(m_lockFd, {}); // what a copy that was killed recorded
        return Claim::First;
    }
    const bool held = errno == EWOULDBLOCK;
    const Claim claim = held ? Ask(file) : unguarded(QStringLiteral("the file system cannot lock"));
    ::close(m_lockFd);
    m_lockFd = -1;
    return claim;
}

void SingleInstance::Listen(std::function<void(const QString&)> raise) {
    if (m_lockFd < 0) return;
    m_raise = std::move(raise);
    // Named for the lock file itself, so a killed copy's socket is found and replaced.
    struct stat st {};
    ::fstat(m_lockFd, &st);
    const QString name =
        QStringLiteral("ondulix-") +
        QString::fromLatin1(QCryptographicHash::hash(QByteArray::number(quint64(st.st_dev)) + ':' +
                                                         QByteArray::number(quint64(st.st_ino)),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(16)) +
        QStringLiteral(".sock");
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
            WriteLock(m_lockFd, Native(socket) + '\n');
            return;
        }
    }
    // Later starts are told that this copy runs, but cannot bring it forward.
    WriteLock(m_lockFd, NoSocket);
}

SingleInstance::Claim SingleInstance::Ask(const QString& file) {
    // A copy still starting (loading its file, making its window) has not
    // named its socket yet: it gets twice as long to do so. Once named, the
    // socket has the usual time to answer.
    const QDeadlineTimer starting(2 * m_timeoutMs);
    std::optional<QDeadlineTimer> answering;
    const QString running = QStringLiteral("Ondulix is already running with this settings file. "
                                           "Switch to its window.");
    do {
        const QByteArray content = ReadLock(m_lockFd);
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
    m_problem = QStringLiteral("Ondulix is already running with this settings file, but it does "
                               "not answer. Close it first, or end it if it hangs.");
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
            if (m_raise) m_raise(file);
        });
    }
}
