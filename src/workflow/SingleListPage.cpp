#include "workflow/SingleListPage.h"

#include <algorithm>

#include "core/clsTNumber.h"
#include "platform/VbFormat.h"

namespace kestrel {

void SingleListPage::SetList(const std::vector<int32_t>* singles) {
    m_singles = singles;
    Sync();
}

void SingleListPage::Sync() {
    m_selected.resize(static_cast<size_t>(Count()), false);
    m_page = std::clamp(m_page, 0, LastPage());
}

void SingleListPage::Reset() {
    m_selected.assign(static_cast<size_t>(Count()), false);
    m_page = 0;
}

void SingleListPage::SetTeams(const ScheduleRecord& schedule) {
    for (size_t slot = 0; slot < m_teams.size(); ++slot) {
        m_teams[slot] = schedule.Slots[slot].Team;
    }
}

QString SingleListPage::Team(int slot) const {
    return slot >= 0 && slot < kSlotCount ? m_teams[static_cast<size_t>(slot)] : QString();
}

int SingleListPage::Count() const {
    return m_singles == nullptr ? 0 : static_cast<int>(m_singles->size());
}

int SingleListPage::LastPage() const {
    return Count() == 0 ? 0 : (Count() - 1) / kPageSize;
}

void SingleListPage::SetPage(int page) {
    m_page = std::clamp(page, 0, LastPage());
}

QString SingleListPage::PageLabel() const {
    return QString::number(m_page + 1) + QStringLiteral("／") + QString::number(LastPage() + 1);
}

int SingleListPage::EntryAt(int row) const {
    if (row < 2 || row > kRows) {
        return -1;
    }
    const int index = m_page * kPageSize + row - 2;
    return index < Count() ? index : -1;
}

bool SingleListPage::ClassAt(int col, int& slot, int& goalClass) {
    if (col < kFirstClassColumn || col >= kFirstSummaryColumn) {
        return false;
    }
    slot = (col - kFirstClassColumn) / 4;
    goalClass = (col - kFirstClassColumn) % 4;
    return true;
}

bool SingleListPage::Selected(int index) const {
    return index >= 0 && index < static_cast<int>(m_selected.size()) &&
           m_selected[static_cast<size_t>(index)];
}

void SingleListPage::ToggleSelected(int index) {
    if (index >= 0 && index < static_cast<int>(m_selected.size())) {
        m_selected[static_cast<size_t>(index)] = !m_selected[static_cast<size_t>(index)];
    }
}

void SingleListPage::SelectAll(bool selected) {
    m_selected.assign(static_cast<size_t>(Count()), selected);
}

QString SingleListPage::Caption(int col) {
    if (col == 1) {
        return QStringLiteral("No");
    }
    int slot = 0;
    int goalClass = 0;
    if (ClassAt(col, slot, goalClass)) {
        return QString::number(goalClass);
    }
    return SingleListSummary::Caption(col - kFirstSummaryColumn);
}

QString SingleListPage::Text(int row, int col) const {
    if (row == 1) {
        return Caption(col);
    }
    const int index = EntryAt(row);
    if (index < 0) {
        return QString();
    }
    const int32_t number = (*m_singles)[static_cast<size_t>(index)];
    if (col == 1) {
        return VbFormat::Format(static_cast<int64_t>(index + 1), QStringLiteral("#,##0"));
    }
    int slot = 0;
    int goalClass = 0;
    if (ClassAt(col, slot, goalClass)) {
        if (number < 0 || number >= kSingleCount) {
            return QString();
        }
        const int digit = clsTNumber::Digit(number, slot);
        return digit == goalClass ? QString::number(digit) : QString();
    }
    return m_summary.LineText(number, col - kFirstSummaryColumn);
}

} // namespace kestrel
