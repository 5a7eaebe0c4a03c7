#include "editor/external_panel_page.h"

#include "dialogs/edit_let_ch.h"
#include "editor/phone_selector.h"

#include "page_test_support.h"
#include "phone_test_support.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

using namespace skarvion;
using namespace skarvion::testing;

class ExternalPanelPageTest : public PageTest {
  protected:
    ExternalPanelPageTest() {
        model = ModelWithPhones({2, 5});
        model.CrowDataEnabled = 1;
        model.CrowPhone1 = 2;
        model.CrowPhone2 = 5;
        model.CrowPhone2Used = 1;
        select(KindExternalPanel);
    }
};

TEST_F(ExternalPanelPageTest, ChoosingNoneClearsAPhoneAndGreysTheCondition) {
    ExternalPanelPage page(context);
    page.fill();
    QWidget* condition = find<QWidget>(page, "Panel80");
    EXPECT_TRUE(condition->isEnabled());
    EXPECT_EQ(page.selector(2)->currentSlot(), 5);
    EXPECT_EQ(page.selector(3)->currentSlot(), 0);

    emit page.selector(2)->activated(0);
    EXPECT_EQ(model.CrowPhone2, 0);
    EXPECT_EQ(model.CrowPhone2Used, 0);
    EXPECT_FALSE(condition->isEnabled());
    EXPECT_EQ(modified, 1);

    find<QRadioButton>(page, "CRRadioButtonOR")->setChecked(true);
    EXPECT_EQ(model.CrowCondition, 1);

    find<QCheckBox>(page, "Cbcrdata")->click();
    EXPECT_EQ(model.CrowDataEnabled, 0);
    EXPECT_FALSE(page.selector(1)->isEnabled());
    find<QCheckBox>(page, "Cbcrsms")->click();
    EXPECT_EQ(model.CrowSmsEnabled, 1);
    EXPECT_TRUE(find<QWidget>(page, "crowphoncb5")->isEnabled());
    EXPECT_EQ(modified, 4);
}

TEST_F(ExternalPanelPageTest, ObjectNumberTakesDtmfCharactersAndMovesOn) {
    model.CrowAccount = "0000";
    ExternalPanelPage page(context);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    page.fill();
    auto* first = find<TEditLetCh>(page, "CRObj1");
    first->setFocus();
    first->end(false);
    QTest::keyClick(first, Qt::Key_C);
    EXPECT_EQ(model.CrowAccount, "C000");
    EXPECT_TRUE(find<TEditLetCh>(page, "CRObj2")->hasFocus());
    QTest::keyClick(find<TEditLetCh>(page, "CRObj2"), Qt::Key_E);
    EXPECT_EQ(model.CrowAccount, "C000") << "E is no DTMF character";
    EXPECT_TRUE(find<TEditLetCh>(page, "CRObj2")->hasFocus());
}
