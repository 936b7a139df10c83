#pragma once

#include <QAction>
#include <QMenu>
#include <functional>

#include "core/PopupMenu.h"

namespace kestrel {

// Builds a QMenu from a popup menu model (visible entries, separators, checks, submenus) and
// turns the action the user picked back into the model's choice.
class PopupMenuBuilder {
public:
    // Pops the menu up and returns the action picked (nullptr when dismissed). The default shows
    // the menu at the mouse pointer; tests pick an action directly.
    using Chooser = std::function<QAction*(QMenu& menu)>;

    static void Fill(QMenu& target, const PopupMenu& menu);
    static MenuChoice ChoiceOf(const QAction* action);
    static MenuChoice Show(const PopupMenu& menu, QWidget* parent, const Chooser& chooser);
    static QAction* ExecAtCursor(QMenu& menu);
};

} // namespace kestrel
