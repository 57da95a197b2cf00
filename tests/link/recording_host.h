#pragma once

#include "pager_host.h"
#include "pager_image.h"

#include <QString>
#include <QStringList>

#include <functional>

// A main window stand-in that records what the pager operations do to it.
class RecordingHost final : public kz::PagerHost {
public:
    kz::TPagerImage image;
    QString directory;
    QStringList events;   // every call, in order, as "name:value"
    QStringList statuses; // status lines, in order
    QStringList states;   // progress-window state texts, in order
    QString memSend;
    QString memRec;
    QString firmwareText;
    bool firmwareVisible = false;
    QString serialText;
    bool enabled = true;
    bool progressShown = false;
    int gaugeValue = 0;
    int gaugeMax = 100;
    bool gaugeVisible = true;
    int portIndex = 0;
    int loadingPasses = 0;
    int squelchPresets = 0;
    QString lastOutcome; // first status-bar panel; empty when cleared
    bool lastOutcomeFailed = false;
    // Runs after each status line is recorded (to act in the middle of an operation).
    std::function<void(const QString&)> onStatus;

    kz::TPagerImage& workingImage() override { return image; }
    QString startupDirectory() const override { return directory; }
    void setStatusLine(const QString& text) override {
        statuses << text;
        events << "status:" + text;
        if (onStatus)
            onStatus(text);
    }
    void setMainWindowEnabled(bool on) override {
        enabled = on;
        events << QStringLiteral("enabled:%1").arg(on);
    }
    void setLastOutcome(const QString& text, bool failed) override {
        lastOutcome = text;
        lastOutcomeFailed = failed;
        events << QStringLiteral("outcome:%1:%2").arg(text).arg(failed ? "failed" : "ok");
    }
    void clearLastOutcome() override {
        lastOutcome.clear();
        lastOutcomeFailed = false;
        events << "outcomeCleared";
    }
    void showProgress() override {
        progressShown = true;
        events << "showProgress";
    }
    void closeProgress() override {
        progressShown = false;
        events << "closeProgress";
    }
    void setProgressState(const QString& text) override {
        states << text;
        events << "state:" + text;
    }
    void setGaugeRange(int maximum) override {
        gaugeMax = maximum;
        events << QStringLiteral("range:%1").arg(maximum);
    }
    void setGaugeValue(int value) override {
        gaugeValue = value;
        events << QStringLiteral("gauge:%1").arg(value);
    }
    void setGaugeVisible(bool visible) override {
        gaugeVisible = visible;
        events << QStringLiteral("gaugeVisible:%1").arg(visible);
    }
    void setFirmwareText(const QString& text) override {
        firmwareText = text;
        events << "firmware:" + text;
    }
    void setFirmwareVisible(bool visible) override {
        firmwareVisible = visible;
        events << QStringLiteral("firmwareVisible:%1").arg(visible);
    }
    void setSerialText(const QString& text) override {
        serialText = text;
        events << "serial:" + text;
    }
    int selectedPortIndex() const override { return portIndex; }
    void selectPortIndex(int index) override {
        portIndex = index;
        events << QStringLiteral("selectPort:%1").arg(index);
    }
    void runLoadingPass() override {
        ++loadingPasses;
        events << "loadingPass";
    }
    void applySquelchPresets() override {
        ++squelchPresets;
        events << "squelchPresets";
    }
    void traceSent(const QString& byteList) override { memSend = byteList; }
    void traceReceived(const QString& byteList) override { memRec += byteList; }

    // Events whose name starts with `prefix`, in order.
    QStringList eventsStartingWith(const QString& prefix) const {
        QStringList out;
        for (const QString& e : events)
            if (e.startsWith(prefix))
                out << e;
        return out;
    }
};
