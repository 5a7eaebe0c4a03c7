#include "locale/stored_choices.h"

#include "locale_fixtures.h"

#include <QDir>

#include <gtest/gtest.h>

namespace skarvion {
namespace {

class StoredChoicesTest : public test::PreferencesFixture {
  protected:
    QString programDirectory() const { return path("program") + "/"; }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(path("program"))); }
};

TEST_F(StoredChoicesTest, AMissingOrInvalidWorkPathBecomesTheProgramDirectory) {
    const QStringList bad{"", path("no-such-folder"), writeFile("file.txt", "x")};
    for (const QString& stored : bad) {
        preferences.setWorkPath(stored);
        const WorkingDirectory chosen = resolveWorkPath(preferences, programDirectory());
        EXPECT_EQ(chosen.path, programDirectory()) << stored.toStdString();
        EXPECT_TRUE(chosen.isProgramDirectory);
        EXPECT_EQ(preferences.workPath(), programDirectory());
    }
    settings.setValue("WorkPath", QStringList{"a", "b"});
    EXPECT_EQ(resolveWorkPath(preferences, programDirectory()).path, programDirectory());
}

TEST_F(StoredChoicesTest, AnExistingWorkPathIsKeptWithOrWithoutItsSeparator) {
    ASSERT_TRUE(QDir().mkpath(path("work")));
    for (const QString& stored : {path("work"), path("work") + "/"}) {
        preferences.setWorkPath(stored);
        const WorkingDirectory chosen = resolveWorkPath(preferences, programDirectory());
        EXPECT_EQ(chosen.path, stored);
        EXPECT_FALSE(chosen.isProgramDirectory);
        EXPECT_EQ(preferences.workPath(), stored);
    }
    preferences.setWorkPath(programDirectory());
    EXPECT_TRUE(resolveWorkPath(preferences, programDirectory()).isProgramDirectory);
}

struct PortCase {
    const char* name;
    std::optional<QString> stored;
    QStringList ports;
    int index;
    QString written;
};

class CpuPortTest : public test::PreferencesFixture,
                    public ::testing::WithParamInterface<PortCase> {};

TEST_P(CpuPortTest, SelectsTheStoredPortAndStoresTheSelection) {
    const PortCase& c = GetParam();
    if (c.stored) preferences.setCpuPort(*c.stored);
    EXPECT_EQ(resolveCpuPort(preferences, c.ports), c.index);
    EXPECT_EQ(preferences.cpuPort(), c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CpuPortTest,
    ::testing::Values(PortCase{"NothingStored", std::nullopt, {"COM1", "COM2"}, -1, ""},
                      PortCase{"EmptyTakesFirst", QString(""), {"COM1", "COM2"}, 0, "COM1"},
                      PortCase{"IgnoresCase", QString("com2"), {"COM1", "COM2"}, 1, "COM2"},
                      PortCase{"NotInList", QString("COM9"), {"COM1"}, -1, ""},
                      PortCase{"NoPorts", QString("COM1"), {}, -1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace skarvion
