#include "cradle_memory.h"

#include "builtin_images.h"

#include <QFile>

namespace kz::sim {

TPagerImage defaultCradleMemory() {
    TPagerImage memory = builtinWorkingImage();
    for (int i = 0; i < PagerField::oneChannelMark; ++i)
        memory.setByte(i, PagerValue::unset);
    memory.setByte(PagerField::oneChannelMark, PagerValue::twoChannelPager);
    setFirmware(memory, 2, 2, 0);
    memory.setByte(PagerField::headerSpare, PagerValue::unset);
    for (int i = 0; i < PagerField::serialBlockSize; ++i)
        memory.setByte(PagerField::serialBlock + i, PagerValue::noSerialNumberFill);
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
    const QByteArray text = serial.toLatin1().left(PagerField::serialNumberWidth);
    for (int i = 0; i < PagerField::serialNumberWidth; ++i)
        memory.setByte(PagerField::serialNumber + i,
                       i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
    memory.storeSerialSum();
    if (!goodSum)
        memory.setWord16(PagerField::serialSum, memory.storedSerialSum() ^ 0x0101);
}

void breakImageSum(TPagerImage& memory, bool markUnchecked) {
    memory.setByte(TPagerImage::kSumLast, markUnchecked ? PagerValue::sumWaiverMark : 0x12);
    memory.setWord16(PagerField::imageSum, memory.computeImageSum() ^ 0x5A5A);
}

} // namespace kz::sim
