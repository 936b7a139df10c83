#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/VoteRecord.h"
#include "core/clsTNumber.h"
#include "platform/ErrorReporter.h"
#include "platform/Money.h"

namespace kestrel {

// Prize estimator: the prize per winning bet of grades 1, 2 and 3 of a single, estimated from the
// vote counts of the round (rates recomputed from the counts, the published rates unused).
class clsTMoney {
public:
    // Upper limit of an estimate, in yen.
    static constexpr int64_t kLimitYen = 99'999'999'999;
    // Pool factor of grade g: price 100 x payout 0.5 x share(g) x 100^6.
    static constexpr double kPool1 = 3e13;
    static constexpr double kPool2 = 2e13;
    static constexpr double kPool3 = 0.0;

    clsTMoney();

    // Recomputes rate(t, c) = count / slot sum x 100 (0 for a slot without votes) and
    // miss = 100 - rate.
    void SetVote(const VoteRecord& vote);

    // Estimated prize in whole yen of grade 1, 2, 3 for the single given as a long-form outcome
    // array (classes 0..3). 0 when the probability is 0; kLimitYen at most.
    Money GetMoney1(const clsTNumber::LongKousei& lngKousei) const;
    Money GetMoney2(const clsTNumber::LongKousei& lngKousei) const;
    Money GetMoney3(const clsTNumber::LongKousei& lngKousei) const;

    // The same by single number 0..4095.
    Money GetMoney1No(int32_t lngNo) const;
    Money GetMoney2No(int32_t lngNo) const;
    Money GetMoney3No(int32_t lngNo) const;

    double Rate(int slotIndex, int goalClass) const { return m_rate[slotIndex][goalClass]; }
    double Miss(int slotIndex, int goalClass) const { return m_miss[slotIndex][goalClass]; }

    // Pool factor / probability, capped at the limit, rounded to four decimals half to even and
    // then down to whole yen; 0 (without a message) when the probability is not positive.
    static Money Estimate(double pool, double probability);

    // Short yen notation of an estimate for list columns: "" for 0, "9999円", "1.23万", "12万",
    // "1.23億", "25億", "****億" at the limit.
    static QString ShortText(Money value);

private:
    using Kousei = std::array<int, kSlotCount>;
    static Kousei FromLong(const clsTNumber::LongKousei& k);
    static Kousei FromNo(int32_t no);
    double P1(const Kousei& k) const;
    double P2(const Kousei& k) const;
    double P3(const Kousei& k) const;

    std::array<std::array<double, kGoalClassCount>, kSlotCount> m_rate{};
    std::array<std::array<double, kGoalClassCount>, kSlotCount> m_miss{};
    ErrorReporter m_error;
};

} // namespace kestrel
