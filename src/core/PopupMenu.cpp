#include "core/PopupMenu.h"

namespace kestrel {

int PopupMenu::Find(const QString& caption) const {
    for (int i = 0; i < static_cast<int>(Items.size()); ++i) {
        if (!Items[i].Separator && Items[i].Caption == caption) {
            return i;
        }
    }
    return -1;
}

const PopupMenuItem* PopupMenu::Chosen(const MenuChoice& choice) const {
    if (choice.Item < 0 || choice.Item >= static_cast<int>(Items.size())) {
        return nullptr;
    }
    const PopupMenuItem& item = Items[choice.Item];
    if (!item.Visible || item.Separator) {
        return nullptr;
    }
    if (item.Items.empty()) {
        return choice.SubItem < 0 ? &item : nullptr;
    }
    if (choice.SubItem < 0 || choice.SubItem >= static_cast<int>(item.Items.size())) {
        return nullptr;
    }
    const PopupMenuItem& sub = item.Items[choice.SubItem];
    return (sub.Visible && !sub.Separator) ? &sub : nullptr;
}

} // namespace kestrel
