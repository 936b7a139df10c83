#include "print/SheetRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <optional>
#include <utility>

#include "platform/Version.h"

namespace kestrel {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kLineWidth = 0.1;
constexpr int kPdfResolution = 1200;
// Japanese fallback where the sheet font is not installed.
const QString kFallbackFont = QStringLiteral("IPAGothic");
const QString kFailed = QStringLiteral("に失敗しました。");
const QString kSaveFailed = QStringLiteral("ファイルの保存に失敗しました。");

QColor ToColor(PrintColor c) {
    return QColor(c.r, c.g, c.b);
}

// Draws the primitives of pages at a fixed scale (device units per millimetre). The font and its
// metrics are kept while the texts ask for the same font, which they do page after page.
class PageDrawer {
public:
    PageDrawer(QPainter& painter, double scale) : m_painter(painter), m_scale(scale) {}

    // A new job starts with a fresh painter state: the font is set again on the next text.
    void NewJob(double scale) {
        m_scale = scale;
        m_metrics.reset();
    }

    void Draw(const SheetPage& page) {
        for (const PrintPrimitive& p : page.items) {
            Draw(p);
        }
    }

private:
    void Draw(const PrintPrimitive& p) {
        const QColor color = ToColor(p.color);
        const double k = m_scale;
        switch (p.kind) {
        case PrintPrimitive::Kind::FilledRect:
            m_painter.fillRect(QRectF(p.x * k, p.y * k, p.w * k, p.h * k), color);
            break;
        case PrintPrimitive::Kind::OutlineRect:
            m_painter.setPen(QPen(color, kLineWidth * k));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(QRectF(p.x * k, p.y * k, p.w * k, p.h * k));
            break;
        case PrintPrimitive::Kind::Line:
            m_painter.setPen(QPen(color, kLineWidth * k));
            m_painter.drawLine(QPointF(p.x * k, p.y * k), QPointF(p.x2 * k, p.y2 * k));
            break;
        case PrintPrimitive::Kind::Text:
            DrawText(p, color);
            break;
        }
    }

    // The text starts at x and is centred vertically on y.
    void DrawText(const PrintPrimitive& p, const QColor& color) {
        if (!m_metrics || p.font != m_family || p.size != m_size) {
            QFont font;
            font.setFamilies({p.font, kFallbackFont});
            font.setPointSizeF(p.size);
            m_painter.setFont(font);
            m_family = p.font;
            m_size = p.size;
            m_metrics.emplace(m_painter.font(), m_painter.device());
        }
        m_painter.setPen(color);
        const double top = p.y * m_scale - m_metrics->height() / 2;
        m_painter.drawText(QPointF(p.x * m_scale, top + m_metrics->ascent()), p.text);
    }

    QPainter& m_painter;
    double m_scale;
    QString m_family;
    double m_size = 0;
    std::optional<QFontMetricsF> m_metrics;
};

} // namespace

bool SheetRenderer::InitializePage(QPagedPaintDevice& device,
                                   const PrinterSettings& settings) const {
    const QPageLayout::Orientation chosen =
        settings.Landscape() ? QPageLayout::Landscape : QPageLayout::Portrait;
    const QPageLayout::Orientation opposite =
        settings.Landscape() ? QPageLayout::Portrait : QPageLayout::Landscape;
    // Coordinates are converted to device units while drawing, so the scale always holds.
    // The orientation is set twice so that a driver that ignores an unchanged value applies it.
    // The first step that fails is reported and the later ones are skipped.
    const std::pair<const char16_t*, std::function<bool()>> steps[] = {
        {u"スケールの設定", [] { return true; }},
        {u"用紙の設定", [&] { return device.setPageSize(QPageSize(QPageSize::A4)); }},
        {u"印刷方向の設定", [&] { return device.setPageOrientation(opposite); }},
        {u"印刷方向の設定(2)", [&] { return device.setPageOrientation(chosen); }},
    };
    for (const auto& [step, run] : steps) {
        if (!run()) {
            m_error.Report(QStringLiteral("Printer_Initialize"),
                           QString::fromUtf16(step) + kFailed);
            return false;
        }
    }
    return true;
}

// The page layout is set before the painter starts: a printer refuses a new layout while a job
// is active, and every page of a job has the same layout anyway.
bool SheetRenderer::BeginJob(QPainter& painter, QPagedPaintDevice& device,
                             const PrinterSettings& settings) const {
    InitializePage(device, settings);
    return painter.begin(&device);
}

bool SheetRenderer::Render(QPagedPaintDevice& device, SheetPageSource& pages,
                           const PrinterSettings& settings, bool separateJobs,
                           const PageDone& pageDone) {
    if (pages.AtEnd()) {
        return true;
    }
    QPainter painter;
    if (!BeginJob(painter, device, settings)) {
        return false;
    }
    // Device units per millimetre.
    PageDrawer drawer(painter, device.logicalDpiX() / kMillimetresPerInch);
    while (true) {
        const SheetPage page = pages.Next();
        drawer.Draw(page);
        if (pageDone) {
            pageDone(page);
        }
        if (pages.AtEnd()) {
            break;
        }
        if (separateJobs && page.endsJob) {
            painter.end();
            if (!BeginJob(painter, device, settings)) {
                return false;
            }
            drawer.NewJob(device.logicalDpiX() / kMillimetresPerInch);
        } else {
            device.newPage();
        }
    }
    return painter.end();
}

bool SheetRenderer::WritePdf(const QString& path, SheetPageSource& pages,
                             const PrinterSettings& settings, const PageDone& pageDone) {
    if (pages.AtEnd()) {
        return false;
    }
    auto fail = [&](const QString& reason) {
        m_error.Report(QStringLiteral("WritePdf"), kSaveFailed + QStringLiteral("\r\n") + path +
                                                       QStringLiteral("\r\n") + reason);
        return false;
    };
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return fail(QStringLiteral("フォルダを作成できません: ") + folder);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(file.errorString());
    }
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QString::fromLatin1(kProductName));
        writer.setTitle(QFileInfo(path).fileName());
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        drawn = Render(writer, pages, settings, false, pageDone);
    }
    if (!drawn || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit()) {
        return fail(file.errorString());
    }
    return true;
}

} // namespace kestrel
