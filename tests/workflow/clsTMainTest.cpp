#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "workflow/clsTMain.h"

namespace kestrel {
namespace {

// Rounds with stored records: a schedule, vote or result exists when the map holds the round.
class FakeRecords : public RoundRecordSource {
public:
    std::map<int32_t, ScheduleRecord> schedules;
    std::map<int32_t, VoteRecord> votes;
    std::map<int32_t, ResultRecord> results;

    bool LoadSchedule(int32_t r, const QString&, ScheduleRecord& out) override {
        return Take(schedules, r, out);
    }
    bool LoadVote(int32_t r, const QString&, VoteRecord& out) override {
        return Take(votes, r, out);
    }
    bool LoadResult(int32_t r, const QString&, ResultRecord& out) override {
        return Take(results, r, out);
    }
    bool ScheduleExists(int32_t r, const QString&) const override { return schedules.count(r) > 0; }
    bool VoteExists(int32_t r, const QString&) const override { return votes.count(r) > 0; }
    bool ResultExists(int32_t r, const QString&) const override { return results.count(r) > 0; }

private:
    template <typename M, typename R> static bool Take(const M& map, int32_t r, R& out) {
        const auto it = map.find(r);
        if (it == map.end()) {
            return false;
        }
        out = it->second;
        return true;
    }
};

TEST(clsTMainTest, RoundChangesReloadTheStoredRecords) {
    auto source = std::make_shared<FakeRecords>();
    source->schedules[57].Kaisaikai = 57;
    source->schedules[58].Kaisaikai = 58;
    source->schedules[58].State = HoldState::NotHeld;
    source->votes[57].Kaisaikai = 57;
    source->votes[60].Kaisaikai = 60; // vote file without a schedule
    source->results[57].Kaisaikai = 57;
    clsTMain round(source);
    std::vector<int32_t> announced;
    round.SetKaisaikaiChange([&](int32_t r, const QString& kumi) {
        announced.push_back(r);
        EXPECT_TRUE(kumi.isEmpty());
    });

    round.SetKaisaikai(57);
    EXPECT_TRUE(announced.empty()) << "nothing is announced before Initialize";

    round.Initialize();
    struct Case {
        int32_t set, round, schedule, vote, result;
        bool notHeld;
    };
    const Case cases[] = {
        {57, 57, 57, 57, 57, false}, {58, 58, 58, 0, 0, true},      {60, 60, 0, 60, 0, false},
        {0, 0, 0, 0, 0, false},      {12345, 9999, 0, 0, 0, false}, {-3, 0, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        round.SetKaisaikai(c.set);
        EXPECT_EQ(round.Kaisaikai(), c.round) << c.set;
        EXPECT_EQ(round.Schedule().Kaisaikai, c.schedule) << c.set;
        EXPECT_EQ(round.Vote().Kaisaikai, c.vote) << c.set;
        EXPECT_EQ(round.Result().Kaisaikai, c.result) << c.set;
        EXPECT_EQ(round.NotHeld(), c.notHeld) << c.set;
        EXPECT_EQ(announced.back(), c.round);
    }
    EXPECT_EQ(announced.size(), std::size(cases));

    round.SetKaisaikai(57);
    EXPECT_TRUE(round.CheckScheduleFile() && round.CheckVoteFile() && round.CheckResultFile());
    round.SetKumiIndex(1);
    EXPECT_EQ(round.KumiIndex(), 1);
    EXPECT_EQ(round.Kaisaikai(), 57);
    EXPECT_EQ(announced.back(), 57);
}

TEST(clsTMainTest, VoteReloadModes) {
    auto source = std::make_shared<FakeRecords>();
    source->votes[57].Kaisaikai = 57;
    clsTMain round(source);
    round.Initialize();
    round.SetKaisaikai(58); // no vote file: empty
    VoteRecord held;
    held.Kaisaikai = 99;
    const std::pair<clsTMain::VoteReload, int32_t> cases[] = {
        {clsTMain::VoteReload::Replace, 0},
        {clsTMain::VoteReload::KeepWhenMissing, 99},
        {clsTMain::VoteReload::Skip, 99},
    };
    for (const auto& [mode, expected] : cases) {
        round.SetVote(held);
        round.Reload(mode);
        EXPECT_EQ(round.Vote().Kaisaikai, expected) << static_cast<int>(mode);
    }
}

// A download is held as it came, whether the store took it or not; the reload after it keeps what
// the store does not have, a plain round change rereads the store.
TEST(clsTMainTest, DownloadsAreHeldEvenWhenNotStored) {
    auto source = std::make_shared<FakeRecords>();
    clsTMain round(source);
    round.Initialize();
    round.SetKaisaikai(58);
    VoteRecord own; // a document's own vote status
    own.Kaisaikai = 58;
    round.SetVote(own);
    int announced = 0;
    round.SetKaisaikaiChange([&](int32_t, const QString&) { ++announced; });

    DownloadOutcome schedule;
    schedule.Kind = DownloadKind::Schedule;
    schedule.Round = 58;
    schedule.Ok = true;
    schedule.Schedule.Kaisaikai = 58;
    DownloadOutcome result;
    result.Kind = DownloadKind::Result;
    result.Round = 58;
    result.Ok = true;
    result.Result.Kaisaikai = 58;
    DownloadOutcome otherRound = result;
    otherRound.Round = 59;

    round.ApplyDownload(schedule);
    round.ApplyDownload(result);
    round.ApplyDownload(otherRound); // of another round: ignored
    EXPECT_EQ(announced, 2);
    EXPECT_EQ(round.Schedule().Kaisaikai, 58);
    EXPECT_EQ(round.Result().Kaisaikai, 58);
    EXPECT_EQ(round.Vote().Kaisaikai, 58);

    round.SetKaisaikai(58);
    EXPECT_EQ(round.Schedule().Kaisaikai, 0);
    EXPECT_EQ(round.Result().Kaisaikai, 0);
}

} // namespace
} // namespace kestrel
