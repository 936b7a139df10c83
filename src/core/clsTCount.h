#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "core/MarkTable.h"

namespace kestrel {

// The count panel: the single frame of a list (goal class x slot) as counts or percentages. The
// widget draws CellText in CellColour on SlotRowBack(slot); this model computes them.
//
// Grid: 4 columns (captions "0".."3"), 7 rows (row 1 the header in button face, rows 2..7 slots
// 1..6), font size 11, cells 5 characters wide.
class clsTCount {
public:
    using RedrawHandler = std::function<void()>;
    // Passed on to the owner after a click on a slot row: button, shift, column 1..4, row 1..7.
    using ClickHandler = std::function<void(int button, int shift, int col, int row)>;

    static constexpr int kColumns = 4;
    static constexpr int kRows = 7;
    static constexpr int kCellWidth = 5;

    void SetRedrawHandler(RedrawHandler handler) { m_redraw = std::move(handler); }
    void SetClickHandler(ClickHandler handler) { m_click = std::move(handler); }

    // Copies the values and redraws.
    void SetValue(const CountTable& values);
    // Copies the shown flags (no redraw).
    void SetVisible(const FlagTable& flags) { m_shown = flags; }
    // Copies the highlight flags (no redraw).
    void SetColor(const FlagTable& flags) { m_highlight = flags; }
    // Every value 0, redraws.
    void Clear();
    bool Percent() const { return m_percent; }
    void SetPercent(bool percent);
    void Refresh() const { Redraw(); }
    // Shows or hides the panel (the widget reads Visible).
    void SetPanelVisible(bool visible) { m_visible = visible; }
    bool PanelVisible() const { return m_visible; }

    // A click on the grid (row 1..7): a slot row toggles the percentage mode, redraws and passes
    // the click on; the header row does nothing.
    void MouseClick(int button, int shift, int col, int row);

    static QString HeaderText(int goalClass); // "0".."3"
    // Right-aligned in five characters; blank for a class not shown whose value is 0.
    QString CellText(int goalClass, int slotIndex) const;
    CellFore CellColour(int goalClass, int slotIndex) const;
    int32_t Value(int goalClass, int slotIndex) const { return m_values[goalClass][slotIndex]; }

private:
    void Redraw() const;

    CountTable m_values{};
    FlagTable m_shown{};
    FlagTable m_highlight{};
    bool m_percent = false;
    bool m_visible = true;
    RedrawHandler m_redraw;
    ClickHandler m_click;
};

} // namespace kestrel
