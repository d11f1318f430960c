// Loading a profile file with very many macro keys: each key is found through the table's
// index, so the time grows with the file, not with its square.
#include "common/Reporting.h"
#include "profiles/CharacterProfileList.h"

#include "BenchHost.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string profileWithKeys(int keyCount) {
    std::string text = "NewProfile\nName \"Many\"\nMacros\n";
    for (int key = 0; key < keyCount; ++key) {
        text += "key " + std::to_string(key) + "@#$#@text\n";
    }
    return text + "End\nEnd\n";
}

void LoadManyMacroKeys(benchmark::State& state) {
    const std::string text = profileWithKeys(static_cast<int>(state.range(0)));
    vesk::bench::BenchHost host;
    vesk::Reporting reporting(host, "/dev/null");
    for (auto _ : state) {
        vesk::CharacterProfileList list;
        list.loadFromText(text, "Profiles.DAT", reporting);
        benchmark::DoNotOptimize(list[0].macros.size());
    }
}
BENCHMARK(LoadManyMacroKeys)->Arg(100'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

} // namespace
