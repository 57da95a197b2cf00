#include "field_decoding.h"

namespace kz::cli {

QString itemOf(const QStringList& items, int position) {
    if (position < 0 || position >= items.size())
        return QStringLiteral("(no item)");
    return items.at(position);
}

QString onOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QString hex16(std::uint16_t value) {
    return QString::asprintf("0x%04X", value);
}

QString channelName(Channel channel) {
    return channel == Channel::F1 ? QStringLiteral("F1") : QStringLiteral("F2");
}

QString switchName(int sw) {
    return QStringLiteral("SW-%1").arg(QChar(u'A' + sw));
}

QString rowName(CallFamily family, int row) {
    return family == CallFamily::Calls ? QStringLiteral("CALL #%1").arg(row + 1)
                                       : QStringLiteral("Group Call #%1").arg(row + 1);
}

QString nameOf(const FieldRef& field) {
    return QString::fromLatin1(field.name.data(), static_cast<qsizetype>(field.name.size()));
}

void whole(Entries& out, const FieldRef& field, QString value, QString label) {
    out.push_back({nameOf(field), std::move(label), field.offset, field.width, std::move(value)});
}

void element(Entries& out, const FieldRef& field, int index, int width, QString label,
             QString value) {
    out.push_back({QStringLiteral("%1[%2]").arg(nameOf(field)).arg(index), std::move(label),
                   field.offset + index * width, width, std::move(value)});
}

Decoder valueOf(std::function<QString(const ImageContext&, const FieldRef&)> value) {
    return [value](const ImageContext& c, const FieldRef& f, Entries& out) {
        whole(out, f, value(c, f));
    };
}

Decoder byteValue(std::function<QString(const ImageContext&, std::uint8_t)> value) {
    return valueOf([value](const ImageContext& c, const FieldRef& f) {
        return value(c, c.image.byte(f.offset));
    });
}

} // namespace kz::cli
