#include "app/model_json.h"

#include "model/model_operations.h"

#include "model_fixtures.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace skarvion;
using skarvion::testing::cp1251;
using skarvion::testing::ModelsEqual;

namespace {

std::optional<JsonError> import(const QByteArray& json, ConfigurationModel& model) {
    model = StartupModel();
    return ModelFromJson(json, model);
}

} // namespace

TEST(ModelJson, ExportThenImportGivesTheSameModel) {
    ConfigurationModel configured = skarvion::testing::FullyConfiguredModel();
    configured.phone(7).Name = cp1251("Охрана");
    ConfigurationModel back;
    ASSERT_FALSE(import(ModelToJson(configured), back));
    EXPECT_TRUE(ModelsEqual(configured, back));
}

TEST(ModelJson, HeaderFirstAndTextsInUtf8) {
    const QByteArray json = ModelToJson(StartupModel());
    EXPECT_TRUE(json.startsWith("{\n  \"format\": \"skarvion-2050\",\n  \"version\": 1,\n  \"AccountNumber\""));
    EXPECT_TRUE(json.contains("\"AlarmText\": \"" + QString("Тревога вход 1").toUtf8() + '"'));
    EXPECT_TRUE(json.contains("\"TestSmsPhones\": [0, 0, 0]"));
    EXPECT_LT(json.indexOf("\"Outputs\""), json.indexOf("\"AudioTxGain\""));
    EXPECT_LT(json.indexOf("\"AudioTxGain\""), json.indexOf("\"PrintInfo\""));
}

TEST(ModelJson, MissingKeysAndShortArraysKeepResetValues) {
    ConfigurationModel m;
    ASSERT_FALSE(import(R"({"Inputs": [{}, {"Enabled": 1, "SmsPhones": [3]}]})", m));
    ConfigurationModel expected = StartupModel();
    expected.input(2).Enabled = 1;
    expected.input(2).SmsPhones[0] = 3;
    EXPECT_TRUE(ModelsEqual(expected, m));
}

TEST(ModelJson, ContradictionsAreKeptAsWrittenAndWarnedAbout) {
    ConfigurationModel m;
    ASSERT_FALSE(import(R"({"AccountNumber": "2468", "PhoneBook": [{"Number": "+7900"}]})", m));
    EXPECT_EQ(m.AccountNumber, "2468");
    EXPECT_EQ(m.TestEventCode, "111160200000");
    EXPECT_EQ(m.phone(1).Empty, 1);
    const auto warnings = ConsistencyWarnings(m);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].path, "PhoneBook[0]");
    EXPECT_EQ(warnings[1].path, "AccountNumber");
    EXPECT_TRUE(ConsistencyWarnings(skarvion::testing::FullyConfiguredModel()).empty());
}

TEST(ModelJson, BadInputNamesTheField) {
    struct Case {
        const char* json;
        const char* path;
    };
    const Case cases[] = {
        {R"({"TestHours": 24})", "TestHours"},
        {R"({"TestHours": 1.5})", "TestHours"},
        {R"({"TestHours": "1"})", "TestHours"},
        {R"({"GsmSignalLevel": 0})", "GsmSignalLevel"},
        {R"({"Inputs": [{}, {"SmsPhones": [1, 2, 41]}]})", "Inputs[1].SmsPhones[2]"},
        {R"({"Inputs": [{}, {"SmsPhones": [1, 2, 3, 4]}]})", "Inputs[1].SmsPhones"},
        {R"({"Inputs": [{}, {}, {}, {}, {}, {}]})", "Inputs"},
        {R"({"Outputs": [{"OnText": "01234567890"}]})", "Outputs[0].OnText"},
        {R"({"Outputs": [{"Colour": 1}]})", "Outputs[0].Colour"},
        {R"({"PhoneBook": [7]})", "PhoneBook[0]"},
        {R"({"AccountNumber": "12X4"})", "AccountNumber"},
        {R"({"PinCode": "12345"})", "PinCode"},
        {R"({"PrintInfo": {"ReportComment": "✓"}})", "PrintInfo.ReportComment"},
        {R"({"Unknown": true})", "Unknown"},
        {R"({"format": "other"})", "format"},
        {R"({"version": 2})", "version"},
        {R"([1, 2])", ""},
        {R"({"Inputs": [)", ""},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = StartupModel();
        m.PrintInfo.SerialNumber = "untouched";
        const ConfigurationModel before = m;
        const auto error = ModelFromJson(c.json, m);
        ASSERT_TRUE(error.has_value()) << c.json;
        EXPECT_EQ(error->path, c.path) << c.json;
        EXPECT_FALSE(error->message.isEmpty());
        EXPECT_TRUE(ModelsEqual(before, m)) << c.json;
    }
}

TEST(ModelJson, FlattenedPathsAreUniqueAndOrdered) {
    const auto values = FlattenModel(StartupModel());
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.front().path, "format");
    EXPECT_EQ(values.back().path, "PrintInfo.FirmwareVersion");
    QSet<QString> seen;
    for (const auto& v : values) seen.insert(v.path);
    EXPECT_EQ(static_cast<std::size_t>(seen.size()), values.size());
}

TEST(ModelJson, DamagedDocumentsNeverCrashTheReader) {
    const QByteArray good = ModelToJson(skarvion::testing::FullyConfiguredModel());
    std::mt19937 random(2050);
    const char noise[] = "{}[]\",:0123456789-.eEtrufalsn \\";
    for (int round = 0; round < 500; ++round) {
        QByteArray json = good;
        for (int k = 0; k < 1 + round % 7; ++k) {
            const int at = std::uniform_int_distribution<int>(0, int(json.size()) - 1)(random);
            json[at] = noise[std::uniform_int_distribution<int>(0, int(sizeof noise) - 2)(random)];
        }
        ConfigurationModel m = StartupModel();
        const ConfigurationModel before = m;
        if (ModelFromJson(json, m)) {
            EXPECT_TRUE(ModelsEqual(before, m));
        }
    }
}
