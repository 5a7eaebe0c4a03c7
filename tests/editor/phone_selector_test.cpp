#include "editor/phone_selector.h"

#include "phone_test_support.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

TEST(PhoneSelectorWidget, ListsNumbersAndReportsTheChosenSlot) {
    const ConfigurationModel model = ModelWithPhones({3, 5});
    const LanguageTexts texts;
    PhoneSelector selector(PhoneSelectorRule{PhoneBookSize, true, false});
    PhoneRef reference = 5;
    selector.load(model, texts, reference);
    ASSERT_EQ(selector.count(), 3);
    EXPECT_EQ(selector.itemText(0), QString::fromUtf8("нет"));
    EXPECT_EQ(selector.itemText(1), "+79000003");
    EXPECT_EQ(selector.currentIndex(), 2);
    EXPECT_EQ(selector.listedCount(), 2);

    QSignalSpy chosen(&selector, &PhoneSelector::slotChosen);
    emit selector.activated(1);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 3);
    emit selector.activated(0);
    EXPECT_EQ(chosen.at(1).at(0).toInt(), 0);
}

TEST(PhoneSelectorWidget, WithoutPhonesShowsNoneAndAsksForThePhoneBook) {
    const ConfigurationModel model = ModelWithPhones({});
    const LanguageTexts texts;
    PhoneSelector selector;
    PhoneRef reference = 4;
    QSignalSpy chosen(&selector, &PhoneSelector::slotChosen);
    selector.load(model, texts, reference);
    EXPECT_EQ(reference, 0);
    EXPECT_EQ(selector.count(), 1);
    EXPECT_EQ(selector.currentText(), QString::fromUtf8("нет"));
    EXPECT_EQ(chosen.count(), 0); // loading reports nothing

    QSignalSpy wanted(&selector, &PhoneSelector::phoneBookWanted);
    selector.show();
    selector.activateWindow();
    selector.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(wanted.count(), 1);
}
