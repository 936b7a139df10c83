#pragma once

#include "core/clsTCount.h"
#include "core/clsTMeisai.h"
#include "documents/DocumentRecord.h"

namespace kestrel {

// Shows a document's search result on the count panel (marked cells of the multi, then the
// single frame) and the summary panel (multi shape, compressed count and hit figures when the
// compressed count is above 0, else cleared).
void ShowSearchPanels(const DocumentRecord& record, clsTCount& count, clsTMeisai& meisai);
// Clears both panels, as when a search starts.
void ClearSearchPanels(clsTCount& count, clsTMeisai& meisai);

} // namespace kestrel
