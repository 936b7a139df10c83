#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "core/LotteryConstants.h"
#include "core/VoteRecord.h"

namespace kestrel {

// The player's own odds (わたしの予想確率): per team slot the probability, in percent, of each
// goal class 0, 1, 2, 3+. A valid table has finite, non-negative values and each slot adds up to
// 100 (within kSumTolerance, so hand-typed thirds pass); the probabilities used for sums are
// each value divided by its slot's sum, so they add up to exactly one.
class PlayerOdds {
public:
    using Table = std::array<std::array<double, kGoalClassCount>, kSlotCount>;
    static constexpr double kSumTolerance = 0.01;

    // Every class 25 %.
    PlayerOdds();
    explicit PlayerOdds(const Table& percent) : m_percent(percent) {}

    // The round's vote rates as odds, recomputed from the counts as the prize estimate does; a
    // slot without votes gets 25 % per class.
    static PlayerOdds FromVote(const VoteRecord& vote);

    double Percent(int slotIndex, int goalClass) const { return m_percent[slotIndex][goalClass]; }
    void SetPercent(int slotIndex, int goalClass, double value) {
        m_percent[slotIndex][goalClass] = value;
    }
    const Table& Percents() const { return m_percent; }

    double RowSum(int slotIndex) const;
    bool RowValid(int slotIndex) const;
    bool IsValid() const;

    // Probability (0..1) of the class for the slot.
    double Probability(int slotIndex, int goalClass) const;
    // Product over the six slots of the probability of the single's class.
    double SingleProbability(int32_t single) const;

    // Six lines of four comma-separated percentages, slot 1 first, each ended by CR LF.
    QString ToText() const;
    // Reads that form (blank lines skipped, blanks around values allowed). Empty with the reason
    // in error when there are not six lines of four numbers or the table is not valid.
    static std::optional<PlayerOdds> FromText(const QString& text, QString* error = nullptr);

    bool operator==(const PlayerOdds&) const = default;

private:
    Table m_percent{};
};

} // namespace kestrel
