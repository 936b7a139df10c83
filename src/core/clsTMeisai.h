#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "core/MarkTable.h"
#include "platform/Money.h"

namespace kestrel {

// The summary panel (明細) of a search: the shape of the multi, the compressed count and the five
// grade percentages, as 15 rows of caption and value text (the last one the list's expected
// return). The widget draws Caption/ValueText in ValueColour; this model computes them.
class clsTMeisai {
public:
    using RedrawHandler = std::function<void()>;
    static constexpr int kRows = 15;
    // The list's expected return under the player's odds (期待値).
    static constexpr int kExpectedRow = 15;
    static constexpr int kColumns = 2;
    // Rows of the five percentages (1 等, 2 等, 3 等, 1-2等, 1-3等).
    static constexpr int kFirstPercentRow = 10;

    void SetRedrawHandler(RedrawHandler handler) { m_redraw = std::move(handler); }

    // Zeroes the slot counts and the single count, percentages invalid, redraws.
    void Clear();
    // Recounts t(0)..t(4): the number of slots with 0..4 marked classes.
    void SetValue(const MarkTable& marks);
    void SetSingleCount(int32_t count);
    // Percentages from hit counts: invalid when no counts are given or count [0] < 1; else
    // count[k] / count[0] x 100 rounded to four decimals, halves to even. Redraws.
    void SetTousen(std::span<const int32_t> lngTousen);
    // The expected return of the list in percent of its stake ("---.--%" when none). Kept by
    // Clear: it follows the list and the odds, not the search. Redraws.
    void SetExpected(std::optional<double> returnPercent);
    std::optional<double> Expected() const { return m_expected; }

    int32_t SlotCount(int marked) const { return m_slots[marked]; }
    int32_t SingleCount() const { return m_singleCount; }
    bool PercentValid() const { return m_valid; }
    // Percentage k = 1..5.
    Money Percent(int k) const { return m_percent[k - 1]; }
    // 3^t(3) x 2^t(2) x 4^t(4); 0 when the compressed count is 0.
    int64_t MultiSize() const;

    // Row 1..15 texts.
    static QString Caption(int row);
    QString ValueText(int row) const;
    CellFore ValueColour(int row) const;

    // Text of one percentage: truncated to two decimals, right-aligned in seven characters
    // ("---.--%" when invalid).
    static QString PercentText(Money percent);
    static QString InvalidPercentText();

private:
    void Redraw() const;

    std::array<int32_t, kGoalClassCount + 1> m_slots{};
    int32_t m_singleCount = 0;
    std::array<Money, 5> m_percent{};
    bool m_valid = false;
    std::optional<double> m_expected;
    RedrawHandler m_redraw;
};

} // namespace kestrel
