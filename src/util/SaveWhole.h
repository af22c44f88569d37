#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QFileDevice>
#include <QString>

// Writing a file so that it is whole or not there: the new bytes go to a
// temporary file of our own beside it (".NAME.ondulix-XXXXXX"), are flushed,
// synced and checked, then take its place in one rename. A crash, a kill or a
// full disk midway leaves the old file as it was.
//
// A link is followed to the file it names, which is created when it does not
// exist yet; but only a link of the user's own (or root's) or one in a folder
// of the user's that is not shared (sticky): another user's link in a shared
// folder such as /tmp, or in their own folder, is never followed, and a loop
// of links is never replaced.
//
// Anything that is not a regular file (a device such as /dev/full, a pipe)
// cannot be replaced, so it is written straight. A file or folder its owner
// may not write is read-only by intent and refused, even for root.
//
// Each returns an empty string on success, else the reason in a few words.
enum class NewFileAccess { Default, OwnerOnly };
QString SaveWhole(const QString& path, QByteArrayView bytes,
                  NewFileAccess access = NewFileAccess::Default);

// Writes all of `bytes` and flushes them; the real reason when the device
// fails (a nearly full disk takes part of a write without an error).
QString WriteWhole(QFileDevice& file, QByteArrayView bytes);

// The file that writing to `path` replaces: links followed as SaveWhole
// follows them. Empty, with the reason, when SaveWhole would refuse the link.
QString WriteTarget(const QString& path, QString* refusal = nullptr);

// Removes the temporary files that SaveWhole left beside `path`'s target
// when it was interrupted before `before`: only ours, only regular files of
// this user's.
void RemoveInterruptedSaves(const QString& path, const QDateTime& before);
