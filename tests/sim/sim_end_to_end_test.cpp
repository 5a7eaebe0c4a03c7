// The program's side of the link (serial port, exchange, device operations)
// against skarvion-sim on a pseudo-terminal, in real time.

#include "link/comm_port_driver_ex.h"
#include "link/device_operations.h"
#include "link/event_loop_pump.h"
#include "model/model_operations.h"
#include "model_fixtures.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

struct RecordingSinks : ProgressSink, StepTextSink, MessageSink {
    void setStepProgress(int) override {}
    void setOverallProgress(int) override {}
    void setStepText(LinkText) override {}
    void showMessage(MessageKind, LinkText text) override { keys.emplace_back(text.key); }
    bool confirm(LinkText) override { return true; }
    std::vector<std::string> keys;
};

class SimEndToEndTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "sim_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    }

    // Starts the simulator and opens nothing yet; returns the terminal's path.
    std::string startSimulator(QStringList arguments) {
        sim_ = std::make_unique<QProcess>();
        sim_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim_->start(SKARVION_SIM_PATH, arguments);
        EXPECT_TRUE(sim_->waitForStarted(5000));
        while (!sim_->canReadLine() && sim_->waitForReadyRead(5000)) {
        }
        return sim_->readLine().trimmed().toStdString();
    }

    void stopSimulator() {
        sim_->terminate();
        sim_->waitForFinished(5000);
        sim_.reset();
    }

    void TearDown() override {
        if (sim_) stopSimulator();
    }

    SteadyMillisecondClock clock;
    EventLoopPump pump;
    RecordingSinks sinks;
    LinkEnvironment env{clock, pump, sinks, sinks, sinks};
    std::unique_ptr<QProcess> sim_;
};

} // namespace

TEST_F(SimEndToEndTest, SilentDeviceDoesNotAnswer) {
    TCommPortDriverEx port;
    port.setPortName(startSimulator({"--silent", "--quiet"}));
    ConfigurationModel model = StartupModel();
    DeviceImage readImage{};
    EXPECT_EQ(ReadDevice(model, readImage, port, env), TransferOutcome::Failure);
    EXPECT_EQ(sinks.keys, (std::vector<std::string>{"F2_DEVICE_N_LINK", "F2_ERR_READ"}));
}

TEST_F(SimEndToEndTest, DeviceThatDisappearsDuringAReadEndsItWithTheReadError) {
    TCommPortDriverEx port;
    port.setPortName(startSimulator({"--quiet"}));
    // The data answer takes about a second at 9600 baud; the device goes away during it.
    QTimer::singleShot(900, [this] { sim_->kill(); });
    ConfigurationModel model = StartupModel();
    const ConfigurationModel before = model;
    DeviceImage readImage{};
    EXPECT_EQ(ReadDevice(model, readImage, port, env), TransferOutcome::Failure);
    EXPECT_EQ(sinks.keys, (std::vector<std::string>{"F2_ERR_READ", "F2_ERR_READ"}));
    EXPECT_TRUE(ModelsEqual(before, model));
    EXPECT_FALSE(port.isOpen());
}

TEST_F(SimEndToEndTest, DeviceThatDisappearsDuringAWriteEndsItWithTheWriteError) {
    TCommPortDriverEx port;
    port.setPortName(startSimulator({"--quiet"}));
    // The probes take about two seconds; the frame then takes about one at
    // 9600 baud, and the device goes away while it is on the line.
    QTimer::singleShot(2500, [this] { sim_->kill(); });
    const ConfigurationModel model = FullyConfiguredModel();
    EXPECT_EQ(WriteDevice(model, WorkCode, port, env), TransferOutcome::Failure);
    ASSERT_FALSE(sinks.keys.empty());
    EXPECT_EQ(sinks.keys.front(), "F2_WRITE_ERR");
    EXPECT_FALSE(port.isOpen());
}
