#include "main_window_link.h"

#include "configuration_editor.h"
#include "control_naming.h"
#include "main_window.h"
#include "message_service.h"
#include "port_list.h"
#include "progress_window.h"
#include "serial_number_field.h"

#ifdef KZ904_HAVE_PTY_CRADLE
#include "cradle_memory.h"
#include "pty_cradle.h"
#else
namespace kz::sim {
// Without pseudo-terminals there is no simulated cradle; the link never makes one, but the
// member that would hold it needs a complete type to be destroyed.
class PtyCradle {};
} // namespace kz::sim
#endif

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTime>

namespace kz {

MainWindowLink::MainWindowLink(TForm1& form, const StartOptions& options)
    : QObject(&form), form_(form), options_(options), operations_(port_, *this),
      bench_(operations_) {
    connectControls();
    if (options_.simulate)
        startSimulatedCradle();
}

MainWindowLink::~MainWindowLink() {
    // The port goes before the cradle it may be talking to.
    port_.close();
}

void MainWindowLink::connectControls() {
    serialField_ = new SerialNumberField(*form_.edtSerialNo, *form_.edtNull,
                                         [this](const QString& serial) { startSerialRun(serial); });
    connect(form_.Write1, &QAction::triggered, this, [this] { operations_.Write1Click(); });
    connect(form_.Read1, &QAction::triggered, this, [this] { operations_.Read1Click(); });
    connect(form_.Verify1, &QAction::triggered, this, [this] { operations_.Verify1Click(); });
    for (QPushButton* button : {form_.btnVibratorOn, form_.btnVibratorOFF}) {
        connect(button, &QPushButton::clicked, this,
                [this, button] { bench_.btnVibratorOnClick(tagOf(button)); });
    }
    for (QPushButton* button : {form_.btnAlertTestOn, form_.btnAlertTestOFF}) {
        connect(button, &QPushButton::clicked, this, [this, button] {
            bench_.btnAlertTestOnClick(tagOf(button), form_.cboChannel->currentIndex(),
                                       form_.cboCall->currentIndex());
        });
    }
}

void MainWindowLink::startSerialRun(const QString& serial) {
    operations_.programSerialNumber(serial, *this);
}

void MainWindowLink::focusSerialField() {
    serialField_->enterAnew();
}

void MainWindowLink::checkOneChannel() {
    form_.editor().checkOneChannel();
}

void MainWindowLink::startSimulatedCradle() {
#ifdef KZ904_HAVE_PTY_CRADLE
    // Paced like the real line, so that the program behaves as it does with a cradle.
    cradle_ = std::make_unique<sim::PtyCradle>(sim::defaultCradleMemory(), true);
    if (!cradle_->start()) {
        warn(QStringLiteral("The simulated programmer could not be started."),
             cradle_->errorString());
        cradle_.reset();
    }
#else
    warn(QStringLiteral("The simulated programmer needs a pseudo-terminal, which this "
                        "system does not offer."));
#endif
}

void MainWindowLink::buildPortList() {
    QStringList leading;
#ifdef KZ904_HAVE_PTY_CRADLE
    if (cradle_)
        leading << cradle_->portPath();
#endif
    leading << options_.extraPorts;
    const QStringList names = options_.systemPorts
                                  ? ports::buildPortNames(*options_.systemPorts, leading, false)
                                  : ports::buildPortNames(ports::systemPortNames(), leading);
    operations_.setPortNames(names);
    form_.cboPort->clear();
    form_.cboPort->addItems(names);
    form_.cboPort->setCurrentIndex(0);
}

void MainWindowLink::startUpSearch() {
    operations_.startUpSearch();
}

TPagerImage& MainWindowLink::workingImage() {
    return form_.image();
}

QString MainWindowLink::startupDirectory() const {
    return form_.startupDirectory();
}

void MainWindowLink::setStatusLine(const QString& text) {
    form_.setStatus(text);
}

void MainWindowLink::setMainWindowEnabled(bool enabled) {
    form_.setMainWindowEnabled(enabled);
}

QLabel* MainWindowLink::outcomePanel() const {
    return form_.statusPanels[0];
}

void MainWindowLink::setLastOutcome(const QString& text, bool failed) {
    // The time tells this outcome from the one of an earlier operation with the same result.
    QLabel* panel = outcomePanel();
    panel->setText(text + QStringLiteral("  ") +
                   QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    // A failure stands out in red; a success keeps the colour of the status line beside it.
    QPalette colours = form_.statusPanels[1]->palette();
    if (failed)
        colours.setColor(QPalette::WindowText, QColor(0xC0, 0x00, 0x00));
    panel->setPalette(colours);
}

void MainWindowLink::clearLastOutcome() {
    QLabel* panel = outcomePanel();
    panel->clear();
    panel->setPalette(form_.statusPanels[1]->palette());
}

void MainWindowLink::showProgress() {
    form_.progressWindow()->showWindow();
}

void MainWindowLink::closeProgress() {
    form_.progressWindow()->closeWindow();
}

void MainWindowLink::setProgressState(const QString& text) {
    form_.progressWindow()->setState(text);
}

void MainWindowLink::setGaugeRange(int maximum) {
    form_.progressWindow()->setGaugeRange(0, maximum);
}

void MainWindowLink::setGaugeValue(int value) {
    form_.progressWindow()->setGaugeValue(value);
}

void MainWindowLink::setGaugeVisible(bool visible) {
    form_.progressWindow()->setGaugeVisible(visible);
}

void MainWindowLink::setFirmwareText(const QString& text) {
    form_.lblVersion->setText(text);
}

void MainWindowLink::setFirmwareVisible(bool visible) {
    form_.lblVersion->setVisible(visible);
}

void MainWindowLink::setSerialText(const QString& text) {
    form_.edtSerialNo->setText(text);
}

int MainWindowLink::selectedPortIndex() const {
    return form_.cboPort->currentIndex();
}

void MainWindowLink::selectPortIndex(int index) {
    form_.cboPort->setCurrentIndex(index);
}

void MainWindowLink::runLoadingPass() {
    form_.loadImageIntoEditor();
}

void MainWindowLink::applySquelchPresets() {
    form_.editor().applySquelchPresets(operations_.serialPrefixFlag());
}

void MainWindowLink::traceSent(const QString& byteList) {
    form_.memSend->setPlainText(byteList);
}

void MainWindowLink::traceReceived(const QString& byteList) {
    QTextCursor end(form_.memRec->document());
    end.movePosition(QTextCursor::End);
    end.insertText(byteList);
}

} // namespace kz
