#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <atomic>
#include <random>
#include <thread>
#include <vector>

#include "ReductionTestUtil.h"
#include "platform/Clock.h"
#include "platform/RunControl.h"
#include "reduction/ConditionEvaluator.h"
#include "reduction/clsTX.h"

namespace kestrel {
namespace {

using test::Multi;
using test::Yen;

const QString kSep(55, QLatin1Char('-'));

struct RunResult {
    int32_t count = -1;
    std::vector<int32_t> singles;
    QStringList lines;
};

RunResult Execute(clsTX& tx, const ConditionSet& set, const MarkTable& marks, bool end = true) {
    RunResult run;
    run.singles = {12345};
    tx.Execute(run.count, run.singles, set, marks);
    if (end) {
        tx.EndMsg(run.count);
    }
    run.lines = tx.Log().Lines();
    return run;
}

// Lines that start with the time prefix, prefix removed.
QStringList StepLines(const QStringList& lines) {
    QStringList steps;
    for (const QString& line : lines) {
        if (line.size() > 5 && line[4] == ' ' && line.left(4).toInt() >= 0 &&
            line.left(4).contains(QRegularExpression("^\\d{4}$"))) {
            steps << line.mid(5);
        }
    }
    return steps;
}

QString Masked(const QString& line) {
    QString out = line;
    return out.replace(QRegularExpression("^\\d{4} "), "#### ");
}

// Singles 0, 1, 2, 4, 5, 6: slot 1 scores 0 (◎), 1 (○) or 2 (▲), slot 2 scores 0 (◎) or 1 (○),
// the rest 0 (◎).
MarkTable SixSingles() {
    return Multi({"012", "01", "0", "0", "0", "0"}, {"123", "12", "1", "1", "1", "1"});
}

// A finished step line without its time prefix: the label, the given number of blanks (counted
// by hand so that ":" stands in column 23), then the counts.
QString Step(const char* label, int blanks, const char* counts) {
    return QString::fromUtf8(label) + QString(blanks, QLatin1Char(' ')) + ":" +
           QString::fromUtf8(counts);
}

class ReductionRun : public ::testing::Test {
protected:
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    clsTX tx{clock};
};

TEST_F(ReductionRun, ClearedSetKeepsTheWholeMultiAndWritesNoStep) {
    const RunResult run = Execute(tx, ConditionSet(), test::FullMulti());
    ASSERT_EQ(run.count, 4096);
    for (int32_t i = 0; i < 4096; ++i) {
        ASSERT_EQ(run.singles[static_cast<size_t>(i)], i);
    }
    EXPECT_EQ(run.lines, (QStringList{"Kestrel  Version 1.00", kSep, "マルチ総数：4,096", kSep,
                                      "0000 該当するパターンは 4,096 存在します"}));
    EXPECT_FALSE(tx.Run());
}

TEST_F(ReductionRun, EmptyMultiRunsNoStepAndReportsNoPattern) {
    ConditionSet set;
    set.Mark[0].Cells[0][0] = kCellCross;
    const RunResult run = Execute(tx, set, MarkTable{});
    EXPECT_EQ(run.count, 0);
    EXPECT_TRUE(run.singles.empty());
    EXPECT_EQ(run.lines, (QStringList{"Kestrel  Version 1.00", kSep, "マルチ総数：0", kSep,
                                      "0000 該当するパターンは存在しません"}));
}

TEST_F(ReductionRun, EachKindAloneWithItsLabel) {
    ConditionSet honmei;
    honmei.Honmei[0].Cells[6][0] = kCellCross; // all six ◎: single 0
    RunResult run = Execute(tx, honmei, SixSingles());
    EXPECT_EQ(run.singles, (std::vector<int32_t>{1, 2, 4, 5, 6}));
    EXPECT_EQ(StepLines(run.lines)[0], Step("本命/全て/本命◎", 6, "      6 →       5 ( 83.33%)"));

    ConditionSet ninki;
    ninki.Ninki[5].Cells[6][1] = kCellCross; // group "C", row 2番人気: nothing is second
    tx.SetVote(test::Vote({40, 30, 20, 10}));
    run = Execute(tx, ninki, SixSingles());
    EXPECT_EQ(run.count, 6);
    EXPECT_EQ(StepLines(run.lines)[0], Step("人気/C/2番人気", 8, "      6 →       6 (100.00%)"));

    ConditionSet mark;
    mark.Mark[3].PlusFlg[0] = {false, true, true, false, false, false};
    mark.Mark[3].Cells[0][0] = kCellCross; // group "A": at least one team scores 1 or 2
    run = Execute(tx, mark, SixSingles());
    EXPECT_EQ(run.singles, (std::vector<int32_t>{1, 2, 4, 5, 6}));
    EXPECT_EQ(StepLines(run.lines)[0], Step("得点/A/[1]+[2]", 8, "      6 →       5 ( 83.33%)"));

    ConditionSet tensho;
    tensho.Tensho.Cells[1 * 4 + 1][0] = kCellCross; // 1Vs2 ends 1-1: single 5
    tensho.Tensho.Cells[0][2] = kCellCross;         // 5Vs6 ends 0-0: every single
    run = Execute(tx, tensho, SixSingles());
    EXPECT_EQ(run.count, 0);
    const QStringList steps = StepLines(run.lines);
    EXPECT_EQ(steps[0], Step("点詳細/1Vs2", 11, "      6 →       5 ( 83.33%)"));
    EXPECT_EQ(steps[1], Step("点詳細/5Vs6", 11, "      5 →       0 (  0.00%)"));

    ConditionSet haitou;
    tx.SetVote(test::Vote({50, 50, 0, 0}));
    haitou.Haitou.Flag[1] = true;
    haitou.Haitou.Max[1] = Yen(300); // grade 2: 213 yen for classes 0/1, 640 with one class 2
    run = Execute(tx, haitou, SixSingles());
    EXPECT_EQ(run.singles, (std::vector<int32_t>{0, 1, 4, 5}));
    EXPECT_EQ(StepLines(run.lines)[0], Step("２等当せん金", 10, "      6 →       4 ( 66.67%)"));
}

TEST_F(ReductionRun, SwitchedOffGroupsBlankRowsAndUnavailablePayoutsAreSkipped) {
    ConditionSet set;
    set.Honmei[3].Flag = false;
    set.Honmei[3].Cells[6][0] = kCellCross;
    set.Ninki[0].Enabled = false;
    set.Ninki[0].Cells[0][0] = kCellCross;
    set.Tensho.Enabled = false;
    set.Tensho.Cells[0][0] = kCellCross;
    set.Haitou.Flag[0] = true;
    set.Haitou.Enabled[0] = false;
    set.Haitou.Max[0] = Yen(0);
    set.Mark[0].Cells[2][3] = kCellCross; // row 3 only; rows 0..2 are blank
    const RunResult run = Execute(tx, set, SixSingles());
    EXPECT_EQ(run.count, 6);
    EXPECT_EQ(StepLines(run.lines),
              (QStringList{Step("得点/全て/3点以上", 5, "      6 →       6 (100.00%)"),
                           "該当するパターンは 6 存在します"}));
}

TEST_F(ReductionRun, TriangleFailsLikeCrossExceptInMissModeTwo) {
    // Mark row [1]: one team scoring 1 is "△" (singles 1, 4, 6), two is "×" (single 5).
    ConditionSet set;
    set.Mark[0].Cells[1][1] = kCellTriangle;
    set.Mark[0].Cells[2][1] = kCellCross;
    set.MachigaiList[1] = true;

    set.MachigaiType = 0;
    EXPECT_EQ(Execute(tx, set, SixSingles()).singles, (std::vector<int32_t>{0, 2}));
    set.MachigaiType = 1;
    RunResult run = Execute(tx, set, SixSingles());
    EXPECT_EQ(run.singles, (std::vector<int32_t>{0, 1, 2, 4, 5, 6}));
    EXPECT_EQ(tx.LastDistribution()[1], 4);
    set.MachigaiType = 2;
    run = Execute(tx, set, SixSingles());
    EXPECT_EQ(run.singles, (std::vector<int32_t>{0, 1, 2, 4, 6}));
    EXPECT_EQ(tx.LastDistribution()[0], 2);
    EXPECT_EQ(tx.LastDistribution()[1], 3);
    // Every step line of miss mode keeps the count; only the fold line reduces.
    const QStringList steps = StepLines(run.lines);
    EXPECT_EQ(steps[0], Step("得点/全て/1点", 9, "      6 →       6 (100.00%)"));
    EXPECT_EQ(steps[13], Step("条件間違い補正", 8, "      6 →       5 ( 83.33%)"));
}

TEST_F(ReductionRun, ReportOfASmallRunMatchesTheGoldenText) {
    tx.SetVote(test::Vote({50, 50, 0, 0}));
    ConditionSet set;
    set.Haitou.Flag[0] = true;
    set.Haitou.Min[0] = Yen(1); // class 2 in slot 1 is estimated at 0 yen: singles 2 and 6
    set.Mark[0].Cells[1][1] = kCellTriangle;
    set.Mark[0].Cells[2][1] = kCellCross;
    set.Mark[3].Flag = false;
    set.Mark[3].Cells[0][0] = kCellCross;
    set.Tensho.Cells[0][0] = kCellTriangle; // 1Vs2 ends 0-0: single 0
    set.MachigaiType = 2;
    set.MachigaiList[1] = true;
    clock->Advance(5000); // before Cls: the report's times start at 0 again
    const RunResult run = Execute(tx, set, SixSingles());
    EXPECT_EQ(run.singles, (std::vector<int32_t>{0, 1, 4}));

    QFile file(QStringLiteral(KESTREL_TEST_DATA "/reduction/report_mode2.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList golden = QString::fromUtf8(file.readAll()).split('\n');
    if (golden.last().isEmpty()) {
        golden.removeLast();
    }
    ASSERT_EQ(run.lines.size(), golden.size());
    for (qsizetype i = 0; i < golden.size(); ++i) {
        EXPECT_EQ(Masked(run.lines[i]), Masked(golden[i])) << "line " << i + 1;
    }
}

TEST_F(ReductionRun, TimePrefixRoundsTheSecondsSinceTheRunStarted) {
    ConditionSet set;
    set.Mark[0].Cells[0][2] = kCellCross; // no 2 scored: singles 0, 1, 4, 5
    RunControl control;
    control.onProgress = [&](int, int) { clock->Advance(300); };
    tx.SetRunControl(&control);
    const RunResult run = Execute(tx, set, SixSingles());
    // Six ticks of 300 ms during the step: the end line is written after 1.8 s, which rounds
    // to 2.
    EXPECT_EQ(run.lines[4].left(5), "0000 ");
    EXPECT_EQ(run.lines.last(), "0002 該当するパターンは 2 存在します");
}

TEST_F(ReductionRun, LongLabelsAreCutAtTwentyTwoColumns) {
    ConditionSet set;
    set.Honmei[0].PlusFlg[0] = {true, true, true, true, true, false};
    set.Honmei[0].Cells[6][0] = kCellCross;
    const RunResult run = Execute(tx, set, SixSingles());
    EXPECT_EQ(StepLines(run.lines)[0],
              Step("本命/全て/◎+○+▲+△+", 0, "      6 →       0 (  0.00%)"));
}

TEST_F(ReductionRun, AStepThatRemovesEverySingleEndsTheRun) {
    ConditionSet set;
    set.Honmei[0].Cells[0][1] = kCellCross; // no ○: singles 0 and 2
    set.Honmei[0].Cells[1][1] = kCellCross; // one ○: singles 1, 4 and 6
    set.Honmei[0].Cells[2][1] = kCellCross; // two ○: single 5
    set.Ninki[0].Cells[0][0] = kCellCross;
    const RunResult run = Execute(tx, set, SixSingles());
    EXPECT_EQ(run.count, 0);
    EXPECT_EQ(StepLines(run.lines),
              (QStringList{Step("本命/全て/対抗○", 6, "      6 →       0 (  0.00%)"),
                           "該当するパターンは存在しません"}));
}

TEST_F(ReductionRun, CancelDuringPopularityRowsSkipsTheLaterSteps) {
    ConditionSet set;
    for (auto* groups : {&set.Honmei, &set.Ninki, &set.Mark}) {
        (*groups)[0].Cells[6][0] = kCellTriangle; // removes at most single 0
        (*groups)[0].Cells[6][1] = kCellTriangle; // removes nothing
    }
    set.Tensho.Cells[15][0] = kCellCross;
    // Class 0 is ◎ and most voted, the others ○ and less voted.
    const MarkTable marks = Multi({"0123", "0123", "0123", "0123", "0123", "0123"},
                                  {"1222", "1222", "1222", "1222", "1222", "1222"});
    tx.SetVote(test::Vote({40, 30, 20, 10}));
    RunControl control;
    control.onProgress = [&](int, int) {
        if (tx.Log().Lines().last().contains("人気/全て/1番人気")) {
            control.stop = true;
        }
    };
    tx.SetRunControl(&control);

    for (int type : {0, 1}) {
        set.MachigaiType = type;
        const RunResult run = Execute(tx, set, marks, false);
        EXPECT_EQ(run.count, 0);
        EXPECT_TRUE(run.singles.empty());
        const QString text = run.lines.join('\n');
        EXPECT_TRUE(text.contains("本命/全て/対抗○"));
        EXPECT_TRUE(text.contains("人気/全て/1番人気"));
        EXPECT_FALSE(text.contains("人気/全て/2番人気"));
        EXPECT_FALSE(text.contains("得点/"));
        EXPECT_FALSE(text.contains("点詳細/"));
        EXPECT_EQ(text.contains("条件間違い分布 → :"), type == 1);
        EXPECT_EQ(run.lines[run.lines.size() - 2], "実行がキャンセルされました");
        control.stop = false;
    }

    // The next run starts with a clear cancel flag.
    const RunResult again = Execute(tx, ConditionSet(), SixSingles());
    EXPECT_EQ(again.count, 6);

    // Cancel set directly before the run is cleared by the run itself.
    tx.Cancel();
    EXPECT_EQ(Execute(tx, ConditionSet(), SixSingles()).count, 6);
}

TEST_F(ReductionRun, RunsOnAWorkerThreadAndStopsWhenTheHostSetsStop) {
    ConditionSet set;
    for (auto& group : set.Mark) {
        for (int r = 0; r < group.Rows(); ++r) {
            group.Cells[6][static_cast<size_t>(r)] = kCellTriangle;
        }
    }
    RunControl control;
    std::atomic<int> ticks{0};
    std::atomic<bool> reached{false};
    std::atomic<bool> go{false};
    control.onProgress = [&](int value, int maximum) {
        EXPECT_EQ(maximum, 100);
        EXPECT_GE(value, 1);
        if (++ticks == 50) {
            reached = true;
            while (!go) {
                std::this_thread::yield();
            }
        }
    };
    tx.SetRunControl(&control);
    RunResult result;
    std::thread worker([&] { tx.Execute(result.count, result.singles, set, test::FullMulti()); });
    while (!reached) {
        std::this_thread::yield();
    }
    EXPECT_TRUE(tx.Run());
    control.stop = true;
    go = true;
    worker.join();
    EXPECT_FALSE(tx.Run());
    EXPECT_EQ(result.count, 0);
    EXPECT_TRUE(result.singles.empty());
    EXPECT_LT(ticks.load(), 100); // stopped within the first step
    EXPECT_EQ(tx.Log().Lines()[tx.Log().Lines().size() - 2], "実行がキャンセルされました");
}

// Every reduction equals what the single-look-up rules say about each single on its own.
TEST_F(ReductionRun, RandomConditionSetsAgreeWithSingleEvaluation) {
    std::mt19937 random(20240601);
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    const VoteRecord vote = test::Vote({45, 30, 15, 10});
    tx.SetVote(vote);
    for (int round = 0; round < 40; ++round) {
        MarkTable marks{};
        for (auto& row : marks) {
            for (auto& cell : row) {
                cell = chance(60) ? static_cast<int32_t>(random() % 7) : 0;
            }
        }
        ConditionSet set;
        for (int g = 0; g < 3; ++g) {
            set.Haitou.Flag[static_cast<size_t>(g)] = chance(30);
            set.Haitou.Min[static_cast<size_t>(g)] = Yen(static_cast<int64_t>(random() % 3000));
            set.Haitou.Max[static_cast<size_t>(g)] =
                chance(50) ? Yen(9'999'999'999) : Yen(static_cast<int64_t>(random() % 200000));
        }
        for (auto* groups : {&set.Honmei, &set.Ninki, &set.Mark}) {
            for (auto& group : *groups) {
                group.Flag = chance(80);
                for (int i = 0; i < 6; ++i) {
                    group.GameFlg[static_cast<size_t>(i)] = chance(85);
                }
                for (int r = 0; r < group.Rows(); ++r) {
                    for (int i = 0; i < group.Bases(); ++i) {
                        if (chance(15)) {
                            group.PlusFlg[static_cast<size_t>(r)][static_cast<size_t>(i)] = true;
                        }
                    }
                    for (auto& counts : group.Cells) {
                        counts[static_cast<size_t>(r)] =
                            chance(3) ? static_cast<uint8_t>(1 + random() % 2) : kCellBlank;
                    }
                }
            }
        }
        for (auto& cells : set.Tensho.Cells) {
            for (auto& cell : cells) {
                cell = chance(8) ? static_cast<uint8_t>(1 + random() % 2) : kCellBlank;
            }
        }
        set.MachigaiType = static_cast<int32_t>(random() % 3);
        for (auto& flag : set.MachigaiList) {
            flag = chance(40);
        }

        // Expected survivors from single evaluation.
        const ConditionEvaluator eval(marks, vote);
        int32_t total = 0;
        std::vector<int32_t> all;
        clsTX1 expander;
        expander.SetValue(marks);
        expander.GetMulti(total, all);
        std::vector<int32_t> expected;
        for (const int32_t single : all) {
            int misses = 0;
            int triangles = 0;
            auto note = [&](Verdict v) {
                misses += v != Verdict::Pass;
                triangles += v == Verdict::Triangle;
            };
            for (int g = 0; g < 3; ++g) {
                if (ConditionEvaluator::HaitouApplies(set, g)) {
                    note(eval.Haitou(set.Haitou.Min[static_cast<size_t>(g)],
                                     set.Haitou.Max[static_cast<size_t>(g)], g, single));
                }
            }
            for (ConditionKind kind :
                 {ConditionKind::Honmei, ConditionKind::Ninki, ConditionKind::Mark}) {
                for (const auto& group : set.Groups(kind)) {
                    for (int r = 0; r < group.Rows(); ++r) {
                        if (ConditionEvaluator::RowApplies(group, r)) {
                            note(eval.Row(kind, group, r, single));
                        }
                    }
                }
            }
            for (int m = 0; m < 3; ++m) {
                if (ConditionEvaluator::TenshoApplies(set.Tensho, m)) {
                    note(ConditionEvaluator::Tensho(set.Tensho, m, single));
                }
            }
            const int n = std::min(misses, 11);
            const bool keep = set.MachigaiType == 0
                                  ? misses == 0
                                  : set.MachigaiList[static_cast<size_t>(n)] &&
                                        (set.MachigaiType == 1 || misses == triangles);
            if (keep) {
                expected.push_back(single);
            }
        }
        const RunResult run = Execute(tx, set, marks);
        EXPECT_EQ(run.singles, expected) << "round " << round << " type " << set.MachigaiType;
    }
}

TEST_F(ReductionRun, PanelsAreHandedTheirValues) {
    CountTable frame{};
    frame[2][0] = 7;
    FlagTable visible{};
    visible[2][0] = true;
    tx.SetSingleFrame(frame, visible);
    EXPECT_EQ(tx.CountPanel().Value(2, 0), 7);
    tx.SetSinglePercent(true);
    EXPECT_TRUE(tx.CountPanel().Percent());

    const MarkTable marks = SixSingles();
    const std::array<int32_t, 6> hits = {6, 3, 3, 0, 6, 6};
    tx.SetMeisai(marks, 0, hits); // count 0: nothing handed over
    EXPECT_EQ(tx.MeisaiPanel().SingleCount(), 0);
    tx.SetMeisai(marks, 3, hits);
    EXPECT_EQ(tx.MeisaiPanel().SingleCount(), 3);
    EXPECT_EQ(tx.MeisaiPanel().SlotCount(1), 4);
    EXPECT_TRUE(tx.MeisaiPanel().PercentValid());
    EXPECT_EQ(tx.MeisaiPanel().Percent(2), Money::FromInt(50));

    tx.CountMeisaiClear();
    EXPECT_EQ(tx.CountPanel().Value(2, 0), 0);
    EXPECT_EQ(tx.MeisaiPanel().SingleCount(), 0);
    EXPECT_FALSE(tx.MeisaiPanel().PercentValid());
}

} // namespace
} // namespace kestrel
