#include "cradle_memory.h"

#include "builtin_images.h"

#include <QFile>

namespace kz::sim {

TPagerImage defaultCradleMemory() {
    TPagerImage memory = builtinWorkingImage();
    for (int i = 0; i < PagerField::oneChannelMark; ++i)
        memory.setByte(i, 0xFF);
    memory.setByte(PagerField::oneChannelMark, 0xFF);
    setFirmware(memory, 2, 2, 0);
    memory.setByte(PagerField::headerSpare, 0xFF);
    for (int i = 0; i < 16; ++i)
        memory.setByte(PagerField::serialNumber + i, 0xFF);
    memory.storeImageSum();
    return memory;
}

std::optional<TPagerImage> loadTableFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(TPagerImage::kSize);
    if (bytes.size() != TPagerImage::kSize)
        return std::nullopt;
    TPagerImage memory;
    memory.replace(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), TPagerImage::kSize));
    return memory;
}

void setFirmware(TPagerImage& memory, int major, int minor, int patch) {
    memory.setByte(PagerField::firmwareMajor, static_cast<std::uint8_t>(major));
    memory.setByte(PagerField::firmwareMinor, static_cast<std::uint8_t>(minor));
    memory.setByte(PagerField::firmwarePatch, static_cast<std::uint8_t>(patch));
}

void setSingleChannel(TPagerImage& memory) {
    memory.setByte(PagerField::oneChannelMark, 0xFE);
}

void setSerialNumber(TPagerImage& memory, const QString& serial, bool goodSum) {
    const QByteArray text = serial.toLatin1().left(14);
    for (int i = 0; i < 14; ++i)
        memory.setByte(PagerField::serialNumber + i,
                       i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
    memory.storeSerialSum();
    if (!goodSum)
        memory.setWord16(PagerField::serialSum, memory.storedSerialSum() ^ 0x0101);
}

void breakImageSum(TPagerImage& memory, bool markUnchecked) {
    memory.setByte(TPagerImage::kSumLast, markUnchecked ? 0xCD : 0x12);
    memory.setWord16(PagerField::imageSum, memory.computeImageSum() ^ 0x5A5A);
}

} // namespace kz::sim
