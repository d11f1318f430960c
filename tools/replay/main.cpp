// vesk-replay: feeds captured server reads through the client's whole receive pipeline without
// a window or a server, and prints what the client made of them.
#include "ReplayHost.h"
#include "ReplayOptions.h"
#include "Snapshot.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>

namespace {

using vesk::replay::ReplayOptions;

int fail(const std::string& message) {
    std::fprintf(stderr, "vesk-replay: %s\n", message.c_str());
    return 2;
}

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) {
        return std::nullopt;
    }
    return content.str();
}

std::filesystem::path freshDirectory() {
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto path =
            std::filesystem::temp_directory_path() / ("vesk-replay-" + std::to_string(seed()));
        if (std::filesystem::create_directory(path)) {
            return path;
        }
    }
    return std::filesystem::temp_directory_path();
}

// The reads in order: each capture whole, or their concatenation cut into equal pieces.
std::vector<std::string> readsOf(const std::vector<std::string>& captures, std::size_t chunkSize) {
    if (chunkSize == 0) {
        return captures;
    }
    std::string all;
    for (const auto& capture : captures) {
        all += capture;
    }
    std::vector<std::string> reads;
    for (std::size_t position = 0; position < all.size(); position += chunkSize) {
        reads.push_back(all.substr(position, chunkSize));
    }
    return reads;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed =
        vesk::replay::parseReplayOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::fputs(vesk::replay::replayUsage, stdout);
        return 0;
    }
    if (!parsed.options) {
        return fail(parsed.error);
    }
    const ReplayOptions& options = *parsed.options;
    std::vector<std::string> captures;
    std::size_t bytes = 0;
    for (const auto& path : options.captures) {
        auto content = readFile(path);
        if (!content) {
            return fail("cannot read '" + path + "'");
        }
        bytes += content->size();
        captures.push_back(std::move(*content));
    }
    const std::filesystem::path directory =
        options.directory.empty() ? freshDirectory() : std::filesystem::path(options.directory);
    if (!std::filesystem::is_directory(directory)) {
        return fail("'" + directory.string() + "' is not a directory");
    }

    vesk::replay::ReplayHost host;
    vesk::Client client(host, directory);
    const char* site = options.port == "3333" ? "FenmarchDevel" : "FenmarchMUD";
    if (!client.ConnectToSite("localhost", options.port, site)) {
        return fail("cannot connect to port '" + options.port + "'");
    }
    client.onConnecting();
    client.onConnected();
    const auto reads = readsOf(captures, options.chunkSize);
    for (const auto& read : reads) {
        client.onReceived(read);
    }
    if (options.summary) {
        std::printf("{\"chunks\":%zu,\"bytes\":%zu,\"lines\":%d,\"sent\":%zu}\n", reads.size(),
                    bytes, client.mainBuffer().LineCount(), host.sent.size());
        return 0;
    }
    std::cout << vesk::replay::snapshotJson(client, host) << '\n';
    return 0;
}
