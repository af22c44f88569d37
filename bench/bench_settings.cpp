// The settings file at its largest: 999 friends read at start-up and the
// whole section "PERSONAL" rewritten after each change.
#include "settings/SettingsFile.h"

#include <benchmark/benchmark.h>

namespace {

people::FriendList FullList() {
    std::vector<people::Friend> friends;
    for (int i = 1; i <= people::FriendList::MaxFriends; ++i)
        friends.push_back({QStringLiteral("Friend %1").arg(i), {"28", "February", "1999"}});
    people::FriendList list;
    list.Load({"1", "January", "1960"}, friends);
    return list;
}

ProfileDocument Written(const QByteArray& start, const people::FriendList& entries) {
    ProfileDocument d(start);
    for (const ProfileWrite& w : settings::PersonalWrites(entries))
        d.WriteString(w.section, w.key, w.value);
    return d;
}

void BM_WritePersonalIntoNewFile(benchmark::State& state) {
    const auto entries = FullList();
    for (auto _ : state)
        benchmark::DoNotOptimize(Written({}, entries).Bytes().size());
}
BENCHMARK(BM_WritePersonalIntoNewFile)->Unit(benchmark::kMillisecond);

void BM_RewritePersonal(benchmark::State& state) {
    const auto entries = FullList();
    const QByteArray file = Written({}, entries).Bytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(Written(file, entries).Bytes().size());
}
BENCHMARK(BM_RewritePersonal)->Unit(benchmark::kMillisecond);

void BM_ReadPersonal(benchmark::State& state) {
    const QByteArray file = Written({}, FullList()).Bytes();
    for (auto _ : state) {
        const settings::SettingsReader reader{ProfileDocument(file)};
        benchmark::DoNotOptimize(reader.ReadPersonalSection().friends.size());
    }
}
BENCHMARK(BM_ReadPersonal)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
