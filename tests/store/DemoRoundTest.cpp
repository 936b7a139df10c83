// The demo round shipped in data/SysData must load through the stores and be self-consistent,
// so a fresh installation can be tried at once.
#include <gtest/gtest.h>

#include <algorithm>

#include "StoreTestSupport.h"
#include "store/clsTotoData.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

constexpr int kDemoRound = 1555;

class DemoRound : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(schedule.XmlLoad(schedule.GetFileName(kDemoRound, QString())));
        ASSERT_TRUE(vote.XmlLoad(vote.GetFileName(kDemoRound, QString())));
        ASSERT_TRUE(result.XmlLoad(result.GetFileName(kDemoRound, QString())));
    }
    const ProgramPaths paths{QStringLiteral(KESTREL_SOURCE_DIR "/data")};
    CollectedMessages capture;
    clsXmlSchedule schedule{paths};
    clsXmlVote vote{paths};
    clsXmlResult result{paths};
};

TEST_F(DemoRound, VoteCountsAreRealistic) {
    const VoteRecord& v = vote.Vote();
    const Money total = v.Votes[0];
    EXPECT_GT(total, Money::FromInt(10000));
    EXPECT_EQ(v.Votes[1] + v.Votes[2], total);
    EXPECT_EQ(v.Tickets[1] + v.Tickets[2], v.Tickets[0]);
    for (int part = 0; part < 3; ++part) {
        EXPECT_EQ(v.Sales[part].Raw(), v.Votes[part].Raw() * 100);
    }
    for (const VoteSlot& slot : v.Slots) {
        Money sum;
        Money rates;
        for (const GoalVote& g : slot.Votes) {
            sum += g.Count;
            rates += g.Rate;
            // The published rate is the count's share, to two decimals.
            EXPECT_NEAR(g.Rate.ToDouble(), 100.0 * g.Count.ToDouble() / total.ToDouble(), 0.005);
        }
        EXPECT_EQ(sum, total) << slot.Team.toStdString();
        EXPECT_NEAR(rates.ToDouble(), 100.0, 0.03);
    }
    EXPECT_EQ(v.AsOf, v.SaleEnd);
}

TEST_F(DemoRound, RecordsDescribeTheSameRound) {
    clsTotoData teams(paths);
    const ScheduleRecord& s = schedule.Schedule();
    const VoteRecord& v = vote.Vote();
    const ResultRecord& r = result.Result();
    EXPECT_EQ(s.State, HoldState::Held);
    EXPECT_FALSE(r.Cancelled);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(teams.GetShortTeamName(v.Slots[i].Team, kDemoRound), s.Slots[i].Team);
        EXPECT_EQ(r.Slots[i].Team, v.Slots[i].Team);
        EXPECT_EQ(r.Slots[i].Stadium, s.Slots[i].Stadium);
        EXPECT_EQ(v.Slots[i].GameDate, s.Slots[i].GameDate);
        EXPECT_EQ(r.Slots[i].Result, std::min<int>(r.Slots[i].Goals, 3));
        EXPECT_EQ(r.Slots[i].HomeAway,
                  i % 2 == 0 ? QStringLiteral("ホーム") : QStringLiteral("アウェイ"));
    }
    EXPECT_EQ(v.SaleEnd, s.SaleEnd);
    EXPECT_EQ(r.PayEnd, s.PayEnd);
    // Prizes paid out stay within half of the sales.
    const double paid = r.Prize[0].ToDouble() * r.Winners[0].ToDouble() +
                        r.Prize[1].ToDouble() * r.Winners[1].ToDouble();
    EXPECT_LE(paid, v.Sales[0].ToDouble() / 2);
    EXPECT_TRUE(capture.Messages().empty());
}

} // namespace
