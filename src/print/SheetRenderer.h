#pragma once

#include <QString>
#include <vector>

#include "platform/ErrorReporter.h"
#include "print/PrintPrimitive.h"
#include "print/PrinterSettings.h"

class QPagedPaintDevice;
class QPainter;

namespace kestrel {

// Draws sheet pages on a paged device: a printer (QPrinter is a QPagedPaintDevice) or a PDF
// writer. Before each page the device is set to A4 in the chosen orientation; a step that the
// device refuses is reported and the rest of that page's set-up is skipped.
class SheetRenderer {
public:
    // separateJobs: a page whose endsJob is set closes the job and the next page opens a new
    // one (a printer takes one job per painter session). False when painting could not start.
    bool Render(QPagedPaintDevice& device, const std::vector<SheetPage>& pages,
                const PrinterSettings& settings, bool separateJobs);
    // All pages into one PDF file, A4 with no margins, written atomically. False (reported)
    // when there is nothing to write or the file cannot be written.
    bool WritePdf(const QString& path, const std::vector<SheetPage>& pages,
                  const PrinterSettings& settings);

private:
    void InitializePage(QPagedPaintDevice& device, const PrinterSettings& settings) const;
    static void DrawPage(QPainter& painter, const SheetPage& page, double scale);

    ErrorReporter m_error{QStringLiteral("SheetRenderer")};
};

} // namespace kestrel
