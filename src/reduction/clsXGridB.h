#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/PopupMenu.h"

namespace kestrel {

// The Boolean-flag grid of a condition page (teams, goal classes, accepted miss counts): one row
// of ticks. A left click toggles a tick; a right click opens "キャンセル", "全て対象",
// "全て対象外".
class clsXGridB {
public:
    enum class Button { Left, Right };
    using PopupHandler = std::function<MenuChoice(const PopupMenu& menu)>;
    enum Action : int32_t { kAllOn = 1, kAllOff };

    explicit clsXGridB(int cols = 0);

    void SetPopupHandler(PopupHandler handler) { m_popup = std::move(handler); }
    int Cols() const { return static_cast<int>(m_flags.size()); }
    // Copies the ticks out (GetMultiFlg) and in (SetMultiFlg; extra entries ignored, missing
    // ones left as they are).
    std::vector<bool> GetMultiFlg() const { return m_flags; }
    void SetMultiFlg(const std::vector<bool>& flags);
    bool Flag(int col) const;
    void SetFlag(int col, bool value);

    // A click on column col (from 0). Returns true when a tick changed.
    bool Click(Button button, int col);
    const PopupMenu& Menu() const { return m_menu; }

private:
    std::vector<bool> m_flags;
    PopupMenu m_menu;
    PopupHandler m_popup;
};

} // namespace kestrel
