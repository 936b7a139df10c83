#include "results/clsTResultGrade.h"

#include "platform/VbFormat.h"

namespace kestrel {

void clsTResultGrade::Clear(int32_t lngKaisaikai) {
    m_counts.fill(0);
    m_kaisaikai = lngKaisaikai;
}

void clsTResultGrade::SetValue(const GradeCounts& counts, int32_t lngKaisaikai) {
    m_counts = counts;
    m_kaisaikai = lngKaisaikai;
}

QString clsTResultGrade::RowCaption(int grade) {
    return QString::number(grade) + QStringLiteral("等");
}

int64_t clsTResultGrade::Total() const {
    int64_t total = 0;
    for (int64_t c : m_counts) {
        total += c;
    }
    return total;
}

QString clsTResultGrade::CountText(int grade) const {
    return VbFormat::Format(Count(grade), QStringLiteral("#,##0"));
}

QString clsTResultGrade::ShareText(int grade) const {
    const int64_t total = Total();
    if (total == 0) {
        return QStringLiteral("0%");
    }
    const double share = static_cast<double>(Count(grade)) / static_cast<double>(total) * 100.0;
    return VbFormat::Format(share, QStringLiteral("##0")) + QStringLiteral("%");
}

ResultColor clsTResultGrade::RowColor(int grade) const {
    return grade <= m_toto.GetMaxGrade(m_kaisaikai) ? ResultColor::Blue : ResultColor::Black;
}

} // namespace kestrel
