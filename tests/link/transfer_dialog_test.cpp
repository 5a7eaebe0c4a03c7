// The transfer dialog over the real serial port against the simulated transmitter.

#include "link/comm_port_driver_ex.h"
#include "link/device_operations.h"
#include "link/simulated_device.h"
#include "link/transfer_dialog.h"
#include "model/model_operations.h"
#include "model/windows1251.h"

#include "model_fixtures.h"

#include <QProgressBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace skarvion;

namespace {

class AnsweringMessages : public MessageSink {
public:
    void showMessage(MessageKind, LinkText text) override { shown.push_back(std::string(text.builtIn)); }
    bool confirm(LinkText) override {
        ++questions;
        return answer;
    }
    std::vector<std::string> shown;
    int questions = 0;
    bool answer = true;
};

class TransferDialogTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    LanguageTexts texts;
    AnsweringMessages messages;
    TFormWRCPU dialog{texts, nullptr, &messages};
    TCommPortDriverEx port;
};

} // namespace

TEST_F(TransferDialogTest, WriteThenReadThroughTheSimulatedDevice) {
    SimulatedDevice simulator(SKARVION_SIM_PATH, dir.filePath("device.state"));
    const QString terminal = simulator.terminal();
    ASSERT_FALSE(terminal.isEmpty());
    port.setPortName(terminal.toStdString());

    const ConfigurationModel written = skarvion::testing::FullyConfiguredModel();
    ASSERT_EQ(dialog.write(written, WorkCode, port), TransferOutcome::Success);
    EXPECT_EQ(messages.questions, 1);
    EXPECT_FALSE(port.isOpen());

    ConfigurationModel read = StartupModel();
    DeviceImage image{};
    ASSERT_EQ(dialog.read(read, image, port), TransferOutcome::Success);
    const DeviceImage expected = EncodeImage(written);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 492, expected.begin()));
    EXPECT_TRUE(std::equal(image.begin() + 512, image.begin() + 885, expected.begin() + 512));
    EXPECT_EQ(read.SmsCentreNumber, written.SmsCentreNumber);
    EXPECT_FALSE(read.PrintInfo.FirmwareVersion.empty());
}

TEST_F(TransferDialogTest, DeclinedWriteSendsNothing) {
    SimulatedDevice simulator(SKARVION_SIM_PATH, dir.filePath("device.state"));
    port.setPortName(simulator.terminal().toStdString());
    messages.answer = false;
    EXPECT_EQ(dialog.write(StartupModel(), WorkCode, port), TransferOutcome::Cancelled);
    EXPECT_TRUE(messages.shown.empty());
}
