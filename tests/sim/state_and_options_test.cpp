#include "sim/sim_options.h"
#include "sim/state_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

using namespace skarvion::sim;

TEST(StateFile, SavesAndLoadsBytes) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("device.state").toStdString();
    EXPECT_FALSE(LoadState(path).has_value());
    const std::string data("a\0b\xFF", 4);
    ASSERT_TRUE(SaveState(path, data));
    EXPECT_EQ(LoadState(path), data);
    ASSERT_TRUE(SaveState(path, "second"));
    EXPECT_EQ(LoadState(path), "second");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()),
                            std::filesystem::directory_iterator{}),
              1)
        << "no temporary file is left behind";
    EXPECT_FALSE(SaveState(dir.filePath("missing/dir/state").toStdString(), "x"));
}

TEST(SimOptions, ParsesEveryOption) {
    const ParsedOptions parsed = ParseSimOptions(
        {"--state", "s.bin", "--link", "/tmp/tty", "--silent", "--dump-header", "DUMP004",
         "--identification", " X", "--corrupt-echo", "--work-code", "1234", "--quiet"});
    ASSERT_EQ(parsed.error, "");
    const SimOptions& o = parsed.options;
    EXPECT_EQ(o.statePath, "s.bin");
    EXPECT_EQ(o.linkPath, "/tmp/tty");
    EXPECT_TRUE(o.transmitter.silent);
    EXPECT_EQ(o.transmitter.dumpHeader, "DUMP004");
    EXPECT_EQ(o.transmitter.identification, " X");
    EXPECT_TRUE(o.transmitter.corruptEcho);
    EXPECT_EQ(o.transmitter.workCode, "1234");
    EXPECT_TRUE(o.quiet);
}

TEST(SimOptions, RejectsUnknownOptionsAndMissingValues) {
    EXPECT_EQ(ParseSimOptions({"--loud"}).error, "unknown option --loud");
    EXPECT_EQ(ParseSimOptions({"--state"}).error, "--state needs a value");
    EXPECT_TRUE(ParseSimOptions({"--help"}).options.help);
    EXPECT_EQ(ParseSimOptions({}).options.transmitter.dumpHeader, "DUMP005");
}
