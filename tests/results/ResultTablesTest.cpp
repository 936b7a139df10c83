#include <gtest/gtest.h>

#include <QStringList>

#include "results/KouseiBunsekiModel.h"
#include "results/clsTResultGrade.h"
#include "results/clsTResultKakutei.h"

using namespace kestrel;

namespace {

ResultRecord Paid(Money prize1, Money winners1, Money prize2, Money winners2) {
    ResultRecord r;
    r.Kaisaikai = 400;
    r.Prize = {prize1, prize2};
    r.Winners = {winners1, winners2};
    return r;
}

} // namespace

TEST(ResultKakutei, ClearLeavesOnlyTheCaptions) {
    clsTResultKakutei table;
    table.SetResult(Paid(Money::FromInt(10), Money::FromInt(1), {}, {}));
    table.SetValue({1, 0, 0, 0, 0, 0, 0});
    ASSERT_EQ(table.CellText(2, 2), "10 ");
    table.Clear();
    const QStringList header = {"", "当せん金", "当せん口数", "繰越金", "当せん口数", "当せん金額"};
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(table.CellText(1, c), header[c - 1]);
    }
    EXPECT_EQ(table.CellText(2, 1), "1等");
    EXPECT_EQ(table.CellText(3, 1), "2等");
    EXPECT_EQ(table.CellText(4, 1), "合計");
    for (int r = 2; r <= 4; ++r) {
        for (int c = 2; c <= 6; ++c) {
            EXPECT_EQ(table.CellText(r, c), "") << r << "," << c;
        }
    }
    // A fresh table is the same.
    EXPECT_EQ(clsTResultKakutei().CellText(4, 6), "");
    EXPECT_EQ(clsTResultKakutei().CellText(1, 3), "当せん口数");
}

TEST(ResultKakutei, ProductsTotalsAndTheZeroRule) {
    clsTResultKakutei table;
    ResultRecord r = Paid(Money::FromInt(1234560), Money::FromInt(2), Money{}, Money{});
    r.CarryOver = {Money::FromInt(5000000), Money::FromInt(-300)};
    table.SetResult(r);
    table.SetValue({2, 3, 9, 9, 9, 9, 9});
    EXPECT_EQ(table.CellText(2, 2), "1,234,560 ");
    EXPECT_EQ(table.CellText(2, 3), "2 ");
    EXPECT_EQ(table.CellText(2, 4), "5,000,000 ");
    EXPECT_EQ(table.CellText(2, 5), "2 ");
    EXPECT_EQ(table.CellText(2, 6), "2,469,120 ");
    // No second-grade winners: prize 0 shows "0 ", the list's count keeps its value.
    EXPECT_EQ(table.CellText(3, 2), "0 ");
    EXPECT_EQ(table.CellText(3, 5), "3 ");
    EXPECT_EQ(table.CellText(3, 6), "0 ");
    // A negative figure reads "0 "; the totals still add it.
    EXPECT_EQ(table.CellText(3, 4), "0 ");
    EXPECT_EQ(table.CellText(4, 4), "4,999,700 ");
    EXPECT_EQ(table.CellText(4, 2), "2,469,120 ");
    EXPECT_EQ(table.CellText(4, 3), "2 ");
    EXPECT_EQ(table.CellText(4, 5), "5 ");
    EXPECT_EQ(table.CellText(4, 6), "2,469,120 ");
    // Columns 5 and 6 of the paid grades in blue, everything else black.
    EXPECT_EQ(table.CellColor(2, 5), ResultColor::Blue);
    EXPECT_EQ(table.CellColor(3, 6), ResultColor::Blue);
    EXPECT_EQ(table.CellColor(2, 2), ResultColor::Black);
    EXPECT_EQ(table.CellColor(4, 5), ResultColor::Black);
}

TEST(ResultKakutei, BlanksOnlyWhenEveryValueIsZero) {
    clsTResultKakutei table;
    table.SetResult(Paid(Money::FromInt(-5), {}, {}, {}));
    table.SetValue({0, 0, 4, 0, 0, 0, 0});
    EXPECT_EQ(table.CellText(2, 2), "");
    EXPECT_EQ(table.CellText(4, 6), "");
    table.SetValue({0, 1, 0, 0, 0, 0, 0});
    EXPECT_EQ(table.CellText(3, 5), "1 ");
    EXPECT_EQ(table.CellText(2, 2), "0 ");
    EXPECT_EQ(table.CellText(4, 6), "0 ");
}

TEST(ResultKakutei, HugeFiguresDoNotWrapAround) {
    clsTResultKakutei table;
    table.SetResult(Paid(Money::FromInt(99'999'999'999), Money::FromInt(99'999'999), {}, {}));
    table.SetValue({2'000'000, 0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(table.CellText(4, 2).startsWith("-"));
    EXPECT_NE(table.CellText(4, 2), "0 ");
    // Beyond the fixed-point range the table shows the largest value it can hold.
    EXPECT_EQ(table.CellText(2, 6), "922,337,203,685,478 ");
}

TEST(ResultGrade, CountsSharesAndColours) {
    clsTResultGrade grade;
    grade.SetValue({1, 2, 0, 0, 0, 0, 1234567}, 300);
    EXPECT_EQ(clsTResultGrade::RowCaption(1), "1等");
    EXPECT_EQ(clsTResultGrade::RowCaption(7), "7等");
    EXPECT_EQ(clsTResultGrade::CountHeader(), "口数");
    EXPECT_EQ(clsTResultGrade::ShareHeader(), "比率");
    EXPECT_EQ(grade.CountText(7), "1,234,567");
    EXPECT_EQ(grade.ShareText(7), "100%");
    EXPECT_EQ(grade.ShareText(1), "0%");
    EXPECT_EQ(grade.RowColor(1), ResultColor::Blue);
    EXPECT_EQ(grade.RowColor(2), ResultColor::Blue);
    EXPECT_EQ(grade.RowColor(3), ResultColor::Black);
    grade.SetValue({1, 2, 0, 0, 0, 0, 0}, 300);
    EXPECT_EQ(grade.ShareText(1), "33%");
    EXPECT_EQ(grade.ShareText(2), "67%");
    grade.Clear(300);
    EXPECT_EQ(grade.CountText(2), "0");
    EXPECT_EQ(grade.ShareText(2), "0%");
}

TEST(KouseiBunseki, SharesRowColoursAndTitle) {
    KouseiBunsekiModel window;
    EXPECT_EQ(window.Title(), "構成分析");
    window.SetValue({0, 5, 10, 5, 0, 0, 0});
    const clsTKouseiBunseki& grid = window.Grid();
    EXPECT_EQ(grid.CountText(2), "10");
    EXPECT_EQ(grid.ShareText(1), "25%");
    EXPECT_EQ(grid.ShareText(2), "50%");
    EXPECT_EQ(grid.ShareText(6), "0%");
    EXPECT_EQ(clsTKouseiBunseki::RowLabel(6), "6");

    window.SetMarkMax(KouseiBunsekiModel::MarkMaxFor({true, true, true, false, false, false}));
    EXPECT_EQ(grid.RowColor(3), ResultColor::Black);
    EXPECT_EQ(grid.RowColor(4), ResultColor::Red);
    EXPECT_EQ(grid.RowColor(6), ResultColor::Red);
    EXPECT_EQ(KouseiBunsekiModel::MarkMaxFor({}), 0);
    window.SetMarkMax(0);
    EXPECT_EQ(grid.RowColor(0), ResultColor::Red);

    window.SetTitle(KouseiBunsekiModel::MakeTitle(2, "1番人気"));
    EXPECT_EQ(window.Title(), " 人気 - 1番人気");
    EXPECT_EQ(KouseiBunsekiModel::KindLabel(1), "本命");
    EXPECT_EQ(KouseiBunsekiModel::KindLabel(3), "得点");

    window.SetValue({});
    EXPECT_EQ(grid.ShareText(0), "0%");
}

TEST(KouseiBunseki, OpenShowsTheRowOverTheWholeMulti) {
    // Every cell marked: 4096 singles. Goal-value row 0 counts the slots choosing class 0, a
    // binomial spread C(6, n) x 3^(6 - n).
    MarkTable marks{};
    for (auto& row : marks) {
        row.fill(kMarkHonmei);
    }
    clsTX1 engine;
    engine.SetValue(marks);
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Mark);
    group.GameFlg = {true, true, true, true, true, true};
    KouseiBunsekiModel window;
    window.Open(engine, ConditionKind::Mark, 0, group);
    const std::array<int64_t, 7> expected = {729, 1458, 1215, 540, 135, 18, 1};
    for (int v = 0; v < 7; ++v) {
        EXPECT_EQ(window.Grid().Count(v), expected[v]) << v;
        EXPECT_EQ(window.Grid().RowColor(v), ResultColor::Black);
    }
    EXPECT_EQ(window.Grid().ShareText(1), "36%");
    EXPECT_EQ(window.Title(), " 得点 - " + group.RowLabel[0]);

    // Two counted teams: only the values 0..2 can occur, the rest are red.
    group.GameFlg = {true, true, false, false, false, false};
    window.Open(engine, ConditionKind::Mark, 0, group);
    EXPECT_EQ(window.Grid().Count(0), 9 * 256);
    EXPECT_EQ(window.Grid().Count(3), 0);
    EXPECT_EQ(window.Grid().RowColor(2), ResultColor::Black);
    EXPECT_EQ(window.Grid().RowColor(3), ResultColor::Red);
}
