// skarvion-cli read and write against skarvion-sim, as a user runs them.

#include "app/project_file.h"
#include "link/device_operations.h"
#include "link/protocol_codec.h"
#include "model/device_image.h"
#include "model/model_operations.h"
#include "model_fixtures.h"
#include "sim/state_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

struct CliRun {
    int exitCode;
    QString errors;
};

class CliDeviceCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override { sim_.setProcessChannelMode(QProcess::ForwardedErrorChannel); }
    void TearDown() override { stopSimulator(); }

    void stopSimulator() {
        sim_.terminate();
        sim_.waitForFinished(5000);
    }

    QString startSimulator(const QStringList& arguments) {
        sim_.start(SKARVION_SIM_PATH, arguments);
        EXPECT_TRUE(sim_.waitForStarted(5000));
        while (!sim_.canReadLine() && sim_.waitForReadyRead(5000)) {
        }
        return QString::fromUtf8(sim_.readLine().trimmed());
    }

    CliRun cli(const QStringList& arguments) {
        QProcess process;
        process.start(SKARVION_CLI_PATH, arguments);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }

    QProcess sim_;
    QTemporaryDir dir;
};

} // namespace

// The device keeps what was written across a restart, and a read gives it back.
TEST_F(CliDeviceCommandsTest, WriteThenReadAfterARestartRoundTripsAProject) {
    const QString written = dir.filePath("written.SK2050");
    const QString read = dir.filePath("read.SK2050");
    const QString state = dir.filePath("device.state");
    ASSERT_TRUE(WriteProjectFile(written, FullyConfiguredModel()).ok());

    const CliRun write =
        cli({"write", "--port", startSimulator({"--quiet", "--state", state}), written, "--yes"});
    EXPECT_EQ(write.exitCode, 0) << write.errors.toStdString();
    EXPECT_TRUE(write.errors.contains(QString::fromUtf8("Запись - завершено")));
    EXPECT_EQ(sim::LoadState(state.toStdString()),
              BuildPayload(EncodeImage(FullyConfiguredModel())) + std::string(Wire::Trailer))
        << "the device committed the payload and trailer it was sent";
    stopSimulator();

    const CliRun readRun =
        cli({"read", "--port", startSimulator({"--quiet", "--state", state}), "-o", read});
    EXPECT_EQ(readRun.exitCode, 0) << readRun.errors.toStdString();
    EXPECT_TRUE(readRun.errors.contains(QString::fromUtf8("Чтение - завершено")));

    ConfigurationModel expected = StartupModel();
    DecodeImage(EncodeImage(FullyConfiguredModel()), expected);
    expected.PrintInfo.FirmwareVersion = " SK2050 v5.10";
    ConfigurationModel actual = StartupModel();
    ASSERT_TRUE(ReadProjectFile(read, actual).ok());
    EXPECT_TRUE(ModelsEqual(expected, actual));
}

TEST_F(CliDeviceCommandsTest, SilentDeviceFailsAndWritesNoFile) {
    const QString out = dir.filePath("never.SK2050");
    const CliRun run = cli({"read", "--port", startSimulator({"--silent", "--quiet"}), "-o", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QString::fromUtf8("Устройство не отвечает")))
        << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(CliDeviceCommandsTest, DeclinedWriteChangesNothing) {
    const QString project = dir.filePath("p.SK2050");
    const QString state = dir.filePath("device.state");
    ASSERT_TRUE(WriteProjectFile(project, StartupModel()).ok());
    // Standard input is closed, so the question gets no "yes".
    const CliRun run =
        cli({"write", "--port", startSimulator({"--quiet", "--state", state}), project});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("cancelled, nothing was sent")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(state));
}
