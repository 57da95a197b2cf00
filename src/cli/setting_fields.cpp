// The pager-wide fields: header marks, settings, timings, thresholds, battery levels, squelch
// tables, serial number, sums and identity.
#include "advance_numbers.h"
#include "alert_tonality.h"
#include "battery_levels.h"
#include "field_decoding.h"
#include "firmware_version.h"
#include "function_switch.h"
#include "list_items.h"
#include "pager_fields.h"
#include "setting_rules.h"
#include "squelch_levels.h"
#include "system_rules.h"
#include "tone_spacing.h"
#include "tone_system.h"

#include <algorithm>

namespace kz::cli {

namespace {

const QStringList kBatteryLevelLabels{"Low Battery Alert", "Level-Low", "Level-Med", "Level-High"};

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
            const QStringList& modes =
                c.oneChannel ? items::oneChannelModes() : items::twoChannelModes();
            const auto alert = alertTypePositionOf(byte);
            element(out, f, functionSwitchOffset(sw) - f.offset, 1, switchName(sw),
                    QStringLiteral("%1, %2, Push To Listen %3")
                        .arg(mode ? modes.at(*mode) : QStringLiteral("(no item)"),
                             alert ? items::alertTypes().at(*alert) : QStringLiteral("(no item)"),
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

} // namespace

void addSettingDecoders(DecoderTable& d) {
    using namespace PagerField;
    d["oneChannelMark"] = byteValue(channelMarkValue);
    d["oneChannelMark2"] = byteValue(channelMarkValue);
    d["firmwareVersion"] = valueOf([](const ImageContext& c, const FieldRef&) {
        return firmwareVersionText(c.image.block(headerBlock, headerBlockSize)) +
               (c.unit == TimingUnit::HundredMs ? QStringLiteral(", timings x 100 ms")
                                                : QStringLiteral(", timings x 50 ms"));
    });
    d["auxFlags"] = byteValue([](const ImageContext&, std::uint8_t byte) {
        return QStringLiteral("AUX DB Data %1")
            .arg(itemOf(items::auxDbData(), auxDbPositionOf(byte)));
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
        return position ? items::alertPeriods().at(*position)
                        : QStringLiteral("not in the list (shown as %1)")
                              .arg(items::alertPeriods().at(
                                  *alertPeriodPositionOf(kAlertPeriodFallback)));
    });
    d["shutdownBatteryLevel"] = byteValue([](const ImageContext&, std::uint8_t byte) {
        if (byte == PagerValue::unset)
            return QStringLiteral("unset (loaded as %1)").arg(batteryValue(kShutdownLevelFallback));
        return batteryValue(byte);
    });
    d["tonalityTimers"] = tonalities(true);
    d["alertTonality"] = tonalities(false);
    d["functionSwitches"] = functionSwitches();
    d["resetMode"] = byteValue([](const ImageContext& c, std::uint8_t mode) {
        const bool untilPressFlag = c.image.getBits(controlFlags, kResetUntilPressBit, 1) == 1;
        return itemOf(items::resetControls(), resetPositionOf(mode, untilPressFlag));
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
    d["modelOptions"] = bitOptions(items::modelOptionCaptions());
    d["recordSections"] = byteValue([](const ImageContext&, std::uint8_t byte) {
        return itemOf(items::recordSections(), byte);
    });
    d["reminderInterval"] = byteValue([](const ImageContext&, std::uint8_t byte) {
        return itemOf(items::reminders(), reminderPositionOf(byte));
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
    d["rfDelay"] = byteValue(
        [](const ImageContext&, std::uint8_t byte) { return QStringLiteral("%1 ms").arg(byte); });
    d["batteryLevels"] = [](const ImageContext& c, const FieldRef& f, Entries& out) {
        for (int i = 0; i < batteryLevelsWidth; ++i)
            element(out, f, i, 1, kBatteryLevelLabels.at(i),
                    batteryValue(c.image.byte(f.offset + i)));
    };
    d["priorityScanF1"] = byteValue([](const ImageContext& c, std::uint8_t count) {
        return QStringLiteral("%1 (Period Time %2)")
            .arg(count)
            .arg(itemOf(items::priorityScanPeriods(),
                        periodPositionOf(count, c.image.byte(batterySave2))));
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
}

} // namespace kz::cli
