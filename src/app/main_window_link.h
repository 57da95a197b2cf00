#pragma once

#include "bench_commands.h"
#include "comm_port.h"
#include "pager_host.h"
#include "pager_operations.h"
#include "serial_prefix_source.h"
#include "serial_run_host.h"
#include "start_options.h"

#include <QObject>

class QLabel;

#include <memory>

class TForm1;

namespace kz {

namespace sim {
class PtyCradle;
}

// The main window's side of the programmer link: it owns the serial port, the pager operations
// and the bench strip, connects the Pager menu and the bench buttons, and shows what the
// operations report in TForm1's controls, progress window and status line. With --simulate it
// also runs a simulated cradle whose port comes first in the list.
class SerialNumberField;

class MainWindowLink final : public QObject,
                             public PagerHost,
                             public SerialRunHost,
                             public SerialPrefixSource {
    Q_OBJECT
public:
    MainWindowLink(TForm1& form, const StartOptions& options);
    ~MainWindowLink() override;

    // Start-up steps of the window's first show: the port list, then (behind the splash) the
    // board search.
    void buildPortList();
    void startUpSearch();
    void closePort() { port_.close(); }

    PagerOperations& operations() { return operations_; }
    TCommPort& port() { return port_; }
    // The simulated cradle of --simulate, or nullptr.
    sim::PtyCradle* simulatedCradle() const { return cradle_.get(); }

    // PagerHost
    TPagerImage& workingImage() override;
    QString startupDirectory() const override;
    void setStatusLine(const QString& text) override;
    void setMainWindowEnabled(bool enabled) override;
    void setLastOutcome(const QString& text, bool failed) override;
    void clearLastOutcome() override;
    void showProgress() override;
    void closeProgress() override;
    void setProgressState(const QString& text) override;
    void setGaugeRange(int maximum) override;
    void setGaugeValue(int value) override;
    void setGaugeVisible(bool visible) override;
    void setFirmwareText(const QString& text) override;
    void setFirmwareVisible(bool visible) override;
    void setSerialText(const QString& text) override;
    int selectedPortIndex() const override;
    void selectPortIndex(int index) override;
    void runLoadingPass() override;
    void applySquelchPresets() override;
    void traceSent(const QString& byteList) override;
    void traceReceived(const QString& byteList) override;

    // SerialRunHost
    void focusSerialField() override;
    void checkOneChannel() override;

    // A scanned label starts the programming run.
    void startSerialRun(const QString& serial);

    // SerialPrefixSource: the flag the last serial intake left.
    bool serialPrefixFlag() const override { return operations_.serialPrefixFlag(); }

private:
    void connectControls();
    void startSimulatedCradle();
    // The first status-bar panel, where the outcome of the last operation stays.
    QLabel* outcomePanel() const;

    TForm1& form_;
    StartOptions options_;
    TCommPort port_;
    PagerOperations operations_;
    BenchCommands bench_;
    std::unique_ptr<sim::PtyCradle> cradle_;
    SerialNumberField* serialField_ = nullptr; // owned by the field
};

} // namespace kz
