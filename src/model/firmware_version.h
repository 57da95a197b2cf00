#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace kz {

// "FirmVer. 2.2.0": the pager's firmware version as the window's firmware label shows it, from
// the three version digits of the header block (bytes 12..14).
QString firmwareVersionText(std::uint8_t major, std::uint8_t minor, std::uint8_t patch);
// The same from a header block as the pager sends it (at least its first 15 bytes).
QString firmwareVersionText(std::span<const std::uint8_t> header);

} // namespace kz
