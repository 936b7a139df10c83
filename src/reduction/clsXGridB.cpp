#include "reduction/clsXGridB.h"

#include <algorithm>

namespace kestrel {

clsXGridB::clsXGridB(int cols) : m_flags(static_cast<size_t>(std::max(cols, 0)), false) {
    m_menu.Name = QStringLiteral("mnuFlag");
    PopupMenuItem cancel;
    cancel.Caption = QStringLiteral("キャンセル");
    PopupMenuItem separator;
    separator.Separator = true;
    PopupMenuItem on;
    on.Caption = QStringLiteral("全て対象");
    on.Index = kAllOn;
    PopupMenuItem off;
    off.Caption = QStringLiteral("全て対象外");
    off.Index = kAllOff;
    m_menu.Items = {cancel, separator, on, off};
}

void clsXGridB::SetMultiFlg(const std::vector<bool>& flags) {
    const size_t n = std::min(flags.size(), m_flags.size());
    for (size_t i = 0; i < n; ++i) {
        m_flags[i] = flags[i];
    }
}

bool clsXGridB::Flag(int col) const {
    return col >= 0 && col < Cols() && m_flags[static_cast<size_t>(col)];
}

void clsXGridB::SetFlag(int col, bool value) {
    if (col >= 0 && col < Cols()) {
        m_flags[static_cast<size_t>(col)] = value;
    }
}

bool clsXGridB::Click(Button button, int col) {
    if (button == Button::Left) {
        if (col < 0 || col >= Cols()) {
            return false;
        }
        SetFlag(col, !Flag(col));
        return true;
    }
    if (!m_popup) {
        return false;
    }
    const PopupMenuItem* item = m_menu.Chosen(m_popup(m_menu));
    if (item == nullptr || item->Index == 0) {
        return false;
    }
    std::fill(m_flags.begin(), m_flags.end(), item->Index == kAllOn);
    return true;
}

} // namespace kestrel
