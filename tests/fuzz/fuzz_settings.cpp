// libFuzzer target: any bytes as a settings file, read as start-up reads it,
// then written to as the program writes it. Checks, besides the sanitizers,
// that every write reads back and that the edited document is what a fresh
// read of its bytes gives.
#include "settings/FriendList.h"
#include "settings/PrivateProfile.h"
#include "settings/SettingsFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

void Check(bool condition, int line = __builtin_LINE()) {
    if (condition) return;
    std::fprintf(stderr, "fuzz_settings.cpp:%d: check failed\n", line);
    std::abort();
}

// The value a key reads as, from the document and from a fresh read of its bytes.
void SameAfterReparse(const ProfileDocument& d, const QString& section, const QString& key) {
    const ProfileDocument fresh(d.Bytes());
    Check(d.ReadString(section, key, QStringLiteral("<none>"), 1000) ==
          fresh.ReadString(section, key, QStringLiteral("<none>"), 1000));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // Start-up: the personal section with its repairs, and the options.
    ProfileDocument document(bytes);
    const settings::SettingsReader reader(document);
    const settings::StoredPersonal personal = reader.ReadPersonalSection();
    reader.ReadOptions();
    Check(personal.friends.size() <= settings::FriendList::MaxFriends);
    settings::FriendList list;
    list.Load(cal::TrioOf(personal.ownBirth), personal.friends);

    // Saves: the section written back, a friend removed and its keys deleted,
    // the options, and one write whose key and value come from the input.
    for (const ProfileWrite& w : list.PersonalWrites()) {
        document.WriteString(w.section, w.key, w.value); // loaded names are always storable
        Check(document.ReadString(w.section, w.key, QString(), 1000) == w.value.left(999));
        SameAfterReparse(document, w.section, w.key);
    }
    if (list.FriendCount > 0) {
        // The file now holds the original numbers and 1..FriendCount.
        std::vector<std::int32_t> numbers = personal.numbers;
        for (std::int32_t n = 1; n <= list.FriendCount; ++n)
            numbers.push_back(n);
        list.Remove(1);
        for (const ProfileWrite& w : list.PersonalWrites())
            document.WriteString(w.section, w.key, w.value);
        for (const std::int32_t n : numbers) { // what a save tidies away
            if (n <= list.FriendCount) continue;
            document.DeleteKey(settings::PersonalSection, settings::NameKey(n));
            document.DeleteKey(settings::PersonalSection, settings::BdayKey(n));
            Check(!document.HasKey(settings::PersonalSection, settings::NameKey(n)));
        }
        // The list again, and the friends it could not show.
        const settings::StoredPersonal again =
            settings::SettingsReader(ProfileDocument(document.Bytes())).ReadPersonalSection();
        Check(again.friends.size() ==
              std::min<std::size_t>(settings::FriendList::MaxFriends,
                                    std::size_t(list.FriendCount + personal.hidden)));
    }
    for (const ProfileWrite& w : settings::OptionWrites({true, false, true, false}))
        document.WriteString(w.section, w.key, w.value);
    Check(settings::SettingsReader(ProfileDocument(document.Bytes())).ReadOptions()[1] == false);

    const qsizetype half = bytes.size() / 2;
    const QString key = QString::fromUtf8(bytes.left(std::min<qsizetype>(half, 12)));
    const QString value = QString::fromUtf8(bytes.mid(half, 40));
    try {
        document.WriteString(QStringLiteral("Fuzz"), key, value);
        Check(document.ReadString(QStringLiteral("Fuzz"), key, QString(), 1000) == value);
        SameAfterReparse(document, QStringLiteral("Fuzz"), key);
    } catch (const std::invalid_argument&) {
        // refused: nothing may have changed
    }
    return 0;
}
