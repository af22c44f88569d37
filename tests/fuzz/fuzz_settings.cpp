// libFuzzer target: any bytes as a settings file, loaded, a friend removed and
// one saved, the section written back and read again. Besides the sanitizers
// it checks that the reload finds what was written.
#include "settings/SettingsFile.h"

#include <cstdlib>

using namespace settings;
using namespace people;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0;
    ProfileDocument document(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const StoredPersonal loaded = SettingsReader(document).ReadPersonalSection();
    FriendList list;
    list.Load(cal::TrioOf(loaded.ownBirth), loaded.friends);
    if (list.FriendCount > 0) list.Remove(1);
    list.Save("Zed", {"2", "March", "1980"});
    for (const ProfileWrite& w : PersonalWrites(list)) // loaded names are always storable
        document.WriteString(w.section, w.key, w.value);
    // Keys past the new count stay, so the reload may find more friends.
    const StoredPersonal reread =
        SettingsReader(ProfileDocument(document.Bytes())).ReadPersonalSection();
    bool same = reread.ownBirth == loaded.ownBirth &&
                reread.friends.size() >= std::size_t(list.FriendCount);
    for (std::int32_t i = 1; same && i <= list.FriendCount; ++i)
        same = reread.friends[i - 1].name == list.FriendName[i] &&
               reread.friends[i - 1].birth == list.Entry(i).birth;
    if (!same) std::abort();
    return 0;
}
