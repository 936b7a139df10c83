#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "platform/Money.h"

namespace kestrel {

// One entry of a popup menu: a caption, or a separator, possibly with a submenu.
struct PopupMenuItem {
    QString Caption; // empty for a separator
    bool Separator = false;
    bool Visible = true;
    bool Checked = false;
    int32_t Index = 0;                // what choosing the entry reports (0: nothing)
    Money Amount;                     // amount reported with Index 3 by the amount picker
    std::vector<PopupMenuItem> Items; // submenu entries; empty for a plain entry
};

// Position of the chosen entry: Item in the menu, SubItem in its submenu (-1 for none). A
// dismissed menu is the default value.
struct MenuChoice {
    int Item = -1;
    int SubItem = -1;
};

// A popup menu as data: the widget draws the visible entries with their checks and hands back the
// position the user picked.
struct PopupMenu {
    QString Name;
    std::vector<PopupMenuItem> Items;

    // Position of the first entry with this caption, -1 when there is none.
    int Find(const QString& caption) const;
    // The entry a choice points at, or nullptr when the choice does not name a visible,
    // choosable entry (out of range, hidden, separator, or an entry that opens a submenu).
    const PopupMenuItem* Chosen(const MenuChoice& choice) const;
};

} // namespace kestrel
