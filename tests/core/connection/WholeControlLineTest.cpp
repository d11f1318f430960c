#include "PipelineRig.h"

#include <gtest/gtest.h>

namespace vesk::testing {
namespace {

using Reads = std::vector<std::string>;
using Lines = std::vector<std::string>;

Reads inPiecesOf(const std::string& stream, std::size_t size) {
    Reads reads;
    for (std::size_t position = 0; position < stream.size(); position += size) {
        reads.push_back(stream.substr(position, size));
    }
    return reads;
}

std::string numberedWords(const char* stem, int count, const char* separator = " ") {
    std::string words;
    for (int index = 0; index < count; ++index) {
        words += (index > 0 ? separator : "") + std::string(stem) + std::to_string(index);
    }
    return words;
}

// What a stream did: the rows shown, what was logged, and what the control lines handed on.
struct Outcome {
    Lines rows;
    Lines logged;
    Lines calls;
    std::string name;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    for (const auto* list : {&outcome.rows, &outcome.logged, &outcome.calls}) {
        for (const auto& entry : *list) {
            out << '[' << entry.substr(0, 60) << "] ";
        }
        out << '\n';
    }
    return out << "name " << outcome.name;
}

Outcome outcomeOf(const Reads& reads) {
    PipelineRig rig;
    rig.feed(reads);
    Outcome outcome{rig.visibleRows(), {}, rig.events.calls, rig.status.characterName()};
    for (const auto& [line, category] : rig.events.logged) {
        outcome.logged.push_back(line);
    }
    return outcome;
}

// A control line far wider than any row (a help list of hundreds of topics, a fight with
// hundreds of combatants, a long news message) is applied whole and no piece of it is shown or
// logged, whatever the reads.
TEST(WholeControlLines, ALongControlLineIsAppliedWholeAndNeverShown) {
    struct Case {
        const char* name;
        std::string line;
        std::string call;
    };
    const Case cases[] = {
        {"help topics", "##VESK HELPCONTENTS " + numberedWords("topic", 400),
         "contents " + numberedWords("topic", 400, ",")},
        {"news", "##VESK NEWS " + numberedWords("word", 500),
         "news " + numberedWords("word", 500, ",")},
        {"huge name line", "##VESK NAME Evil " + std::string(25000, 'x'), "profile Evil"},
    };
    for (const auto& c : cases) {
        const std::string stream = "before\r\n" + c.line + "\nafter\r\n";
        for (std::size_t size : {stream.size(), std::size_t{4096}, std::size_t{7}}) {
            const Outcome outcome = outcomeOf(inPiecesOf(stream, size));
            EXPECT_EQ(outcome.rows, (Lines{"before", "after"})) << c.name << " " << size;
            // An unfinished line is logged as it grows, so "after" may show up in pieces; no
            // piece of the control line ever does.
            for (const auto& logged : outcome.logged) {
                EXPECT_TRUE(std::string("before after").find(logged) != std::string::npos)
                    << c.name << " " << size << " logged " << logged.substr(0, 40);
            }
            ASSERT_FALSE(outcome.calls.empty()) << c.name << " " << size;
            EXPECT_EQ(outcome.calls.front(), c.call) << c.name << " " << size;
        }
    }
}

// A control line longer than the client reads is dropped whole: nothing of it is applied,
// shown or logged, in one read or in many, and the lines around it are untouched.
TEST(WholeControlLines, AnOversizedControlLineIsDroppedWhole) {
    const std::string line = "##VESK NAME Evil " + std::string(longestControlLine, 'x') + "\n";
    const std::string stream = "before\r\n" + line + "after\r\n";
    const Reads splits[] = {
        {stream},
        inPiecesOf(stream, 65536),
        {stream.substr(0, 20), stream.substr(20, 600000), stream.substr(600020)},
        {"before\r\n##VESK NA", stream.substr(17)},
    };
    for (const auto& reads : splits) {
        PipelineRig rig;
        std::vector<std::string> notes;
        rig.path.setDropNote([&](const std::string& note) { notes.push_back(note); });
        rig.feed(reads);
        EXPECT_EQ(rig.visibleRows(), (Lines{"before", "after"})) << reads.size();
        EXPECT_EQ(rig.status.characterName(), "") << reads.size();
        EXPECT_TRUE(rig.events.calls.empty()) << reads.size();
        ASSERT_EQ(rig.events.logged.size(), 2u) << reads.size();
        EXPECT_EQ(notes.size(), 1u) << reads.size();
    }
}

// Another player's words may hold the marker. However a read falls (one beginning right at the
// marker, or the marker wrapped onto a row of its own), they are never read as a control line:
// the outcome is that of the whole line, a say that is shown and logged.
TEST(MarkerInTheMiddleOfALine, AnotherPlayersWordsNeverBecomeAControlLine) {
    const std::string padding(69, 'a');
    const std::string lines[] = {
        "Bob says: ##VESK NAME Evil\r\n",
        "Bob says: " + padding + " ##VESK NAME Evil\r\n",
        "Bob: ##VESK NAME Evil\r\n",
    };
    for (const auto& line : lines) {
        const Outcome whole = outcomeOf({"hello\r\n" + line + "after\r\n"});
        EXPECT_EQ(whole.name, "") << line;
        EXPECT_TRUE(whole.calls.empty()) << line;
        EXPECT_EQ(whole.rows.front(), "hello") << line;
        EXPECT_EQ(whole.rows.back(), "after") << line;
    }
    for (const auto& line : lines) {
        const Outcome whole = outcomeOf({"hello\r\n" + line + "after\r\n"});
        for (std::size_t cut = 1; cut < line.size(); ++cut) {
            const Reads reads{"hello\r\n" + line.substr(0, cut), line.substr(cut) + "after\r\n"};
            // An unfinished line is logged again as it grows; what is shown and applied is not
            // allowed to differ.
            Outcome split = outcomeOf(reads);
            split.logged = whole.logged;
            ASSERT_EQ(split, whole) << line << " cut " << cut;
        }
    }
}

// The rule that a control line starting a read begins a line of its own holds only behind a
// prompt the parser knows, where the server writes it.
TEST(MarkerInTheMiddleOfALine, AControlLineBehindAKnownPromptStillStartsFresh) {
    const std::string prompts[] = {"hp: 50    sp: 20    mp: 10 ", "HP: 1/2 | SP: 3/4 | MP: 5/6 ",
                                   "hp: 50    sp: 20    mp: 10    left arm: 3 "};
    for (const auto& prompt : prompts) {
        for (const Reads& reads : {Reads{prompt, "##VESK NAME Tamsin\nok\r\n"},
                                   Reads{prompt, "##VE", "SK NAME Tamsin\nok\r\n"}}) {
            PipelineRig rig;
            rig.feed(reads);
            EXPECT_EQ(rig.status.characterName(), "Tamsin") << prompt;
            EXPECT_EQ(rig.visibleRows(), (Lines{prompt, "ok"})) << prompt;
        }
    }
}

// A captured line holding the marker, however the reads cut it, stays a line of the file and
// does not end the capture.
TEST(MarkerInTheMiddleOfALine, AFileLineHoldingTheMarkerStaysInTheFile) {
    const std::string head = "##VESK FILEBEGIN a.c\n##VESK FILECONTINUE\n";
    const std::string body = "int a;\r\nwrite(\"##VESK FILEEND\");\r\n" + std::string(75, ' ') +
                             "##VESK FILEEND wrapped\r\n";
    const std::string tail = "##VESK FILEEND\nshown\r\n";
    const std::string expected =
        "int a;\nwrite(\"##VESK FILEEND\");\n" + std::string(75, ' ') + "##VESK FILEEND wrapped\n";
    for (std::size_t first = 0; first <= body.size(); ++first) {
        for (std::size_t second = first; second <= body.size(); ++second) {
            PipelineRig rig;
            rig.feed({head, body.substr(0, first), body.substr(first, second - first),
                      body.substr(second), tail});
            std::string file;
            int ends = 0;
            for (const auto& call : rig.events.calls) {
                file += call.starts_with("file ") ? call.substr(5) : "";
                ends += call == "fileend" ? 1 : 0;
            }
            ASSERT_EQ(file, expected) << first << " " << second;
            ASSERT_EQ(ends, 1) << first << " " << second;
            ASSERT_EQ(rig.visibleRows(), Lines{"shown"}) << first << " " << second;
        }
    }
}

} // namespace
} // namespace vesk::testing
