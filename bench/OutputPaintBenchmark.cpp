// A full repaint of the main output pane at 1920x1080: it paints only the visible rows, so the
// cost must not grow with the scroll-back (a hundred lines or a million), with or without a
// selection across the page. The narrow case is a pane 500 pixels wide, where every stored
// line is broken into two or three display rows. The split case is the pane scrolled back to
// the middle of the scroll-back: the upper part at the place read, the tail at the end, both
// painted in the one repaint.
#include "app/MainFont.h"
#include "display/ColourPalette.h"
#include "display/OutputPane.h"
#include "display/OutputView.h"
#include "display/TextBuffer.h"
#include "settings/Settings.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view colours[] = {"\x1b[31m",   "\x1b[1;32m", "\x1b[33m",  "\x1b[34m",
                                        "\x1b[1;35m", "\x1b[36m",   "\x1b[1;37m"};
constexpr std::string_view reset = "\x1b[0;37;40m";
constexpr std::string_view phrases[] = {
    "The giant rat bites you hard on the left arm! ",
    "You slash the big orc with your sword. ",
    "[Gossip] Amy: anyone up for the crypt tonight? ",
    "A wide square paved with worn stones, busy with traders. ",
    "Obvious exits: north, south, east and west. ",
    "Zed tells you: meet me at the gate ",
    "HP: 40/60 | SP: 20/30 | MP: 10/15 ",
    "You gain 12 experience. ",
};

// Seventy-six printable columns (a full row that the buffer does not wrap) in two to four
// phrases, about half of them coloured, as room, fight and channel text arrives.
std::string colouredLine(std::mt19937& random) {
    constexpr std::size_t width = 76;
    std::string line;
    std::size_t columns = 0;
    while (columns < width) {
        const std::string_view phrase = phrases[random() % std::size(phrases)];
        const std::size_t take = std::min(phrase.size(), width - columns);
        if (random() % 2 == 0) {
            line += colours[random() % std::size(colours)];
            line += phrase.substr(0, take);
            line += reset;
        } else {
            line += phrase.substr(0, take);
        }
        columns += take;
    }
    return line + "\n";
}

void fill(vesk::TextBuffer& buffer, int lines) {
    std::mt19937 random(11);
    buffer.setWrapWidth(80);
    for (int number = 0; number < lines; ++number) {
        buffer.AddString(colouredLine(random));
    }
}

void BM_OutputRepaint(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const bool selection = state.range(1) != 0;
    const int width = state.range(2) != 0 ? 500 : 1920;
    vesk::TextBuffer buffer;
    fill(buffer, lines);
    vesk::OutputView view(buffer);
    view.setTextFont(vesk::defaultMainFont());
    view.setColours(vesk::ColourPalette::fromSettings(vesk::Settings()));
    view.resize(width, 1080);
    view.refresh();
    const int rows = view.height() / view.lineHeight();
    if (selection) {
        // Half the page selected, starting and ending inside lines.
        buffer.selStartLine = std::max(0, buffer.LineCount() - rows / 2);
        buffer.selStartCol = 17;
        buffer.selEndLine = buffer.LineCount() - 2;
        buffer.selEndCol = 41;
    }
    QImage image(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_OutputRepaint)
    ->ArgsProduct({{100, 1'000'000}, {0, 1}, {0, 1}})
    ->ArgNames({"lines", "selection", "narrow"})
    ->Unit(benchmark::kMillisecond);

void BM_SplitOutputRepaint(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    vesk::TextBuffer buffer;
    fill(buffer, lines);
    vesk::OutputPane pane(buffer);
    pane.setTextFont(vesk::defaultMainFont());
    pane.setColours(vesk::ColourPalette::fromSettings(vesk::Settings()));
    pane.resize(1920, 1080);
    pane.upper().refresh();
    pane.upper().scrollToLine(lines / 2);
    pane.upper().pageUp();
    if (!pane.split()) {
        state.SkipWithError("the pane did not split");
        return;
    }
    QImage image(pane.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        pane.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_SplitOutputRepaint)
    ->Arg(100)
    ->Arg(1'000'000)
    ->ArgNames({"lines"})
    ->Unit(benchmark::kMillisecond);

} // namespace
