#include "dialogs/audio_form.h"

#include "dialogs/edit_let_num.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using namespace skarvion;

namespace {

class AudioFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model.AudioTxGain = 1;
        model.AudioRxGain = 1;
        model.AudioCycleCount = 5;
        model.AudioTimeout = 2;
        model.DataProtocol = 1;
    }

    template <typename T> T* control(const char* name) {
        T* found = form.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Replaces what a field shows by typing.
    void typeInto(const char* field, const char* digits) {
        auto* edit = control<TEditLetNum>(field);
        edit->selectAll();
        QTest::keyClicks(edit, digits);
    }

    // Clicks near the left edge, where a radio button has its indicator.
    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    // Runs the dialog modally over the model, doing what the user does once
    // it is on screen.
    AudioDialogOutcome runWithUser(std::function<void()> user) {
        QTimer::singleShot(0, &form, user);
        return editAudioParameters(form, model);
    }

    ConfigurationModel model;
    TAudioForm form;
};

TEST_F(AudioFormTest, FieldsShowTheModelsValues) {
    form.setParameters(audioParametersOf(model));
    form.show();
    EXPECT_EQ(control<TEditLetNum>("EditParameter1")->text(), "1");
    EXPECT_EQ(control<TEditLetNum>("EditParameter3")->text(), "5");
    EXPECT_EQ(control<TEditLetNum>("EditParameter4")->text(), "2");
    EXPECT_TRUE(control<QRadioButton>("RButtonProtocol2")->isChecked());
}

TEST_F(AudioFormTest, OkWritesEveryEditedValue) {
    const AudioDialogOutcome outcome = runWithUser([this] {
        typeInto("EditParameter1", "3");
        typeInto("EditParameter2", "0");
        typeInto("EditParameter3", "12");
        click(control<QWidget>("UpDown4")->findChild<QToolButton*>("UpButton"));
        click(control<QRadioButton>("RButtonProtocol1"));
        click(control<QPushButton>("ButtonOk"));
    });
    EXPECT_TRUE(outcome.accepted);
    EXPECT_TRUE(outcome.changed);
    EXPECT_EQ(model.AudioTxGain, 3);
    EXPECT_EQ(model.AudioRxGain, 0);
    EXPECT_EQ(model.AudioCycleCount, 10); // 12 is beyond the field's bounds
    EXPECT_EQ(model.AudioTimeout, 3);
    EXPECT_EQ(model.DataProtocol, 0);
}

TEST_F(AudioFormTest, CancelLeavesTheModelUnchanged) {
    const ConfigurationModel before = model;
    const AudioDialogOutcome outcome = runWithUser([this] {
        typeInto("EditParameter1", "4");
        click(control<QRadioButton>("RButtonProtocol1"));
        click(control<QPushButton>("ButtonCancel"));
    });
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(audioParametersOf(model), audioParametersOf(before));
}

TEST_F(AudioFormTest, OkWithoutEditsReportsNoChange) {
    const AudioDialogOutcome outcome =
        runWithUser([this] { click(control<QPushButton>("ButtonOk")); });
    EXPECT_TRUE(outcome.accepted);
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(model.AudioCycleCount, 5);
}

TEST_F(AudioFormTest, EditsOfAnEarlierCancelledShowDoNotCarryOver) {
    runWithUser([this] {
        typeInto("EditParameter3", "9");
        click(control<QPushButton>("ButtonCancel"));
    });
    runWithUser([this] { click(control<QPushButton>("ButtonOk")); });
    EXPECT_EQ(model.AudioCycleCount, 5);
}

} // namespace
