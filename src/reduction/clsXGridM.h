#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/PopupMenu.h"

namespace kestrel {

// The count grid of a condition page (and the score grid) as a model: rows x columns of cells
// blank / "×" / "△" with the click and menu rules; the widget draws CellText and forwards clicks.
//
// Left click: toggles blank and "×" (a "△" becomes blank). Shift+left: "×" on the cell and every
// cell to its left; Shift+right: on the cell and every cell to its right. Ctrl does the same with
// "△"; Shift wins when both are held. Right click without modifier: the cell menu. Right click
// on the header: the header menu for every cell.
class clsXGridM {
public:
    enum class Button { Left, Right };
    struct Keys {
        bool Shift = false;
        bool Ctrl = false;
    };
    using PopupHandler = std::function<MenuChoice(const PopupMenu& menu)>;

    // Index values of the cell menu entries.
    enum CellAction : int32_t {
        kClearCell = 1,
        kCrossCell,
        kTriangleCell,
        kClearRow,
        kCrossLeft,
        kCrossRight,
        kTriangleLeft,
        kTriangleRight,
    };
    // Index values of the header menu entries.
    enum HeaderAction : int32_t { kClearAll = 1, kCrossAll, kTriangleAll };

    clsXGridM(int rows = 0, int cols = 0);

    void SetPopupHandler(PopupHandler handler) { m_popup = std::move(handler); }

    // New size; every cell blank.
    void Resize(int rows, int cols);
    int Rows() const { return m_rows; }
    int Cols() const { return m_cols; }
    // 0 outside the grid.
    uint8_t Cell(int row, int col) const;
    // Ignored outside the grid; values other than blank, "×" and "△" are stored as "×".
    void SetCell(int row, int col, uint8_t value);
    void Fill(uint8_t value);
    // Number of non-blank cells of a row.
    int RowMarkCount(int row) const;

    // A click on cell (row, col), both from 0. Returns true when a cell changed.
    bool CellClick(Button button, Keys keys, int row, int col);
    // A click on the header row: the right button opens the header menu.
    bool HeaderClick(Button button);

    const PopupMenu& CellMenu() const { return m_cellMenu; }
    const PopupMenu& HeaderMenu() const { return m_headerMenu; }

    // "", "×", "△".
    static QString CellText(uint8_t value);

private:
    bool Inside(int row, int col) const;
    void SetLeft(int row, int col, uint8_t value);
    void SetRight(int row, int col, uint8_t value);
    bool ApplyCellAction(int32_t action, int row, int col);
    int32_t Popup(const PopupMenu& menu) const;

    int m_rows = 0;
    int m_cols = 0;
    std::vector<uint8_t> m_cells; // row-major
    PopupMenu m_cellMenu;
    PopupMenu m_headerMenu;
    PopupHandler m_popup;
};

} // namespace kestrel
