#include "people/ImportPreview.h"

#include "people/Names.h"
#include "util/Words.h"
#include "util/modStrUtil.h"

#include <QHash>
#include <QSet>

namespace people {

std::vector<ImportEntry> PreviewImport(const FriendList& list,
                                       const std::vector<Contact>& contacts) {
    // By hash: a file can hold thousands of contacts. The first friend of a
    // key keeps it, as Find would.
    QHash<QString, std::int32_t> listed;
    for (std::int32_t i = list.FriendCount; i >= 1; --i)
        listed.insert(MatchKey(list.FriendName[i]), i);
    const QString own = MatchKey(list.FriendName[0]);
    QSet<QString> taken;
    std::int32_t count = list.FriendCount;
    std::vector<ImportEntry> preview;
    preview.reserve(contacts.size());
    for (const Contact& c : contacts) {
        ImportEntry e;
        e.name = CleanName(c.name);
        e.sourceName = c.name;
        e.birth = c.birth;
        const QString whole = MatchKey(c.name);
        e.cut = modStrUtil::SquashBlanks(modStrUtil::OneLine(c.name)).size() > MaxNameLength;
        // The whole name first: a listed name longer than the box takes is
        // matched before any cutting; then the name as it would be stored.
        std::int32_t at = listed.value(whole, -1);
        if (at < 0) at = listed.value(MatchKey(e.name), -1);
        const bool cutMatch = at > 0 && MatchKey(list.FriendName[at]) != whole;
        if (at > 0) e.name = list.FriendName[at];
        const QString key = MatchKey(e.name);
        const int year = c.birth.year();
        if (e.name.isEmpty())
            e.reason = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "tanpa nama"));
        else if (whole == own || key == own)
            e.reason = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "nama entri Anda sendiri"));
        else if (c.kind == BirthKind::Missing)
            e.reason = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "tanpa tanggal lahir"));
        else if (c.kind == BirthKind::NoYear)
            e.reason = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "tanpa tahun"));
        else if (c.kind == BirthKind::Unreadable)
            e.reason = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "tanggal tak terbaca: %1"))
                           .arg(c.birthText.trimmed());
        else if (c.kind == BirthKind::OtherOrder)
            e.reason = words::Tr(QT_TRANSLATE_NOOP(
                                     "Ondulix", "tanggal ini hanya terbaca dengan urutan lain: %1"))
                           .arg(c.birthText.trimmed());
        else if (year < cal::FirstYear || year > cal::LastYear)
            e.reason = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "tahun %1 di luar %2–%3"))
                           .arg(year)
                           .arg(cal::FirstYear)
                           .arg(cal::LastYear);
        else if (taken.contains(key))
            e.reason = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "nama ganda dalam berkas"));
        else if (at > 0) {
            e.listed = list.Id(at);
            e.listedBirth = list.BirthDate(at);
            e.verdict = e.listedBirth == e.birth ? Verdict::Same : Verdict::Update;
        } else if (count >= FriendList::MaxFriends) {
            e.reason = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "daftar penuh (%1 teman)"))
                           .arg(FriendList::MaxFriends);
        } else {
            ++count;
            e.verdict = Verdict::New;
        }
        if (e.verdict != Verdict::Skipped) taken.insert(key);
        // A cut name may be someone else's: the user decides on that update.
        e.cut = e.cut && (e.verdict == Verdict::New || cutMatch);
        e.chosen = e.verdict == Verdict::New || (e.verdict == Verdict::Update && !e.cut);
        preview.push_back(e);
    }
    return preview;
}

FriendList ApplyImport(FriendList list, const std::vector<ImportEntry>& preview) {
    // Updates to the person they matched, wherever they are now.
    for (const ImportEntry& e : preview)
        if (const std::int32_t at = list.IndexOf(e.listed);
            e.chosen && e.verdict == Verdict::Update && at > 0)
            list.SetDate(at, cal::TrioOf(e.birth));
    for (const ImportEntry& e : preview)
        if (e.chosen && e.verdict == Verdict::New) list.Save(e.name, cal::TrioOf(e.birth));
    return list;
}

} // namespace people
