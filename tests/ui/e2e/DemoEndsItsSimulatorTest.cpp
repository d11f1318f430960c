#include "TestApplication.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
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

// The client's child processes (the simulator).
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

// The TCP ports a process listens on: its sockets' inodes looked up among the listening
// sockets of the system.
QList<quint16> listeningPorts(pid_t process) {
    QSet<QByteArray> sockets;
    const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(process));
    for (const QString& name : descriptors.entryList(QDir::NoDotAndDotDot | QDir::System)) {
        const QString target = QFile::symLinkTarget(descriptors.filePath(name));
        if (target.contains(QLatin1String("socket:["))) {
            sockets << target.section('[', 1).chopped(1).toLatin1();
        }
    }
    QList<quint16> ports;
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly)) {
        return ports;
    }
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // local address, state (0A: listening), inode
        if (fields.size() > 9 && fields[3] == "0A" && sockets.contains(fields[9])) {
            ports << static_cast<quint16>(
                QString::fromLatin1(fields[1]).section(':', 1).toUInt(nullptr, 16));
        }
    }
    return ports;
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

        // The simulator is up once it listens on its three ports.
        QList<pid_t> simulators;
        QList<quint16> ports;
        QVERIFY(QTest::qWaitFor(
            [&] {
                simulators = childrenOf(client.processId());
                ports.clear();
                for (const pid_t simulator : simulators) {
                    ports += listeningPorts(simulator);
                }
                return ports.size() == 3 || client.state() == QProcess::NotRunning;
            },
            bound));
        QCOMPARE(ports.size(), 3);
        const auto cleanUp = qScopeGuard([&simulators] {
            for (const pid_t simulator : simulators) {
                ::kill(simulator, SIGKILL);
            }
        });
        for (const quint16 port : ports) {
            QVERIFY(portAccepts(port));
        }

        ::kill(static_cast<pid_t>(client.processId()), signalNumber);
        QVERIFY(client.waitForFinished(bound));
        if (cleanExit) {
            QCOMPARE(client.exitStatus(), QProcess::NormalExit);
            QCOMPARE(client.exitCode(), 0);
            // It ended as File > Exit does: the settings were written.
            QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Preferences.DAT"))));
        }
        for (const quint16 port : ports) {
            QVERIFY2(QTest::qWaitFor([port] { return !portAccepts(port); }, bound),
                     qPrintable(QString::number(port)));
        }
        // The player is told where the demo plays.
        const QRegularExpression portLine(QStringLiteral("game port (\\d+)"));
        const QString output = QString::fromLocal8Bit(client.readAllStandardOutput());
        QVERIFY(ports.contains(static_cast<quint16>(portLine.match(output).captured(1).toUInt())));
    }
};

} // namespace vesk

VESK_QTEST_MAIN(vesk::DemoEndsItsSimulatorTest)
#include "DemoEndsItsSimulatorTest.moc"
