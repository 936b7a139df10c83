#include "reduction/JoukenDialogModel.h"

#include "reduction/ConditionLabels.h"

namespace kestrel {

JoukenDialogModel::JoukenDialogModel(ConditionKind kind, const ConditionGroup& group, int row)
    : m_kind(kind), m_row(row) {
    const int items = group.Bases();
    m_checks.assign(static_cast<size_t>(items), false);
    if (row < 0 || row >= group.Rows()) {
        return;
    }
    for (int i = 0; i < items; ++i) {
        m_checks[static_cast<size_t>(i)] =
            group.PlusFlg[static_cast<size_t>(row)][static_cast<size_t>(i)];
    }
}

QString JoukenDialogModel::Caption(int item) const {
    return ConditionLabels::LongTitle(m_kind, item) + QLatin1Char(' ');
}

bool JoukenDialogModel::Checked(int item) const {
    return item >= 0 && item < Count() && m_checks[static_cast<size_t>(item)];
}

void JoukenDialogModel::SetChecked(int item, bool value) {
    if (item >= 0 && item < Count()) {
        m_checks[static_cast<size_t>(item)] = value;
    }
}

int JoukenDialogModel::CheckedCount() const {
    int n = 0;
    for (const bool checked : m_checks) {
        n += checked ? 1 : 0;
    }
    return n;
}

bool JoukenDialogModel::OkEnabled() const {
    const int n = CheckedCount();
    return n >= 1 && n <= Count() - 1;
}

bool JoukenDialogModel::Accept(ConditionGroup& group) const {
    if (!OkEnabled() || m_row < 0 || m_row >= group.Rows()) {
        return false;
    }
    for (int i = 0; i < Count() && i < ConditionGroup::kMaxRows; ++i) {
        group.PlusFlg[static_cast<size_t>(m_row)][static_cast<size_t>(i)] =
            m_checks[static_cast<size_t>(i)];
    }
    group.UpdateRowLabels(m_kind);
    return true;
}

} // namespace kestrel
