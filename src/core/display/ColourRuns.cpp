#include "display/ColourRuns.h"

#include "common/ServerCharacters.h"
#include "display/SgrReader.h"

namespace vesk {

namespace {

constexpr std::string_view tabText = "    ";

class RunBuilder {
public:
    RunBuilder(std::vector<ColourRun>& runs, SgrState state) : runs_(runs), state_(state) {}

    void character(std::string_view utf8) {
        openRun();
        runs_.back().text.append(utf8);
        ++runs_.back().plainLength;
        ++column_;
    }
    void tab() {
        runs_.push_back({std::string(tabText), state_, column_, 0});
        open_ = false;
    }
    void setState(const SgrState& state) {
        if (state != state_) {
            state_ = state;
            open_ = false;
        }
    }

private:
    void openRun() {
        if (!open_) {
            runs_.push_back({{}, state_, column_, 0});
            open_ = true;
        }
    }

    std::vector<ColourRun>& runs_;
    SgrState state_;
    int column_ = 0;
    bool open_ = false;
};

// The UTF-8 of a Latin-1 byte above 0x7F.
std::string_view latin1Character(unsigned char byte, char (&scratch)[2]) {
    scratch[0] = static_cast<char>(0xC0 | (byte >> 6));
    scratch[1] = static_cast<char>(0x80 | (byte & 0x3F));
    return {scratch, 2};
}

} // namespace

SgrState ColourRuns::read(std::string_view line, SgrState state, std::vector<ColourRun>& runs) {
    runs.clear();
    const Decoding decoding = decodingOf(line);
    RunBuilder builder(runs, state);
    SgrReader reader(state);
    char scratch[2];
    for (std::size_t index = 0; index < line.size(); ++index) {
        const auto byte = static_cast<unsigned char>(line[index]);
        if (!reader.feed(line[index])) {
            builder.setState(reader.state());
            continue;
        }
        if (byte == '\t') {
            builder.tab();
        } else if (byte >= 0x20 && byte < 0x7f) {
            builder.character(line.substr(index, 1));
        } else if (byte >= 0x80 && decoding == Decoding::Latin1) {
            builder.character(latin1Character(byte, scratch));
        } else if (byte >= 0x80) {
            const std::size_t length = characterLength(line, index, decoding);
            builder.character(line.substr(index, length));
            index += length - 1;
        }
    }
    reader.endLine();
    return reader.state();
}

} // namespace vesk
