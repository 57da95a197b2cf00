#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// Explains the reset methods of the Setting page; opened by its "Help" link.
class TfrmHelp : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHelp(QWidget* parent = nullptr);

    // The nineteen lines of the help text, leading and trailing blanks included.
    static const QStringList& helpLines();

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;

    void Button1Click();
};
