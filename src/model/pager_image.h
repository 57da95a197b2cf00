#pragma once

#include "pager_fields.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kz {

// Byte-for-byte copy of the pager's 512-byte configuration memory.
//
// Every field is reached by its offset (PagerField). Numbers wider than a byte are big-endian.
// Every accessor checks, in every build, that what it reaches lies inside the 512 bytes (and a
// bit range inside bits 0..7) and throws std::out_of_range naming the offset otherwise; a call
// that throws has changed nothing.
// Nothing here interprets a field beyond the two sums and the version stamp: the editing rules
// live with the pages that edit the fields.
class TPagerImage {
public:
    static constexpr int kSize = 512;
    using Bytes = std::array<std::uint8_t, kSize>;

    // First and last byte covered by the image sum, and where it is stored.
    static constexpr int kSumFirst = 16;
    static constexpr int kSumLast = 495;

    TPagerImage();
    explicit TPagerImage(const Bytes& bytes);

    const Bytes& bytes() const { return bytes_; }
    const std::uint8_t* data() const { return bytes_.data(); }

    std::uint8_t byte(int offset) const;
    void setByte(int offset, std::uint8_t value);
    std::uint16_t word16(int offset) const;
    void setWord16(int offset, std::uint16_t value);
    std::uint32_t word32(int offset) const;
    void setWord32(int offset, std::uint32_t value);

    // (byte >> firstBit) & (2^width - 1)
    std::uint8_t getBits(int offset, int firstBit, int width) const;
    // Clears bits firstBit..firstBit+width-1, then ORs in value << firstBit. The value is not
    // masked: callers pass values that fit the width.
    void setBits(int offset, int firstBit, unsigned value, int width);

    // Copies `bytes` over the image starting at `offset` (whole-image replacement when it is
    // all 512 bytes; a shorter span replaces only its own bytes).
    void replace(std::span<const std::uint8_t> bytes, int offset = 0);
    void replaceAll(const Bytes& bytes) { bytes_ = bytes; }

    std::span<const std::uint8_t> block(int offset, int length) const;

    // Image sum: bytes 16..495 added modulo 65536, stored big-endian at 496..497.
    static std::uint16_t imageSumOf(std::span<const std::uint8_t, kSize> bytes);
    // Whether a Read takes these bytes as they stand: their stored image sum matches, or byte
    // 495 holds the sum-waiver mark (an image whose sum is not kept).
    static bool imageSumAcceptedOf(std::span<const std::uint8_t, kSize> bytes);
    std::uint16_t computeImageSum() const;
    std::uint16_t storedImageSum() const { return word16(PagerField::imageSum); }
    void storeImageSum();
    bool imageSumMatches() const { return computeImageSum() == storedImageSum(); }

    // Serial sum: bytes 416..429 added modulo 65536, stored big-endian at 430..431.
    std::uint16_t computeSerialSum() const;
    std::uint16_t storedSerialSum() const { return word16(PagerField::serialSum); }
    void storeSerialSum();
    bool serialSumMatches() const { return computeSerialSum() == storedSerialSum(); }
    // All sixteen bytes of the serial block are 255: the unit has no serial number.
    bool hasNoSerialNumber() const;

    // Version stamp: byte 510 = major digit, byte 511 = minor digit x 16 + patch digit.
    void stampVersion(int major, int minor, int patch);
    // Writes up to `width` characters of text at offset (no terminator).
    void setText(int offset, std::string_view text);
    std::string_view text(int offset, int width) const;

    // major x 100 + minor x 10 + patch of the pager firmware in the header block.
    int firmwareVersionValue() const;

    friend bool operator==(const TPagerImage&, const TPagerImage&) = default;

private:
    Bytes bytes_{};
};

} // namespace kz
