// The System page: its controls and show steps. The exit checks are in system_page_fields.cpp.
#include "system_page.h"
#include "list_items.h"

#include "control_naming.h"
#include "field_events.h"
#include "pager_fields.h"
#include "pager_image.h"
#include "timing_unit_captions.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace kz {

SystemPage::SystemPage(TPagerImage& image, QWidget* focusSink, QWidget* page,
                       TimingUnitCaptions& captions, SystemPageContext& context)
    : QObject(page), image_(image), focusSink_(focusSink), context_(context) {
    build(page, captions);
    connectFields();
    connect(cboAUXDB, &QComboBox::activated, this, &SystemPage::auxDbClick);
    // Moving the mouse over the page's group ends an entry in progress, so its exit check runs.
    FieldEvents::on(GroupBox11, this).onMouseMove = [this] { this->focusSink(); };
}

SystemPage::~SystemPage() = default;

void SystemPage::build(QWidget* page, TimingUnitCaptions& captions) {
    GroupBox11 = named(new QGroupBox(page), QStringLiteral("GroupBox11"));
    GroupBox11->setMouseTracking(true);
    auto* grid = new QGridLayout(GroupBox11);
    int line = 0;
    // One row: caption, field, unit (a text or a timing-unit caption holder).
    auto row = [&](const QString& caption, QLineEdit* field, QWidget* unit) {
        grid->addWidget(new QLabel(caption, GroupBox11), line, 0);
        grid->addWidget(field, line, 1);
        if (unit) {
            unit->setParent(GroupBox11);
            grid->addWidget(unit, line, 2);
        }
        ++line;
    };
    auto edit = [this](const char* name, int tag = 0) {
        return named(new QLineEdit(GroupBox11), QString::fromLatin1(name), tag);
    };
    auto unit = [this](const char* text) {
        return new QLabel(QString::fromLatin1(text), GroupBox11);
    };

    edtDecorderReset = edit("edtDecorderReset");
    edtRFDelay = edit("edtRFDelay");
    edtPriorityScanF1 = edit("edtPriorityScanF1");
    edtBS_Period[0] = edit("edtBS_Period0", 0);
    edtBS_Period[1] = edit("edtBS_Period1", 1);
    edtToneDur[0] = edit("edtToneDur0", 0);
    edtToneDur[1] = edit("edtToneDur1", 1);
    edtToneLimit[0] = edit("edtToneLimit0", 0);
    edtToneLimit[1] = edit("edtToneLimit1", 1);
    edtNoiseLimit = edit("edtNoiseLimit");
    edtRSSI = edit("edtRSSI");
    edtSSI = edit("edtSSI");
    edtRSSI2 = edit("edtRSSI2");
    edtNB_RSSI = edit("edtNB_RSSI");
    edtNB_SSI = edit("edtNB_SSI");
    edtNB_RSSI2 = edit("edtNB_RSSI2");

    row(QStringLiteral("Decorder Reset"), edtDecorderReset, unit("sec."));
    row(QStringLiteral("RF Delay Time"), edtRFDelay, unit("ms"));
    row(QStringLiteral("Priority Scan F1"), edtPriorityScanF1, nullptr);
    row(QStringLiteral("Battery Save1"), edtBS_Period[0], unit("x 10 ms"));
    row(QStringLiteral("Battery Save2"), edtBS_Period[1], unit("x 10 ms"));
    // Timing-unit caption rows: 0 Tone1 Duration, 1 Tone2 Duration, 2 Tone1 Limit, 3 Tone2 Limit,
    // 4 Noise Limit.
    row(QStringLiteral("Tone1 Duration"), edtToneDur[0], captions.holder(0));
    row(QStringLiteral("Tone2 Duration"), edtToneDur[1], captions.holder(1));
    row(QStringLiteral("Tone1 Limit"), edtToneLimit[0], captions.holder(2));
    row(QStringLiteral("Tone2 Limit"), edtToneLimit[1], captions.holder(3));
    row(QStringLiteral("Noise Limit"), edtNoiseLimit, captions.holder(4));
    row(QStringLiteral("WB_Speaker ON"), edtRSSI, unit("V"));
    row(QStringLiteral("WB_Speaker OFF"), edtRSSI2, unit("V"));
    row(QStringLiteral("WB_RSSI"), edtSSI, unit("V"));
    row(QStringLiteral("NB_Speaker ON"), edtNB_RSSI, unit("V"));
    row(QStringLiteral("NB_Speaker OFF"), edtNB_RSSI2, unit("V"));
    row(QStringLiteral("NB_RSSI"), edtNB_SSI, unit("V"));

    cboAUXDB = named(new QComboBox(GroupBox11), QStringLiteral("cboAUXDB"));
    cboAUXDB->addItems(items::auxDbData());
    grid->addWidget(new QLabel(QStringLiteral("AUX DB Data"), GroupBox11), line, 0);
    grid->addWidget(cboAUXDB, line, 1);

    auto* layout = qobject_cast<QBoxLayout*>(page->layout());
    if (!layout)
        layout = new QVBoxLayout(page);
    layout->addWidget(GroupBox11);
    layout->addStretch();
}

// --- show steps ---------------------------------------------------------------------------------

void SystemPage::showToneTiming() {
    for (int r = 0; r < 2; ++r) {
        const auto i = static_cast<std::size_t>(r);
        edtToneDur[i]->setText(QString::number(image_.word16(toneDurationOffset(r))));
        edtToneLimit[i]->setText(QString::number(image_.word16(toneLimitOffset(r))));
    }
}

void SystemPage::showSystemNumbers() {
    edtDecorderReset->setText(decoderResetText(image_.byte(PagerField::decoderReset)));
    edtRFDelay->setText(QString::number(image_.byte(PagerField::rfDelay)));
    showSpeakerOn();
}

void SystemPage::showSpeakerOn() {
    edtRSSI->setText(voltageText(image_.byte(PagerField::wbSpeakerOn)));
    edtNB_RSSI->setText(voltageText(image_.byte(PagerField::nbSpeakerOn)));
}

void SystemPage::showRemainingVoltages() {
    edtSSI->setText(voltageText(image_.byte(PagerField::wbRssi)));
    edtRSSI2->setText(voltageText(image_.byte(PagerField::wbSpeakerOff)));
    edtNB_SSI->setText(voltageText(image_.byte(PagerField::nbRssi)));
    edtNB_RSSI2->setText(voltageText(image_.byte(PagerField::nbSpeakerOff)));
}

void SystemPage::showPlainNumbers() {
    edtBS_Period[0]->setText(QString::number(image_.byte(PagerField::batterySave1)));
    edtBS_Period[1]->setText(QString::number(image_.byte(PagerField::batterySave2)));
    edtNoiseLimit->setText(QString::number(image_.byte(PagerField::noiseLimit)));
    showPriorityScanF1();
}

void SystemPage::showPriorityScanF1() {
    edtPriorityScanF1->setText(QString::number(image_.byte(PagerField::priorityScanF1)));
}

void SystemPage::showAuxDb() {
    cboAUXDB->setCurrentIndex(auxDbPositionOf(image_.byte(PagerField::auxFlags)));
}

void SystemPage::showTone2DurationOf(ToneSystem system) {
    edtToneDur[1]->setText(QString::number(image_.byte(tone2DurationCopyOffset(system))));
}

void SystemPage::auxDbClick() {
    image_.setByte(PagerField::auxFlags,
                   auxFlagsWithAuxDb(image_.byte(PagerField::auxFlags), cboAUXDB->currentIndex()));
}

} // namespace kz
