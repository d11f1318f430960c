#include "world/FileTree.h"

#include <algorithm>

namespace vesk::sim {
namespace {

std::vector<std::string> roomSource(std::string_view title, std::string_view exitLine) {
    return {
        "/* " + std::string(title) + " */",
        "#include <std.h>",
        "",
        "inherit ROOM;",
        "",
        "void create() {",
        "    ::create();",
        "    set_short(\"" + std::string(title) + "\");",
        "    set_long(",
        "        \"Cobbles worn smooth by a thousand carts spread out around \"",
        "        \"a dry fountain. A crier's board leans against it.\"",
        "    );",
        "    set_property(\"light\", 2);",
        "    set_property(\"outdoors\", 1);",
        "    set_items(([",
        "        \"fountain\" : \"Dry for years; coins glint at the bottom.\",",
        "        \"board\"    : \"Notices about lost cats and a reward for orc ears.\",",
        "    ]));",
        "    set_exits(([",
        "        " + std::string(exitLine),
        "    ]));",
        "}",
        "",
        "void reset() {",
        "    ::reset();",
        "    if (!present(\"crier\")) new(\"/d/town/crier\")->move(this_object());",
        "}",
    };
}

} // namespace

FileTree::FileTree() {
    write("/d/town/square.c", roomSource("Fenmarch Square", "\"north\" : \"/d/town/gate\","));
    write("/d/town/tavern.c", roomSource("The Rusty Flagon", "\"west\" : \"/d/town/square\","));
    write("/d/town/orc.c",
          {"#include <std.h>", "#include \"orc.h\"", "", "inherit MONSTER;", "", "void create() {",
           "    ::create();", "    set_name(\"big orc\");", "    set_level(ORC_LEVEL);", "}"});
    write("/d/town/orc.h", {"#ifndef ORC_H", "#define ORC_H", "#define ORC_LEVEL 6", "#endif"});
    write("/d/marsh/marsh.c", roomSource("The Reedy Marsh", "\"north\" : \"/d/town/yard\","));
    write("/include/std.h", {"#define ROOM \"/std/room\"", "#define MONSTER \"/std/monster\""});
    write("/include/combat.h", {"#define LIMB_HEAD 0", "#define LIMB_TORSO 1"});
    write("/doc/README", {"Coders: edit with oed, check with more, load with update."});
    write("/w/quill/workroom.c", roomSource("Quill's Workroom", "\"out\" : \"/d/town/square\","));
    write("/w/quill/notes.txt", {"Fix the orc's limb table.", "Ask Brannoc about the shrine."});
    directories.insert("/log/");
}

std::optional<std::string> FileTree::filePath(std::string_view typed) {
    std::string path = typed.starts_with('/') ? std::string(typed) : "/" + std::string(typed);
    // Every part between slashes must be a plain name: no "..", no ".", no empty part.
    std::size_t start = 1;
    while (start <= path.size()) {
        const auto end = std::min(path.find('/', start), path.size());
        const auto part = std::string_view(path).substr(start, end - start);
        if (part.empty() || part == "." || part == "..") {
            return std::nullopt;
        }
        start = end + 1;
    }
    return path;
}

std::optional<std::string> FileTree::directoryPath(std::string_view typed) {
    if (typed.empty() || typed == "/") {
        return std::string("/");
    }
    auto path = filePath(typed.ends_with('/') ? typed.substr(0, typed.size() - 1) : typed);
    if (path) {
        *path += '/';
    }
    return path;
}

bool FileTree::hasDirectory(std::string_view path) const {
    return directories.contains(path);
}

std::vector<std::string> FileTree::subdirectories(std::string_view directory) const {
    std::vector<std::string> names;
    for (const auto& path : directories) {
        if (path.size() > directory.size() && path.starts_with(directory)) {
            const auto rest = std::string_view(path).substr(directory.size());
            if (rest.find('/') == rest.size() - 1) {
                names.emplace_back(rest.substr(0, rest.size() - 1));
            }
        }
    }
    return names;
}

std::vector<std::string> FileTree::files(std::string_view directory) const {
    std::vector<std::string> names;
    for (const auto& [path, lines] : contents) {
        if (path.starts_with(directory) &&
            std::string_view(path).substr(directory.size()).find('/') == std::string::npos) {
            names.push_back(path.substr(directory.size()));
        }
    }
    return names;
}

const std::vector<std::string>* FileTree::read(std::string_view path) const {
    const auto found = contents.find(path);
    return found == contents.end() ? nullptr : &found->second;
}

bool FileTree::write(const std::string& path, std::vector<std::string> lines) {
    if (!contents.contains(path) && contents.size() >= maxFiles) {
        return false;
    }
    contents[path] = std::move(lines);
    addDirectoriesOf(path);
    return true;
}

void FileTree::addDirectoriesOf(const std::string& path) {
    for (auto slash = path.find('/'); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        directories.insert(path.substr(0, slash + 1));
    }
}

} // namespace vesk::sim
