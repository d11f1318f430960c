#include "TestApplication.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace vesk {

namespace {

constexpr int bound = 15000;

bool portAccepts(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    return socket.waitForConnected(2000);
}

// The client's child processes (the simulator), so a failing run does not leave one behind.
QList<pid_t> childrenOf(qint64 parent) {
    QFile file(QStringLiteral("/proc/%1/task/%1/children").arg(parent));
    QList<pid_t> children;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& word : file.readAll().split(' ')) {
            if (const int pid = word.trimmed().toInt(); pid > 0) {
                children << static_cast<pid_t>(pid);
            }
        }
    }
    return children;
}

} // namespace

// `vesk --demo` starts its own simulator. However the client ends, the simulator must end with
// it, or it keeps running on its ports: File > Exit, SIGTERM (the desktop's log-out, `kill`),
// Ctrl+C in the terminal (SIGINT), and, as a backstop on Linux, the client killed outright.
class DemoEndsItsSimulatorTest : public QObject {
    Q_OBJECT

private slots:
    void theSimulatorEndsWithTheClient_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<bool>("cleanExit");
        QTest::newRow("SIGTERM") << int(SIGTERM) << true;
        QTest::newRow("SIGINT (Ctrl+C)") << int(SIGINT) << true;
#if defined(Q_OS_LINUX)
        QTest::newRow("SIGKILL") << int(SIGKILL) << false;
#endif
    }

    void theSimulatorEndsWithTheClient() {
        QFETCH(int, signalNumber);
        QFETCH(bool, cleanExit);
        QTemporaryDir folder;
        QProcess client;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        client.setProcessEnvironment(environment);
        client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        client.start(QStringLiteral(VESK_CLIENT_PATH),
                     {QStringLiteral("--demo"), QStringLiteral("--dir"), folder.path(),
                      QStringLiteral("--simulator"), QStringLiteral(VESK_SIM_PATH)});
        QVERIFY(client.waitForStarted(bound));

        const QRegularExpression portLine(QStringLiteral("game port (\\d+)"));
        QString output;
        QVERIFY(QTest::qWaitFor(
            [&] {
                output += QString::fromLocal8Bit(client.readAllStandardOutput());
                return portLine.match(output).hasMatch() || client.state() == QProcess::NotRunning;
            },
            bound));
        const auto port = static_cast<quint16>(portLine.match(output).captured(1).toUInt());
        QVERIFY2(port != 0, qPrintable(output));
        QVERIFY(portAccepts(port));
        const QList<pid_t> simulators = childrenOf(client.processId());
        const auto cleanUp = qScopeGuard([&simulators] {
            for (const pid_t simulator : simulators) {
                ::kill(simulator, SIGKILL);
            }
        });

        ::kill(static_cast<pid_t>(client.processId()), signalNumber);
        QVERIFY(client.waitForFinished(bound));
        if (cleanExit) {
            QCOMPARE(client.exitStatus(), QProcess::NormalExit);
            QCOMPARE(client.exitCode(), 0);
            // It ended as File > Exit does: the settings were written.
            QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Preferences.DAT"))));
        }
        QVERIFY(QTest::qWaitFor([port] { return !portAccepts(port); }, bound));
    }
};

} // namespace vesk

VESK_QTEST_MAIN(vesk::DemoEndsItsSimulatorTest)
#include "DemoEndsItsSimulatorTest.moc"
