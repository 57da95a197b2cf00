#pragma once

namespace kz {

class PagerOperations;

// The bench-test strip: make the pager in the cradle vibrate or sound the alert of one call, and
// stop it again. Each button sends bench command frames without reply; a closed port is opened
// first (the port chosen in the list) and left open. Nothing is sent while an operation runs.
class BenchCommands {
public:
    enum Command { VibratorOn = 1, VibratorOff = 2, AlertTestOn = 3, AlertTestOff = 4 };

    explicit BenchCommands(PagerOperations& operations) : ops_(operations) {}

    // `tag` 1 (ON) or 2 (OFF).
    void btnVibratorOnClick(int tag);
    // `tag` 3 (ON, which first stops a running alert test) or 4 (OFF). channelIndex and
    // callIndex are the item indexes of the channel list (F1, F2) and the call list (calls 1..8,
    // then group calls 1..4).
    void btnAlertTestOnClick(int tag, int channelIndex, int callIndex);

private:
    bool send(int command, int p1 = 0, int p2 = 0, int p3 = 0);

    PagerOperations& ops_;
};

} // namespace kz
