#include "ui/PopupMenuBuilder.h"

#include <QCursor>
#include <QPoint>

namespace kestrel {

namespace {

QAction* AddEntry(QMenu& target, const PopupMenuItem& item, int index, int subIndex) {
    QAction* action = target.addAction(item.Caption);
    action->setCheckable(item.Checked);
    action->setChecked(item.Checked);
    action->setData(QPoint(index, subIndex));
    return action;
}

} // namespace

void PopupMenuBuilder::Fill(QMenu& target, const PopupMenu& menu) {
    for (int i = 0; i < static_cast<int>(menu.Items.size()); ++i) {
        const PopupMenuItem& item = menu.Items[static_cast<size_t>(i)];
        if (!item.Visible) {
            continue;
        }
        if (item.Separator) {
            target.addSeparator();
            continue;
        }
        if (item.Items.empty()) {
            AddEntry(target, item, i, -1);
            continue;
        }
        QMenu* sub = target.addMenu(item.Caption);
        for (int j = 0; j < static_cast<int>(item.Items.size()); ++j) {
            const PopupMenuItem& entry = item.Items[static_cast<size_t>(j)];
            if (!entry.Visible) {
                continue;
            }
            if (entry.Separator) {
                sub->addSeparator();
            } else {
                AddEntry(*sub, entry, i, j);
            }
        }
    }
}

MenuChoice PopupMenuBuilder::ChoiceOf(const QAction* action) {
    if (action == nullptr || !action->data().canConvert<QPoint>()) {
        return {};
    }
    const QPoint at = action->data().toPoint();
    return {at.x(), at.y()};
}

MenuChoice PopupMenuBuilder::Show(const PopupMenu& menu, QWidget* parent, const Chooser& chooser) {
    QMenu popup(parent);
    Fill(popup, menu);
    return ChoiceOf(chooser ? chooser(popup) : ExecAtCursor(popup));
}

QAction* PopupMenuBuilder::ExecAtCursor(QMenu& menu) {
    return menu.exec(QCursor::pos());
}

} // namespace kestrel
