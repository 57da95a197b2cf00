#include "program_icon.h"

#include <QPainter>

namespace kz {

QIcon programIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/kz904-48.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/icons/kz904-256.png"), QSize(256, 256));
    return icon;
}

QPixmap programPicture(int width, int height, int side) {
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    const QPixmap drawing = programIcon().pixmap(QSize(side, side));
    QPainter painter(&picture);
    painter.drawPixmap((width - drawing.width()) / 2, (height - drawing.height()) / 2, drawing);
    return picture;
}

} // namespace kz
