#include "print/SheetRenderer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <functional>
#include <utility>

#include "platform/TextFile.h"
#include "platform/Version.h"

namespace kestrel {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kLineWidth = 0.1;
constexpr int kPdfResolution = 1200;
// Japanese fallback where the sheet font is not installed.
const QString kFallbackFont = QStringLiteral("IPAGothic");
const QString kFailed = QStringLiteral("に失敗しました。");

QColor ToColor(PrintColor c) {
    return QColor(c.r, c.g, c.b);
}

void DrawText(QPainter& painter, const PrintPrimitive& p, double scale) {
    QFont font;
    font.setFamilies({p.font, kFallbackFont});
    font.setPointSizeF(p.size);
    painter.setFont(font);
    painter.setPen(ToColor(p.color));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double top = p.y * scale - metrics.height() / 2;
    painter.drawText(QPointF(p.x * scale, top + metrics.ascent()), p.text);
}

} // namespace

void SheetRenderer::InitializePage(QPagedPaintDevice& device,
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
            return;
        }
    }
}

void SheetRenderer::DrawPage(QPainter& painter, const SheetPage& page, double scale) {
    for (const PrintPrimitive& p : page.items) {
        const QColor color = ToColor(p.color);
        switch (p.kind) {
        case PrintPrimitive::Kind::FilledRect:
            painter.fillRect(QRectF(p.x * scale, p.y * scale, p.w * scale, p.h * scale), color);
            break;
        case PrintPrimitive::Kind::OutlineRect:
            painter.setPen(QPen(color, kLineWidth * scale));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(p.x * scale, p.y * scale, p.w * scale, p.h * scale));
            break;
        case PrintPrimitive::Kind::Line:
            painter.setPen(QPen(color, kLineWidth * scale));
            painter.drawLine(QPointF(p.x * scale, p.y * scale),
                             QPointF(p.x2 * scale, p.y2 * scale));
            break;
        case PrintPrimitive::Kind::Text:
            DrawText(painter, p, scale);
            break;
        }
    }
}

bool SheetRenderer::Render(QPagedPaintDevice& device, const std::vector<SheetPage>& pages,
                           const PrinterSettings& settings, bool separateJobs) {
    if (pages.empty()) {
        return true;
    }
    InitializePage(device, settings);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (size_t i = 0; i < pages.size(); ++i) {
        // Device units per millimetre, read per page since the device may change with it.
        const double scale = device.logicalDpiX() / kMillimetresPerInch;
        DrawPage(painter, pages[i], scale);
        if (i + 1 == pages.size()) {
            break;
        }
        InitializePage(device, settings);
        if (separateJobs && pages[i].endsJob) {
            painter.end();
            if (!painter.begin(&device)) {
                return false;
            }
        } else {
            device.newPage();
        }
    }
    return painter.end();
}

bool SheetRenderer::WritePdf(const QString& path, const std::vector<SheetPage>& pages,
                             const PrinterSettings& settings) {
    const QString failed = QStringLiteral("ファイルの保存に失敗しました。\r\n") + path;
    if (pages.empty()) {
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QString::fromLatin1(kProductName));
        writer.setTitle(QFileInfo(path).fileName());
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        if (!Render(writer, pages, settings, false)) {
            m_error.Report(QStringLiteral("WritePdf"), failed);
            return false;
        }
    }
    QString error;
    if (!TextFile::WriteBytes(path, buffer.data(), &error)) {
        m_error.Report(QStringLiteral("WritePdf"), failed);
        return false;
    }
    return true;
}

} // namespace kestrel
