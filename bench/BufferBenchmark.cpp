// The scroll-back's cost: storing a million 80-character lines (time and resident memory), and
// a forward search that finds nothing over them.
#include "display/Search.h"
#include "display/TextBuffer.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <string>

namespace {

// Bytes the allocator has handed out and not taken back (glibc's count, allocator overhead
// included).
long residentBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
}

std::string lineOf(int number) {
    std::string line =
        "Line " + std::to_string(number) + " of the scroll-back, padded out to a full row";
    line.resize(79, '.');
    return line + "\n";
}

void StoreMillionLines(benchmark::State& state) {
    for (auto _ : state) {
        const long before = residentBytes();
        vesk::TextBuffer buffer;
        for (int number = 0; number < 1'000'000; ++number) {
            buffer.AddString(lineOf(number));
        }
        state.counters["MB"] = static_cast<double>(residentBytes() - before) / (1024.0 * 1024.0);
        benchmark::DoNotOptimize(buffer.LineCount());
    }
}
BENCHMARK(StoreMillionLines)->Unit(benchmark::kMillisecond)->Iterations(1);

void SearchMissOverMillionLines(benchmark::State& state) {
    vesk::TextBuffer buffer;
    for (int number = 0; number < 1'000'000; ++number) {
        buffer.AddString("\x1b[32m" + lineOf(number));
    }
    const bool matchCase = state.range(0) != 0;
    for (auto _ : state) {
        auto found = vesk::Search(buffer, "no such text anywhere", 0, 0, matchCase, false);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(SearchMissOverMillionLines)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
