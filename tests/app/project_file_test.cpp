#include "app/project_file.h"

#include "app/image_digest.h"
#include "model/model_operations.h"

#include "model_fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace skarvion;
using skarvion::testing::ModelsEqual;

namespace {

constexpr int ImageStart = 11;
constexpr int DigestStart = 911;
constexpr int StringsStart = 927;

class ProjectFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    void writeBytes(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Reads bytes as a project file over a model with a marker in it, and
    // checks the model is untouched when the read fails.
    ProjectFileResult parse(const QByteArray& bytes) {
        ConfigurationModel model = StartupModel();
        model.PrintInfo.SerialNumber = "before";
        const ConfigurationModel before = model;
        const ProjectFileResult result = ParseProjectFile(bytes, model);
        if (!result.ok()) {
            EXPECT_TRUE(ModelsEqual(before, model));
        }
        loaded = model;
        return result;
    }

    QTemporaryDir dir;
    ConfigurationModel loaded;
};

} // namespace

TEST_F(ProjectFileTest, LayoutOfAFreshProject) {
    const QByteArray bytes = ProjectFileBytes(StartupModel());
    ASSERT_EQ(bytes.size(), 937);
    EXPECT_EQ(bytes.left(ImageStart), QByteArray("\x07\x00SK3X5CR\x84\x03", ImageStart));
    const DeviceImage image = EncodeImage(StartupModel());
    EXPECT_EQ(bytes.mid(ImageStart, DeviceImageSize),
              QByteArray(reinterpret_cast<const char*>(image.data()), DeviceImageSize));
    const auto digest = DigestBytes(ImageDigest(image));
    EXPECT_EQ(bytes.mid(DigestStart, 16),
              QByteArray(reinterpret_cast<const char*>(digest.data()), 16));
    EXPECT_EQ(bytes.mid(StringsStart), QByteArray(10, '\0'));
}

TEST_F(ProjectFileTest, SaveAndOpenKeepsImageFieldsAndPrintInformation) {
    ConfigurationModel saved = skarvion::testing::FullyConfiguredModel();
    saved.PrintInfo.PowerSupplyKind = 2;
    saved.PrintInfo.PowerSupplyText = "not saved";
    ASSERT_TRUE(WriteProjectFile(path("a.SK2050"), saved).ok());

    ConfigurationModel opened = StartupModel();
    opened.PrintInfo.PowerSupplyKind = 1;
    ASSERT_TRUE(ReadProjectFile(path("a.SK2050"), opened).ok());

    ConfigurationModel expected = saved;
    expected.arm().RestoreText.clear();
    expected.PrintInfo.PowerSupplyKind = 1; // not in the file: Open leaves it
    expected.PrintInfo.PowerSupplyText.clear();
    EXPECT_TRUE(ModelsEqual(expected, opened));
}

TEST_F(ProjectFileTest, RejectedFiles) {
    const QByteArray good = ProjectFileBytes(skarvion::testing::FullyConfiguredModel());
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* key;
    };
    auto changed = [&](int offset, char value) {
        QByteArray b = good;
        b[offset] = value;
        return b;
    };
    const Case cases[] = {
        {"399 bytes", good.left(399), "MESSAGE_FALSE_FORMAT_F"},
        {"signature length", changed(0, 8), "MESSAGE_FALSE_FORMAT_F"},
        {"signature", changed(5, 'Y'), "MESSAGE_FALSE_FORMAT_F"},
        {"image byte", changed(ImageStart + 300, 0x55), "MESSAGE_ERR_FILE_STRC"},
        {"digest byte", changed(DigestStart + 15, 0x55), "MESSAGE_ERR_FILE_STRC"},
        {"image length", changed(9, 0x85), "MESSAGE_ERR_FILE_STRC"},
        {"ends inside the image", good.left(600), "MESSAGE_ERR_FILE_STRC"},
        {"ends inside the digest", good.left(DigestStart + 10), "MESSAGE_ERR_FILE_STRC"},
        {"string longer than the file", good.left(good.size() - 3), "MESSAGE_ERR_FILE_STRC"},
    };
    for (const Case& c : cases) {
        const ProjectFileResult result = parse(c.bytes);
        EXPECT_EQ(result.messageKey, c.key) << c.what;
    }
}

TEST_F(ProjectFileTest, AcceptedVariants) {
    ConfigurationModel withInfo = StartupModel();
    withInfo.PrintInfo.SerialNumber = "SN1";
    withInfo.PrintInfo.ReportComment = "line 1\r\nline 2";
    const QByteArray good = ProjectFileBytes(withInfo);

    QByteArray lowerCase = good;
    lowerCase.replace(2, 7, "sk3x5cr");
    ASSERT_TRUE(parse(lowerCase).ok());
    EXPECT_EQ(loaded.PrintInfo.ReportComment, "line 1\r\nline 2");

    // Print information is not protected by the digest.
    QByteArray editedInfo = good;
    editedInfo[StringsStart + 2] = 'X';
    ASSERT_TRUE(parse(editedInfo).ok());
    EXPECT_EQ(loaded.PrintInfo.SerialNumber, "XN1");

    // A file that ends right after the digest has no print information.
    ASSERT_TRUE(parse(good.left(StringsStart)).ok());
    EXPECT_EQ(loaded.PrintInfo.SerialNumber, "");
}

TEST_F(ProjectFileTest, MissingFileNamesThePath) {
    ConfigurationModel model = StartupModel();
    const ProjectFileResult result = ReadProjectFile(path("missing.SK2050"), model);
    EXPECT_EQ(result.messageKey, "MESSAGE_NOT_FIND_F");
    EXPECT_EQ(result.argument, path("missing.SK2050"));
}

TEST_F(ProjectFileTest, FailedSaveLeavesNothingBehind) {
    const QString target = path("no-such-dir/a.SK2050");
    const ProjectFileResult result = WriteProjectFile(target, StartupModel());
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.systemError.isEmpty());
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(ProjectFileTest, SaveReplacesAnExistingFileWhole) {
    writeBytes("a.SK2050", QByteArray(5000, 'x'));
    ASSERT_TRUE(WriteProjectFile(path("a.SK2050"), StartupModel()).ok());
    QFile file(path("a.SK2050"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), ProjectFileBytes(StartupModel()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary left
}

TEST_F(ProjectFileTest, PrintInformationMustFitTheLargestReadableFile) {
    // Strings are read only below the file size modulo 65536: a save that
    // made a larger file would open with every string lost, so it fails.
    writeBytes("a.SK2050", "old");
    ConfigurationModel model = StartupModel();
    model.PrintInfo.SimRegNumber = "REG";
    model.PrintInfo.ReportComment = std::string(65535 - 937 - 3, 'c');
    ASSERT_EQ(ProjectFileBytes(model).size(), 65535);
    ASSERT_TRUE(WriteProjectFile(path("a.SK2050"), model).ok());
    ConfigurationModel reopened = StartupModel();
    ASSERT_TRUE(ReadProjectFile(path("a.SK2050"), reopened).ok());
    EXPECT_EQ(reopened.PrintInfo, model.PrintInfo);

    model.PrintInfo.ReportComment += "cc";
    const ProjectFileResult tooLong = WriteProjectFile(path("a.SK2050"), model);
    EXPECT_FALSE(tooLong.ok());
    EXPECT_TRUE(tooLong.systemError.contains("2 characters too long"))
        << tooLong.systemError.toStdString();
    ConfigurationModel kept = StartupModel();
    ASSERT_TRUE(ReadProjectFile(path("a.SK2050"), kept).ok());
    EXPECT_EQ(kept.PrintInfo.ReportComment.size(), 65535u - 937 - 3);
}

TEST_F(ProjectFileTest, DamagedFilesNeverCrashTheReader) {
    const QByteArray good = ProjectFileBytes(skarvion::testing::FullyConfiguredModel());
    std::mt19937 random(1251);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes = good;
        if (round % 4 == 0) {
            bytes = QByteArray(std::uniform_int_distribution<int>(0, 3000)(random), '\0');
            for (char& b : bytes) b = static_cast<char>(byte(random));
        } else {
            const int flips = 1 + round % 5;
            for (int k = 0; k < flips; ++k) {
                const int at = std::uniform_int_distribution<int>(0, int(bytes.size()) - 1)(random);
                bytes[at] = static_cast<char>(byte(random));
            }
            bytes.truncate(std::uniform_int_distribution<int>(400, int(bytes.size()))(random));
        }
        parse(bytes);
    }
}
