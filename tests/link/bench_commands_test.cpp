#include "bench_commands.h"
#include "cradle_fixture.h"
#include "link_frames.h"

#include <QElapsedTimer>

namespace {

QByteArray bench(int command, std::array<std::uint8_t, 3> params = {}) {
    return kz::frames::benchCommand(kz::frames::kBenchUnit, static_cast<std::uint8_t>(command),
                                    params);
}

class BenchCommandsTest : public CradleFixture {
protected:
    // Bench frames get no reply: wait until the cradle has seen `count` of them.
    std::vector<QByteArray> framesSeen(std::size_t count) {
        QElapsedTimer clock;
        clock.start();
        while (cradle->model().benchFrames().size() < count && clock.elapsed() < 2000)
            kz::ProgrammerLink::pause(5);
        return cradle->model().benchFrames();
    }
    kz::BenchCommands strip{operations};
};

} // namespace

TEST_F(BenchCommandsTest, VibratorOpensThePortAndLeavesItOpen) {
    startCradle();
    ASSERT_FALSE(port.isOpen());
    strip.btnVibratorOnClick(kz::BenchCommands::VibratorOn);
    EXPECT_TRUE(port.isOpen());
    strip.btnVibratorOnClick(kz::BenchCommands::VibratorOff);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(framesSeen(2), std::vector<QByteArray>({bench(1), bench(2)}));
    EXPECT_EQ(host.memSend, kz::frames::traceText(bench(2)));
    EXPECT_TRUE(host.memRec.isEmpty());
    EXPECT_TRUE(recorder.messages().empty());
}

TEST_F(BenchCommandsTest, AlertTestOnStopsFirst) {
    startCradle();
    strip.btnAlertTestOnClick(kz::BenchCommands::AlertTestOn, 1, 10); // F2, group call 3
    strip.btnAlertTestOnClick(kz::BenchCommands::AlertTestOff, 1, 10);
    EXPECT_EQ(framesSeen(3), std::vector<QByteArray>({bench(4), bench(3, {2, 11, 0}), bench(4)}));
}

TEST_F(BenchCommandsTest, PortThatCannotOpenIsToldAndNothingSent) {
    startCradle();
    operations.setPortNames({"/dev/kz904-missing"});
    strip.btnVibratorOnClick(kz::BenchCommands::VibratorOn);
    EXPECT_EQ(recorder.texts(), QStringList({"Error opening comm port. Port already in use?"}));
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(host.memSend.isEmpty());
}
