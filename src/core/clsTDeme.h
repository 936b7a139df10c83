#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/MarkTable.h"
#include "core/VoteRecord.h"
#include "core/clsTNumber.h"

namespace kestrel {

// Feature calculator (出目): for a single, in how many counted team slots does the chosen goal
// class have a feature value in the plus set? Kinds: Honmei (mark code - 1), Ninki (popularity
// rank, 0 = most voted) and Mark (the goal class itself).
//
// Call SetMulti, SetVote, SetGameFlg, SetMarkFlg, SetPlusFlg in this order; each step builds on
// the ones before. The getters then do six lookups and an addition.
class clsTDeme {
public:
    static constexpr uint8_t kNotCounted = 99;
    static constexpr int kPlusSize = 100;

    clsTDeme();

    // Mark table -> mark indices: code 1..6 gives 0..5, anything else 99.
    void SetMulti(const MarkTable& marks);
    // Rebuilds the popularity ranks from a vote status with a non-zero round number; a record
    // with round 0 leaves them as they were (all 0 until a vote status is given).
    void SetVote(const VoteRecord& vote);
    // One flag per slot: unflagged slots never count.
    void SetGameFlg(const std::array<bool, kSlotCount>& blnFlg);
    // One flag per goal class: unflagged classes never count.
    void SetMarkFlg(const std::array<bool, kGoalClassCount>& blnFlg);
    // plus[i] = blnFlg[i] for the given entries (at most 99); plus[99] stays false. Entries beyond
    // the given ones keep their value.
    void SetPlusFlg(std::span<const bool> blnFlg);

    int GetHonmei(const clsTNumber::ByteKousei& bytSingle) const {
        return Count(m_hitHonmei, bytSingle);
    }
    int GetNinki(const clsTNumber::ByteKousei& bytSingle) const {
        return Count(m_hitNinki, bytSingle);
    }
    int GetMark(const clsTNumber::ByteKousei& bytSingle) const {
        return Count(m_hitMark, bytSingle);
    }

    // The same by single number 0..4095.
    int GetHonmeiNo(int32_t lngNo) const { return CountNo(m_hitHonmei, lngNo); }
    int GetNinkiNo(int32_t lngNo) const { return CountNo(m_hitNinki, lngNo); }
    int GetMarkNo(int32_t lngNo) const { return CountNo(m_hitMark, lngNo); }

    // Tables for inspection: mark index, popularity rank, and the three feature tables.
    uint8_t MarkIndex(int goalClass, int slotIndex) const {
        return m_markIndex[goalClass][slotIndex];
    }
    uint8_t NinkiRank(int goalClass, int slotIndex) const { return m_rank[goalClass][slotIndex]; }
    uint8_t HonmeiValue(int c, int t) const { return m_honmei[c][t]; }
    uint8_t NinkiValue(int c, int t) const { return m_ninki[c][t]; }
    uint8_t MarkValue(int c, int t) const { return m_mark[c][t]; }
    bool Plus(int i) const { return m_plus[i]; }

private:
    using ByteTable = ClassSlotTable<uint8_t>;
    // hit[t * 4 + c]: 1 when class c of slot t counts.
    using HitTable = std::array<uint8_t, kSlotCount * kGoalClassCount>;

    static int Count(const HitTable& hit, const clsTNumber::ByteKousei& k) {
        return hit[k[0]] + hit[4 + k[1]] + hit[8 + k[2]] + hit[12 + k[3]] + hit[16 + k[4]] +
               hit[20 + k[5]];
    }
    static int CountNo(const HitTable& hit, int32_t no) {
        return hit[no & 3] + hit[4 + ((no >> 2) & 3)] + hit[8 + ((no >> 4) & 3)] +
               hit[12 + ((no >> 6) & 3)] + hit[16 + ((no >> 8) & 3)] + hit[20 + ((no >> 10) & 3)];
    }
    void BuildHits();

    ByteTable m_markIndex{};
    ByteTable m_rank{};
    ByteTable m_honmei{};
    ByteTable m_ninki{};
    ByteTable m_mark{};
    std::array<bool, kPlusSize> m_plus{};
    HitTable m_hitHonmei{};
    HitTable m_hitNinki{};
    HitTable m_hitMark{};
};

} // namespace kestrel
