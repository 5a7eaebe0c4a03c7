#include "locale/device_models.h"

#include "locale_fixtures.h"

#include <gtest/gtest.h>

namespace skarvion {
namespace {

class DeviceModelsTest : public test::PreferencesFixture {
  protected:
    void registerModel(const QString& suffix, const QString& name, const QString& file,
                       const QString& type, const std::optional<QString>& extension) {
        settings.setValue("DEVICE_NAME" + suffix, name);
        settings.setValue("DEVICE_PATH" + suffix, file);
        settings.setValue("DEVICE_TYPE" + suffix, type);
        if (extension) settings.setValue("DEVICE_EXTN" + suffix, *extension);
    }
};

TEST_F(DeviceModelsTest, ReadsCompleteEntriesNewestFirstWithTheDefaultExtension) {
    settings.setValue("SettingPlugin", "Type B");
    registerModel("_1", "Model A", writeFile("a.dll", "a"), "Type A", ".SKA");
    registerModel("_2", "Model B", writeFile("b.dll", "b"), "Type B", std::nullopt);
    settings.setValue("DEVICE_NAME_3", "Incomplete"); // no path or type
    registerModel("_4", "Model D", writeFile("d.dll", "d"), "Type D", "");

    const DeviceModelList list = buildDeviceModelList(preferences);
    EXPECT_EQ(list.selectedType, "Type B");
    ASSERT_EQ(list.entries.size(), 3u);
    EXPECT_EQ(list.entries[0], (DeviceModel{"Model D", path("d.dll"), "Type D", ".q417", "_4"}));
    EXPECT_EQ(list.entries[1].extension, ".q417");
    EXPECT_EQ(list.entries[2], (DeviceModel{"Model A", path("a.dll"), "Type A", ".SKA", "_1"}));
    EXPECT_TRUE(settings.contains("DEVICE_NAME_3"));
}

TEST_F(DeviceModelsTest, RemovesEntriesWhoseFileIsMissing) {
    registerModel("_1", "Gone", path("gone.dll"), "T", ".X");
    registerModel("_2", "Empty path", "", "T", std::nullopt);
    registerModel("_3", "Kept", writeFile("kept.dll", "k"), "T", std::nullopt);

    const DeviceModelList list = buildDeviceModelList(preferences);
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_EQ(list.entries[0].name, "Kept");
    for (const char* prefix : {"DEVICE_NAME", "DEVICE_PATH", "DEVICE_TYPE", "DEVICE_EXTN"}) {
        EXPECT_FALSE(settings.contains(QString(prefix) + "_1")) << prefix;
        EXPECT_FALSE(settings.contains(QString(prefix) + "_2")) << prefix;
    }
    EXPECT_TRUE(list.selectedType.isEmpty());
}

TEST_F(DeviceModelsTest, FindsAndSelectsModelsByExtensionIgnoringCase) {
    registerModel("_1", "A", writeFile("a.dll", "a"), "Type A", ".ska");
    registerModel("_2", "B", writeFile("b.dll", "b"), "Type B", std::nullopt);
    DeviceModelList list = buildDeviceModelList(preferences);

    EXPECT_EQ(findModelByExtension(list, ".SKA"), 1);
    EXPECT_EQ(findModelByExtension(list, ".q417"), 0);
    EXPECT_EQ(findModelByExtension(list, ".SK2050"), -1);

    EXPECT_TRUE(selectModelByExtension(list, preferences, ".Q417"));
    EXPECT_EQ(list.selectedType, "Type B");
    EXPECT_EQ(preferences.settingPlugin(), "Type B");

    EXPECT_FALSE(selectModelByExtension(list, preferences, ".none"));
    EXPECT_EQ(preferences.settingPlugin(), "Type B");
}

} // namespace
} // namespace skarvion
