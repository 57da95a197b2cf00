#include "serial_block.h"

#include "serial_prefixes.h"

#include <QByteArray>

#include <algorithm>

namespace kz {

SerialBlockCheck checkSerialBlock(std::span<const std::uint8_t, kSerialBlockSize> block) {
    SerialBlockCheck check;
    if (std::all_of(block.begin(), block.end(), [](std::uint8_t b) { return b == 0xFF; }))
        return check;
    unsigned sum = 0;
    for (int i = 0; i < kSerialTextSize; ++i)
        sum += block[static_cast<std::size_t>(i)];
    const unsigned stored = block[kSerialTextSize] << 8 | block[kSerialTextSize + 1];
    if ((sum & 0xFFFF) != stored) {
        check.kind = SerialBlockCheck::Kind::BadSum;
        return check;
    }
    check.kind = SerialBlockCheck::Kind::Valid;
    const QByteArray serial(reinterpret_cast<const char*>(block.data()), kSerialTextSize);
    const qsizetype end = serial.indexOf('\0');
    check.serialText = QString::fromLatin1(end < 0 ? serial : serial.left(end));
    check.knownPrefix = hasKnownSerialPrefix(serial);
    return check;
}

} // namespace kz
