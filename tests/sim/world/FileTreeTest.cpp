// The coders' source tree: typed paths normalised, escapes refused, listings sorted.
#include "world/FileTree.h"

#include <gtest/gtest.h>

namespace vesk::sim {
namespace {

TEST(FileTreeTest, PathsAreNormalisedAndEscapesRefused) {
    EXPECT_EQ(FileTree::directoryPath("d/town"), "/d/town/");
    EXPECT_EQ(FileTree::directoryPath("/d/town/"), "/d/town/");
    EXPECT_EQ(FileTree::directoryPath(""), "/");
    EXPECT_EQ(FileTree::filePath("d/town/orc.c"), "/d/town/orc.c");
    for (const auto* bad : {"/d/../etc/passwd", "/d/./x.c", "//x.c", "/d/", ".."}) {
        EXPECT_FALSE(FileTree::filePath(bad)) << bad;
    }
    FileTree tree;
    EXPECT_EQ(tree.subdirectories("/d/"), (std::vector<std::string>{"marsh", "town"}));
    EXPECT_EQ(tree.files("/d/town/"),
              (std::vector<std::string>{"orc.c", "orc.h", "square.c", "tavern.c"}));
}

} // namespace
} // namespace vesk::sim
