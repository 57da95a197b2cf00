#include "help_window.h"

#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

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

namespace {

// The memo's lines are set 17 px apart, whatever the font's own line spacing: nineteen lines
// of a 15-pixel font must leave room under them for the OK button inside the 360 px window.
constexpr int kLineHeight = 17;
constexpr int kTextMargin = 4;

QFont memoFont() {
    // A fixed-pitch face whose 15-pixel letters are at most 9 px wide, so that the longest line
    // (61 characters) fits the 561 px window without being cut.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Mono"),
                      QStringLiteral("Courier New"), QStringLiteral("Monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(15);
    font.setBold(true);
    return font;
}

} // namespace

TfrmHelp::TfrmHelp(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("RESET FUNCTION HELP"));
    setFixedSize(kWidth, kHeight);

    // The memo covers the whole window; the OK button lies on it, below the last line.
    Memo1 = new QTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(0, 0, kWidth, kHeight);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->viewport()->setCursor(Qt::ArrowCursor);
    Memo1->setFont(memoFont());
    Memo1->document()->setDocumentMargin(kTextMargin);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, QColor(0, 128, 128));
    palette.setColor(QPalette::Text, Qt::white);
    Memo1->setPalette(palette);
    Memo1->setPlainText(helpLines().join(QLatin1Char('\n')));
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat spacing;
    spacing.setLineHeight(kLineHeight, QTextBlockFormat::FixedHeight);
    all.mergeBlockFormat(spacing);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    const QSize button = Button1->sizeHint();
    Button1->setGeometry((kWidth - button.width()) / 2, kHeight - button.height() - 6,
                         button.width(), button.height());
    connect(Button1, &QPushButton::clicked, this, &TfrmHelp::Button1Click);
}

void TfrmHelp::Button1Click() {
    accept();
}
