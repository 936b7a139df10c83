#include "results/clsTKouseiBunseki.h"

#include "platform/VbFormat.h"

namespace kestrel {

clsTKouseiBunseki::clsTKouseiBunseki() {
    Clear();
}

void clsTKouseiBunseki::Clear() {
    m_counts.fill(0);
    m_colours.fill(ResultColor::Black);
}

void clsTKouseiBunseki::SetValue(const KouseiCounts& counts) {
    m_counts = counts;
}

void clsTKouseiBunseki::ForeColorRow(int row, ResultColor colour) {
    if (row >= 0 && row < kRows) {
        m_colours[row] = colour;
    }
}

void clsTKouseiBunseki::GridRefresh() const {
    if (m_redraw) {
        m_redraw();
    }
}

int64_t clsTKouseiBunseki::Total() const {
    int64_t total = 0;
    for (int64_t c : m_counts) {
        total += c;
    }
    return total;
}

QString clsTKouseiBunseki::CountText(int row) const {
    return QString::number(m_counts[row]);
}

QString clsTKouseiBunseki::ShareText(int row) const {
    const int64_t total = Total();
    if (total == 0) {
        return QStringLiteral("0%");
    }
    const double share = static_cast<double>(m_counts[row]) / static_cast<double>(total) * 100.0;
    return VbFormat::Format(share, QStringLiteral("##0")) + QStringLiteral("%");
}

} // namespace kestrel
