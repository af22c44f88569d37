#pragma once

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

// Writing a file so that it is whole or not there: the new bytes go to a
// temporary file beside it, are flushed and checked, then take its place in
// one rename (QSaveFile). A crash, a kill or a full disk midway leaves the old
// file as it was.
//
// Anything that is not a regular file (a device such as /dev/full, a pipe)
// cannot be replaced, so it is written straight. A file or folder its owner
// may not write is read-only by intent and refused, even for root.
//
// Each returns an empty string on success, else the reason in a few words.
QString SaveWhole(const QString& path, QByteArrayView bytes);

// Writes all of `bytes` and flushes them; the real reason when the device
// fails (a nearly full disk takes part of a write without an error).
QString WriteWhole(QFileDevice& file, QByteArrayView bytes);
