#include "util/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

bool IsPrivateFolder(const QString& path, mode_t othersMayNot) {
    struct stat st {};
    return QFileInfo(path).isAbsolute() && ::lstat(QFile::encodeName(path).constData(), &st) == 0 &&
           S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & othersMayNot) == 0;
}

void UsePrivateRuntimeFolder(const QString& fallback) {
    if (IsPrivateFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), S_IRWXG | S_IRWXO)) return;
    QDir().mkpath(QFileInfo(fallback).absolutePath());
    ::mkdir(QFile::encodeName(fallback).constData(), 0700);
    if (IsPrivateFolder(fallback, S_IRWXG | S_IRWXO))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(fallback));
}
