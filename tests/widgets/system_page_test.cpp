// The System page through the real window: what a fresh start shows, and the calls that reach it
// from the tone-system buttons, the Setting page's period list and the squelch presets.
#include "channel_pages_fixture.h"

#include <QComboBox>

namespace {

class SystemPageWindow : public ChannelPagesTest {
protected:
    QString text(const char* name) { return field(QString::fromLatin1(name))->text(); }
};

TEST_F(SystemPageWindow, FreshStartShowsTheBuiltInImage) {
    struct Case {
        const char* field;
        const char* shown;
    };
    const Case cases[] = {
        {"edtDecorderReset", "30.0"},
        {"edtRFDelay", "35"},
        {"edtPriorityScanF1", "4"},
        {"edtBS_Period0", "15"},
        {"edtBS_Period1", "25"},
        {"edtToneDur0", "3"},
        {"edtToneDur1", "3"},
        {"edtToneLimit0", "1"},
        {"edtToneLimit1", "1"},
        {"edtNoiseLimit", "1"},
        {"edtSSI", "0.20"},
        // The squelch-level lists of the loading pass choose level 3 of both groups, whose pair
        // replaces the built-in Speaker ON and OFF thresholds.
        {"edtRSSI", "0.93"},
        {"edtRSSI2", "0.77"},
        {"edtNB_RSSI", "0.93"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(c.field), QString::fromLatin1(c.shown)) << c.field;
    EXPECT_EQ(find<QComboBox>(QStringLiteral("cboAUXDB"))->currentIndex(),
              kz::auxDbPositionOf(image().byte(PagerField::auxFlags)));
    // the unit captions are on the System page beside their fields
    QWidget* system = find<QWidget>(QStringLiteral("tabSystem"));
    EXPECT_TRUE(system->isAncestorOf(find<QWidget>(QStringLiteral("lbl50MS4"))));
    EXPECT_FALSE(system->isAncestorOf(find<QWidget>(QStringLiteral("lbl50MS5"))));
}

TEST_F(SystemPageWindow, ToneSystemClickSetsTone2Duration) {
    image().setByte(PagerField::tone2DurationStd, 7);
    image().setByte(PagerField::tone2DurationPlectron, 2);
    clickSystem(2);
    EXPECT_EQ(text("edtToneDur1"), QStringLiteral("2"));
    EXPECT_EQ(image().word16(PagerField::tone2Duration), 2);
    EXPECT_EQ(image().byte(PagerField::tone2DurationStd), 7);

    clickSystem(1);
    EXPECT_EQ(text("edtToneDur1"), QStringLiteral("7"));
    EXPECT_EQ(image().word16(PagerField::tone2Duration), 7);
    EXPECT_EQ(image().byte(PagerField::tone2DurationPlectron), 2);
}

TEST_F(SystemPageWindow, PeriodListAndSquelchPresetsReachTheFields) {
    // 2 seconds with Battery Save2 at 25 (250 ms): a count of 8
    auto* circle = find<QComboBox>(QStringLiteral("cboCircle"));
    circle->setCurrentIndex(2);
    emit circle->activated(2);
    EXPECT_EQ(text("edtPriorityScanF1"), QStringLiteral("8"));

    // and the other way: a stored count moves the period list
    type("edtPriorityScanF1", "4");
    EXPECT_EQ(circle->currentIndex(), 1);

    image().setByte(PagerField::wbSpeakerOn, 10);
    form_->editor().applySquelchPresets(false);
    EXPECT_EQ(text("edtRSSI"), QStringLiteral("0.95"));
}

} // namespace
