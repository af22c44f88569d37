#include "util/SaveWhole.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString WriteWhole(QFileDevice& file, QByteArrayView bytes) {
    // A short write sets no error; the next write of the rest is the one
    // that says why.
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0) break;
        bytes = bytes.sliced(written);
    }
    if (bytes.isEmpty() && file.flush()) return QString();
    const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QString();
    return reason.isEmpty() || reason == QLatin1String("Unknown error")
               ? QStringLiteral("the disk did not take the whole file")
               : reason;
}

QString SaveWhole(const QString& path, QByteArrayView bytes) {
    const QFileInfo given(path);
    // QSaveFile writes a link's target; the checks look there too.
    const QFileInfo info(given.isSymLink() ? given.symLinkTarget() : path);
    if (info.exists() && !info.isFile()) {
        if (info.isDir()) return QStringLiteral("%1 is a folder").arg(path);
        QFile device(info.absoluteFilePath());
        if (!device.open(QIODevice::WriteOnly)) return device.errorString();
        return WriteWhole(device, bytes);
    }
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner)))
        return QStringLiteral("the file is read-only");
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder %1 does not exist").arg(folder.filePath());
    if (!folder.isWritable() || !(folder.permissions() & QFileDevice::WriteOwner))
        return QStringLiteral("the folder %1 is read-only").arg(folder.filePath());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (const QString reason = WriteWhole(file, bytes); !reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return QString();
}
