#pragma once

#include <QString>
#include <cstdint>

#include "core/MarkTable.h"

namespace kestrel {

// What a painted grid shows: its size and, per cell (row 1..Rows, column 1..Columns), the text,
// its colours and whether it is right-aligned. The painted grids read their drawing model
// through this interface and never compute a text or a colour themselves.
class GridModel {
public:
    virtual ~GridModel() = default;
    virtual int Rows() const = 0;
    virtual int Columns() const = 0;
    virtual QString Text(int row, int col) const = 0;
    virtual CellBack Back(int row, int col) const = 0;
    virtual CellFore Fore(int row, int col) const = 0;
    virtual bool RightAligned(int row, int col) const = 0;
    // A background outside the CellBack palette as 0xAARRGGBB; 0 keeps Back().
    virtual uint32_t BackRgb(int, int) const { return 0; }
    // A text colour outside the CellFore palette as 0xAARRGGBB; 0 keeps Fore().
    virtual uint32_t ForeRgb(int, int) const { return 0; }
};

} // namespace kestrel
