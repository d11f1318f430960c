#include "server/SimOptionsParser.h"

#include "world/AccountBook.h"

#include <QCommandLineParser>

namespace vesk::sim {
namespace {

QString demoCharacterText() {
    QString text = QStringLiteral("\nDemo characters (name / password):\n");
    const AccountBook accounts;
    for (const auto& account : accounts.demoCharacters()) {
        text +=
            QStringLiteral("  %1 / %2   %3 %4, level %5%6\n")
                .arg(QString::fromStdString(account.name), QString::fromStdString(account.password),
                     QString::fromStdString(account.race),
                     QString::fromStdString(account.className))
                .arg(account.level)
                .arg(account.coder ? QStringLiteral(", coder") : QString());
    }
    return text + QStringLiteral("Any other name logs in as a new guest with the password "
                                 "typed first.\nWhen ready it prints one line per port: "
                                 "\"vesk-sim: game port N\", \"vesk-sim: who port N\", "
                                 "\"vesk-sim: devel port N\", then \"vesk-sim: ready\".\n");
}

std::optional<quint16> portValue(const QString& text) {
    bool ok = false;
    const auto value = text.toUInt(&ok);
    return ok && value <= 65535 ? std::optional<quint16>(static_cast<quint16>(value))
                                : std::nullopt;
}

struct OptionDefinition {
    const char* name;
    const char* description;
    const char* valueName;
    const char* defaultValue;
};

// Every option but --help, with its default; parse() reads them back by name.
constexpr OptionDefinition optionDefinitions[] = {
    {"host", "Address to listen on.", "address", "127.0.0.1"},
    {"game-port", "Game port (0 picks a free one).", "port", "3000"},
    {"who-port", "Who's-online port (0 picks a free one).", "port", "3005"},
    {"devel-port", "Development port (0 picks a free one).", "port", "3333"},
    {"fragment", "Cut each write at a random byte with probability P.", "P", "0"},
    {"seed", "Seed for everything random.", "n", "1"},
    {"script", "Play this test script to the first client instead of the world.", "file", ""},
    {"flood", "After login, send this file as fast as the socket takes it.", "file", ""},
    {"repeat", "How often --flood sends the file.", "n", "1"},
    {"chatter-ms", "Pause between the simulated players' chatter (0: none).", "ms", "20000"},
    {"round-ms", "Length of one fight round.", "ms", "1500"},
};

std::optional<int> intValue(const QCommandLineParser& parser, const char* name, int lowest) {
    bool ok = false;
    const auto value = parser.value(QString::fromLatin1(name)).toInt(&ok);
    return ok && value >= lowest ? std::optional<int>(value) : std::nullopt;
}

std::optional<SimOptions> readOptions(const QCommandLineParser& parser) {
    const auto text = [&](const char* name) { return parser.value(QString::fromLatin1(name)); };
    SimOptions options;
    const auto gamePort = portValue(text("game-port"));
    const auto whoPort = portValue(text("who-port"));
    const auto develPort = portValue(text("devel-port"));
    bool probabilityOk = false;
    bool seedOk = false;
    options.fragmentProbability = text("fragment").toDouble(&probabilityOk);
    options.seed = text("seed").toUInt(&seedOk);
    const auto repeat = intValue(parser, "repeat", 1);
    const auto chatter = intValue(parser, "chatter-ms", 0);
    const auto round = intValue(parser, "round-ms", 10);
    const bool probabilityInRange =
        probabilityOk && options.fragmentProbability >= 0 && options.fragmentProbability <= 1;
    if (!gamePort || !whoPort || !develPort || !probabilityInRange || !seedOk || !repeat ||
        !chatter || !round) {
        return std::nullopt;
    }
    options.host = text("host");
    options.gamePort = *gamePort;
    options.whoPort = *whoPort;
    options.develPort = *develPort;
    options.scriptFile = text("script");
    options.floodFile = text("flood");
    options.floodRepeat = *repeat;
    options.chatterMilliseconds = *chatter;
    options.roundMilliseconds = *round;
    return options;
}

} // namespace

SimOptionsResult SimOptionsParser::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A small FenmarchMUD for trying Vesk."));
    parser.addHelpOption();
    for (const auto& definition : optionDefinitions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(definition.name),
                                            QString::fromLatin1(definition.description),
                                            QString::fromLatin1(definition.valueName),
                                            QString::fromLatin1(definition.defaultValue)));
    }
    if (!parser.parse(arguments)) {
        return {std::nullopt, parser.errorText() + QStringLiteral("\n"), 2};
    }
    if (parser.isSet(QStringLiteral("help"))) {
        return {std::nullopt, parser.helpText() + demoCharacterText(), 0};
    }
    if (auto options = readOptions(parser)) {
        return {options, QString(), 0};
    }
    return {std::nullopt,
            QStringLiteral("vesk-sim: a port, probability (0..1), seed, repeat count or interval "
                           "is out of range; see --help\n"),
            2};
}

} // namespace vesk::sim
