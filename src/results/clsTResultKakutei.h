#pragma once

#include <QString>
#include <array>

#include "core/ResultRecord.h"
#include "core/clsToto.h"
#include "platform/Money.h"
#include "results/ResultColor.h"
#include "results/clsTResultGrade.h"

namespace kestrel {

// The confirmed payout table (確定): six columns by four rows. Row 1 holds the captions, rows 2
// and 3 grades 1 and 2, row 4 the totals. Columns 2..4 are the official figures (prize per
// winning bet, winning bets, carry-over), columns 5 and 6 the list's winning singles and
// winning amount. Rows and columns are numbered from 1 as on screen.
class clsTResultKakutei {
public:
    static constexpr int kRows = 4;
    static constexpr int kColumns = 6;

    // Starts empty: only the captions.
    clsTResultKakutei();

    // Takes a copy of the round's result record and redraws.
    void SetResult(const ResultRecord& record);
    // Takes the seven grade counts of the list and redraws.
    void SetValue(const GradeCounts& counts);
    // Empty record, counts 0: only the captions remain.
    void Clear();

    // Text of cell (row 1..4, column 1..6); empty for cells out of range.
    QString CellText(int row, int column) const;
    ResultColor CellColor(int row, int column) const;

    // The figures behind the cells (row 2..4, column 2..6), whole yen or counts.
    Money CellValue(int row, int column) const;

    const ResultRecord& Result() const { return m_result; }

private:
    void Redraw();
    static QString ValueText(Money value);

    ResultRecord m_result;
    GradeCounts m_counts{};
    // m_values[row - 2][column - 2]
    std::array<std::array<Money, 5>, 3> m_values{};
    std::array<std::array<QString, kColumns>, kRows> m_texts{};
    clsToto m_toto;
};

} // namespace kestrel
