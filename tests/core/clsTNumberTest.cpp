#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "core/ResultRecord.h"
#include "core/ScheduleRecord.h"
#include "core/VoteRecord.h"
#include "core/clsTNumber.h"
#include "core/clsToto.h"

using namespace kestrel;

namespace {

int Differences(const clsTNumber& n, int32_t a, int32_t b) {
    clsTNumber::ByteKousei ka{}, kb{};
    n.NoToByte(a, ka);
    n.NoToByte(b, kb);
    int d = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        d += ka[i] != kb[i] ? 1 : 0;
    }
    return d;
}

} // namespace

TEST(clsTNumber, ConvertsExamplesAndEveryNumberBothWays) {
    clsTNumber n;
    clsTNumber::ByteKousei b{};
    n.NoToByte(0, b);
    EXPECT_EQ(b, (clsTNumber::ByteKousei{0, 0, 0, 0, 0, 0}));
    n.NoToByte(4095, b);
    EXPECT_EQ(b, (clsTNumber::ByteKousei{3, 3, 3, 3, 3, 3}));
    n.NoToByte(2361, b);
    EXPECT_EQ(b, (clsTNumber::ByteKousei{1, 2, 3, 0, 1, 2}));

    for (int32_t no = 0; no < kSingleCount; ++no) {
        clsTNumber::ByteKousei kb{};
        clsTNumber::LongKousei kl{};
        n.NoToByte(no, kb);
        n.NoToLong(no, kl);
        int32_t back1 = -1, back2 = -1;
        n.ByteToNo(kb, back1);
        n.LongToNo(kl, back2);
        ASSERT_EQ(back1, no);
        ASSERT_EQ(back2, no);
        for (int i = 0; i < kSlotCount; ++i) {
            ASSERT_EQ(kb[i], kl[i]);
            ASSERT_EQ(kl[i], clsTNumber::Digit(no, i));
        }
    }
}

TEST(clsTNumber, NeighbourListsMatchTheExamples) {
    clsTNumber n;
    std::array<int32_t, 18> l2{};
    n.Get2List(27, l2.data());
    EXPECT_EQ(l2, (std::array<int32_t, 18>{24, 25, 26, 19, 23, 31, 11, 43, 59, 91, 155, 219, 283,
                                           539, 795, 1051, 2075, 3099}));
    n.Get2List(0, l2.data());
    EXPECT_EQ(l2, (std::array<int32_t, 18>{1, 2, 3, 4, 8, 12, 16, 32, 48, 64, 128, 192, 256, 512,
                                           768, 1024, 2048, 3072}));
    std::array<int32_t, 135> l3{};
    n.Get3List(0, l3.data());
    const std::vector<int32_t> head(l3.begin(), l3.begin() + 18);
    EXPECT_EQ(head, (std::vector<int32_t>{5, 9, 13, 6, 10, 14, 7, 11, 15, 17, 33, 49, 18, 34, 50,
                                          19, 35, 51}));
}

TEST(clsTNumber, NeighbourListsHoldTheirInvariantsForEverySingle) {
    clsTNumber n;
    for (int32_t x = 0; x < kSingleCount; ++x) {
        std::array<int32_t, 18> l2{};
        std::array<int32_t, 135> l3{};
        std::array<int32_t, 154> l123{};
        std::array<int32_t, 19> l12{};
        n.Get2List(x, l2.data());
        n.Get3List(x, l3.data());
        n.Get12List(x, l12.data());
        n.Get123List(x, l123.data());

        std::set<int32_t> seen;
        for (int k = 0; k < 18; ++k) {
            ASSERT_EQ(Differences(n, x, l2[k]), 1);
            // Grouped by slot 1..6, three per slot, ascending within a slot.
            const int slot = k / 3;
            ASSERT_NE(clsTNumber::Digit(l2[k], slot), clsTNumber::Digit(x, slot));
            if (k % 3 != 0) {
                ASSERT_LT(clsTNumber::Digit(l2[k - 1], slot), clsTNumber::Digit(l2[k], slot));
            }
            seen.insert(l2[k]);
        }
        ASSERT_EQ(seen.size(), 18u);
        for (int k = 0; k < 135; ++k) {
            ASSERT_EQ(Differences(n, x, l3[k]), 2);
            ASSERT_EQ(clsTNumber::Distance(x, l3[k]), 2);
            seen.insert(l3[k]);
        }
        ASSERT_EQ(seen.size(), 153u); // distinct, and none in the second-grade list
        ASSERT_EQ(seen.count(x), 0u);

        ASSERT_EQ(l123[0], x);
        ASSERT_TRUE(std::equal(l2.begin(), l2.end(), l123.begin() + 1));
        ASSERT_TRUE(std::equal(l3.begin(), l3.end(), l123.begin() + 19));
        ASSERT_EQ(l12[0], x);
        ASSERT_TRUE(std::equal(l2.begin(), l2.end(), l12.begin() + 1));
    }
}

TEST(clsToto, PaysTwoGradesInEveryRound) {
    clsToto toto;
    EXPECT_EQ(toto.GetMaxGrade(1), 2);
    EXPECT_EQ(toto.GetMaxGrade(250), 2);
    EXPECT_EQ(toto.GetMaxGrade(1000), 2);
}

TEST(RoundRecords, AreZeroWhenCreatedAndCopiedByValue) {
    VoteRecord v;
    EXPECT_EQ(v.Kaisaikai, 0);
    EXPECT_TRUE(v.Kumi.isEmpty());
    EXPECT_TRUE(v.AsOf.IsZero());
    for (const auto& slot : v.Slots) {
        for (const auto& g : slot.Votes) {
            EXPECT_EQ(g.Count.Raw(), 0);
            EXPECT_EQ(g.Rate.Raw(), 0);
        }
    }
    ScheduleRecord s;
    EXPECT_EQ(s.State, HoldState::Held);
    ResultRecord r;
    EXPECT_FALSE(r.Cancelled);
    for (const auto& slot : r.Slots) {
        EXPECT_EQ(slot.Result, 0);
    }

    v.Kaisaikai = 12;
    v.Slots[2].Votes[1].Count = Money::FromInt(1234567);
    v.Slots[2].Team = QStringLiteral("甲府");
    VoteRecord copy = v;
    v.Slots[2].Votes[1].Count = Money::FromInt(1);
    v.Slots[2].Team = QStringLiteral("鳥栖");
    EXPECT_EQ(copy.Slots[2].Votes[1].Count, Money::FromInt(1234567));
    EXPECT_EQ(copy.Slots[2].Team, QStringLiteral("甲府"));
    EXPECT_EQ(copy.Kaisaikai, 12);
}
