#include "summary/report_preview.h"

#include "model/model_operations.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace skarvion;

namespace {

// Never destroyed: run from the exit handlers, the application's clean-up
// would reach the print support's statics after they are gone.
QApplication& application() {
    static int argc = 1;
    static char name[] = "report_preview_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// Runs `answer` on the next modal dialog of type T as soon as it shows.
template <typename T> void whenShown(std::function<void(T&)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(*dialog);
        }
    });
    timer->start(20);
}

void clickOk(QDialog& dialog) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* button : box->buttons())
        if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) return button->click();
    FAIL() << "no OK button";
}

// Comes first among the bases so the application exists before the printer.
struct WithApplication {
    WithApplication() { application(); }
};

// A preview of an A4 portrait PDF printer with the guarded page setup.
class GuardedPageSetup : public WithApplication, public ::testing::Test {
  protected:
    void SetUp() override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(10, 10, 10, 10)));
        dialog = std::make_unique<QPrintPreviewDialog>(&printer);
        GuardReportPageSetup(*dialog, printer);
        for (QAction* action : dialog->findChildren<QAction*>())
            if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", "Page setup"))
                pageSetup = action;
        ASSERT_NE(pageSetup, nullptr);
    }

    // Opens the page setup, lets `choose` work its controls and presses OK.
    void runPageSetup(std::function<void(QPageSetupDialog&)> choose) {
        whenShown<QPageSetupDialog>([choose](QPageSetupDialog& setup) {
            choose(setup);
            clickOk(setup);
        });
        pageSetup->trigger();
    }

    QPrinter printer{QPrinter::HighResolution};
    std::unique_ptr<QPrintPreviewDialog> dialog;
    QAction* pageSetup = nullptr;
};

} // namespace

TEST_F(GuardedPageSetup, AChosenPaperAndOrientationReachThePreviewedPrinter) {
    runPageSetup([](QPageSetupDialog& setup) {
        auto* sizes = setup.findChild<QComboBox*>("pageSizeCombo");
        ASSERT_NE(sizes, nullptr);
        sizes->setCurrentIndex(sizes->findText(QPageSize(QPageSize::A5).name()));
        setup.findChild<QRadioButton*>("landscape")->click();
    });
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(GuardedPageSetup, APaperWithoutRoomForTheReportKeepsTheLayoutBefore) {
    const QPageLayout before = printer.pageLayout();
    runPageSetup([](QPageSetupDialog& setup) {
        auto* sizes = setup.findChild<QComboBox*>("pageSizeCombo");
        ASSERT_NE(sizes, nullptr);
        sizes->setCurrentIndex(sizes->findText(QPageSetupDialog::tr("Custom")) >= 0
                                   ? sizes->findText(QPageSetupDialog::tr("Custom"))
                                   : sizes->count() - 1);
        for (const char* name : {"pageWidth", "pageHeight"})
            setup.findChild<QDoubleSpinBox*>(name)->setValue(20);
    });
    EXPECT_TRUE(printer.pageLayout().isEquivalentTo(before));

    runPageSetup([](QPageSetupDialog& setup) {
        for (const char* name : {"leftMargin", "rightMargin"})
            setup.findChild<QDoubleSpinBox*>(name)->setValue(100);
    });
    EXPECT_TRUE(printer.pageLayout().isEquivalentTo(before));
}

TEST(ReportPdfExport, WritesTheChosenFileAndAddsTheSuffix) {
    application();
    QTemporaryDir dir;
    const ConfigurationModel m = StartupModel();
    const LanguageTexts texts;
    const ReportPages pages = LayOutReport({m, texts, {}});

    whenShown<QFileDialog>([&dir](QFileDialog& files) {
        auto* name = files.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(dir.filePath("report"));
        QMetaObject::invokeMethod(&files, "accept");
    });
    EXPECT_EQ(ExportReportPdf(nullptr, pages, "t", dir.filePath("x.pdf")).toStdString(),
              dir.filePath("report.pdf").toStdString());
    QFile written(dir.filePath("report.pdf"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF-"));

    whenShown<QFileDialog>([](QFileDialog& files) { files.reject(); });
    EXPECT_EQ(ExportReportPdf(nullptr, pages, "t", dir.filePath("y.pdf")), QString());
    EXPECT_FALSE(QFile::exists(dir.filePath("y.pdf")));
}
