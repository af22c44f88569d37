#pragma once

#include <QString>
#include <sys/types.h>

// A folder of this user's that no one else may write into (or, with
// S_IRWXG | S_IRWXO, even look into). A link is never one.
bool IsPrivateFolder(const QString& path, mode_t othersMayNot);

// Qt looks into the runtime folder while it starts; without XDG_RUNTIME_DIR
// it makes one in /tmp, shared with every user, and warns on stderr. Before
// Qt starts, this points XDG_RUNTIME_DIR at `fallback` (made for this user
// alone) unless it already names a folder of the user's alone.
void UsePrivateRuntimeFolder(const QString& fallback);
