#include "cli_runner.h"

#include "app/project_file.h"

#include "model_fixtures.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace skarvion;
using skarvion::testing::CliRunner;

namespace {

// The command runs as on a machine without a screen.
class ReportCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            qunsetenv(name);
        cli.write("full.SK2050", ProjectFileBytes(skarvion::testing::FullyConfiguredModel()));
        cli.write("old.pdf", "old contents");
    }
    CliRunner cli;
};

int pageCount(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")));
}

} // namespace

TEST_F(ReportCommand, WritesTheTwoPageReportOfAProject) {
    const auto run = cli.run({"report", "full.SK2050", "-o", "old.pdf"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QByteArray pdf = cli.read("old.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pageCount(pdf), 2);
}

TEST_F(ReportCommand, TakesJsonAndALanguageFile) {
    cli.write("fresh.json", R"({"format": "skarvion-2050", "version": 1, "PinCode": "1234"})");
    cli.write("lang.lng", "[Main]\nName=Test\n[Language]\nREP_BASE_CAPTION=Settings\n");
    const auto run = cli.run({"report", "fresh.json", "--language", "lang.lng", "-o", "new.pdf"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(pageCount(cli.read("new.pdf")), 2);
}

TEST_F(ReportCommand, FailuresSayWhyInOneLineAndWriteNothing) {
    cli.write("broken.SK2050", "not a project");
    cli.write("bad.json", R"({"format": "skarvion-2050", "version": 1, "PinCode": 7})");
    const struct {
        QStringList arguments;
        int exitCode;
        const char* named; // what the message must name
    } cases[] = {
        {{"report", "full.SK2050"}, 2, "-o"},
        {{"report", "-o", "old.pdf"}, 2, "report"},
        {{"report", "full.SK2050", "-o", "old.pdf", "--colour"}, 2, "colour"},
        {{"report", "missing.SK2050", "-o", "old.pdf"}, 1, "missing.SK2050"},
        {{"report", "broken.SK2050", "-o", "old.pdf"}, 1, "broken.SK2050"},
        {{"report", "bad.json", "-o", "old.pdf"}, 2, "PinCode"},
        {{"report", "full.SK2050", "--language", "none.lng", "-o", "old.pdf"}, 1, "none.lng"},
        {{"report", "full.SK2050", "-o", "no/such/folder/out.pdf"}, 1, "no/such/folder/out.pdf"},
    };
    for (const auto& c : cases) {
        const std::string what = c.arguments.join(' ').toStdString();
        const auto run = cli.run(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << what;
        EXPECT_EQ(run.err.count('\n'), 1) << what << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.named)) << what << ": " << run.err.toStdString();
        EXPECT_EQ(cli.read("old.pdf"), "old contents") << what;
    }
}
