#include "serial_prefixes.h"

#include <array>

namespace kz {

namespace {

constexpr int kPrefixLength = 11;
// 948GH3d0011 is not one of them.
constexpr std::array<const char*, 11> kPrefixes = {
    "948GH3d0008", "948GH3d0009", "948GH3d0010", "948GH3d0012", "948GH3d0013", "948GH3d0014",
    "948GH3d0015", "948GH3d0016", "948GH3d0017", "948GH3d0018", "948GH3d0019",
};

} // namespace

bool hasKnownSerialPrefix(const QByteArray& serial) {
    if (serial.size() < kPrefixLength)
        return false;
    const QByteArray head = serial.left(kPrefixLength);
    for (const char* prefix : kPrefixes)
        if (head == QByteArray(prefix, kPrefixLength))
            return true;
    return false;
}

} // namespace kz
