#include "editor/clip_pages.h"

#include "page_test_support.h"
#include "phone_test_support.h"
#include "scripted_asker.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

QPoint cellCentre(QTreeWidget* tree, int slot, int column) {
    QTreeWidgetItem* item = tree->topLevelItem(slot - 1);
    tree->scrollToItem(item);
    const QRect row = tree->visualItemRect(item);
    const int x =
        tree->header()->sectionViewportPosition(column) + tree->header()->sectionSize(column) / 2;
    return {x, row.center().y()};
}

void clickCell(ClipList* list, int slot, ClipColumn call) {
    QTreeWidget* tree = list->list();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      cellCentre(tree, slot, list->columnOf(call)));
}

void doubleClickHeader(ClipList* list, ClipColumn call) {
    QHeaderView* header = list->list()->header();
    const int column = list->columnOf(call);
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, at);
}

class ClipPageTest : public PageTest {
  protected:
    ClipPageTest() { model = ModelWithPhones({4, 6, 11}); }

    std::unique_ptr<ClipPage> open(const ClipPageSpec& entry, int kind, int input, int output) {
        auto page = std::make_unique<ClipPage>(context, entry);
        page->setPhoneAsker(ask.asker());
        page->resize(500, 400);
        page->show();
        select(kind, input, output);
        page->fill();
        return page;
    }

    ScriptedAsker ask;
};

} // namespace

TEST_F(ClipPageTest, InputCallsMoveByClicksAndTheMarksFollow) {
    InputRecord& in = model.input(2);
    in.ClipPhone1 = 4;
    in.ClipPhone2 = 6;
    in.ClipPhone2Used = 1;
    auto page = open(InputClipSpec, KindClip, 2, 0);
    ClipList* list = page->clipList();
    EXPECT_EQ(find<QLabel>(*page, "Label51")->text(), QString::fromUtf8("CLIP настройки Вход 2"));
    EXPECT_TRUE(list->marked(4, ClipColumn::Event1));
    EXPECT_TRUE(list->greyed(ClipColumn::Event2));
    EXPECT_FALSE(list->greyed(ClipColumn::Restore1));

    clickCell(list, 6, ClipColumn::Event1);
    EXPECT_EQ(in.ClipPhone1, 6);
    EXPECT_EQ(in.ClipPhone2, 4);
    EXPECT_TRUE(list->marked(6, ClipColumn::Event1));
    EXPECT_TRUE(list->marked(4, ClipColumn::Restore1));
    EXPECT_EQ(modified, 1);

    clickCell(list, 11, ClipColumn::Restore2); // grey: nothing happens
    EXPECT_EQ(modified, 1);

    find<QCheckBox>(*page, "CheckBox1")->click();
    EXPECT_EQ(in.Clip2Enabled, 1);
    EXPECT_EQ(in.ClipPhone3, 6);
    EXPECT_TRUE(list->marked(6, ClipColumn::Event2));
    EXPECT_EQ(modified, 2);
}

TEST_F(ClipPageTest, RestoreHeaderSwitchesTheCallAndAnEmptyRowAsksForANumber) {
    model.GsmClipPhone1 = 4;
    model.GsmClipPhone2Used = 0;
    auto page = open(GsmClipSpec, KindGsmClip, 1, 1);
    ClipList* list = page->clipList();
    doubleClickHeader(list, ClipColumn::Restore1);
    EXPECT_EQ(model.GsmClipPhone2Used, 1);
    EXPECT_EQ(model.GsmClipPhone2, 11);
    EXPECT_TRUE(list->marked(11, ClipColumn::Restore1));
    EXPECT_TRUE(ask.questions.empty());

    ask.answers = {"+7900111"};
    clickCell(list, 20, ClipColumn::Event1);
    ASSERT_EQ(ask.questions.size(), 1u);
    EXPECT_TRUE(PhoneUsed(model, 20));
    EXPECT_EQ(model.GsmClipPhone1, 20);
    EXPECT_EQ(modified, 2);
}

TEST_F(ClipPageTest, PeriodicListHasEventColumnsOnly) {
    model.TestClipPhone1 = 6;
    auto page = open(PeriodicClipSpec, KindPeriodicClip, 2, 2);
    ClipList* list = page->clipList();
    EXPECT_EQ(list->list()->columnCount(), 3);
    EXPECT_EQ(list->columnOf(ClipColumn::Restore1), -1);
    EXPECT_TRUE(list->greyed(ClipColumn::Event2));
    find<QCheckBox>(*page, "PerCLIP_CB")->click();
    EXPECT_EQ(model.TestClip2Enabled, 1);
    EXPECT_EQ(model.TestClipPhone3, 6);
    clickCell(list, 4, ClipColumn::Event2);
    EXPECT_EQ(model.TestClipPhone3, 4);
    EXPECT_EQ(model.TestClipPhone1, 6);
}

TEST_F(ClipPageTest, APageOfAnotherBranchChangesNothing) {
    auto page = open(GsmClipSpec, KindPeriodicClip, 2, 2);
    EXPECT_FALSE(page->isEnabled());
    const ConfigurationModel before = model;
    emit page->clipList()->cellActivated(4, static_cast<int>(ClipColumn::Event1));
    EXPECT_EQ(model, before);
    EXPECT_EQ(modified, 0);
}
