#include "call_tone_group.h"
#include "list_items.h"

#include "control_naming.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace kz {

namespace {

using kz::CallFamily;
using kz::Channel;
using kz::named;

// Column widths shared by the headings and the rows. They are as narrow as their contents
// allow: the whole group, with the enable boxes before it, must fit the main window's width.
constexpr int kToneWidth = 56;
constexpr int kTypeWidth = 92;
constexpr int kPatternWidth = 74;
constexpr int kAlertListWidth = 62;
constexpr int kAlertTimeWidth = 44;
constexpr int kUnitWidth = 16;
constexpr int kSwitchWidth = 36;
constexpr int kPriorityWidth = 64;
constexpr int kEnableWidth = 104;
constexpr int kSpacing = 4;
// From the left edge of a row panel to its duty panel.
constexpr int kDutyIndent = 2 * kToneWidth + kTypeWidth + kPatternWidth + kAlertListWidth +
                            kAlertTimeWidth + kUnitWidth + 7 * kSpacing;

// A row of fixed-width cells with the spacing every row of the group uses.
QHBoxLayout* cellLine(QWidget* owner = nullptr) {
    auto* line = new QHBoxLayout(owner);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(kSpacing);
    return line;
}

const QString kToneHint = QStringLiteral("Press F9 to open Tone Table.");
const QString kAlertTimeHint = QStringLiteral(
    "Attention: Because it does not record messages during alert, part of the incoming message "
    "might be lost while TQ615 is alerting.");

QString channelName(Channel channel) {
    return channel == Channel::F1 ? QStringLiteral("F1") : QStringLiteral("F2");
}

QLabel* heading(const QString& text, int width, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFixedWidth(width);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLineEdit* toneField(const QString& name, int row, QWidget* parent) {
    auto* field = named(new QLineEdit(parent), name, row);
    field->setFixedWidth(kToneWidth);
    // The hint is kept with the field but not shown (hints are off for the tone fields).
    field->setProperty("hint", kToneHint);
    return field;
}

// One row: the enable box in column 0 and the row panel holding everything else in column 1.
CallRow buildRow(Channel channel, CallFamily family, int row, QGroupBox* group, QGridLayout* grid,
                 int gridRow) {
    const QString ch = channelName(channel);
    const bool calls = family == CallFamily::Calls;
    const QString g = calls ? QString() : QStringLiteral("G");
    const QString n = QString::number(row);
    CallRow r;

    const QString caption = calls ? QStringLiteral("CALL #%1").arg(row + 1)
                                  : QStringLiteral("Group Call #%1").arg(row + 1);
    r.enable =
        named(new QCheckBox(caption, group), "chk" + ch + (calls ? "Call" : "GCall") + n, row);
    r.enable->setFixedWidth(kEnableWidth);

    r.panel = named(new QFrame(group), "pan" + ch + (calls ? "Call" : "GCall") + n, row);
    r.panel->setMouseTracking(true);
    auto* line = cellLine(r.panel);
    if (calls) {
        r.tones[0] = toneField("edt" + ch + "T1" + n, row, r.panel);
        r.tones[1] = toneField("edt" + ch + "T2" + n, row, r.panel);
        line->addWidget(r.tones[0]);
        line->addWidget(r.tones[1]);
    } else {
        r.tones[0] = toneField("edt" + ch + "GT" + n, row, r.panel);
        line->addWidget(r.tones[0]);
        line->addSpacing(kToneWidth + kSpacing);
    }

    r.toneType = named(new QComboBox(r.panel), "cbo" + ch + g + "TType" + n, row);
    r.toneType->addItems(items::toneTypes());
    r.toneType->setFixedWidth(kTypeWidth);
    line->addWidget(r.toneType);

    r.pattern = named(new QLineEdit(r.panel), "edt" + ch + g + "Patten" + n, row);
    r.pattern->setFixedWidth(kPatternWidth);
    line->addWidget(r.pattern);

    r.alertTimeList = named(new QComboBox(r.panel), "cbo" + ch + g + "ATime" + n, row);
    r.alertTimeList->addItems({QStringLiteral("STD"), QStringLiteral("FIXED")});
    r.alertTimeList->setFixedWidth(kAlertListWidth);
    line->addWidget(r.alertTimeList);

    r.alertTime = named(new QLineEdit(r.panel), "edt" + ch + g + "ATime" + n, row);
    r.alertTime->setFixedWidth(kAlertTimeWidth);
    r.alertTime->setToolTip(kAlertTimeHint);
    r.alertTime->hide();
    r.alertTimeUnit =
        named(new QLabel(QStringLiteral("s."), r.panel), "lbl" + ch + g + "ATsec" + n, row);
    r.alertTimeUnit->setFixedWidth(kUnitWidth);
    r.alertTimeUnit->hide();
    // The field and its unit come and go; their place in the row stays.
    for (QWidget* w :
         {static_cast<QWidget*>(r.alertTime), static_cast<QWidget*>(r.alertTimeUnit)}) {
        QSizePolicy keep = w->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        w->setSizePolicy(keep);
        line->addWidget(w);
    }

    r.dutyPanel = named(new QFrame(r.panel), "pan" + ch + g + "Duty" + n, row);
    auto* duty = cellLine(r.dutyPanel);
    for (int sw = 0; sw < kz::kSwitchCount; ++sw) {
        const QString letter = QString(QChar(u'A' + sw));
        auto* box = named(new QCheckBox(r.dutyPanel), "chk" + ch + g + "S" + letter + n, row);
        box->setFixedWidth(kSwitchWidth);
        duty->addWidget(box);
        r.switches[static_cast<std::size_t>(sw)] = box;
    }
    line->addWidget(r.dutyPanel);

    r.priority = named(new QCheckBox(r.panel), "chk" + ch + g + "Priority" + n, row);
    r.priority->setFixedWidth(kPriorityWidth);
    line->addWidget(r.priority);
    line->addStretch();

    grid->addWidget(r.enable, gridRow, 0);
    grid->addWidget(r.panel, gridRow, 1);
    return r;
}

// The column headings, laid out with the same widths as a call row. The headings are controls
// of the group box itself (no container between), so the space between them is the group's own
// area for the hover rule.
QHBoxLayout* headings(QGroupBox* group) {
    auto* line = cellLine();
    line->addWidget(heading(QStringLiteral("Tone 1"), kToneWidth, group));
    line->addWidget(heading(QStringLiteral("Tone 2"), kToneWidth, group));
    line->addSpacing(kTypeWidth + kSpacing);
    line->addWidget(heading(QStringLiteral("Alert Pattern"), kPatternWidth, group));
    line->addWidget(heading(QStringLiteral("Alert Time"),
                            kAlertListWidth + kAlertTimeWidth + kUnitWidth, group));
    for (const char* sw : {"SW-A", "SW-B", "SW-C", "SW-D"})
        line->addWidget(heading(QString::fromLatin1(sw), kSwitchWidth, group));
    // Two lines under the column's own width rather than one reaching past the rows.
    QLabel* priority = heading(QStringLiteral("Priority Alert"), kPriorityWidth, group);
    priority->setWordWrap(true);
    line->addWidget(priority);
    line->addStretch();
    return line;
}

} // namespace

CallToneControls buildCallToneGroup(Channel channel, QWidget* parent) {
    const QString ch = channelName(channel);
    CallToneControls c;
    c.channel = channel;
    c.group = named(new QGroupBox(QStringLiteral("Call Tone"), parent), "group" + ch, 0);
    c.group->setMouseTracking(true);
    auto* grid = new QGridLayout(c.group);
    grid->setVerticalSpacing(2);

    c.toneTableLabel = named(new QLabel(QStringLiteral("[F9] Open Tone Table"), c.group),
                             "lbl" + ch + "ToneTbl", 0);
    c.toneTableLabel->hide();
    // Entering a tone field shows the label; the rows must not move when it comes and goes.
    QSizePolicy keep = c.toneTableLabel->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    c.toneTableLabel->setSizePolicy(keep);
    grid->addWidget(c.toneTableLabel, 0, 0);
    grid->addLayout(headings(c.group), 0, 1);

    int gridRow = 1;
    for (int row = 0; row < kz::kCallRows; ++row)
        c.calls[static_cast<std::size_t>(row)] =
            buildRow(channel, CallFamily::Calls, row, c.group, grid, gridRow++);
    for (int row = 0; row < kz::kGroupRows; ++row)
        c.groups[static_cast<std::size_t>(row)] =
            buildRow(channel, CallFamily::Groups, row, c.group, grid, gridRow++);

    // The duty boxes sit under the SW columns, beside their label; like the headings they are
    // controls of the group box itself.
    auto* line = cellLine();
    auto* dutyLabel = new QLabel(QStringLiteral("Enable Function Switches Duty "), c.group);
    dutyLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    dutyLabel->setFixedWidth(kDutyIndent - kSpacing);
    line->addWidget(dutyLabel);
    for (int sw = 0; sw < kz::kSwitchCount; ++sw) {
        const QString letter = QString(QChar(u'A' + sw));
        auto* box = named(new QCheckBox(c.group), "chk" + ch + "Duty" + letter, sw);
        box->setFixedWidth(kSwitchWidth);
        line->addWidget(box);
        c.duty[static_cast<std::size_t>(sw)] = box;
    }
    line->addStretch();
    grid->addLayout(line, gridRow, 1);
    grid->setRowStretch(gridRow + 1, 1);
    // Every control of the group follows the mouse, so that a move over a disabled one (most rows
    // are disabled) still reaches the row panel or the group box that holds it.
    for (QWidget* w : c.group->findChildren<QWidget*>())
        w->setMouseTracking(true);
    return c;
}

} // namespace kz
