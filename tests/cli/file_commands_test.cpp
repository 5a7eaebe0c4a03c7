#include "cli_runner.h"

#include "app/project_file.h"
#include "model/device_image.h"
#include "model/model_operations.h"

#include "file_size_limit.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>


using namespace skarvion;
using skarvion::testing::CliRunner;
using skarvion::testing::CliRun;

namespace {

class CliFileCommands : public ::testing::Test {
protected:
    void SetUp() override {
        cli.write("full.SK2050", ProjectFileBytes(skarvion::testing::FullyConfiguredModel()));
    }
    CliRunner cli;
};

using skarvion::testing::FileSizeLimit;

int lineCount(const QByteArray& text) {
    return static_cast<int>(text.count('\n'));
}

} // namespace

TEST_F(CliFileCommands, NewWritesAFreshProject) {
    const auto run = cli.run({"new", "-o", "fresh.SK2050"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(cli.read("fresh.SK2050"), ProjectFileBytes(StartupModel()));
    EXPECT_EQ(cli.run({"verify", "fresh.SK2050"}).exitCode, 0);
}

TEST_F(CliFileCommands, ExportImportRoundTripIsByteExact) {
    ASSERT_EQ(cli.run({"export", "full.SK2050", "-o", "full.json"}).exitCode, 0);
    const auto run = cli.run({"import", "full.json", "-o", "again.SK2050"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(cli.read("again.SK2050"), cli.read("full.SK2050"));

    const auto toStdout = cli.run({"export", "full.SK2050"});
    EXPECT_EQ(toStdout.out, cli.read("full.json"));
}

TEST_F(CliFileCommands, ImageAndRawExport) {
    ASSERT_EQ(cli.run({"image", "full.SK2050", "-o", "full.bin"}).exitCode, 0);
    const QByteArray image = cli.read("full.bin");
    ASSERT_EQ(image.size(), DeviceImageSize);
    EXPECT_EQ(image, cli.read("full.SK2050").mid(11, DeviceImageSize));

    const auto dump = cli.run({"image", "full.SK2050"});
    EXPECT_EQ(lineCount(dump.out), 57);
    EXPECT_TRUE(dump.out.startsWith("0000: "));

    const auto raw = cli.run({"export", "--raw", "full.bin"});
    EXPECT_EQ(raw.exitCode, 0);
    EXPECT_TRUE(raw.out.contains("\"SmsCentreNumber\": \"+79168999100\""));

    cli.write("short.bin", QByteArray(899, '\0'));
    EXPECT_EQ(cli.run({"export", "--raw", "short.bin"}).exitCode, 1);
}

TEST_F(CliFileCommands, VerifySpeaksTheDesktopWords) {
    QByteArray damaged = cli.read("full.SK2050");
    damaged[100] = static_cast<char>(damaged[100] ^ 1);
    cli.write("damaged.SK2050", damaged);
    cli.write("tiny.SK2050", "SK3X5CR");
    struct Case {
        const char* file;
        const char* words;
    };
    const Case cases[] = {
        {"damaged.SK2050", "Error File Structure !"},
        {"tiny.SK2050", "Selected file can not file of Project"},
        {"absent.SK2050", "Not found."},
    };
    for (const Case& c : cases) {
        const auto run = cli.run({"verify", c.file});
        EXPECT_EQ(run.exitCode, 1) << c.file;
        EXPECT_TRUE(run.err.contains(c.words)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.file)) << run.err.toStdString();
        EXPECT_EQ(lineCount(run.err), 1);
    }
}

TEST_F(CliFileCommands, BadJsonWritesNothingAndNamesTheField) {
    cli.write("old.SK2050", "previous contents");
    struct Case {
        QByteArray json;
        const char* path;
    };
    const Case cases[] = {
        {R"({"Inputs": [{}, {"ReactionTime": 256}]})", "Inputs[1].ReactionTime"},
        {R"({"Outputs": [{"OnText": 5}]})", "Outputs[0].OnText"},
        {R"({"NoSuchField": 1})", "NoSuchField"},
        {R"({"Inputs": )", "bad.json"},
    };
    for (const Case& c : cases) {
        cli.write("bad.json", c.json);
        const auto run = cli.run({"import", "bad.json", "-o", "old.SK2050"});
        EXPECT_EQ(run.exitCode, 2) << c.json.toStdString();
        EXPECT_TRUE(run.err.contains(c.path)) << run.err.toStdString();
        EXPECT_EQ(cli.read("old.SK2050"), "previous contents");
    }
}

TEST_F(CliFileCommands, DiffListsChangedFields) {
    cli.write("a.json", R"({"Inputs": [{}, {"ReactionTime": 10}]})");
    cli.write("b.json", R"({"Inputs": [{}, {"ReactionTime": 12}]})");
    const auto differ = cli.run({"diff", "a.json", "b.json"});
    EXPECT_EQ(differ.exitCode, 1);
    EXPECT_EQ(differ.out, "Inputs[1].ReactionTime: 10 -> 12\n");

    EXPECT_EQ(cli.run({"diff", "a.json", "a.json"}).exitCode, 0);
    ASSERT_EQ(cli.run({"import", "a.json", "-o", "a.SK2050"}).exitCode, 0);
    ASSERT_EQ(cli.run({"export", "a.SK2050", "-o", "a2.json"}).exitCode, 0);
    EXPECT_EQ(cli.run({"diff", "a.SK2050", "a2.json"}).out, "");
    EXPECT_EQ(cli.run({"diff", "a.json", "missing.SK2050"}).exitCode, 2);
}

TEST_F(CliFileCommands, UsageErrors) {
    const QStringList cases[] = {
        {},
        {"frobnicate"},
        {"export"},
        {"export", "full.SK2050", "--colour"},
        {"import", "full.json"},
        {"new"},
    };
    for (const QStringList& arguments : cases) {
        const auto run = cli.run(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
    }
}

TEST_F(CliFileCommands, FullDiskKeepsTheOldOutputFile) {
    cli.write("site.SK2050", "old project");
    cli.write("site.json", "old json");
    struct Case {
        QStringList arguments;
        QString output;
        QByteArray old;
    };
    const Case cases[] = {
        {{"new", "-o", "site.SK2050"}, "site.SK2050", "old project"},
        {{"export", "full.SK2050", "-o", "site.json"}, "site.json", "old json"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        CliRun run;
        {
            FileSizeLimit limit(512); // less than either output takes
            run = cli.run(c.arguments);
        }
        EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.output.toUtf8())) << run.err.toStdString();
        EXPECT_EQ(cli.read(c.output), c.old);
    }
}
