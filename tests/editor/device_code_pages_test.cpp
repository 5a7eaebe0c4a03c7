#include "editor/pin_page.h"
#include "editor/sms_centre_page.h"

#include "dialogs/edit_let_ch.h"

#include "page_test_support.h"

#include <QTest>

using namespace skarvion;
using namespace skarvion::testing;

class DeviceCodePagesTest : public PageTest {};

TEST_F(DeviceCodePagesTest, ShortPinIsPaddedWithZeros) {
    PinPage page(context);
    select(KindPin);
    page.fill();
    EXPECT_EQ(page.field()->objectName(), "EditPin");
    EXPECT_EQ(page.field()->text(), "0000");
    EXPECT_EQ(modified, 0);
    page.field()->setText("12");
    EXPECT_EQ(model.PinCode, "1200");
    EXPECT_EQ(modified, 1);
    page.field()->setText("12ab"); // the field keeps digits only; nothing new to store
    EXPECT_EQ(modified, 1);
}

TEST_F(DeviceCodePagesTest, SmsCentreKeepsTheLeadingPlusAndDigits) {
    SmsCentrePage page(context);
    select(KindSmsCentre);
    page.fill();
    EXPECT_EQ(page.field()->objectName(), "EditSMSCentre");
    page.field()->setText("+7916+12");
    EXPECT_EQ(model.SmsCentreNumber, "+791612");
    EXPECT_EQ(modified, 1);
}
