#include "progress_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

TForm4::TForm4(QWidget* mainWindow, std::function<void(bool)> enableMainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint), mainWindow_(mainWindow),
      enableMainWindow_(std::move(enableMainWindow)) {
    setObjectName(QStringLiteral("Form4"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 128)); // teal
    setPalette(palette);

    lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblState"));
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(20);
    font.setBold(true);
    lblState->setFont(font);
    QPalette statePalette = lblState->palette();
    statePalette.setColor(QPalette::WindowText, QColor(192, 192, 192)); // silver
    lblState->setPalette(statePalette);

    CGauge1 = new QProgressBar(this);
    CGauge1->setObjectName(QStringLiteral("CGauge1"));
    CGauge1->setFixedSize(250, 20);
    CGauge1->setRange(0, 100);
    CGauge1->setValue(0);
    CGauge1->setTextVisible(true);
    CGauge1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: red; }"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblState, 0, Qt::AlignHCenter);
    layout->addWidget(CGauge1, 0, Qt::AlignHCenter);
    layout->setContentsMargins(24, 16, 24, 16);
}

void TForm4::setState(const QString& text) {
    lblState->setText(text);
}

QString TForm4::state() const {
    return lblState->text();
}

void TForm4::setGaugeRange(int minimum, int maximum) {
    // QProgressBar empties itself when its value falls outside a new range; the gauge keeps the
    // value, clamped to the new range, as the pager operations expect.
    const int value = CGauge1->value();
    CGauge1->setRange(minimum, std::max(minimum, maximum));
    setGaugeValue(value);
}

void TForm4::setGaugeValue(int value) {
    // QProgressBar ignores a value outside its range; the gauge shows it clamped instead.
    CGauge1->setValue(std::clamp(value, CGauge1->minimum(), CGauge1->maximum()));
}

int TForm4::gaugeValue() const {
    return CGauge1->value();
}

void TForm4::setGaugeVisible(bool visible) {
    CGauge1->setVisible(visible);
}

void TForm4::showWindow() {
    if (isVisible())
        return;
    adjustSize();
    if (mainWindow_) {
        const QPoint centre = mainWindow_->geometry().center();
        move(centre - QPoint(width() / 2, height() / 2));
    }
    show();
}

void TForm4::closeWindow() {
    close();
}

void TForm4::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm4::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery()) {
        FormClose();
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm4::FormShow() {
    if (enableMainWindow_)
        enableMainWindow_(false);
    CGauge1->setVisible(true);
}

bool TForm4::FormCloseQuery() {
    if (enableMainWindow_)
        enableMainWindow_(true);
    CGauge1->setValue(0);
    return true;
}

void TForm4::FormClose() {
    if (enableMainWindow_)
        enableMainWindow_(true);
    CGauge1->setValue(0);
}
