// The serial-number block comes from the pager as sixteen bytes that a production line, a
// service bench or a damaged memory may have left in any state.
#include "fuzz_support.h"

#include "pager_fields.h"
#include "pager_image.h"
#include "serial_block.h"
#include "serial_prefixes.h"

#include <algorithm>
#include <array>

using namespace kz;

namespace {

using Block = std::array<std::uint8_t, kSerialBlockSize>;

// The production prefixes: "948GH3d00" and a batch number 08..19 other than 11.
bool knownPrefixSpelledOut(const Block& block) {
    const char head[] = "948GH3d00";
    for (int i = 0; i < 9; ++i)
        if (block[static_cast<std::size_t>(i)] != static_cast<std::uint8_t>(head[i]))
            return false;
    const auto digit = [&](int i) { return block[static_cast<std::size_t>(i)] - '0'; };
    if (digit(9) < 0 || digit(9) > 9 || digit(10) < 0 || digit(10) > 9)
        return false;
    const int batch = digit(9) * 10 + digit(10);
    return batch >= 8 && batch <= 19 && batch != 11;
}

void checkBlock(const Block& block) {
    const SerialBlockCheck check = checkSerialBlock(block);

    // The image's own serial-sum routine must judge the block the same way.
    kz::TPagerImage image;
    image.replace(block, PagerField::serialNumber);
    const bool blank = image.hasNoSerialNumber();
    FUZZ_CHECK(blank == std::all_of(block.begin(), block.end(), [](auto b) { return b == 0xFF; }),
               "blank means sixteen 0xFF bytes");
    FUZZ_CHECK((check.kind == SerialBlockCheck::Kind::NoSerialNumber) == blank,
               "only a blank block is taken as no serial number");
    if (!blank)
        FUZZ_CHECK((check.kind == SerialBlockCheck::Kind::Valid) == image.serialSumMatches(),
                   "the block's sum check and the image's serial sum agree");
    if (check.kind != SerialBlockCheck::Kind::Valid) {
        FUZZ_CHECK(check.serialText.isEmpty() && !check.knownPrefix,
                   "a refused block gives no serial number");
        return;
    }

    const QByteArray characters(reinterpret_cast<const char*>(block.data()), kSerialTextSize);
    const qsizetype end = characters.indexOf('\0');
    const QByteArray shown = end < 0 ? characters : characters.left(end);
    FUZZ_CHECK(check.serialText.size() == shown.size() && check.serialText.toLatin1() == shown,
               "the serial field shows the characters up to the first zero byte, one per byte");
    FUZZ_CHECK(check.knownPrefix == knownPrefixSpelledOut(block),
               "the prefix flag follows the first eleven characters");
    FUZZ_CHECK(check.knownPrefix == hasKnownSerialPrefix(characters),
               "the intake and the prefix table agree");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Block block;
    block.fill(0xFF);
    std::copy_n(data, std::min<std::size_t>(size, block.size()), block.begin());
    checkBlock(block);

    // The same fourteen characters with their own sum are always a valid serial number: this is
    // what the serial-number run stamps into a pager.
    kz::TPagerImage stamped;
    stamped.replace(std::span<const std::uint8_t>(block.data(), kSerialTextSize),
                    PagerField::serialNumber);
    stamped.storeSerialSum();
    Block withSum;
    const auto stored = stamped.block(PagerField::serialNumber, kSerialBlockSize);
    std::copy(stored.begin(), stored.end(), withSum.begin());
    FUZZ_CHECK(checkSerialBlock(withSum).kind == SerialBlockCheck::Kind::Valid,
               "characters with their own sum are accepted");
    checkBlock(withSum);
    return 0;
}
