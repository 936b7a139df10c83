#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "core/MenuModel.h"
#include "core/VoteOrder.h"
#include "core/clsTMulti.h"
#include "core/clsTMultiPattern.h"
#include "core/clsTNumber.h"

using namespace kestrel;

namespace {

MarkTable AllMarked(int32_t code) {
    MarkTable m{};
    for (auto& row : m) {
        row.fill(code);
    }
    return m;
}

// Answers each popup with the next position of a script, recording what was shown.
struct ScriptedPopup {
    std::deque<MenuChoice> answers;
    std::vector<PopupMenu> shown;
    MenuChoice operator()(const PopupMenu& menu) {
        shown.push_back(menu);
        if (answers.empty()) {
            return {};
        }
        MenuChoice c = answers.front();
        answers.pop_front();
        return c;
    }
};

VoteRecord VoteWith(const std::array<int64_t, 4>& counts) {
    VoteRecord v;
    v.Kaisaikai = 300;
    for (auto& slot : v.Slots) {
        for (int c = 0; c < 4; ++c) {
            slot.Votes[c].Count = Money::FromInt(counts[c]);
        }
    }
    return v;
}

std::array<int32_t, 4> SlotMarks(const clsTMulti& multi, int slot) {
    return {multi.Mark(0, slot), multi.Mark(1, slot), multi.Mark(2, slot), multi.Mark(3, slot)};
}

} // namespace

TEST(clsTMultiPattern, ExpandsInAscendingOrderWithTheRightCounts) {
    clsTMultiPattern pattern;
    std::vector<int32_t> list{7, 8, 9};
    int32_t count = -1;

    pattern.SetValue(MarkTable{});
    pattern.GetMulti(count, list);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(list, (std::vector<int32_t>{7, 8, 9})); // untouched

    pattern.SetValue(AllMarked(1));
    pattern.GetMulti(count, list);
    ASSERT_EQ(count, 4096);
    ASSERT_EQ(list.size(), 4096u);
    for (int32_t i = 0; i < 4096; ++i) {
        ASSERT_EQ(list[i], i);
    }

    // Class 1 in slot 1, class 2 in slot 6, classes 0 and 3 in slots 2..5.
    MarkTable m{};
    m[1][0] = 1;
    m[2][5] = 2;
    for (int t = 1; t <= 4; ++t) {
        m[0][t] = 3;
        m[3][t] = 6;
    }
    pattern.SetValue(m);
    pattern.GetMulti(count, list);
    ASSERT_EQ(count, 16);
    EXPECT_EQ(list.size(), 16u);
    EXPECT_EQ(list.front(), 2049);
    EXPECT_EQ(pattern.Count(), 16);
    for (size_t i = 1; i < list.size(); ++i) {
        EXPECT_LT(list[i - 1], list[i]);
        EXPECT_EQ(clsTNumber::Digit(list[i], 0), 1);
        EXPECT_EQ(clsTNumber::Digit(list[i], 5), 2);
    }

    // Negative values are unmarked: slot 3 has no marked class left.
    m[0][2] = -1;
    m[3][2] = -5;
    pattern.SetValue(m);
    pattern.GetMulti(count, list);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(list.size(), 16u);
}

TEST(clsTMulti, LeftClicksFollowThePenOrTheAutomaticCycle) {
    clsTMulti multi;
    int redraws = 0;
    multi.SetRedrawHandler([&] { ++redraws; });
    multi.Initialize();
    EXPECT_EQ(multi.Pen(), 99);
    EXPECT_TRUE(multi.Automatic());

    // Automatic: 0 -> 1 -> ... -> 6 -> 0.
    for (int k = 1; k <= 6; ++k) {
        multi.MouseClick(clsTMulti::Button::Left, 2, 3);
        EXPECT_EQ(multi.Mark(1, 1), k);
    }
    EXPECT_EQ(multi.CellText(1, 1), QStringLiteral("☆"));
    multi.MouseClick(clsTMulti::Button::Left, 2, 3);
    EXPECT_EQ(multi.Mark(1, 1), 0);
    EXPECT_EQ(multi.LastClass(), 1);
    EXPECT_EQ(multi.LastSlot(), 1);
    EXPECT_GE(redraws, 7);

    // Pen ○ chosen from the header menu ("○ 対抗" sits at position 4).
    ScriptedPopup popup;
    popup.answers = {MenuChoice{4}};
    multi.SetPopupHandler(std::ref(popup));
    multi.MouseClick(clsTMulti::Button::Left, 1, 1);
    EXPECT_EQ(multi.Pen(), 2);
    EXPECT_FALSE(multi.Automatic());
    ASSERT_EQ(popup.shown.size(), 1u);
    const PopupMenu& shown = popup.shown[0];
    EXPECT_EQ(shown.Items[0].Caption, QStringLiteral("左クリック動作"));
    EXPECT_TRUE(shown.Items[10].Visible);
    EXPECT_TRUE(shown.Items[10].Checked); // automatic pen was checked when it popped up

    MarkTable m{};
    m[0][0] = 1;
    multi.SetValue(m);
    multi.MouseClick(clsTMulti::Button::Left, 1, 2);
    EXPECT_EQ(multi.Mark(0, 0), 2);
    multi.MouseClick(clsTMulti::Button::Left, 1, 2);
    EXPECT_EQ(multi.Mark(0, 0), 0);

    // Pen "無し" always clears; dismissing the menu keeps the pen.
    popup.answers = {MenuChoice{2}, MenuChoice{}};
    multi.MouseClick(clsTMulti::Button::Left, 1, 1);
    EXPECT_EQ(multi.Pen(), 0);
    m[0][0] = 5;
    multi.SetValue(m);
    multi.MouseClick(clsTMulti::Button::Left, 1, 2);
    EXPECT_EQ(multi.Mark(0, 0), 0);
    multi.MouseClick(clsTMulti::Button::Left, 1, 2);
    EXPECT_EQ(multi.Mark(0, 0), 0);
    multi.MouseClick(clsTMulti::Button::Left, 1, 1);
    EXPECT_EQ(multi.Pen(), 0);
    EXPECT_TRUE(popup.shown.back().Items[2].Checked);

    // Back to automatic through "自動".
    popup.answers = {MenuChoice{10}};
    multi.MouseClick(clsTMulti::Button::Left, 1, 1);
    EXPECT_EQ(multi.Pen(), 99);
    EXPECT_TRUE(multi.Automatic());
}

TEST(clsTMulti, RightClicksUseTheCellAndHeaderMenus) {
    clsTMulti multi;
    ScriptedPopup popup;
    multi.SetPopupHandler(std::ref(popup));
    MarkTable m{};
    m[2][4] = 3;
    multi.SetValue(m);

    // Cell menu: "マーク変更", automatic hidden, current mark ▲ checked; choose "× 注意".
    popup.answers = {MenuChoice{7}};
    multi.MouseClick(clsTMulti::Button::Right, 3, 6);
    EXPECT_EQ(multi.Mark(2, 4), 5);
    const PopupMenu& cellMenu = popup.shown.back();
    EXPECT_EQ(cellMenu.Items[0].Caption, QStringLiteral("マーク変更"));
    EXPECT_FALSE(cellMenu.Items[9].Visible);
    EXPECT_FALSE(cellMenu.Items[10].Visible);
    EXPECT_TRUE(cellMenu.Items[5].Checked);
    EXPECT_EQ(cellMenu.Items[5].Caption, QStringLiteral("▲ 穴"));

    // The hidden "自動" and "キャンセル" change nothing.
    popup.answers = {MenuChoice{10}, MenuChoice{0}};
    multi.MouseClick(clsTMulti::Button::Right, 3, 6);
    multi.MouseClick(clsTMulti::Button::Right, 3, 6);
    EXPECT_EQ(multi.Mark(2, 4), 5);

    // Header menu: all ◎, all ○, clear.
    popup.answers = {MenuChoice{3}};
    multi.MouseClick(clsTMulti::Button::Right, 2, 1);
    MarkTable got{};
    multi.GetValue(got);
    EXPECT_EQ(got, AllMarked(1));
    popup.answers = {MenuChoice{4}};
    multi.MouseClick(clsTMulti::Button::Right, 2, 1);
    multi.GetValue(got);
    EXPECT_EQ(got, AllMarked(2));
    FlagTable visible{};
    multi.GetVisible(visible);
    EXPECT_TRUE(visible[3][5]);
    popup.answers = {MenuChoice{2}};
    multi.MouseClick(clsTMulti::Button::Right, 2, 1);
    multi.GetValue(got);
    EXPECT_EQ(got, MarkTable{});
    multi.GetVisible(visible);
    EXPECT_FALSE(visible[3][5]);
    EXPECT_EQ(popup.shown.back().Name, QStringLiteral("mnuMultiT"));
}

TEST(clsTMulti, MarksByVoteOrderWithTheQuicksortTieOrder) {
    struct Case {
        std::array<int64_t, 4> counts;
        std::array<int32_t, 4> marks;
    };
    const Case cases[] = {
        {{40, 30, 20, 10}, {1, 2, 3, 4}}, {{10, 20, 30, 40}, {4, 3, 2, 1}},
        {{7, 7, 7, 7}, {2, 4, 3, 1}},     {{5, 5, 1, 1}, {1, 2, 3, 4}},
        {{1, 5, 5, 1}, {3, 2, 1, 4}},
    };
    for (const Case& c : cases) {
        clsTMulti multi;
        ScriptedPopup popup;
        popup.answers = {MenuChoice{6}};
        multi.SetPopupHandler(std::ref(popup));
        multi.SetVote(VoteWith(c.counts));
        multi.MouseClick(clsTMulti::Button::Right, 1, 1);
        for (int t = 0; t < 6; ++t) {
            EXPECT_EQ(SlotMarks(multi, t), c.marks)
                << c.counts[0] << "," << c.counts[1] << "," << c.counts[2] << "," << c.counts[3];
        }
    }

    // Without a vote status (round 0) nothing changes.
    clsTMulti multi;
    MarkTable m{};
    m[1][2] = 6;
    multi.SetValue(m);
    VoteRecord none = VoteWith({1, 2, 3, 4});
    none.Kaisaikai = 0;
    multi.SetVote(none);
    multi.MarkByVoteOrder();
    MarkTable got{};
    multi.GetValue(got);
    EXPECT_EQ(got, m);
}

TEST(clsTMulti, TargetCellsAreColouredBySlot) {
    clsTMulti multi;
    multi.Initialize();
    EXPECT_EQ(multi.CellBackground(0, 0), CellBack::White);
    EXPECT_EQ(multi.CellBackground(3, 1), CellBack::LightYellow);
    FlagTable targets{};
    targets[2][4] = true;
    multi.SetTaishou(targets);
    EXPECT_EQ(multi.CellBackground(2, 4), CellBack::White);
    EXPECT_EQ(multi.CellBackground(2, 5), CellBack::ButtonFace);
    EXPECT_EQ(clsTMulti::HeaderText(3), QStringLiteral("3"));
}

TEST(VoteOrder, FourEqualCountsGiveClassesOneTwoZeroThree) {
    EXPECT_EQ(VoteOrder::Ascending(std::array<int64_t, 4>{3, 3, 3, 3}),
              (std::array<int, 4>{1, 2, 0, 3}));
    EXPECT_EQ(VoteOrder::Ascending(std::array<int64_t, 4>{9, 2, 7, 4}),
              (std::array<int, 4>{1, 3, 2, 0}));
}

TEST(MenuModel, AmountPickerHidesEntriesByCode) {
    MenuModel menu;
    auto visible = [&](const char* caption) {
        const int i = menu.mnuMoney.Find(QString::fromUtf8(caption));
        EXPECT_GE(i, 0) << caption;
        return i >= 0 && menu.mnuMoney.Items[i].Visible;
    };
    menu.SetMoneyMenu(21);
    EXPECT_FALSE(visible("10 ～ 100億円"));
    EXPECT_FALSE(visible("1 ～ 10億円"));
    EXPECT_FALSE(visible("最大値"));
    EXPECT_TRUE(visible("最小値"));
    EXPECT_TRUE(visible("100 ～ 1000円"));
    const int sep = menu.mnuMoney.Find(QStringLiteral("1 ～ 10億円")) - 1;
    EXPECT_TRUE(menu.mnuMoney.Items[sep].Separator);
    EXPECT_FALSE(menu.mnuMoney.Items[sep].Visible);

    menu.SetMoneyMenu(12);
    EXPECT_FALSE(visible("100 ～ 1000円"));
    EXPECT_FALSE(visible("10 ～ 100億円"));
    EXPECT_TRUE(visible("1 ～ 10億円"));
    EXPECT_TRUE(visible("最大値"));
    EXPECT_FALSE(visible("最小値"));
    EXPECT_TRUE(menu.mnuMoney.Items[sep].Visible);

    menu.SetMoneyMenu(31);
    EXPECT_TRUE(visible("100 ～ 1000円"));
    EXPECT_TRUE(visible("10 ～ 100億円"));
    EXPECT_FALSE(visible("最大値"));

    // Amounts and captions of a submenu; choices report Index and Money.
    const int group = menu.mnuMoney.Find(QStringLiteral("1000万 ～ 1億円"));
    const auto& sub = menu.mnuMoney.Items[group].Items;
    ASSERT_EQ(sub.size(), 10u);
    EXPECT_EQ(sub[0].Caption, QStringLiteral("1000万円"));
    EXPECT_EQ(sub[9].Caption, QStringLiteral("1億円"));
    menu.Choose(menu.mnuMoney, MenuChoice{group, 2});
    EXPECT_EQ(menu.Index(), 3);
    EXPECT_EQ(menu.ChosenMoney(), Money::FromInt(30'000'000));
    EXPECT_EQ(menu.ApplyMoney(Money::FromInt(5)), Money::FromInt(30'000'000));

    menu.Choose(menu.mnuMoney, MenuChoice{menu.mnuMoney.Find(QStringLiteral("最小値"))});
    EXPECT_EQ(menu.Index(), 1);
    EXPECT_EQ(menu.ApplyMoney(Money::FromInt(5)), Money());
    menu.SetMoneyMenu(12);
    menu.Choose(menu.mnuMoney, MenuChoice{menu.mnuMoney.Find(QStringLiteral("最大値"))});
    EXPECT_EQ(menu.Index(), 2);
    EXPECT_EQ(menu.ApplyMoney(Money()), Money::FromInt(9'999'999'999));
    // A hidden entry, the group itself or "キャンセル" choose nothing.
    menu.Choose(menu.mnuMoney, MenuChoice{menu.mnuMoney.Find(QStringLiteral("最小値"))});
    EXPECT_EQ(menu.Index(), 0);
    menu.Choose(menu.mnuMoney, MenuChoice{group});
    EXPECT_EQ(menu.Index(), 0);
    menu.Choose(menu.mnuMoney, MenuChoice{0});
    EXPECT_EQ(menu.ApplyMoney(Money::FromInt(7)), Money::FromInt(7));

    const int first = menu.mnuMoney.Find(QStringLiteral("1 ～ 10万円"));
    EXPECT_EQ(menu.mnuMoney.Items[first].Items[0].Caption, QStringLiteral("1万円"));
    EXPECT_EQ(menu.mnuMoney.Items[2].Items[9].Caption, QStringLiteral("1000円"));
    EXPECT_EQ(menu.mnuMoney.Items.back().Caption, QStringLiteral("最大値"));
}
