#include "results/clsTResultKakutei.h"

#include <limits>

#include "platform/VbFormat.h"

namespace kestrel {

namespace {

const char* const kCaptions[6] = {"",       "当せん金",   "当せん口数",
                                  "繰越金", "当せん口数", "当せん金額"};

// Products of two fixed-point figures can exceed 64 bits for absurd inputs; the table shows the
// largest value rather than a wrapped-around one.
Money Clamp(__int128 raw) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    if (raw > kMax) {
        return Money::FromRaw(kMax);
    }
    if (raw < kMin) {
        return Money::FromRaw(kMin);
    }
    return Money::FromRaw(static_cast<int64_t>(raw));
}

Money Times(Money a, Money b) {
    return Clamp(static_cast<__int128>(a.Raw()) * b.Raw() / Money::kScale);
}

Money TimesCount(Money a, int64_t count) {
    return Clamp(static_cast<__int128>(a.Raw()) * count);
}

Money Sum(Money a, Money b) {
    return Clamp(static_cast<__int128>(a.Raw()) + b.Raw());
}

} // namespace

clsTResultKakutei::clsTResultKakutei() {
    Redraw();
}

void clsTResultKakutei::SetResult(const ResultRecord& record) {
    m_result = record;
    Redraw();
}

void clsTResultKakutei::SetValue(const GradeCounts& counts) {
    m_counts = counts;
    Redraw();
}

void clsTResultKakutei::Clear() {
    m_result = ResultRecord{};
    m_counts.fill(0);
    Redraw();
}

QString clsTResultKakutei::ValueText(Money value) {
    if (value <= Money{}) {
        return QStringLiteral("0 ");
    }
    return VbFormat::Format(value, QStringLiteral("#,##0")) + QStringLiteral(" ");
}

void clsTResultKakutei::Redraw() {
    for (int g = 0; g < 2; ++g) {
        auto& row = m_values[g];
        row[0] = m_result.Prize[g];
        row[1] = m_result.Winners[g];
        row[2] = m_result.CarryOver[g];
        row[3] = Money::FromInt(m_counts[g]);
        row[4] = TimesCount(m_result.Prize[g], m_counts[g]);
    }
    auto& total = m_values[2];
    total[0] = Sum(Times(m_result.Prize[0], m_result.Winners[0]),
                   Times(m_result.Prize[1], m_result.Winners[1]));
    for (int k = 1; k < 5; ++k) {
        total[k] = Sum(m_values[0][k], m_values[1][k]);
    }

    for (int c = 0; c < kColumns; ++c) {
        m_texts[0][c] = QString::fromUtf8(kCaptions[c]);
    }
    m_texts[1][0] = QStringLiteral("1等");
    m_texts[2][0] = QStringLiteral("2等");
    m_texts[3][0] = QStringLiteral("合計");
    bool allZero = true;
    for (int r = 0; r < 3; ++r) {
        for (int k = 0; k < 5; ++k) {
            m_texts[r + 1][k + 1] = ValueText(m_values[r][k]);
            allZero = allZero && m_texts[r + 1][k + 1] == QStringLiteral("0 ");
        }
    }
    if (allZero) {
        for (int r = 1; r < kRows; ++r) {
            for (int c = 1; c < kColumns; ++c) {
                m_texts[r][c].clear();
            }
        }
    }
}

QString clsTResultKakutei::CellText(int row, int column) const {
    if (row < 1 || row > kRows || column < 1 || column > kColumns) {
        return {};
    }
    return m_texts[row - 1][column - 1];
}

ResultColor clsTResultKakutei::CellColor(int row, int column) const {
    const bool gradeRow = row == 2 || row == 3;
    const bool ownColumn = column == 5 || column == 6;
    if (gradeRow && ownColumn && row - 1 <= m_toto.GetMaxGrade(m_result.Kaisaikai)) {
        return ResultColor::Blue;
    }
    return ResultColor::Black;
}

Money clsTResultKakutei::CellValue(int row, int column) const {
    if (row < 2 || row > kRows || column < 2 || column > kColumns) {
        return {};
    }
    return m_values[row - 2][column - 2];
}

} // namespace kestrel
