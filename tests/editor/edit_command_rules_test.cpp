#include "editor/edit_command_rules.h"

#include <gtest/gtest.h>

using namespace skarvion;

TEST(EditCommandRules, OnlyTheDelayFieldsAndThePhoneListAreTargets) {
    for (const char* name : {"EditReactinTime1", "EditReturnTime2", "EditLockoutTime1",
                             "EditOutTime2", "VirtualDrawTree4"})
        EXPECT_TRUE(IsEditTargetName(QString::fromLatin1(name))) << name;
    for (const char* name : {"VirtualDrawTree1", "EditPin", "Memo4", "EditSMSCentre", ""})
        EXPECT_FALSE(IsEditTargetName(QString::fromLatin1(name))) << name;
}

TEST(EditCommandRules, CommandsFollowFocusSelectionAndClipboard) {
    using K = EditTargetKind;
    struct Case {
        K kind;
        bool focused, selection, clipboard;
        EditCommandStates expected;
    };
    const Case cases[] = {
        {K::None, true, true, true, {}},
        {K::NumberField, false, true, true, {}},
        {K::NumberField, true, false, false, {false, false, false, false, true}},
        {K::NumberField, true, true, false, {true, true, false, true, true}},
        {K::CharField, true, false, true, {false, false, true, false, true}},
        {K::PhoneList, true, false, false, {true, true, false, true, true}},
        {K::PhoneList, true, false, true, {true, true, true, true, true}},
        {K::PhoneList, false, false, true, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EditCommandStatesFor(c.kind, c.focused, c.selection, c.clipboard), c.expected)
            << static_cast<int>(c.kind) << c.focused << c.selection << c.clipboard;
    }
}

TEST(EditCommandRules, CutAndDeleteLeaveTheHalfSecondDigitZero) {
    const EditState selected{QStringLiteral("125"), 1, 1};
    EXPECT_EQ(CutFieldText(EditTargetKind::NumberField, selected),
              (FieldEdit{QStringLiteral("15"), 1}));
    EXPECT_EQ(CutFieldText(EditTargetKind::CharField, {QStringLiteral("5"), 0, 1}),
              (FieldEdit{QStringLiteral("0"), 1}));
    EXPECT_EQ(DeleteFieldText(EditTargetKind::NumberField), (FieldEdit{QString(), 0}));
    EXPECT_EQ(DeleteFieldText(EditTargetKind::CharField), (FieldEdit{QStringLiteral("0"), 1}));
}

TEST(EditCommandRules, PasteReplacesTheSelectionAndKeepsTheCaret) {
    EXPECT_EQ(PasteFieldText({QStringLiteral("12"), 1, 0}, QStringLiteral("9")),
              (FieldEdit{QStringLiteral("192"), 1}));
    EXPECT_EQ(PasteFieldText({QStringLiteral("123"), 0, 2}, QStringLiteral("7")),
              (FieldEdit{QStringLiteral("73"), 0}));
    EXPECT_EQ(PasteFieldText({QStringLiteral("1"), 9, 4}, QStringLiteral("0")),
              (FieldEdit{QStringLiteral("10"), 1}))
        << "a caret past the text counts as its end";
}
