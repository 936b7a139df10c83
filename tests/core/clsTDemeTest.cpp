#include <gtest/gtest.h>

#include <vector>

#include "core/clsTDeme.h"
#include "core/clsTSingleFrame.h"

using namespace kestrel;

namespace {

const std::array<bool, 6> kAllSlots{true, true, true, true, true, true};
const std::array<bool, 4> kAllClasses{true, true, true, true};

clsTNumber::ByteKousei K(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e, uint8_t f) {
    return {a, b, c, d, e, f};
}

void Plus(clsTDeme& deme, std::vector<int> on) {
    std::array<bool, 10> flags{};
    for (int i : on) {
        flags[i] = true;
    }
    deme.SetPlusFlg(flags);
}

// ◎ on class 1 and ○ on class 2 of every slot.
MarkTable HonmeiOnOne() {
    MarkTable m{};
    m[1].fill(1);
    m[2].fill(2);
    return m;
}

} // namespace

TEST(clsTDeme, CountsMarksInFlaggedSlotsAndClasses) {
    clsTDeme deme;
    deme.SetMulti(HonmeiOnOne());
    deme.SetGameFlg(kAllSlots);
    deme.SetMarkFlg(kAllClasses);
    Plus(deme, {0});
    EXPECT_EQ(deme.GetHonmei(K(1, 1, 1, 1, 1, 1)), 6);
    EXPECT_EQ(deme.GetHonmei(K(0, 0, 0, 0, 0, 0)), 0);
    EXPECT_EQ(deme.GetHonmei(K(1, 2, 1, 2, 3, 0)), 2);

    Plus(deme, {0, 1});
    EXPECT_EQ(deme.GetHonmei(K(1, 2, 1, 2, 3, 0)), 4);
    EXPECT_EQ(deme.GetHonmei(K(2, 2, 2, 2, 2, 2)), 6);

    // Slot 2 not counted, whatever the single chooses there.
    std::array<bool, 6> slotFlags = kAllSlots;
    slotFlags[1] = false;
    deme.SetGameFlg(slotFlags);
    deme.SetMarkFlg(kAllClasses);
    EXPECT_EQ(deme.GetHonmei(K(1, 1, 1, 1, 1, 1)), 5);
    EXPECT_EQ(deme.GetMark(K(0, 0, 0, 0, 0, 0)), 5); // plus {0, 1}: class 0 counts

    // Class 3 cleared: every slot choosing 3 counts 0 for all three kinds.
    deme.SetGameFlg(kAllSlots);
    deme.SetMarkFlg({true, true, true, false});
    Plus(deme, {0, 1, 2, 3, 4, 5});
    EXPECT_EQ(deme.GetHonmei(K(3, 3, 3, 3, 3, 3)), 0);
    EXPECT_EQ(deme.GetNinki(K(3, 3, 3, 3, 3, 3)), 0);
    EXPECT_EQ(deme.GetMark(K(3, 3, 3, 3, 3, 3)), 0);
    EXPECT_EQ(deme.GetMark(K(3, 0, 3, 1, 3, 2)), 3);
}

TEST(clsTDeme, MarkFeatureCountsGoalClassAndEntriesBeyondTheGivenFlagsStay) {
    clsTDeme deme;
    deme.SetMulti(MarkTable{});
    deme.SetGameFlg({true, true, true, false, true, true});
    deme.SetMarkFlg(kAllClasses);
    Plus(deme, {2});
    EXPECT_EQ(deme.GetMark(K(2, 2, 0, 2, 2, 1)), 3); // slot 4 not counted
    EXPECT_EQ(deme.GetMarkNo(2 + 2 * 4 + 0 + 2 * 64 + 2 * 256 + 1 * 1024), 3);
    // An unmarked table never counts for Honmei.
    EXPECT_EQ(deme.GetHonmei(K(2, 2, 2, 2, 2, 2)), 0);

    // A shorter flag array leaves the later entries as they were.
    const std::array<bool, 1> one{true};
    deme.SetPlusFlg(one);
    EXPECT_TRUE(deme.Plus(0));
    EXPECT_TRUE(deme.Plus(2));
    EXPECT_EQ(deme.GetMark(K(0, 2, 0, 2, 2, 1)), 4);
    // plus[99] never turns on.
    std::array<bool, 100> all{};
    all.fill(true);
    deme.SetPlusFlg(all);
    EXPECT_FALSE(deme.Plus(99));
}

TEST(clsTDeme, PopularityRanksFollowVoteCounts) {
    clsTDeme deme;
    deme.SetMulti(MarkTable{});
    // Without a vote status every class is rank 0.
    deme.SetGameFlg({true, true, false, true, true, true});
    deme.SetMarkFlg(kAllClasses);
    Plus(deme, {0});
    EXPECT_EQ(deme.GetNinki(K(3, 2, 1, 0, 3, 2)), 5);

    VoteRecord vote;
    vote.Kaisaikai = 400;
    const std::array<int64_t, 4> counts{100, 400, 300, 200}; // ranks 3, 0, 1, 2
    for (auto& slot : vote.Slots) {
        for (int c = 0; c < 4; ++c) {
            slot.Votes[c].Count = Money::FromInt(counts[c]);
        }
    }
    vote.Slots[5].Votes.fill(GoalVote{Money::FromInt(9), Money()}); // ranks 1, 3, 2, 0
    deme.SetVote(vote);
    EXPECT_EQ(deme.NinkiRank(0, 0), 3);
    EXPECT_EQ(deme.NinkiRank(1, 0), 0);
    EXPECT_EQ(deme.NinkiRank(2, 0), 1);
    EXPECT_EQ(deme.NinkiRank(3, 0), 2);
    EXPECT_EQ(deme.NinkiRank(3, 5), 0);
    EXPECT_EQ(deme.NinkiRank(0, 5), 1);
    EXPECT_EQ(deme.NinkiRank(2, 5), 2);
    EXPECT_EQ(deme.NinkiRank(1, 5), 3);

    deme.SetGameFlg(kAllSlots);
    deme.SetMarkFlg(kAllClasses);
    Plus(deme, {0});
    EXPECT_EQ(deme.GetNinki(K(1, 1, 1, 1, 1, 3)), 6);
    EXPECT_EQ(deme.GetNinki(K(1, 1, 0, 1, 1, 1)), 4);
    Plus(deme, {3});
    EXPECT_EQ(deme.GetNinki(K(0, 0, 0, 0, 0, 1)), 6);

    // A record with round 0 leaves the ranks alone.
    VoteRecord none;
    deme.SetVote(none);
    EXPECT_EQ(deme.NinkiRank(0, 0), 3);
}

TEST(clsTDeme, GettersByNumberAgreeWithOutcomeArrays) {
    clsTDeme deme;
    MarkTable m{};
    for (int c = 0; c < 4; ++c) {
        for (int t = 0; t < 6; ++t) {
            m[c][t] = (c * 3 + t) % 7;
        }
    }
    deme.SetMulti(m);
    deme.SetGameFlg({true, false, true, true, false, true});
    deme.SetMarkFlg({true, true, false, true});
    Plus(deme, {0, 2, 5});
    clsTNumber n;
    for (int32_t no = 0; no < kSingleCount; ++no) {
        clsTNumber::ByteKousei k{};
        n.NoToByte(no, k);
        int expectH = 0, expectM = 0;
        for (int t = 0; t < 6; ++t) {
            const int c = k[t];
            const bool counted = (t != 1 && t != 4) && c != 2;
            const int code = m[c][t];
            expectH += (counted && code >= 1 && (code - 1 == 0 || code - 1 == 2 || code - 1 == 5));
            expectM += (counted && (c == 0 || c == 2 || c == 5));
        }
        ASSERT_EQ(deme.GetHonmei(k), expectH) << no;
        ASSERT_EQ(deme.GetHonmeiNo(no), expectH) << no;
        ASSERT_EQ(deme.GetMark(k), expectM) << no;
        ASSERT_EQ(deme.GetMarkNo(no), expectM) << no;
        ASSERT_EQ(deme.GetNinki(k), deme.GetNinkiNo(no)) << no;
    }
}

TEST(clsTSingleFrame, CountsClassesPerSlot) {
    clsTSingleFrame frame;
    CountTable table{};
    table[2][2] = 77; // overwritten
    frame.GetSingleFrame(std::vector<int32_t>{0, 1, 4095}, table);
    EXPECT_EQ(table[0][0], 1);
    EXPECT_EQ(table[1][0], 1);
    EXPECT_EQ(table[2][0], 0);
    EXPECT_EQ(table[3][0], 1);
    for (int t = 1; t < 6; ++t) {
        EXPECT_EQ(table[0][t], 2);
        EXPECT_EQ(table[1][t], 0);
        EXPECT_EQ(table[2][t], 0);
        EXPECT_EQ(table[3][t], 1);
    }

    std::vector<int32_t> all(4096);
    for (int i = 0; i < 4096; ++i) {
        all[i] = i;
    }
    frame.GetSingleFrame(100, all.data(), table);
    for (int t = 0; t < 6; ++t) {
        EXPECT_EQ(table[0][t] + table[1][t] + table[2][t] + table[3][t], 100);
    }
    frame.GetSingleFrame(all, table);
    for (int c = 0; c < 4; ++c) {
        for (int t = 0; t < 6; ++t) {
            EXPECT_EQ(table[c][t], 1024);
        }
    }
    frame.GetSingleFrame(0, all.data(), table);
    EXPECT_EQ(table, CountTable{});
}
