#include "core/clsTCount.h"

#include "platform/VbFormat.h"

namespace kestrel {

void clsTCount::SetValue(const CountTable& values) {
    m_values = values;
    Redraw();
}

void clsTCount::Clear() {
    for (auto& row : m_values) {
        row.fill(0);
    }
    Redraw();
}

void clsTCount::SetPercent(bool percent) {
    m_percent = percent;
    Redraw();
}

void clsTCount::MouseClick(int button, int shift, int col, int row) {
    if (row < 2 || row > kRows) {
        return;
    }
    m_percent = !m_percent;
    Redraw();
    if (m_click) {
        m_click(button, shift, col, row);
    }
}

QString clsTCount::HeaderText(int goalClass) {
    return QString::number(goalClass);
}

QString clsTCount::CellText(int goalClass, int slotIndex) const {
    const int32_t value = m_values[goalClass][slotIndex];
    if (!m_shown[goalClass][slotIndex] && value == 0) {
        return QString(kCellWidth, QLatin1Char(' '));
    }
    QString text;
    if (!m_percent) {
        text = QString::number(value);
    } else {
        int64_t total = 0;
        for (int c = 0; c < kGoalClassCount; ++c) {
            total += m_values[c][slotIndex];
        }
        text = (total == 0) ? QStringLiteral("0%")
                            : VbFormat::Format(static_cast<double>(value) / total * 100.0,
                                               QStringLiteral("0")) +
                                  QLatin1Char('%');
    }
    return (QString(kCellWidth, QLatin1Char(' ')) + text).right(kCellWidth);
}

CellFore clsTCount::CellColour(int goalClass, int slotIndex) const {
    return m_highlight[goalClass][slotIndex] ? CellFore::Blue : CellFore::Black;
}

void clsTCount::Redraw() const {
    if (m_redraw) {
        m_redraw();
    }
}

} // namespace kestrel
