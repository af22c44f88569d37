#pragma once

#include <QByteArray>
#include <QString>

// Reading a file the user handed over (a contacts file): only a regular
// file, never more than a limit. A named pipe, a device, a socket or a
// folder is refused before anything could block on it or read without end.
struct RegularRead {
    enum class Refusal { None, CannotOpen, NotRegular, TooLarge };
    Refusal refusal = Refusal::None;
    QString
        detail; // CannotOpen: the system's reason; NotRegular: "fifo", "device", "socket", "folder"
    QByteArray bytes;
};
RegularRead ReadRegularFile(const QString& path, qint64 maxBytes);
