#pragma once

#include <QIcon>
#include <QPixmap>

namespace kz {

// The program's icon, the same drawing the desktop entry shows (48 x 48 and 256 x 256): the
// window icon of every window and the picture of the about box.
QIcon programIcon();

// The icon at `side` x `side` pixels, centred on a transparent `width` x `height` picture.
QPixmap programPicture(int width, int height, int side);

} // namespace kz
