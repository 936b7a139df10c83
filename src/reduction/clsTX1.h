#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/ExpectedValue.h"
#include "core/MarkTable.h"
#include "core/PlayerOdds.h"
#include "core/VoteRecord.h"
#include "core/clsTMoney.h"
#include "platform/Money.h"
#include "reduction/ConditionGroup.h"
#include "reduction/ConditionKind.h"
#include "reduction/ConditionSet.h"
#include "reduction/TenshoGrid.h"

namespace kestrel {

// The reduction engine: expands the multi into its singles and applies one condition row at a
// time. A step either removes the failing singles (removal mode) or leaves the list alone and
// adds one to the miss counter of each failing single (miss mode); the miss fold then keeps the
// singles whose miss count was accepted. Progress goes to an event sink; the cancel flag is read
// at the progress ticks and may be set from another thread.
class clsTX1 {
public:
    // Raised by every step that looks at singles: ProgressBegin, Progress(1, 2, ...),
    // ProgressEnd.
    class Events {
    public:
        virtual ~Events() = default;
        virtual void ProgressBegin() = 0;
        virtual void Progress(int32_t value) = 0;
        virtual void ProgressEnd() = 0;
    };

    // One 8-bit counter per single of the list as it stood when the run started; saturates at
    // 255 (the fold treats every count above 10 alike).
    using Counters = std::vector<uint8_t>;
    using Histogram = std::array<int32_t, ConditionGroup::kCountValues>;
    using Distribution = std::array<int32_t, ConditionSet::kMachigaiCount>;

    // A maximum equal to this many yen means "no bound" and is widened to kUnboundedYen.
    static constexpr int64_t kNoBoundYen = ConditionSet::kMaxYen;
    static constexpr int64_t kUnboundedYen = 100'000'000'000;

    clsTX1();

    void SetEvents(Events* events) { m_events = events; }
    // The cancel flag (write); safe from any thread.
    void SetCancel(bool blnValue) { m_cancel.store(blnValue, std::memory_order_relaxed); }
    bool CancelRequested() const { return m_cancel.load(std::memory_order_relaxed); }

    // Stores the multi.
    void SetValue(const MarkTable& marks);
    // Expands the stored multi in ascending single-number order; an empty expansion gives count
    // 0 and an empty list.
    void GetMulti(int32_t& lngCount, std::vector<int32_t>& lngSingle) const;
    // Stores the vote status and hands it to the prize estimator.
    void SetVote(const VoteRecord& vote);

    // Payout-range step of grade index 0..2: passes when min <= estimated prize <= max. Does
    // nothing for an empty list or a negative minimum.
    void MoneySakugen(int32_t& lngCount, std::vector<int32_t>& lngSingle, int grade, Money min,
                      Money max, bool missMode, Counters& miss);
    // The player's odds and the price of a single for the expected-return step; without odds
    // the vote rates of the stored vote status serve as odds.
    void SetOdds(const std::optional<PlayerOdds>& odds, double price);
    // Expected-return step: passes when the single's expected return in percent (its expected
    // payout per 100 yen staked) is at least minPercent. Does nothing for an empty list.
    void EvSakugen(int32_t& lngCount, std::vector<int32_t>& lngSingle, Money minPercent,
                   bool missMode, Counters& miss);
    // One row of one group: passes when the row's cell at the single's count is blank. Does
    // nothing for an empty list or when cancelled.
    void CountSakugen(ConditionKind kind, int32_t& lngCount, std::vector<int32_t>& lngSingle,
                      int row, const ConditionGroup& group, bool missMode, Counters& miss,
                      Counters& triangle);
    // One match of the score table (kind is always 1): passes when the match's cell of the
    // single's score pair is blank. Does nothing for an empty list or when cancelled.
    void TenshoSakugen(int kind, int32_t& lngCount, std::vector<int32_t>& lngSingle, int match,
                       const TenshoGrid& grid, bool missMode, Counters& miss, Counters& triangle);
    // The miss fold: keeps the singles whose miss count n (11 for more than 10) is accepted in
    // list[n] and, for type other than 1, whose every miss was a "△" cell. Fills the twelve
    // counters of the distribution.
    void MachigaiFold(int32_t& lngCount, std::vector<int32_t>& lngSingle, int32_t type,
                      const std::array<bool, ConditionSet::kMachigaiCount>& list,
                      const Counters& miss, const Counters& triangle,
                      Distribution& distribution) const;

    // How the singles of the stored multi spread over the count values of one row ("構成分析").
    // Raises no events.
    void CountDistribution(ConditionKind kind, int row, const ConditionGroup& group,
                           Histogram& histogram) const;

    static int RowMarkCount(int row, const ConditionGroup& group) {
        return group.RowMarkCount(row);
    }
    static int TenshoRowMarkCount(int match, const TenshoGrid& grid) {
        return grid.RowMarkCount(match);
    }

private:
    template <typename Test>
    void RunStep(int32_t& lngCount, std::vector<int32_t>& lngSingle, bool missMode, Counters* miss,
                 Counters* triangle, const Test& test);
    void BeginEvents() const;
    void TickEvent(int32_t tick) const;
    void EndEvents() const;
    static uint8_t CellVerdict(uint8_t cell);

    MarkTable m_marks{};
    VoteRecord m_vote;
    clsTMoney m_money;
    std::optional<PlayerOdds> m_odds;
    double m_price = ExpectedValue::kDefaultPrice;
    std::vector<int32_t> m_survivors;
    Counters m_scratch; // triangle counts of a payout step, discarded

    Events* m_events = nullptr;
    std::atomic<bool> m_cancel{false};
};

} // namespace kestrel
