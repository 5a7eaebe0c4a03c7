#include "locale/option_form.h"

#include "dialogs/edit_let_num.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace skarvion;

namespace {

class OptionFormTest : public ::testing::Test {
protected:
    // Runs the dialog, lets `edit` change it while shown, then closes it.
    bool runDialog(TOptionForm& form, const std::function<void()>& edit, bool accept) {
        QTimer::singleShot(0, &form, [&] {
            edit();
            accept ? form.accept() : form.reject();
        });
        return form.execOnPage(TOptionForm::Page::General);
    }

    QTemporaryDir dir;
    QSettings settings{dir.filePath("prefs.ini"), QSettings::IniFormat};
    Preferences preferences{settings};
    LanguageTexts texts;
    QString programDir = dir.path() + '/';
};

} // namespace

TEST_F(OptionFormTest, FirstStartNormalisesTheStoredValues) {
    TOptionForm form(preferences, texts, programDir);
    form.setPorts({"ttyS0", "ttyUSB0"}, false);
    form.loadStoredValues();
    // No stored port: nothing is selected and an empty choice is stored.
    EXPECT_EQ(form.selectedPort(), "");
    EXPECT_EQ(preferences.cpuPort(), QString());
    EXPECT_EQ(preferences.workPath(), programDir);
    // The next activation takes the first listed port.
    form.setPorts({"ttyS0", "ttyUSB0"}, false);
    EXPECT_EQ(form.selectedPort(), "ttyS0");
}

TEST_F(OptionFormTest, CancelPutsBackWhatWasShown) {
    settings.setValue("FileCount", 5);
    TOptionForm form(preferences, texts, programDir);
    form.setPorts({"ttyS0", "ttyUSB0"}, false);
    auto* length = form.findChild<TEditLetNum*>("EditLetNum1");
    ASSERT_NE(length, nullptr);

    EXPECT_FALSE(runDialog(form, [&] { length->setNumber(9); }, false));
    EXPECT_EQ(form.fileListLength(), 5);
    EXPECT_EQ(preferences.fileCount(), 5);

    EXPECT_TRUE(runDialog(form, [&] { length->setNumber(8); }, true));
    EXPECT_EQ(preferences.fileCount(), 8);
}

TEST_F(OptionFormTest, ADevicePathCanBeTyped) {
    TOptionForm form(preferences, texts, programDir);
    form.setPorts({}, true);
    auto* selector = form.findChild<QComboBox*>("ComboBox7");
    ASSERT_NE(selector, nullptr);
    EXPECT_TRUE(selector->isEditable());
    EXPECT_EQ(selector->itemText(selector->count() - 1), TOptionForm::SimulatedDevice);
    EXPECT_TRUE(runDialog(form, [&] { selector->setEditText("/dev/pts/9"); }, true));
    EXPECT_EQ(preferences.cpuPort(), "/dev/pts/9");
}
