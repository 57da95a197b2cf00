#pragma once

// Memory map of the TQ615 configuration memory (512 bytes).
//
// This list is the one place that names every field of the pager image. Offsets are decimal
// byte offsets; multi-byte numbers are big-endian. Each entry is (name, offset, width).
// From it come the PagerField::name offset and PagerField::nameWidth width constants and the
// kPagerFields table. The special byte values some fields give a meaning are named in
// PagerValue below.

#include <array>
#include <cstdint>
#include <string_view>

#define KZ904_PAGER_FIELDS(X)                                                                      \
    /* header block, as returned by the pager */                                                   \
    X(headerReserved, 0, 11)                                                                       \
    X(oneChannelMark, 11, 1)                                                                       \
    X(firmwareVersion, 12, 3)                                                                      \
    X(headerSpare, 15, 1)                                                                          \
    /* channel F1 and F2 blocks */                                                                 \
    X(f1FreqDigits, 16, 7)                                                                         \
    X(f1StepCode, 23, 1)                                                                           \
    X(f1PllR, 24, 4)                                                                               \
    X(f1PllN, 28, 4)                                                                               \
    X(f2FreqDigits, 32, 7)                                                                         \
    X(f2StepCode, 39, 1)                                                                           \
    X(f2PllR, 40, 4)                                                                               \
    X(f2PllN, 44, 4)                                                                               \
    /* F1 call block */                                                                            \
    X(f1CallToneCodes, 48, 32)                                                                     \
    X(f1GroupToneCodes, 80, 8)                                                                     \
    X(f1CallEnable, 88, 1)                                                                         \
    X(f1GroupEnable, 89, 1)                                                                        \
    X(f1CallSwitchA, 90, 1)                                                                        \
    X(f1CallSwitchB, 91, 1)                                                                        \
    X(f1CallSwitchC, 92, 1)                                                                        \
    X(f1CallSwitchD, 93, 1)                                                                        \
    X(f1GroupSwitchAB, 94, 1)                                                                      \
    X(f1GroupSwitchCD, 95, 1)                                                                      \
    X(f1CallTones, 96, 32)                                                                         \
    X(f1GroupTones, 128, 8)                                                                        \
    X(bandwidthFlags, 136, 1)                                                                      \
    X(auxFlags, 137, 1)                                                                            \
    X(spare138, 138, 2)                                                                            \
    X(controlFlags, 140, 1)                                                                        \
    X(spare141, 141, 3)                                                                            \
    X(f1CallPatterns, 144, 32)                                                                     \
    X(f1GroupPatterns, 176, 16)                                                                    \
    /* F2 call block: the F1 layout 144 bytes further on, except 280..287 */                       \
    X(f2CallToneCodes, 192, 32)                                                                    \
    X(f2GroupToneCodes, 224, 8)                                                                    \
    X(f2CallEnable, 232, 1)                                                                        \
    X(f2GroupEnable, 233, 1)                                                                       \
    X(f2CallSwitchA, 234, 1)                                                                       \
    X(f2CallSwitchB, 235, 1)                                                                       \
    X(f2CallSwitchC, 236, 1)                                                                       \
    X(f2CallSwitchD, 237, 1)                                                                       \
    X(f2GroupSwitchAB, 238, 1)                                                                     \
    X(f2GroupSwitchCD, 239, 1)                                                                     \
    X(f2CallTones, 240, 32)                                                                        \
    X(f2GroupTones, 272, 8)                                                                        \
    X(nbSpeakerOn, 280, 1)                                                                         \
    X(nbRssi, 281, 1)                                                                              \
    X(nbSpeakerOff, 282, 1)                                                                        \
    X(spare283, 283, 1)                                                                            \
    X(batteryAlertPeriod, 284, 1)                                                                  \
    X(shutdownBatteryLevel, 285, 1)                                                                \
    X(spare286, 286, 2)                                                                            \
    X(f2CallPatterns, 288, 32)                                                                     \
    X(f2GroupPatterns, 320, 16)                                                                    \
    /* pager-wide settings */                                                                      \
    X(tonalityTimers, 336, 8)                                                                      \
    X(alertTonality, 344, 8)                                                                       \
    X(functionSwitches, 352, 4)                                                                    \
    X(resetMode, 356, 1)                                                                           \
    X(resetDelay, 357, 1)                                                                          \
    X(carrierOffDelay, 358, 1)                                                                     \
    X(modelOptions, 359, 1)                                                                        \
    X(spare360, 360, 2)                                                                            \
    X(recordSections, 362, 1)                                                                      \
    X(reminderInterval, 363, 1)                                                                    \
    X(functionOptions, 364, 1)                                                                     \
    X(dutyDisableFlags, 365, 1)                                                                    \
    X(spare366, 366, 2)                                                                            \
    X(decoderBandwidth, 368, 1)                                                                    \
    X(toneTiming, 369, 12)                                                                         \
    X(noiseLimit, 381, 1)                                                                          \
    X(gapMax, 382, 1)                                                                              \
    X(decoderReset, 383, 1)                                                                        \
    X(batterySave1, 384, 1)                                                                        \
    X(batterySave2, 385, 1)                                                                        \
    X(rfDelay, 386, 1)                                                                             \
    X(wbSpeakerOn, 387, 1)                                                                         \
    X(wbRssi, 388, 1)                                                                              \
    X(wbSpeakerOff, 389, 1)                                                                        \
    X(batteryLevels, 390, 4)                                                                       \
    X(priorityScanF1, 394, 1)                                                                      \
    X(spare395, 395, 1)                                                                            \
    X(squelchLevelSelect, 396, 1)                                                                  \
    X(oneChannelMark2, 397, 1)                                                                     \
    X(spare398, 398, 2)                                                                            \
    X(wbSquelchLevels, 400, 10)                                                                    \
    X(fixedAlertTimeMark, 410, 1)                                                                  \
    X(tone2DurationStd, 411, 1)                                                                    \
    X(tone2DurationPlectron, 412, 1)                                                               \
    X(toneSystem, 413, 1)                                                                          \
    X(nbSquelchLevel5, 414, 2)                                                                     \
    /* serial-number block */                                                                      \
    X(serialNumber, 416, 14)                                                                       \
    X(serialSum, 430, 2)                                                                           \
    /* call attributes and the NB squelch table */                                                 \
    X(f1CallAttributes, 432, 16)                                                                   \
    X(f1GroupAttributes, 448, 8)                                                                   \
    X(nbSquelchLevels, 456, 8)                                                                     \
    X(f2CallAttributes, 464, 16)                                                                   \
    X(f2GroupAttributes, 480, 8)                                                                   \
    X(spare488, 488, 8)                                                                            \
    /* sum and identity block */                                                                   \
    X(imageSum, 496, 2)                                                                            \
    X(identity, 498, 12)                                                                           \
    X(toolVersion, 510, 2)

namespace PagerField {
#define KZ904_FIELD_OFFSET(name, offset, width)                                                    \
    inline constexpr int name = offset;                                                            \
    inline constexpr int name##Width = width;
KZ904_PAGER_FIELDS(KZ904_FIELD_OFFSET)
#undef KZ904_FIELD_OFFSET

// Named places inside the multi-byte fields above.
inline constexpr int firmwareMajor = firmwareVersion;
inline constexpr int firmwareMinor = firmwareVersion + 1;
inline constexpr int firmwarePatch = firmwareVersion + 2;
inline constexpr int tone1Limit = toneTiming;        // 16-bit
inline constexpr int tone1Duration = toneTiming + 2; // 16-bit
inline constexpr int tone2Limit = toneTiming + 4;    // 16-bit
inline constexpr int tone2Duration = toneTiming + 6; // 16-bit
inline constexpr int toneTimingUnused = toneTiming + 8;
inline constexpr int groupCallDuration = toneTiming + 10; // 16-bit, always 100 ms units
inline constexpr int batteryLowAlert = batteryLevels;
inline constexpr int batteryGaugeLow = batteryLevels + 1;
inline constexpr int batteryGaugeMedium = batteryLevels + 2;
inline constexpr int batteryGaugeHigh = batteryLevels + 3;

// The blocks the programmer reads as a whole before a transfer: the header (0..15), the
// serial-number block with its sum (416..431) and the version block (496..511: image sum,
// identity and tool version).
inline constexpr int headerBlock = headerReserved;
inline constexpr int headerBlockSize = 16;
inline constexpr int serialBlock = serialNumber;
inline constexpr int serialBlockSize = serialNumberWidth + serialSumWidth;
inline constexpr int versionBlock = imageSum;
inline constexpr int versionBlockSize = imageSumWidth + identityWidth + toolVersionWidth;

// The F2 call block repeats the F1 call block this many bytes further on (except 280..287).
inline constexpr int channelCallBlockStep = 144;
// f2CallAttributes lies this many bytes after f1CallAttributes.
inline constexpr int channelAttributeStep = 32;
} // namespace PagerField

// Byte values that some fields give a meaning.
namespace PagerValue {
// An erased byte. A serial-number block of sixteen of them means the unit has no serial number.
inline constexpr std::uint8_t unset = 0xFF;
inline constexpr std::uint8_t noSerialNumberFill = unset;
// Byte 495 (the last byte under the image sum) holding this accepts an image whose sum is wrong.
inline constexpr std::uint8_t sumWaiverMark = 0xCD;
// oneChannelMark and oneChannelMark2.
inline constexpr std::uint8_t oneChannelPager = 254;
inline constexpr std::uint8_t twoChannelPager = 255;
// toneSystem; any other byte counts as Standard.
inline constexpr std::uint8_t toneSystemStandard = 255;
inline constexpr std::uint8_t toneSystemUser = 254;
inline constexpr std::uint8_t toneSystemPlectron = 253;
// What a Read puts into tone2DurationStd and tone2DurationPlectron when the pager never stored
// them (the byte is unset).
inline constexpr std::uint8_t tone2DurationStdDefault = 3;
inline constexpr std::uint8_t tone2DurationPlectronDefault = 2;
// fixedAlertTimeMark; any other byte counts as disabled for the call rows.
inline constexpr std::uint8_t fixedAlertTimeEnabled = 254;
inline constexpr std::uint8_t fixedAlertTimeDisabled = 255;
} // namespace PagerValue

struct PagerFieldInfo {
    std::string_view name;
    int offset;
    int width;
};

inline constexpr auto kPagerFields = std::to_array<PagerFieldInfo>({
#define KZ904_FIELD_INFO(name, offset, width) {#name, offset, width},
    KZ904_PAGER_FIELDS(KZ904_FIELD_INFO)
#undef KZ904_FIELD_INFO
});
