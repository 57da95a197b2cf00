#include "bench_commands.h"

#include "comm_port.h"
#include "link_frames.h"
#include "pager_operations.h"

#include <array>

namespace kz {

bool BenchCommands::send(int command, int p1, int p2, int p3) {
    if (ops_.busy())
        return false;
    if (!ops_.port().isOpen())
        ops_.openSelectedPort(); // tells the user when the port cannot be opened
    const std::array<std::uint8_t, 3> params = {static_cast<std::uint8_t>(p1),
                                                static_cast<std::uint8_t>(p2),
                                                static_cast<std::uint8_t>(p3)};
    return ops_.link().command(frames::kBenchUnit, static_cast<std::uint8_t>(command), params);
}

void BenchCommands::btnVibratorOnClick(int tag) {
    if (tag == VibratorOn || tag == VibratorOff)
        send(tag);
}

void BenchCommands::btnAlertTestOnClick(int tag, int channelIndex, int callIndex) {
    if (tag == AlertTestOn) {
        // Every ON stops a running alert test first. When that stop could not be sent (the port
        // would not open, and the user has just been told so), the ON is not tried: a second
        // attempt would only show the same port message again.
        if (send(AlertTestOff))
            send(AlertTestOn, channelIndex + 1, callIndex + 1, 0);
    } else if (tag == AlertTestOff) {
        send(AlertTestOff);
    }
}

} // namespace kz
