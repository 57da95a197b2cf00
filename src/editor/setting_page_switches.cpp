// The function switches SW-A..SW-D and the One Channel box of the Setting page.
#include "list_items.h"
#include "setting_page.h"

#include "control_naming.h"
#include "editor_state.h"
#include "function_switch.h"
#include "pager_image.h"
#include "setting_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace kz {

namespace {

std::uint8_t switchByte(const TPagerImage& image, int sw) {
    return image.byte(functionSwitchOffset(sw));
}

// Sets a list from code; a position the list does not have leaves it where it is.
void setPosition(QComboBox* box, std::optional<int> position) {
    if (position)
        box->setCurrentIndex(*position);
}

} // namespace

QWidget* SettingPage::buildSwitches(QWidget* page) {
    auto* group = named(new QGroupBox(QStringLiteral("Function Switches"), page),
                        QStringLiteral("GroupBox14"));
    // Two rows of two switches, so that the page fits the window's width.
    auto* switches = new QGridLayout(group);
    const QStringList& twoChannel = items::twoChannelModes();
    const QStringList& oneChannel = items::oneChannelModes();
    const QStringList& alertTypes = items::alertTypes();
    for (int sw = 0; sw < kFunctionSwitchCount; ++sw) {
        const auto s = static_cast<std::size_t>(sw);
        auto* box = named(new QGroupBox(QStringLiteral("SW-%1").arg(QChar(u'A' + sw)), group),
                          QStringLiteral("grpFunSwitch%1").arg(sw));
        auto* grid = new QGridLayout(box);
        grid->addWidget(new QLabel(QStringLiteral("Mode"), box), 0, 0);
        cboFunMode[s] = named(new QComboBox(box), QStringLiteral("cboFunMode%1").arg(sw), sw);
        cboFunMode[s]->addItems(twoChannel);
        // The single-channel list lies in the same place; only one of the two is in front.
        cboC1FunMode[s] = named(new QComboBox(box), QStringLiteral("cboC1FunMode%1").arg(sw), sw);
        cboC1FunMode[s]->addItems(oneChannel);
        cboC1FunMode[s]->setVisible(false);
        grid->addWidget(cboFunMode[s], 1, 0);
        grid->addWidget(cboC1FunMode[s], 1, 0);
        grid->addWidget(new QLabel(QStringLiteral("Alert Type"), box), 2, 0);
        cboFunAType[s] = named(new QComboBox(box), QStringLiteral("cboFunAType%1").arg(sw), sw);
        cboFunAType[s]->addItems(alertTypes);
        grid->addWidget(cboFunAType[s], 3, 0);
        chkFunPTListen[s] = named(new QCheckBox(QStringLiteral("Push To Listen"), box),
                                  QStringLiteral("chkFunPTListen%1").arg(sw), sw);
        grid->addWidget(chkFunPTListen[s], 4, 0);
        switches->addWidget(box, sw / 2, sw % 2);
    }
    return group;
}

void SettingPage::funModeClick(int sw) {
    const auto s = static_cast<std::size_t>(sw);
    const int position = cboFunMode[s]->currentIndex();
    if (twoChannelModeAllowsPushToListen(position)) {
        chkFunPTListen[s]->setEnabled(true);
    } else {
        chkFunPTListen[s]->setChecked(false);
        funPTListenClick(sw);
        chkFunPTListen[s]->setEnabled(false);
    }
    image_.setByte(functionSwitchOffset(sw), withTwoChannelMode(switchByte(image_, sw), position));
    state_.twoChannelModes[s] = position;
}

void SettingPage::c1FunModeClick(int sw) {
    const auto s = static_cast<std::size_t>(sw);
    const int position = cboC1FunMode[s]->currentIndex();
    if (oneChannelModeAllowsPushToListen(position)) {
        chkFunPTListen[s]->setEnabled(true);
    } else {
        chkFunPTListen[s]->setChecked(false);
        funPTListenClick(sw);
        chkFunPTListen[s]->setEnabled(false);
    }
    image_.setByte(functionSwitchOffset(sw), withOneChannelMode(switchByte(image_, sw), position));
    state_.oneChannelModes[s] = position;
}

void SettingPage::funATypeClick(int sw) {
    const auto s = static_cast<std::size_t>(sw);
    image_.setByte(functionSwitchOffset(sw),
                   withAlertType(switchByte(image_, sw), cboFunAType[s]->currentIndex()));
}

void SettingPage::funPTListenClick(int sw) {
    const auto s = static_cast<std::size_t>(sw);
    const bool on = chkFunPTListen[s]->isChecked();
    image_.setByte(functionSwitchOffset(sw), withPushToListen(switchByte(image_, sw), on));
    if (on) {
        // Push to listen works the pager silently: the alert becomes the vibrator alone.
        cboFunAType[s]->setCurrentIndex(kPushToListenAlertPosition);
        funATypeClick(sw);
    }
    cboFunAType[s]->setEnabled(!on);
}

void SettingPage::showFunctionSwitches(bool oneChannel) {
    std::array<std::uint8_t, kFunctionSwitchCount> shown{};
    for (int sw = 0; sw < kFunctionSwitchCount; ++sw)
        shown[static_cast<std::size_t>(sw)] = switchByte(image_, sw);
    for (int sw = 0; sw < kFunctionSwitchCount; ++sw) {
        const auto s = static_cast<std::size_t>(sw);
        const std::uint8_t byte = shown[s];
        chkFunPTListen[s]->setChecked(pushToListenOf(byte));
        funPTListenClick(sw);
        if (oneChannel) {
            setPosition(cboC1FunMode[s], oneChannelModeOf(byte));
            c1FunModeClick(sw);
        } else {
            setPosition(cboFunMode[s], twoChannelModeOf(byte));
            funModeClick(sw);
        }
        setPosition(cboFunAType[s], alertTypePositionOf(byte));
        funATypeClick(sw);
    }
}

void SettingPage::bringModeListsToFront(bool oneChannel) {
    for (int sw = 0; sw < kFunctionSwitchCount; ++sw) {
        const auto s = static_cast<std::size_t>(sw);
        cboFunMode[s]->setVisible(!oneChannel);
        cboC1FunMode[s]->setVisible(oneChannel);
    }
}

// --- One Channel ---------------------------------------------------------------------------------

void SettingPage::oneChannelClick() {
    const bool oneChannel = chkOneChannel->isChecked();
    const std::uint8_t mark =
        oneChannel ? PagerValue::oneChannelPager : PagerValue::twoChannelPager;
    image_.setByte(PagerField::oneChannelMark, mark);
    image_.setByte(PagerField::oneChannelMark2, mark);
    context_.applyOneChannel(oneChannel);
    bringModeListsToFront(oneChannel);
    // Each switch takes the mode it last had on this kind of pager.
    for (int sw = 0; sw < kFunctionSwitchCount; ++sw) {
        const auto s = static_cast<std::size_t>(sw);
        if (oneChannel) {
            cboC1FunMode[s]->setCurrentIndex(state_.oneChannelModes[s]);
            c1FunModeClick(sw);
        } else {
            cboFunMode[s]->setCurrentIndex(state_.twoChannelModes[s]);
            funModeClick(sw);
        }
    }
}

void SettingPage::checkOneChannel() {
    chkOneChannel->setChecked(true);
    oneChannelClick();
}

void SettingPage::showOneChannel() {
    const bool oneChannel =
        isOneChannelPager(image_.byte(PagerField::oneChannelMark),
                          image_.byte(PagerField::oneChannelMark2), image_.firmwareVersionValue());
    chkOneChannel->setChecked(oneChannel);
    showFunctionSwitches(oneChannel);
    oneChannelClick();
}

} // namespace kz
