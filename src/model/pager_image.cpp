#include "pager_image.h"

#include "sum16.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kz {

namespace {

// Every access is checked in every build, release included: an offset computed wrongly must
// stop the program with its value, not read or change the memory beside the 512 bytes and let
// the damage travel on into a pager or a table file unseen. The cost is a comparison or two.
void checkSpan(const char* accessor, long long offset, long long length) {
    if (offset >= 0 && length >= 0 && offset <= TPagerImage::kSize &&
        length <= TPagerImage::kSize - offset)
        return;
    throw std::out_of_range(std::string("TPagerImage::") + accessor + ": offset " +
                            std::to_string(offset) + ", length " + std::to_string(length) +
                            " lies outside the " + std::to_string(TPagerImage::kSize) +
                            "-byte image");
}

// Bits firstBit..firstBit+width-1 of one byte: at least one bit, all of them within 0..7.
void checkBits(const char* accessor, int offset, int firstBit, int width) {
    checkSpan(accessor, offset, 1);
    if (firstBit >= 0 && firstBit <= 7 && width >= 1 && width <= 8 - firstBit)
        return;
    throw std::out_of_range(std::string("TPagerImage::") + accessor + ": bits from " +
                            std::to_string(firstBit) + ", width " + std::to_string(width) +
                            " at offset " + std::to_string(offset) + " lie outside bits 0..7");
}

} // namespace

TPagerImage::TPagerImage() {
    bytes_.fill(0xFF);
}

TPagerImage::TPagerImage(const Bytes& bytes) : bytes_(bytes) {}

std::uint8_t TPagerImage::byte(int offset) const {
    checkSpan("byte", offset, 1);
    return bytes_[static_cast<std::size_t>(offset)];
}

void TPagerImage::setByte(int offset, std::uint8_t value) {
    checkSpan("setByte", offset, 1);
    bytes_[static_cast<std::size_t>(offset)] = value;
}

std::uint16_t TPagerImage::word16(int offset) const {
    checkSpan("word16", offset, 2);
    return static_cast<std::uint16_t>(byte(offset) << 8 | byte(offset + 1));
}

void TPagerImage::setWord16(int offset, std::uint16_t value) {
    checkSpan("setWord16", offset, 2); // before the first byte changes
    setByte(offset, static_cast<std::uint8_t>(value >> 8));
    setByte(offset + 1, static_cast<std::uint8_t>(value & 0xFF));
}

std::uint32_t TPagerImage::word32(int offset) const {
    checkSpan("word32", offset, 4);
    return static_cast<std::uint32_t>(word16(offset)) << 16 | word16(offset + 2);
}

void TPagerImage::setWord32(int offset, std::uint32_t value) {
    checkSpan("setWord32", offset, 4);
    setWord16(offset, static_cast<std::uint16_t>(value >> 16));
    setWord16(offset + 2, static_cast<std::uint16_t>(value & 0xFFFF));
}

std::uint8_t TPagerImage::getBits(int offset, int firstBit, int width) const {
    checkBits("getBits", offset, firstBit, width);
    const unsigned mask = (1u << width) - 1u;
    return static_cast<std::uint8_t>((byte(offset) >> firstBit) & mask);
}

void TPagerImage::setBits(int offset, int firstBit, unsigned value, int width) {
    checkBits("setBits", offset, firstBit, width);
    const unsigned mask = ((1u << width) - 1u) << firstBit;
    const unsigned cleared = byte(offset) & ~mask;
    setByte(offset, static_cast<std::uint8_t>(cleared | (value << firstBit)));
}

void TPagerImage::replace(std::span<const std::uint8_t> bytes, int offset) {
    checkSpan("replace", offset, static_cast<long long>(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + offset);
}

std::span<const std::uint8_t> TPagerImage::block(int offset, int length) const {
    checkSpan("block", offset, length);
    return std::span<const std::uint8_t>(bytes_).subspan(static_cast<std::size_t>(offset),
                                                         static_cast<std::size_t>(length));
}

std::uint16_t TPagerImage::imageSumOf(std::span<const std::uint8_t, kSize> bytes) {
    return sum16(bytes.subspan<kSumFirst, kSumLast - kSumFirst + 1>());
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
    return sum16(block(PagerField::serialNumber, PagerField::serialNumberWidth));
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
    checkSpan("setText", offset, static_cast<long long>(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i)
        setByte(offset + static_cast<int>(i), static_cast<std::uint8_t>(text[i]));
}

std::string_view TPagerImage::text(int offset, int width) const {
    checkSpan("text", offset, width);
    return {reinterpret_cast<const char*>(bytes_.data()) + offset, static_cast<std::size_t>(width)};
}

int TPagerImage::firmwareVersionValue() const {
    return byte(PagerField::firmwareMajor) * 100 + byte(PagerField::firmwareMinor) * 10 +
           byte(PagerField::firmwarePatch);
}

} // namespace kz
