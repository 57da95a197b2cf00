// The channel blocks: frequency, channel step and synthesizer words, and the call rows (tones
// and their codes, enables, switch duties, patterns, tone types, alert times and priorities).
#include "alert_pattern.h"
#include "alert_time.h"
#include "field_decoding.h"
#include "list_items.h"
#include "pager_fields.h"
#include "synthesizer.h"
#include "tone_code.h"
#include "tone_system.h"

#include <algorithm>

namespace kz::cli {

namespace {

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
            return QStringLiteral("%1 (forced by the R word)").arg(items::frequencySteps().at(0));
        return itemOf(items::frequencySteps(), positionOfStepCode(code));
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
                        .arg(itemOf(items::toneTypes(), type), alert, onOff(priority)));
        }
    };
}

} // namespace

void addChannelDecoders(DecoderTable& d) {
    using namespace PagerField;
    for (Channel ch : kChannels) {
        const bool f1 = ch == Channel::F1;
        const auto key = [f1](const char* rest) { return (f1 ? "f1" : "f2") + std::string(rest); };
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
        const char* switchFields[] = {"CallSwitchA", "CallSwitchB", "CallSwitchC", "CallSwitchD"};
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
}

} // namespace kz::cli
