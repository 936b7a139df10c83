#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "ReductionTestUtil.h"
#include "core/ScheduleRecord.h"
#include "reduction/ConditionEvaluator.h"
#include "reduction/ConditionLabels.h"
#include "reduction/ConditionSet.h"

namespace kestrel {
namespace {

using test::Multi;
using test::No;

TEST(ConditionSet, ClearedSetHasTheDocumentedDefaults) {
    ConditionSet set;
    for (size_t g = 0; g < 3; ++g) {
        EXPECT_TRUE(set.Haitou.Enabled[g]);
        EXPECT_FALSE(set.Haitou.Flag[g]);
        EXPECT_EQ(set.Haitou.Min[g], Money());
        EXPECT_EQ(set.Haitou.Max[g], Money::FromInt(9'999'999'999));
    }
    EXPECT_EQ(set.Honmei[0].RowCount, 6);
    EXPECT_EQ(set.Honmei[0].BaseCount, 6);
    EXPECT_EQ(set.Ninki[5].RowCount, 4);
    EXPECT_EQ(set.Mark[28].BaseCount, 4);
    for (const auto* groups : {&set.Honmei, &set.Ninki, &set.Mark}) {
        for (int g = 0; g < ConditionSet::kGroupCount; ++g) {
            const ConditionGroup& group = (*groups)[static_cast<size_t>(g)];
            EXPECT_TRUE(group.Enabled);
            EXPECT_TRUE(group.Flag);
            const bool teams = g != 1 && g != 2;
            for (bool flag : group.GameFlg) {
                EXPECT_EQ(flag, teams) << "group " << g;
            }
            for (bool flag : group.MarkFlg) {
                EXPECT_TRUE(flag);
            }
            for (int r = 0; r < group.Rows(); ++r) {
                EXPECT_EQ(group.RowMarkCount(r), 0);
                for (int i = 0; i < group.Bases(); ++i) {
                    EXPECT_EQ(group.PlusFlg[static_cast<size_t>(r)][static_cast<size_t>(i)],
                              r == i);
                }
            }
        }
    }
    EXPECT_EQ(set.Tensho.Cols, 16);
    EXPECT_EQ(set.Tensho.Rows, 3);
    EXPECT_TRUE(set.Tensho.Enabled);
    EXPECT_EQ(set.Tensho.RowMarkCount(0) + set.Tensho.RowMarkCount(1) + set.Tensho.RowMarkCount(2),
              0);
    EXPECT_EQ(set.MachigaiType, 0);
    EXPECT_TRUE(set.MachigaiList[0]);
    for (size_t n = 1; n < 12; ++n) {
        EXPECT_FALSE(set.MachigaiList[n]);
    }
}

TEST(ConditionSet, ClearRestoresDefaultsButKeepsTheAvailabilityOfPayoutBoxes) {
    ConditionSet set;
    set.Haitou.Enabled[1] = false;
    set.Haitou.Flag[0] = true;
    set.Haitou.Min[0] = Money::FromInt(500);
    set.Honmei[4].Cells[2][1] = kCellCross;
    set.Ninki[0].Flag = false;
    set.Mark[3].PlusFlg[0][2] = true;
    set.Tensho.Cells[5][2] = kCellTriangle;
    set.MachigaiType = 2;
    set.MachigaiList[4] = true;
    set.Clear();
    ConditionSet expected;
    expected.Haitou.Enabled[1] = false;
    EXPECT_EQ(set, expected);
}

TEST(ConditionLabels, GroupLabelsAndTitles) {
    EXPECT_EQ(ConditionLabels::GroupLabel(0), "全て");
    EXPECT_EQ(ConditionLabels::GroupLabel(1), "J1");
    EXPECT_EQ(ConditionLabels::GroupLabel(2), "J2");
    EXPECT_EQ(ConditionLabels::GroupLabel(3), "A");
    EXPECT_EQ(ConditionLabels::GroupLabel(28), "Z");
    EXPECT_EQ(ConditionLabels::GroupLabel(29), "");
    EXPECT_EQ(ConditionLabels::LongTitle(ConditionKind::Honmei, 2), "穴　▲");
    EXPECT_EQ(ConditionLabels::LongTitle(ConditionKind::Honmei, 5), "特注☆");
    EXPECT_EQ(ConditionLabels::LongTitle(ConditionKind::Ninki, 3), "4番人気");
    EXPECT_EQ(ConditionLabels::LongTitle(ConditionKind::Mark, 3), "3点以上");
    EXPECT_EQ(ConditionLabels::ShortTitle(ConditionKind::Mark, 4), "");
}

TEST(ConditionLabels, RowLabelIsTheLongTitleOfOneItemOrShortTitlesJoinedByPlus) {
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Honmei);
    EXPECT_EQ(group.RowLabel[0], "本命◎");
    EXPECT_EQ(group.RowLabel[4], "注意×");
    group.PlusFlg[0][1] = true;
    group.PlusFlg[3] = {true, false, false, true, false, true};
    group.UpdateRowLabels(ConditionKind::Honmei);
    EXPECT_EQ(group.RowLabel[0], "◎+○");
    EXPECT_EQ(group.RowLabel[3], "◎+△+☆");

    ConditionGroup ninki = ConditionGroup::Defaults(ConditionKind::Ninki);
    EXPECT_EQ(ninki.RowLabel[1], "2番人気");
    EXPECT_EQ(ninki.RowLabel[4], ""); // beyond the kind's rows
    ninki.PlusFlg[1] = {true, true, false, false, false, false};
    EXPECT_EQ(ninki.ComputeRowLabel(ConditionKind::Ninki, 1), "1番+2番");

    ConditionGroup mark = ConditionGroup::Defaults(ConditionKind::Mark);
    mark.PlusFlg[0] = {true, false, false, true, false, false};
    EXPECT_EQ(mark.ComputeRowLabel(ConditionKind::Mark, 0), "[0]+[3]");
    EXPECT_EQ(mark.ComputeRowLabel(ConditionKind::Mark, 3), "3点以上");
}

TEST(ConditionSet, J1J2AssignmentTicksTeamsByLeagueOfTheMatchYear) {
    ScheduleRecord schedule;
    const char* teams[] = {"鹿島", "仙台", "浦和", "札幌", "水戸", "福岡"};
    for (size_t t = 0; t < 6; ++t) {
        schedule.Slots[t].Team = QString::fromUtf8(teams[t]);
        schedule.Slots[t].GameDate = *DateTime::FromParts(2009, 5, 16);
    }
    QStringList asked;
    auto lookup = [&](const QString& name, int year) -> QString {
        asked << name + QString::number(year);
        if (name == "鹿島" || name == "浦和") {
            return "J1";
        }
        if (name == "仙台" || name == "水戸") {
            return "J2";
        }
        return name == "札幌" ? "J3" : "";
    };
    ConditionSet set;
    set.Ninki[1].GameFlg[5] = true; // cleared first
    set.AssignJ1J2(schedule, lookup);
    EXPECT_EQ(asked.size(), 6);
    EXPECT_EQ(asked[0], "鹿島2009");
    for (const auto* groups : {&set.Honmei, &set.Ninki, &set.Mark}) {
        EXPECT_EQ((*groups)[1].GameFlg,
                  (std::array<bool, 6>{true, false, true, false, false, false}));
        EXPECT_EQ((*groups)[2].GameFlg,
                  (std::array<bool, 6>{false, true, false, false, true, false}));
        EXPECT_EQ((*groups)[0].GameFlg, (std::array<bool, 6>{true, true, true, true, true, true}));
    }
}

TEST(ConditionSet, J1J2AssignmentReadsTheLeagueListsOfTheTeamNameTables) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkpath("SysData"));
    QFile leagues(root.path() + "/SysData/J1J2.dat");
    ASSERT_TRUE(leagues.open(QIODevice::WriteOnly));
    // Shift_JIS text: "2009J1=鹿島,浦和", "2009J2=仙台", "2010J1=仙台".
    leagues.write(QByteArray("2009J1=\x8E\xAD\x93\x87,\x89\x59\x98\x61\r\n"
                             "2009J2=\x90\xE5\x91\xE4\r\n"
                             "2010J1=\x90\xE5\x91\xE4\r\n"));
    leagues.close();
    const clsTotoData teams{ProgramPaths(root.path())};
    ScheduleRecord schedule;
    const char* names[] = {"鹿島", "仙台", "浦和", "札幌", "", "仙台"};
    for (size_t t = 0; t < 6; ++t) {
        schedule.Slots[t].Team = QString::fromUtf8(names[t]);
        schedule.Slots[t].GameDate = *DateTime::FromParts(t == 5 ? 2010 : 2009, 5, 16);
    }
    ConditionSet set;
    set.AssignJ1J2(schedule, teams);
    EXPECT_EQ(set.Mark[1].GameFlg, (std::array<bool, 6>{true, false, true, false, false, true}));
    EXPECT_EQ(set.Mark[2].GameFlg, (std::array<bool, 6>{false, true, false, false, false, false}));
}

TEST(ConditionEvaluator, RowCountsTeamsWhoseItemIsTickedAmongCountedTeamsAndClasses) {
    // ◎ on class 0 and ○ on class 1 of every slot.
    const MarkTable marks =
        Multi({"01", "01", "01", "01", "01", "01"}, {"12", "12", "12", "12", "12", "12"});
    const ConditionEvaluator eval(marks, VoteRecord());
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Honmei);
    const int32_t single = No({0, 1, 0, 1, 1, 0});
    EXPECT_EQ(eval.Count(ConditionKind::Honmei, group, 0, single), 3); // ◎ in slots 1, 3, 6
    EXPECT_EQ(eval.Count(ConditionKind::Honmei, group, 1, single), 3); // ○ in slots 2, 4, 5
    group.GameFlg[0] = false;
    EXPECT_EQ(eval.Count(ConditionKind::Honmei, group, 0, single), 2);
    group.MarkFlg[1] = false; // class-1 picks no longer count at all
    EXPECT_EQ(eval.Count(ConditionKind::Honmei, group, 1, single), 0);
    group.PlusFlg[0][1] = true;
    EXPECT_EQ(eval.Count(ConditionKind::Honmei, group, 0, single), 2);

    group.Cells[2][0] = kCellTriangle;
    EXPECT_EQ(eval.Row(ConditionKind::Honmei, group, 0, single), Verdict::Triangle);
    group.Cells[2][0] = kCellCross;
    EXPECT_EQ(eval.Row(ConditionKind::Honmei, group, 0, single), Verdict::Cross);
    EXPECT_EQ(eval.Row(ConditionKind::Honmei, group, 1, single), Verdict::Pass);
}

TEST(ConditionEvaluator, ScoreTableCellIsHomeTimesFourPlusAway) {
    TenshoGrid grid;
    grid.Cells[2 * 4 + 0][1] = kCellCross; // match 3Vs4: home 2, away 0
    EXPECT_EQ(ConditionEvaluator::Tensho(grid, 1, No({0, 0, 2, 0, 0, 0})), Verdict::Cross);
    EXPECT_EQ(ConditionEvaluator::Tensho(grid, 1, No({0, 0, 0, 2, 0, 0})), Verdict::Pass);
    EXPECT_EQ(ConditionEvaluator::Tensho(grid, 0, No({2, 0, 0, 0, 0, 0})), Verdict::Pass);
    EXPECT_TRUE(ConditionEvaluator::TenshoApplies(grid, 1));
    EXPECT_FALSE(ConditionEvaluator::TenshoApplies(grid, 0));
    grid.Enabled = false;
    EXPECT_FALSE(ConditionEvaluator::TenshoApplies(grid, 1));
}

TEST(ConditionEvaluator, PayoutRangeIsInclusiveAndTheLargestMaximumIsNoBound) {
    // Rates of 50 % on classes 0 and 1: grade 1 pays 30e12 / 50^6 = 1,920 yen.
    const ConditionEvaluator eval(MarkTable{}, test::Vote({50, 50, 0, 0}));
    const int32_t single = No({0, 1, 0, 1, 0, 1});
    EXPECT_EQ(eval.Prize(0, single), test::Yen(1920));
    EXPECT_EQ(eval.Prize(1, single), test::Yen(213));
    EXPECT_EQ(eval.Haitou(test::Yen(1920), test::Yen(1920), 0, single), Verdict::Pass);
    EXPECT_EQ(eval.Haitou(test::Yen(1921), test::Yen(5000), 0, single), Verdict::Cross);
    EXPECT_EQ(eval.Haitou(test::Yen(0), test::Yen(1919), 0, single), Verdict::Cross);

    // A rate of 0.0001 % in every slot gives the capped estimate of 99,999,999,999 yen.
    const ConditionEvaluator rare(MarkTable{}, test::Vote({1, 999'999, 0, 0}));
    EXPECT_EQ(rare.Prize(0, 0), test::Yen(99'999'999'999));
    EXPECT_EQ(rare.Haitou(test::Yen(0), test::Yen(9'999'999'999), 0, 0), Verdict::Pass);
    EXPECT_EQ(rare.Haitou(test::Yen(0), test::Yen(9'999'999'998), 0, 0), Verdict::Cross);

    ConditionSet set;
    set.Haitou.Flag[0] = true;
    EXPECT_TRUE(ConditionEvaluator::HaitouApplies(set, 0));
    set.Haitou.Min[0] = test::Yen(-1);
    EXPECT_FALSE(ConditionEvaluator::HaitouApplies(set, 0));
    set.Haitou.Min[0] = test::Yen(0);
    set.Haitou.Enabled[0] = false;
    EXPECT_FALSE(ConditionEvaluator::HaitouApplies(set, 0));
}

} // namespace
} // namespace kestrel
