#include "bench_commands.h"
#include "cradle_fixture.h"
#include "link_frames.h"

#include <QElapsedTimer>

#include <functional>

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

TEST_F(BenchCommandsTest, PortThatCannotOpenIsToldOnceAndNothingSent) {
    // The frame is still traced (the DEBUG page shows what would have gone out). Alert ON does
    // not try its second frame after the stop frame found no port: one message, not two.
    struct Case {
        const char* name;
        std::function<void(kz::BenchCommands&)> click;
        QByteArray lastTraced;
    };
    const Case cases[] = {
        {"vibrator on", [](kz::BenchCommands& s) { s.btnVibratorOnClick(1); }, bench(1)},
        {"alert on", [](kz::BenchCommands& s) { s.btnAlertTestOnClick(3, 1, 10); }, bench(4)},
        {"alert off", [](kz::BenchCommands& s) { s.btnAlertTestOnClick(4, 0, 0); }, bench(4)},
    };
    startCradle();
    operations.setPortNames({"/dev/kz904-missing", cradle->portPath()});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.clear();
        host.memSend.clear();
        c.click(strip);
        EXPECT_EQ(recorder.texts(), QStringList({"Error opening comm port. Port already in use?"}));
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(host.memSend, kz::frames::traceText(c.lastTraced));
    }
    // Nothing reached the cradle (it sits on the second, unselected port).
    kz::ProgrammerLink::pause(100);
    EXPECT_TRUE(cradle->model().benchFrames().empty());
}
