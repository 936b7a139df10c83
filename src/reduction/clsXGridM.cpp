#include "reduction/clsXGridM.h"

#include <algorithm>

#include "reduction/ConditionKind.h"

namespace kestrel {

namespace {

PopupMenuItem Entry(const char* caption, int32_t index) {
    PopupMenuItem item;
    item.Caption = QString::fromUtf8(caption);
    item.Index = index;
    return item;
}

PopupMenuItem Separator() {
    PopupMenuItem item;
    item.Separator = true;
    return item;
}

PopupMenu BuildCellMenu() {
    PopupMenu menu;
    menu.Name = QStringLiteral("mnuCell");
    menu.Items = {Entry("キャンセル", 0),
                  Separator(),
                  Entry("マークを消去", clsXGridM::kClearCell),
                  Entry("削除（×）でマーク", clsXGridM::kCrossCell),
                  Entry("許容（△）でマーク", clsXGridM::kTriangleCell),
                  Entry("行のマークを消去", clsXGridM::kClearRow),
                  Separator(),
                  Entry("←× 左を削除 [Shift+左]", clsXGridM::kCrossLeft),
                  Entry("×→ 右を削除 [Shift+右]", clsXGridM::kCrossRight),
                  Entry("←△ 左を許容 [Ctrl+左]", clsXGridM::kTriangleLeft),
                  Entry("△→ 右を許容 [Ctrl+右]", clsXGridM::kTriangleRight)};
    return menu;
}

PopupMenu BuildHeaderMenu() {
    PopupMenu menu;
    menu.Name = QStringLiteral("mnuHeader");
    menu.Items = {Entry("キャンセル", 0), Separator(),
                  Entry("全てマークを消去", clsXGridM::kClearAll),
                  Entry("全て削除（×）でマーク", clsXGridM::kCrossAll),
                  Entry("全て許容（△）でマーク", clsXGridM::kTriangleAll)};
    return menu;
}

uint8_t Normalised(uint8_t value) {
    return value == kCellBlank || value == kCellTriangle ? value : kCellCross;
}

} // namespace

clsXGridM::clsXGridM(int rows, int cols)
    : m_cellMenu(BuildCellMenu()), m_headerMenu(BuildHeaderMenu()) {
    Resize(rows, cols);
}

void clsXGridM::Resize(int rows, int cols) {
    m_rows = std::max(rows, 0);
    m_cols = std::max(cols, 0);
    m_cells.assign(static_cast<size_t>(m_rows) * static_cast<size_t>(m_cols), kCellBlank);
}

bool clsXGridM::Inside(int row, int col) const {
    return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
}

uint8_t clsXGridM::Cell(int row, int col) const {
    if (!Inside(row, col)) {
        return kCellBlank;
    }
    return m_cells[static_cast<size_t>(row * m_cols + col)];
}

void clsXGridM::SetCell(int row, int col, uint8_t value) {
    if (Inside(row, col)) {
        m_cells[static_cast<size_t>(row * m_cols + col)] = Normalised(value);
    }
}

void clsXGridM::Fill(uint8_t value) {
    std::fill(m_cells.begin(), m_cells.end(), Normalised(value));
}

int clsXGridM::RowMarkCount(int row) const {
    int marks = 0;
    for (int c = 0; c < m_cols; ++c) {
        marks += Cell(row, c) != kCellBlank ? 1 : 0;
    }
    return marks;
}

void clsXGridM::SetLeft(int row, int col, uint8_t value) {
    for (int c = 0; c <= col; ++c) {
        SetCell(row, c, value);
    }
}

void clsXGridM::SetRight(int row, int col, uint8_t value) {
    for (int c = col; c < m_cols; ++c) {
        SetCell(row, c, value);
    }
}

int32_t clsXGridM::Popup(const PopupMenu& menu) const {
    if (!m_popup) {
        return 0;
    }
    const PopupMenuItem* item = menu.Chosen(m_popup(menu));
    return item != nullptr ? item->Index : 0;
}

bool clsXGridM::CellClick(Button button, Keys keys, int row, int col) {
    if (!Inside(row, col)) {
        return false;
    }
    const bool left = button == Button::Left;
    if (keys.Shift || keys.Ctrl) {
        const uint8_t value = keys.Shift ? kCellCross : kCellTriangle;
        if (left) {
            SetLeft(row, col, value);
        } else {
            SetRight(row, col, value);
        }
        return true;
    }
    if (left) {
        SetCell(row, col, Cell(row, col) == kCellBlank ? kCellCross : kCellBlank);
        return true;
    }
    return ApplyCellAction(Popup(m_cellMenu), row, col);
}

bool clsXGridM::ApplyCellAction(int32_t action, int row, int col) {
    switch (action) {
    case kClearCell:
        SetCell(row, col, kCellBlank);
        return true;
    case kCrossCell:
        SetCell(row, col, kCellCross);
        return true;
    case kTriangleCell:
        SetCell(row, col, kCellTriangle);
        return true;
    case kClearRow:
        SetRight(row, 0, kCellBlank);
        return true;
    case kCrossLeft:
        SetLeft(row, col, kCellCross);
        return true;
    case kCrossRight:
        SetRight(row, col, kCellCross);
        return true;
    case kTriangleLeft:
        SetLeft(row, col, kCellTriangle);
        return true;
    case kTriangleRight:
        SetRight(row, col, kCellTriangle);
        return true;
    default:
        return false;
    }
}

bool clsXGridM::HeaderClick(Button button) {
    if (button != Button::Right) {
        return false;
    }
    switch (Popup(m_headerMenu)) {
    case kClearAll:
        Fill(kCellBlank);
        return true;
    case kCrossAll:
        Fill(kCellCross);
        return true;
    case kTriangleAll:
        Fill(kCellTriangle);
        return true;
    default:
        return false;
    }
}

QString clsXGridM::CellText(uint8_t value) {
    if (value == kCellBlank) {
        return QString();
    }
    return value == kCellTriangle ? QStringLiteral("△") : QStringLiteral("×");
}

} // namespace kestrel
