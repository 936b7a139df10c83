#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/clsToto.h"
#include "results/ResultColor.h"

namespace kestrel {

// Counts of grades 1..7 (index 0..6).
using GradeCounts = std::array<int64_t, 7>;

// The grade table of the results panel: a header row "口数" / "比率" and seven rows "1等" ..
// "7等" with the count ("#,##0") and its share of the total ("##0" + "%", "0%" when the total
// is 0). Rows of paid grades are blue, the others black.
class clsTResultGrade {
public:
    static constexpr int kRows = 7;

    // All counts 0.
    void Clear(int32_t lngKaisaikai);
    void SetValue(const GradeCounts& counts, int32_t lngKaisaikai);

    static QString CountHeader() { return QStringLiteral("口数"); }
    static QString ShareHeader() { return QStringLiteral("比率"); }
    // "1等" .. "7等" for grade 1..7.
    static QString RowCaption(int grade);

    int64_t Count(int grade) const { return m_counts[grade - 1]; }
    int64_t Total() const;
    QString CountText(int grade) const;
    QString ShareText(int grade) const;
    ResultColor RowColor(int grade) const;

private:
    GradeCounts m_counts{};
    int32_t m_kaisaikai = 0;
    clsToto m_toto;
};

} // namespace kestrel
