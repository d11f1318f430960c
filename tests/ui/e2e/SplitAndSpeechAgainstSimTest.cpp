#include "SimWindowRig.h"
#include "common/TextBoundary.h"
#include "display/OutputPane.h"
#include "display/OutputView.h"
#include "display/TextBuffer.h"

#include <QAccessible>
#include <QTest>

#include <vector>

namespace vesk {
namespace {

constexpr int bound = uitest::simBound;

// The text of every insertion a text pane announced, as a screen reader hears them.
struct Announcements {
    static inline QObject* watched = nullptr;
    static inline std::vector<QString> texts;

    static void record(QAccessibleEvent* event) {
        if (event->type() == QAccessible::TextInserted && event->object() == watched) {
            texts.push_back(static_cast<QAccessibleTextInsertEvent*>(event)->textInserted());
        }
    }
    static bool heard(const QString& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
};

} // namespace

// The window a player keeps open for hours, against the simulator: scrolled back during the
// other players' chatter it keeps the place while the tail shows what arrives; a line from the
// server is told to a screen reader as it arrives.
class SplitAndSpeechAgainstSimTest : public QObject {
    Q_OBJECT

    using Rig = uitest::SimWindowRig;

private slots:
    void scrolledBackDuringChatterTheTailShowsTheNewestAndACommandJoins() {
        Rig rig({}, {"--chatter-ms", "60"});
        QVERIFY(rig.window);
        TextBuffer& buffer = rig.client.mainBuffer();
        for (int line = 0; line < 300; ++line) {
            buffer.AddString("an older line " + std::to_string(line) + "\n");
        }
        rig.logInWithStoredCharacter("Tamsin", "tamsin");
        QTRY_VERIFY2_WITH_TIMEOUT(rig.shows("Terminal currently set to ansi"),
                                  rig.transcript().c_str(), bound);
        OutputPane& pane = rig.window->outputPane();
        OutputView& upper = pane.upper();
        QVERIFY(!pane.split());
        upper.pageUp();
        upper.pageUp();
        QVERIFY(pane.split());
        QVERIFY(pane.tail().isVisible());
        const int place = upper.viewport().position();
        const int before = buffer.LineCount();
        QTRY_VERIFY2_WITH_TIMEOUT(buffer.LineCount() >= before + 3, rig.transcript().c_str(),
                                  bound);
        QCOMPARE(upper.viewport().position(), place);
        QVERIFY(pane.split());
        QTRY_VERIFY(pane.moreBelowShown());
        // The tail's bottom row is the newest line, whatever keeps arriving.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QPoint bottom(10, pane.tail().height() - pane.tail().lineHeight());
                const auto shown = pane.tail().hitTest(bottom);
                return shown && shown->line == buffer.lastIndex();
            }(),
            bound);

        rig.type("look");
        QVERIFY(!pane.split());
        QVERIFY(!pane.moreBelowShown());
        QVERIFY(!pane.tail().isVisible());
        QCOMPARE(upper.viewport().position(), buffer.LineCount());
    }

    void aLineFromTheServerIsToldToAScreenReader() {
        Rig rig([](Preferences& preferences) {
            preferences.settings.setNumber(setting::announceOwnCommands, 0);
        });
        QVERIFY(rig.window);
        Announcements::watched = &rig.window->outputView();
        Announcements::texts.clear();
        QAccessible::installUpdateHandler(&Announcements::record);
        rig.logInWithStoredCharacter("Tamsin", "tamsin");
        QTRY_VERIFY2_WITH_TIMEOUT(rig.shows("Terminal currently set to ansi"),
                                  rig.transcript().c_str(), bound);
        rig.type("say Good morning");
        QTRY_VERIFY2_WITH_TIMEOUT(rig.shows("You say: Good morning"), rig.transcript().c_str(),
                                  bound);
        const int row = rig.lineStarting("You say: Good morning");
        const QString line = toQString(*rig.client.mainBuffer().getPlainCharacters(row));
        QTRY_VERIFY_WITH_TIMEOUT(Announcements::heard(line), bound);
        QVERIFY2(!Announcements::heard("say Good morning"), "the player's own echo is spared");
        QAccessible::installUpdateHandler(nullptr);
        Announcements::watched = nullptr;
    }
};

} // namespace vesk

VESK_QTEST_MAIN(vesk::SplitAndSpeechAgainstSimTest)
#include "SplitAndSpeechAgainstSimTest.moc"
