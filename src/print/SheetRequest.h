#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/ScheduleRecord.h"
#include "print/PrinterSettings.h"

namespace kestrel {

// Everything a print or a test print needs: the singles in list order, the options, the page
// choice and the values the sheet's extras show.
struct SheetRequest {
    std::vector<int32_t> Singles;
    PrinterSettings Settings;
    // All pages, or StartPage..EndPage (1-based, inclusive).
    bool AllPages = true;
    int StartPage = 1;
    int EndPage = 1;
    // The round printed as marks; 0 marks nothing.
    int32_t RoundNumber = 0;
    // "A", "B" or empty (no group mark).
    QString Group;
    // The document's file name without folder.
    QString FileName;
    // The round's schedule for the match card; none prints no card.
    std::optional<ScheduleRecord> Schedule;
};

} // namespace kestrel
