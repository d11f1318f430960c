// What a hostile server can send, each shape through the whole receive pipeline: every one must
// cost time linear in its size (compare the 4 MB and 16 MB rows) and stay bounded in memory.
#include "BenchHost.h"
#include "CaptureGenerator.h"
#include "app/Client.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>

namespace {

using vesk::bench::HostileShape;

const std::string& captureOf(HostileShape shape, std::size_t megabytes) {
    static std::map<std::pair<HostileShape, std::size_t>, std::string> captures;
    auto& capture = captures[{shape, megabytes}];
    if (capture.empty()) {
        capture = vesk::bench::generateHostile(shape, megabytes * 1024 * 1024);
    }
    return capture;
}

// The client writes its transfer files into its working directory: a private one per run.
std::filesystem::path scratchDirectory() {
    const auto directory = std::filesystem::temp_directory_path() / "vesk-bench-hostile";
    std::filesystem::create_directories(directory);
    return directory;
}

void feedHostile(benchmark::State& state, HostileShape shape, std::size_t readSize) {
    const std::string& text = captureOf(shape, static_cast<std::size_t>(state.range(0)));
    const auto directory = scratchDirectory();
    for (auto _ : state) {
        state.PauseTiming();
        vesk::bench::BenchHost host;
        auto client = std::make_unique<vesk::Client>(host, directory);
        client->ConnectToSite("localhost", "3000", "FenmarchMUD");
        client->onConnected();
        state.ResumeTiming();
        for (std::size_t position = 0; position < text.size(); position += readSize) {
            client->onReceived(std::string_view(text).substr(position, readSize));
        }
        benchmark::DoNotOptimize(client->mainBuffer().LineCount());
        state.PauseTiming();
        client.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(directory);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

constexpr std::size_t largeRead = 64 * 1024;

void ManyLimbNames(benchmark::State& state) {
    feedHostile(state, HostileShape::ManyLimbNames, largeRead);
}
void ManySkillKeys(benchmark::State& state) {
    feedHostile(state, HostileShape::ManySkillKeys, largeRead);
}
void ManyNames(benchmark::State& state) {
    feedHostile(state, HostileShape::ManyNames, largeRead);
}
void ColourOnlyLines(benchmark::State& state) {
    feedHostile(state, HostileShape::ColourOnlyLines, largeRead);
}
void FileBeginFlood(benchmark::State& state) {
    feedHostile(state, HostileShape::FileBeginFlood, largeRead);
}
void HelpCaptureInSevenByteReads(benchmark::State& state) {
    feedHostile(state, HostileShape::HelpCapture, 7);
}

#define VESK_HOSTILE(name)                                                                         \
    BENCHMARK(name)->Arg(4)->Arg(16)->ArgName("MB")->Unit(benchmark::kMillisecond)->Iterations(1)

VESK_HOSTILE(ManyLimbNames);
VESK_HOSTILE(ManySkillKeys);
VESK_HOSTILE(ManyNames);
VESK_HOSTILE(ColourOnlyLines);
VESK_HOSTILE(FileBeginFlood);
VESK_HOSTILE(HelpCaptureInSevenByteReads);

} // namespace
