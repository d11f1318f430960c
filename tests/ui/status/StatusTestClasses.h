#pragma once

#include <QObject>

namespace vesk::uitest {

// The status view itself: limb colours, bars, layouts, keys, pictures.
class StatusViewTest : public QObject {
    Q_OBJECT
private slots:
    void picturesShareOneFrameWithoutOverlapping();
    void limbsTakeTheirDamageColour();
    void armourViewColoursByClassAndToggles();
    void wingsAppearWithALeftWingEntry();
    void vitalsBarsShowColourGapAndGreyRest();
    void narrowLayoutShowsNumbersWithoutBars();
    void combatantListsPaintHeadersNamesAndBars();
    void keyPressGivesTheFocusBack();
    void fightShots();
};

// The docked pane and the floating window: scroll bars, layout, placement.
class StatusHoldersTest : public QObject {
    Q_OBJECT
private slots:
    void paneScrollBarAppearsWhenContentsOutgrowIt();
    void scrollingMovesThePicture();
    void frameLaysOutWithAndWithoutLagMeter();
    void frameOpensWhereItWasAndRecordsMoves();
};

// The skills window: painting, toggle and placement.
class SkillsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void paintsCaptionsLevelsAndMax();
    void toggleShowsHidesAndAsksForSkills();
    void recordsPlacement();
};

} // namespace vesk::uitest
