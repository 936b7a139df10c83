#include <QTemporaryDir>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <thread>

#include "MessageCollector.h"
#include "ReductionTestUtil.h"
#include "core/clsTNumber.h"
#include "documents/clsTFileTPD.h"
#include "platform/Version.h"
#include "workflow/SearchDriver.h"
#include "workflow/WorkingDocument.h"

namespace kestrel {
namespace {

// Every single of `all` lies within `distance` slots of some single of `cover`.
bool Covers(const std::vector<int32_t>& cover, const std::vector<int32_t>& all, int distance) {
    for (const int32_t s : all) {
        bool found = false;
        for (const int32_t c : cover) {
            if (clsTNumber::Distance(s, c) <= distance) {
                found = true;
                break;
            }
        }
        if (!found) {
            return false;
        }
    }
    return true;
}

CountTable FrameOf(const std::vector<int32_t>& singles) {
    CountTable frame{};
    for (const int32_t s : singles) {
        for (int t = 0; t < 6; ++t) {
            ++frame[static_cast<size_t>((s >> (2 * t)) & 3)][static_cast<size_t>(t)];
        }
    }
    return frame;
}

std::vector<int32_t> AllOf(const MarkTable& marks) {
    std::vector<int32_t> all;
    for (int32_t s = 0; s < 4096; ++s) {
        bool in = true;
        for (int t = 0; t < 6 && in; ++t) {
            in = marks[static_cast<size_t>((s >> (2 * t)) & 3)][static_cast<size_t>(t)] > 0;
        }
        if (in) {
            all.push_back(s);
        }
    }
    return all;
}

// Builds documents in a temporary root, searches them as the search command does (open, search,
// save) and reads the saved files back.
class SearchEndToEndTest : public ::testing::Test {
protected:
    QString WriteDocument(const QString& name, int32_t method, const MarkTable& marks) {
        DocumentRecord record;
        record.Kaisaikai = 45;
        record.Multi = marks;
        record.Settings.MsEngine = method;
        record.Singles = {1, 2, 3}; // a stale list the search replaces
        const QString path = m_root.filePath(QStringLiteral("UserData/Kestrel/") + name);
        EXPECT_TRUE(clsTFileTPD().Save(path, true, record));
        return path;
    }

    DocumentRecord SearchFile(const QString& path) {
        WorkingDocument doc;
        EXPECT_TRUE(FileLoadTPD(doc, m_paths, path, true, true));
        SearchDriver driver;
        RunControl control;
        EXPECT_TRUE(driver.Search(doc, control));
        EXPECT_FALSE(driver.Running());
        EXPECT_TRUE(FileSaveTPD(doc, path, true));
        DocumentRecord saved;
        EXPECT_TRUE(clsTFileTPD().Load(path, saved));
        EXPECT_EQ(saved.Singles, doc.Record.Singles);
        return saved;
    }

    static void ExpectListFigures(const DocumentRecord& saved) {
        EXPECT_TRUE(std::is_sorted(saved.Singles.begin(), saved.Singles.end()));
        EXPECT_EQ(saved.SingleFrame, FrameOf(saved.Singles));
        EXPECT_EQ(saved.MsSingleCount, saved.SingleCount());
        EXPECT_EQ(saved.MsSingleFrame, saved.SingleFrame);
    }

    QTemporaryDir m_dir;
    QDir m_root{m_dir.path()};
    ProgramPaths m_paths{m_dir.path()};
};

TEST_F(SearchEndToEndTest, MethodZeroKeepsEveryReducedSingleAndReportsTheCount) {
    const DocumentRecord saved =
        SearchFile(WriteDocument(QStringLiteral("m0.tpd"), 0, test::FullMulti()));
    ASSERT_EQ(saved.SingleCount(), 4096);
    for (int32_t i = 0; i < 4096; ++i) {
        ASSERT_EQ(saved.Singles[static_cast<size_t>(i)], i);
    }
    ExpectListFigures(saved);
    EXPECT_EQ(saved.SingleFrame[2][4], 1024);
    EXPECT_EQ(saved.MsTousen, TousenCounts{}); // nothing compressed: no hit figures

    const QStringList report = ReportLines(saved);
    ASSERT_GE(report.size(), 5);
    EXPECT_EQ(report[0], QStringLiteral("Kestrel  Version ") + VersionText());
    EXPECT_EQ(report[1], QString(55, QLatin1Char('-')));
    EXPECT_EQ(report[2], QStringLiteral("マルチ総数：4,096"));
    EXPECT_EQ(report[report.size() - 2], QString(55, QLatin1Char('-')));
    EXPECT_TRUE(report.last().endsWith(QStringLiteral("該当するパターンは 4,096 存在します")))
        << report.last().toStdString();
}

TEST_F(SearchEndToEndTest, MethodOneCoversTheFullMultiAtTheSecondGrade) {
    const DocumentRecord saved =
        SearchFile(WriteDocument(QStringLiteral("m1.tpd"), 1, test::FullMulti()));
    const int32_t n = saved.SingleCount();
    ASSERT_GT(n, 0);
    EXPECT_LT(n, 4096 / 10);
    EXPECT_TRUE(Covers(saved.Singles, AllOf(test::FullMulti()), 1));
    ExpectListFigures(saved);
    EXPECT_EQ(saved.MsTousen[0], 4096);
    EXPECT_EQ(saved.MsTousen[1], n);
    EXPECT_EQ(saved.MsTousen[4], 4096);
    EXPECT_EQ(saved.MsTousen[5], 4096);
    const QStringList report = ReportLines(saved);
    EXPECT_TRUE(report.last().endsWith(QStringLiteral("該当するパターンは ") + QString::number(n) +
                                       QStringLiteral(" 存在します")));
}

TEST_F(SearchEndToEndTest, MethodThreeCoversAtTheThirdGradeWithFewerSingles) {
    const MarkTable marks = test::FullMulti();
    const DocumentRecord grade2 = SearchFile(WriteDocument(QStringLiteral("a.tpd"), 1, marks));
    const DocumentRecord grade3 = SearchFile(WriteDocument(QStringLiteral("b.tpd"), 3, marks));
    ASSERT_GT(grade3.SingleCount(), 0);
    EXPECT_LT(grade3.SingleCount(), grade2.SingleCount());
    EXPECT_TRUE(Covers(grade3.Singles, AllOf(marks), 2));
    ExpectListFigures(grade3);
    EXPECT_EQ(grade3.MsTousen[0], 4096);
    EXPECT_EQ(grade3.MsTousen[5], 4096);
}

TEST_F(SearchEndToEndTest, ConditionsReduceBeforeTheEngineCompresses) {
    MarkTable marks = test::Multi({"01", "01", "012", "01", "01", "0123"});
    const QString path = WriteDocument(QStringLiteral("cond.tpd"), 1, marks);
    // Score table: match 1Vs2 may not end 1-1.
    DocumentRecord record;
    ASSERT_TRUE(clsTFileTPD().Load(path, record));
    record.Conditions.Tensho.Cells[5][0] = kCellCross;
    ASSERT_TRUE(clsTFileTPD().Save(path, true, record));

    const DocumentRecord saved = SearchFile(path);
    std::vector<int32_t> reduced;
    for (const int32_t s : AllOf(marks)) {
        if (!((s & 3) == 1 && ((s >> 2) & 3) == 1)) {
            reduced.push_back(s);
        }
    }
    EXPECT_TRUE(Covers(saved.Singles, reduced, 1));
    EXPECT_EQ(saved.MsTousen[0], static_cast<int32_t>(reduced.size()));
    EXPECT_EQ(saved.MsTousen[4], static_cast<int32_t>(reduced.size()));
    ExpectListFigures(saved);
    EXPECT_TRUE(ReportLines(saved).join('\n').contains(QStringLiteral("点詳細/1Vs2")));
}

TEST_F(SearchEndToEndTest, AnUnmarkedSlotGivesAnEmptyListWithoutTheEngine) {
    MarkTable marks = test::Multi({"01", "01", "01", "01", "01", ""});
    const DocumentRecord saved = SearchFile(WriteDocument(QStringLiteral("e.tpd"), 1, marks));
    EXPECT_TRUE(saved.Singles.empty());
    EXPECT_EQ(saved.SingleFrame, CountTable{});
    EXPECT_EQ(saved.MsSingleCount, 0);
    EXPECT_EQ(saved.MsTousen, TousenCounts{});
    const QStringList report = ReportLines(saved);
    EXPECT_TRUE(report.contains(QStringLiteral("マルチ総数：0")));
    EXPECT_TRUE(report.last().endsWith(QStringLiteral("該当するパターンは存在しません")));
}

TEST(SearchDriverTest, SummaryAndCountPanelsShowTheResult) {
    WorkingDocument doc;
    doc.Record.Multi = test::Multi({"01", "01", "01", "01", "01", "01"});
    doc.Record.Settings.MsEngine = 1;
    SearchDriver driver;
    RunControl control;
    ASSERT_TRUE(driver.Search(doc, control));
    const int32_t n = doc.Record.SingleCount();
    EXPECT_EQ(driver.Reduction().MeisaiPanel().SingleCount(), n);
    EXPECT_TRUE(driver.Reduction().MeisaiPanel().PercentValid());
    EXPECT_EQ(driver.Reduction().MeisaiPanel().SlotCount(2), 6);
    EXPECT_EQ(driver.Reduction().CountPanel().Value(1, 0), doc.Record.SingleFrame[1][0]);
    EXPECT_EQ(doc.Record.MsTousen[0], 64);
    EXPECT_TRUE(Covers(doc.Record.Singles, AllOf(doc.Record.Multi), 1));
}

TEST(SearchDriverTest, StopEndsALongTrialSearchOnAWorkerAndRefusesASecondSearchMeanwhile) {
    WorkingDocument doc;
    doc.Record.Multi = test::FullMulti();
    doc.Record.Settings.MsEngine = 2; // trial engine without a time limit
    // Above the lower bound (216 at grade 2) and far below what the trial engine reaches.
    doc.Record.Settings.BeginCount = 230;
    SearchDriver driver;
    RunControl control;
    auto run = std::async(std::launch::async, [&] { return driver.Search(doc, control); });
    // Wait (bounded) until the worker has really started, however loaded the machine is.
    for (int i = 0; i < 3000 && !driver.Running(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(driver.Running()); // no ASSERT: the search must still be stopped below
    WorkingDocument other;
    RunControl otherControl;
    EXPECT_FALSE(driver.Search(other, otherControl));
    EXPECT_TRUE(driver.Running());
    EXPECT_TRUE(SearchDriver::Pausable(2));
    EXPECT_TRUE(SearchDriver::Pausable(6));
    EXPECT_TRUE(SearchDriver::Pausable(7));
    EXPECT_FALSE(SearchDriver::Pausable(1));
    driver.Stop();
    ASSERT_EQ(run.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    EXPECT_TRUE(run.get());
    EXPECT_FALSE(driver.Running());
    // Stopped before any size was confirmed: the fast engine's covering, never an empty list.
    ASSERT_FALSE(doc.Record.Singles.empty());
    EXPECT_TRUE(Covers(doc.Record.Singles, AllOf(doc.Record.Multi), 1));
    EXPECT_TRUE(ReportLines(doc.Record)
                    .join('\n')
                    .contains(QStringLiteral(
                        "確定した口数がないため高速検索エンジンの組み合わせを使います")));
    EXPECT_EQ(doc.Record.SingleFrame, FrameOf(doc.Record.Singles));
}

} // namespace
} // namespace kestrel
