#include "results/clsTMultiResult.h"

namespace kestrel {

void clsTMultiResult::Clear() {
    m_marks = ResultMarks{};
    Update(false);
}

void clsTMultiResult::SetValue(const ResultMarks& marks) {
    m_marks = marks;
    Update(false);
}

void clsTMultiResult::GetVisible(
    std::array<std::array<bool, kGoalClassCount>, kSlotCount>& flags) const {
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            flags[t][c] = m_marks[t][c] != kResultNone;
        }
    }
}

FlagTable clsTMultiResult::VisibleTable() const {
    FlagTable table{};
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            table[c][t] = m_marks[t][c] != kResultNone;
        }
    }
    return table;
}

void clsTMultiResult::LeftClick(int t, int c, int officialClass) {
    if (t < 0 || t >= kSlotCount || c < 0 || c >= kGoalClassCount) {
        return;
    }
    const bool wasEmpty = m_marks[t][c] == kResultNone;
    m_marks[t].fill(kResultNone);
    if (wasEmpty) {
        m_marks[t][c] = (c == officialClass) ? kResultOfficial : kResultUser;
    }
    Update(true);
}

QStringList clsTMultiResult::RightClick(int t) {
    if (t < 0 || t >= kSlotCount) {
        m_popupRow = -1;
        return {};
    }
    m_popupRow = t;
    return {PopupText()};
}

void clsTMultiResult::SetPopup(int index) {
    if (index != 0 || m_popupRow < 0) {
        return;
    }
    m_marks[m_popupRow].fill(kResultUserVoid);
    Update(true);
}

QString clsTMultiResult::CellText(int t, int c) const {
    switch (m_marks[t][c]) {
    case kResultOfficial:
        return QStringLiteral("◎");
    case kResultUser:
        return QStringLiteral("○");
    case kResultUserVoid:
    case kResultOfficialVoid:
        return QStringLiteral("－");
    default:
        return {};
    }
}

void clsTMultiResult::Update(bool click) {
    if (m_marks == m_snapshot) {
        return;
    }
    m_snapshot = m_marks;
    if (m_change) {
        m_change(click);
    }
}

} // namespace kestrel
