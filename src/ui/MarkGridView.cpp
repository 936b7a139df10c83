#include "ui/MarkGridView.h"

namespace kestrel {

MarkGridView::MarkGridView(const clsXGridM& grid, CellClickFn cellClick, HeaderClickFn headerClick,
                           int headerRows, HeaderText header, RowTitle title, int titleWidth,
                           QWidget* parent)
    : GridView(parent), m_grid(grid), m_cellClick(std::move(cellClick)),
      m_headerClick(std::move(headerClick)), m_headerRows(headerRows), m_header(std::move(header)),
      m_title(std::move(title)) {
    SetFontPointSize(10);
    SetColumnWidths({titleWidth, kCellWidth});
    SetRowHeight(kRowHeight);
    SetModel(this);
    connect(this, &GridView::CellClicked, this, &MarkGridView::OnClicked);
}

QString MarkGridView::Text(int row, int col) const {
    if (row <= m_headerRows) {
        return m_header(row - 1, col - 2);
    }
    if (col == 1) {
        return m_title(row - m_headerRows - 1);
    }
    return clsXGridM::CellText(m_grid.Cell(row - m_headerRows - 1, col - 2));
}

CellBack MarkGridView::Back(int row, int col) const {
    if (row <= m_headerRows || col == 1) {
        return CellBack::ButtonFace;
    }
    return SlotRowBack(row - m_headerRows - 1);
}

CellFore MarkGridView::Fore(int row, int col) const {
    if (row <= m_headerRows || col == 1) {
        return CellFore::Black;
    }
    return m_grid.Cell(row - m_headerRows - 1, col - 2) == kCellTriangle ? CellFore::Blue
                                                                         : CellFore::Red;
}

void MarkGridView::OnClicked(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int col,
                             int row) {
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        return;
    }
    const auto which =
        button == Qt::LeftButton ? clsXGridM::Button::Left : clsXGridM::Button::Right;
    bool changed = false;
    if (row <= m_headerRows) {
        changed = m_headerClick(which);
    } else if (col == 1) {
        emit RowTitleClicked(row - m_headerRows - 1);
        return;
    } else {
        const clsXGridM::Keys keys{(modifiers & Qt::ShiftModifier) != 0,
                                   (modifiers & Qt::ControlModifier) != 0};
        changed = m_cellClick(which, keys, row - m_headerRows - 1, col - 2);
    }
    if (changed) {
        update();
        emit Changed();
    }
}

} // namespace kestrel
