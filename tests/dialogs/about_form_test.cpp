#include "dialogs/about_form.h"

#include "recording_launcher.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using namespace skarvion;

namespace {

using skarvion::testing::RecordingLauncher;

class AboutFormTest : public ::testing::Test {
  protected:
    QLabel* label(const char* name) { return form.findChild<QLabel*>(name); }

    RecordingLauncher launcher;
    TAboutForm form{launcher};
};

TEST_F(AboutFormTest, ShowsVersionAndSupportedDeviceVersions) {
    EXPECT_EQ(label("LabelVersion")->text(), "Version 6.2x.02");
    EXPECT_EQ(label("LabelDeviceVersions")->text(),
              QString::fromUtf8("Для версий 2050 5.20-5.29, 6.20-6.29, 7.20-7.29"));
    EXPECT_EQ(label("ImageLogo")->pixmap().size(), QSize(340, 116));
}

TEST_F(AboutFormTest, AddressLabelsOpenMailAndBrowser) {
    form.show();
    QTest::mouseClick(label("LabelMail"), Qt::LeftButton);
    QTest::mouseClick(label("LabelWeb"), Qt::LeftButton);
    ASSERT_EQ(launcher.opened.size(), 2u);
    EXPECT_EQ(launcher.opened[0].scheme(), "mailto");
    EXPECT_EQ(launcher.opened[0].path(), TAboutForm::supportMailAddress());
    EXPECT_EQ(launcher.opened[1], QUrl(TAboutForm::webAddress()));
}

} // namespace
