#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "core/LotteryConstants.h"
#include "results/ResultColor.h"

namespace kestrel {

// Counts of the values 0..6 of one condition row over the singles of the whole multi.
using KouseiCounts = std::array<int64_t, kSlotCount + 1>;

// The grid of the composition analysis window: a header row "口数" / "比率" and seven rows
// "0" .. "6" with the count (plain decimal) and its share of the total ("##0" + "%", "0%" when
// the total is 0), each row in its own text colour.
class clsTKouseiBunseki {
public:
    static constexpr int kRows = kSlotCount + 1;

    clsTKouseiBunseki();

    void SetRedrawHandler(std::function<void()> handler) { m_redraw = std::move(handler); }

    // Counts 0, every row black.
    void Clear();
    void SetValue(const KouseiCounts& counts);
    // Text colour of row 0..6.
    void ForeColorRow(int row, ResultColor colour);
    void GridRefresh() const;

    static QString CountHeader() { return QStringLiteral("口数"); }
    static QString ShareHeader() { return QStringLiteral("比率"); }
    static QString RowLabel(int row) { return QString::number(row); }

    int64_t Count(int row) const { return m_counts[row]; }
    int64_t Total() const;
    QString CountText(int row) const;
    QString ShareText(int row) const;
    ResultColor RowColor(int row) const { return m_colours[row]; }

private:
    KouseiCounts m_counts{};
    std::array<ResultColor, kRows> m_colours{};
    std::function<void()> m_redraw;
};

} // namespace kestrel
