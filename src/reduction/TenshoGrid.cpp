#include "reduction/TenshoGrid.h"

#include <algorithm>

#include "core/clsTNumber.h"

namespace kestrel {

int TenshoGrid::UsedCols() const {
    return std::clamp(Cols, 0, kCols);
}

int TenshoGrid::UsedRows() const {
    return std::clamp(Rows, 0, kRows);
}

int TenshoGrid::RowMarkCount(int match) const {
    if (match < 0 || match >= UsedRows()) {
        return 0;
    }
    int marks = 0;
    for (int c = 0; c < UsedCols(); ++c) {
        if (Cells[static_cast<size_t>(c)][static_cast<size_t>(match)] != kCellBlank) {
            ++marks;
        }
    }
    return marks;
}

int TenshoGrid::CellOf(int32_t single, int match) {
    return clsTNumber::Digit(single, 2 * match) * 4 + clsTNumber::Digit(single, 2 * match + 1);
}

} // namespace kestrel
