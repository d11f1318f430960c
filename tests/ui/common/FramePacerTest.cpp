#include "common/FramePacer.h"

#include <QTest>

#include <memory>

namespace vesk::uitest {

class FramePacerTest : public QObject {
    Q_OBJECT
private slots:
    // A lone change shows at once; the changes that follow within the frame share one refresh,
    // which does come.
    void aBurstOfRequestsRefreshesOnceMore() {
        int refreshes = 0;
        FramePacer pacer([&] { ++refreshes; });
        pacer.request();
        QCOMPARE(refreshes, 1);
        for (int request = 0; request < 50; ++request) {
            pacer.request();
        }
        QCOMPARE(refreshes, 1);
        QTRY_COMPARE_WITH_TIMEOUT(refreshes, 2, 5000);
        QCoreApplication::processEvents();
        QCOMPARE(refreshes, 2);
    }
};

} // namespace vesk::uitest

std::unique_ptr<QObject> createFramePacerTest() {
    return std::make_unique<vesk::uitest::FramePacerTest>();
}
#include "FramePacerTest.moc"
