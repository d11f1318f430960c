#include "TestApplication.h"

#include "app/QtHost.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace vesk;

Q_DECLARE_METATYPE(vesk::Change)

// The desktop's side of the core's door: change notices gathered over a read, and the player's
// editor started without waiting and followed until it ends.
class QtHostTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<vesk::Change>(); }

    // A read that brings thousands of news lines announces the news once, after the read, in
    // the order the kinds are listed; outside a read a notice goes out at once.
    void aReadAnnouncesEachKindOfChangeOnce() {
        QtHost host;
        QSignalSpy spy(&host, &QtHost::changedSignal);
        host.gatherChanges([&] {
            for (int line = 0; line < 1000; ++line) {
                host.changed(Change::News);
                host.changed(Change::MainBuffer);
            }
            QCOMPARE(spy.count(), 0);
        });
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).value<Change>(), Change::MainBuffer);
        QCOMPARE(spy.at(1).at(0).value<Change>(), Change::News);
        host.changed(Change::Title);
        QCOMPARE(spy.count(), 3);
    }

    // A box opened in the middle of a read shows the window as the read has left it so far, and
    // what changes while it is open is shown at once.
    void aBoxDuringAReadShowsWhatChangedSoFar() {
        QtHost host;
        QSignalSpy spy(&host, &QtHost::changedSignal);
        host.gatherChanges([&] {
            host.changed(Change::Status);
            host.modal([&] {
                QCOMPARE(spy.count(), 1);
                host.changed(Change::Skills);
                QCOMPARE(spy.count(), 2);
            });
            host.changed(Change::Status);
            QCOMPARE(spy.count(), 2);
        });
        QCOMPARE(spy.count(), 3);
    }

    // The editor is under way when the call returns, in a session of its own (a signal meant for
    // the client does not reach it), and is known to run until it ends.
    void anEditorStartsWithoutWaitingAndIsFollowedUntilItEnds() {
        QtHost host;
        const Host::ProcessId editor = host.startProcess("sleep", {"30"});
        QVERIFY(editor != 0);
        QVERIFY(host.processRunning(editor));
        QCOMPARE(::getsid(static_cast<pid_t>(editor)), static_cast<pid_t>(editor));
        ::kill(static_cast<pid_t>(editor), SIGTERM);
        QTRY_VERIFY(!host.processRunning(editor));

        const Host::ProcessId quick = host.startProcess("true", {});
        QVERIFY(quick != 0);
        QTRY_VERIFY(!host.processRunning(quick));
        QCOMPARE(host.startProcess("/no/such/editor", {"file"}), Host::ProcessId{0});
    }
};

VESK_QTEST_MAIN(QtHostTest)
#include "QtHostTest.moc"
