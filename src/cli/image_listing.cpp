#include "image_listing.h"

#include "field_decoding.h"
#include "pager_fields.h"
#include "setting_rules.h"

#include <algorithm>

namespace kz::cli {

namespace {

const DecoderTable& decoders() {
    static const DecoderTable table = [] {
        DecoderTable d;
        addChannelDecoders(d);
        addSettingDecoders(d);
        return d;
    }();
    return table;
}

} // namespace

std::vector<ListedField> listImage(const TPagerImage& image) {
    const int firmware = image.firmwareVersionValue();
    const ImageContext context{image, timingUnitForFirmware(firmware),
                               isOneChannelPager(image.byte(PagerField::oneChannelMark),
                                                 image.byte(PagerField::oneChannelMark2),
                                                 firmware)};
    Entries entries;
    for (const PagerFieldInfo& info : kPagerFields) {
        const FieldRef field{info.name, info.offset, info.width};
        const auto decoder = decoders().find(info.name);
        if (decoder != decoders().end())
            decoder->second(context, field, entries);
        else
            whole(entries, field, QString());
    }
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const ListedField& a, const ListedField& b) { return a.offset < b.offset; });

    // Bytes no field claims, each listed by its offset.
    Entries listing;
    int next = 0;
    const auto unclaimed = [&](int upTo) {
        for (; next < upTo; ++next)
            listing.push_back({QString(), QString(), next, 1, QString()});
    };
    for (ListedField& entry : entries) {
        unclaimed(entry.offset);
        next = std::max(next, entry.offset + entry.width);
        listing.push_back(std::move(entry));
    }
    unclaimed(TPagerImage::kSize);
    return listing;
}

QString rawBytesText(const TPagerImage& image, const ListedField& field) {
    QStringList bytes;
    for (const std::uint8_t byte : image.block(field.offset, field.width))
        bytes << QString::asprintf("%02X", byte);
    return bytes.join(u' ');
}

} // namespace kz::cli
