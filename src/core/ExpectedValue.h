#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/LotteryConstants.h"
#include "core/PlayerOdds.h"
#include "core/VoteRecord.h"

namespace kestrel {

// The figures of a single list under the player's odds.
struct ListExpectation {
    int64_t Singles = 0;        // entries of the list (repeats counted)
    double Expected = 0.0;      // expected payout in yen
    double Expected1 = 0.0;     // its grade-1 part
    double P1 = 0.0;            // probability (0..1) of at least one grade-1 prize
    double P2 = 0.0;            // probability (0..1) of at least one grade-2 prize
    double ReturnPercent = 0.0; // expected payout / (singles x price) x 100; 0 for an empty list

    // The grade-1 payout to expect when the list wins grade 1 (Expected1 / P1); 0 when it can't.
    double Prize1WhenWon() const { return P1 > 0.0 ? Expected1 / P1 : 0.0; }
};

// Expected payouts under the player's odds. For a result r (one of the 4096 singles) the
// probability is the product of the odds of r's classes, and a list pays, if r comes out, (its
// singles equal to r) x the grade-1 estimate of r + (its singles one difference from r) x the
// grade-2 estimate of r, the estimates being the prize estimates for a single equal to r.
//
// Set precomputes per result the probability and both estimates, and per single its own
// expected payout, so that a single's figure is a look-up and a list takes one pass over the
// 4096 results with a histogram of the list.
class ExpectedValue {
public:
    static constexpr double kDefaultPrice = 100.0;

    ExpectedValue();
    // Vote status for the estimates, the odds for the probabilities, the price of one single.
    void Set(const VoteRecord& vote, const PlayerOdds& odds, double price = kDefaultPrice);

    double Price() const { return m_price; }
    double Probability(int32_t result) const { return m_prob[Index(result)]; }
    double Prize1(int32_t result) const { return m_prize1[Index(result)]; }
    double Prize2(int32_t result) const { return m_prize2[Index(result)]; }

    // Expected payout in yen of the list that holds only this single.
    double SingleExpected(int32_t single) const { return m_single[Index(single)]; }
    // That payout per 100 yen staked, i.e. the single's expected return in percent.
    double SingleReturnPercent(int32_t single) const;

    // The list figures; numbers outside 0..4095 are not singles and are left out.
    ListExpectation ForList(std::span<const int32_t> singles) const;

private:
    static size_t Index(int32_t single) { return static_cast<size_t>(single & (kSingleCount - 1)); }

    double m_price = kDefaultPrice;
    std::array<double, kSingleCount> m_prob{};
    std::array<double, kSingleCount> m_prize1{};
    std::array<double, kSingleCount> m_prize2{};
    std::array<double, kSingleCount> m_single{};
};

} // namespace kestrel
