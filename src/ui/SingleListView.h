#pragma once

#include "ui/GridView.h"
#include "workflow/SingleListPage.h"

namespace kestrel {

// The single list view: paints the current page of a SingleListPage (the caption row in button
// face, slots in alternating white and light yellow, selected entries light blue) and reports
// clicks as CellClicked.
class SingleListView : public GridView, private GridModel {
    Q_OBJECT
public:
    static constexpr int kNumberWidth = 56;
    static constexpr int kClassWidth = 22;
    static constexpr int kSummaryWidth = 104;
    static constexpr int kRowHeight = 22;
    static constexpr uint32_t kSelectedRgb = 0xFF99CCFFu;

    explicit SingleListView(const SingleListPage& page, QWidget* parent = nullptr);

private:
    int Rows() const override { return SingleListPage::kRows; }
    int Columns() const override { return SingleListPage::kColumns; }
    QString Text(int row, int col) const override { return m_page.Text(row, col); }
    CellBack Back(int row, int col) const override;
    CellFore Fore(int row, int col) const override;
    bool RightAligned(int row, int col) const override;
    uint32_t BackRgb(int row, int col) const override;

    const SingleListPage& m_page;
};

} // namespace kestrel
