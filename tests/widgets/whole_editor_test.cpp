// The whole editor with every page: the loading pass, and what Save writes after it.
#include "channel_pages_fixture.h"

#include "builtin_images.h"
#include "file_commands.h"
#include "file_host.h"
#include "loading_pass.h"
#include "program_identity.h"

#include <QFile>

#include <set>

namespace {

using WholeEditor = ChannelPagesTest;

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Answers the file dialogs with `path`.
void answerDialogsWith(TForm1& form, const QString& path) {
    form.fileHost().chooseFile = [path](const kz::FileDialogSetup&, bool) {
        return std::optional<QString>(path);
    };
}

TEST_F(WholeEditor, EveryStepOfTheLoadingPassHasItsShowSteps) {
    for (int step = 1; step <= kz::LoadingPass::kStepCount; ++step)
        EXPECT_TRUE(form_->editor().loadingPass().hasStep(static_cast<kz::LoadingPass::Step>(step)))
            << "step " << step;
}

// After a fresh start the file that Save As writes differs from the built-in image only where
// the loading pass normalises, and a file saved, opened and saved again comes back byte for
// byte: the pass changes nothing of its own output.
TEST_F(WholeEditor, SaveOpenSaveIsByteIdenticalAndOnlyTheNormalisedFieldsMove) {
    const QString first = dir_.filePath("first.tbl");
    answerDialogsWith(*form_, first);
    form_->fileCommands().SaveAs1Click();
    const QByteArray saved = readAll(first);
    ASSERT_EQ(saved.size(), kz::TPagerImage::kSize);

    using namespace PagerField;
    const std::set<int> normalised = [] {
        std::set<int> fields;
        const auto add = [&](int offset, int width) {
            for (int i = 0; i < width; ++i)
                fields.insert(offset + i);
        };
        add(f1StepCode, 1), add(f2StepCode, 1), add(f1FreqDigits, 7), add(f2FreqDigits, 7);
        add(f1PllR, 8), add(f2PllR, 8);
        add(wbSquelchLevels, wbSquelchLevelsWidth), add(nbSquelchLevels, nbSquelchLevelsWidth);
        add(nbSquelchLevel5, nbSquelchLevel5Width);
        add(wbSpeakerOn, 1), add(wbSpeakerOff, 1), add(nbSpeakerOn, 1), add(nbSpeakerOff, 1);
        add(tonalityTimers, tonalityTimersWidth), add(functionSwitches, functionSwitchesWidth);
        add(oneChannelMark, 1), add(oneChannelMark2, 1), add(resetMode, 1);
        add(controlFlags, 1), add(reminderInterval, 1), add(squelchLevelSelect, 1);
        add(shutdownBatteryLevel, 1), add(batteryAlertPeriod, 1);
        // stamped by every save: the sum, the identity and the tool version
        add(imageSum, versionBlockSize);
        return fields;
    }();
    kz::TPagerImage builtin = builtinWorkingImage();
    kz::stampIdentity(builtin);
    builtin.setByte(decoderBandwidth, 7); // as the fixture set it before its loading pass
    for (int i = 0; i < kz::TPagerImage::kSize; ++i) {
        if (!normalised.count(i)) {
            EXPECT_EQ(static_cast<std::uint8_t>(saved[i]), builtin.byte(i)) << "byte " << i;
        }
    }

    form_->fileCommands().Open1Click();
    const QString second = dir_.filePath("second.tbl");
    answerDialogsWith(*form_, second);
    form_->fileCommands().SaveAs1Click();
    EXPECT_EQ(readAll(second), saved);
    EXPECT_TRUE(messages_.texts().isEmpty()) << messages_.texts().join('|').toStdString();
}

} // namespace
