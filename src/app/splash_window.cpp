#include "splash_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QPixmap programmerPicture() {
    QPixmap picture(61, 61);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 0, 128));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(6, 30, 49, 24, 5, 5); // the cradle
    painter.setBrush(QColor(0, 128, 128));
    painter.drawRoundedRect(18, 6, 25, 36, 4, 4); // a pager standing in it
    return picture;
}

} // namespace

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form3"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(programmerPicture());
    picture->setFixedSize(61, 61);

    auto* title = new QLabel(QStringLiteral("KZ904 Programmer"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 4);
    title->setFont(font);
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128)); // navy
    title->setPalette(palette);

    auto* line = new QLabel(QStringLiteral("Target board testing ....."), this);
    line->setObjectName(QStringLiteral("lblTesting"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(line);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(texts);
    adjustSize();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
