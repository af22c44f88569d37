#include "ui/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {

constexpr QByteArrayView RaiseRequest = "raise\n";
constexpr QByteArrayView RaiseAnswer = "ok\n";

// The same file by whichever name or link it was reached, existing or not yet.
QString CanonicalPath(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) return info.canonicalFilePath();
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : folder + u'/' + info.fileName();
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsPath, int answerTimeoutMs)
    : m_key(KeyFor(settingsPath)), m_timeoutMs(answerTimeoutMs) {}

SingleInstance::~SingleInstance() {
    if (m_server) m_server->close(); // removes the socket file
}

QString SingleInstance::KeyFor(const QString& settingsPath) {
    const QByteArray hash =
        QCryptographicHash::hash(CanonicalPath(settingsPath).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(24);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("ondulix-") + QString::fromLatin1(hash));
}

SingleInstance::Claim SingleInstance::Start() {
    QDir().mkpath(QFileInfo(m_key).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_key + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // stale only when its copy is gone, however long it runs
    const QString socketName = m_key + QStringLiteral(".sock");

    if (m_lock->tryLock(0)) {
        QLocalServer::removeServer(socketName); // a killed copy's socket
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::Answer);
        // Without the socket a later start finds no one to ask and says so;
        // this copy still holds the file for itself.
        m_server->listen(socketName);
        return Claim::First;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        m_problem = QStringLiteral("Ondulix could not tell whether it is already running (the "
                                   "lock file %1 cannot be made).")
                        .arg(QDir::toNativeSeparators(m_key + QStringLiteral(".lock")));
        return Claim::Unreachable;
    }

    QLocalSocket socket;
    socket.connectToServer(socketName);
    bool answered = socket.waitForConnected(m_timeoutMs);
    if (answered) {
        socket.write(RaiseRequest.data(), RaiseRequest.size());
        answered = socket.waitForBytesWritten(m_timeoutMs);
        while (answered && socket.bytesAvailable() < RaiseAnswer.size())
            answered = socket.waitForReadyRead(m_timeoutMs);
        answered = answered && socket.read(RaiseAnswer.size()) == RaiseAnswer;
    }
    if (answered) return Claim::Forwarded;
    m_problem = QStringLiteral("Ondulix is already running with this settings file, but it does "
                               "not answer. Close it first, or end it if it hangs.");
    return Claim::Unreachable;
}

void SingleInstance::Answer() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < RaiseRequest.size()) return;
            const bool raise = socket->read(RaiseRequest.size()) == RaiseRequest;
            if (!raise) {
                socket->abort();
                return;
            }
            socket->write(RaiseAnswer.data(), RaiseAnswer.size());
            socket->flush();
            if (Raise) Raise();
        });
    }
}
