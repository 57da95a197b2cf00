#include "about_box.h"
#include "main_window.h"
#include "message_recorder.h"
#include "program_icon.h"
#include "test_start_options.h"

#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Pixmaps keep their colours premultiplied by their alpha: compare everything that way.
QImage premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage iconImage(const QIcon& icon, int side) {
    return premultiplied(icon.pixmap(QSize(side, side)).toImage());
}

// The icon built into the program is the drawing the desktop entry installs, at both sizes: a
// resource left pointing at an old or wrong file shows another picture in the window than in the
// application menu.
TEST(ProgramIcon, IsTheInstalledDrawingAtBothSizes) {
    const QIcon icon = kz::programIcon();
    for (const int side : {48, 256}) {
        SCOPED_TRACE(side);
        const QImage installed(QStringLiteral(KZ904_ICON_DIR "/kz904-%1.png").arg(side));
        ASSERT_FALSE(installed.isNull());
        ASSERT_EQ(installed.size(), QSize(side, side));
        EXPECT_EQ(iconImage(icon, side), premultiplied(installed));
    }
}

TEST(ProgramIcon, IsTheMainWindowsIconAndTheAboutBoxPicture) {
    QTemporaryDir dir;
    MessageRecorder recorder;
    const QIcon icon = kz::programIcon();

    TForm1 form(testStartOptions(dir.path()));
    EXPECT_EQ(iconImage(form.windowIcon(), 48), iconImage(icon, 48));

    // The about box keeps its 80 x 101 picture: the icon at 80 x 80, centred.
    TAboutBox box;
    const auto* picture = box.findChild<QLabel*>(QStringLiteral("ProgramIcon"));
    ASSERT_NE(picture, nullptr);
    const QImage shown = premultiplied(picture->pixmap().toImage());
    ASSERT_EQ(shown.size(), QSize(80, 101));
    EXPECT_EQ(shown.copy(0, 10, 80, 80), iconImage(icon, 80));
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0) << "outside the icon the picture is transparent";
}

} // namespace
