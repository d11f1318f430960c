#include "display/ColourRuns.h"

#include "common/TextFields.h"

#include <array>

namespace vesk {

namespace {

constexpr char escape = '\x1b';
constexpr std::string_view tabText = "    ";
// Longer sequences cannot be one of the known ones; they are skipped without being compared.
constexpr std::size_t longestKnownSequence = 9;

struct KnownSequence {
    std::string_view text;
    int colourIndex; // 0 keeps the colour
    int bold;        // -1 keeps the bold flag
};

constexpr std::array<KnownSequence, 9> knownSequences{{
    {"[31m", 1, -1},
    {"[32m", 2, -1},
    {"[33m", 6, -1},
    {"[34m", 3, -1},
    {"[35m", 4, -1},
    {"[36m", 5, -1},
    {"[37m", 7, -1},
    {"[0;37;40m", 7, 0},
    {"[1m", 0, 1},
}};

bool printable(unsigned char byte) {
    return byte >= 0x20 && byte <= 0x7e;
}

class RunBuilder {
public:
    RunBuilder(std::vector<ColourRun>& runs, SgrState state) : runs_(runs), state_(state) {}

    void character(char byte) {
        openRun();
        runs_.back().text.push_back(byte);
        ++runs_.back().plainLength;
        ++column_;
    }
    void tab() {
        runs_.push_back({std::string(tabText), state_, column_, 0});
        open_ = false;
    }
    void setState(SgrState state) {
        if (state != state_) {
            state_ = state;
            open_ = false;
        }
    }
    SgrState state() const { return state_; }

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

} // namespace

SgrState ColourRuns::apply(std::string_view sequence, SgrState state) {
    if (sequence.size() > longestKnownSequence) {
        return state;
    }
    for (const KnownSequence& known : knownSequences) {
        if (equalsIgnoringCase(sequence, known.text)) {
            if (known.colourIndex != 0) {
                state.colourIndex = known.colourIndex;
            }
            if (known.bold != -1) {
                state.bold = known.bold == 1;
            }
            break;
        }
    }
    return state;
}

SgrState ColourRuns::read(std::string_view line, SgrState state, std::vector<ColourRun>& runs) {
    runs.clear();
    RunBuilder builder(runs, state);
    for (std::size_t index = 0; index < line.size(); ++index) {
        const auto byte = static_cast<unsigned char>(line[index]);
        if (byte == escape && index + 1 < line.size() && line[index + 1] == '[') {
            const std::size_t end = line.find('m', index + 1);
            const std::size_t stop = end == std::string_view::npos ? line.size() : end;
            const std::size_t length = stop - index; // "[" up to the "m", counted with it
            if (length <= longestKnownSequence) {
                std::string sequence(line.substr(index + 1, length - 1));
                sequence.push_back('m');
                builder.setState(apply(sequence, builder.state()));
            }
            index = stop;
        } else if (byte == '\t') {
            builder.tab();
        } else if (printable(byte)) {
            builder.character(static_cast<char>(byte));
        }
    }
    return builder.state();
}

} // namespace vesk
