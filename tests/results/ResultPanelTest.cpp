#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "MessageCollector.h"
#include "results/clsTResult.h"

using namespace kestrel;

namespace {

// Single number of the six goal classes of slots 1..6.
int32_t No(std::array<int, 6> k) {
    int32_t n = 0;
    for (int i = 5; i >= 0; --i) {
        n = n * 4 + k[i];
    }
    return n;
}

ResultRecord Result(int32_t round, std::array<int, 6> classes) {
    ResultRecord r;
    r.Kaisaikai = round;
    for (int t = 0; t < 6; ++t) {
        r.Slots[t].Result = static_cast<uint8_t>(classes[t]);
    }
    return r;
}

class ResultPanel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        panel.Initialize(&summary);
    }

    std::vector<int64_t> Counts() const { return {panel.Counts().begin(), panel.Counts().end()}; }

    QTemporaryDir dir;
    ProgramPaths paths{dir.path()};
    clsTCount summary;
    clsTResult panel{paths};
    test::CollectedMessages messages;
};

} // namespace

TEST_F(ResultPanel, NoResultAndNoMarksPutsEverySingleInTheFirstGrade) {
    panel.SetResultData(150, QString(), ResultRecord{}, false);
    panel.SetSingle({0, 4095, 2361});
    EXPECT_EQ(Counts(), (std::vector<int64_t>{3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(panel.GradeTable().CountText(1), "3");
    EXPECT_EQ(panel.GradeTable().ShareText(1), "100%");
    EXPECT_EQ(panel.GradeTable().ShareText(2), "0%");
    EXPECT_EQ(panel.SingleCountText(), "3");
    // Unknown teams are white; the first grade is paid, so its digit is on green.
    const clsTResultGrid& grid = panel.PageGrid();
    EXPECT_EQ(grid.ClassText(2, 0), "1");
    EXPECT_EQ(grid.ClassText(2, 5), "2");
    EXPECT_EQ(grid.ClassBack(2, 3), ResultColor::White);
    EXPECT_EQ(grid.GradeText(2), "1");
    EXPECT_EQ(grid.GradeBack(2), ResultColor::Green);
    EXPECT_TRUE(grid.IsBlank(3));
    EXPECT_EQ(grid.ClassText(3, 0), "");
    EXPECT_EQ(grid.ClassBack(3, 0), ResultColor::White);
    EXPECT_FALSE(panel.FullResult());
    // The legend beside the page: hit, user-cancelled, miss, paid grade.
    EXPECT_EQ(grid.LegendColor(0), ResultColor::Blue);
    EXPECT_EQ(grid.LegendColor(1), ResultColor::Yellow);
    EXPECT_EQ(grid.LegendColor(2), ResultColor::Red);
    EXPECT_EQ(grid.LegendColor(3), ResultColor::Green);
    // Nothing official yet: the payout table shows only its captions.
    EXPECT_EQ(panel.KakuteiTable().CellText(2, 2), "");
    EXPECT_EQ(panel.KakuteiTable().CellText(1, 2), "当せん金");
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ResultPanel, PartialRevealCountsHiddenTeamsAsRight) {
    const ResultRecord result = Result(200, {1, 2, 3, 0, 1, 2});
    panel.SetResultData(200, QString(), result, false);
    EXPECT_EQ(panel.RevealCount(), 0);
    const int32_t exact = No({1, 2, 3, 0, 1, 2});
    const int32_t wrongFirst = No({0, 2, 3, 0, 1, 2});
    const int32_t wrongLater = No({1, 2, 0, 1, 2, 3});
    const int32_t wrongBoth = 0;
    panel.SetSingle({exact, wrongFirst, wrongLater, wrongBoth});
    EXPECT_EQ(Counts(), (std::vector<int64_t>{4, 0, 0, 0, 0, 0, 0}));

    panel.SetNextData();
    panel.SetNextData();
    EXPECT_EQ(panel.RevealCount(), 2);
    EXPECT_FALSE(panel.FullResult());
    EXPECT_EQ(panel.GradeAt(0), 1);
    EXPECT_EQ(panel.GradeAt(1), 2);
    EXPECT_EQ(panel.GradeAt(2), 1);
    EXPECT_EQ(panel.GradeAt(3), 3);
    EXPECT_EQ(Counts(), (std::vector<int64_t>{2, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(panel.MarkGrid().CellText(0, 1), "◎");
    EXPECT_EQ(panel.MarkGrid().CellText(1, 2), "◎");
    EXPECT_EQ(panel.MarkGrid().CellText(2, 3), "");

    // The single wrong in team 1: red there, blue in team 2, white in the hidden teams.
    const clsTResultGrid& grid = panel.PageGrid();
    EXPECT_EQ(grid.ClassBack(1, 0), ResultColor::Red);
    EXPECT_EQ(grid.ClassBack(1, 1), ResultColor::Blue);
    EXPECT_EQ(grid.ClassBack(1, 2), ResultColor::White);
    EXPECT_EQ(grid.GradeBack(1), ResultColor::Green);
    EXPECT_EQ(grid.GradeText(3), "3");
    EXPECT_EQ(grid.GradeBack(3), ResultColor::White);
    // Rows 3..6 are not official yet: no confirmed payouts.
    EXPECT_EQ(panel.KakuteiTable().CellText(2, 2), "");

    for (int i = 0; i < 10; ++i) {
        panel.SetNextData();
    }
    EXPECT_EQ(panel.RevealCount(), 6);
    EXPECT_TRUE(panel.FullResult());
    EXPECT_EQ(Counts(), (std::vector<int64_t>{1, 1, 0, 0, 1, 1, 0}));

    // A new round starts hidden again.
    panel.SetResultData(200, QString(), result, false);
    EXPECT_EQ(panel.RevealCount(), 0);
    EXPECT_EQ(Counts(), (std::vector<int64_t>{4, 0, 0, 0, 0, 0, 0}));
}

TEST_F(ResultPanel, FullRevealShowsConfirmedPayouts) {
    ResultRecord result = Result(300, {1, 2, 3, 0, 1, 2});
    result.Prize = {Money::FromInt(1234560), Money{}};
    result.Winners = {Money::FromInt(3), Money{}};
    const int32_t exact = No({1, 2, 3, 0, 1, 2});
    const int32_t second = No({1, 2, 3, 0, 1, 3});
    panel.SetResultData(300, QString(), result, true);
    EXPECT_TRUE(panel.FullResult());
    panel.SetSingle({exact, second, exact, 0});
    EXPECT_EQ(Counts(), (std::vector<int64_t>{2, 1, 0, 0, 0, 1, 0}));
    const clsTResultKakutei& k = panel.KakuteiTable();
    EXPECT_EQ(k.CellText(2, 2), "1,234,560 ");
    EXPECT_EQ(k.CellText(2, 3), "3 ");
    EXPECT_EQ(k.CellText(2, 5), "2 ");
    EXPECT_EQ(k.CellText(2, 6), "2,469,120 ");
    EXPECT_EQ(k.CellText(3, 2), "0 ");
    EXPECT_EQ(k.CellText(3, 5), "1 ");
    EXPECT_EQ(k.CellText(3, 6), "0 ");
    EXPECT_EQ(k.CellText(4, 2), "3,703,680 ");
    EXPECT_EQ(k.CellText(4, 5), "3 ");
    EXPECT_EQ(k.CellText(4, 6), "2,469,120 ");
    // The buttons are off once everything is shown; a further reveal changes nothing.
    panel.SetNextData();
    EXPECT_EQ(panel.RevealCount(), 6);
    EXPECT_EQ(k.CellText(2, 5), "2 ");
}

TEST_F(ResultPanel, CancelledTeamsAreRightForEverySingle) {
    const ResultRecord result = Result(210, {1, 2, kVoidClass, 0, 1, 2});
    panel.SetResultData(210, QString(), result, true);
    const int32_t exact = No({1, 2, 0, 0, 1, 2});
    const int32_t other = No({1, 2, 3, 0, 1, 2});
    panel.SetSingle({exact, other, No({0, 2, 1, 0, 1, 2})});
    EXPECT_EQ(Counts(), (std::vector<int64_t>{2, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(panel.MarkGrid().CellText(2, 0), "－");
    EXPECT_EQ(panel.MarkGrid().CellText(2, 3), "－");
    EXPECT_EQ(panel.PageGrid().ClassBack(0, 2), ResultColor::White);

    ResultRecord allVoid = Result(211, {4, 4, 4, 4, 4, 4});
    allVoid.Cancelled = true;
    panel.SetResultData(211, QString(), allVoid, true);
    panel.SetSingle({0, 4095, 2361, 100});
    EXPECT_EQ(Counts(), (std::vector<int64_t>{4, 0, 0, 0, 0, 0, 0}));
    // Every team is officially decided: the table shows the list's four first-grade singles
    // against a round that paid nothing.
    EXPECT_EQ(panel.KakuteiTable().CellText(2, 2), "0 ");
    EXPECT_EQ(panel.KakuteiTable().CellText(2, 5), "4 ");
    EXPECT_EQ(panel.KakuteiTable().CellText(2, 6), "0 ");
    EXPECT_EQ(panel.KakuteiTable().CellText(4, 1), "合計");
}

TEST_F(ResultPanel, EmptyListShowsOnePageOfBlanks) {
    panel.SetResultData(150, QString(), ResultRecord{}, false);
    panel.SetSingle({});
    EXPECT_EQ(Counts(), (std::vector<int64_t>{0, 0, 0, 0, 0, 0, 0}));
    for (int g = 1; g <= 7; ++g) {
        EXPECT_EQ(panel.GradeTable().ShareText(g), "0%");
        EXPECT_EQ(panel.GradeTable().CountText(g), "0");
    }
    EXPECT_EQ(panel.PageLabel(), "1／1");
    EXPECT_FALSE(panel.PrevEnabled());
    EXPECT_FALSE(panel.NextEnabled());
    for (int j = 0; j < 10; ++j) {
        EXPECT_TRUE(panel.PageGrid().IsBlank(j));
    }
    panel.NextPage();
    EXPECT_EQ(panel.Page(), 0);
}

TEST_F(ResultPanel, TwentyFiveSinglesMakeThreePages) {
    std::vector<int32_t> list;
    for (int32_t i = 0; i < 25; ++i) {
        list.push_back(i * 7);
    }
    panel.SetResultData(150, QString(), ResultRecord{}, false);
    panel.SetSingle(list);
    EXPECT_EQ(panel.LastPage(), 2);
    EXPECT_EQ(panel.PageLabel(), "1／3");
    EXPECT_FALSE(panel.PrevEnabled());
    EXPECT_TRUE(panel.NextEnabled());
    panel.NextPage();
    panel.NextPage();
    EXPECT_EQ(panel.PageLabel(), "3／3");
    EXPECT_FALSE(panel.NextEnabled());
    EXPECT_TRUE(panel.PrevEnabled());
    // Entry 24 = 168 = classes (0, 2, 2, 2, 0, 0) in the fifth column; the rest blank.
    EXPECT_EQ(panel.PageGrid().ClassText(4, 1), "2");
    EXPECT_EQ(panel.PageGrid().ClassText(4, 4), "0");
    EXPECT_FALSE(panel.PageGrid().IsBlank(4));
    for (int j = 5; j < 10; ++j) {
        EXPECT_TRUE(panel.PageGrid().IsBlank(j));
    }
    panel.NextPage();
    EXPECT_EQ(panel.Page(), 2);
    panel.PrevPage();
    EXPECT_EQ(panel.PageLabel(), "2／3");
    // A new list starts at the first page.
    panel.SetSingle(list);
    EXPECT_EQ(panel.Page(), 0);
}

TEST_F(ResultPanel, GradeSortOrdersByGradeAndRefusesAnotherList) {
    const ResultRecord result = Result(300, {0, 0, 0, 0, 0, 0});
    panel.SetResultData(300, QString(), result, true);
    const std::vector<int32_t> list = {4095, 0, 3, 15, 1};
    panel.SetSingle(list);
    std::vector<int32_t> sorted = list;
    ASSERT_TRUE(panel.GradeSort(sorted, true));
    EXPECT_EQ(sorted, (std::vector<int32_t>{0, 3, 1, 15, 4095}));
    sorted = list;
    ASSERT_TRUE(panel.GradeSort(sorted, false));
    EXPECT_EQ(sorted, (std::vector<int32_t>{4095, 15, 3, 1, 0}));

    std::vector<int32_t> other = {1, 2, 3};
    EXPECT_FALSE(panel.GradeSort(other, true));
    EXPECT_EQ(other, (std::vector<int32_t>{1, 2, 3}));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "シングル数が一致しません");
    EXPECT_EQ(messages.Messages()[0].title, "Kestrel / clsTResult / GradeSort_Sub");
}

TEST_F(ResultPanel, UserMarksGradeHypotheticallyAndDrawTheirColours) {
    panel.SetResultData(150, QString(), ResultRecord{}, false);
    panel.SetSingle({0, 1, 2});
    panel.MarkLeftClick(0, 1);
    EXPECT_EQ(panel.MarkGrid().CellText(0, 1), "○");
    EXPECT_EQ(Counts(), (std::vector<int64_t>{1, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(panel.PageGrid().ClassBack(0, 0), ResultColor::Red);
    EXPECT_EQ(panel.PageGrid().ClassBack(1, 0), ResultColor::Blue);
    // The count panel shows exactly the marked cells.
    EXPECT_EQ(summary.CellText(1, 0).trimmed(), "0");
    EXPECT_EQ(summary.CellText(0, 0).trimmed(), "");

    // Another class of the same team replaces the mark; clicking it again clears the row.
    panel.MarkLeftClick(0, 2);
    EXPECT_EQ(panel.MarkGrid().CellText(0, 1), "");
    EXPECT_EQ(Counts(), (std::vector<int64_t>{1, 2, 0, 0, 0, 0, 0}));
    panel.MarkLeftClick(0, 2);
    EXPECT_EQ(Counts(), (std::vector<int64_t>{3, 0, 0, 0, 0, 0, 0}));

    // "中止" on team 2: right for every single, drawn yellow.
    panel.MarkLeftClick(1, 3);
    EXPECT_EQ(Counts(), (std::vector<int64_t>{0, 3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(panel.MarkRightClick(1), QStringList{"中止"});
    panel.SetPopup(0);
    EXPECT_EQ(panel.MarkGrid().CellText(1, 2), "－");
    EXPECT_EQ(Counts(), (std::vector<int64_t>{3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(panel.PageGrid().ClassBack(0, 1), ResultColor::Yellow);
    EXPECT_EQ(panel.HitValues()[1], (std::array<uint8_t, 4>{3, 3, 3, 3}));
}

TEST_F(ResultPanel, ClickOnTheOfficialClassMarksItOfficial) {
    const ResultRecord result = Result(300, {1, 2, 3, 0, 1, 2});
    panel.SetResultData(300, QString(), result, false);
    panel.MarkLeftClick(0, 1);
    panel.MarkLeftClick(1, 0);
    EXPECT_EQ(panel.Marks()[0], (std::array<uint8_t, 4>{0, 1, 0, 0}));
    EXPECT_EQ(panel.Marks()[1], (std::array<uint8_t, 4>{2, 0, 0, 0}));
}

TEST_F(ResultPanel, ClearEmptiesEverything) {
    ResultRecord result = Result(300, {0, 0, 0, 0, 0, 0});
    result.Prize[0] = Money::FromInt(5000);
    panel.SetResultData(300, QString(), result, true);
    panel.SetSingle({0, 0, 1});
    ASSERT_EQ(panel.KakuteiTable().CellText(2, 6), "10,000 ");
    panel.Clear();
    EXPECT_EQ(panel.SingleCount(), 0);
    EXPECT_EQ(Counts(), (std::vector<int64_t>{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(panel.MarkGrid().CellText(0, 0), "");
    EXPECT_EQ(panel.KakuteiTable().CellText(2, 6), "");
    EXPECT_TRUE(panel.PageGrid().IsBlank(0));
    // The marks are gone, so the reveal starts over: the panel no longer reports a full result.
    EXPECT_EQ(panel.RevealCount(), 0);
    EXPECT_FALSE(panel.FullResult());
    panel.SetNextData();
    EXPECT_EQ(panel.RevealCount(), 1);
    std::vector<int32_t> list = {1};
    EXPECT_FALSE(panel.GradeSort(list, true));
}

TEST_F(ResultPanel, RefusesSinglesOutsideTheNumberRange) {
    panel.SetResultData(150, QString(), ResultRecord{}, false);
    EXPECT_FALSE(panel.SetSingle({0, 4096, 1}));
    EXPECT_EQ(panel.SingleCount(), 0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].title, "Kestrel / clsTResult / SetSingle_Sub");
    EXPECT_FALSE(panel.SetSingle({-1}));
    EXPECT_EQ(panel.PageLabel(), "1／1");
}

TEST_F(ResultPanel, LargeListsReportProgress) {
    RunControl control;
    std::vector<int> values;
    int maximum = -1;
    control.onProgress = [&](int value, int max) {
        values.push_back(value);
        maximum = max;
    };
    panel.SetSingle(std::vector<int32_t>(10000, 5), &control);
    EXPECT_TRUE(values.empty());
    panel.SetSingle(std::vector<int32_t>(10001, 5), &control);
    EXPECT_EQ(maximum, 10000);
    EXPECT_EQ(values, (std::vector<int>{0, 1001, 2002, 3003, 4004, 5005, 6006, 7007, 8008, 9009}));
    EXPECT_EQ(panel.SingleCountText(), "10,001");
}

TEST(ResultPanelUnbound, SetResultDataBeforeInitializeReportsAndDoesNothing) {
    test::CollectedMessages messages;
    QTemporaryDir dir;
    clsTResult panel{ProgramPaths(dir.path())};
    panel.SetResultData(300, QString(), Result(300, {1, 1, 1, 1, 1, 1}), true);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(messages.Messages()[0].title.endsWith("clsTResult / SetResultData"));
    EXPECT_EQ(panel.Kaisaikai(), 0);
    EXPECT_FALSE(panel.FullResult());
    EXPECT_EQ(panel.MarkGrid().CellText(0, 1), "");
}

TEST(MultiResultGrid, RaisesChangeOnlyWhenTheCellsDiffer) {
    clsTMultiResult grid;
    std::vector<bool> changes;
    grid.SetChangeHandler([&](bool click) { changes.push_back(click); });
    ResultMarks marks{};
    grid.SetValue(marks);
    EXPECT_TRUE(changes.empty());
    marks[3][2] = kResultOfficial;
    grid.SetValue(marks);
    grid.SetValue(marks);
    EXPECT_EQ(changes, (std::vector<bool>{false}));
    grid.LeftClick(0, 0, -1);
    EXPECT_EQ(changes, (std::vector<bool>{false, true}));
    // A popup without a right click first, or another index, does nothing.
    grid.SetPopup(0);
    EXPECT_EQ(changes.size(), 2u);
    EXPECT_TRUE(grid.RightClick(9).isEmpty());
    grid.SetPopup(0);
    EXPECT_EQ(changes.size(), 2u);
    grid.RightClick(4);
    grid.SetPopup(1);
    EXPECT_EQ(changes.size(), 2u);
    grid.SetPopup(0);
    EXPECT_EQ(changes, (std::vector<bool>{false, true, true}));
    std::array<std::array<bool, 4>, 6> visible{};
    grid.GetVisible(visible);
    EXPECT_TRUE(visible[0][0]);
    EXPECT_TRUE(visible[3][2]);
    EXPECT_TRUE(visible[4][1]);
    EXPECT_FALSE(visible[5][1]);
    EXPECT_TRUE(grid.VisibleTable()[2][3]);
    grid.Clear();
    EXPECT_EQ(changes.back(), false);
    EXPECT_EQ(grid.CellText(3, 2), "");
}
