#pragma once

#include <functional>

#include "reduction/ConditionKind.h"
#include "reduction/clsXGridM.h"
#include "ui/GridView.h"

namespace kestrel {

// A count grid of a condition page or the score grid: header rows over rows of blank / "×" / "△"
// cells, each led by a row title. Cell clicks (with the Shift and Ctrl state) and header clicks go
// to the page model's operations; a click on a row title is reported so the page can open the
// row menu.
class MarkGridView : public GridView, private GridModel {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 34;
    static constexpr int kRowHeight = 22;
    // Text of header row h (from 0) over column c (from 0; -1 is the title column).
    using HeaderText = std::function<QString(int h, int c)>;
    // Title of data row r (from 0).
    using RowTitle = std::function<QString(int r)>;

    using CellClickFn =
        std::function<bool(clsXGridM::Button button, clsXGridM::Keys keys, int row, int col)>;
    using HeaderClickFn = std::function<bool(clsXGridM::Button button)>;

    MarkGridView(const clsXGridM& grid, CellClickFn cellClick, HeaderClickFn headerClick,
                 int headerRows, HeaderText header, RowTitle title, int titleWidth,
                 QWidget* parent = nullptr);

signals:
    void Changed();
    void RowTitleClicked(int row);

private:
    int Rows() const override { return m_headerRows + m_grid.Rows(); }
    int Columns() const override { return m_grid.Cols() + 1; }
    QString Text(int row, int col) const override;
    CellBack Back(int row, int col) const override;
    CellFore Fore(int row, int col) const override;
    bool RightAligned(int, int) const override { return false; }
    void OnClicked(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int col, int row);

    const clsXGridM& m_grid;
    CellClickFn m_cellClick;
    HeaderClickFn m_headerClick;
    int m_headerRows;
    HeaderText m_header;
    RowTitle m_title;
};

} // namespace kestrel
