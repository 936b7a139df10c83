#include "ui/SingleListView.h"

namespace kestrel {

SingleListView::SingleListView(const SingleListPage& page, QWidget* parent)
    : GridView(parent), m_page(page) {
    std::vector<int> widths{kNumberWidth};
    widths.insert(widths.end(), 24, kClassWidth);
    widths.push_back(kSummaryWidth);
    SetColumnWidths(widths);
    SetRowHeight(kRowHeight);
    SetModel(this);
}

CellBack SingleListView::Back(int row, int col) const {
    int slot = 0;
    int goalClass = 0;
    if (row == 1 || col == 1) {
        return CellBack::ButtonFace;
    }
    if (SingleListPage::ClassAt(col, slot, goalClass)) {
        return SlotRowBack(slot);
    }
    return CellBack::White;
}

CellFore SingleListView::Fore(int row, int col) const {
    int slot = 0;
    int goalClass = 0;
    return row > 1 && SingleListPage::ClassAt(col, slot, goalClass) ? CellFore::Blue
                                                                    : CellFore::Black;
}

bool SingleListView::RightAligned(int row, int col) const {
    return row > 1 && (col == 1 || col >= SingleListPage::kFirstSummaryColumn);
}

uint32_t SingleListView::BackRgb(int row, int col) const {
    return col == 1 && m_page.Selected(m_page.EntryAt(row)) ? kSelectedRgb : 0;
}

} // namespace kestrel
