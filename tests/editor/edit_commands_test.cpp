#include "editor/edit_commands.h"

#include "dialogs/edit_let_ch.h"
#include "dialogs/edit_let_num.h"
#include "editor/phone_book_page.h"
#include "editor/phone_list_view.h"
#include "editor/time_page.h"

#include "page_test_support.h"
#include "phone_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace skarvion;
using namespace skarvion::testing;

// The time page and the phone book beside the commands, in a shown window.
class EditCommandsTest : public PageTest {
  protected:
    EditCommandsTest() {
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(timePage);
        layout->addWidget(phonePage);
        layout->addWidget(other);
        select(KindInputTime, 2);
        timePage->fill();
        phonePage->fill();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    EditCommandStates states() const {
        return {cut.isEnabled(), copy.isEnabled(), paste.isEnabled(), remove.isEnabled(),
                commands.timer()->isActive()};
    }

    template <typename Field> Field* field(const char* name) {
        auto* f = timePage->findChild<Field*>(QString::fromLatin1(name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    }

    QAction cut, copy, paste, remove;
    int commandModified = 0;
    EditCommands commands{{&cut, &copy, &paste, &remove}, [this] { ++commandModified; }};
    QWidget window;
    InputTimePage* timePage = new InputTimePage(context);
    PhoneBookPage* phonePage = new PhoneBookPage(context);
    QLineEdit* other = new QLineEdit(QStringLiteral("12"));
};

TEST_F(EditCommandsTest, DelayFieldsEnableTheCommandsOnlyWhileFocused) {
    QApplication::clipboard()->setText(QStringLiteral("3"));
    other->setFocus();
    EXPECT_EQ(states(), EditCommandStates{});
    auto* tenths = field<TEditLetCh>("EditReactinTime2");
    tenths->setFocus();
    tenths->deselect();
    EXPECT_EQ(states(), (EditCommandStates{false, false, true, false, true}));
    tenths->selectAll();
    QTest::qWait(2 * EditCommands::TimerInterval);
    EXPECT_EQ(states(), (EditCommandStates{true, true, true, true, true}));

    QApplication::clipboard()->clear();
    QTest::qWait(2 * EditCommands::TimerInterval);
    EXPECT_FALSE(paste.isEnabled()) << "the timer follows the clipboard";

    other->setFocus();
    EXPECT_EQ(states(), EditCommandStates{});
}

TEST_F(EditCommandsTest, DeleteZeroesTheHalfSecondAndEmptiesTheSeconds) {
    model.input(2).ReactionTime = 7; // 3.5 s
    timePage->fill();
    auto* tenths = field<TEditLetCh>("EditReactinTime2");
    tenths->setFocus();
    tenths->selectAll();
    QTest::qWait(2 * EditCommands::TimerInterval);
    ASSERT_TRUE(remove.isEnabled());
    remove.trigger();
    EXPECT_EQ(tenths->text(), "0");
    EXPECT_EQ(model.input(2).ReactionTime, 6);

    auto* whole = field<TEditLetNum>("EditReactinTime1");
    whole->setFocus();
    whole->setSelection(0, 1);
    QTest::qWait(2 * EditCommands::TimerInterval);
    remove.trigger();
    EXPECT_EQ(whole->number(), 0);
    EXPECT_EQ(model.input(2).ReactionTime, 1) << "delays keep at least half a second";
    EXPECT_EQ(commandModified, 0) << "Delete leaves Modified to the field";
}

TEST_F(EditCommandsTest, CutAndPasteGoThroughTheClipboardAndTheFieldsRules) {
    model.input(2).RestoreTime = 2 * 12; // 12 s
    timePage->fill();
    auto* whole = field<TEditLetNum>("EditReturnTime1");
    whole->setFocus();
    QApplication::processEvents(); // the field selects all when it takes the focus
    whole->setSelection(0, 1);
    QTest::qWait(2 * EditCommands::TimerInterval);
    cut.trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "1");
    EXPECT_EQ(whole->text(), "2");
    EXPECT_EQ(model.input(2).RestoreTime, 4);
    whole->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("5x"));
    QTest::qWait(2 * EditCommands::TimerInterval);
    paste.trigger();
    EXPECT_EQ(whole->text(), "25");
    EXPECT_EQ(whole->cursorPosition(), 1) << "the caret returns to where it was";
    EXPECT_EQ(model.input(2).RestoreTime, 50);
    EXPECT_EQ(commandModified, 2);
}

TEST_F(EditCommandsTest, PhoneListCommandsActOnTheSelectedEntry) {
    PutPhone(model, 4);
    phonePage->fill();
    QTreeWidget* list = phonePage->phoneList()->list();
    list->setFocus();
    phonePage->phoneList()->selectRow(4);
    EXPECT_EQ(commands.target(), list);
    EXPECT_TRUE(copy.isEnabled());
    copy.trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "+79000004");
    remove.trigger();
    EXPECT_TRUE(model.phone(4).Empty);
    other->setFocus();
    EXPECT_EQ(states(), EditCommandStates{});
}
