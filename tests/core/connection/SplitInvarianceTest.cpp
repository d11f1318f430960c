#include "PipelineRig.h"

#include <gtest/gtest.h>

#include <random>

using namespace std::string_literals;

namespace vesk::testing {
namespace {

using Reads = std::vector<std::string>;

struct Outcome {
    std::vector<std::string> rows;
    std::string status;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    for (const auto& row : outcome.rows) {
        out << '[' << row << "] ";
    }
    return out << '\n' << outcome.status;
}

Outcome outcomeOf(const Reads& reads) {
    PipelineRig rig;
    rig.feed(reads);
    return {rig.visibleRows(), rig.statusSummary()};
}

// Every stream below is fed as given, then with each read cut in two at every byte boundary:
// what the player sees and what the status model holds must not change.
struct StreamCase {
    const char* name;
    Reads reads;
};

const StreamCase streamCases[] = {
    {"blank lines with CR LF", {"start\n", "abc\r\n\r\ndef\r\n"}},
    {"prompt then a line break", {"Enter> ", "\nnext\n"}},
    {"partial line grows", {"one\ntwo\nhalf", " done\n"}},
    {"control line over two reads", {"hello\n", "##VESK STATUS 10 20", " 30 40\n"}},
    {"control line starting a read", {"hello\n", "##VESK XP 5 10 15\nafter\n"}},
    {"control line behind a prompt", {"HP> ", "##VESK XP 5 10 15\nafter\n"}},
    {"telnet echo negotiation", {"Password: \xff\xfb\x01", "\xff\xfc\x01\r\nWelcome\r\n"}},
    {"say in colour", {"\x1b[31mYou say: hi\x1b[0;37;40m\r\n"}},
    {"limbs and combat",
     {"##VESK LIMBS 'head' 0 'left arm' 10\n##VESK COMBAT @big orc@ 7 0 @Tam@ 10 1\n"
      "hp: 50    sp: 20    mp: 10    left arm: 30\r\n"}},
    {"full prompt and experience", {"HP: 1/2 | SP: 3/4 | MP: 5/6\r\nYou gain 12 experience.\r\n"}},
    {"file capture", {"##VESK FILEBEGIN a.c\n##VESK FILECONTINUE\nint x;\n\n##VESK FILEEND\nok\n"}},
    {"nul and one-character lines", {"a\0b\nc\n"s, "x\ny\n"}},
    {"runs of blank lines",
     {"a\n" + std::string(9, '\n') + "b\r\n" + std::string(12, '\r') + "\n\r\n\r\n\r\n\r\n\r\n",
      "##VESK XP 5 10 15\n\n\n\n\n\n\nhp: 1    sp: 2    mp: 3 ", "\n\n\n\n\n\nend\n"}},
    {"telnet subnegotiation",
     {"be\xff\xfa\x18\x01\xff\xf0gin\r\n", "\xff\xff"
                                           "end\r\n"}},
};

TEST(SplitInvariance, EveryReadCutAtEveryBoundaryEndsTheSame) {
    for (const auto& c : streamCases) {
        const Outcome expected = outcomeOf(c.reads);
        for (std::size_t read = 0; read < c.reads.size(); ++read) {
            for (std::size_t cut = 1; cut < c.reads[read].size(); ++cut) {
                Reads split = c.reads;
                split[read] = c.reads[read].substr(0, cut);
                split.insert(split.begin() + static_cast<long>(read) + 1,
                             c.reads[read].substr(cut));
                ASSERT_EQ(outcomeOf(split), expected)
                    << c.name << " read " << read << " cut " << cut;
            }
        }
    }
}

// A run of blank lines in one read is stored in one go; the lines, the log, the captured file
// and every call the parser made are what reading the same lines one read each gives, also
// behind a cleared pane, whose last line is empty and unfinished.
TEST(SplitInvariance, RunsOfBlankLinesEndAsReadOneLineAtATime) {
    const std::string blanks(7, '\n');
    const std::string streams[] = {
        "a\n" + blanks + "b\r\n\r\n\r\n\r\n\r\n\r\n\r\nYou say: hi\n" + blanks + "c",
        blanks + "##VESK XP 5 10 15\n" + blanks + "hp: 1    sp: 2    mp: 3 " + blanks + "x\n",
        "##VESK FILEBEGIN a.c\n##VESK FILECONTINUE\n" + blanks + "int x;\n" + blanks +
            "##VESK FILEEND\n" + blanks,
        "##VESK HELPBEGIN\n" + blanks + "text\n" + blanks + "##VESK HELPEND\nok\n",
    };
    for (const bool cleared : {false, true}) {
        for (const std::string& stream : streams) {
            PipelineRig whole;
            PipelineRig lineWise;
            if (cleared) {
                whole.buffer.Clear();
                lineWise.buffer.Clear();
            }
            whole.feed({stream});
            std::vector<std::string> lines;
            for (std::size_t start = 0; start < stream.size();) {
                const std::size_t feed = std::min(stream.find('\n', start), stream.size() - 1);
                lines.push_back(stream.substr(start, feed + 1 - start));
                start = feed + 1;
            }
            lineWise.feed(lines);
            EXPECT_EQ(whole.texts(), lineWise.texts()) << stream;
            EXPECT_EQ(whole.events.logged, lineWise.events.logged) << stream;
            EXPECT_EQ(whole.events.calls, lineWise.events.calls) << stream;
            EXPECT_EQ(whole.statusSummary(), lineWise.statusSummary()) << stream;
        }
    }
}

// A long session cut at random places must end as it does when fed in one piece. The one
// place where a read boundary is allowed to matter, a control line starting a read right
// behind an unfinished prompt, is kept out: prompts are followed by text or a line break.
TEST(SplitInvariance, RandomCutsOfAWholeSession) {
    const std::string lines[] = {
        "\x1b[32mYou are in the square.\x1b[0;37;40m\r\n",
        "Bob says: hello\r\n",
        "\r\n",
        "[Gossip] Amy: hi\r\n",
        "hp: 40    sp: 10    mp: 5    torso: 20\r\n",
        "#hashtag\r\n",
        "x\n",
        "\xff\xfb\x01",
        "\xff\xfc\x01",
        "You gain 5 experience.\r\n",
        "a\0b\r\n"s,
        "\xff\xfa\x18\x01\xff\xf0",
        "\xff\xff\r\n",
        "##\r\n",
    };
    const std::string controls[] = {
        "##VESK STATUS 40 50 10 20 5 6\n",
        "##VESK COMBAT @rat@ 3 0 @Tam@ 9 1\n",
        "##VESK LEAVECOMBAT\n",
        "##VESK AC 'head' 3\n",
        "##VESK XP 10 20 30\n",
        "##VESK LIMB 'left arm' 40\n",
    };
    const std::string prompts[] = {"HP> ", "hp: 41    sp: 11    mp: 6 ", "Choose #"};
    std::mt19937 random(1234);
    std::string session;
    bool afterPrompt = false;
    for (int piece = 0; piece < 1000; ++piece) {
        const auto kind = random() % 4;
        if (kind == 0 && !afterPrompt) {
            session += controls[random() % std::size(controls)];
        } else if (kind == 1) {
            session += prompts[random() % std::size(prompts)];
            afterPrompt = true;
            continue;
        } else {
            const std::string& line = lines[random() % std::size(lines)];
            session += line;
            if (line.find('\n') == std::string::npos) {
                continue; // telnet alone: still right behind the prompt
            }
        }
        afterPrompt = false;
    }
    const Outcome whole = outcomeOf({session});
    for (int trial = 0; trial < 100; ++trial) {
        Reads reads;
        const std::size_t longest = 1 + random() % 64;
        for (std::size_t position = 0; position < session.size();) {
            const std::size_t length = 1 + random() % longest;
            reads.push_back(session.substr(position, length));
            position += length;
        }
        const Outcome split = outcomeOf(reads);
        if (split != whole) {
            std::size_t row = 0;
            while (row < split.rows.size() && row < whole.rows.size() &&
                   split.rows[row] == whole.rows[row]) {
                ++row;
            }
            FAIL() << "trial " << trial << " differs at row " << row << ": "
                   << (row < split.rows.size() ? split.rows[row] : "(none)") << " instead of "
                   << (row < whole.rows.size() ? whole.rows[row] : "(none)") << "\n"
                   << split.status << "\n"
                   << whole.status;
        }
    }
}

} // namespace
} // namespace vesk::testing
