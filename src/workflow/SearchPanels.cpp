#include "workflow/SearchPanels.h"

namespace kestrel {

void ShowSearchPanels(const DocumentRecord& record, clsTCount& count, clsTMeisai& meisai) {
    FlagTable visible{};
    for (size_t c = 0; c < visible.size(); ++c) {
        for (size_t t = 0; t < visible[c].size(); ++t) {
            visible[c][t] = record.Multi[c][t] > 0;
        }
    }
    count.SetVisible(visible);
    count.SetValue(record.SingleFrame);
    meisai.Clear();
    if (record.MsSingleCount > 0) {
        meisai.SetValue(record.Multi);
        meisai.SetSingleCount(record.MsSingleCount);
        meisai.SetTousen(record.MsTousen);
    }
}

void ClearSearchPanels(clsTCount& count, clsTMeisai& meisai) {
    count.Clear();
    meisai.Clear();
}

} // namespace kestrel
