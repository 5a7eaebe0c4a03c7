#include "summary/report_preview.h"

#include "summary/report_painter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace skarvion {

void ShowReportPreview(QWidget* parent, const ReportPages& pages, const QString& title) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setFullPage(true);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("ReportPreview"));
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter* target) { PaintReport(*target, pages); });
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
