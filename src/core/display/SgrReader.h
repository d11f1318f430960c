#pragma once

#include "display/SgrState.h"

#include <array>
#include <string_view>

namespace vesk {

// Reads the colour sequences in a stored line, byte by byte, as a terminal does. A sequence
// runs from ESC "[" to the next "m" (the same stretch the stored wrapping and the plain text
// skip); its parameters apply in order: 0 (or none) resets colour and bold, 1 is bold, 22 ends
// bold, 30-37 and 90-97 choose a slot (90-97 the bright one), 39 the default colour, 38;5;n and
// 38;2;r;g;b a 256-colour or 24-bit colour. Background codes (40-49, 100-107, 48;...) and every
// other attribute are read and ignored. A sequence holding anything but digits and ";" changes
// nothing. An ESC not followed by "[" is dropped.
//
// The state carries from line to line; a sequence still open when a line ends is applied with
// the parameters collected so far, so no sequence reaches into the next line.
class SgrReader {
public:
    explicit SgrReader(SgrState state = {}) : state_(state) {}

    // Feeds one byte; true when the byte is text, false when it belongs to a sequence or is a
    // dropped ESC.
    bool feed(char byte);
    // The line ends here.
    void endLine();
    const SgrState& state() const { return state_; }

    // The state after a whole line read from `state`.
    static SgrState stateAfter(std::string_view line, SgrState state);
    // The effect of one sequence's parameters, the text between "[" and "m" ("1;31").
    static SgrState apply(std::string_view parameters, SgrState state);

private:
    enum class Mode { Text, Escape, Parameters };
    static constexpr std::size_t mostParameters = 32;

    void startSequence();
    void endParameter();
    void finishSequence();
    static SgrState applyAll(const int* parameters, std::size_t count, SgrState state);

    Mode mode_ = Mode::Text;
    SgrState state_;
    std::array<int, mostParameters> parameters_{};
    std::size_t count_ = 0;
    int current_ = 0;
    bool malformed_ = false;
};

} // namespace vesk
