#pragma once

#include "pager_image.h"

#include <QString>

#include <optional>

// The pager memory the simulated cradle serves, and the changes that put it into the states the
// program must cope with (a given header, serial number or a damaged image sum).
namespace kz::sim {

// The built-in configuration with a two-channel header (firmware 2.2.0), no serial number
// (all 0xFF) and a correct image sum.
TPagerImage defaultCradleMemory();
// A table file (the raw 512-byte image); nothing when it cannot be read or is too short.
std::optional<TPagerImage> loadTableFile(const QString& path);

void setFirmware(TPagerImage& memory, int major, int minor, int patch);
// Marks the header as a single-channel pager (byte 11 = 0xFE).
void setSingleChannel(TPagerImage& memory);
// Up to 14 characters, zero-filled, followed by its serial sum (or a wrong one).
void setSerialNumber(TPagerImage& memory, const QString& serial, bool goodSum = true);
// Stores a wrong image sum; byte 495 becomes 0xCD (the mark of an image whose sum is not kept)
// when `markUnchecked`, anything else otherwise.
void breakImageSum(TPagerImage& memory, bool markUnchecked);

} // namespace kz::sim
