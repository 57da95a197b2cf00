#pragma once

#include "pager_host.h"
#include "pager_image.h"

#include <QString>

// Keeps the image and counts the bytes on the line; shows nothing.
class CountingHost final : public kz::PagerHost {
public:
    kz::TPagerImage image;
    QString directory;
    qint64 lineBytes = 0;
    QString lastState;

    kz::TPagerImage& workingImage() override { return image; }
    QString startupDirectory() const override { return directory; }
    void setStatusLine(const QString&) override {}
    void setMainWindowEnabled(bool) override {}
    void setLastOutcome(const QString&, bool) override {}
    void clearLastOutcome() override {}
    void showProgress() override {}
    void closeProgress() override {}
    void setProgressState(const QString& text) override { lastState = text; }
    void setGaugeRange(int) override {}
    void setGaugeValue(int) override {}
    void setGaugeVisible(bool) override {}
    void setFirmwareText(const QString&) override {}
    void setFirmwareVisible(bool) override {}
    void setSerialText(const QString&) override {}
    int selectedPortIndex() const override { return 0; }
    void selectPortIndex(int) override {}
    void runLoadingPass() override {}
    // Each byte is traced as "0xHH," (five characters).
    void traceSent(const QString& byteList) override { lineBytes += byteList.size() / 5; }
    void traceReceived(const QString& byteList) override { lineBytes += byteList.size() / 5; }
};
