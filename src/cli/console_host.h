#pragma once

#include "message_service.h"
#include "pager_host.h"
#include "pager_image.h"

#include <QString>

#include <vector>

// The pager operations' host on a terminal. Nothing is enabled, disabled or shown in a window:
// the progress window's steps and the transfer go to the progress display, the outcome and
// every message are kept for the command to judge and report once the operation has ended.
namespace kz::cli {

class ProgressDisplay;

class ConsoleHost final : public PagerHost {
public:
    ConsoleHost(ProgressDisplay& progress, QString startupDirectory);

    TPagerImage image;

    // The outcome the operation reported last (trimmed), and whether it was a failure.
    const QString& outcome() const { return outcome_; }
    bool outcomeFailed() const { return outcomeFailed_; }
    // Whether a Read replaced the working image.
    bool imageLoaded() const { return loaded_; }
    const QString& firmwareText() const { return firmware_; }

    // PagerHost
    TPagerImage& workingImage() override { return image; }
    QString startupDirectory() const override { return directory_; }
    void setStatusLine(const QString&) override {}
    void setMainWindowEnabled(bool) override {}
    void setLastOutcome(const QString& text, bool failed) override;
    void clearLastOutcome() override;
    void showProgress() override {}
    void closeProgress() override;
    void setProgressState(const QString& text) override;
    void setGaugeRange(int) override {}
    void setGaugeValue(int) override {}
    void setGaugeVisible(bool) override {}
    void setFirmwareText(const QString& text) override;
    void setFirmwareVisible(bool) override {}
    void setSerialText(const QString& text) override;
    int selectedPortIndex() const override { return portIndex_; }
    void selectPortIndex(int index) override { portIndex_ = index; }
    void runLoadingPass() override { loaded_ = true; }
    void traceSent(const QString&) override {}
    void traceReceived(const QString& byteList) override;

private:
    enum class Transfer { None, Read, Write, Verify };

    ProgressDisplay& progress_;
    QString directory_;
    QString outcome_;
    bool outcomeFailed_ = false;
    bool loaded_ = false;
    QString firmware_;
    int portIndex_ = 0;
    Transfer transfer_ = Transfer::None;
    int replies_ = 0;
    int bytesDone_ = 0;
};

// The message service of the command line: keeps every message instead of asking anybody, and
// answers OK, or No where there is a choice, so that nothing is agreed to unseen.
class ConsoleMessages final : public MessageService {
public:
    ConsoleMessages();
    ~ConsoleMessages() override;
    ConsoleMessages(const ConsoleMessages&) = delete;
    ConsoleMessages& operator=(const ConsoleMessages&) = delete;

    MessageButton show(const Message& message) override;
    const std::vector<Message>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    MessageService* previous_;
    std::vector<Message> shown_;
};

// A message as one line: its lines joined, the detail (the system's reason) after a colon.
QString oneLine(const Message& message);

} // namespace kz::cli
