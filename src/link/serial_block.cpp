#include "serial_block.h"

#include "serial_prefixes.h"
#include "sum16.h"

#include <QByteArray>

#include <algorithm>

namespace kz {

QString serialNumberText(std::span<const std::uint8_t, kSerialTextSize> characters) {
    const auto end = std::find(characters.begin(), characters.end(), std::uint8_t{0});
    return QString::fromLatin1(reinterpret_cast<const char*>(characters.data()),
                               static_cast<qsizetype>(end - characters.begin()));
}

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
    check.serialText = serialNumberText(block.first<kSerialTextSize>());
    check.knownPrefix = hasKnownSerialPrefix(serial);
    return check;
}

} // namespace kz
