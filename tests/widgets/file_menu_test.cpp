#include "configuration_editor.h"
#include "file_commands.h"
#include "file_host.h"
#include "main_window.h"
#include "message_recorder.h"
#include "test_start_options.h"
#include "timing_unit_captions.h"
#include "window_controls.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

namespace {

// The File menu of the real main window, with the file dialogs answered by a script.
class FileMenuTest : public ::testing::Test {
protected:
    void makeForm() {
        form = std::make_unique<TForm1>(testStartOptions(startup.path()));
        form->fileHost().chooseFile = [this](const kz::FileDialogSetup&, bool) {
            std::optional<QString> answer;
            if (!answers.empty()) {
                answer = answers.front();
                answers.pop_front();
            }
            return answer;
        };
    }
    void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    bool shows100ms() const {
        for (int row = 0; row < kz::TimingUnitCaptions::kRows; ++row) {
            const bool hundred = !form->editor().timingUnitCaptions().label100(row)->isHidden();
            const bool fifty = !form->editor().timingUnitCaptions().label50(row)->isHidden();
            EXPECT_NE(hundred, fifty) << "exactly one caption of row " << row;
        }
        return !form->editor().timingUnitCaptions().label100(0)->isHidden();
    }

    QTemporaryDir startup;
    QTemporaryDir elsewhere;
    MessageRecorder recorder;
    std::deque<std::optional<QString>> answers;
    std::unique_ptr<TForm1> form;
};

TEST_F(FileMenuTest, FirstShowLoadsDefaultTblAndRunsTheLoadingPass) {
    QByteArray bytes(512, char(0xFF));
    const QByteArray serial = "SN000000000042";
    bytes.replace(416, 14, serial);
    // Channel frequencies of 152 MHz with the 12.5 kHz step: an erased frequency would bring
    // the channel spacing messages of the frequency check.
    const QByteArray frequency("\x01\x05\x02\x00\x00\x00\x00\x22", 8);
    bytes.replace(16, 8, frequency);
    bytes.replace(32, 8, frequency);
    writeFile(startup.filePath("default.tbl"), bytes);
    makeForm();
    EXPECT_TRUE(control<QLineEdit>(*form, "edtSerialNo")->text().isEmpty())
        << "not before the window is shown";

    form->show();
    EXPECT_EQ(form->image().text(416, 14), "SN000000000042");
    EXPECT_EQ(control<QLineEdit>(*form, "edtSerialNo")->text(), serial) << "the loading pass ran";
    EXPECT_EQ(form->windowTitle(), "KZ904 V1.0.8");
    EXPECT_TRUE(control<QLabel>(*form, "lblVersion")->isHidden());
    // No port is listed, so the start-up search tells once that no programmer answers; the
    // load of default.tbl adds nothing.
    EXPECT_EQ(recorder.texts(),
              QStringList({"The Board is not responding ! \nPlease check your programer ready "
                           "\nand COM port connect properly !"}));
    EXPECT_FALSE(shows100ms()) << "x 50 ms in front at start-up";
}

TEST_F(FileMenuTest, WithoutDefaultTblTheStampedBuiltInImageStays) {
    makeForm();
    const kz::TPagerImage before = form->image();
    form->show();
    EXPECT_EQ(form->image(), before);
    EXPECT_EQ(form->image().text(498, 12), "KZ904V108107");
}

TEST_F(FileMenuTest, UnreadableDefaultTblIsToldOnceAtStartUpAndTheBuiltInImageStays) {
    QDir(startup.path()).mkdir("default.tbl"); // there, but no table file can be read from it
    makeForm();
    const kz::TPagerImage before = form->image();
    form->show();
    EXPECT_EQ(form->image(), before);
    EXPECT_EQ(recorder.texts(),
              QStringList({"The Board is not responding ! \nPlease check your programer ready "
                           "\nand COM port connect properly !",
                           kz::FileCommands::openFailure()}));
    EXPECT_EQ(recorder.messages().back().title, "File Error");
    EXPECT_TRUE(form->isVisible()) << "the start-up goes on";
}

TEST_F(FileMenuTest, OpenThroughTheMenuShowsFirmwareCaptionAndImage) {
    makeForm();
    QByteArray bytes(512, char(0xFF));
    bytes[12] = 1;
    bytes[13] = 2;
    bytes[14] = 0;
    bytes.replace(416, 14, "OPENED00000001");
    const QString path = elsewhere.filePath("bench.tbl");
    writeFile(path, bytes);
    answers.push_back(path);

    control<QAction>(*form, "Open1")->trigger();
    EXPECT_EQ(form->windowTitle(), "KZ904 V1.0.8  [" + path + "]");
    EXPECT_FALSE(control<QLabel>(*form, "lblVersion")->isHidden());
    EXPECT_EQ(control<QLabel>(*form, "lblVersion")->text(), "FirmVer. 1.2.0");
    EXPECT_TRUE(shows100ms());
    EXPECT_EQ(control<QLineEdit>(*form, "edtSerialNo")->text(), "OPENED00000001");
}

TEST_F(FileMenuTest, SaveAsThenSaveWriteTheWorkingImage) {
    makeForm();
    const QString path = elsewhere.filePath("out.tbl");
    answers.push_back(path);
    control<QAction>(*form, "SaveAs1")->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 512);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(form->image().data()), 512), bytes);
    EXPECT_TRUE(form->image().imageSumMatches());
    EXPECT_EQ(form->windowTitle(), "KZ904 V1.0.8  [" + path + "]");

    control<QAction>(*form, "Save1")->trigger();
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_TRUE(QFile::exists(startup.filePath("out.BAK")));
}

TEST_F(FileMenuTest, RestoreWithOneChannelChecked) {
    makeForm();
    control<QCheckBox>(*form, "chkOneChannel")->setChecked(true);
    control<QLabel>(*form, "lblVersion")->setVisible(true);
    form->editor().timingUnitCaptions().show(kz::TimingUnit::HundredMs);
    control<QAction>(*form, "Recallfaxtorysetup1")->trigger();

    ASSERT_EQ(recorder.messages().size(), 1u) << "the confirmation only";
    const auto& image = form->image();
    EXPECT_EQ(image.byte(11), 254);
    EXPECT_EQ(image.byte(397), 254);
    EXPECT_EQ(image.word32(352), 0x40202121u);
    EXPECT_EQ(image.byte(496), 0x86);
    EXPECT_EQ(image.byte(497), 0x1F);
    EXPECT_EQ(form->editor().state().f1StepHz, 12500);
    EXPECT_EQ(form->editor().state().oneChannelModes, (std::array<int, 4>{0, 0, 1, 1}));
    EXPECT_TRUE(control<QLabel>(*form, "lblVersion")->isHidden());
    EXPECT_FALSE(shows100ms());
}

} // namespace
