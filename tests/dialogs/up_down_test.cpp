#include "dialogs/up_down.h"

#include "dialogs/edit_let_num.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace skarvion;

namespace {

class UpDownTest : public ::testing::Test {
  protected:
    // A recent-files count: 1..10, two digits.
    void SetUp() override {
        field.setNumberCount(2);
        field.setMaxNumber(10);
        field.setMinNumber(1);
        field.setNumber(9);
        upDown.setAssociate(&field);
    }

    QToolButton* button(const char* name) { return upDown.findChild<QToolButton*>(name); }

    TEditLetNum field;
    TUpDown upDown;
};

TEST_F(UpDownTest, ArrowsStepTheFieldWithinItsBounds) {
    QSignalSpy clicked(&upDown, &TUpDown::clicked);
    QTest::mouseClick(button("UpButton"), Qt::LeftButton);
    QTest::mouseClick(button("UpButton"), Qt::LeftButton);
    EXPECT_EQ(field.number(), 10);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(1).at(0).toInt(), 10);

    field.setNumber(2);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(button("DownButton"), Qt::LeftButton);
    EXPECT_EQ(field.number(), 1);
}

TEST_F(UpDownTest, StepsFromWhatWasTypedIntoTheField) {
    field.selectAll();
    QTest::keyClicks(&field, "4");
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.text(), "5");
    QTest::keyClick(&field, Qt::Key_Down);
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.text(), "3");
}

} // namespace
