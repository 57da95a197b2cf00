#include "help_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

const QStringList& TfrmHelp::helpLines() {
    static const QStringList lines = {
        QStringLiteral("                      RESET FUNCTION HELP"),
        QStringLiteral(" This field sets the method to reset the audio."),
        QStringLiteral(" There are 7 methods, depending on the model."),
        QStringLiteral(" 1. Auto RESET:"),
        QStringLiteral("    Resets the audio when carrier drops."),
        QStringLiteral(" 2. Delay N sec Auto Reset:"),
        QStringLiteral("    Waits N seconds before checking carrier drop."),
        QStringLiteral(" 3. Revert SQ:"),
        QStringLiteral("    Reverts to Monitor Mode after receiving a SelCall page."),
        QStringLiteral(" 4. Manual RESET:"),
        QStringLiteral("    Resets the audio only when the Reset Switch is depressed."),
        QStringLiteral(" 5. Manual RESET Until Press Reset:"),
        QStringLiteral("    Resets the audio and record when the Reset Switch is "),
        QStringLiteral("    depressed."),
        QStringLiteral(" 6. Time-out RESET:"),
        QStringLiteral("    Resets after a selected amount of time only."),
        QStringLiteral(" 7. Delay AUTO_N with Revert:"),
        QStringLiteral("    Wait N seconds and then behave as monitor mode "),
        QStringLiteral("    until the reset button is pushed."),
    };
    return lines;
}

TfrmHelp::TfrmHelp(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("RESET FUNCTION HELP"));
    setMinimumSize(561, 360);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->viewport()->setCursor(Qt::ArrowCursor);
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(15);
    font.setBold(true);
    Memo1->setFont(font);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, QColor(0, 128, 128));
    palette.setColor(QPalette::Text, Qt::white);
    Memo1->setPalette(palette);
    Memo1->setPlainText(helpLines().join(QLatin1Char('\n')));

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TfrmHelp::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
}

void TfrmHelp::Button1Click() {
    accept();
}
