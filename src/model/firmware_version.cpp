#include "firmware_version.h"

#include "pager_fields.h"

namespace kz {

QString firmwareVersionText(std::uint8_t major, std::uint8_t minor, std::uint8_t patch) {
    return QString::asprintf("FirmVer. %d.%d.%d", major, minor, patch);
}

QString firmwareVersionText(std::span<const std::uint8_t> header) {
    const auto digit = [&](int offset) { return header[static_cast<std::size_t>(offset)]; };
    return firmwareVersionText(digit(PagerField::firmwareMajor), digit(PagerField::firmwareMinor),
                               digit(PagerField::firmwarePatch));
}

} // namespace kz
