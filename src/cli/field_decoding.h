#pragma once

#include "call_layout.h"
#include "image_listing.h"
#include "pager_image.h"
#include "timing_units.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// How the listing of an image is made: a decoder per field of the memory map turns the field's
// bytes into one or more entries with the value the editor shows. The decoders of the channel
// blocks and of the pager-wide fields live in files of their own.
namespace kz::cli {

// What the whole image decides for the values of single fields: the firmware's timing unit and
// whether the pager has one channel.
struct ImageContext {
    const TPagerImage& image;
    TimingUnit unit;
    bool oneChannel;

    QString timing(int count) const {
        return QStringLiteral("%1 x %2").arg(count).arg(
            unit == TimingUnit::HundredMs ? QStringLiteral("100 ms") : QStringLiteral("50 ms"));
    }
};

struct FieldRef {
    std::string_view name;
    int offset;
    int width;
};

using Entries = std::vector<ListedField>;
using Decoder = std::function<void(const ImageContext&, const FieldRef&, Entries&)>;
using DecoderTable = std::map<std::string, Decoder, std::less<>>;

// The decoders of the channel blocks (frequency, synthesizer words, call rows) and of the
// pager-wide fields (settings, thresholds, serial number, sums, identity).
void addChannelDecoders(DecoderTable& table);
void addSettingDecoders(DecoderTable& table);

// The item at a list position, "(no item)" when the list shows none.
QString itemOf(const QStringList& items, int position);
QString onOff(bool on);
QString hex16(std::uint16_t value);
QString channelName(Channel channel);
QString switchName(int sw);
QString rowName(CallFamily family, int row);

QString nameOf(const FieldRef& field);
// One entry for the whole field.
void whole(Entries& out, const FieldRef& field, QString value, QString label = {});
// Entry `index` of a field made of entries of `width` bytes.
void element(Entries& out, const FieldRef& field, int index, int width, QString label,
             QString value);
// A decoder giving one entry for the field, valued from the field or from its single byte.
Decoder valueOf(std::function<QString(const ImageContext&, const FieldRef&)> value);
Decoder byteValue(std::function<QString(const ImageContext&, std::uint8_t)> value);

} // namespace kz::cli
