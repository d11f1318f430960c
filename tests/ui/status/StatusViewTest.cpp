#include "RenderShot.h"
#include "StatusTestClasses.h"
#include "StatusTestClient.h"

#include "settings/SettingsTable.h"
#include "status/BodyPictures.h"
#include "status/StatusView.h"

#include <QSignalSpy>
#include <QTest>

namespace vesk::uitest {
namespace {

constexpr QRgb green = qRgb(0, 255, 0);
constexpr QRgb red = qRgb(255, 0, 0);
constexpr QRgb yellow = qRgb(255, 255, 0);
constexpr QRgb grey = qRgb(128, 128, 128);
constexpr QRgb black = qRgb(0, 0, 0);

// Where a picture sits relative to the body's frame in the wide layout.
QPoint frameOffset(BodyPart part) {
    if (part == BodyPart::LeftWing) {
        return {-19, 0};
    }
    return part == BodyPart::RightWing ? QPoint(47, 0) : QPoint(0, 0);
}

QList<QPoint> limbPixels(BodyPart part) {
    const QImage image = BodyPictures::draw(part);
    QList<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == black) {
                pixels.append(QPoint(x, y) + frameOffset(part));
            }
        }
    }
    return pixels;
}

QPointF centre(const QList<QPoint>& pixels) {
    QPointF sum;
    for (const QPoint& pixel : pixels) {
        sum += pixel;
    }
    return sum / pixels.size();
}

// A pixel of the limb near its middle, in body-frame coordinates.
QPoint insidePoint(BodyPart part) {
    const QList<QPoint> pixels = limbPixels(part);
    const QPointF middle = centre(pixels);
    return *std::min_element(pixels.begin(), pixels.end(), [&](QPoint a, QPoint b) {
        return QLineF(a, middle).length() < QLineF(b, middle).length();
    });
}

QImage shot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The wide body frame starts at (20, 5).
QRgb limbColour(const QImage& image, BodyPart part) {
    return image.pixel(insidePoint(part) + QPoint(20, 5));
}

int countColour(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) == colour;
        }
    }
    return count;
}

struct ViewFixture : StatusTestClient {
    StatusView view{client->status(), client->preferences()};
    ViewFixture() { view.resize(145, 600); }
    Settings& settings() { return client->preferences().settings; }
};

} // namespace

void StatusViewTest::picturesShareOneFrameWithoutOverlapping() {
    QSet<QPair<int, int>> taken;
    for (int index = 0; index < bodyPartCount; ++index) {
        const auto part = static_cast<BodyPart>(index);
        const QImage image = BodyPictures::draw(part);
        QCOMPARE(image.size(), isWing(part) ? QSize(47, 79) : QSize(75, 150));
        const QList<QPoint> pixels = limbPixels(part);
        QVERIFY2(pixels.size() > 40, limbName(part).data());
        for (const QPoint& pixel : pixels) {
            QVERIFY2(!taken.contains({pixel.x(), pixel.y()}), limbName(part).data());
            taken.insert({pixel.x(), pixel.y()});
        }
    }
    // The figure stands upright: head over torso over legs over feet, arms and wings at the
    // sides of the torso, each left limb on the viewer's left.
    auto middle = [](BodyPart part) { return centre(limbPixels(part)); };
    QVERIFY(middle(BodyPart::Head).y() < middle(BodyPart::Torso).y());
    QVERIFY(middle(BodyPart::Torso).y() < middle(BodyPart::LeftLeg).y());
    QVERIFY(middle(BodyPart::LeftLeg).y() < middle(BodyPart::LeftFoot).y());
    QVERIFY(middle(BodyPart::LeftArm).y() < middle(BodyPart::LeftHand).y());
    QVERIFY(middle(BodyPart::LeftArm).x() < middle(BodyPart::Torso).x());
    QVERIFY(middle(BodyPart::RightArm).x() > middle(BodyPart::Torso).x());
    QVERIFY(middle(BodyPart::LeftWing).x() < middle(BodyPart::LeftArm).x());
    QVERIFY(middle(BodyPart::RightWing).x() > middle(BodyPart::RightArm).x());
    const BodyPictures pictures;
    QCOMPARE(pictures.picture(BodyPart::Torso, true).size(), QSize(60, 120));
    QCOMPARE(pictures.picture(BodyPart::LeftWing, true).size(), QSize(37, 63));
    QCOMPARE(pictures.picture(BodyPart::LeftWing, false).size(), QSize(47, 79));
}

void StatusViewTest::limbsTakeTheirDamageColour() {
    ViewFixture fixture;
    fixture.receive("##VESK LIMB 'head' 0\n##VESK LIMB 'torso' 50\n##VESK LIMB 'left arm' 100\n"
                    "##VESK LIMB 'right leg' -1\n##VESK LIMB 'left leg' 250\n");
    const QImage image = shot(fixture.view);
    QCOMPARE(limbColour(image, BodyPart::Head), green);
    QCOMPARE(limbColour(image, BodyPart::Torso), yellow);
    QCOMPARE(limbColour(image, BodyPart::LeftArm), red);
    QCOMPARE(limbColour(image, BodyPart::LeftLeg), red);
    QCOMPARE(limbColour(image, BodyPart::RightLeg), qRgb(100, 100, 100));
    // A limb the server never named is unhurt; the background between limbs stays black.
    QCOMPARE(limbColour(image, BodyPart::LeftFoot), green);
    QCOMPARE(image.pixel(20 + 2, 5 + 2), black);
    QCOMPARE(countColour(image, QRect(0, 0, 145, 160), qRgb(128, 128, 128)), 0);
}

void StatusViewTest::armourViewColoursByClassAndToggles() {
    ViewFixture fixture;
    fixture.receive("##VESK AC 'head' 1\n##VESK AC 'torso' 2\n##VESK AC 'left arm' 3\n"
                    "##VESK AC 'right arm' 4\n##VESK AC 'left leg' 5\n##VESK AC 'right leg' 9\n");
    QCOMPARE(limbColour(shot(fixture.view), BodyPart::Head), green);
    fixture.view.toggleBodyType();
    QCOMPARE(fixture.settings().number(setting::bodyType), 1);
    const QImage image = shot(fixture.view);
    QCOMPARE(limbColour(image, BodyPart::Head), qRgb(200, 0, 200));
    QCOMPARE(limbColour(image, BodyPart::Torso), qRgb(0, 0, 200));
    QCOMPARE(limbColour(image, BodyPart::LeftArm), qRgb(0, 170, 170));
    QCOMPARE(limbColour(image, BodyPart::RightArm), qRgb(0, 128, 0));
    QCOMPARE(limbColour(image, BodyPart::LeftLeg), green);
    QCOMPARE(limbColour(image, BodyPart::RightLeg), green);
    QCOMPARE(limbColour(image, BodyPart::LeftFoot), qRgb(200, 0, 0));
    fixture.view.toggleBodyType();
    QCOMPARE(fixture.settings().number(setting::bodyType), 0);
}

void StatusViewTest::wingsAppearWithALeftWingEntry() {
    ViewFixture fixture;
    QCOMPARE(countColour(shot(fixture.view), QRect(0, 5, 20, 79), green), 0);
    fixture.receive("##VESK LIMB 'left wing' 100\n");
    const QImage image = shot(fixture.view);
    QCOMPARE(limbColour(image, BodyPart::LeftWing), red);
    QCOMPARE(limbColour(image, BodyPart::RightWing), green);
    QCOMPARE(fixture.client->status().limbDamage.find("right wing") >= 0, true);
}

void StatusViewTest::vitalsBarsShowColourGapAndGreyRest() {
    ViewFixture fixture;
    fixture.receive("##VESK STATUS 50 100 0 0 130 100\n");
    const QImage image = shot(fixture.view);
    // HP half full: 25 pixels of yellow from x 35, a black pixel, grey up to x 84.
    const int hpRow = 190 + 7;
    QCOMPARE(image.pixel(35, hpRow), yellow);
    QCOMPARE(image.pixel(59, hpRow), yellow);
    QCOMPARE(image.pixel(60, hpRow), black);
    QCOMPARE(image.pixel(61, hpRow), grey);
    QCOMPARE(image.pixel(84, hpRow), grey);
    QCOMPARE(image.pixel(85, hpRow), black);
    // SP with no maximum: empty, grey from one pixel after the left edge, a red number.
    const int spRow = 240 + 7;
    QCOMPARE(image.pixel(35, spRow), black);
    QCOMPARE(image.pixel(36, spRow), grey);
    QVERIFY(countColour(image, QRect(90, 240, 40, 15), red) > 0);
    // MP above its maximum: a full green bar and a green number.
    QCOMPARE(countColour(image, QRect(35, 215, 50, 15), green), 50 * 15);
    QVERIFY(countColour(image, QRect(90, 215, 40, 15), green) > 0);
    // Experience figures are red.
    QVERIFY(countColour(image, QRect(60, 270, 80, 55), red) > 0);
}

void StatusViewTest::narrowLayoutShowsNumbersWithoutBars() {
    ViewFixture fixture;
    fixture.settings().setNumber(setting::statusNarrow, 1);
    fixture.view.resize(72, 500);
    fixture.receive("##VESK STATUS 100 100 5 10 0 10\n##VESK LIMB 'head' 100\n");
    const QImage image = shot(fixture.view);
    // Smoothed text edges may hit the bars' grey; a bar would bring 15 rows of it.
    QVERIFY(countColour(image, QRect(0, 130, 72, 370), grey) < 15);
    QVERIFY(countColour(image, QRect(7, 165, 40, 15), green) > 0);
    QVERIFY(countColour(image, QRect(7, 180, 40, 15), red) > 0);
    QVERIFY(countColour(image, QRect(7, 195, 40, 15), yellow) > 0);
    // The pictures shrink by a fifth and start at x 5.
    const QPoint head = insidePoint(BodyPart::Head);
    QCOMPARE(image.pixel(5 + head.x() * 4 / 5, 5 + head.y() * 4 / 5), red);
    QCOMPARE(countColour(image, QRect(66, 0, 6, 130), green), 0);
}

void StatusViewTest::combatantListsPaintHeadersNamesAndBars() {
    ViewFixture fixture;
    fixture.receive("##VESK COMBAT @rat@ 10 0 @orc@ 0 0 @Tam@ 5 1\n");
    QImage image = shot(fixture.view);
    // Small bars on the names' lines: a full green one, then an empty one.
    QCOMPARE(countColour(image, QRect(72, 365, 67, 15), green), 67 * 15);
    QCOMPARE(countColour(image, QRect(73, 385, 66, 15), grey), 66 * 15);
    QVERIFY(countColour(image, QRect(5, 340, 60, 15), qRgb(255, 255, 255)) > 0);
    QVERIFY(countColour(image, QRect(5, 365, 60, 15), red) > 0);
    // The party's header follows 75 pixels below the attackers'.
    QVERIFY(countColour(image, QRect(5, 415, 60, 15), qRgb(255, 255, 255)) > 0);
    // Party first, full bars on their own lines.
    fixture.settings().setNumber(setting::partyMobs, 1);
    fixture.settings().setNumber(setting::smallBars, 0);
    image = shot(fixture.view);
    QCOMPARE(countColour(image, QRect(5, 385, 67, 15), yellow), 67 * 15);
    QCOMPARE(countColour(image, QRect(5, 460, 135, 15), green), 135 * 15);
}

void StatusViewTest::keyPressGivesTheFocusBack() {
    ViewFixture fixture;
    QSignalSpy spy(&fixture.view, &StatusView::keyboardFocusReturned);
    fixture.view.show();
    QTest::keyClick(&fixture.view, Qt::Key_K);
    QCOMPARE(spy.count(), 1);
}

void StatusViewTest::fightShots() {
    ViewFixture fixture;
    fixture.fight();
    fixture.receive("##VESK LIMB 'left wing' 30\n");
    fixture.view.resize(145, 520);
    saveShot(fixture.view, "status-fight-wide-damage");
    fixture.view.toggleBodyType();
    saveShot(fixture.view, "status-fight-wide-armour");
    fixture.view.toggleBodyType();
    fixture.settings().setNumber(setting::statusNarrow, 1);
    fixture.view.resize(72, 520);
    saveShot(fixture.view, "status-fight-narrow-damage");
    fixture.view.toggleBodyType();
    saveShot(fixture.view, "status-fight-narrow-armour");
}

} // namespace vesk::uitest
