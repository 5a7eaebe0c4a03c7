#include "summary/report_painter.h"

#include "app/atomic_save.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace skarvion {

namespace {

constexpr double TemplateDpi = 96;
constexpr double TextInset = 2;      // template units between a box's side and its text
constexpr double FrameWidth = 1;     // template units
constexpr double SmallestFit = 0.05; // only ends the search; any line fits long before
constexpr double FitStep = 0.95;
constexpr double SmallestScale = 0.01; // device pixels per template unit

int alignmentFlags(const ReportStyle& style) {
    int flags = style.verticallyCentred ? Qt::AlignVCenter : Qt::AlignTop;
    switch (style.align) {
    case ReportAlign::Left:
        flags |= Qt::AlignLeft;
        break;
    case ReportAlign::Center:
        flags |= Qt::AlignHCenter;
        break;
    case ReportAlign::Right:
        flags |= Qt::AlignRight;
        break;
    }
    if (style.wrap) flags |= Qt::TextWordWrap;
    return flags;
}

QRectF deviceRect(const QRectF& box, double scale) {
    return QRectF(box.x() * scale, box.y() * scale, box.width() * scale, box.height() * scale);
}

QRectF textArea(const ReportText& text, double scale) {
    return deviceRect(text.box.adjusted(TextInset, 0, -TextInset, 0), scale);
}

QFont baseFont(const ReportStyle& style, double scale, const QPaintDevice& device) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(style.bold);
    // Template points are 1/72 inch at 96 template units per inch; the device
    // turns point sizes into pixels by its own resolution.
    font.setPointSizeF(style.pointSize * TemplateDpi * scale / device.logicalDpiY());
    return font;
}

// A single line may stand a little over its box's height (the template's
// boxes are tight); anything wider than the box, or several lines taller than
// it, does not fit.
bool fits(const QFont& font, const ReportText& text, int flags, double scale,
          QPaintDevice& device) {
    const QRectF area = textArea(text, scale);
    const QFontMetricsF metrics(font, &device);
    const QRectF needed = metrics.boundingRect(area, flags, text.text);
    const bool oneLine = needed.height() < 1.5 * metrics.lineSpacing();
    return needed.width() <= area.width() + 0.5 &&
           (oneLine || needed.height() <= area.height() + 0.5);
}

double pageScale(const QPaintDevice& device) {
    return std::min(device.width() / ReportPageWidth, device.height() / ReportPageHeight);
}

void paintPage(QPainter& painter, QPaintDevice& device, const ReportPage& page, double scale) {
    QPen pen(Qt::black);
    pen.setWidthF(FrameWidth * scale);
    for (const QLineF& rule : page.rules) {
        painter.setPen(pen);
        painter.drawLine(QLineF(rule.p1() * scale, rule.p2() * scale));
    }
    for (const ReportText& text : page.texts) {
        if (text.style.framed) {
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(deviceRect(text.box, scale));
        }
        if (text.text.isEmpty()) continue;
        const FittedReportText fitted = FitReportText(text, scale, device);
        painter.setPen(text.style.red ? Qt::red : Qt::black);
        painter.setFont(fitted.font);
        painter.drawText(textArea(text, scale), fitted.flags | Qt::TextDontClip, text.text);
    }
}

} // namespace

FittedReportText FitReportText(const ReportText& text, double scale, QPaintDevice& device) {
    FittedReportText fitted{baseFont(text.style, scale, device), alignmentFlags(text.style)};
    // A word longer than a wrapped box's width is broken where it must be.
    if (text.style.wrap && !fits(fitted.font, text, fitted.flags, scale, device))
        fitted.flags = (fitted.flags & ~Qt::TextWordWrap) | Qt::TextWrapAnywhere;
    const double size = fitted.font.pointSizeF();
    for (double factor = 1; factor >= SmallestFit; factor *= FitStep) {
        fitted.font.setPointSizeF(size * factor);
        if (fits(fitted.font, text, fitted.flags, scale, device)) break;
    }
    return fitted;
}

bool PaintReport(QPaintDevice& device, const ReportPages& pages,
                 const std::function<bool()>& newPage) {
    // A page without room (a custom paper of nothing) is not painted at all.
    const double scale = pageScale(device);
    if (!(scale > SmallestScale)) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    bool first = true;
    for (const ReportPage& page : pages) {
        if (!first && !newPage()) return false;
        first = false;
        paintPage(painter, device, page, scale);
    }
    return painter.end();
}

bool PaintReport(QPagedPaintDevice& device, const ReportPages& pages) {
    return PaintReport(device, pages, [&device] { return device.newPage(); });
}

QByteArray ReportPdf(const ReportPages& pages, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Skarvion PRO"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        if (!PaintReport(writer, pages)) return {};
    }
    return bytes;
}

std::optional<QString> WriteReportPdf(const QString& path, const ReportPages& pages,
                                      const QString& title) {
    const QByteArray bytes = ReportPdf(pages, title);
    if (bytes.isEmpty()) return path + ": the report could not be painted";
    if (const auto why = SaveAtomically(path, bytes)) return path + ": " + *why;
    return std::nullopt;
}

} // namespace skarvion
