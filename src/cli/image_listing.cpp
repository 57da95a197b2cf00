#include "image_listing.h"

#include "advance_numbers.h"
#include "alert_pattern.h"
#include "alert_time.h"
#include "alert_tonality.h"
#include "battery_levels.h"
#include "call_layout.h"
#include "firmware_version.h"
#include "function_switch.h"
#include "pager_fields.h"
#include "setting_rules.h"
#include "squelch_levels.h"
#include "synthesizer.h"
#include "system_rules.h"
#include "timing_units.h"
#include "tone_code.h"
#include "tone_spacing.h"
#include "tone_system.h"

#include <QStringList>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace kz::cli {

namespace {

// The texts of the editor's lists, by list position: the value of a list field is the item the
// editor selects for it.
const QStringList kStepItems{"2.5 K", "6.25 K", "12.5 K", "Auto"};
const QStringList kToneTypeItems{"Standard", "Continuous", "User define"};
const QStringList kTwoChannelModeItems{"Monitor F1",        "Monitor F2",  "Selective Call F1",
                                       "Selective Call F2", "Normal Scan", "Priority Scan F1",
                                       "Silent Scan"};
const QStringList kOneChannelModeItems{"Monitor F1", "Selective Call F1"};
const QStringList kAlertTypeItems{"Tone", "Vibrate", "Tone & Vibtate"};
const QStringList kResetItems{"Auto Reset",
                              "Delay N sec Auto Reset",
                              "Revert SQ",
                              "Manual RESET",
                              "Manual RESET Until Press Reset",
                              "Time-Out RESET",
                              "Delay AUTO N with Revert"};
const QStringList kRecordItems{"4 section  (120 second)", "8 sections (60 second)",
                               "16 sections (30 second)", "32 sections (15 second)"};
const QStringList kReminderItems{"Disable", "30  Second", "60  Second", "120 Second"};
const QStringList kAlertPeriodItems{"Disable", "2 min", "5 min", "10 min", "30 min"};
const QStringList kPeriodItems{"0.5 Second", "1 Second", "2 Second"};
const QStringList kAuxDbItems{"00", "01", "10", "11"};
const QStringList kBatteryLevelLabels{"Low Battery Alert", "Level-Low", "Level-Med", "Level-High"};
const QStringList kModelOptionLabels{"Stored Voice",
                                     "FIX Alert",
                                     "Disable Power Save",
                                     "Privacy Enable",
                                     "Priority Max. Volume Level",
                                     {},
                                     "Disable Vibrator in Charger",
                                     "Disable Battery Level Display"};

QString itemOf(const QStringList& items, int position) {
    if (position < 0 || position >= items.size())
        return QStringLiteral("(no item)");
    return items.at(position);
}

QString onOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QString hex16(std::uint16_t value) {
    return QString::asprintf("0x%04X", value);
}

QString channelName(Channel channel) {
    return channel == Channel::F1 ? QStringLiteral("F1") : QStringLiteral("F2");
}

QString switchName(int sw) {
    return QStringLiteral("SW-%1").arg(QChar(u'A' + sw));
}

QString rowName(CallFamily family, int row) {
    return family == CallFamily::Calls ? QStringLiteral("CALL #%1").arg(row + 1)
                                       : QStringLiteral("Group Call #%1").arg(row + 1);
}

// What the whole image decides for the values of single fields: the firmware's timing unit and
// whether the pager has one channel.
struct ImageContext {
    const TPagerImage& image;
    TimingUnit unit;
    bool oneChannel;

    QString timing(int count) const {
        return QStringLiteral("%1 x %2").arg(count).arg(
            unit == TimingUnit::HundredMs ? QStringLiteral("100 ms") : QStringLiteral("50 ms"));
    }
};

struct FieldRef {
    std::string_view name;
    int offset;
    int width;
};

using Entries = std::vector<ListedField>;
using Decoder = std::function<void(const ImageContext&, const FieldRef&, Entries&)>;

QString nameOf(const FieldRef& field) {
    return QString::fromLatin1(field.name.data(), static_cast<qsizetype>(field.name.size()));
}

// One entry for the whole field.
void whole(Entries& out, const FieldRef& field, QString value, QString label = {}) {
    out.push_back({nameOf(field), std::move(label), field.offset, field.width, std::move(value)});
}

// Entry `index` of a field made of entries of `width` bytes.
void element(Entries& out, const FieldRef& field, int index, int width, QString label,
             QString value) {
    out.push_back({QStringLiteral("%1[%2]").arg(nameOf(field)).arg(index), std::move(label),
                   field.offset + index * width, width, std::move(value)});
}

Decoder valueOf(std::function<QString(const ImageContext&, const FieldRef&)> value) {
    return [value](const ImageContext& c, const FieldRef& f, Entries& out) {
        whole(out, f, value(c, f));
    };
}

Decoder byteValue(std::function<QString(const ImageContext&, std::uint8_t)> value) {
    return valueOf([value](const ImageContext& c, const FieldRef& f) {
        return value(c, c.image.byte(f.offset));
    });
}

QString voltageValue(const ImageContext&, std::uint8_t code) {
    return voltageText(code) + QStringLiteral(" V");
}

QString channelMarkValue(const ImageContext& c, std::uint8_t mark) {
    const QString kind = mark == PagerValue::oneChannelPager   ? QStringLiteral("single-channel")
                         : mark == PagerValue::twoChannelPager ? QStringLiteral("two-channel")
                                                               : QStringLiteral("no mark");
    return QStringLiteral("%1 (One Channel %2)").arg(kind, onOff(c.oneChannel));
}

QString batteryValue(std::uint8_t code) {
    const auto volts = batteryVoltageOf(code);
    return volts ? batteryText(*volts) : QStringLiteral("not in the battery table");
}

// --- channel frequency -----------------------------------------------------------------------

Decoder frequencyDigits() {
    return valueOf([](const ImageContext& c, const FieldRef& f) {
        return frequencyTextOfDigits(
                   c.image.block(f.offset, kFrequencyDigits).first<kFrequencyDigits>()) +
               QStringLiteral(" x 100 Hz");
    });
}

Decoder stepCode(int pllR) {
    return byteValue([pllR](const ImageContext& c, std::uint8_t code) {
        // Loading an image whose R word asks for the 2.5 kHz reference shows that step.
        if (rWordForcesNarrowStep(c.image.word32(pllR)))
            return QStringLiteral("%1 (forced by the R word)").arg(kStepItems.at(0));
        return itemOf(kStepItems, positionOfStepCode(code));
    });
}

Decoder synthesizerWord() {
    return valueOf([](const ImageContext& c, const FieldRef& f) {
        return synthesizerWordText(c.image.word32(f.offset));
    });
}

// --- call rows -------------------------------------------------------------------------------

struct RowRef {
    CallFamily family;
    int row;
};

std::vector<RowRef> rowsOf(CallFamily family) {
    std::vector<RowRef> rows;
    for (int row = 0; row < rowCount(family); ++row)
        rows.push_back({family, row});
    return rows;
}

// The entries of a field that holds one value per tone, ordered by offset.
Decoder tones(Channel channel, CallFamily family, bool codes) {
    return [=](const ImageContext& c, const FieldRef& f, Entries& out) {
        Entries entries;
        const std::vector<ToneKind> kinds = family == CallFamily::Calls
                                                ? std::vector{ToneKind::Tone1, ToneKind::Tone2}
                                                : std::vector{ToneKind::Group};
        for (const RowRef& r : rowsOf(family)) {
            for (ToneKind kind : kinds) {
                const int toneAt = toneOffset(channel, kind, r.row);
                const int at = codes ? toneCodeOffset(channel, kind, r.row) : toneAt;
                QString label = channelName(channel) + u' ' + rowName(family, r.row);
                if (kind != ToneKind::Group)
                    label += kind == ToneKind::Tone1 ? QStringLiteral(" Tone 1")
                                                     : QStringLiteral(" Tone 2");
                QString value;
                const int tone = c.image.word16(toneAt);
                if (codes) {
                    const std::uint16_t code = c.image.word16(at);
                    value = hex16(code);
                    // A code can be worked out for the tones of the widest system (User) only.
                    if (acceptedToneRange(ToneSystem::User).contains(tone) &&
                        toneCode(tone) != code)
                        value += QStringLiteral(" (the code of its tone is %1)")
                                     .arg(hex16(toneCode(tone)));
                } else {
                    value = toneText(tone) + QStringLiteral(" Hz");
                }
                element(entries, f, (at - f.offset) / 2, 2, label, value);
            }
        }
        std::sort(entries.begin(), entries.end(),
                  [](const ListedField& a, const ListedField& b) { return a.offset < b.offset; });
        out.insert(out.end(), entries.begin(), entries.end());
    };
}

Decoder enables(Channel channel, CallFamily family) {
    return valueOf([=](const ImageContext& c, const FieldRef&) {
        QStringList parts;
        for (const RowRef& r : rowsOf(family)) {
            const BitPlace place = enableBit(channel, family, r.row);
            parts << QStringLiteral("#%1 %2").arg(r.row + 1).arg(
                onOff(c.image.getBits(place.offset, place.bit, 1) != 0));
        }
        return parts.join(QStringLiteral(", "));
    });
}

// A duty switch byte: the calls (or group calls) that operate each of its switches.
Decoder dutySwitches(Channel channel, CallFamily family, std::vector<int> switches) {
    return [=](const ImageContext& c, const FieldRef& f, Entries& out) {
        QStringList parts;
        for (int sw : switches) {
            QStringList rows;
            for (const RowRef& r : rowsOf(family)) {
                const BitPlace place = switchBit(channel, family, r.row, sw);
                if (place.offset == f.offset && c.image.getBits(place.offset, place.bit, 1))
                    rows << QStringLiteral("#%1").arg(r.row + 1);
            }
            parts << QStringLiteral("%1: %2").arg(
                switchName(sw), rows.isEmpty() ? QStringLiteral("none") : rows.join(u' '));
        }
        whole(out, f, parts.join(QStringLiteral("; ")));
    };
}

Decoder patterns(Channel channel, CallFamily family) {
    return [=](const ImageContext& c, const FieldRef& f, Entries& out) {
        for (const RowRef& r : rowsOf(family)) {
            const int at = patternOffset(channel, family, r.row);
            const QString pattern = decodeAlertPattern(c.image.block(at, 4).first<4>());
            element(out, f, (at - f.offset) / 4, 4,
                    channelName(channel) + u' ' + rowName(family, r.row),
                    pattern.isEmpty() ? QStringLiteral("(empty)") : pattern);
        }
    };
}

Decoder attributes(Channel channel, CallFamily family) {
    return [=](const ImageContext& c, const FieldRef& f, Entries& out) {
        for (const RowRef& r : rowsOf(family)) {
            const int at = attributeOffset(channel, family, r.row);
            const int type = c.image.getBits(at, kToneTypeFirstBit, kToneTypeWidth);
            const bool priority = c.image.getBits(at, kPriorityBit, 1) != 0;
            const std::uint8_t time = c.image.byte(alertTimeOffset(channel, family, r.row));
            const QString alert =
                time == 0 ? QStringLiteral("STD") : alertTimeText(time) + QStringLiteral(" s");
            element(out, f, (at - f.offset) / 2, 2,
                    channelName(channel) + u' ' + rowName(family, r.row),
                    QStringLiteral("%1, alert time %2, priority alert %3")
                        .arg(itemOf(kToneTypeItems, type), alert, onOff(priority)));
        }
    };
}

// --- pager-wide settings ---------------------------------------------------------------------

Decoder bitOptions(QStringList labels, std::vector<int> invertedBits = {}) {
    return byteValue([=](const ImageContext&, std::uint8_t byte) {
        QStringList parts;
        for (int bit = 0; bit < labels.size(); ++bit) {
            if (labels.at(bit).isEmpty())
                continue;
            const bool set = (byte >> bit) & 1;
            const bool inverted =
                std::find(invertedBits.begin(), invertedBits.end(), bit) != invertedBits.end();
            parts << labels.at(bit) + u' ' + onOff(set != inverted);
        }
        return parts.join(QStringLiteral(", "));
    });
}

Decoder functionSwitches() {
    return [](const ImageContext& c, const FieldRef& f, Entries& out) {
        for (int sw = 0; sw < kFunctionSwitchCount; ++sw) {
            const std::uint8_t byte = c.image.byte(functionSwitchOffset(sw));
            const auto mode = c.oneChannel ? oneChannelModeOf(byte) : twoChannelModeOf(byte);
            const QStringList& modes = c.oneChannel ? kOneChannelModeItems : kTwoChannelModeItems;
            const auto alert = alertTypePositionOf(byte);
            element(out, f, functionSwitchOffset(sw) - f.offset, 1, switchName(sw),
                    QStringLiteral("%1, %2, Push To Listen %3")
                        .arg(mode ? modes.at(*mode) : QStringLiteral("(no item)"),
                             alert ? kAlertTypeItems.at(*alert) : QStringLiteral("(no item)"),
                             onOff(pushToListenOf(byte))));
        }
    };
}

Decoder tonalities(bool timers) {
    return [=](const ImageContext& c, const FieldRef& f, Entries& out) {
        for (int t = 0; t < kTonalityCount; ++t) {
            const QString label = QStringLiteral("Tonality %1").arg(QChar(u'A' + t));
            if (timers) {
                const int at = tonalityTimerOffset(t);
                element(out, f, (at - f.offset) / 2, 2, label,
                        QStringLiteral("prescaler code %1, reload %2")
                            .arg(c.image.byte(at))
                            .arg(c.image.byte(at + 1)));
            } else {
                const int at = tonalityOffset(t);
                element(out, f, (at - f.offset) / 2, 2, label,
                        tonalityText(c.image.word16(at)) + QStringLiteral(" KHz"));
            }
        }
    };
}

Decoder toneTimingRecords() {
    return [](const ImageContext& c, const FieldRef& f, Entries& out) {
        const struct {
            int offset;
            const char* label;
        } rows[] = {{PagerField::tone1Limit, "Tone1 Limit"},
                    {PagerField::tone1Duration, "Tone1 Duration"},
                    {PagerField::tone2Limit, "Tone2 Limit"},
                    {PagerField::tone2Duration, "Tone2 Duration"},
                    {PagerField::toneTimingUnused, "not used"},
                    {PagerField::groupCallDuration, "Group Call Duration"}};
        for (const auto& row : rows) {
            const int value = c.image.word16(row.offset);
            QString shown;
            if (row.offset == PagerField::groupCallDuration)
                shown = QStringLiteral("%1 x 100 ms").arg(value);
            else if (row.offset != PagerField::toneTimingUnused)
                shown = c.timing(value);
            element(out, f, (row.offset - f.offset) / 2, 2, QString::fromLatin1(row.label), shown);
        }
    };
}

Decoder squelchPairs(SquelchGroup group, int firstLevel, int levels) {
    return [=](const ImageContext& c, const FieldRef& f, Entries& out) {
        for (int level = firstLevel; level < firstLevel + levels; ++level) {
            const int at = squelchPairOffset(group, level);
            element(
                out, f, (at - f.offset) / 2, 2,
                QStringLiteral("%1 Level %2")
                    .arg(group == SquelchGroup::Wb ? QStringLiteral("WB") : QStringLiteral("NB"))
                    .arg(level + 1),
                QStringLiteral("Speaker OFF %1 V, Speaker ON %2 V")
                    .arg(squelchLevelText(c.image.byte(at)),
                         squelchLevelText(c.image.byte(at + 1))));
        }
    };
}

QString secondToneDuration(const ImageContext& c, std::uint8_t byte, std::uint8_t readDefault) {
    if (byte == PagerValue::unset)
        return QStringLiteral("unset (a Read stores %1)").arg(readDefault);
    return c.timing(byte);
}

// --- serial number, sums, identity -----------------------------------------------------------

QString serialText(const TPagerImage& image) {
    if (image.hasNoSerialNumber())
        return QStringLiteral("none");
    QString text;
    for (int i = 0; i < PagerField::serialNumberWidth; ++i) {
        const std::uint8_t byte = image.byte(PagerField::serialNumber + i);
        if (byte == 0)
            break;
        text += QChar(byte);
    }
    return u'"' + text + u'"';
}

QString printable(std::string_view text) {
    QString shown;
    for (char ch : text) {
        const auto byte = static_cast<std::uint8_t>(ch);
        shown +=
            byte >= 0x20 && byte < 0x7F ? QString(QChar(byte)) : QString::asprintf("\\x%02X", byte);
    }
    return u'"' + shown + u'"';
}

QString sumVerdict(std::uint16_t stored, std::uint16_t computed) {
    if (stored == computed)
        return QStringLiteral("%1 ok").arg(hex16(stored));
    return QStringLiteral("%1 wrong (the bytes sum to %2)").arg(hex16(stored), hex16(computed));
}

const std::map<std::string, Decoder, std::less<>>& decoders() {
    using namespace PagerField;
    static const std::map<std::string, Decoder, std::less<>> table = [] {
        std::map<std::string, Decoder, std::less<>> d;
        d["oneChannelMark"] = byteValue(channelMarkValue);
        d["oneChannelMark2"] = byteValue(channelMarkValue);
        d["firmwareVersion"] = valueOf([](const ImageContext& c, const FieldRef&) {
            return firmwareVersionText(c.image.block(headerBlock, headerBlockSize)) +
                   (c.unit == TimingUnit::HundredMs ? QStringLiteral(", timings x 100 ms")
                                                    : QStringLiteral(", timings x 50 ms"));
        });
        for (Channel ch : kChannels) {
            const bool f1 = ch == Channel::F1;
            const auto key = [f1](const char* rest) {
                return (f1 ? "f1" : "f2") + std::string(rest);
            };
            d[key("FreqDigits")] = frequencyDigits();
            d[key("StepCode")] = stepCode(f1 ? f1PllR : f2PllR);
            d[key("PllR")] = synthesizerWord();
            d[key("PllN")] = synthesizerWord();
            d[key("CallToneCodes")] = tones(ch, CallFamily::Calls, true);
            d[key("GroupToneCodes")] = tones(ch, CallFamily::Groups, true);
            d[key("CallTones")] = tones(ch, CallFamily::Calls, false);
            d[key("GroupTones")] = tones(ch, CallFamily::Groups, false);
            d[key("CallEnable")] = enables(ch, CallFamily::Calls);
            d[key("GroupEnable")] = enables(ch, CallFamily::Groups);
            const char* switchFields[] = {"CallSwitchA", "CallSwitchB", "CallSwitchC",
                                          "CallSwitchD"};
            for (int sw = 0; sw < kSwitchCount; ++sw)
                d[key(switchFields[sw])] = dutySwitches(ch, CallFamily::Calls, {sw});
            d[key("GroupSwitchAB")] = dutySwitches(ch, CallFamily::Groups, {0, 1});
            d[key("GroupSwitchCD")] = dutySwitches(ch, CallFamily::Groups, {2, 3});
            d[key("CallPatterns")] = patterns(ch, CallFamily::Calls);
            d[key("GroupPatterns")] = patterns(ch, CallFamily::Groups);
            d[key("CallAttributes")] = attributes(ch, CallFamily::Calls);
            d[key("GroupAttributes")] = attributes(ch, CallFamily::Groups);
        }
        d["bandwidthFlags"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            const auto band = [&](int bit) {
                return (byte >> bit) & 1 ? QStringLiteral("WB") : QStringLiteral("NB");
            };
            return QStringLiteral("F1 %1, F2 %2").arg(band(0), band(1));
        });
        d["auxFlags"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            return QStringLiteral("AUX DB Data %1").arg(itemOf(kAuxDbItems, auxDbPositionOf(byte)));
        });
        d["controlFlags"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            return QStringLiteral("Enable Squelch Control Record Method %1, reset variant bit %2")
                .arg(onOff((byte & 1) == 0))
                .arg((byte >> kResetUntilPressBit) & 1);
        });
        d["nbSpeakerOn"] = byteValue(voltageValue);
        d["nbRssi"] = byteValue(voltageValue);
        d["nbSpeakerOff"] = byteValue(voltageValue);
        d["wbSpeakerOn"] = byteValue(voltageValue);
        d["wbRssi"] = byteValue(voltageValue);
        d["wbSpeakerOff"] = byteValue(voltageValue);
        d["batteryAlertPeriod"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            const auto position = alertPeriodPositionOf(byte);
            return position ? kAlertPeriodItems.at(*position)
                            : QStringLiteral("not in the list (shown as %1)")
                                  .arg(kAlertPeriodItems.at(
                                      *alertPeriodPositionOf(kAlertPeriodFallback)));
        });
        d["shutdownBatteryLevel"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            if (byte == PagerValue::unset)
                return QStringLiteral("unset (loaded as %1)")
                    .arg(batteryValue(kShutdownLevelFallback));
            return batteryValue(byte);
        });
        d["tonalityTimers"] = tonalities(true);
        d["alertTonality"] = tonalities(false);
        d["functionSwitches"] = functionSwitches();
        d["resetMode"] = byteValue([](const ImageContext& c, std::uint8_t mode) {
            const bool untilPressFlag = c.image.getBits(controlFlags, kResetUntilPressBit, 1) == 1;
            return itemOf(kResetItems, resetPositionOf(mode, untilPressFlag));
        });
        d["resetDelay"] = byteValue([](const ImageContext& c, std::uint8_t byte) {
            const QString text = delayText(byte) + QStringLiteral(" sec");
            return resetModeUsesDelay(c.image.byte(resetMode))
                       ? text
                       : text + QStringLiteral(" (not used by the reset method)");
        });
        d["carrierOffDelay"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            return QStringLiteral("%1 x 100 ms").arg(byte);
        });
        d["modelOptions"] = bitOptions(kModelOptionLabels);
        d["recordSections"] = byteValue(
            [](const ImageContext&, std::uint8_t byte) { return itemOf(kRecordItems, byte); });
        d["reminderInterval"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            return itemOf(kReminderItems, reminderPositionOf(byte));
        });
        d["functionOptions"] = bitOptions({"Enable Function Announcement",
                                           "Enable Function With Vibration / Alert",
                                           {},
                                           "Enable Priority Scan With Monitor",
                                           "Disable Priority Scan Power Save",
                                           "Enable Shutdown mode"},
                                          {4, 5});
        d["dutyDisableFlags"] = byteValue([](const ImageContext& c, std::uint8_t) {
            QStringList parts;
            for (Channel ch : kChannels) {
                QStringList off;
                for (int sw = 0; sw < kSwitchCount; ++sw) {
                    const BitPlace place = dutyDisableBit(ch, sw);
                    if (c.image.getBits(place.offset, place.bit, 1))
                        off << switchName(sw);
                }
                parts << QStringLiteral("%1 duty off: %2")
                             .arg(channelName(ch),
                                  off.isEmpty() ? QStringLiteral("none") : off.join(u' '));
            }
            return parts.join(QStringLiteral("; "));
        });
        d["decoderBandwidth"] = byteValue([](const ImageContext&, std::uint8_t index) {
            const auto value = decoderBandwidthValueOfIndex(index);
            return value ? QString::asprintf("%d.%d %%", *value / 10, *value % 10)
                         : QStringLiteral("(no item)");
        });
        d["toneTiming"] = toneTimingRecords();
        d["noiseLimit"] =
            byteValue([](const ImageContext& c, std::uint8_t byte) { return c.timing(byte); });
        d["gapMax"] = d["noiseLimit"];
        d["decoderReset"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            return decoderResetText(byte) + QStringLiteral(" sec.");
        });
        d["batterySave1"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            return QStringLiteral("%1 x 10 ms").arg(byte);
        });
        d["batterySave2"] = d["batterySave1"];
        d["rfDelay"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            return QStringLiteral("%1 ms").arg(byte);
        });
        d["batteryLevels"] = [](const ImageContext& c, const FieldRef& f, Entries& out) {
            for (int i = 0; i < batteryLevelsWidth; ++i)
                element(out, f, i, 1, kBatteryLevelLabels.at(i),
                        batteryValue(c.image.byte(f.offset + i)));
        };
        d["priorityScanF1"] = byteValue([](const ImageContext& c, std::uint8_t count) {
            return QStringLiteral("%1 (Period Time %2)")
                .arg(count)
                .arg(itemOf(kPeriodItems, periodPositionOf(count, c.image.byte(batterySave2))));
        });
        d["squelchLevelSelect"] = byteValue([](const ImageContext&, std::uint8_t select) {
            if (select == kSquelchSelectUnset)
                return QStringLiteral("unset (loaded as WB Level 3, NB Level 3)");
            return QStringLiteral("WB Level %1, NB Level %2")
                .arg(selectedSquelchLevel(select, SquelchGroup::Wb) + 1)
                .arg(selectedSquelchLevel(select, SquelchGroup::Nb) + 1);
        });
        d["wbSquelchLevels"] = squelchPairs(SquelchGroup::Wb, 0, kSquelchLevels);
        d["nbSquelchLevels"] = squelchPairs(SquelchGroup::Nb, 0, kSquelchLevels - 1);
        d["nbSquelchLevel5"] = squelchPairs(SquelchGroup::Nb, kSquelchLevels - 1, 1);
        d["fixedAlertTimeMark"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            return byte == PagerValue::fixedAlertTimeEnabled
                       ? QStringLiteral("Enable Fixed Alert Time on")
                       : QStringLiteral("Enable Fixed Alert Time off");
        });
        d["tone2DurationStd"] = byteValue([](const ImageContext& c, std::uint8_t byte) {
            return secondToneDuration(c, byte, PagerValue::tone2DurationStdDefault);
        });
        d["tone2DurationPlectron"] = byteValue([](const ImageContext& c, std::uint8_t byte) {
            return secondToneDuration(c, byte, PagerValue::tone2DurationPlectronDefault);
        });
        d["toneSystem"] = byteValue([](const ImageContext&, std::uint8_t byte) {
            switch (toneSystemOfByte(byte)) {
            case ToneSystem::User:
                return QStringLiteral("User");
            case ToneSystem::Plectron:
                return QStringLiteral("Plectron");
            case ToneSystem::Standard:
                break;
            }
            return QStringLiteral("Standard");
        });
        d["serialNumber"] =
            valueOf([](const ImageContext& c, const FieldRef&) { return serialText(c.image); });
        d["serialSum"] = valueOf([](const ImageContext& c, const FieldRef&) {
            if (c.image.hasNoSerialNumber())
                return QStringLiteral("none (no serial number)");
            return sumVerdict(c.image.storedSerialSum(), c.image.computeSerialSum());
        });
        d["imageSum"] = valueOf([](const ImageContext& c, const FieldRef&) {
            QString verdict = sumVerdict(c.image.storedImageSum(), c.image.computeImageSum());
            if (!c.image.imageSumMatches() && TPagerImage::imageSumAcceptedOf(c.image.bytes()))
                verdict += QStringLiteral(", accepted by a Read (byte 495 is 0xCD)");
            return verdict;
        });
        d["identity"] = valueOf([](const ImageContext& c, const FieldRef& f) {
            return printable(c.image.text(f.offset, f.width));
        });
        d["toolVersion"] = valueOf([](const ImageContext& c, const FieldRef& f) {
            const std::uint8_t minorPatch = c.image.byte(f.offset + 1);
            return QStringLiteral("%1.%2.%3")
                .arg(c.image.byte(f.offset))
                .arg(minorPatch >> 4)
                .arg(minorPatch & 0x0F);
        });
        return d;
    }();
    return table;
}

} // namespace

std::vector<ListedField> listImage(const TPagerImage& image) {
    const int firmware = image.firmwareVersionValue();
    const ImageContext context{image, timingUnitForFirmware(firmware),
                               isOneChannelPager(image.byte(PagerField::oneChannelMark),
                                                 image.byte(PagerField::oneChannelMark2),
                                                 firmware)};
    Entries entries;
    for (const PagerFieldInfo& info : kPagerFields) {
        const FieldRef field{info.name, info.offset, info.width};
        const auto decoder = decoders().find(info.name);
        if (decoder != decoders().end())
            decoder->second(context, field, entries);
        else
            whole(entries, field, QString());
    }
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const ListedField& a, const ListedField& b) { return a.offset < b.offset; });

    // Bytes no field claims, each listed by its offset.
    Entries listing;
    int next = 0;
    const auto unclaimed = [&](int upTo) {
        for (; next < upTo; ++next)
            listing.push_back({QString(), QString(), next, 1, QString()});
    };
    for (ListedField& entry : entries) {
        unclaimed(entry.offset);
        next = std::max(next, entry.offset + entry.width);
        listing.push_back(std::move(entry));
    }
    unclaimed(TPagerImage::kSize);
    return listing;
}

QString rawBytesText(const TPagerImage& image, const ListedField& field) {
    QStringList bytes;
    for (const std::uint8_t byte : image.block(field.offset, field.width))
        bytes << QString::asprintf("%02X", byte);
    return bytes.join(u' ');
}

} // namespace kz::cli
