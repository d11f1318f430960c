#include "protocol/ControlMessages.h"

#include "common/DecimalText.h"
#include "common/TextFields.h"
#include "common/TextFormat.h"
#include "protocol/ChallengeCipher.h"

#include <array>
#include <utility>

namespace vesk {
namespace {

using Words = std::vector<std::string_view>;

Words remainingTokens(ControlTokenizer& arguments,
                      std::string_view delimiters = ControlTokenizer::standardDelimiters) {
    Words words;
    while (auto token = arguments.next(delimiters)) {
        words.push_back(*token);
    }
    return words;
}

std::vector<std::int32_t> numbers(ControlTokenizer& arguments, std::size_t most) {
    std::vector<std::int32_t> values;
    while (values.size() < most) {
        auto token = arguments.next();
        if (!token) {
            break;
        }
        values.push_back(decimalValue(*token));
    }
    return values;
}

} // namespace

ControlMessages::ControlMessages(StatusModel& status, LineSender& sender, ServerEvents& events,
                                 SessionState& session)
    : status_(status), sender_(sender), events_(events), session_(session) {}

ControlMessages::Handler ControlMessages::handlerFor(std::string_view keyword) {
    static constexpr std::array<std::pair<std::string_view, Handler>, 29> table{{
        {"STATUS", &ControlMessages::onStatus},
        {"XP", &ControlMessages::onXp},
        {"LIMB", &ControlMessages::onLimb},
        {"AC", &ControlMessages::onArmour},
        {"LIMBS", &ControlMessages::onLimbs},
        {"COMBAT", &ControlMessages::onCombat},
        {"LEAVECOMBAT", &ControlMessages::onLeaveCombat},
        {"REDRAW", &ControlMessages::onRedraw},
        {"NAME", &ControlMessages::onName},
        {"INIT", &ControlMessages::onInit},
        {"CLASS", &ControlMessages::onClass},
        {"SKILL", &ControlMessages::onSkill},
        {"LOGON", &ControlMessages::onLogon},
        {"LOGOFF", &ControlMessages::onLogoff},
        {"NEWS", &ControlMessages::onNews},
        {"CTF", &ControlMessages::onIgnored},
        {"MSG", &ControlMessages::onChallenge},
        {"HELPCONTENTS", &ControlMessages::onHelpContents},
        {"HELPBEGIN", &ControlMessages::onHelpBegin},
        {"HELPEND", &ControlMessages::onHelpEnd},
        {"FILEBEGIN", &ControlMessages::onFileBegin},
        {"FILECONTINUE", &ControlMessages::onFileContinue},
        {"FILEPAUSE", &ControlMessages::onFilePause},
        {"FILEEND", &ControlMessages::onFileEnd},
        {"SENDFILENAME", &ControlMessages::onSendFileName},
        {"SENDFILE", &ControlMessages::onSendFile},
        {"SENDLINE", &ControlMessages::onSendLine},
        {"DIRTREE", &ControlMessages::onDirTree},
        {"DIRFILES", &ControlMessages::onDirFiles},
    }};
    for (const auto& [name, handler] : table) {
        if (name == keyword) {
            return handler;
        }
    }
    return nullptr;
}

void ControlMessages::handle(std::string_view keyword, ControlTokenizer& arguments) {
    if (Handler handler = handlerFor(keyword)) {
        (this->*handler)(arguments);
    }
}

void ControlMessages::onStatus(ControlTokenizer& arguments) {
    status_.applyStatus(numbers(arguments, 6));
}

void ControlMessages::onXp(ControlTokenizer& arguments) {
    status_.applyXp(numbers(arguments, 3));
}

void ControlMessages::onLimb(ControlTokenizer& arguments) {
    const auto name = arguments.next(ControlTokenizer::limbNameDelimiters);
    const auto value = arguments.next();
    if (name && value) {
        status_.setLimbDamage(*name, decimalValue(*value));
    }
}

void ControlMessages::onArmour(ControlTokenizer& arguments) {
    const auto name = arguments.next(ControlTokenizer::limbNameDelimiters);
    if (!name) {
        return;
    }
    if (const auto value = arguments.next()) {
        status_.setLimbArmour(*name, decimalValue(*value));
    } else {
        status_.requestRepaint();
    }
}

void ControlMessages::onLimbs(ControlTokenizer& arguments) {
    std::vector<NamedValueTable::Entry> pairs;
    while (const auto name = arguments.next(ControlTokenizer::limbNameDelimiters)) {
        const auto value = arguments.next();
        if (!value) {
            break;
        }
        pairs.push_back({std::string(*name), decimalValue(*value)});
    }
    status_.defineLimbs(pairs);
}

void ControlMessages::onCombat(ControlTokenizer& arguments) {
    status_.setCombat(remainingTokens(arguments));
}

void ControlMessages::onLeaveCombat(ControlTokenizer&) {
    status_.leaveCombat();
}

void ControlMessages::onRedraw(ControlTokenizer&) {
    status_.redraw();
}

void ControlMessages::onName(ControlTokenizer& arguments) {
    const auto name = arguments.next();
    if (!name) {
        return;
    }
    // Logged in before the name is announced: the announcement redraws the title, which names
    // the character only once the login is complete.
    session_.loggedIn = true;
    events_.selectProfileForCharacter(*name);
    events_.setLogCharacterName(*name);
    status_.setCharacterName(*name);
}

void ControlMessages::onInit(ControlTokenizer&) {
    events_.grantCodingAccess();
}

void ControlMessages::onClass(ControlTokenizer& arguments) {
    const auto className = arguments.next();
    if (className && events_.skillsWindowExists()) {
        events_.setSkillClass(*className);
    }
}

void ControlMessages::onSkill(ControlTokenizer& arguments) {
    const auto key = arguments.next();
    const auto level = arguments.next();
    const auto percent = arguments.next();
    if (key && level && percent && events_.skillsWindowExists()) {
        events_.setSkill(*key, *level, *percent);
    }
}

void ControlMessages::onLogon(ControlTokenizer& arguments) {
    const auto name = arguments.next();
    if (!name || !events_.whoWindowExists()) {
        return;
    }
    std::vector<std::string_view> entry{*name};
    while (entry.size() < 5) {
        const auto word = arguments.next();
        if (!word) {
            break;
        }
        entry.push_back(*word);
    }
    events_.whoLogon(entry);
}

void ControlMessages::onLogoff(ControlTokenizer& arguments) {
    const auto name = arguments.next();
    if (name && events_.whoWindowExists()) {
        events_.whoLogoff(*name);
    }
}

void ControlMessages::onNews(ControlTokenizer& arguments) {
    events_.news(remainingTokens(arguments));
}

void ControlMessages::onIgnored(ControlTokenizer&) {}

void ControlMessages::onChallenge(ControlTokenizer& arguments) {
    const auto first = arguments.next();
    const auto second = arguments.next();
    if (!first || !second) {
        return;
    }
    const ChallengePair reply = decipherChallenge({decimalValue(*first), decimalValue(*second)});
    sender_.DoSend(formatText("\nvesk reply %d %d", reply.first, reply.second));
}

void ControlMessages::onHelpContents(ControlTokenizer& arguments) {
    if (events_.helpBrowserExists()) {
        events_.helpContents(remainingTokens(arguments));
    }
}

void ControlMessages::onHelpBegin(ControlTokenizer&) {
    if (events_.helpBrowserExists()) {
        events_.helpBegin();
    }
    captureMode_ = CaptureMode::HelpText;
}

void ControlMessages::onHelpEnd(ControlTokenizer&) {
    captureMode_ = CaptureMode::None;
    if (events_.helpBrowserExists()) {
        events_.helpEnd();
    }
}

void ControlMessages::onFileBegin(ControlTokenizer& arguments) {
    const auto name = arguments.next();
    if (!name) {
        return;
    }
    events_.fileBegin(*name);
    captureMode_ = CaptureMode::None;
}

void ControlMessages::onFileContinue(ControlTokenizer&) {
    captureMode_ = CaptureMode::FileText;
}

void ControlMessages::onFilePause(ControlTokenizer&) {
    captureMode_ = CaptureMode::None;
}

void ControlMessages::onFileEnd(ControlTokenizer&) {
    captureMode_ = CaptureMode::None;
    events_.fileEnd();
}

void ControlMessages::onSendFileName(ControlTokenizer&) {
    events_.sendFileName();
}

void ControlMessages::onSendFile(ControlTokenizer&) {
    events_.sendFile();
}

void ControlMessages::onSendLine(ControlTokenizer& arguments) {
    const auto progress = arguments.next();
    if (!progress) {
        return;
    }
    events_.sendLine(equalsIgnoringCase(*progress, "DONE") ? -1 : decimalValue(*progress));
}

void ControlMessages::onDirTree(ControlTokenizer& arguments) {
    if (events_.fileBrowserExists()) {
        events_.dirTree(remainingTokens(arguments, ControlTokenizer::spaceDelimiter));
    }
}

void ControlMessages::onDirFiles(ControlTokenizer& arguments) {
    if (events_.fileBrowserExists()) {
        events_.dirFiles(remainingTokens(arguments, ControlTokenizer::spaceDelimiter));
    }
}

} // namespace vesk
