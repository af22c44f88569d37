#include "util/RegularFile.h"

#include "util/Words.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Kind(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("folder");
    if (S_ISFIFO(mode)) return QStringLiteral("fifo");
    if (S_ISSOCK(mode)) return QStringLiteral("socket");
    return QStringLiteral("device");
}

} // namespace

RegularRead ReadRegularFile(const QString& path, qint64 maxBytes) {
    using enum RegularRead::Refusal;
    const QByteArray native = QFile::encodeName(path);
    RegularRead read;
    // Looked at first: opening a device may already do something.
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return {CannotOpen, words::SystemReason(QString::fromLocal8Bit(std::strerror(errno))), {}};
    if (!S_ISREG(st.st_mode)) return {NotRegular, Kind(st.st_mode), {}};
    if (st.st_size > maxBytes) return {TooLarge, {}, {}};
    // O_NONBLOCK: a pipe laid in its place since never holds the open up.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {CannotOpen, words::SystemReason(QString::fromLocal8Bit(std::strerror(errno))), {}};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {NotRegular, Kind(st.st_mode), {}};
    }
    // A file that grows while it is read: never more than the limit and a byte.
    read.bytes.resize(qsizetype(std::min<qint64>(st.st_size, maxBytes) + 1));
    qsizetype got = 0;
    while (got < read.bytes.size()) {
        const ssize_t n = ::read(fd, read.bytes.data() + got, size_t(read.bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            read = {
                CannotOpen, words::SystemReason(QString::fromLocal8Bit(std::strerror(errno))), {}};
            break;
        }
        if (n == 0) break;
        got += n;
        if (got == read.bytes.size() && got <= maxBytes)
            read.bytes.resize(std::min<qsizetype>(got * 2, maxBytes + 1));
    }
    ::close(fd);
    if (read.refusal != None) return read;
    read.bytes.truncate(got);
    if (got > maxBytes) return {TooLarge, {}, {}};
    return read;
}
