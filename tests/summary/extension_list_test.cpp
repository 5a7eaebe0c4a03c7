#include "summary/extension_list.h"

#include "summary/markup_layout.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

using namespace skarvion;

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "summary_widget_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Comes first among the bases so the application exists before the list.
struct WithApplication {
    WithApplication() { application(); }
};

class ExtensionListTest : public WithApplication, public ::testing::Test {
  protected:
    void SetUp() override {
        list.resize(500, 300);
        QPalette palette = list.palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::Highlight, QColor(0, 0, 200));
        list.setPalette(palette);
    }

    QImage render() {
        list.show();
        return list.viewport()->grab().toImage();
    }

    QRect rowRect(int row) { return list.visualRect(list.model()->index(row, 0)); }

    TExtensionList list;
};

} // namespace

TEST_F(ExtensionListTest, EveryItemGetsTheHeightOfItsMarkup) {
    list.setItemHeight(16);
    list.setLines({"", "/d9", "/ac/sb/z4Title", "/d9/i4/n1/p0/ic/i0/n2/p0/ie/pb"});
    render();
    EXPECT_EQ(rowRect(0).height(), 16);
    EXPECT_EQ(rowRect(1).height(), 7);
    EXPECT_EQ(rowRect(2).height(), 20);
    EXPECT_EQ(rowRect(3).height(), 9);
    EXPECT_EQ(rowRect(1).top(), rowRect(0).bottom() + 1);
}

TEST_F(ExtensionListTest, AHeightIsFixedWhenTheLineIsPutIn) {
    list.setItemHeight(16);
    list.addLine("/d9");
    list.setItemHeight(20);
    list.addLine("/d9");
    list.addLine("/d9");
    list.setLine(2, "/z2"); // a replaced line is measured anew
    render();
    EXPECT_EQ(rowRect(0).height(), 7);
    EXPECT_EQ(rowRect(1).height(), 11);
    EXPECT_EQ(rowRect(2).height(), 22);
}

TEST_F(ExtensionListTest, BordersUseThePenOfTheLastCtAcrossLines) {
    const std::string border = "/i4/n1/p0/ic/i0/n2/p0/ie/pb"; // bottom edge 20..410
    list.setLines({border, "/cr/ct", border, "/cb", border, "/cn/ct", border});
    const QImage image = render();
    auto bottomPixel = [&](int row) {
        const QRect r = rowRect(row);
        return image.pixelColor(200, r.bottom());
    };
    EXPECT_EQ(bottomPixel(0), QColor(Qt::black));
    EXPECT_EQ(bottomPixel(2), QColor(Qt::red));
    EXPECT_EQ(bottomPixel(4), QColor(Qt::red)); // "/cb" alone leaves the pen
    EXPECT_EQ(bottomPixel(6), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(19, rowRect(0).bottom()), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(410, rowRect(0).bottom()), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(411, rowRect(0).bottom()), QColor(Qt::white));
}

TEST_F(ExtensionListTest, SelectionIsPaintedOnlyWithSelColorEn) {
    list.setLines({"first", "second"});
    list.setCurrentRow(1);
    const QPoint probe(450, rowRect(1).center().y());
    EXPECT_FALSE(list.selColorEn());
    EXPECT_EQ(render().pixelColor(probe), QColor(Qt::white));
    list.setSelColorEn(true);
    EXPECT_EQ(render().pixelColor(probe), QColor(0, 0, 200));
}

TEST_F(ExtensionListTest, ProducersReplaceItemZeroAndFillFromText) {
    list.setLine(0, "title");
    list.addLine("body");
    list.setLine(0, "new title");
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"new title", "body"}));

    FillListFromText(list, "a\n\rb\n\r\n\rc\n\r");
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"a", "b", "", "c"}));
    FillListFromText(list, "");
    EXPECT_EQ(list.count(), 0);
}

TEST_F(ExtensionListTest, TextIsDrawnInTheColourTheMarkupAsks) {
    list.setLines({"/cr" + std::string(20, '\xDB')}); // a row of full-width letters
    const QImage image = render();
    const QRect r = rowRect(0);
    // Edges are smoothed into the background, so the count takes every
    // clearly red pixel, not only pure red.
    const auto isRed = [](QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; };
    int red = 0;
    for (int x = 0; x < 200; ++x)
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (isRed(image.pixelColor(x, y))) ++red;
    EXPECT_GT(red, 20);
}
