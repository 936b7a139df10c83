#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/VoteRecord.h"
#include "core/clsTMoney.h"
#include "results/clsTSingleSort.h"

namespace kestrel {

// The four summary lines of a single in the single list view: the estimated prizes of grades 1
// and 2 in the short yen notation, "0-1-2-3マーク" (how many slots predict goal class 0, 1, 2, 3)
// and "1-2-3-4番人気" (how many slots choose their most .. least voted class; empty while no vote
// status is held).
class SingleListSummary {
public:
    static constexpr int kLines = 4;

    // A record with round number 0 means no vote status.
    void SetVote(const VoteRecord& vote);
    bool HasVote() const { return m_hasVote; }

    // "1等推定金額", "2等推定金額", "0-1-2-3マーク", "1-2-3-4番人気" for lines 0..3.
    static QString Caption(int line);
    // The text of line 0..3 for the single number; empty for a number outside 0..4095.
    QString LineText(int32_t lngNo, int line) const;
    std::array<QString, kLines> Lines(int32_t lngNo) const;

    QString MoneyText(int32_t lngNo, int grade) const;
    static QString MarkText(int32_t lngNo);
    QString NinkiText(int32_t lngNo) const;

private:
    bool m_hasVote = false;
    NinkiTable m_rank{};
    clsTMoney m_money;
};

} // namespace kestrel
