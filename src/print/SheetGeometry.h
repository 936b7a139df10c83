#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

#include "print/PrintPrimitive.h"
#include "print/SheetRequest.h"

namespace kestrel {

// The mark-sheet drawing as plain data: what to draw where, in millimetres, for a print and for
// the test print. Ten singles per sheet, each in its own sheet column.
class SheetGeometry {
public:
    static constexpr int kSinglesPerPage = 10;

    // (count - 1) div 10 + 1; 0 for an empty list.
    static int PageCount(int singleCount);
    // First and last page of the request's page choice that exist in the list; first > last
    // when the choice holds no page of the list.
    static std::pair<int, int> PageChoice(const SheetRequest& request);
    // Sheet p of the print, or none when the page receives no single: a page without a single
    // gets nothing, not even its texts. endsJob is set unless all pages go as one job.
    static std::optional<SheetPage> PrintPage(const SheetRequest& request, int page);
    // The alignment page: grid, rulers, every mark position as an outline, sample texts.
    static SheetPage TestPage(const SheetRequest& request);

    // "p/count" right-aligned in 9 characters (the last 9 of ten blanks + "p/count").
    static QString PageText(int page, int pageCount);
    // The longest start of the name that fits in 10 bytes of CP932, whole characters only.
    static QString FileText(const QString& fileName);
    // Team t's card line (t = 1..6): the match date "mm/dd", a blank, the team name's first
    // three characters.
    static QString MatchCardLine(const ScheduleRecord& schedule, int team);
};

} // namespace kestrel
