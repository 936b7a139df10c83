#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "core/clsTMulti.h"
#include "reduction/clsXJoken1.h"
#include "ui/CountConditionPage.h"
#include "ui/MultiGridView.h"
#include "ui/SingleListView.h"

namespace kestrel {
namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void Press(QWidget* widget, const std::vector<Key>& keys) {
    for (const Key& k : keys) {
        QTest::keyClick(widget, k.key, k.modifiers);
    }
}

// The multi is marked from the keyboard alone: arrows move the current cell (and stop at the
// edges), Space steps its mark as a left click does, the menu key and Shift+F10 open its menu.
TEST(GridKeyboard, MultiIsMarkedWithArrowsSpaceAndTheMenuKey) {
    clsTMulti multi;
    multi.Initialize();
    MultiGridView grid(multi);
    grid.show();
    EXPECT_TRUE(grid.focusPolicy() & Qt::TabFocus);
    QStringList menus;
    grid.SetMenuChooser([&menus](QMenu& menu) -> QAction* {
        for (QAction* action : menu.actions()) {
            if (action->text() == QStringLiteral("☆ 特注")) {
                menus << QStringLiteral("cell");
                return action;
            }
        }
        return nullptr;
    });
    // From the first slot's class 0: two steps right, Space once (automatic pen: ◎).
    Press(&grid, {{Qt::Key_Right}, {Qt::Key_Right}, {Qt::Key_Space}});
    EXPECT_EQ(grid.CurrentCell(), QPoint(3, 2));
    EXPECT_EQ(multi.Mark(2, 0), 1);
    // Down to the second slot, Space twice: ○.
    Press(&grid, {{Qt::Key_Down}, {Qt::Key_Space}, {Qt::Key_Space}});
    EXPECT_EQ(multi.Mark(2, 1), 2);
    // The edges hold: far left and far down end on class 0 of the sixth slot.
    Press(&grid, {{Qt::Key_Left}, {Qt::Key_Left}, {Qt::Key_Left}, {Qt::Key_Left}});
    Press(&grid, std::vector<Key>(8, Key{Qt::Key_Down}));
    EXPECT_EQ(grid.CurrentCell(), QPoint(1, 7));
    Press(&grid, {{Qt::Key_Menu}});
    EXPECT_EQ(multi.Mark(0, 5), 6);
    Press(&grid, {{Qt::Key_Up}, {Qt::Key_F10, Qt::ShiftModifier}});
    EXPECT_EQ(multi.Mark(0, 4), 6);
    EXPECT_EQ(menus.size(), 2);
}

// A count page's grids: Space on a count cell writes "×" into the group on view, Space on the
// team grid switches a team off, the menu key asks for the cell's menu.
TEST(GridKeyboard, CountPageGridsTakeSpaceAndTheMenuKey) {
    clsXJoken1 model(ConditionKind::Honmei);
    int popups = 0;
    model.SetPopupHandler([&popups](const PopupMenu&) {
        ++popups;
        return MenuChoice{};
    });
    CountConditionPage page(model);
    page.show();
    MarkGridView* counts = page.CountGrid();
    // Row 1 holds the count captions; from the title column one step right is count 0 of row 1.
    Press(counts, {{Qt::Key_Right}, {Qt::Key_Space}});
    EXPECT_EQ(model.Group(0).Cells[0][0], kCellCross);
    Press(counts, {{Qt::Key_Right}, {Qt::Key_Right}, {Qt::Key_Down}, {Qt::Key_Space}});
    EXPECT_EQ(model.Group(0).Cells[2][1], kCellCross);
    Press(counts, {{Qt::Key_Menu}});
    EXPECT_EQ(popups, 1);

    FlagGridView* teams = page.TeamGrid();
    ASSERT_TRUE(model.Group(0).GameFlg[1]);
    Press(teams, {{Qt::Key_Right}, {Qt::Key_Right}, {Qt::Key_Space}});
    EXPECT_FALSE(model.Group(0).GameFlg[1]);
}

// The single list reports keyboard clicks on the current cell as it reports mouse clicks.
TEST(GridKeyboard, SingleListReportsSpaceAndMenuKeyOnTheCurrentCell) {
    const std::vector<int32_t> singles{0, 5, 9};
    SingleListPage model;
    model.SetList(&singles);
    SingleListView view(model);
    view.show();
    QSignalSpy clicks(&view, &GridView::CellClicked);
    Press(&view,
          {{Qt::Key_Down}, {Qt::Key_Right}, {Qt::Key_Right}, {Qt::Key_Space}, {Qt::Key_Menu}});
    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(clicks[1][0].value<Qt::MouseButton>(), Qt::RightButton);
    for (const QList<QVariant>& click : clicks) {
        EXPECT_EQ(click[2].toInt(), 3);
        EXPECT_EQ(click[3].toInt(), 3);
    }
}

} // namespace
} // namespace kestrel
