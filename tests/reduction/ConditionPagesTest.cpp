#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "ReductionTestUtil.h"
#include "reduction/JoukenDialogModel.h"
#include "reduction/clsTX1.h"
#include "reduction/clsXGridB.h"
#include "reduction/clsXGridM.h"
#include "reduction/clsXJoken.h"
#include "reduction/clsXJoken1.h"
#include "reduction/clsXJokenTensho.h"

namespace kestrel {
namespace {

using Button = clsXGridM::Button;
using Keys = clsXGridM::Keys;

// A popup handler that picks the entry with the given caption (and sub-entry) and records the
// captions of the menus it was shown.
struct Picker {
    QString caption;
    QString subCaption;
    std::vector<QString> shown;
    MenuChoice operator()(const PopupMenu& menu) {
        shown.push_back(menu.Name);
        MenuChoice choice;
        choice.Item = menu.Find(caption);
        if (!subCaption.isEmpty() && choice.Item >= 0) {
            const auto& items = menu.Items[static_cast<size_t>(choice.Item)].Items;
            for (size_t i = 0; i < items.size(); ++i) {
                if (items[i].Caption == subCaption) {
                    choice.SubItem = static_cast<int>(i);
                }
            }
        }
        return choice;
    }
};

std::string RowText(const clsXGridM& grid, int row) {
    std::string text;
    for (int c = 0; c < grid.Cols(); ++c) {
        text += ".xt"[grid.Cell(row, c)];
    }
    return text;
}

TEST(CountGrid, ClicksWithShiftAndCtrlMarkToTheLeftOrRight) {
    clsXGridM grid(2, 7);
    EXPECT_TRUE(grid.CellClick(Button::Left, {}, 0, 3));
    EXPECT_EQ(RowText(grid, 0), "...x...");
    grid.CellClick(Button::Left, {}, 0, 3);
    EXPECT_EQ(RowText(grid, 0), ".......");
    grid.CellClick(Button::Left, {true, false}, 0, 2);
    EXPECT_EQ(RowText(grid, 0), "xxx....");
    grid.CellClick(Button::Right, {false, true}, 0, 4);
    EXPECT_EQ(RowText(grid, 0), "xxx.ttt");
    grid.CellClick(Button::Left, {false, true}, 0, 1);
    EXPECT_EQ(RowText(grid, 0), "ttx.ttt");
    grid.CellClick(Button::Right, {true, true}, 0, 5); // Shift wins
    EXPECT_EQ(RowText(grid, 0), "ttx.txx");
    grid.CellClick(Button::Left, {}, 0, 0); // a "△" is cleared by a plain click
    EXPECT_EQ(RowText(grid, 0), ".tx.txx");
    EXPECT_EQ(RowText(grid, 1), ".......");
    EXPECT_FALSE(grid.CellClick(Button::Left, {}, 2, 0));
    EXPECT_EQ(grid.RowMarkCount(0), 5);
}

TEST(CountGrid, CellAndHeaderMenusDoWhatTheirEntriesSay) {
    clsXGridM grid(2, 7);
    Picker picker;
    grid.SetPopupHandler(std::ref(picker));
    auto pick = [&](const char* caption, int row, int col) {
        picker.caption = QString::fromUtf8(caption);
        return grid.CellClick(Button::Right, {}, row, col);
    };
    EXPECT_TRUE(pick("許容（△）でマーク", 0, 1));
    EXPECT_TRUE(pick("×→ 右を削除 [Shift+右]", 0, 5));
    EXPECT_EQ(RowText(grid, 0), ".t...xx");
    EXPECT_TRUE(pick("←△ 左を許容 [Ctrl+左]", 1, 2));
    EXPECT_TRUE(pick("削除（×）でマーク", 1, 6));
    EXPECT_EQ(RowText(grid, 1), "ttt...x");
    EXPECT_TRUE(pick("マークを消去", 1, 0));
    EXPECT_TRUE(pick("△→ 右を許容 [Ctrl+右]", 0, 3));
    EXPECT_TRUE(pick("←× 左を削除 [Shift+左]", 0, 1));
    EXPECT_EQ(RowText(grid, 0), "xx.tttt");
    EXPECT_FALSE(pick("キャンセル", 0, 0));
    EXPECT_TRUE(pick("行のマークを消去", 1, 3));
    EXPECT_EQ(RowText(grid, 1), ".......");
    EXPECT_EQ(RowText(grid, 0), "xx.tttt");
    EXPECT_EQ(grid.CellMenu().Find("キャンセル"), 0);
    EXPECT_EQ(picker.shown.front(), "mnuCell");

    picker.caption = "全て許容（△）でマーク";
    EXPECT_TRUE(grid.HeaderClick(Button::Right));
    EXPECT_EQ(RowText(grid, 1), "ttttttt");
    picker.caption = "全て削除（×）でマーク";
    grid.HeaderClick(Button::Right);
    EXPECT_EQ(RowText(grid, 0), "xxxxxxx");
    picker.caption = "全てマークを消去";
    grid.HeaderClick(Button::Right);
    EXPECT_EQ(grid.RowMarkCount(0) + grid.RowMarkCount(1), 0);
    EXPECT_FALSE(grid.HeaderClick(Button::Left));
}

TEST(FlagGrid, LeftClickTogglesAndTheMenuTicksOrClearsAll) {
    clsXGridB grid(6);
    Picker picker;
    grid.SetPopupHandler(std::ref(picker));
    grid.Click(clsXGridB::Button::Left, 2);
    EXPECT_EQ(grid.GetMultiFlg(), (std::vector<bool>{false, false, true, false, false, false}));
    picker.caption = "全て対象";
    grid.Click(clsXGridB::Button::Right, 0);
    EXPECT_EQ(grid.GetMultiFlg(), std::vector<bool>(6, true));
    picker.caption = "全て対象外";
    grid.Click(clsXGridB::Button::Right, 0);
    EXPECT_EQ(grid.GetMultiFlg(), std::vector<bool>(6, false));
    picker.caption = "キャンセル";
    EXPECT_FALSE(grid.Click(clsXGridB::Button::Right, 0));
}

TEST(CombinationDialog, OkOnlyWithOneToBaseCountMinusOneTicks) {
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Ninki);
    JoukenDialogModel dialog(ConditionKind::Ninki, group, 2);
    EXPECT_EQ(dialog.Count(), 4);
    EXPECT_EQ(dialog.Caption(0), "1番人気 ");
    EXPECT_TRUE(dialog.Checked(2));
    EXPECT_TRUE(dialog.OkEnabled());
    dialog.SetChecked(2, false);
    EXPECT_FALSE(dialog.OkEnabled()); // no item
    EXPECT_FALSE(dialog.Accept(group));
    for (int i = 0; i < 4; ++i) {
        dialog.SetChecked(i, true);
    }
    EXPECT_FALSE(dialog.OkEnabled()); // every item
    dialog.SetChecked(3, false);
    EXPECT_TRUE(dialog.OkEnabled());
    EXPECT_TRUE(dialog.Accept(group));
    EXPECT_EQ(group.RowLabel[2], "1番+2番+3番");
    EXPECT_EQ(group.PlusFlg[1][1], true); // other rows untouched
}

TEST(CountPage, EditsGoToTheGroupOnViewAndTaishoCombinesTeamsAndClasses) {
    clsXJoken1 page(ConditionKind::Mark);
    Picker picker;
    page.SetPopupHandler(std::ref(picker));
    EXPECT_EQ(page.CountGrid().Rows(), 4);
    EXPECT_EQ(page.CountGrid().Cols(), 7);
    page.SelectGroup(4); // "B"
    page.CountClick(Button::Left, {true, false}, 1, 2);
    page.TeamClick(Button::Left, 0);
    page.ClassClick(Button::Left, 3);
    page.SetFlag(false);
    const ConditionGroup b = page.Group(4);
    EXPECT_EQ(b.Cells[0][1], kCellCross);
    EXPECT_EQ(b.Cells[2][1], kCellCross);
    EXPECT_EQ(b.Cells[3][1], kCellBlank);
    EXPECT_FALSE(b.GameFlg[0]);
    EXPECT_FALSE(b.MarkFlg[3]);
    EXPECT_FALSE(b.Flag);
    EXPECT_EQ(page.Group(0).RowMarkCount(1), 0);

    FlagTable taisho{};
    page.GetTaisho(taisho);
    EXPECT_FALSE(taisho[0][0]); // team 1 not counted
    EXPECT_FALSE(taisho[3][2]); // class 3 not counted
    EXPECT_TRUE(taisho[2][5]);
    page.SelectGroup(1); // "J1" counts no team after clearing
    page.GetTaisho(taisho);
    EXPECT_FALSE(taisho[0][0] || taisho[1][3] || taisho[2][5]);

    page.SelectGroup(4);
    EXPECT_EQ(page.CountGrid().Cell(1, 2), kCellCross); // grids follow the group on view
    picker.caption = "全て対象外";
    page.ClassClick(Button::Right, 0);
    EXPECT_EQ(page.Group(4).MarkFlg, (std::array<bool, 4>{false, false, false, false}));

    page.SetAllEnabled(false);
    EXPECT_FALSE(page.Group(28).Enabled);
    page.Clear();
    EXPECT_EQ(page.CurrentGroup(), 0);
    EXPECT_EQ(page.Group(4), ConditionGroup::Defaults(ConditionKind::Mark));
}

TEST(CountPage, RowMenuRunsTheCombinationDialogAndReportsComposition) {
    clsXJoken1 page(ConditionKind::Honmei);
    Picker picker;
    page.SetPopupHandler(std::ref(picker));
    int dialogs = 0;
    page.SetDialogHandler([&](JoukenDialogModel& dialog) {
        ++dialogs;
        dialog.SetChecked(1, true); // ◎ + ○
        return true;
    });
    picker.caption = "複合条件設定";
    EXPECT_EQ(page.RowTitleClick(0), clsXJoken1::kCombination);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(page.RowTitle(0), "◎+○");
    EXPECT_EQ(page.Group(0).RowLabel[0], "◎+○");

    page.SetDialogHandler([](JoukenDialogModel& dialog) {
        dialog.SetChecked(0, false);
        return false; // cancelled: unchanged
    });
    page.RowTitleClick(0);
    EXPECT_EQ(page.RowTitle(0), "◎+○");

    picker.caption = "構成分析";
    EXPECT_EQ(page.RowTitleClick(0), clsXJoken1::kComposition);
    clsTX1 engine;
    // ◎ on class 0, ○ on class 1, ▲ on class 2 of slot 1; ◎ elsewhere: 3 singles.
    engine.SetValue(
        test::Multi({"012", "0", "0", "0", "0", "0"}, {"123", "1", "1", "1", "1", "1"}));
    const clsTX1::Histogram histogram = page.Composition(engine, 0);
    EXPECT_EQ(histogram, (clsTX1::Histogram{0, 0, 0, 0, 0, 1, 2}));
}

TEST(PayoutPage, AmountPickerFillsTheBoxesWithinTheirRange) {
    clsXJoken page;
    Picker picker;
    page.SetPopupHandler(std::ref(picker));
    EXPECT_EQ(page.MaxMoney(0), test::Yen(9'999'999'999));
    picker.caption = "1 ～ 10万円";
    picker.subCaption = "3万円";
    EXPECT_TRUE(page.MoneyBoxClick(0, false));
    EXPECT_EQ(page.MinMoney(0), test::Yen(30'000));
    picker.caption = "1000 ～ 1万円";
    picker.subCaption = "5000円";
    page.MoneyBoxClick(1, true);
    EXPECT_EQ(page.MaxMoney(1), test::Yen(5'000));
    picker.caption = "最大値";
    picker.subCaption.clear();
    page.MoneyBoxClick(1, true);
    EXPECT_EQ(page.MaxMoney(1), test::Yen(9'999'999'999));
    picker.caption = "最小値";
    page.MoneyBoxClick(0, false);
    EXPECT_EQ(page.MinMoney(0), test::Yen(0));
    picker.caption = "キャンセル";
    EXPECT_FALSE(page.MoneyBoxClick(0, false));
    // 100億円 lies above what a box holds: the box takes its maximum.
    picker.caption = "10 ～ 100億円";
    picker.subCaption = "100億円";
    page.MoneyBoxClick(2, false);
    EXPECT_EQ(page.MinMoney(2), test::Yen(9'999'999'999));

    page.SetMinMoney(0, test::Yen(-5));
    EXPECT_EQ(page.MinMoney(0), test::Yen(0));
    page.SetEnabled(2, false);
    page.SetFlag(1, true);
    page.SetMachigaiType(2);
    page.MachigaiClick(clsXGridB::Button::Left, 11);
    std::array<bool, 12> flags{};
    page.GetMachigaiFlg(flags);
    EXPECT_TRUE(flags[0]);
    EXPECT_TRUE(flags[11]);
    page.Clear();
    EXPECT_FALSE(page.Enabled(2)); // the window's availability stays
    EXPECT_FALSE(page.Flag(1));
    EXPECT_EQ(page.MinMoney(2), test::Yen(0));
    EXPECT_EQ(page.MachigaiType(), 0);
    page.GetMachigaiFlg(flags);
    EXPECT_FALSE(flags[11]);
    EXPECT_EQ(clsXJoken::MachigaiColumnCaption(11), "→");
    EXPECT_EQ(clsXJoken::MachigaiColumnCaption(10), "10");
    EXPECT_EQ(clsXJoken::MachigaiTypeText(1), "下の条件間違い数の買い目を取得する");
}

TEST(ScorePage, GridRoundTripsTheScoreTable) {
    clsXJokenTensho page;
    page.CellClick(Button::Left, {true, false}, 1, 5);
    page.SetEnabled(false);
    TenshoGrid grid;
    page.GetTensho(grid);
    EXPECT_FALSE(grid.Enabled);
    EXPECT_EQ(grid.RowMarkCount(1), 6);
    EXPECT_EQ(grid.Cells[5][1], kCellCross);
    EXPECT_EQ(grid.Cells[6][1], kCellBlank);
    page.Clear();
    page.SetTensho(grid);
    TenshoGrid again;
    page.GetTensho(again);
    EXPECT_EQ(again, grid);
    EXPECT_EQ(clsXJokenTensho::RowCaption(2), "5Vs6");
    EXPECT_EQ(clsXJokenTensho::HeaderCaption(1), "アウェイ");
    EXPECT_EQ(clsXJokenTensho::HeaderCell(0, 9), "2");
    EXPECT_EQ(clsXJokenTensho::HeaderCell(1, 9), "1");
}

} // namespace
} // namespace kestrel
