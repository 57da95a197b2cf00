#include "comm_port.h"
#include "port_list.h"

#include <gtest/gtest.h>

using kz::ports::buildPortNames;

TEST(PortList, SystemPortsSortedByName) {
    EXPECT_EQ(buildPortNames({"ttyUSB0", "ttyACM1", "ttyS0", "ttyACM0", "ttyUSB0"}, {}),
              QStringList({"ttyACM0", "ttyACM1", "ttyS0", "ttyUSB0"}));
}

TEST(PortList, PortsOfOneKindByNumber) {
    EXPECT_EQ(buildPortNames({"ttyUSB10", "ttyS1", "ttyUSB2", "ttyS0", "ttyUSB1"}, {}),
              QStringList({"ttyS0", "ttyS1", "ttyUSB1", "ttyUSB2", "ttyUSB10"}));
    EXPECT_EQ(buildPortNames({"COM12", "COM1", "COM3"}, {}),
              QStringList({"COM1", "COM3", "COM12"}));
}

TEST(PortList, FallsBackToComOneToSixteen) {
    const QStringList names = buildPortNames({}, {});
    ASSERT_EQ(names.size(), 16);
    EXPECT_EQ(names.first(), "COM1");
    EXPECT_EQ(names.last(), "COM16");
}

TEST(PortList, CommandLinePortsComeFirst) {
    EXPECT_EQ(buildPortNames({"ttyUSB0"}, {"/dev/pts/7", "/dev/pts/3", "/dev/pts/7"}),
              QStringList({"/dev/pts/7", "/dev/pts/3", "ttyUSB0"}));
    const QStringList withFallback = buildPortNames({}, {"/dev/pts/7"});
    ASSERT_EQ(withFallback.size(), 17);
    EXPECT_EQ(withFallback.at(1), "COM1");
    EXPECT_EQ(buildPortNames({}, {"/dev/pts/7"}, false), QStringList({"/dev/pts/7"}));
    EXPECT_TRUE(buildPortNames({}, {}, false).isEmpty());
}

TEST(PortList, HoldsAtMost256Ports) {
    QStringList many;
    for (int i = 0; i < 300; ++i)
        many << QStringLiteral("ttyUSB%1").arg(i, 3, 10, QLatin1Char('0'));
    const QStringList names = buildPortNames(many, {"/dev/pts/1"});
    ASSERT_EQ(names.size(), 256);
    EXPECT_EQ(names.first(), "/dev/pts/1");
    EXPECT_EQ(names.last(), "ttyUSB254");
}

TEST(PortList, SystemLocationOfPortNames) {
    EXPECT_EQ(kz::TCommPort::systemLocation("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(kz::TCommPort::systemLocation("ttyUSB0"), "ttyUSB0");
#ifndef Q_OS_WIN
    EXPECT_EQ(kz::TCommPort::systemLocation("COM1"), "/dev/ttyS0");
    EXPECT_EQ(kz::TCommPort::systemLocation("COM16"), "/dev/ttyS15");
#else
    EXPECT_EQ(kz::TCommPort::systemLocation("COM12"), "COM12");
#endif
}
