#include "editor/print_info_rules.h"

#include "dialogs/edit_key.h"

#include "model_fixtures.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

TEST(PrintInfoRules, NumbersKeepTheirLastFortyCharacters) {
    const QString forty(40, QLatin1Char('x'));
    EXPECT_EQ(KeepLastCharacters(forty, 40), (FieldText{forty, 40}));
    EXPECT_EQ(KeepLastCharacters(forty + QStringLiteral("Y"), 41),
              (FieldText{forty.mid(1) + QStringLiteral("Y"), 40}));
    const QString pasted = QStringLiteral("0123456789").repeated(5);
    EXPECT_EQ(KeepLastCharacters(pasted, 3), (FieldText{pasted.right(40), 0}));
}

TEST(PrintInfoRules, OnlyTheSerialNumberLosesItsBlanks) {
    const QString typed = QStringLiteral(" SN 42 ");
    EXPECT_EQ(SerialNumberFromField(typed), "SN 42");
    EXPECT_EQ(RegNumberFromField(typed), " SN 42 ");
    EXPECT_EQ(SerialNumberFromField(QString::fromUtf8("\tАБ №1")), cp1251("АБ №1"));
    EXPECT_EQ(RegNumberFromField(QString::fromUtf8("x😀y")), "xy")
        << "what the code page cannot hold is left out";
}

TEST(PrintInfoRules, CommentLinesEndInCarriageReturns) {
    const CommentChange change = ApplyCommentChange({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(change.stored, "a\rb\r");
    EXPECT_FALSE(change.linesChanged);
    EXPECT_EQ(CommentLines(change.stored), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    const std::pair<const char*, QStringList> stored[] = {
        {"", {}},
        {"a", {QStringLiteral("a")}},
        {"a\r\rb", {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {"a\r\nb\r\n", {QStringLiteral("a"), QStringLiteral("b")}},
    };
    for (const auto& [text, lines] : stored)
        EXPECT_EQ(CommentLines(text), lines) << text;
    EXPECT_EQ(ApplyCommentChange(MemoLines(QString())).stored, "");
}

TEST(PrintInfoRules, CommentHoldsThreeHundredCharactersOverAllLines) {
    const QString long350(350, QLatin1Char('z'));
    const CommentChange pasted = ApplyCommentChange({long350});
    EXPECT_TRUE(pasted.linesChanged);
    EXPECT_EQ(pasted.lines, QStringList{long350.left(300)});
    EXPECT_EQ(pasted.stored, Text(300, 'z') + "\r");

    const CommentChange spread = ApplyCommentChange(
        {QString(250, QLatin1Char('a')), QString(60, QLatin1Char('b')), QStringLiteral("c")});
    EXPECT_EQ(spread.lines, (QStringList{QString(250, QLatin1Char('a')),
                                         QString(50, QLatin1Char('b')), QString()}));

    const QStringList full{QString(300, QLatin1Char('q'))};
    EXPECT_FALSE(CommentKeyAccepted(full, QLatin1Char('x')));
    EXPECT_TRUE(CommentKeyAccepted(full, BackspaceKey));
    EXPECT_TRUE(CommentKeyAccepted(full, EnterKey));
    EXPECT_TRUE(CommentKeyAccepted({QString(299, QLatin1Char('q'))}, QLatin1Char('x')));
}

TEST(PrintInfoRules, MemoLinesCountAsTheMemoDoes) {
    EXPECT_EQ(MemoLines(QString()), QStringList{});
    EXPECT_EQ(MemoLines(QStringLiteral("a\n")), QStringList{QStringLiteral("a")});
    EXPECT_EQ(MemoLines(QStringLiteral("a\n\nb")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
}
