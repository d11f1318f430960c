#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

// Collects a file the client uploads after "##VESK SENDFILE": lines arrive in batches, each
// one wire line of "@" and the file's lines joined by "$^" (every line end, the last one too),
// and the upload ends with "@##VESK_FINISHFILE". An empty batch arrives as nothing at all.
class UploadReceiver {
public:
    // An upload holds at most this much; the rest is counted but not kept.
    static constexpr std::size_t maxLines = 100000;
    static constexpr std::size_t maxBytes = 4 * 1024 * 1024;
    static constexpr std::string_view finishMarker = "@##VESK_FINISHFILE";
    enum class Outcome { Batch, Finished, NotABatch };

    Outcome takeLine(std::string_view line);
    int linesReceived() const { return static_cast<int>(received.size()); }
    // The file's lines; complete once takeLine said Finished.
    const std::vector<std::string>& lines() const { return received; }

private:
    void addLine(std::string_view text);

    std::vector<std::string> received;
    std::size_t keptBytes = 0;
};

} // namespace vesk::sim
