#pragma once

// Paints the laid-out report pages with QPainter and writes them as PDF.

#include "summary/report_layout.h"

#include <QByteArray>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QPaintDevice;
class QPagedPaintDevice;

namespace skarvion {

// How a text is drawn at `scale` device pixels per template unit: its font,
// made smaller where the text would not fit its box otherwise (a long number,
// a language file's longer caption), and its alignment and wrapping flags,
// which break a wrapped text's over-long words anywhere. Nothing is cut off.
struct FittedReportText {
    QFont font;
    int flags = 0; // Qt::AlignmentFlag and Qt::TextFlag values
};
FittedReportText FitReportText(const ReportText& text, double scale, QPaintDevice& device);

// Paints the pages one after another, each scaled to fit the device's page
// with its top left corner at the device's origin; `newPage` starts the next
// device page and may refuse (painting then stops). False, with nothing
// painted, when the device's page has no room to speak of; false also when
// the device cannot be painted on or a page could not be started.
bool PaintReport(QPaintDevice& device, const ReportPages& pages,
                 const std::function<bool()>& newPage);
bool PaintReport(QPagedPaintDevice& device, const ReportPages& pages);

// The report as a PDF document of A4 pages without margins.
QByteArray ReportPdf(const ReportPages& pages, const QString& title);

// Writes the PDF to `path`, replacing an existing file only by a complete new
// one. An error text naming the file when it fails.
std::optional<QString> WriteReportPdf(const QString& path, const ReportPages& pages,
                                      const QString& title);

} // namespace skarvion
