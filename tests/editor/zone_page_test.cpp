#include "editor/zone_page.h"

#include "dialogs/edit_let_num.h"

#include "page_test_support.h"

#include <QRadioButton>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

QRadioButton* button(QWidget& page, int index) {
    auto* b = page.findChild<QRadioButton*>(QStringLiteral("RBtypez%1").arg(index));
    EXPECT_NE(b, nullptr) << index;
    return b;
}

} // namespace

class ZonePageTest : public PageTest {};

TEST_F(ZonePageTest, InputTwoAsPerimeterEndsWalkThroughZones) {
    model.OperatingMode = ControlPanelMode;
    model.input(2).ZoneType = ZoneEntryExit;
    model.input(4).ZoneType = ZoneWalkThrough;
    ZonePage page(context);
    select(KindExtraInfo, 2);
    page.fill();
    EXPECT_FALSE(button(page, 0)->isVisibleTo(&page));
    EXPECT_TRUE(button(page, 1)->isChecked());
    EXPECT_FALSE(button(page, 4)->isEnabled());
    button(page, 3)->click();
    EXPECT_EQ(model.input(2).ZoneType, ZonePerimeter);
    EXPECT_EQ(model.input(4).ZoneType, Zone24Hour);
    EXPECT_EQ(modified, 1);

    select(KindExtraInfo, 4);
    page.fill();
    EXPECT_TRUE(button(page, 2)->isChecked());
    EXPECT_FALSE(button(page, 1)->isEnabled());
    EXPECT_FALSE(button(page, 4)->isEnabled()) << "input 2 is no longer entry/exit";

    page.findChild<TEditLetNum*>(QStringLiteral("ENumSwinger"))->setText(QStringLiteral("9"));
    EXPECT_EQ(model.input(4).SwingerCount, 9);
    EXPECT_EQ(modified, 2);
}
