#include "wire/UploadReceiver.h"

namespace vesk::sim {

UploadReceiver::Outcome UploadReceiver::takeLine(std::string_view line) {
    if (line == finishMarker) {
        return Outcome::Finished;
    }
    if (!line.starts_with('@')) {
        return Outcome::NotABatch;
    }
    constexpr std::string_view lineEnd = "$^";
    auto rest = line.substr(1);
    while (!rest.empty()) {
        const auto end = rest.find(lineEnd);
        // A batch whose last line had no line end still carries that line.
        addLine(rest.substr(0, end));
        rest =
            end == std::string_view::npos ? std::string_view{} : rest.substr(end + lineEnd.size());
    }
    return Outcome::Batch;
}

void UploadReceiver::addLine(std::string_view text) {
    if (received.size() < maxLines && keptBytes + text.size() <= maxBytes) {
        keptBytes += text.size();
        received.emplace_back(text);
    }
}

} // namespace vesk::sim
