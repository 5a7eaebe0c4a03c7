#pragma once

// The printed report's two pages as data: the template's framed and plain
// text fields at their places, and its bands laid out into pages with every
// variable filled in. Places are in template units, 1/96 inch, on an A4
// portrait page; painting scales them to the real page.

#include "summary/report_variables.h"

#include <QLineF>
#include <QRectF>
#include <QString>

#include <vector>

namespace skarvion {

inline constexpr double ReportPageWidth = 794;   // A4, 210 mm
inline constexpr double ReportPageHeight = 1123; // A4, 297 mm

enum class ReportAlign { Left, Center, Right };

struct ReportStyle {
    double pointSize = 11;
    bool bold = false;
    ReportAlign align = ReportAlign::Left;
    bool verticallyCentred = false;
    bool framed = false; // all four borders
    bool red = false;
    bool wrap = false; // breaks long lines at blanks
};

// One text of a laid-out page.
struct ReportText {
    QRectF box;
    QString text; // lines separated by '\n'
    ReportStyle style;
};

struct ReportPage {
    std::vector<ReportText> texts;
    std::vector<QLineF> rules;
};

using ReportPages = std::vector<ReportPage>;

// `pattern` with each "[NAME]" replaced by the value of that variable for
// `record`, converted to Unicode, carriage returns turned into line breaks.
QString FillReportText(const char* pattern, const ReportSource& source, int record);

// The two pages of the report, bands repeated for their records.
ReportPages LayOutReport(const ReportSource& source);

} // namespace skarvion
