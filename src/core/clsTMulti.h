#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "core/MarkTable.h"
#include "core/MenuModel.h"
#include "core/VoteRecord.h"

namespace kestrel {

// The main window's multi: a 4 x 6 table of mark codes with the editing rules of its grid. This
// is the model only; the grid widget draws CellText/CellBackground and forwards clicks to
// MouseClick. Popup menus are shown through the popup handler, which returns what the user chose.
//
// Grid: 4 columns (goal classes 0..3, captions "0".."3"), 7 rows (row 1 the header, rows 2..7
// the team slots 1..6), font size 11.
class clsTMulti {
public:
    enum class Button { Left, Right };
    // Shows a menu and returns the position the user picked (default value: dismissed).
    using PopupHandler = std::function<MenuChoice(const PopupMenu& menu)>;
    // Called whenever the grid must be redrawn.
    using RedrawHandler = std::function<void()>;

    static constexpr int kColumns = 4;
    static constexpr int kRows = 7;
    static constexpr int32_t kPenAutomatic = 99;

    clsTMulti();

    void SetPopupHandler(PopupHandler handler) { m_popup = std::move(handler); }
    void SetRedrawHandler(RedrawHandler handler) { m_redraw = std::move(handler); }

    // Resets the pen to automatic (99) and the automatic flag to true; every cell is a target.
    void Initialize();
    // Sets every mark to 0 and redraws.
    void Clear();
    void GetValue(MarkTable& marks) const;
    // Replaces the mark table and redraws.
    void SetValue(const MarkTable& marks);
    // True exactly where the mark is greater than 0.
    void GetVisible(FlagTable& flags) const;
    // Which cells are targets of the condition page on view (colours only).
    void SetTaishou(const FlagTable& flags);
    void Refresh();
    // Replaces the held vote status (round 0: none loaded).
    void SetVote(const VoteRecord& vote);

    // A click on the grid: column 1..4, row 1..7. A double click is one more click.
    void MouseClick(Button button, int col, int row);

    // "全て投票率順でマーク": marks every slot by vote order; nothing without a vote status.
    void MarkByVoteOrder();

    // Drawing model.
    static QString HeaderText(int goalClass); // "0".."3"
    static QString MarkSymbol(int32_t mark);  // "" "◎" "○" "▲" "△" "×" "☆"
    QString CellText(int goalClass, int slotIndex) const;
    CellBack CellBackground(int goalClass, int slotIndex) const;

    int32_t Mark(int goalClass, int slotIndex) const { return m_marks[goalClass][slotIndex]; }
    int32_t Pen() const { return m_pen; }
    // What a left click on a cell does, as the pen menu names it: "左クリック動作：自動" or
    // "左クリック動作：" + the mark entry ("無し" erases).
    QString PenText() const;
    bool Automatic() const { return m_auto; }
    int LastClass() const { return m_lastClass; }
    int LastSlot() const { return m_lastSlot; }
    const MenuModel& Menu() const { return m_menu; }
    const VoteRecord& Vote() const { return m_vote; }

private:
    void HeaderLeft();
    void HeaderRight();
    void CellLeft(int goalClass, int slotIndex);
    void CellRight(int goalClass, int slotIndex);
    void FillAll(int32_t mark);
    int32_t PopupIndex(const PopupMenu& menu);
    void Redraw() const;

    MarkTable m_marks{};
    FlagTable m_taishou{};
    int32_t m_pen = kPenAutomatic;
    bool m_auto = true;
    int m_lastClass = 0;
    int m_lastSlot = 0;
    VoteRecord m_vote;
    MenuModel m_menu;
    PopupHandler m_popup;
    RedrawHandler m_redraw;
};

} // namespace kestrel
