// One Channel through the real window: what a single-channel pager takes away from channel F2
// and gives back, and what the loading pass leaves in the image for the Setting page.
#include "alert_tonality.h"
#include "builtin_images.h"
#include "channel_pages_fixture.h"
#include "function_switch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

namespace {

class OneChannel : public ChannelPagesTest {
protected:
    QTabWidget* tabs() { return find<QTabWidget>(QStringLiteral("PageControl1")); }
    bool f2TabEnabled() { return tabs()->isTabEnabled(tabs()->indexOf(tabChannelF2())); }
    QWidget* tabChannelF2() { return find<QWidget>(QStringLiteral("tabChannelF2")); }
    void clickOneChannel() {
        showPage(tabs()->indexOf(find<QWidget>(QStringLiteral("tabSetting"))));
        QCheckBox* box = find<QCheckBox>(QStringLiteral("chkOneChannel"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QCoreApplication::processEvents();
    }
    void choose(const QString& name, int position) {
        QComboBox* l = find<QComboBox>(name);
        l->setCurrentIndex(position);
        emit l->activated(position);
    }
    int modeBits(int sw) { return image().byte(kz::functionSwitchOffset(sw)) & 0x1F; }
};

TEST_F(OneChannel, TakesChannelF2AwayAndGivesItBack) {
    ASSERT_TRUE(f2TabEnabled());
    EXPECT_TRUE(field("edtF2T10")->isEnabled());
    EXPECT_FALSE(field("edtF2T11")->isEnabled()) << "CALL #2 is off in the built-in image";

    clickOneChannel();
    EXPECT_FALSE(f2TabEnabled());
    EXPECT_FALSE(tabChannelF2()->isEnabled());
    EXPECT_FALSE(find<QGroupBox>(QStringLiteral("groupF2"))->isEnabled());
    EXPECT_FALSE(field("edtF2T10")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>(QStringLiteral("chkF2Call0"))->isEnabled());
    EXPECT_TRUE(field("edtF1T10")->isEnabled()) << "F1 stays";
    EXPECT_EQ(image().byte(PagerField::oneChannelMark), 254);
    EXPECT_EQ(image().byte(PagerField::oneChannelMark2), 254);
    const int oneChannelModes[] = {0x00, 0x00, 0x01, 0x01};
    for (int sw = 0; sw < 4; ++sw)
        EXPECT_EQ(modeBits(sw), oneChannelModes[sw]) << "SW " << sw;
    // the user moves SW-A to Selective Call F1 on the single-channel pager
    choose(QStringLiteral("cboC1FunMode0"), 1);

    clickOneChannel();
    EXPECT_TRUE(f2TabEnabled());
    EXPECT_TRUE(find<QGroupBox>(QStringLiteral("groupF2"))->isEnabled());
    EXPECT_TRUE(field("edtF2T10")->isEnabled());
    EXPECT_FALSE(field("edtF2T11")->isEnabled()) << "the row enabling applies again";
    EXPECT_EQ(image().byte(PagerField::oneChannelMark), 255);
    EXPECT_EQ(image().byte(PagerField::oneChannelMark2), 255);
    const int twoChannelModes[] = {0x12, 0x02, 0x01, 0x05};
    for (int sw = 0; sw < 4; ++sw)
        EXPECT_EQ(modeBits(sw), twoChannelModes[sw]) << "SW " << sw;

    clickOneChannel();
    EXPECT_EQ(modeBits(0), 0x01) << "SW-A remembers its single-channel mode";
    EXPECT_EQ(find<QComboBox>(QStringLiteral("cboC1FunMode0"))->currentText(),
              QStringLiteral("Selective Call F1"));
}

TEST_F(OneChannel, FirmwareFiveLoadsAsSingleChannel) {
    image().setByte(PagerField::firmwareMajor, 5);
    image().setByte(PagerField::firmwareMinor, 0);
    image().setByte(PagerField::firmwarePatch, 0);
    load();
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("chkOneChannel"))->isChecked());
    EXPECT_FALSE(f2TabEnabled());
    EXPECT_EQ(image().byte(PagerField::oneChannelMark), 254);
    EXPECT_EQ(image().byte(PagerField::oneChannelMark2), 254);

    image().setByte(PagerField::firmwareMajor, 0);
    image().setByte(PagerField::oneChannelMark, 255);
    image().setByte(PagerField::oneChannelMark2, 255);
    load();
    EXPECT_FALSE(find<QCheckBox>(QStringLiteral("chkOneChannel"))->isChecked());
    EXPECT_TRUE(f2TabEnabled());
}

TEST_F(OneChannel, FreshStartLeavesTheSettingBytesOfTheBuiltInImageNormalised) {
    // A fresh window, as the program starts: nothing loaded but the built-in image.
    TForm1 fresh(testStartOptions(dir_.path()));
    const kz::TPagerImage& shown = fresh.image();
    const std::uint8_t timers[] = {0x05, 0x4D, 0x04, 0x4D, 0x03, 0x44, 0x00, 0x48};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(shown.byte(PagerField::tonalityTimers + i), timers[i]) << "timer byte " << i;
    for (int t = 0; t < kz::kTonalityCount; ++t) {
        const auto timer = kz::tonalityTimerOf(shown.word16(kz::tonalityOffset(t)));
        ASSERT_TRUE(timer);
        EXPECT_EQ(shown.byte(kz::tonalityTimerOffset(t)), timer->code);
        EXPECT_EQ(shown.byte(kz::tonalityTimerOffset(t) + 1), timer->reload);
    }
    const std::uint8_t switches[] = {0x52, 0x22, 0x21, 0x25};
    for (int sw = 0; sw < 4; ++sw)
        EXPECT_EQ(shown.byte(kz::functionSwitchOffset(sw)), switches[sw]) << "SW " << sw;
    EXPECT_EQ(shown.byte(PagerField::oneChannelMark), 255);
    EXPECT_EQ(shown.byte(PagerField::resetMode), 4);
    EXPECT_EQ(shown.byte(PagerField::reminderInterval), 240);
}

TEST_F(OneChannel, LoadingNormalisesTimersSwitchesResetAndReminder) {
    image().replace(std::array<std::uint8_t, 8>{}, PagerField::tonalityTimers);
    image().replace(std::array<std::uint8_t, 4>{0x26, 0xA0, 0x81, 0x00},
                    PagerField::functionSwitches);
    image().setByte(PagerField::reminderInterval, 100);
    image().setByte(PagerField::resetMode, 3);
    image().setBits(PagerField::controlFlags, 1, 0, 1);
    load();
    const std::uint8_t timers[] = {0x05, 0x4D, 0x04, 0x4D, 0x03, 0x44, 0x00, 0x48};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(image().byte(PagerField::tonalityTimers + i), timers[i]) << "timer byte " << i;
    // push to listen forces Vibrate; a monitor has none; alert type 0 keeps the list's type
    const std::uint8_t switches[] = {0x22, 0x20, 0xC1, 0x20};
    for (int sw = 0; sw < 4; ++sw)
        EXPECT_EQ(image().byte(kz::functionSwitchOffset(sw)), switches[sw]) << "SW " << sw;
    EXPECT_EQ(image().byte(PagerField::reminderInterval), 120);
    EXPECT_EQ(find<QComboBox>(QStringLiteral("cboResetCon"))->currentText(),
              QStringLiteral("Manual RESET Until Press Reset"));
    EXPECT_EQ(image().byte(PagerField::resetMode), 3);
    EXPECT_EQ(image().getBits(PagerField::controlFlags, 1, 1), 0);
}

} // namespace
