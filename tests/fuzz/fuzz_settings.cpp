// libFuzzer target: any bytes as a settings file, read as start-up reads it,
// then saved as the program saves it. Besides the sanitizers it checks that a
// write reads back, leaves every other value as it was, and leaves the
// document as a fresh read of its bytes gives it.
#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>

namespace {

void Check(bool condition, int line = __builtin_LINE()) {
    if (condition) return;
    std::fprintf(stderr, "fuzz_settings.cpp:%d: check failed\n", line);
    std::abort();
}

const QString FuzzSection = QStringLiteral("Fuzz");

std::map<QString, QString> Values(const ProfileDocument& d) {
    std::map<QString, QString> values;
    for (const QString& s : {settings::PersonalSection, settings::OptionsSection, FuzzSection})
        for (const QString& k : d.Keys(s))
            values[s + u'\n' + k.toCaseFolded()] = d.ReadString(s, k, QString(), 1000);
    return values;
}

void Write(ProfileDocument& d, const QString& section, const QString& key, const QString& value) {
    auto before = Values(d);
    d.WriteString(section, key, value); // throws before changing anything
    Check(d.ReadString(section, key, QString(), 1000) == value.left(999));
    auto after = Values(d);
    Check(Values(ProfileDocument(d.Bytes())) == after);
    before.erase(section + u'\n' + key.trimmed().toCaseFolded());
    after.erase(section + u'\n' + key.trimmed().toCaseFolded());
    Check(before == after);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ProfileDocument document(bytes);
    const settings::SettingsReader reader(document);
    const settings::StoredPersonal personal = reader.ReadPersonalSection();
    reader.ReadOptions();
    Check(personal.friends.size() <= settings::FriendList::MaxFriends);

    // The section written back (loaded names are always storable), a friend's keys deleted.
    settings::FriendList list;
    list.Load(cal::TrioOf(personal.ownBirth), personal.friends);
    for (const ProfileWrite& w : list.PersonalWrites()) {
        document.WriteString(w.section, w.key, w.value);
        Check(document.ReadString(w.section, w.key, QString(), 1000) == w.value.left(999));
    }
    document.DeleteKey(settings::PersonalSection, settings::NameKey(1));
    Check(!document.HasKey(settings::PersonalSection, settings::NameKey(1)));
    for (const ProfileWrite& w : settings::OptionWrites({true, false, true}))
        Write(document, w.section, w.key, w.value);
    const qsizetype half = bytes.size() / 2;
    const QByteArray saved = document.Bytes();
    try {
        Write(document, FuzzSection, QString::fromUtf8(bytes.left(std::min<qsizetype>(half, 12))),
              QString::fromUtf8(bytes.mid(half, 40)));
    } catch (const std::invalid_argument&) {
        Check(document.Bytes() == saved);
    }
    return 0;
}
