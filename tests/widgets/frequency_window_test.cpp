// The "Frequency" groups in the main window: what the loading pass shows and where an accepted
// frequency takes the serial-prefix flag from.
#include "channel_pages_fixture.h"
#include "main_window_link.h"
#include "pager_fields.h"

#include <QComboBox>
#include <QLabel>

namespace {

using FrequencyWindow = ChannelPagesTest;

std::vector<int> bytesAt(const kz::TPagerImage& image, int offset, int count) {
    std::vector<int> bytes;
    for (int i = 0; i < count; ++i)
        bytes.push_back(image.byte(offset + i));
    return bytes;
}

TEST_F(FrequencyWindow, FreshStartShowsTheBuiltInFrequenciesAndWords) {
    // A fresh window, as the program starts: no message from the frequency check.
    MessageRecorder fresh;
    TForm1 window(testStartOptions(dir_.path()));
    EXPECT_TRUE(fresh.messages().empty());
    const kz::TPagerImage& image = window.image();
    struct Shown {
        const char* control;
        const char* text;
    };
    const Shown shown[] = {
        {"edtF1Freq", "1520000"},  {"edtF2Freq", "1620000"},  {"lblF1PLLR", "00010011"},
        {"lblF1PLLN", "00146800"}, {"lblF2PLLR", "00010011"}, {"lblF2PLLN", "0015F800"},
        {"lblF1MUTL", "1"},        {"lblF2MUTL", "1"},
    };
    for (const auto& s : shown) {
        QWidget* w = window.findChild<QWidget*>(QString::fromLatin1(s.control));
        ASSERT_NE(w, nullptr) << s.control;
        const QString text = qobject_cast<QLineEdit*>(w) ? qobject_cast<QLineEdit*>(w)->text()
                                                         : qobject_cast<QLabel*>(w)->text();
        EXPECT_EQ(text, QString::fromLatin1(s.text)) << s.control;
    }
    // Stored code 0x23 shows Auto; the Auto search settles on 12.5 kHz and stores its code.
    EXPECT_EQ(control<QComboBox>(window, "cboCSpaceF1")->currentText(), QStringLiteral("Auto"));
    EXPECT_EQ(image.byte(PagerField::f1StepCode), 0x22);
    EXPECT_EQ(image.byte(PagerField::f2StepCode), 0x22);
    EXPECT_EQ(image.word32(PagerField::f1PllR), 0x00010011u); // the built-in 0x0001A311 recomputed
    EXPECT_EQ(window.editor().state().f1StepHz, 12500);
    // The squelch presets of the 152 MHz band replaced the built-in tables.
    EXPECT_EQ(bytesAt(image, PagerField::wbSquelchLevels, 10),
              (std::vector{84, 96, 80, 94, 78, 93, 74, 92, 70, 91}));
    EXPECT_EQ(bytesAt(image, PagerField::nbSquelchLevels, 8),
              (std::vector{84, 96, 80, 94, 78, 93, 74, 92}));
    EXPECT_EQ(bytesAt(image, PagerField::nbSquelchLevel5, 2), (std::vector{70, 91}));
    // The presets bring Speaker ON 0.95 V (WB) and 0.81 V (NB), but later in the same pass the
    // selected squelch level 3 (0.78 V / 0.93 V in both tables) gives both groups its codes.
    EXPECT_EQ(image.byte(PagerField::wbSpeakerOn), 79);
    EXPECT_EQ(image.byte(PagerField::wbSpeakerOff), 66);
    EXPECT_EQ(image.byte(PagerField::nbSpeakerOn), 79);
    EXPECT_EQ(image.byte(PagerField::nbSpeakerOff), 66);
}

TEST_F(FrequencyWindow, ForcedNarrowStepStaysWhenAutoFindsNoStep) {
    // An R word for the 2.5 kHz reference forces that step; 152.001 MHz fits no Auto step, so
    // the frequency is refused and the channel keeps the forced step and its code.
    image().setWord32(PagerField::f1PllR, 0x00020B42);
    const std::uint8_t digits[] = {1, 5, 2, 0, 0, 1, 0};
    for (int i = 0; i < 7; ++i)
        image().setByte(PagerField::f1FreqDigits + i, digits[i]);
    messages_.clear();
    load();
    EXPECT_EQ(messages_.texts(), QStringList({"F1 Channel Spacing Error!"}));
    EXPECT_EQ(image().byte(PagerField::f1StepCode), 0x25);
    EXPECT_EQ(form_->editor().state().f1StepHz, 2500);
    EXPECT_EQ(image().word32(PagerField::f1PllR), 0x00050011u);
    EXPECT_EQ(control<QLabel>(*form_, "lblF1PLLR")->text(), QStringLiteral("00050011"));
}

TEST_F(FrequencyWindow, AcceptedFrequencyTakesTheLinksSerialPrefixFlag) {
    struct Case {
        bool prefix;
        std::vector<int> wbLevels;
        int wbSpeakerOn;
    };
    const Case cases[] = {
        {false, {130, 30, 160, 60, 160, 100, 190, 130, 190, 165}, 166},
        {true, {85, 38, 85, 58, 85, 72, 90, 80, 95, 90}, 81},
    };
    for (const auto& c : cases) {
        form_->pagerLink().operations().setSerialPrefixFlag(c.prefix);
        const auto nbBefore = bytesAt(image(), PagerField::nbSquelchLevels, 8);
        type("edtF1Freq", QStringLiteral("0400000"));
        EXPECT_EQ(bytesAt(image(), PagerField::wbSquelchLevels, 10), c.wbLevels) << c.prefix;
        EXPECT_EQ(image().byte(PagerField::wbSpeakerOn), c.wbSpeakerOn) << c.prefix;
        EXPECT_EQ(bytesAt(image(), PagerField::nbSquelchLevels, 8), nbBefore) << c.prefix;
        type("edtF1Freq", QStringLiteral("1520000"));
    }
    EXPECT_TRUE(messages_.messages().empty());
}

} // namespace
