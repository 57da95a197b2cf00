#pragma once

class QCheckBox;
class QWidget;

namespace kz {

// The Setting page. So far it holds the One Channel box, which the factory restore reads to
// decide whether the restored image is a single-channel one.
class SettingPage {
public:
    // Builds the page's controls into `page` (into its layout when it has one).
    explicit SettingPage(QWidget* page);

    bool oneChannelChecked() const;

private:
    QCheckBox* chkOneChannel = nullptr;
};

} // namespace kz
