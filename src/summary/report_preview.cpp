#include "summary/report_preview.h"

#include "summary/report_painter.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace skarvion {

namespace {

// The smallest area, in millimetres each way, a page layout must leave for
// the report: a custom paper of 0 × 0 or margins wider than the paper would
// otherwise give blank pages.
constexpr double SmallestPaintArea = 50;

QAction* previewAction(const QPrintPreviewDialog& dialog, const char* text) {
    const QString name = QCoreApplication::translate("QPrintPreviewDialog", text);
    for (QAction* action : dialog.findChildren<QAction*>())
        if (action->text() == name) return action;
    return nullptr;
}

bool leavesRoomForTheReport(const QPageLayout& layout) {
    const QRectF area = layout.paintRect(QPageLayout::Millimeter);
    return layout.isValid() && area.width() >= SmallestPaintArea &&
           area.height() >= SmallestPaintArea;
}

// The page setup of the preview, run on a scratch printer of the same kind:
// the previewed printer only takes the chosen layout when it leaves room for
// the report, and a new dialog is made each time rather than one kept across
// printer changes made in the print dialog.
void runPageSetup(QPrintPreviewDialog& dialog, QPrinter& printer, QPrintPreviewWidget& preview) {
    QPrinter scratch(QPrinter::HighResolution);
    scratch.setOutputFormat(printer.outputFormat());
    if (printer.outputFormat() == QPrinter::NativeFormat)
        scratch.setPrinterName(printer.printerName());
    scratch.setFullPage(printer.fullPage());
    scratch.setPageLayout(printer.pageLayout());
    QPageSetupDialog setup(&scratch, &dialog);
    if (setup.exec() != QDialog::Accepted || !leavesRoomForTheReport(scratch.pageLayout())) return;
    printer.setPageLayout(scratch.pageLayout());
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    if (QAction* orientation = previewAction(dialog, landscape ? "Landscape" : "Portrait"))
        orientation->setChecked(true);
    if (landscape)
        preview.setLandscapeOrientation();
    else
        preview.setPortraitOrientation();
    preview.updatePreview();
}

} // namespace

void GuardReportPageSetup(QPrintPreviewDialog& dialog, QPrinter& printer) {
    QAction* pageSetup = previewAction(dialog, "Page setup");
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    if (!pageSetup || !preview) return;
    QObject::disconnect(pageSetup, &QAction::triggered, &dialog, nullptr);
    QObject::connect(pageSetup, &QAction::triggered, &dialog,
                     [&dialog, &printer, preview] { runPageSetup(dialog, printer, *preview); });
}

void ShowReportPreview(QWidget* parent, const ReportPages& pages, const QString& title) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // A printer that cannot print to the paper's edge keeps its own margins;
    // the report is scaled into what is left.
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("ReportPreview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [pages](QPrinter* target) { PaintReport(*target, pages); });
    GuardReportPageSetup(dialog, printer);
    dialog.exec();
}

QString ExportReportPdf(QWidget* parent, const ReportPages& pages, const QString& title,
                        const QString& suggestedPath) {
    QFileDialog dialog(parent, title, suggestedPath, QStringLiteral("PDF (*.pdf)"));
    dialog.setObjectName(QStringLiteral("ReportPdfDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf")); // before the overwrite question
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().first();
    if (const auto error = WriteReportPdf(path, pages, title)) {
        QMessageBox::critical(parent, title, *error);
        return {};
    }
    return path;
}

} // namespace skarvion
