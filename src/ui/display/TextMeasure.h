#pragma once

#include <QFont>
#include <QFontMetricsF>

#include <array>
#include <optional>
#include <unordered_map>

namespace vesk {

// The advance of each character in the text panes' font, measured once and kept: painting,
// breaking rows and hit tests add up these widths instead of measuring text again. Latin-1 sits
// in a table; other characters in a map that starts again when it grows large, so the cache
// stays small whatever a server sends.
class TextMeasure {
public:
    void setFont(const QFont& font);
    const QFont& font() const { return font_; }

    double advance(char32_t character);
    // A tab is drawn as four blanks.
    double tabWidth() { return 4 * advance(U' '); }

private:
    static constexpr std::size_t mostOtherCharacters = 4096;

    double measure(char32_t character) const;

    QFont font_;
    std::optional<QFontMetricsF> metrics_;
    std::array<double, 256> latin1_{};
    std::array<bool, 256> latin1Known_{};
    std::unordered_map<char32_t, double> others_;
};

} // namespace vesk
