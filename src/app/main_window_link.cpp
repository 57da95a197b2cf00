#include "main_window_link.h"

#include "control_tables.h"
#include "main_window.h"
#include "message_service.h"
#include "port_list.h"
#include "progress_window.h"

#ifdef KZ904_HAVE_PTY_CRADLE
#include "cradle_memory.h"
#include "pty_cradle.h"
#endif

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

TForm1Link::TForm1Link(TForm1& form, const StartOptions& options)
    : QObject(&form), form_(form), options_(options), operations_(port_, *this),
      bench_(operations_) {
    connectControls();
    if (options_.simulate)
        startSimulatedCradle();
}

TForm1Link::~TForm1Link() {
    // The port goes before the cradle it may be talking to.
    port_.close();
}

void TForm1Link::connectControls() {
    connect(form_.Write1, &QAction::triggered, this, [this] { operations_.Write1Click(); });
    connect(form_.Read1, &QAction::triggered, this, [this] { operations_.Read1Click(); });
    connect(form_.Verify1, &QAction::triggered, this, [this] { operations_.Verify1Click(); });
    for (QPushButton* button : {form_.btnVibratorOn, form_.btnVibratorOFF}) {
        connect(button, &QPushButton::clicked, this,
                [this, button] { bench_.btnVibratorOnClick(kz::tagOf(button)); });
    }
    for (QPushButton* button : {form_.btnAlertTestOn, form_.btnAlertTestOFF}) {
        connect(button, &QPushButton::clicked, this, [this, button] {
            bench_.btnAlertTestOnClick(kz::tagOf(button), form_.cboChannel->currentIndex(),
                                       form_.cboCall->currentIndex());
        });
    }
}

void TForm1Link::startSimulatedCradle() {
#ifdef KZ904_HAVE_PTY_CRADLE
    // Paced like the real line, so that the program behaves as it does with a cradle.
    cradle_ = std::make_unique<kz::sim::PtyCradle>(kz::sim::defaultCradleMemory(), true);
    if (!cradle_->start()) {
        kz::warn(QStringLiteral("The simulated programmer could not be started."),
                 cradle_->errorString());
        cradle_.reset();
    }
#else
    kz::warn(QStringLiteral("The simulated programmer needs a pseudo-terminal, which this "
                            "system does not offer."));
#endif
}

void TForm1Link::buildPortList() {
    QStringList leading;
#ifdef KZ904_HAVE_PTY_CRADLE
    if (cradle_)
        leading << cradle_->portPath();
#endif
    leading << options_.extraPorts;
    const QStringList names =
        options_.systemPorts ? kz::ports::buildPortNames(*options_.systemPorts, leading, false)
                             : kz::ports::buildPortNames(kz::ports::systemPortNames(), leading);
    operations_.setPortNames(names);
    form_.cboPort->clear();
    form_.cboPort->addItems(names);
    form_.cboPort->setCurrentIndex(0);
}

void TForm1Link::startUpSearch() {
    operations_.startUpSearch();
}

TPagerImage& TForm1Link::workingImage() {
    return form_.image();
}

QString TForm1Link::startupDirectory() const {
    return form_.startupDirectory();
}

void TForm1Link::setStatusLine(const QString& text) {
    form_.setStatus(text);
}

void TForm1Link::setMainWindowEnabled(bool enabled) {
    form_.setMainWindowEnabled(enabled);
}

void TForm1Link::showProgress() {
    form_.progressWindow()->showWindow();
}

void TForm1Link::closeProgress() {
    form_.progressWindow()->closeWindow();
}

void TForm1Link::setProgressState(const QString& text) {
    form_.progressWindow()->setState(text);
}

void TForm1Link::setGaugeRange(int maximum) {
    form_.progressWindow()->setGaugeRange(0, maximum);
}

void TForm1Link::setGaugeValue(int value) {
    form_.progressWindow()->setGaugeValue(value);
}

void TForm1Link::setGaugeVisible(bool visible) {
    form_.progressWindow()->setGaugeVisible(visible);
}

void TForm1Link::setFirmwareText(const QString& text) {
    form_.lblVersion->setText(text);
}

void TForm1Link::setFirmwareVisible(bool visible) {
    form_.lblVersion->setVisible(visible);
}

void TForm1Link::setSerialText(const QString& text) {
    form_.edtSerialNo->setText(text);
}

int TForm1Link::selectedPortIndex() const {
    return form_.cboPort->currentIndex();
}

void TForm1Link::selectPortIndex(int index) {
    form_.cboPort->setCurrentIndex(index);
}

void TForm1Link::runLoadingPass() {
    form_.loadImageIntoEditor();
}

void TForm1Link::applySquelchPresets() {
    if (squelchPresets_)
        squelchPresets_();
}

void TForm1Link::traceSent(const QString& byteList) {
    form_.memSend->setPlainText(byteList);
}

void TForm1Link::traceReceived(const QString& byteList) {
    QTextCursor end(form_.memRec->document());
    end.movePosition(QTextCursor::End);
    end.insertText(byteList);
}
