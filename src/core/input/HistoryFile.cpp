#include "input/HistoryFile.h"

#include "common/FileText.h"
#include "common/TextFields.h"

namespace vesk {
namespace {

// Well below the 255 bytes of a file name, with "History_" and ".txt" around it.
constexpr std::size_t longestName = 200;

} // namespace

std::filesystem::path HistoryFile::pathFor(const std::filesystem::path& folder,
                                           std::string_view characterName) {
    if (characterName.empty()) {
        return {};
    }
    return folder / ("History_" + safeForFileName(characterName, longestName) + ".txt");
}

std::vector<std::string> HistoryFile::read(const std::filesystem::path& path) {
    std::vector<std::string> entries;
    const auto text = readFileText(path);
    if (!text) {
        return entries;
    }
    std::string_view rest = *text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        entries.emplace_back(line);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    if (entries.size() > limit) {
        entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(limit));
    }
    return entries;
}

bool HistoryFile::write(const std::filesystem::path& path,
                        const std::vector<std::string>& entries) {
    const std::size_t first = entries.size() > limit ? entries.size() - limit : 0;
    std::string content;
    for (std::size_t index = first; index < entries.size(); ++index) {
        const std::string& entry = entries[index];
        content.append(entry, 0, entry.find_first_of("\r\n"));
        content.push_back('\n');
    }
    return replaceFileText(path, content, FileAccess::OwnerOnly);
}

} // namespace vesk
