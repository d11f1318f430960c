#include "display/SgrReader.h"

#include <algorithm>

namespace vesk {
namespace {

constexpr char escape = '\x1b';
// A parameter never needs more; larger numbers are kept at this value, so none overflows.
constexpr int largestParameter = 99999;

// The slot of each of the eight terminal colours, in the terminal's order: black, red, green,
// yellow, blue, magenta, cyan, white.
constexpr std::array<int, 8> slotOfTerminalColour = {0, 1, 2, 6, 3, 4, 5, 7};

// The six levels of each component of the 6x6x6 colour cube of the 256 colours.
constexpr std::array<int, 6> cubeLevels = {0, 95, 135, 175, 215, 255};

SgrState withSlot(SgrState state, int terminalColour, bool bright) {
    state.colourIndex = slotOfTerminalColour[static_cast<std::size_t>(terminalColour)];
    state.bright = bright;
    state.ownColour = SgrState::noOwnColour;
    return state;
}

SgrState withOwnColour(SgrState state, int red, int green, int blue) {
    state.ownColour = (red << 16) | (green << 8) | blue;
    return state;
}

// Colours 0-15 are the slots (8-15 bright), 16-231 the colour cube, 232-255 a ramp of greys.
SgrState withColour256(SgrState state, int number) {
    if (number < 8) {
        return withSlot(state, number, false);
    }
    if (number < 16) {
        return withSlot(state, number - 8, true);
    }
    if (number < 232) {
        const int cube = number - 16;
        return withOwnColour(state, cubeLevels[static_cast<std::size_t>(cube / 36)],
                             cubeLevels[static_cast<std::size_t>(cube / 6 % 6)],
                             cubeLevels[static_cast<std::size_t>(cube % 6)]);
    }
    const int grey = 8 + 10 * (number - 232);
    return withOwnColour(state, grey, grey, grey);
}

// How many parameters after a 38, 48 or 58 belong to it: "5;n" or "2;r;g;b". Zero when the
// form is unknown or cut short: nothing after it can be read with certainty then.
std::size_t extendedLength(const int* parameters, std::size_t remaining) {
    if (remaining >= 2 && parameters[0] == 5) {
        return 2;
    }
    if (remaining >= 4 && parameters[0] == 2) {
        return 4;
    }
    return 0;
}

SgrState withExtendedColour(SgrState state, const int* parameters) {
    if (parameters[0] == 5) {
        return parameters[1] <= 255 ? withColour256(state, parameters[1]) : state;
    }
    if (parameters[1] > 255 || parameters[2] > 255 || parameters[3] > 255) {
        return state;
    }
    return withOwnColour(state, parameters[1], parameters[2], parameters[3]);
}

SgrState withParameter(SgrState state, int parameter) {
    if (parameter == 0) {
        return SgrState{};
    }
    if (parameter == 1) {
        state.bold = true;
    } else if (parameter == 22) {
        state.bold = false;
    } else if (parameter >= 30 && parameter <= 37) {
        state = withSlot(state, parameter - 30, false);
    } else if (parameter == 39) {
        state = withSlot(state, 7, false);
    } else if (parameter >= 90 && parameter <= 97) {
        state = withSlot(state, parameter - 90, true);
    }
    return state;
}

} // namespace

bool SgrReader::feed(char byte) {
    switch (mode_) {
    case Mode::Text:
        if (byte == escape) {
            mode_ = Mode::Escape;
            return false;
        }
        return true;
    case Mode::Escape:
        if (byte == '[') {
            startSequence();
            return false;
        }
        if (byte == escape) {
            return false;
        }
        mode_ = Mode::Text;
        return true;
    case Mode::Parameters:
        if (byte >= '0' && byte <= '9') {
            current_ = std::min(current_ * 10 + (byte - '0'), largestParameter);
        } else if (byte == ';') {
            endParameter();
        } else if (byte == 'm') {
            finishSequence();
        } else {
            malformed_ = true;
        }
        return false;
    }
    return false;
}

void SgrReader::endLine() {
    if (mode_ == Mode::Parameters) {
        finishSequence();
    }
    mode_ = Mode::Text;
}

void SgrReader::startSequence() {
    mode_ = Mode::Parameters;
    count_ = 0;
    current_ = 0;
    malformed_ = false;
}

// Parameters beyond the first 32 are dropped: no colour sequence has that many.
void SgrReader::endParameter() {
    if (count_ < mostParameters) {
        parameters_[count_++] = current_;
    }
    current_ = 0;
}

void SgrReader::finishSequence() {
    endParameter();
    if (!malformed_) {
        state_ = applyAll(parameters_.data(), count_, state_);
    }
    mode_ = Mode::Text;
}

SgrState SgrReader::applyAll(const int* parameters, std::size_t count, SgrState state) {
    for (std::size_t index = 0; index < count; ++index) {
        const int parameter = parameters[index];
        if (parameter == 38 || parameter == 48 || parameter == 58) {
            const std::size_t length = extendedLength(parameters + index + 1, count - index - 1);
            if (length == 0) {
                break;
            }
            if (parameter == 38) {
                state = withExtendedColour(state, parameters + index + 1);
            }
            index += length;
            continue;
        }
        state = withParameter(state, parameter);
    }
    return state;
}

// Text between sequences changes nothing, so only the stretches from each ESC to the end of its
// sequence are fed: every stored line is read this way once.
SgrState SgrReader::stateAfter(std::string_view line, SgrState state) {
    SgrReader reader(state);
    for (std::size_t position = line.find(escape); position != std::string_view::npos;
         position = line.find(escape, position)) {
        do {
            reader.feed(line[position++]);
        } while (position < line.size() && reader.mode_ != Mode::Text);
    }
    reader.endLine();
    return reader.state();
}

SgrState SgrReader::apply(std::string_view parameters, SgrState state) {
    SgrReader reader(state);
    reader.feed(escape);
    reader.feed('[');
    for (const char byte : parameters) {
        reader.feed(byte);
    }
    reader.feed('m');
    return reader.state();
}

} // namespace vesk
