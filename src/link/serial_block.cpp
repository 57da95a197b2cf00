#include "serial_block.h"

#include "serial_prefixes.h"
#include "sum16.h"

#include <QByteArray>

#include <algorithm>

namespace kz {

SerialBlockCheck checkSerialBlock(std::span<const std::uint8_t, kSerialBlockSize> block) {
    SerialBlockCheck check;
    if (std::all_of(block.begin(), block.end(),
                    [](std::uint8_t b) { return b == PagerValue::noSerialNumberFill; }))
        return check;
    constexpr int sumAt = PagerField::serialSum - PagerField::serialBlock;
    const unsigned stored = block[sumAt] << 8 | block[sumAt + 1];
    if (sum16(block.first<kSerialTextSize>()) != stored) {
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
