#include "builtin_images.h"

#include "function_switch_defaults.h"

#include <cstdint>
#include <initializer_list>

namespace {

using namespace PagerField;

void put(kz::TPagerImage& image, int offset, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes)
        image.setByte(offset++, b);
}

void fill(kz::TPagerImage& image, int offset, int count, std::uint8_t value) {
    for (int i = 0; i < count; ++i)
        image.setByte(offset + i, value);
}

// One channel's call block (tone codes, enables, duty switches, tones, patterns); `base` is 0
// for F1 and 144 for F2. Bytes 136..143 / 280..287 differ between the channels and are set apart.
void putCallBlock(kz::TPagerImage& image, int base) {
    for (int call = 0; call < 8; ++call) {
        image.setWord16(base + f1CallToneCodes + 4 * call, 0x9510);
        image.setWord16(base + f1CallToneCodes + 4 * call + 2, 0x4E86);
        image.setWord16(base + f1CallTones + 4 * call, 12858);
        image.setWord16(base + f1CallTones + 4 * call + 2, 8790);
        put(image, base + f1CallPatterns + 4 * call, {0x12, 0x34, 0x12, 0x34});
    }
    for (int group = 0; group < 4; ++group) {
        image.setWord16(base + f1GroupToneCodes + 2 * group, 0x9510);
        image.setWord16(base + f1GroupTones + 2 * group, 12858);
        put(image, base + f1GroupPatterns + 4 * group, {0x12, 0x34, 0x12, 0x34});
    }
    image.setByte(base + f1CallEnable, 0x01);
    image.setByte(base + f1GroupEnable, 0x00);
    fill(image, base + f1CallSwitchA, 6, 0xFF); // switches A..D, group AB, group CD
}

} // namespace

kz::TPagerImage builtinWorkingImage() {
    kz::TPagerImage image; // every byte 0xFF to begin with

    // header block
    fill(image, headerReserved, 11, 0xFF);
    image.setByte(oneChannelMark, 255);
    put(image, firmwareVersion, {0, 0, 0});
    image.setByte(headerSpare, 0);

    // channel blocks: 152.0000 MHz and 162.0000 MHz, step Auto
    put(image, f1FreqDigits, {1, 5, 2, 0, 0, 0, 0});
    image.setByte(f1StepCode, 0x23);
    image.setWord32(f1PllR, 0x0001A311);
    image.setWord32(f1PllN, 0x00146800);
    put(image, f2FreqDigits, {1, 6, 2, 0, 0, 0, 0});
    image.setByte(f2StepCode, 0x23);
    image.setWord32(f2PllR, 0x0001A311);
    image.setWord32(f2PllN, 0x0015F800);

    putCallBlock(image, 0);
    putCallBlock(image, channelCallBlockStep);

    // bytes that sit between the call tables of F1 ...
    image.setByte(bandwidthFlags, 0xFF);
    image.setByte(auxFlags, 0xF7);
    fill(image, spare138, 2, 0xFF);
    image.setByte(controlFlags, 0xFF);
    fill(image, spare141, 3, 0xFF);
    // ... and in the same place of F2
    put(image, nbSpeakerOn, {0x45, 0x11, 0x37, 0xFF, 20, 0xC1, 0xFF, 0xFF});

    // settings
    put(image, tonalityTimers, {0x05, 0x4D, 0x04, 0x4D, 0x03, 0x44, 0x00, 0x48});
    image.setWord16(alertTonality + 0, 200);
    image.setWord16(alertTonality + 2, 400);
    image.setWord16(alertTonality + 4, 900);
    image.setWord16(alertTonality + 6, 1700);
    image.replace(kz::kTwoChannelSwitchDefaults.bytes, functionSwitches);
    image.setByte(resetMode, 4);
    image.setByte(resetDelay, 16);
    image.setByte(carrierOffDelay, 7);
    image.setByte(modelOptions, 0x01);
    put(image, spare360, {0x00, 0x00});
    image.setByte(recordSections, 2);
    image.setByte(reminderInterval, 240);
    image.setByte(functionOptions, 0xD7);
    image.setByte(dutyDisableFlags, 0xFF);
    fill(image, spare366, 2, 0xFF);
    image.setByte(decoderBandwidth, 3);
    image.setWord16(tone1Limit, 1);
    image.setWord16(tone1Duration, 3);
    image.setWord16(tone2Limit, 1);
    image.setWord16(tone2Duration, 3);
    image.setWord16(toneTimingUnused, 0);
    image.setWord16(groupCallDuration, 50);
    image.setByte(noiseLimit, 1);
    image.setByte(gapMax, 5);
    image.setByte(decoderReset, 60);
    image.setByte(batterySave1, 15);
    image.setByte(batterySave2, 25);
    image.setByte(rfDelay, 35);
    image.setByte(wbSpeakerOn, 0x51);
    image.setByte(wbRssi, 0x11);
    image.setByte(wbSpeakerOff, 0x33);
    put(image, batteryLevels, {0xC7, 0xC7, 0xD5, 0xE0});
    image.setByte(priorityScanF1, 4);
    image.setByte(spare395, 0xFF);
    image.setByte(squelchLevelSelect, 0x22);
    image.setByte(oneChannelMark2, 255);
    fill(image, spare398, 2, 0xFF);
    put(image, wbSquelchLevels, {55, 10, 55, 15, 60, 20, 60, 45, 80, 60});
    image.setByte(fixedAlertTimeMark, 255);
    image.setByte(tone2DurationStd, 3);
    image.setByte(tone2DurationPlectron, 2);
    image.setByte(toneSystem, 255);
    put(image, nbSquelchLevel5, {60, 30});

    // serial-number block: no serial number
    fill(image, serialNumber, 16, 0xFF);

    // call attributes and the NB squelch table
    fill(image, f1CallAttributes, 16, 0x00);
    fill(image, f1GroupAttributes, 8, 0x00);
    put(image, nbSquelchLevels, {40, 10, 45, 15, 50, 20, 55, 25});
    fill(image, f2CallAttributes, 16, 0x00);
    fill(image, f2GroupAttributes, 8, 0x00);
    fill(image, spare488, 8, 0xFF);

    // no valid sum; identity of the program that last stamped it
    fill(image, imageSum, 2, 0xFF);
    image.setText(identity, "TQ615ProV229");
    put(image, toolVersion, {0x02, 0x28});
    return image;
}

kz::TPagerImage builtinFactoryImage() {
    kz::TPagerImage image = builtinWorkingImage();
    image.setText(PagerField::identity, "KZ904   V107");
    image.stampVersion(1, 0, 7);
    return image;
}
