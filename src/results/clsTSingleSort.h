#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/ExpectedValue.h"
#include "core/LotteryConstants.h"
#include "core/VoteRecord.h"
#include "core/clsTMoney.h"
#include "platform/Money.h"

namespace kestrel {

// Popularity ranks: rank[t][c] of goal class c in team slot index t, 0 = most voted ("1番人気")
// .. 3 = least voted ("4番人気").
using NinkiTable = std::array<std::array<uint8_t, kGoalClassCount>, kSlotCount>;

// Reorders a single list by a key per single: the estimated prize of grade k + 1 (MoneySort),
// how many slots predict goal class k (MarkSort), how many slots choose their (k + 1)-th most
// voted class (NinkiSort), or the grade against the result (GradeSort). Ascending or
// descending; singles with equal keys keep their order. Numbers outside 0..4095 get key 0.
class clsTSingleSort {
public:
    clsTSingleSort();

    // Copies the round's vote status, hands it to the prize estimator and builds the ranks.
    void SetVote(const VoteRecord& vote);
    const VoteRecord& Vote() const { return m_vote; }
    const NinkiTable& Ninki() const { return m_rank; }

    void MoneySort(std::vector<int32_t>& lngSingle, int k, bool blnAscending) const;
    void MarkSort(std::vector<int32_t>& lngSingle, int k, bool blnAscending) const;
    void NinkiSort(std::vector<int32_t>& lngSingle, int k, bool blnAscending) const;
    // By the single's expected payout (the same order as its expected return).
    static void ExpectedSort(std::vector<int32_t>& lngSingle, const ExpectedValue& expected,
                             bool blnAscending);
    // By grade (1..7) per position, as graded by the results panel; the two lists must be of
    // equal length (the caller checks).
    static void GradeSort(std::vector<int32_t>& lngSingle, const std::vector<uint8_t>& bytGrade,
                          bool blnAscending);

    // The keys.
    Money MoneyKey(int32_t lngNo, int k) const;
    static int MarkKey(int32_t lngNo, int k);
    int NinkiKey(int32_t lngNo, int k) const;

    // Ranks from the vote counts: the program's quicksort orders each slot's classes by count
    // ascending, and the class at position p gets rank 3 - p.
    static NinkiTable BuildNinkiTable(const VoteRecord& vote);

private:
    // Stable counting sort by small integer keys 0..6.
    static void SortBySmallKey(std::vector<int32_t>& list,
                               const std::array<uint8_t, kSingleCount>& key, bool ascending);

    VoteRecord m_vote;
    NinkiTable m_rank{};
    clsTMoney m_money;
};

} // namespace kestrel
