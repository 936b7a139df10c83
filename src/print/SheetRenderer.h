#pragma once

#include <QString>
#include <functional>

#include "platform/ErrorReporter.h"
#include "print/PrintPrimitive.h"
#include "print/PrinterSettings.h"
#include "print/SheetPageSource.h"

class QPagedPaintDevice;
class QPainter;

namespace kestrel {

// Draws sheet pages on a paged device: a printer (QPrinter is a QPagedPaintDevice) or a PDF
// writer. Pages are drawn as the source hands them out and dropped once drawn.
class SheetRenderer {
public:
    // Told about every page once it is drawn.
    using PageDone = std::function<void(const SheetPage&)>;

    // Sets the device to A4 in the chosen orientation. A step that the device refuses is
    // reported and the rest of the set-up is skipped; false then. A printer takes a new page
    // layout only while no painter is active on it, so this runs before a job starts.
    bool InitializePage(QPagedPaintDevice& device, const PrinterSettings& settings) const;
    // separateJobs: a page whose endsJob is set closes the job and the next page opens a new
    // one (a printer takes one job per painter session). False when painting could not start.
    bool Render(QPagedPaintDevice& device, SheetPageSource& pages, const PrinterSettings& settings,
                bool separateJobs, const PageDone& pageDone = {});
    // All pages into one PDF file, A4 with no margins, streamed into a temporary file beside the
    // target that replaces it only when complete. False (reported with the file's error) when
    // there is nothing to write or the file cannot be written; an existing file then stays.
    bool WritePdf(const QString& path, SheetPageSource& pages, const PrinterSettings& settings,
                  const PageDone& pageDone = {});

private:
    bool BeginJob(QPainter& painter, QPagedPaintDevice& device,
                  const PrinterSettings& settings) const;

    ErrorReporter m_error{QStringLiteral("SheetRenderer")};
};

} // namespace kestrel
