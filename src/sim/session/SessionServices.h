#pragma once

#include <QByteArray>

namespace vesk::sim {

class AccountBook;
class FileTree;
class HelpLibrary;
class World;
struct SimOptions;

// What every game session shares with the others: one set per running simulator.
struct SessionServices {
    AccountBook& accounts;
    World& world;
    FileTree& files;
    HelpLibrary& help;
    const SimOptions& options;
    QByteArray floodData; // what --flood sends after login; empty without --flood
};

} // namespace vesk::sim
