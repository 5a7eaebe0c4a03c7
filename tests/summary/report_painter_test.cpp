#include "summary/report_painter.h"

#include "model/model_operations.h"
#include "file_size_limit.h"
#include "model_fixtures.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace skarvion;

namespace {

QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "report_render_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

const LanguageTexts& builtInTexts() {
    static const LanguageTexts texts;
    return texts;
}

// A paint engine that keeps what is drawn: lines of text with their place and
// colour, and frames.
class RecordingEngine : public QPaintEngine {
  public:
    struct Line {
        int page;
        QString text;
        QPointF origin; // start of the baseline
        double width;
        QColor colour;
    };
    struct Frame {
        int page;
        QRectF rect;
    };

    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    int page = 0;
    std::vector<Line> lines;
    std::vector<Frame> frames;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    // A line of mixed scripts comes in several items; they are joined again.
    void drawTextItem(const QPointF& origin, const QTextItem& item) override {
        const double width = QFontMetricsF(item.font()).horizontalAdvance(item.text());
        if (!lines.empty()) {
            Line& last = lines.back();
            if (last.page == page && last.origin.y() == origin.y() &&
                std::abs(last.origin.x() + last.width - origin.x()) < 0.01) {
                last.text += item.text();
                last.width += width;
                return;
            }
        }
        lines.push_back({page, item.text(), origin, width, painter()->pen().color()});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            frames.push_back({page, rects[i]});
    }
    void drawLines(const QLineF*, int) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
};

// An A4 page at 96 dots per inch: one device pixel per template unit.
class RecordingDevice : public QPaintDevice {
  public:
    RecordingEngine engine;
    int width = 794;
    int height = 1123;
    QPaintEngine* paintEngine() const override { return const_cast<RecordingEngine*>(&engine); }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return width;
        case PdmHeight:
            return height;
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 1 << 24;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }
};

struct Painted {
    std::vector<RecordingEngine::Line> lines;
    std::vector<RecordingEngine::Frame> frames;
    int pages = 0;
};

Painted paint(const ReportPages& pages) {
    application();
    RecordingDevice device;
    const bool ok = PaintReport(device, pages, [&device] {
        ++device.engine.page;
        return true;
    });
    EXPECT_TRUE(ok);
    return {device.engine.lines, device.engine.frames, device.engine.page + 1};
}

bool hasLine(const Painted& painted, int page, const QString& text) {
    for (const auto& line : painted.lines)
        if (line.page == page && line.text == text) return true;
    return false;
}

// A model whose texts are as long as the fields allow.
ConfigurationModel longTexts() {
    ConfigurationModel m = skarvion::testing::FullyConfiguredModel();
    m.PrintInfo.SerialNumber = std::string(60, 'W');
    m.PrintInfo.FirmwareVersion = std::string(80, 'M');
    m.PrintInfo.SimPhoneNumber = std::string(70, '8');
    m.PrintInfo.ReportComment = std::string(255, 'W');
    m.SmsCentreNumber = std::string(32, '8');
    m.phone(1).Number = std::string(16, '8');
    return m;
}

} // namespace

TEST(ReportPainter, PaintsBothPagesWithTheirTextsAndFramedTables) {
    const ConfigurationModel m = skarvion::testing::FullyConfiguredModel();
    const Painted painted = paint(LayOutReport({m, builtInTexts(), {}}));
    EXPECT_EQ(painted.pages, 2);

    for (const char* text : {"Настройки", "Skarvion 2050", "For official use",
                             "Серийный номер : SN-0042", "Объект: склад", "второй этаж"})
        EXPECT_TRUE(hasLine(painted, 0, QString::fromUtf8(text))) << text;
    for (const char* text :
         {"Общие настройки устройства SKARVION 2050", "2/6", "+79001112233", "4711", "+79168999100",
          "  Вход 4", "  включен", " +79001234567", " нет", "9", " CLIP & SMS & ALARM & DATA"})
        EXPECT_TRUE(hasLine(painted, 1, QString::fromUtf8(text))) << text;

    for (const auto& line : painted.lines) {
        const bool pin = line.text == "4711";
        EXPECT_EQ(line.colour, pin ? QColor(Qt::red) : QColor(Qt::black))
            << line.text.toStdString();
    }

    int titleFrames = 0, tableFrames = 0;
    for (const auto& frame : painted.frames)
        (frame.page == 0 ? titleFrames : tableFrames)++;
    EXPECT_EQ(titleFrames, 1);
    EXPECT_EQ(tableFrames, 2 + 2 * ReportInputRows + 3 + 3 * ReportPhoneRows);
}

TEST(ReportPainter, EveryLineOfTextStaysInsideItsBox) {
    for (const ConfigurationModel& m :
         {skarvion::testing::FullyConfiguredModel(), StartupModel(), longTexts()}) {
        const ReportPages pages = LayOutReport({m, builtInTexts(), {}});
        const Painted painted = paint(pages);
        ASSERT_FALSE(painted.lines.empty());
        for (const auto& line : painted.lines) {
            const ReportText* owner = nullptr;
            for (const ReportText& text : pages[static_cast<std::size_t>(line.page)].texts)
                if (text.box.contains(line.origin)) owner = &text;
            ASSERT_NE(owner, nullptr) << line.text.toStdString();
            EXPECT_GE(line.origin.x(), owner->box.left()) << line.text.toStdString();
            EXPECT_LE(line.origin.x() + line.width, owner->box.right() + 0.5)
                << line.text.toStdString();
        }
    }
}

TEST(ReportPainter, TheCommentWrapsAndShrinksToItsBox) {
    ConfigurationModel m = StartupModel();
    std::string words;
    for (int i = 0; i < 25; ++i)
        words += "WWWWWWWWW ";
    m.PrintInfo.ReportComment = words;
    const ReportPages pages = LayOutReport({m, builtInTexts(), {}});
    const Painted painted = paint(pages);
    int commentLines = 0;
    for (const auto& line : painted.lines)
        if (line.text.startsWith("WWW")) {
            ++commentLines;
            EXPECT_LE(line.origin.y(), 600 + 372) << "below the comment box";
        }
    EXPECT_GT(commentLines, 1);
}

TEST(ReportPainter, APageWithoutRoomIsNotPainted) {
    application();
    const ConfigurationModel m = StartupModel();
    const ReportPages pages = LayOutReport({m, builtInTexts(), {}});
    for (const QSize size : {QSize(0, 0), QSize(794, 0), QSize(3, 1123)}) {
        RecordingDevice device;
        device.width = size.width();
        device.height = size.height();
        EXPECT_FALSE(PaintReport(device, pages, [] { return true; })) << size.width();
        EXPECT_TRUE(device.engine.lines.empty());
        EXPECT_TRUE(device.engine.frames.empty());
    }
}

TEST(ReportPainter, ThePdfHasTwoA4Pages) {
    application();
    const ConfigurationModel m = skarvion::testing::FullyConfiguredModel();
    const QByteArray pdf = ReportPdf(LayOutReport({m, builtInTexts(), {}}), "test");
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    const QString text = QString::fromLatin1(pdf);
    EXPECT_EQ(text.count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 2);
    // A4 in points, as every page's media box.
    EXPECT_EQ(text.count(QRegularExpression("/MediaBox\\s*\\[0 0 595(\\.0*)? 842(\\.0*)?\\]")), 2);
}

TEST(ReportPainter, WritingReplacesAFileOnlyByACompleteReport) {
    application();
    QTemporaryDir dir;
    const ConfigurationModel m = StartupModel();
    const ReportPages pages = LayOutReport({m, builtInTexts(), {}});

    const QString path = dir.filePath("report.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    EXPECT_FALSE(WriteReportPdf(path, pages, "t"));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.peek(5).startsWith("%PDF-"));

    {
        // A disk that fills up during the write leaves the last report whole.
        const QByteArray complete = written.readAll();
        written.close();
        skarvion::testing::FileSizeLimit limit(512);
        ASSERT_TRUE(limit.active());
        const auto error = WriteReportPdf(path, pages, "t");
        ASSERT_TRUE(error);
        EXPECT_TRUE(error->contains("disk may be full")) << error->toStdString();
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), complete);
    }

    const QString missing = dir.filePath("no/such/folder/report.pdf");
    const auto error = WriteReportPdf(missing, pages, "t");
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->startsWith(missing));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"report.pdf"});
}
