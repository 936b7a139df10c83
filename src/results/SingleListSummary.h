#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/ExpectedValue.h"
#include "core/PlayerOdds.h"
#include "core/VoteRecord.h"
#include "core/clsTMoney.h"
#include "results/clsTSingleSort.h"

namespace kestrel {

// The five summary lines of a single in the single list view: the estimated prizes of grades 1
// and 2 in the short yen notation, "0-1-2-3マーク" (how many slots predict goal class 0, 1, 2, 3),
// "1-2-3-4番人気" (how many slots choose their most .. least voted class; empty while no vote
// status is held) and "期待値" (the single's expected return under the player's odds, or the vote
// rates when there are none, in percent of its price).
class SingleListSummary {
public:
    static constexpr int kLines = 5;

    // A record with round number 0 means no vote status. The odds and price are those of the
    // expected return (no odds: the vote rates).
    void SetVote(const VoteRecord& vote, const std::optional<PlayerOdds>& odds = std::nullopt,
                 double price = ExpectedValue::kDefaultPrice);
    bool HasVote() const { return m_hasVote; }

    // "1等推定金額", "2等推定金額", "0-1-2-3マーク", "1-2-3-4番人気", "期待値" for lines 0..4.
    static QString Caption(int line);
    // The text of line 0..4 for the single number; empty for a number outside 0..4095.
    QString LineText(int32_t lngNo, int line) const;
    std::array<QString, kLines> Lines(int32_t lngNo) const;

    QString MoneyText(int32_t lngNo, int grade) const;
    static QString MarkText(int32_t lngNo);
    QString NinkiText(int32_t lngNo) const;
    // "123.4%"; empty without a vote status.
    QString ExpectedText(int32_t lngNo) const;
    const ExpectedValue& Expectation() const { return *m_expected; }

private:
    bool m_hasVote = false;
    NinkiTable m_rank{};
    clsTMoney m_money;
    std::shared_ptr<ExpectedValue> m_expected = std::make_shared<ExpectedValue>();
};

} // namespace kestrel
