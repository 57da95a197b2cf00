#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;

// Progress window shown while a pager operation runs: a state line above a percentage gauge.
//
// Going from hidden to shown disables the main window and shows the gauge; closing enables the
// main window again and empties the gauge.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    // `enableMainWindow(false)` disables the main window's input, `(true)` restores it.
    explicit TForm4(QWidget* mainWindow, std::function<void(bool)> enableMainWindow);

    QLabel* lblState = nullptr;
    QProgressBar* CGauge1 = nullptr;

    void setState(const QString& text);
    QString state() const;
    void setGaugeRange(int minimum, int maximum);
    // The gauge clamps any value to its range: above the maximum shows a full bar.
    void setGaugeValue(int value);
    int gaugeValue() const;
    void setGaugeVisible(bool visible);

    // Shows the window (non-modal) centred on the main window.
    void showWindow();
    void closeWindow();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    bool FormCloseQuery();
    void FormClose();

    QWidget* mainWindow_;
    std::function<void(bool)> enableMainWindow_;
};
