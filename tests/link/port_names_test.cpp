#include "link/port_names.h"
#include "link/port_open_failure.h"
#include "link/port_status_line.h"

#include <gtest/gtest.h>

using namespace skarvion;

TEST(PortNumber, TrailingDigits) {
    EXPECT_EQ(PortNumber("COM12"), 12);
    EXPECT_EQ(PortNumber("\\\\.\\COM16"), 16);
    EXPECT_EQ(PortNumber("ttyUSB0"), 0);
    EXPECT_EQ(PortNumber("ttyS3"), 3);
    EXPECT_EQ(PortNumber("/dev/pts/7"), 7);
    EXPECT_EQ(PortNumber("ttyACM"), 0);
    EXPECT_EQ(PortNumber("COM256"), 0);
    EXPECT_EQ(PortNumber("ttyS99999999999999999999"), 0);
}

TEST(PortList, OpenPortFirstThenTheRestInNaturalOrder) {
    EXPECT_EQ(PortList("", {"ttyS10", "ttyUSB0", "ttyS2", "ttyS2"}),
              (std::vector<std::string>{"ttyS2", "ttyS10", "ttyUSB0"}));
    EXPECT_EQ(PortList("COM3", {"COM3", "COM1", "COM12"}),
              (std::vector<std::string>{"COM3", "COM1", "COM12"}));
    EXPECT_EQ(PortList("/dev/pts/4", {"ttyS0"}), (std::vector<std::string>{"/dev/pts/4", "ttyS0"}));
    EXPECT_TRUE(PortList("", {}).empty());
}

TEST(SelectorPortList, OpenPortListedAtTopAndBottom) {
    const auto list = PortList("COM1", {"COM3", "COM1"});
    EXPECT_EQ(SelectorPortList(list, "COM1"), (std::vector<std::string>{"COM1", "COM3", "COM1"}));
    EXPECT_EQ(SelectorPortList(PortList("", {"COM3", "COM1"}), ""),
              (std::vector<std::string>{"COM1", "COM3"}));
    EXPECT_EQ(PortCountState(0), 0);
    EXPECT_EQ(PortCountState(1), 1);
    EXPECT_EQ(PortCountState(5), 2);
}

TEST(PortDisplayName, DropsTheWindowsDevicePrefix) {
    EXPECT_EQ(PortDisplayName("\\\\.\\COM1"), "COM1");
    EXPECT_EQ(PortDisplayName("/dev/ttyUSB0"), "/dev/ttyUSB0");
}

TEST(PortStatusLine, FixedSettingsAndEveryVariant) {
    EXPECT_EQ(PortStatusLine("CPU Port: ", "COM1", {}),
              "CPU Port: COM1, 9600, 8, N, 1   Hw: RTS   SW: NONE");
    LineSettings other;
    other.baudRate = 19200;
    other.dataBits = 7;
    other.parity = Parity::Space;
    other.stopBits = StopBits::OneAndHalf;
    other.hardwareFlow = HardwareFlow::RtsCts;
    other.softwareFlow = SoftwareFlow::XonXoff;
    EXPECT_EQ(PortStatusLine("P ", "ttyUSB0", other),
              "P ttyUSB0, 19200, 7, S, 1.5 Hw: RTS/CTS  Sw: XON/XOFF");
}

TEST(DescribePortOpenFailure, NamesTheCause) {
    EXPECT_EQ(DescribePortOpenFailure("/dev/ttyUSB0", PortOpenError::AccessDenied, "", "dialout"),
              "Cannot open serial port /dev/ttyUSB0: permission denied (the device belongs to "
              "group \"dialout\": add your user to that group and log in again)");
    EXPECT_EQ(DescribePortOpenFailure("COM3", PortOpenError::AccessDenied, "", ""),
              "Cannot open serial port COM3: permission denied");
    EXPECT_EQ(DescribePortOpenFailure("ttyS9", PortOpenError::NotFound, "x", ""),
              "Cannot open serial port ttyS9: no such device");
    EXPECT_EQ(DescribePortOpenFailure("ttyS0", PortOpenError::Busy, "x", ""),
              "Cannot open serial port ttyS0: the port is in use by another program");
    EXPECT_EQ(DescribePortOpenFailure("ttyS0", PortOpenError::Other, "I/O error", ""),
              "Cannot open serial port ttyS0: I/O error");
}
