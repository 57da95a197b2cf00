// Every failure the simulated cradle can act out, against each command it reaches: the command
// ends cleanly, says what the user needs to know, keeps its outcome in the status bar, and leaves
// the pager changed only where blocks were written before the failure.
#include "cradle_fixture.h"

#include <utility>
#include <vector>

namespace {

const QString kBoardText = "The Board is not responding ! \nPlease check your programer ready "
                           "\nand COM port connect properly !";
const QString kReady = "  Ready ......";
const QString kReadyAfterFailure = "  Ready .....";

enum class Command { Write, Read, Verify };
enum class Memory { Plain, BadSerialSum, BadImageSum, BadImageSumMarked };

kz::sim::CradleFaults silentAfter(int n) {
    kz::sim::CradleFaults f;
    f.silentAfter = n;
    return f;
}
kz::sim::CradleFaults cutAfter(int n) {
    kz::sim::CradleFaults f;
    f.disconnectAfter = n;
    return f;
}
kz::sim::CradleFaults badSumAt(int address) {
    kz::sim::CradleFaults f;
    f.badSumAt = address;
    return f;
}
kz::sim::CradleFaults refuseAt(int address) {
    kz::sim::CradleFaults f;
    f.refuseWriteAt = address;
    return f;
}
kz::sim::CradleFaults misstoreAt(int address) {
    kz::sim::CradleFaults f;
    f.misstoreAt = address;
    return f;
}

// The blocks of the pager in the order Write sends them, then the serial-number block it never
// sends: together they cover all 512 bytes.
std::vector<std::pair<int, int>> pagerBlocks() {
    std::vector<std::pair<int, int>> blocks;
    for (int a = 0; a < 416; a += 32)
        blocks.emplace_back(a, 32);
    blocks.emplace_back(432, 64);
    blocks.emplace_back(496, 16);
    blocks.emplace_back(416, 16);
    return blocks;
}

struct Case {
    const char* name;
    Command command;
    kz::sim::CradleFaults faults;
    Memory memory;
    QString message; // empty: no message box
    QString status;  // the status line at the end
    QString outcome; // the first status-bar panel, without its time
    bool failed;
    // Blocks of the write plan that hold the editor's bytes afterwards; a misstored block
    // counts among them with its first byte damaged.
    int blocksWritten;
};

// Requests of a Write: board check 0, version 1, header 2, serial 3, then block 0 written (4)
// and read back (5), block 32 (6, 7) and so on. Read and Verify: board check 0; Read then
// header 1, serial 2, 128-byte blocks 3..6; Verify its blocks 1..4.
const Case kCases[] = {
    // Write
    {"write, no fault",
     Command::Write,
     {},
     Memory::Plain,
     "",
     kReady,
     "Write Success !",
     false,
     15},
    {"write, silent cradle", Command::Write, silentAfter(0), Memory::Plain, kBoardText, kReady,
     "Board not responding !", true, 0},
    {"write, bad version sum", Command::Write, badSumAt(496), Memory::Plain,
     "Read Software Version Fail !", kReadyAfterFailure, "Read Software Version Fail !", true, 0},
    {"write, silent after version", Command::Write, silentAfter(2), Memory::Plain,
     "Read Firmware Version Fail !", kReadyAfterFailure, "Read Firmware Version Fail !", true, 0},
    {"write, bad serial reply sum", Command::Write, badSumAt(416), Memory::Plain,
     "Read Serial No. Fail !", kReadyAfterFailure, "Read Serial No. Fail !", true, 0},
    {"write, bad serial sum",
     Command::Write,
     {},
     Memory::BadSerialSum,
     "Serial No. Checksum Error !",
     kReadyAfterFailure,
     "Serial No. Checksum Error !",
     true,
     0},
    {"write, third block refused", Command::Write, refuseAt(64), Memory::Plain, "", kReady,
     "Write Fail !", true, 2},
    {"write, version block refused", Command::Write, refuseAt(496), Memory::Plain, "", kReady,
     "Write Fail !", true, 14},
    {"write, fourth block misstored", Command::Write, misstoreAt(96), Memory::Plain, "", kReady,
     "Verify Fail !", true, 4},
    {"write, block 432 misstored", Command::Write, misstoreAt(432), Memory::Plain, "", kReady,
     "Verify Fail !", true, 14},
    {"write, read-back of block 128 damaged", Command::Write, badSumAt(128), Memory::Plain, "",
     kReady, "Verify Fail !", true, 5},
    {"write, line cut at the second block", Command::Write, cutAfter(6), Memory::Plain, "", kReady,
     "Write Fail !", true, 1},
    {"write, silent before a read-back", Command::Write, silentAfter(7), Memory::Plain, "", kReady,
     "Verify Fail !", true, 2},
    // Read
    {"read, no fault", Command::Read, {}, Memory::Plain, "", kReady, "Read Success !", false, 0},
    {"read, silent cradle", Command::Read, silentAfter(0), Memory::Plain, kBoardText,
     kReadyAfterFailure, "Board not responding !", true, 0},
    {"read, silent after the board check", Command::Read, silentAfter(1), Memory::Plain,
     "Read Firmware Version Fail !", kReadyAfterFailure, "Read Firmware Version Fail !", true, 0},
    {"read, bad serial reply sum", Command::Read, badSumAt(416), Memory::Plain,
     "Read Serial No. Fail !", kReadyAfterFailure, "Read Serial No. Fail !", true, 0},
    {"read, bad serial sum",
     Command::Read,
     {},
     Memory::BadSerialSum,
     "Serial No. Checksum Error !",
     kReadyAfterFailure,
     "Serial No. Checksum Error !",
     true,
     0},
    {"read, bad reply sum of block 256", Command::Read, badSumAt(256), Memory::Plain, "", kReady,
     "Read Fail !", true, 0},
    {"read, line cut after the first block", Command::Read, cutAfter(4), Memory::Plain, "", kReady,
     "Read Fail !", true, 0},
    {"read, silent after two blocks", Command::Read, silentAfter(5), Memory::Plain, "", kReady,
     "Read Fail !", true, 0},
    {"read, bad image sum",
     Command::Read,
     {},
     Memory::BadImageSum,
     "",
     kReady,
     "Checksum Error !",
     true,
     0},
    {"read, bad image sum with the 0xCD mark",
     Command::Read,
     {},
     Memory::BadImageSumMarked,
     "",
     kReady,
     "Read Success !",
     false,
     0},
    // Verify
    {"verify, no fault",
     Command::Verify,
     {},
     Memory::Plain,
     "",
     kReady,
     "Verify Success !",
     false,
     0},
    {"verify, silent cradle", Command::Verify, silentAfter(0), Memory::Plain, kBoardText, kReady,
     "Board not responding !", true, 0},
    {"verify, bad reply sum of block 128", Command::Verify, badSumAt(128), Memory::Plain, "",
     kReady, "Verify Fail !", true, 0},
    {"verify, line cut after the first block", Command::Verify, cutAfter(2), Memory::Plain, "",
     kReady, "Verify Fail !", true, 0},
    {"verify, silent after three blocks", Command::Verify, silentAfter(4), Memory::Plain, "",
     kReady, "Verify Fail !", true, 0},
};

class FaultMatrixTest : public CradleFixture {};

TEST_F(FaultMatrixTest, EveryFaultEndsCleanlyAndChangesOnlyWhatWasWritten) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        kz::TPagerImage memory = kz::sim::defaultCradleMemory();
        switch (c.memory) {
        case Memory::Plain:
            break;
        case Memory::BadSerialSum:
            kz::sim::setSerialNumber(memory, "948GH3d0012001", false);
            break;
        case Memory::BadImageSum:
            kz::sim::breakImageSum(memory, false);
            break;
        case Memory::BadImageSumMarked:
            kz::sim::breakImageSum(memory, true);
            break;
        }
        // For a Write the editor differs from the pager everywhere a block may land; Read and
        // Verify start from an editor that agrees with a healthy pager.
        host.image = memory;
        if (c.command == Command::Write)
            for (int i = 16; i < 496; ++i)
                host.image.setByte(i, static_cast<std::uint8_t>(i * 7 + 3));
        startCradle(memory, c.faults);
        host.events.clear();
        host.statuses.clear();
        host.states.clear();
        host.lastOutcome = "from an earlier operation";
        recorder.clear();

        switch (c.command) {
        case Command::Write:
            operations.Write1Click();
            break;
        case Command::Read:
            operations.Read1Click();
            break;
        case Command::Verify:
            operations.Verify1Click();
            break;
        }

        EXPECT_FALSE(port.isOpen());
        EXPECT_TRUE(host.enabled);
        EXPECT_FALSE(host.progressShown);
        EXPECT_FALSE(operations.busy());
        EXPECT_EQ(recorder.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        ASSERT_FALSE(host.statuses.isEmpty());
        EXPECT_EQ(host.statuses.last(), c.status);
        if (c.message.isEmpty()) {
            ASSERT_FALSE(host.states.isEmpty());
            EXPECT_EQ(host.states.last().trimmed(), c.outcome);
        }
        // Cleared as the command starts, one outcome once it is known, kept to the end.
        EXPECT_EQ(host.events.first(), "outcomeCleared");
        EXPECT_EQ(host.eventsStartingWith("outcome"),
                  QStringList({"outcomeCleared", QStringLiteral("outcome:%1:%2")
                                                     .arg(c.outcome, c.failed ? "failed" : "ok")}));
        EXPECT_EQ(host.lastOutcome, c.outcome);
        EXPECT_EQ(host.lastOutcomeFailed, c.failed);

        // The pager, block by block: the editor's bytes where the write plan got through, its
        // own bytes everywhere else.
        const kz::TPagerImage after = pager();
        const auto blocks = pagerBlocks();
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const auto [address, count] = blocks[i];
            SCOPED_TRACE(address);
            const bool written = static_cast<int>(i) < c.blocksWritten;
            kz::TPagerImage expected = written ? host.image : memory;
            if (written && c.faults.misstoreAt == address)
                expected.setByte(address, host.image.byte(address) ^ 0x40);
            EXPECT_TRUE(std::equal(after.bytes().begin() + address,
                                   after.bytes().begin() + address + count,
                                   expected.bytes().begin() + address));
        }
    }
}

} // namespace
