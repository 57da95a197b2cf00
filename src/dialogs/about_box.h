#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QUrl;

// The about box: product name, version, the maker and its web and mail address.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Opens a web or mail address with the desktop's default handler. Replaceable so that tests
    // can see what would be opened without starting a browser.
    std::function<void(const QUrl&)> openUrl;

    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* lblUrl = nullptr;
    QLabel* lblEmail = nullptr;
    QPushButton* OKButton = nullptr;

    void lblUrlClick();
    void lblEmailClick();
    void lblUrlMouseEnter(QLabel* label);
    void lblUrlMouseLeave(QLabel* label);
    void OKButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
