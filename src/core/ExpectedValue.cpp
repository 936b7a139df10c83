#include "core/ExpectedValue.h"

#include "core/clsTMoney.h"
#include "core/clsTNumber.h"

namespace kestrel {

namespace {

// Calls f(neighbour) for the 18 singles at exactly one difference from r.
template <typename F> inline void ForEachNeighbour(int32_t r, F&& f) {
    for (int t = 0; t < kSlotCount; ++t) {
        const int shift = 2 * t;
        const int32_t own = (r >> shift) & 3;
        const int32_t base = r & ~(3 << shift);
        for (int32_t c = 0; c < kGoalClassCount; ++c) {
            if (c != own) {
                f(base | (c << shift));
            }
        }
    }
}

} // namespace

ExpectedValue::ExpectedValue() {
    Set(VoteRecord(), PlayerOdds());
}

void ExpectedValue::Set(const VoteRecord& vote, const PlayerOdds& odds, double price) {
    m_price = price;
    clsTMoney money;
    money.SetVote(vote);
    std::array<std::array<double, kGoalClassCount>, kSlotCount> p{};
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            p[t][c] = odds.Probability(t, c);
        }
    }
    for (int32_t r = 0; r < kSingleCount; ++r) {
        double prob = 1.0;
        for (int t = 0; t < kSlotCount; ++t) {
            prob *= p[t][clsTNumber::Digit(r, t)];
        }
        const auto i = static_cast<size_t>(r);
        m_prob[i] = prob;
        m_prize1[i] = money.GetMoney1No(r).ToDouble();
        m_prize2[i] = money.GetMoney2No(r).ToDouble();
    }
    // A single alone wins grade 1 on itself and grade 2 on each of its neighbours.
    for (int32_t s = 0; s < kSingleCount; ++s) {
        const auto i = static_cast<size_t>(s);
        double sum = m_prob[i] * m_prize1[i];
        ForEachNeighbour(s, [&](int32_t r) {
            const auto j = static_cast<size_t>(r);
            sum += m_prob[j] * m_prize2[j];
        });
        m_single[i] = sum;
    }
}

double ExpectedValue::SingleReturnPercent(int32_t single) const {
    return m_price > 0.0 ? SingleExpected(single) / m_price * 100.0 : 0.0;
}

ListExpectation ExpectedValue::ForList(std::span<const int32_t> singles) const {
    std::array<int32_t, kSingleCount> count{};
    ListExpectation out;
    for (const int32_t s : singles) {
        if (s >= 0 && s < kSingleCount) {
            ++count[static_cast<size_t>(s)];
            ++out.Singles;
        }
    }
    for (int32_t r = 0; r < kSingleCount; ++r) {
        const auto i = static_cast<size_t>(r);
        const int32_t n1 = count[i];
        int32_t n2 = 0;
        ForEachNeighbour(r, [&](int32_t q) { n2 += count[static_cast<size_t>(q)]; });
        const double prob = m_prob[i];
        const double first = prob * (n1 * m_prize1[i]);
        out.Expected1 += first;
        out.Expected += first + prob * (n2 * m_prize2[i]);
        if (n1 > 0) {
            out.P1 += prob;
        }
        if (n2 > 0) {
            out.P2 += prob;
        }
    }
    const double stake = static_cast<double>(out.Singles) * m_price;
    out.ReturnPercent = stake > 0.0 ? out.Expected / stake * 100.0 : 0.0;
    return out;
}

} // namespace kestrel
