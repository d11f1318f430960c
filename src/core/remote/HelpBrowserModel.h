#pragma once

#include "remote/ExternalProgram.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class Host;
class LineSender;

// The help browser's state: the fixed categories, the topics the server listed for the chosen
// one, the status line, and the page being captured into "help.txt" for the help editor. The
// control-message parser hands it the server's side; the window hands it the player's clicks.
class HelpBrowserModel {
public:
    struct Category {
        std::string_view itemText;
        std::string_view key;
    };

    struct Environment {
        std::function<std::string()> helpEditor; // the help editor program setting
        std::function<bool()> connected;
    };

    static constexpr std::string_view helpFileName = "help.txt";
    static constexpr std::string_view idleStatus = "Current Status: Idle";
    static constexpr std::size_t wrapColumns = 80;
    // The status line gains a dot per captured line; past this many it starts again with one,
    // so a long page costs no more per line than a short one and the line stays readable.
    static constexpr std::size_t mostProgressDots = 60;

    HelpBrowserModel(Host& host, LineSender& sender, std::filesystem::path workingDirectory,
                     Environment environment);
    ~HelpBrowserModel();
    HelpBrowserModel(const HelpBrowserModel&) = delete;
    HelpBrowserModel& operator=(const HelpBrowserModel&) = delete;

    // The categories in tree order.
    static std::span<const Category> Categories();
    // The key sent for a tree item; an unknown item text is its own key.
    static std::string_view categoryKey(std::string_view itemText);

    // The help menu command: true when the window may be shown; otherwise the player is told to
    // connect first.
    bool requestShow();
    // A category chosen in the tree: asks for its topics.
    void selectCategory(std::string_view itemText);
    // A topic double-clicked: asks for its page in the selected category.
    void requestTopic(std::string_view topic);

    void onHelpContents(const std::vector<std::string_view>& topics);
    void beginText();
    // A captured line with its own line feed, written wrapped to the help file.
    void ReceiveLine(std::string_view text);
    void endText();

    // The text written for one captured line: pieces of at most 80 columns, broken after the last
    // blank that fits where there is one.
    static std::string wrapHelpLine(std::string_view text);

    const std::vector<std::string>& topics() const { return topics_; }
    // Counts the topic lists received, so a view replaces its list only when a new one came.
    std::uint64_t topicsGeneration() const { return topicsGeneration_; }
    const std::string& status() const { return status_; }
    const std::string& selectedCategory() const { return selectedCategory_; }

private:
    bool Connected() const;
    void SetStatus(std::string text);
    void closeHelpFile();

    Host& host_;
    LineSender& sender_;
    std::filesystem::path workingDirectory_;
    Environment environment_;
    ExternalProgram viewer_;
    std::vector<std::string> topics_;
    std::uint64_t topicsGeneration_ = 0;
    std::string status_{idleStatus};
    std::string selectedCategory_;
    std::ofstream helpFile_;
    // A page was begun and not yet ended: only then does HELPEND start the help editor.
    bool pageBegun_ = false;
    // Dots the captured lines added to the status line since it was last set.
    std::size_t progressDots_ = 0;
};

} // namespace vesk
