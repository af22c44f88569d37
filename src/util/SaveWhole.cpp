#include "util/SaveWhole.h"

#include "util/Words.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// QSaveFile names its temporary "NAME.XXXXXX", which cannot be told from a
// user's own "NAME.backup", and resolves links itself, another user's too;
// so the replacing is done here.

namespace {

constexpr int MaxLinkHops = 40; // as the kernel allows

QString Reason(int error) {
    return words::SystemReason(QString::fromLocal8Bit(std::strerror(error)));
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

QString TemporaryPrefix(const QFileInfo& target) {
    return QLatin1Char('.') + target.fileName() + QLatin1String(".ondulix-");
}

// The new file's mode: the old file's, else what the umask allows.
mode_t NewMode(NewFileAccess access) {
    if (access == NewFileAccess::OwnerOnly) return 0600;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QString WriteStraight(const QString& path, QByteArrayView bytes) {
    // O_NONBLOCK: a pipe nobody reads fails at once instead of hanging.
    const int fd = ::open(Native(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Reason(errno);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile device;
    if (!device.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return words::SystemReason(device.errorString());
    }
    return WriteWhole(device, bytes);
}

} // namespace

QString WriteWhole(QFileDevice& file, QByteArrayView bytes) {
    // A short write sets no error; the next write of the rest is the one
    // that says why.
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0) break;
        bytes = bytes.sliced(written);
    }
    if (bytes.isEmpty() && file.flush()) return QString();
    const QString reason =
        file.error() != QFileDevice::NoError ? words::SystemReason(file.errorString()) : QString();
    return reason.isEmpty() || reason == QLatin1String("Unknown error")
               ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "the disk did not take the whole file"))
               : reason;
}

QString WriteTarget(const QString& path, QString* refusal) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat link {};
        if (::lstat(Native(current).constData(), &link) != 0 || !S_ISLNK(link.st_mode))
            return current;
        // Only a link of the user's own (or root's), or one in a folder of the
        // user's that others cannot write into: another user's link elsewhere
        // may have been laid for us.
        const QString folder = QFileInfo(current).absolutePath();
        struct stat dir {};
        const uid_t me = ::geteuid();
        if (link.st_uid != me && link.st_uid != 0 &&
            (::stat(Native(folder).constData(), &dir) != 0 || dir.st_uid != me ||
             (dir.st_mode & S_ISVTX))) {
            if (refusal)
                *refusal =
                    words::Tr(QT_TRANSLATE_NOOP(
                                  "Ondulix", "%1 is a link that another user made in a folder that "
                                             "is not yours alone; Ondulix does not follow it"))
                        .arg(QDir::toNativeSeparators(current));
            return QString();
        }
        const QString next = QFile::symLinkTarget(current);
        if (next.isEmpty()) break;
        current = next;
    }
    if (refusal)
        *refusal = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 is a loop of links"))
                       .arg(QDir::toNativeSeparators(path));
    return QString();
}

QString SaveWhole(const QString& path, QByteArrayView bytes, NewFileAccess access) {
    QString refusal;
    const QString target = WriteTarget(path, &refusal);
    if (target.isEmpty()) return refusal;

    struct stat old {};
    const bool exists = ::stat(Native(target).constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 is a folder")).arg(path);
    if (exists && !S_ISREG(old.st_mode)) return WriteStraight(target, bytes);
    const QFileInfo info(target);
    if (exists && (!(old.st_mode & S_IWUSR) || ::access(Native(target).constData(), W_OK) != 0))
        return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "the file is read-only"));
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "the folder %1 does not exist"))
            .arg(folder.filePath());
    if (!folder.isWritable() || !(folder.permissions() & QFileDevice::WriteOwner))
        return words::Tr(QT_TRANSLATE_NOOP("Ondulix", "the folder %1 is read-only"))
            .arg(folder.filePath());

    QTemporaryFile temporary(folder.absoluteFilePath() + u'/' + TemporaryPrefix(info) +
                             QStringLiteral("XXXXXX"));
    if (!temporary.open()) return words::SystemReason(temporary.errorString());
    if (const QString reason = WriteWhole(temporary, bytes); !reason.isEmpty()) return reason;
    const int fd = temporary.handle();
    if (::fchmod(fd, exists ? (old.st_mode & 07777) : NewMode(access)) != 0 || ::fsync(fd) != 0)
        return Reason(errno);
    if (::rename(Native(temporary.fileName()).constData(), Native(target).constData()) != 0)
        return Reason(errno);
    temporary.setAutoRemove(false); // it is the file now
    // The rename itself on disk, so a power cut cannot bring the old file back.
    if (const int dir = ::open(Native(folder.absoluteFilePath()).constData(),
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return QString();
}

void RemoveInterruptedSaves(const QString& path, const QDateTime& before) {
    const QString target = WriteTarget(path);
    if (target.isEmpty()) return;
    const QFileInfo info(target);
    const QString prefix = TemporaryPrefix(info);
    const QDir folder = info.absoluteDir();
    for (const QString& name :
         folder.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden)) {
        const QByteArray file = Native(folder.filePath(name));
        struct stat st {};
        if (::lstat(file.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == ::geteuid() &&
            QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 +
                                           st.st_mtim.tv_nsec / 1000000) < before)
            ::unlink(file.constData());
    }
}
