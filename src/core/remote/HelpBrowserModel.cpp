#include "remote/HelpBrowserModel.h"

#include "common/Host.h"
#include "common/LineSender.h"
#include "common/TextFormat.h"

#include <array>

namespace vesk {
namespace {

constexpr std::array<HelpBrowserModel::Category, 5> categories = {{
    {"Player: General", "*player general"},
    {"Player: Commands", "*player commands"},
    {"Abilities", "*abilities"},
    {"High Mortal: General", "*high mortal general"},
    {"High Mortal: Commands", "*high mortal commands"},
}};

constexpr std::string_view receivingStatus = "Current Status: Receiving file ";

// Where the player chooses the help viewer.
constexpr ExternalProgram::Texts helpViewerTexts{
    "The help viewer \"%s\" could not be started.\n\nChoose another on the Help page of "
    "Edit > Options (Editor used to display FenmarchMUD help files).",
    "No help viewer is set.\n\nChoose one on the Help page of Edit > Options (Editor used "
    "to display FenmarchMUD help files)."};

// The line break the server ended the line with; it is no column of the text.
std::size_t BodyLength(std::string_view text) {
    std::size_t length = text.size();
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r')) {
        --length;
    }
    return length;
}

} // namespace

HelpBrowserModel::HelpBrowserModel(Host& host, LineSender& sender,
                                   std::filesystem::path workingDirectory, Environment environment)
    : host_(host), sender_(sender), workingDirectory_(std::move(workingDirectory)),
      environment_(std::move(environment)), viewer_(host, helpViewerTexts) {}

HelpBrowserModel::~HelpBrowserModel() = default;

std::span<const HelpBrowserModel::Category> HelpBrowserModel::Categories() {
    return categories;
}

std::string_view HelpBrowserModel::categoryKey(std::string_view itemText) {
    for (const Category& category : categories) {
        if (category.itemText == itemText) {
            return category.key;
        }
    }
    return itemText;
}

bool HelpBrowserModel::Connected() const {
    return environment_.connected && environment_.connected();
}

void HelpBrowserModel::SetStatus(std::string text) {
    status_ = std::move(text);
    progressDots_ = 0;
    host_.changed(Change::HelpBrowser);
}

bool HelpBrowserModel::requestShow() {
    if (!Connected()) {
        host_.showWarning("You need to be connected to FenmarchMUD for this command to work.");
        return false;
    }
    return true;
}

// The tree's selection moves even while disconnected; only the request waits for a connection.
void HelpBrowserModel::selectCategory(std::string_view itemText) {
    selectedCategory_ = itemText;
    if (!Connected()) {
        return;
    }
    const std::string key(categoryKey(itemText));
    sender_.DoSend("vesk helpchange " + key);
    SetStatus("Current Status: Requesting contents of " + key);
}

void HelpBrowserModel::requestTopic(std::string_view topic) {
    if (!Connected()) {
        return;
    }
    SetStatus("Current Status: Requesting file");
    sender_.DoSend("vesk help " + std::string(topic) + " " +
                   std::string(categoryKey(selectedCategory_)));
}

void HelpBrowserModel::onHelpContents(const std::vector<std::string_view>& topics) {
    SetStatus("Current Status: Receiving contents..");
    topics_.assign(topics.rbegin(), topics.rend());
    ++topicsGeneration_;
    SetStatus(std::string(idleStatus));
}

void HelpBrowserModel::closeHelpFile() {
    if (!helpFile_.is_open()) {
        return;
    }
    helpFile_.close();
    // The editor would otherwise show a cut page as though it had arrived whole.
    if (!helpFile_) {
        host_.showWarning(formatText("Error writing '%s'", std::string(helpFileName).c_str()));
    }
    helpFile_.clear();
}

void HelpBrowserModel::beginText() {
    closeHelpFile();
    pageBegun_ = true;
    SetStatus(std::string(receivingStatus) + ".");
    helpFile_.open(workingDirectory_ / helpFileName, std::ios::binary | std::ios::trunc);
    if (!helpFile_.is_open()) {
        host_.showWarning(
            formatText("Error opening '%s' for writing", std::string(helpFileName).c_str()));
    }
}

std::string HelpBrowserModel::wrapHelpLine(std::string_view text) {
    const std::size_t bodyLength = BodyLength(text);
    std::string_view body = text.substr(0, bodyLength);
    std::string wrapped;
    while (body.size() > wrapColumns) {
        const std::size_t blank = body.rfind(' ', wrapColumns);
        const std::size_t piece = blank == std::string_view::npos ? wrapColumns : blank + 1;
        wrapped.append(body.substr(0, piece)).push_back('\n');
        body.remove_prefix(piece);
    }
    wrapped.append(body).append(text.substr(bodyLength));
    return wrapped;
}

void HelpBrowserModel::ReceiveLine(std::string_view text) {
    if (progressDots_ >= mostProgressDots) {
        status_.resize(status_.size() - progressDots_);
        progressDots_ = 0;
    }
    ++progressDots_;
    status_.push_back('.');
    host_.changed(Change::HelpBrowser);
    if (helpFile_.is_open()) {
        const std::string wrapped = wrapHelpLine(text);
        helpFile_.write(wrapped.data(), static_cast<std::streamsize>(wrapped.size()));
    }
}

// The help editor setting names the program as a whole and the page is its one argument; no
// shell sees either. The editor starts even when the page could not be written, as it always has,
// but only for a page that was begun, once: a HELPEND without one starts nothing, and neither
// does a page while the editor started on "help.txt" before still runs (it shows the file).
void HelpBrowserModel::endText() {
    SetStatus(std::string(idleStatus));
    closeHelpFile();
    if (!pageBegun_) {
        return;
    }
    pageBegun_ = false;
    const std::string program = environment_.helpEditor ? environment_.helpEditor() : std::string();
    viewer_.start(program, (workingDirectory_ / helpFileName).string(),
                  ExternalProgram::Origin::Server);
}

} // namespace vesk
