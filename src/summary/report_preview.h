#pragma once

// The report's preview window and its export to a PDF file.

#include "summary/report_layout.h"

#include <QString>

class QWidget;

namespace skarvion {

// Shows the pages in a modal print preview (zoom, page setup, print to any
// printer or to a PDF file). The pages are painted again whenever the
// preview's printer changes.
void ShowReportPreview(QWidget* parent, const ReportPages& pages, const QString& title);

// Asks for a PDF file name, starting from `suggestedPath`, and writes the
// report there; a failure is shown in an error box. The path written, or
// empty when the user cancelled or the file could not be written.
QString ExportReportPdf(QWidget* parent, const ReportPages& pages, const QString& title,
                        const QString& suggestedPath);

} // namespace skarvion
