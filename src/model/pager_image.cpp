#include "pager_image.h"

#include "sum16.h"

#include <algorithm>
#include <cassert>

TPagerImage::TPagerImage() {
    bytes_.fill(0xFF);
}

TPagerImage::TPagerImage(const Bytes& bytes) : bytes_(bytes) {}

std::uint8_t TPagerImage::byte(int offset) const {
    assert(offset >= 0 && offset < kSize);
    return bytes_[static_cast<std::size_t>(offset)];
}

void TPagerImage::setByte(int offset, std::uint8_t value) {
    assert(offset >= 0 && offset < kSize);
    bytes_[static_cast<std::size_t>(offset)] = value;
}

std::uint16_t TPagerImage::word16(int offset) const {
    return static_cast<std::uint16_t>(byte(offset) << 8 | byte(offset + 1));
}

void TPagerImage::setWord16(int offset, std::uint16_t value) {
    setByte(offset, static_cast<std::uint8_t>(value >> 8));
    setByte(offset + 1, static_cast<std::uint8_t>(value & 0xFF));
}

std::uint32_t TPagerImage::word32(int offset) const {
    return static_cast<std::uint32_t>(word16(offset)) << 16 | word16(offset + 2);
}

void TPagerImage::setWord32(int offset, std::uint32_t value) {
    setWord16(offset, static_cast<std::uint16_t>(value >> 16));
    setWord16(offset + 2, static_cast<std::uint16_t>(value & 0xFFFF));
}

std::uint8_t TPagerImage::getBits(int offset, int firstBit, int width) const {
    const unsigned mask = (1u << width) - 1u;
    return static_cast<std::uint8_t>((byte(offset) >> firstBit) & mask);
}

void TPagerImage::setBits(int offset, int firstBit, unsigned value, int width) {
    const unsigned mask = ((1u << width) - 1u) << firstBit;
    const unsigned cleared = byte(offset) & ~mask;
    setByte(offset, static_cast<std::uint8_t>(cleared | (value << firstBit)));
}

void TPagerImage::replace(std::span<const std::uint8_t> bytes, int offset) {
    assert(offset >= 0 && offset + static_cast<int>(bytes.size()) <= kSize);
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + offset);
}

std::span<const std::uint8_t> TPagerImage::block(int offset, int length) const {
    assert(offset >= 0 && length >= 0 && offset + length <= kSize);
    return std::span<const std::uint8_t>(bytes_).subspan(static_cast<std::size_t>(offset),
                                                         static_cast<std::size_t>(length));
}

std::uint16_t TPagerImage::imageSumOf(std::span<const std::uint8_t, kSize> bytes) {
    return kz::sum16(bytes.subspan<kSumFirst, kSumLast - kSumFirst + 1>());
}

bool TPagerImage::imageSumAcceptedOf(std::span<const std::uint8_t, kSize> bytes) {
    const int stored = bytes[PagerField::imageSum] << 8 | bytes[PagerField::imageSum + 1];
    return imageSumOf(bytes) == stored || bytes[kSumLast] == PagerValue::sumWaiverMark;
}

std::uint16_t TPagerImage::computeImageSum() const {
    return imageSumOf(bytes_);
}

void TPagerImage::storeImageSum() {
    setWord16(PagerField::imageSum, computeImageSum());
}

std::uint16_t TPagerImage::computeSerialSum() const {
    return kz::sum16(block(PagerField::serialNumber, PagerField::serialNumberWidth));
}

void TPagerImage::storeSerialSum() {
    setWord16(PagerField::serialSum, computeSerialSum());
}

bool TPagerImage::hasNoSerialNumber() const {
    const auto serial = block(PagerField::serialBlock, PagerField::serialBlockSize);
    return std::all_of(serial.begin(), serial.end(),
                       [](std::uint8_t b) { return b == PagerValue::noSerialNumberFill; });
}

void TPagerImage::stampVersion(int major, int minor, int patch) {
    setByte(PagerField::toolVersion, static_cast<std::uint8_t>(major));
    setByte(PagerField::toolVersion + 1, static_cast<std::uint8_t>((minor << 4) | (patch & 0x0F)));
}

void TPagerImage::setText(int offset, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        setByte(offset + static_cast<int>(i), static_cast<std::uint8_t>(text[i]));
}

std::string_view TPagerImage::text(int offset, int width) const {
    assert(offset >= 0 && offset + width <= kSize);
    return {reinterpret_cast<const char*>(bytes_.data()) + offset, static_cast<std::size_t>(width)};
}

int TPagerImage::firmwareVersionValue() const {
    return byte(PagerField::firmwareMajor) * 100 + byte(PagerField::firmwareMinor) * 10 +
           byte(PagerField::firmwarePatch);
}
