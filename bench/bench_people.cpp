// Contacts at the readers' limit: 10,000 vCards previewed against a full list
// (target under 200 ms), and a name found among 999 as the user types
// (target under 1 ms a keystroke).
#include "people/BirthdayCalendar.h"
#include "people/ContactsCsvReader.h"
#include "people/ContactsFile.h"
#include "people/FriendsExport.h"
#include "people/ImportPreview.h"
#include "people/NameFinder.h"
#include "people/UpcomingBirthdays.h"
#include "people/VCardReader.h"

#include <benchmark/benchmark.h>

namespace {

people::FriendList FullList() {
    std::vector<people::Friend> friends;
    for (int i = 1; i <= people::FriendList::MaxFriends; ++i)
        friends.push_back({QStringLiteral("Ánh Nguyễn %1").arg(i, 4, 10, QChar(u'0')),
                           {"28", "February", "1999"}});
    people::FriendList list;
    list.Load({"1", "January", "1960"}, friends);
    return list;
}

// A phone's export: a tenth of the names already listed, every other name folded.
QByteArray ManyCards() {
    QByteArray bytes;
    for (int i = 1; i <= people::MaxContacts; ++i) {
        const QString number =
            QString::number(i % 10 == 0 ? i / 10 : i + 1000).rightJustified(4, u'0');
        bytes +=
            QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Nguyễn;Ánh;;;\r\nFN:Ánh Nguyễn%1%2\r\n"
                           "TEL;TYPE=CELL:+62 812 555 %2\r\nBDAY;VALUE=date:1980-%3-%4\r\n"
                           "END:VCARD\r\n")
                .arg(i % 2 ? QStringLiteral(" ") : QStringLiteral("\r\n  "), number)
                .arg(i % 12 + 1, 2, 10, QChar(u'0'))
                .arg(i % 28 + 1, 2, 10, QChar(u'0'))
                .toUtf8();
    }
    return bytes;
}

void BM_PreviewTenThousandVCards(benchmark::State& state) {
    const QByteArray bytes = ManyCards();
    const people::FriendList list = FullList();
    for (auto _ : state) {
        const auto read = people::ReadContacts(bytes, QStringLiteral("kontak.vcf"),
                                               people::DateOrder::DayMonthYear);
        benchmark::DoNotOptimize(people::PreviewImport(list, read.contacts).size());
    }
}
BENCHMARK(BM_PreviewTenThousandVCards)->Unit(benchmark::kMillisecond);

void BM_FoldNames(benchmark::State& state) {
    const QStringList names = FullList().Names();
    for (auto _ : state)
        benchmark::DoNotOptimize(people::NameFinder(names).Find(QStringLiteral("a")));
}
BENCHMARK(BM_FoldNames)->Unit(benchmark::kMillisecond);

// A keystroke: the typed text folded, then found in the last name only.
void BM_FindNameKeystroke(benchmark::State& state) {
    const people::NameFinder finder(FullList().Names());
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.Find(QStringLiteral("NGUYEN 0999")));
}
BENCHMARK(BM_FindNameKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
