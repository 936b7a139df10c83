#pragma once

#include <QString>
#include <functional>

#include "core/PopupMenu.h"
#include "reduction/TenshoGrid.h"
#include "reduction/clsXGridM.h"

namespace kestrel {

// The score page (点詳細, tab "単独") as a model: one row per match (1Vs2, 3Vs4, 5Vs6) of 16
// cells, cell = home goals x 4 + away goals, under the header rows "ホーム" and "アウェイ", with
// the count-grid editing rules, and the page's check box.
class clsXJokenTensho {
public:
    using Button = clsXGridM::Button;
    using Keys = clsXGridM::Keys;
    using PopupHandler = std::function<MenuChoice(const PopupMenu& menu)>;

    clsXJokenTensho();

    void Initialize() { Clear(); }
    void SetPopupHandler(PopupHandler handler) { m_grid.SetPopupHandler(std::move(handler)); }
    // Every cell blank, the check box on.
    void Clear();
    void GetTensho(TenshoGrid& grid) const;
    void SetTensho(const TenshoGrid& grid);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value) { m_enabled = value; }

    bool CellClick(Button button, Keys keys, int match, int cell);
    bool HeaderClick(Button button) { return m_grid.HeaderClick(button); }
    const clsXGridM& Grid() const { return m_grid; }

    // "1Vs2", "3Vs4", "5Vs6".
    static QString RowCaption(int match);
    // "ホーム" (header row 0) and "アウェイ" (header row 1).
    static QString HeaderCaption(int headerRow);
    // The goal class a header row shows over a cell: home = cell / 4, away = cell % 4.
    static QString HeaderCell(int headerRow, int cell);

private:
    clsXGridM m_grid{TenshoGrid::kRows, TenshoGrid::kCols};
    bool m_enabled = true;
};

} // namespace kestrel
