// The whole receive pipeline (telnet, cutting, storing, cleaning, parsing) on a realistic
// 100 MB capture (15% of its lines control lines) fed in 4 KiB and 64 KiB reads, as the socket
// delivers it, and as one read of the whole capture, as a socket does after the window was
// busy.
#include "BenchHost.h"
#include "CaptureGenerator.h"
#include "app/Client.h"
#include "settings/SettingsTable.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

const std::string& capture() {
    static const std::string text = vesk::bench::generateCapture(100u * 1024 * 1024);
    return text;
}

void feed(vesk::Client& client, const std::string& text, std::size_t readSize) {
    for (std::size_t position = 0; position < text.size(); position += readSize) {
        client.onReceived(std::string_view(text).substr(position, readSize));
    }
}

// A thousand enabled triggers on the active profile, none of which the capture sets off: the
// cost of checking every line against all of them.
void addTriggers(vesk::Client& client, int count) {
    client.preferences().settings.setNumber(vesk::setting::triggersEnabled, count > 0 ? 1 : 0);
    auto& triggers = client.preferences().currentProfile().triggers;
    for (int number = 0; number < count; ++number) {
        triggers.push_back({"The troll " + std::to_string(number) + " ", "flee", 1});
    }
}

void PipelineOnHundredMegabytes(benchmark::State& state) {
    const std::string& text = capture();
    for (auto _ : state) {
        state.PauseTiming();
        vesk::bench::BenchHost host;
        auto client = std::make_unique<vesk::Client>(host, std::filesystem::temp_directory_path());
        addTriggers(*client, static_cast<int>(state.range(1)));
        client->ConnectToSite("localhost", "3000", "FenmarchMUD");
        client->onConnected();
        state.ResumeTiming();
        const auto readSize = static_cast<std::size_t>(state.range(0));
        feed(*client, text, readSize == 0 ? text.size() : readSize);
        benchmark::DoNotOptimize(client->mainBuffer().LineCount());
        state.PauseTiming();
        client.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(PipelineOnHundredMegabytes)
    ->Args({4096, 0})
    ->Args({65536, 0})
    ->Args({0, 0})
    ->Args({4096, 1000})
    ->ArgNames({"read", "triggers"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
