#pragma once

// The report's preview window and its export to a PDF file.

#include "summary/report_layout.h"

#include <QString>

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace skarvion {

// Shows the pages in a modal print preview (zoom, page setup, print to any
// printer or to a PDF file). The pages are painted again whenever the
// preview's printer changes.
void ShowReportPreview(QWidget* parent, const ReportPages& pages, const QString& title);

// Replaces the page setup of a preview of `printer` by one that works on a
// scratch printer of the same kind and hands the chosen layout over only
// when it leaves room for the report (at least 50 mm each way inside the
// margins); a layout without room keeps the one before.
void GuardReportPageSetup(QPrintPreviewDialog& dialog, QPrinter& printer);

// Asks for a PDF file name, starting from `suggestedPath`, and writes the
// report there; a failure is shown in an error box. The path written, or
// empty when the user cancelled or the file could not be written.
QString ExportReportPdf(QWidget* parent, const ReportPages& pages, const QString& title,
                        const QString& suggestedPath);

} // namespace skarvion
