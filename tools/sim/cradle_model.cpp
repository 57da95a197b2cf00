#include "cradle_model.h"

#include "link_frames.h"

namespace kz::sim {

namespace {

int addressOf(const QByteArray& body) {
    return body.size() < 2
               ? 0
               : static_cast<std::uint8_t>(body[0]) << 8 | static_cast<std::uint8_t>(body[1]);
}

} // namespace

CradleModel::CradleModel(const TPagerImage& memory) : memory_(memory) {}

void CradleModel::setFaults(const CradleFaults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

bool CradleModel::hangUp() const {
    std::lock_guard lock(mutex_);
    return hangUp_;
}

TPagerImage CradleModel::memory() const {
    std::lock_guard lock(mutex_);
    return memory_;
}

void CradleModel::setMemory(const TPagerImage& memory) {
    std::lock_guard lock(mutex_);
    memory_ = memory;
}

std::vector<QByteArray> CradleModel::benchFrames() const {
    std::lock_guard lock(mutex_);
    return benchFrames_;
}

std::vector<int> CradleModel::writtenAddresses() const {
    std::lock_guard lock(mutex_);
    return writtenAddresses_;
}

int CradleModel::requestCount() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

QByteArray CradleModel::feed(const QByteArray& bytes) {
    std::lock_guard lock(mutex_);
    pending_.append(bytes);
    QByteArray replies;
    while (!hangUp_) {
        auto request = frames::takeRequest(pending_);
        if (!request)
            break;
        // A frame with a wrong sum is line noise to the cradle: it does not answer.
        if (!request->sumOk)
            continue;
        replies.append(answer(request->frame, request->unit, request->command, request->body));
    }
    return replies;
}

QByteArray CradleModel::answer(const QByteArray& frame, std::uint8_t unit, std::uint8_t command,
                               const QByteArray& body) {
    if (unit == frames::kBenchUnit) {
        benchFrames_.push_back(frame);
        return {};
    }
    if (unit != frames::kPagerUnit)
        return {};
    if (faults_.disconnectAfter && requests_ >= *faults_.disconnectAfter) {
        hangUp_ = true;
        return {};
    }
    const int index = requests_++;
    if (faults_.silentAfter && index >= *faults_.silentAfter)
        return {};
    const int address = addressOf(body);

    if (command == frames::kReadCommand && body.size() == 3) {
        const int count = static_cast<std::uint8_t>(body[2]);
        QByteArray data;
        for (int i = 0; i < count; ++i)
            data.append(static_cast<char>(
                address + i < TPagerImage::kSize ? memory_.byte(address + i) : PagerValue::unset));
        // The cradle's reply header repeats unit and command and gives the data count; the
        // program checks only the sum.
        QByteArray reply =
            frames::buildFrame(unit, command, static_cast<std::uint8_t>(count), data);
        if (count > 0 && faults_.badSumAt && *faults_.badSumAt == address)
            reply[reply.size() - 1] = static_cast<char>(reply.back() ^ 0x01);
        return reply;
    }
    if (command == frames::kWriteCommand && body.size() >= 2) {
        writtenAddresses_.push_back(address);
        if (faults_.refuseWriteAt && *faults_.refuseWriteAt == address)
            return frames::buildFrame(unit, command, 1, QByteArray(1, char(0x15)));
        const QByteArray data = body.mid(2);
        for (int i = 0; i < data.size() && address + i < TPagerImage::kSize; ++i)
            memory_.setByte(address + i, static_cast<std::uint8_t>(data[i]));
        if (faults_.misstoreAt && *faults_.misstoreAt == address && !data.isEmpty())
            memory_.setByte(address, static_cast<std::uint8_t>(data[0] ^ 0x40));
        return frames::writeAcknowledgement();
    }
    return {};
}

} // namespace kz::sim
