#include "SimOptions.h"

#include "AccountBook.h"

#include <QCommandLineParser>

namespace vesk::sim {
namespace {

QString demoCharacterText() {
    QString text = QStringLiteral("\nDemo characters (name / password):\n");
    for (const auto& account : AccountBook().demoCharacters()) {
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

} // namespace

SimOptionsResult SimOptionsParser::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A small FenmarchMUD for trying Vesk."));
    parser.addHelpOption();
    const QCommandLineOption host(QStringLiteral("host"), QStringLiteral("Address to listen on."),
                                  QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption game(QStringLiteral("game-port"),
                                  QStringLiteral("Game port (0 picks a free one)."),
                                  QStringLiteral("port"), QStringLiteral("3000"));
    const QCommandLineOption who(QStringLiteral("who-port"), QStringLiteral("Who's-online port."),
                                 QStringLiteral("port"), QStringLiteral("3005"));
    const QCommandLineOption devel(QStringLiteral("devel-port"),
                                   QStringLiteral("Development port."), QStringLiteral("port"),
                                   QStringLiteral("3333"));
    const QCommandLineOption fragment(QStringLiteral("fragment"),
                                      QStringLiteral("Cut each write with probability P."),
                                      QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Random seed."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption script(QStringLiteral("script"),
                                    QStringLiteral("Play a test script instead of the world."),
                                    QStringLiteral("file"));
    const QCommandLineOption flood(QStringLiteral("flood"),
                                   QStringLiteral("After login, send this file as fast as "
                                                  "possible."),
                                   QStringLiteral("file"));
    const QCommandLineOption repeat(QStringLiteral("repeat"),
                                    QStringLiteral("How often --flood sends the file."),
                                    QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption chatter(QStringLiteral("chatter-ms"),
                                     QStringLiteral("Pause between simulated players' chatter "
                                                    "(0: none)."),
                                     QStringLiteral("ms"), QStringLiteral("20000"));
    const QCommandLineOption round(QStringLiteral("round-ms"),
                                   QStringLiteral("Length of one fight round."),
                                   QStringLiteral("ms"), QStringLiteral("1500"));
    parser.addOptions(
        {host, game, who, devel, fragment, seed, script, flood, repeat, chatter, round});

    if (!parser.parse(arguments)) {
        return {std::nullopt, parser.errorText() + QStringLiteral("\n"), 2};
    }
    if (parser.isSet(QStringLiteral("help"))) {
        return {std::nullopt, parser.helpText() + demoCharacterText(), 0};
    }
    SimOptions options;
    options.host = parser.value(host);
    const auto gamePort = portValue(parser.value(game));
    const auto whoPort = portValue(parser.value(who));
    const auto develPort = portValue(parser.value(devel));
    bool probabilityOk = false, seedOk = false, repeatOk = false, chatterOk = false,
         roundOk = false;
    options.fragmentProbability = parser.value(fragment).toDouble(&probabilityOk);
    options.seed = parser.value(seed).toUInt(&seedOk);
    options.floodRepeat = parser.value(repeat).toInt(&repeatOk);
    options.chatterMilliseconds = parser.value(chatter).toInt(&chatterOk);
    options.roundMilliseconds = parser.value(round).toInt(&roundOk);
    options.scriptFile = parser.value(script);
    options.floodFile = parser.value(flood);
    const bool valid =
        gamePort && whoPort && develPort && probabilityOk && options.fragmentProbability >= 0 &&
        options.fragmentProbability <= 1 && seedOk && repeatOk && options.floodRepeat >= 1 &&
        chatterOk && options.chatterMilliseconds >= 0 && roundOk && options.roundMilliseconds >= 10;
    if (!valid) {
        return {std::nullopt,
                QStringLiteral("vesk-sim: a port, probability (0..1), seed, repeat count or "
                               "interval is out of range; see --help\n"),
                2};
    }
    options.gamePort = *gamePort;
    options.whoPort = *whoPort;
    options.develPort = *develPort;
    return {options, QString(), 0};
}

} // namespace vesk::sim
