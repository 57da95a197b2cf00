#include "setting_page.h"
#include "list_items.h"

#include "control_naming.h"
#include "editor_state.h"
#include "field_events.h"
#include "function_switch.h"
#include "pager_image.h"
#include "setting_rules.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace kz {

namespace {

// Bits of controlFlags the page owns besides the reset variant.
constexpr int kSquelchControlRecordBit = 0;
// Bits of functionOptions edited here: 0 announcement, 1 vibration / alert, 3 priority scan with
// monitor (one box each), 4 priority-scan power save (inverted).
constexpr int kSpeedUpBit = 4;

// A label that answers a click (the "Help" beside the reset control).
class ClickFilter final : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> onClick)
        : QObject(parent), onClick_(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && onClick_)
            onClick_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onClick_;
};

} // namespace

SettingPage::SettingPage(TPagerImage& image, EditorState& state, QWidget* focusSink, QWidget* page,
                         SettingPageContext& context)
    : QObject(page), image_(image), state_(state), focusSink_(focusSink), context_(context) {
    build(page);
    connectHandlers();
    connectFields();
    // Moving the mouse over the page or over the option and tonality panels ends any entry in
    // progress, so that its exit check runs.
    for (QWidget* area :
         {page, static_cast<QWidget*>(GroupBox5), static_cast<QWidget*>(GroupBox16)}) {
        area->setMouseTracking(true);
        FieldEvents::on(area, this).onMouseMove = [this] { this->focusSink(); };
    }
}

SettingPage::~SettingPage() = default;

void SettingPage::build(QWidget* page) {
    auto* layout = qobject_cast<QBoxLayout*>(page->layout());
    if (!layout)
        layout = new QVBoxLayout(page);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildOptions(page));
    left->addWidget(buildResetGroup(page));
    left->addStretch();
    leftColumn_ = left;
    auto* right = new QVBoxLayout;
    right->addWidget(buildSwitches(page));
    right->addWidget(buildTonalities(page));
    auto* period =
        named(new QGroupBox(QStringLiteral("Priority Scan"), page), QStringLiteral("GroupBox6"));
    auto* periodRow = new QHBoxLayout(period);
    periodRow->addWidget(new QLabel(QStringLiteral("Period Time"), period));
    cboCircle = namedList(QStringLiteral("cboCircle"), items::priorityScanPeriods(), period);
    periodRow->addWidget(cboCircle);
    right->addWidget(period);
    right->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);
    layout->addLayout(columns);
    layout->addStretch();
}

void SettingPage::addGroup(QWidget* group) {
    // Above the stretch that ends the column.
    leftColumn_->insertWidget(leftColumn_->count() - 1, group);
}

QWidget* SettingPage::buildOptions(QWidget* page) {
    GroupBox5 =
        named(new QGroupBox(QStringLiteral("Model Options"), page), QStringLiteral("GroupBox5"));
    auto* rows = new QVBoxLayout(GroupBox5);
    auto option = [&](QCheckBox*& box, const char* name, const QString& caption, int bit) {
        box = named(new QCheckBox(caption, GroupBox5), QString::fromLatin1(name), bit);
        rows->addWidget(box);
        return box;
    };
    const auto modelOption = [&](QCheckBox*& box, const char* name, int bit) {
        modelOptions_[static_cast<std::size_t>(bit)] =
            option(box, name, items::modelOptionCaptions().at(bit), bit);
    };
    modelOption(chkSysStoredVoice, "chkSysStoredVoice", 0);
    modelOption(chkSysFIXAlert, "chkSysFIXAlert", 1);
    modelOption(chkSysPowerSave, "chkSysPowerSave", 2);
    modelOption(chkSysPrivacy, "chkSysPrivacy", 3);
    modelOption(chkSysVolumeLevel, "chkSysVolumeLevel", 4);
    modelOption(chkSysVibratorInCharger, "chkSysVibratorInCharger", 6);
    // The pager keeps the flag, but no model offers the choice: the box is never shown.
    chkSysVibratorInCharger->setVisible(false);
    modelOption(chkSysBatLevelDisplay, "chkSysBatLevelDisplay", 7);
    option(chkFunAnnounce, "chkFunAnnounce", QStringLiteral("Enable Function Announcement"), 0);
    auto* vibration = new QHBoxLayout;
    chkFunVibrAlert =
        named(new QCheckBox(QStringLiteral("Enable Function With Vibration / Alert "), GroupBox5),
              QStringLiteral("chkFunVibrAlert"), 1);
    vibration->addWidget(chkFunVibrAlert);
    auto* notice =
        named(new QLabel(QStringLiteral("Notice : Only usable when Priority Alert is enable."),
                         GroupBox5),
              QStringLiteral("lblFunVibrAlertNotice"));
    notice->setWordWrap(true); // the notice may take two lines rather than widen the page
    vibration->addWidget(notice, 1);
    rows->addLayout(vibration);
    option(chkFunPriorityScanMonitor, "chkFunPriorityScanMonitor",
           QStringLiteral("Enable Priority Scan With Monitor"), 3);
    option(chkSpeedUp, "chkSpeedUp", QStringLiteral("Disable Priority Scan Power Save"),
           kSpeedUpBit);
    option(chkSQLRec, "chkSQLRec", QStringLiteral("Enable Squelch Control Record Method"), 0);
    option(chkOneChannel, "chkOneChannel", QStringLiteral("One Channel"), 0);

    chkSQLRec->setToolTip(QStringLiteral("Enable squelch control during record."));
    chkSysPowerSave->setToolTip(QStringLiteral("Enable or disable Power Save with this option."));
    chkSysFIXAlert->setToolTip(QStringLiteral("If it is selected, the tone alert is at maximum "
                                              "volume regardless of the position of the control."));
    return GroupBox5;
}

QWidget* SettingPage::buildResetGroup(QWidget* page) {
    auto* holder = named(new QWidget(page), QStringLiteral("panResetGroup"));
    auto* grid = new QGridLayout(holder);
    auto label = [&](const char* name, const char* caption) {
        return named(new QLabel(QString::fromUtf8(caption), holder), QString::fromLatin1(name));
    };

    QLabel* recordLabel = label("lblRecordMax", "Record Section");
    recordLabel->setToolTip(QStringLiteral("Select the maximum length (in seconds) of a message."));
    cboRecordMax = namedList(QStringLiteral("cboRecordMax"), items::recordSections(), holder);
    grid->addWidget(recordLabel, 0, 0);
    grid->addWidget(cboRecordMax, 0, 1, 1, 2);

    QLabel* resetLabel = label("lblResetCon", "Reset Control");
    resetLabel->setToolTip(QStringLiteral(
        "Determines how a select call pager squelches a message after receiving a page."));
    cboResetCon = namedList(QStringLiteral("cboResetCon"), items::resetControls(), holder);
    lblHelp = label("lblHelp", "Help");
    lblHelp->setToolTip(QStringLiteral("To displays \"RESET FUNCTION HELP\"."));
    lblHelp->setCursor(Qt::PointingHandCursor);
    lblHelp->installEventFilter(new ClickFilter(this, [this] { context_.openResetHelp(); }));
    grid->addWidget(resetLabel, 1, 0);
    grid->addWidget(cboResetCon, 1, 1);
    grid->addWidget(lblHelp, 1, 2);

    lblDelayTime = label("lblDelayTime", "Delay Time");
    edtDelay = named(new QLineEdit(holder), QStringLiteral("edtDelay"));
    lblDelaySec = label("lblDelaySec", "sec");
    grid->addWidget(lblDelayTime, 2, 0);
    grid->addWidget(edtDelay, 2, 1);
    grid->addWidget(lblDelaySec, 2, 2);

    QLabel* reminderLabel = label("lblReminder", "Reminder");
    reminderLabel->setToolTip(QStringLiteral(
        "When “Save voice” is present, this option establishes the time witch the pager"));
    cboReminder = namedList(QStringLiteral("cboReminder"), items::reminders(), holder);
    grid->addWidget(reminderLabel, 3, 0);
    grid->addWidget(cboReminder, 3, 1, 1, 2);

    edtSquelch = named(new QLineEdit(holder), QStringLiteral("edtSquelch"));
    grid->addWidget(label("lblSquelch", "Carrier OFF Delay"), 4, 0);
    grid->addWidget(edtSquelch, 4, 1);
    grid->addWidget(label("lblSquelchUnit", "x 100 ms"), 4, 2);
    return holder;
}

void SettingPage::connectHandlers() {
    for (int bit = 0; bit < 8; ++bit)
        if (QCheckBox* box = modelOptions_[static_cast<std::size_t>(bit)])
            connect(box, &QCheckBox::clicked, this, [this, bit] { modelOptionClick(bit); });
    for (QCheckBox* box : {chkFunAnnounce, chkFunVibrAlert, chkFunPriorityScanMonitor})
        connect(box, &QCheckBox::clicked, this, [this, box] { functionOptionClick(tagOf(box)); });
    connect(chkSpeedUp, &QCheckBox::clicked, this, &SettingPage::speedUpClick);
    connect(chkSQLRec, &QCheckBox::clicked, this, &SettingPage::sqlRecClick);
    connect(chkOneChannel, &QCheckBox::clicked, this, &SettingPage::oneChannelClick);
    connect(cboRecordMax, &QComboBox::activated, this, &SettingPage::recordMaxClick);
    connect(cboResetCon, &QComboBox::activated, this, &SettingPage::resetConClick);
    connect(cboReminder, &QComboBox::activated, this, &SettingPage::reminderClick);
    connect(cboCircle, &QComboBox::activated, this, &SettingPage::circleClick);
    for (int sw = 0; sw < kFunctionSwitchCount; ++sw) {
        const auto s = static_cast<std::size_t>(sw);
        connect(cboFunMode[s], &QComboBox::activated, this, [this, sw] { funModeClick(sw); });
        connect(cboC1FunMode[s], &QComboBox::activated, this, [this, sw] { c1FunModeClick(sw); });
        connect(cboFunAType[s], &QComboBox::activated, this, [this, sw] { funATypeClick(sw); });
        connect(chkFunPTListen[s], &QCheckBox::clicked, this, [this, sw] { funPTListenClick(sw); });
    }
}

void SettingPage::focusSink() {
    focusSink_->setFocus(Qt::OtherFocusReason);
}

bool SettingPage::oneChannelChecked() const {
    return chkOneChannel->isChecked();
}

// --- options ------------------------------------------------------------------------------------

void SettingPage::modelOptionClick(int bit) {
    image_.setBits(PagerField::modelOptions, bit,
                   modelOptions_[static_cast<std::size_t>(bit)]->isChecked() ? 1 : 0, 1);
}

void SettingPage::functionOptionClick(int bit) {
    QCheckBox* box = bit == 0   ? chkFunAnnounce
                     : bit == 1 ? chkFunVibrAlert
                                : chkFunPriorityScanMonitor;
    image_.setBits(PagerField::functionOptions, bit, box->isChecked() ? 1 : 0, 1);
}

void SettingPage::speedUpClick() {
    image_.setBits(PagerField::functionOptions, kSpeedUpBit, chkSpeedUp->isChecked() ? 0 : 1, 1);
}

void SettingPage::sqlRecClick() {
    image_.setBits(PagerField::controlFlags, kSquelchControlRecordBit,
                   chkSQLRec->isChecked() ? 0 : 1, 1);
}

void SettingPage::showFunctionOptions() {
    const std::uint8_t options = image_.byte(PagerField::functionOptions);
    chkFunAnnounce->setChecked((options & 0x01) != 0);
    chkFunVibrAlert->setChecked((options & 0x02) != 0);
    chkFunPriorityScanMonitor->setChecked((options & 0x08) != 0);
    chkSpeedUp->setChecked((options >> kSpeedUpBit & 1) == 0);
}

void SettingPage::showSquelchControlRecord() {
    chkSQLRec->setChecked(image_.getBits(PagerField::controlFlags, kSquelchControlRecordBit, 1) ==
                          0);
}

void SettingPage::showSettingTab() {
    const std::uint8_t options = image_.byte(PagerField::modelOptions);
    for (int bit = 0; bit < 8; ++bit)
        if (QCheckBox* box = modelOptions_[static_cast<std::size_t>(bit)])
            box->setChecked((options >> bit & 1) != 0);
    showResetControl();
    showDelay();
    showReminder();
    showRecordSections();
    showTonalities();
}

// --- reset control, delay, reminder, record sections --------------------------------------------

void SettingPage::resetConClick() {
    if (const auto choice = resetChoiceOfPosition(cboResetCon->currentIndex())) {
        image_.setByte(PagerField::resetMode, choice->mode);
        image_.setBits(PagerField::controlFlags, kResetUntilPressBit,
                       choice->untilPressFlag ? 1 : 0, 1);
    }
    // A method the list does not know keeps its bytes, and has no delay row.
    const bool delay = resetModeUsesDelay(image_.byte(PagerField::resetMode));
    for (QWidget* w : {static_cast<QWidget*>(lblDelayTime), static_cast<QWidget*>(edtDelay),
                       static_cast<QWidget*>(lblDelaySec)})
        w->setVisible(delay);
}

void SettingPage::showResetControl() {
    cboResetCon->setCurrentIndex(
        resetPositionOf(image_.byte(PagerField::resetMode),
                        image_.getBits(PagerField::controlFlags, kResetUntilPressBit, 1) == 1));
    resetConClick();
}

void SettingPage::showDelay() {
    edtDelay->setText(delayText(image_.byte(PagerField::resetDelay)));
}

void SettingPage::reminderClick() {
    image_.setByte(PagerField::reminderInterval,
                   reminderByteOfPosition(cboReminder->currentIndex()));
}

void SettingPage::showReminder() {
    cboReminder->setCurrentIndex(reminderPositionOf(image_.byte(PagerField::reminderInterval)));
    reminderClick();
}

void SettingPage::recordMaxClick() {
    if (cboRecordMax->currentIndex() >= 0)
        image_.setByte(PagerField::recordSections,
                       static_cast<std::uint8_t>(cboRecordMax->currentIndex()));
}

void SettingPage::showRecordSections() {
    const int sections = image_.byte(PagerField::recordSections);
    cboRecordMax->setCurrentIndex(sections < cboRecordMax->count() ? sections : -1);
}

// --- priority-scan period -----------------------------------------------------------------------

void SettingPage::circleClick() {
    const auto count =
        priorityScanCountOf(cboCircle->currentIndex(), image_.byte(PagerField::batterySave2));
    if (!count) {
        // No Battery Save2 cycle to count: the stored count stays, and the list shows it.
        showPriorityScanPeriod();
        return;
    }
    image_.setByte(PagerField::priorityScanF1, *count);
    context_.priorityScanCountChanged();
}

void SettingPage::showPriorityScanPeriod() {
    cboCircle->setCurrentIndex(periodPositionOf(image_.byte(PagerField::priorityScanF1),
                                                image_.byte(PagerField::batterySave2)));
}

} // namespace kz
