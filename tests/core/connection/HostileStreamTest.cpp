#include "PipelineRig.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vesk::testing {
namespace {

using Reads = std::vector<std::string>;
using Lines = std::vector<std::string>;

// Everything a read boundary could change: the rows, the status, what the parser handed on
// (file and help lines included) and the telnet answers.
struct Outcome {
    Lines rows;
    std::string status;
    Lines calls;
    Lines replies;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    out << outcome.rows.size() << " rows:";
    for (std::size_t row = 0; row < outcome.rows.size() && row < 40; ++row) {
        out << " [" << outcome.rows[row].substr(0, 60) << ']';
    }
    out << '\n' << outcome.status << "\ncalls:";
    for (const auto& call : outcome.calls) {
        out << " [" << call << ']';
    }
    return out;
}

// File and help lines are joined into one text, as they end up in the file: how many pieces a
// line arrived in is no part of the result.
Lines transferCalls(const Lines& calls) {
    Lines merged;
    std::string file, help;
    for (const auto& call : calls) {
        if (call.starts_with("file ")) {
            file += call.substr(5);
        } else if (call.starts_with("help ")) {
            help += call.substr(5);
        } else {
            merged.push_back(call);
        }
    }
    merged.push_back("file text " + file);
    merged.push_back("help text " + help);
    return merged;
}

Outcome outcomeOf(const Reads& reads) {
    PipelineRig rig;
    rig.feed(reads);
    return {rig.visibleRows(), rig.statusSummary(), transferCalls(rig.events.calls),
            rig.telnetReplies};
}

Reads cutAt(const std::string& stream, std::size_t cut) {
    return {stream.substr(0, cut), stream.substr(cut)};
}

Reads inPiecesOf(const std::string& stream, std::size_t size) {
    Reads reads;
    for (std::size_t position = 0; position < stream.size(); position += size) {
        reads.push_back(stream.substr(position, size));
    }
    return reads;
}

// Each stream is fed whole, cut in two at every boundary, and (for the long ones) in reads of a
// few fixed sizes: the outcome must be the same every time.
struct StreamCase {
    const char* name;
    std::string stream;
};

const std::string longControl = "##VESK COMBAT " + std::string(25000, 'x') + "\n";
const std::string unclosedSubnegotiation =
    "before\r\n\xff\xfa\x18" + std::string(3000, 'y') + "\r\nafter\r\n##VESK XP 1 2 3\n";

const StreamCase streamCases[] = {
    {"download with a blank line in CR LF",
     "##VESK FILEBEGIN a.c\n##VESK FILECONTINUE\na\r\n\r\nb\r\n##VESK FILEEND\nshown\r\n"},
    {"download with blank lines in LF", "##VESK FILEBEGIN a.c\n##VESK FILECONTINUE\n\n\na\n\nb\n"
                                        "##VESK FILEEND\nshown\n"},
    {"help page with blank lines", "##VESK HELPBEGIN\nTopic\r\n\r\n\r\ntext\r\n##VESK HELPEND\n"},
    {"refused compression is not switched on",
     "\xff\xfb\x56\xff\xfa\x56\xff\xf0plain\r\n##VESK NAME Bob\n"},
    {"subnegotiation of a refused option with text behind",
     "\xff\xfb\x18\xff\xfa\x18\x01\x02\xff\xf0text\r\n"},
    {"run of carriage returns", "a" + std::string(300, '\r') + "\nb\r\n"},
    {"carriage returns alone", std::string(300, '\r') + "c\r\n"},
};

TEST(HostileStream, EveryCutGivesTheSameResult) {
    for (const auto& c : streamCases) {
        const Outcome whole = outcomeOf({c.stream});
        for (std::size_t cut = 1; cut < c.stream.size(); ++cut) {
            ASSERT_EQ(outcomeOf(cutAt(c.stream, cut)), whole) << c.name << " cut " << cut;
        }
        ASSERT_EQ(outcomeOf(inPiecesOf(c.stream, 1)), whole) << c.name << " in single bytes";
        ASSERT_EQ(outcomeOf(inPiecesOf(c.stream, 2)), whole) << c.name << " in pairs";
    }
}

const StreamCase longCases[] = {
    {"control line too long to parse", "hello\r\n" + longControl + "after\r\n"},
    {"unclosed subnegotiation", unclosedSubnegotiation},
};

TEST(HostileStream, LongStreamsGiveTheSameResultInAnyReadSize) {
    for (const auto& c : longCases) {
        const Outcome whole = outcomeOf({c.stream});
        for (std::size_t size : {1u, 7u, 64u, 4096u}) {
            ASSERT_EQ(outcomeOf(inPiecesOf(c.stream, size)), whole) << c.name << " size " << size;
        }
        for (std::size_t cut = 1; cut < c.stream.size(); cut += 997) {
            ASSERT_EQ(outcomeOf(cutAt(c.stream, cut)), whole) << c.name << " cut " << cut;
        }
    }
}

// Every way of cutting a short body (each of its inner boundaries cut or not), between a head
// and a tail that arrive whole.
TEST(HostileStream, EveryWayOfCuttingAShortBody) {
    struct Case {
        std::string head, body, tail;
    };
    const Case cases[] = {
        {"##VESK FILEBEGIN a.c\n##VESK FILECONTINUE\n", "a\r\n\r\nb\r\n", "##VESK FILEEND\nok\n"},
        {"##VESK FILEBEGIN a.c\n##VESK FILECONTINUE\n", "\r\n\r\na\n\n", "##VESK FILEEND\nok\n"},
        {"##VESK HELPBEGIN\n", "a\r\n\r\nb\r\n", "##VESK HELPEND\nok\n"},
        {"You ", "gain 7 ex", "perience.\r\nx\n"},
    };
    for (const auto& c : cases) {
        const Outcome whole = outcomeOf({c.head, c.body, c.tail});
        const std::size_t inner = c.body.size() - 1;
        ASSERT_LT(inner, 16u);
        for (std::uint32_t cuts = 0; cuts < (1u << inner); ++cuts) {
            Reads reads{c.head};
            std::size_t start = 0;
            for (std::size_t boundary = 1; boundary <= inner; ++boundary) {
                if ((cuts >> (boundary - 1)) & 1u) {
                    reads.push_back(c.body.substr(start, boundary - start));
                    start = boundary;
                }
            }
            reads.push_back(c.body.substr(start));
            reads.push_back(c.tail);
            ASSERT_EQ(outcomeOf(reads), whole) << c.body << " cuts " << cuts;
        }
    }
}

// A page in colour, cut by the reads anywhere (every pair of cuts), reaches its file with the
// colour sequences gone and nothing of them left behind.
TEST(HostileStream, EveryTwoCutSplitOfAColouredPageGivesTheSameFile) {
    const std::string page = "\x1b[31mred \x1b[0mtext\r\nmore \x1b[1;32mgreen\x1b[0m\r\n";
    const std::string captures[][2] = {
        {"##VESK HELPBEGIN\n", "##VESK HELPEND\nok\n"},
        {"##VESK FILEBEGIN a.c\n##VESK FILECONTINUE\n", "##VESK FILEEND\nok\n"},
    };
    for (const auto& [head, tail] : captures) {
        const Outcome whole = outcomeOf({head + page + tail});
        ASSERT_TRUE(std::find(whole.calls.begin(), whole.calls.end(),
                              "help text red text\nmore green\n") != whole.calls.end() ||
                    std::find(whole.calls.begin(), whole.calls.end(),
                              "file text red text\nmore green\n") != whole.calls.end());
        for (std::size_t first = 0; first <= page.size(); ++first) {
            for (std::size_t second = first; second <= page.size(); ++second) {
                const Reads reads{head + page.substr(0, first), page.substr(first, second - first),
                                  page.substr(second) + tail};
                ASSERT_EQ(outcomeOf(reads), whole) << head << first << " " << second;
            }
        }
    }
}

// A megabyte of carriage returns shows nothing, in one read or in reads of any size.
TEST(HostileStream, ARunOfCarriageReturnsGivesTheSameRowsInAnyReadSize) {
    const std::string stream = "a\r\n" + std::string(1024 * 1024, '\r') + "b\r\n";
    const Outcome whole = outcomeOf({stream});
    EXPECT_EQ(whole.rows, (Lines{"a", "b"}));
    for (std::size_t size : {1u, 7u, 4096u, 65536u}) {
        ASSERT_EQ(outcomeOf(inPiecesOf(stream, size)), whole) << size;
    }
}

// The echo of a typed command completes the partial line; what that line's reading added
// belongs to it and is not taken back from the next line.
TEST(HostileStream, ExperienceStaysWhenAnEchoContinuesThePartialLine) {
    PipelineRig rig;
    rig.feed({"You gain 120 experience."});
    rig.buffer.AddText("look\n");
    rig.feed({"You see a hall.\r\n"});
    EXPECT_EQ(rig.status.xp, 120);
    EXPECT_EQ(rig.status.xpEarned, 120);
}

// Colour sequences without text, and an unclosed sequence, end a row at a bounded size, and the
// rows are the same however the reads fall.
TEST(HostileStream, RowsWithoutTextAreBounded) {
    std::string stream;
    for (int sequence = 0; sequence < 3000; ++sequence) {
        stream += "\x1b[1;3" + std::to_string(sequence % 8) + "m\t";
    }
    stream += "\x1b[1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1";
    stream += std::string(3000, ';') + "\r\nend\r\n";
    PipelineRig whole;
    whole.feed({stream});
    for (const auto& text : whole.texts()) {
        EXPECT_LE(text.size(), 2100u);
    }
    EXPECT_EQ(whole.visibleRows().back(), "end");
    for (std::size_t size : {7u, 64u, 1000u}) {
        PipelineRig pieces;
        pieces.feed(inPiecesOf(stream, size));
        EXPECT_EQ(pieces.texts(), whole.texts()) << size;
    }
}

// A read of several hundred kilobytes is dispatched in slices; the result is that of the same
// bytes in small reads.
TEST(HostileStream, AHugeReadEndsAsSmallReadsDo) {
    const std::string pieces[] = {"\x1b[32mYou are in the square.\x1b[0;37;40m\r\n",
                                  "##VESK STATUS 40 50 10 20 5 6\n",
                                  "Bob says: hello\r\n",
                                  "\r\n",
                                  "##VESK COMBAT @rat@ 3 0 @Tam@ 9 1\n",
                                  "You gain 5 experience.\r\n",
                                  "hp: 40    sp: 10    mp: 5    torso: 20\r\n",
                                  "##VESK XP 10 20 30\n"};
    std::string session;
    for (std::size_t piece = 0; session.size() < 400 * 1024; ++piece) {
        session += pieces[(piece * 7 + piece / 3) % std::size(pieces)];
    }
    const Outcome whole = outcomeOf({session});
    EXPECT_EQ(outcomeOf(inPiecesOf(session, 1000)), whole);
    EXPECT_EQ(outcomeOf(inPiecesOf(session, 65536)), whole);
}

TEST(HostileStream, DownloadKeepsItsBlankLines) {
    const Outcome whole = outcomeOf(
        {"##VESK FILEBEGIN a.c\n##VESK FILECONTINUE\na\r\n\r\nb\r\n##VESK FILEEND\nshown\r\n"});
    EXPECT_EQ(whole.rows, (Lines{"shown"}));
    const Lines expected{"filebegin a.c", "fileend", "file text a\n\nb\n", "help text "};
    EXPECT_EQ(whole.calls, expected);
}

TEST(HostileStream, RefusedCompressionLeavesTheTextAsItCame) {
    const Outcome outcome =
        outcomeOf({"\xff\xfb\x56", "\xff\xfa\x56\xff\xf0plain\r\n##VESK NAME Bob\n"});
    EXPECT_EQ(outcome.replies, (Lines{"\xff\xfe\x56"}));
    EXPECT_EQ(outcome.rows, (Lines{"plain"}));
    EXPECT_NE(outcome.status.find("name Bob"), std::string::npos);
}

TEST(HostileStream, UnclosedSubnegotiationSwallowsABoundedAmount) {
    const Outcome outcome = outcomeOf({unclosedSubnegotiation});
    ASSERT_GE(outcome.rows.size(), 3u);
    EXPECT_EQ(outcome.rows.front(), "before");
    EXPECT_EQ(outcome.rows.back(), "after");
    EXPECT_NE(outcome.status.find("xp 1,2,3"), std::string::npos);
}

} // namespace
} // namespace vesk::testing
