#include "about_box.h"

#include "maker_info.h"
#include "program_icon.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel* textLabel(const QString& text, int pixelSize, bool fixedPitch, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    if (fixedPitch) {
        font.setFamily(QStringLiteral("Monospace"));
        font.setStyleHint(QFont::TypeWriter);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QLabel* linkLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = textLabel(text, 12, false, false, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    // Only the close button in the title bar: without CustomizeWindowHint the window manager
    // would add its usual minimise and maximise buttons.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    // A raised bevel outside and a lowered one inside it, one pixel each.
    panel->setFrameStyle(QFrame::Box | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setMidLineWidth(0);

    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(kz::programPicture(80, 101, 80));
    picture->setFixedSize(80, 101);

    ProductName = textLabel(QStringLiteral("KZ904"), 20, true, true, panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    Version = textLabel(QStringLiteral("Version 1.0.8 (2014.6.11)"), 13, true, true, panel);
    Version->setObjectName(QStringLiteral("Version"));
    auto* makerLine = textLabel(kz::maker::kLine, 15, false, false, panel);
    makerLine->setObjectName(QStringLiteral("Copyright"));
    auto* homepage = textLabel(QStringLiteral("Homepage : "), 12, false, false, panel);
    auto* email = textLabel(QStringLiteral("Email Address(es) : "), 12, false, false, panel);
    for (QLabel* label : {homepage, email}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    lblUrl = linkLabel(kz::maker::kWebAddress, "lblUrl", panel);
    lblEmail = linkLabel(kz::maker::kEmailAddress, "lblEmail", panel);
    for (QLabel* link : {lblUrl, lblEmail})
        link->installEventFilter(this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(ProductName);
    texts->addWidget(Version);
    texts->addWidget(makerLine);
    auto* urlRow = new QHBoxLayout;
    urlRow->addWidget(homepage);
    urlRow->addWidget(lblUrl);
    urlRow->addStretch();
    auto* mailRow = new QHBoxLayout;
    mailRow->addWidget(email);
    mailRow->addWidget(lblEmail);
    mailRow->addStretch();
    texts->addLayout(urlRow);
    texts->addLayout(mailRow);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(picture, 0, Qt::AlignTop | Qt::AlignLeft);
    panelLayout->addLayout(texts);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize); // auto-sized
}

void TAboutBox::lblUrlClick() {
    openUrl(QUrl(kz::maker::kWebAddress));
}

void TAboutBox::lblEmailClick() {
    openUrl(QUrl(QStringLiteral("mailto:") + kz::maker::kEmailAddress));
}

void TAboutBox::lblUrlMouseEnter(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
}

void TAboutBox::lblUrlMouseLeave(QLabel* label) {
    QFont font = label->font();
    font.setBold(false);
    font.setUnderline(true);
    label->setFont(font);
}

void TAboutBox::OKButtonClick() {
    accept();
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (label == lblUrl || label == lblEmail) {
        switch (event->type()) {
        case QEvent::Enter:
            lblUrlMouseEnter(label);
            break;
        case QEvent::Leave:
            lblUrlMouseLeave(label);
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                if (label == lblUrl)
                    lblUrlClick();
                else
                    lblEmailClick();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
