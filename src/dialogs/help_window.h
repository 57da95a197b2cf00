#pragma once

#include <QDialog>

class QTextEdit;
class QPushButton;

// Explains the reset methods of the Setting page; opened by its "Help" link.
class TfrmHelp : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHelp(QWidget* parent = nullptr);

    // The nineteen lines of the help text, leading and trailing blanks included.
    static const QStringList& helpLines();

    // The window's fixed client size; the memo fills all of it.
    static constexpr int kWidth = 561;
    static constexpr int kHeight = 360;

    QTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;

    void Button1Click();
};
