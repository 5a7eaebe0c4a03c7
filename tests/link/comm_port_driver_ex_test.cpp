#include "link/comm_port_driver_ex.h"

#include "link/event_loop_pump.h"
#include "sim/pseudo_terminal.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace skarvion;

namespace {

class CommPortDriverExTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "link_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    }

    void SetUp() override { ASSERT_TRUE(terminal.create()) << terminal.error(); }

    // Lets the event loop run for `ms` milliseconds.
    void pump(int ms) {
        SteadyMillisecondClock clock;
        const std::uint32_t start = clock.tickCount();
        while (clock.tickCount() - start < static_cast<std::uint32_t>(ms))
            loopPump.runEvents(10);
    }

    // What the program sent, as the far end of the terminal reads it.
    std::string farEndReads() {
        std::string bytes;
        char buffer[256];
        pollfd p{terminal.masterFd(), POLLIN, 0};
        while (::poll(&p, 1, 100) > 0 && (p.revents & POLLIN)) {
            const ssize_t n = ::read(terminal.masterFd(), buffer, sizeof buffer);
            if (n <= 0) break;
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        return bytes;
    }

    void farEndWrites(std::string_view bytes) {
        ASSERT_EQ(::write(terminal.masterFd(), bytes.data(), bytes.size()),
                  static_cast<ssize_t>(bytes.size()));
    }

    sim::PseudoTerminal terminal;
    EventLoopPump loopPump;
};

} // namespace

TEST_F(CommPortDriverExTest, OpensAPseudoTerminalByPathAndExchangesBytes) {
    TCommPortDriverEx port;
    port.setPortName(terminal.path());
    ASSERT_TRUE(port.open()) << port.openFailure();
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.openFailure(), "");

    for (char c : std::string_view("AT\r"))
        EXPECT_TRUE(port.sendByte(static_cast<std::uint8_t>(c)));
    pump(20);
    EXPECT_EQ(farEndReads(), "AT\r");

    std::string handled;
    port.setOnReceiveData([&](const char* d, std::size_t n) { handled.append(d, n); });
    farEndWrites("lost");
    pump(50);
    EXPECT_EQ(handled, "lost");

    port.StartCapture();
    farEndWrites(std::string_view("O\0K\r\n", 5));
    pump(50);
    EXPECT_EQ(port.GetReceived(), std::string("O\0K\r\n", 5));
    port.StopCapture();
    EXPECT_EQ(handled, "lost");
}

TEST_F(CommPortDriverExTest, ClosingLeavesTheTerminalFreeForTheNextOpen) {
    {
        TCommPortDriverEx first;
        first.setPortName(terminal.path());
        ASSERT_TRUE(first.open());

        TCommPortDriverEx second;
        second.setPortName(terminal.path());
        EXPECT_FALSE(second.open());
        EXPECT_EQ(second.openFailure(), "Cannot open serial port " + terminal.path() +
                                            ": the port is in use by another program");
        first.close();
        EXPECT_FALSE(first.isOpen());
        EXPECT_TRUE(second.open()) << second.openFailure();
    } // destroyed while open
    TCommPortDriverEx third;
    third.setPortName(terminal.path());
    EXPECT_TRUE(third.open()) << third.openFailure();
}

TEST_F(CommPortDriverExTest, MissingDeviceIsNamed) {
    TCommPortDriverEx port;
    port.setPortName("/dev/ttyNoSuchPort7");
    EXPECT_FALSE(port.open());
    EXPECT_EQ(port.openFailure(), "Cannot open serial port /dev/ttyNoSuchPort7: no such device");
    EXPECT_FALSE(port.sendByte('A'));

    TCommPortDriverEx unnamed;
    EXPECT_FALSE(unnamed.open());
    EXPECT_FALSE(unnamed.openFailure().empty());
}

TEST_F(CommPortDriverExTest, DeviceTheUserMayNotOpenIsNamedWithItsGroup) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may open every device";
    ASSERT_EQ(::chmod(terminal.path().c_str(), 0), 0);
    TCommPortDriverEx port;
    port.setPortName(terminal.path());
    EXPECT_FALSE(port.open());
    EXPECT_NE(port.openFailure().find("permission denied (the device belongs to group"),
              std::string::npos)
        << port.openFailure();
}

TEST_F(CommPortDriverExTest, DeviceThatDisappearsClosesThePort) {
    TCommPortDriverEx port;
    port.setPortName(terminal.path());
    ASSERT_TRUE(port.open());
    port.StartCapture();
    farEndWrites("partial");
    pump(30);
    terminal.close();
    pump(100);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.sendByte('A'));
    EXPECT_EQ(port.GetReceived(), "partial");
}

TEST_F(CommPortDriverExTest, PortListStartsWithTheOpenPort) {
    TCommPortDriverEx port;
    port.ScanPorts();
    const int closedCount = port.CommCount();
    EXPECT_EQ(port.CommName(0), "");
    EXPECT_EQ(port.CommName(closedCount + 1), "");
    EXPECT_EQ(port.CommNumber(closedCount + 1), 0);

    port.setPortName(terminal.path());
    ASSERT_TRUE(port.open());
    port.ScanPorts();
    ASSERT_EQ(port.CommCount(), closedCount + 1);
    EXPECT_EQ(port.CommName(1), terminal.path());
    EXPECT_EQ(port.CommNumber(1),
              std::stoi(terminal.path().substr(terminal.path().rfind('/') + 1)) % 256);
}

TEST_F(CommPortDriverExTest, StatusLineAndChosenPort) {
    TCommPortDriverEx port;
    port.setPortName("COM1");
    EXPECT_EQ(port.statusLine("CPU Port: "), "CPU Port: COM1, 9600, 8, N, 1   Hw: RTS   SW: NONE");

    port.applyPortName(terminal.path());
    EXPECT_TRUE(port.isOpen()) << "a different name opens the port";
    port.close();
    port.applyPortName(terminal.path());
    EXPECT_FALSE(port.isOpen()) << "the same name does not reopen a closed port";
}
