// The Advance Setting page: building its controls and connecting them.
#include "advance_page.h"
#include "list_items.h"

#include "control_naming.h"
#include "field_events.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kz {

namespace {

QBoxLayout* boxLayoutOf(QWidget* page) {
    auto* layout = qobject_cast<QBoxLayout*>(page->layout());
    return layout ? layout : new QVBoxLayout(page);
}

const QString kNotice =
    QStringLiteral("\n Notice : These decoder parameters may cause pager not to "
                   "receive, please set up carefully.");
const QString kFixedAlertHint = QStringLiteral(
    "Attention: Because it does not record messages during alert, part of the incoming message "
    "might be lost while TQ615 is alerting.");

} // namespace

AdvancePage::AdvancePage(TPagerImage& image, EditorState& state, QWidget* focusSink, QWidget* page,
                         QWidget* settingPage, QWidget* gapUnitCaption, AdvancePageContext& context)
    : QObject(page), image_(image), state_(state), focusSink_(focusSink), context_(context) {
    build(page, gapUnitCaption);
    buildSquelchLists(settingPage);
    connectHandlers();
    connectFields();
    // Moving the mouse over the page ends any entry in progress, so that its exit check runs.
    page->setMouseTracking(true);
    FieldEvents::on(page, this).onMouseMove = [this] { this->focusSink(); };
}

AdvancePage::~AdvancePage() = default;

void AdvancePage::build(QWidget* page, QWidget* gapUnitCaption) {
    QBoxLayout* layout = boxLayoutOf(page);
    Memo1 = named(new QPlainTextEdit(kNotice, page), QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setMaximumHeight(Memo1->fontMetrics().lineSpacing() * 4);
    layout->addWidget(Memo1);
    // Two rows of two groups, so that the page fits the window's width.
    auto* groups = new QGridLayout;
    groups->addWidget(buildDecoder(page, gapUnitCaption), 0, 0);
    groups->addWidget(buildBattery(page), 0, 1);
    groups->addWidget(buildSquelchGroup(page, SquelchGroup::Wb), 1, 0);
    groups->addWidget(buildSquelchGroup(page, SquelchGroup::Nb), 1, 1);
    layout->addLayout(groups);
    layout->addStretch();
}

QWidget* AdvancePage::buildDecoder(QWidget* page, QWidget* gapUnitCaption) {
    auto* group =
        named(new QGroupBox(QStringLiteral("Decoder"), page), QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group);

    const QString bandwidthHint = QStringLiteral("Decoder Bandwidth default value : 1.5%");
    auto* bandwidthLabel = new QLabel(QStringLiteral("Decoder Bandwidth"), group);
    bandwidthLabel->setToolTip(bandwidthHint);
    grid->addWidget(bandwidthLabel, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("+\n-"), group), 0, 1);
    cboBandWidth = namedList(QStringLiteral("cboBandWidth"),
                             itemList({"0.1", "0.3", "0.5", "0.7", "0.9", "1.1", "1.3", "1.5",
                                       "1.7", "1.9", "2.1", "2.3", "2.5", "2.7", "2.9", "3.1"}),
                             group);
    cboBandWidth->setToolTip(bandwidthHint);
    grid->addWidget(cboBandWidth, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("%"), group), 0, 3);

    lblGapMax = named(new QLabel(QStringLiteral("GAP MAX."), group), QStringLiteral("lblGapMax"));
    lblGapMax->setToolTip(QStringLiteral("GAP MAX. default value : 5 x 100 ms"));
    grid->addWidget(lblGapMax, 1, 0, 1, 2);
    edtGapMax = named(new QLineEdit(group), QStringLiteral("edtGapMax"));
    edtGapMax->setToolTip(QStringLiteral("Gap MAX. default value : 5 x 100 ms"));
    grid->addWidget(edtGapMax, 1, 2);
    if (gapUnitCaption) {
        gapUnitCaption->setParent(group);
        grid->addWidget(gapUnitCaption, 1, 3);
    }

    grid->addWidget(new QLabel(QStringLiteral("Group Call Duration"), group), 2, 0, 1, 2);
    edtToneDur2 = named(new QLineEdit(group), QStringLiteral("edtToneDur2"), 2);
    grid->addWidget(edtToneDur2, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("x 100 ms"), group), 2, 3);

    chkEnableAlertTime = named(new QCheckBox(QStringLiteral("Enable Fixed Alert Time"), group),
                               QStringLiteral("chkEnableAlertTime"));
    chkEnableAlertTime->setToolTip(kFixedAlertHint);
    grid->addWidget(chkEnableAlertTime, 3, 0, 1, 4);
    return group;
}

QWidget* AdvancePage::buildBattery(QWidget* page) {
    auto* group =
        named(new QGroupBox(QStringLiteral("Battery"), page), QStringLiteral("GroupBox2"));
    auto* grid = new QGridLayout(group);
    int row = 0;
    auto addRow = [&](const char* caption, QComboBox* box) {
        auto* label = new QLabel(QString::fromUtf8(caption), group);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
        return label;
    };
    cboBatHigh = namedList(QStringLiteral("cboBatHigh"),
                           itemList({"4.15V", "4.10V", "4.05V", "4.00V", "3.95V", "3.90V", "3.85V",
                                     "3.80V", "3.75V", "3.70V"}),
                           group);
    cboBatMed = namedList(
        QStringLiteral("cboBatMed"),
        itemList({"3.95V", "3.90V", "3.85V", "3.80V", "3.75V", "3.70V", "3.65V", "3.60V"}), group);
    cboBatLow = namedList(
        QStringLiteral("cboBatLow"),
        itemList({"3.70V", "3.65V", "3.60V", "3.55V", "3.50V", "3.45V", "3.40V", "3.35V", "3.30V"}),
        group);
    cboPeriodBat = namedList(QStringLiteral("cboPeriodBat"), items::alertPeriods(), group);
    cboMuteBat = namedList(QStringLiteral("cboMuteBat"),
                           itemList({"3.45V", "3.40V", "3.35V", "3.30V"}), group);
    addRow("Bat. Gauge Level-High", cboBatHigh);
    addRow("Bat. Gauge Level-Med", cboBatMed);
    addRow("Bat. Gauge Level-Low", cboBatLow);
    addRow("Alert Period", cboPeriodBat);
    // The pager keeps a shutdown level and mode, but no model offers them: never shown.
    lblMuteBat = addRow("Shutdown level", cboMuteBat);
    lblMuteBat->setVisible(false);
    cboMuteBat->setVisible(false);
    chkLowPowSleep = named(new QCheckBox(QStringLiteral("Enable Shutdown mode"), group),
                           QStringLiteral("chkLowPowSleep"));
    chkLowPowSleep->setVisible(false);
    grid->addWidget(chkLowPowSleep, row, 0, 1, 2);
    return group;
}

QWidget* AdvancePage::buildSquelchGroup(QWidget* page, SquelchGroup group) {
    const bool wb = group == SquelchGroup::Wb;
    auto* box =
        named(new QGroupBox(wb ? QStringLiteral("WB Squelch") : QStringLiteral("NB Squelch"), page),
              wb ? QStringLiteral("GroupBox3") : QStringLiteral("GroupBox4"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Speaker OFF"), box), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Speaker ON"), box), 0, 3);
    auto& edits = wb ? edtSquLevel : edtNBSquLevel;
    const QString prefix = wb ? QStringLiteral("edtSquLevel") : QStringLiteral("edtNBSquLevel");
    for (int row = 0; row < kSquelchRows; ++row) {
        const int level = row / 2;
        const int column = row % 2 == 0 ? 1 : 3;
        if (row % 2 == 0)
            grid->addWidget(new QLabel(QStringLiteral("Level %1").arg(level + 1), box), level + 1,
                            0);
        edits[static_cast<std::size_t>(row)] =
            named(new QLineEdit(box), prefix + QString::number(row), row);
        grid->addWidget(edits[static_cast<std::size_t>(row)], level + 1, column);
        grid->addWidget(new QLabel(QStringLiteral("V"), box), level + 1, column + 1);
    }
    return box;
}

void AdvancePage::buildSquelchLists(QWidget* settingPage) {
    // The Setting page places the group (ConfigurationEditor hands it over).
    // One plain row: a framed group would cost the page the height the window does not have.
    squelchLevelGroup_ = named(new QWidget(settingPage), QStringLiteral("pnlSquelchLevel"));
    auto* row = new QHBoxLayout(squelchLevelGroup_);
    row->setContentsMargins(0, 0, 0, 0);
    const QStringList levels = itemList({"1", "2", "3", "4", "5"});
    row->addWidget(new QLabel(QStringLiteral("Squelch Level (WB)"), squelchLevelGroup_));
    cboWBSquelchlevel = namedList(QStringLiteral("cboWBSquelchlevel"), levels, squelchLevelGroup_);
    row->addWidget(cboWBSquelchlevel);
    row->addWidget(new QLabel(QStringLiteral("Squelch Level (NB)"), squelchLevelGroup_));
    cboNBSquelchlevel = namedList(QStringLiteral("cboNBSquelchlevel"), levels, squelchLevelGroup_);
    row->addWidget(cboNBSquelchlevel);
    row->addStretch();
}

void AdvancePage::connectHandlers() {
    connect(cboBandWidth, &QComboBox::activated, this, [this] { bandWidthClick(); });
    connect(chkEnableAlertTime, &QCheckBox::clicked, this, [this] { enableAlertTimeClick(); });
    connect(cboBatHigh, &QComboBox::activated, this,
            [this] { batteryLevelChange(GaugeList::High); });
    connect(cboBatMed, &QComboBox::activated, this, [this] { batteryLevelChange(GaugeList::Med); });
    connect(cboBatLow, &QComboBox::activated, this, [this] { batteryLevelChange(GaugeList::Low); });
    connect(cboPeriodBat, &QComboBox::activated, this, [this] { periodBatClick(); });
    connect(cboMuteBat, &QComboBox::activated, this, [this] { muteBatChange(); });
    connect(chkLowPowSleep, &QCheckBox::clicked, this, [this] { lowPowSleepClick(); });
    connect(cboWBSquelchlevel, &QComboBox::activated, this,
            [this] { squelchLevelClick(SquelchGroup::Wb); });
    connect(cboNBSquelchlevel, &QComboBox::activated, this,
            [this] { squelchLevelClick(SquelchGroup::Nb); });
}

void AdvancePage::connectFields() {
    // Every edit is emptied on entry; an exit with nothing typed shows the stored value.
    FieldEvents& gap = FieldEvents::on(edtGapMax, this);
    gap.onEnter = [field = edtGapMax] { field->clear(); };
    gap.onExit = [this] { gapMaxExit(); };
    gap.onKey = [this](QKeyEvent* e) { return integerKey(e); };

    FieldEvents& duration = FieldEvents::on(edtToneDur2, this);
    duration.onEnter = [field = edtToneDur2] { field->clear(); };
    duration.onExit = [this] { groupCallDurationExit(); };
    duration.onKey = [this](QKeyEvent* e) { return integerKey(e); };

    for (SquelchGroup group : {SquelchGroup::Wb, SquelchGroup::Nb})
        for (int row = 0; row < kSquelchRows; ++row) {
            QLineEdit* field = squelchEdit(group, row);
            FieldEvents& events = FieldEvents::on(field, this);
            events.onEnter = [field] { field->clear(); };
            events.onExit = [this, group, row] { squelchLevelExit(group, row); };
            events.onKey = [this, group, row](QKeyEvent* e) { return squelchKey(group, row, e); };
        }
}

void AdvancePage::focusSink() {
    if (focusSink_)
        focusSink_->setFocus();
}

QComboBox* AdvancePage::gaugeList(GaugeList list) const {
    switch (list) {
    case GaugeList::High:
        return cboBatHigh;
    case GaugeList::Med:
        return cboBatMed;
    case GaugeList::Low:
        return cboBatLow;
    }
    return cboBatLow;
}

QLineEdit* AdvancePage::squelchEdit(SquelchGroup group, int row) const {
    const auto& edits = group == SquelchGroup::Wb ? edtSquLevel : edtNBSquLevel;
    return edits[static_cast<std::size_t>(row)];
}

QComboBox* AdvancePage::squelchList(SquelchGroup group) const {
    return group == SquelchGroup::Wb ? cboWBSquelchlevel : cboNBSquelchlevel;
}

} // namespace kz
