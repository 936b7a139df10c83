#pragma once

#include <QString>
#include <array>
#include <vector>

#include "reduction/ConditionGroup.h"
#include "reduction/ConditionKind.h"

namespace kestrel {

// The combination dialog of one count-grid row as a model: one check box per base item, captioned
// with the long title and a trailing blank, pre-ticked from the row's PlusFlg. "OK" is enabled
// only while 1 .. BaseCount - 1 boxes are ticked, so a row never combines no item or every item.
class JoukenDialogModel {
public:
    JoukenDialogModel(ConditionKind kind, const ConditionGroup& group, int row);

    int Count() const { return static_cast<int>(m_checks.size()); }
    QString Caption(int item) const;
    bool Checked(int item) const;
    void SetChecked(int item, bool value);
    int CheckedCount() const;
    bool OkEnabled() const;
    // Writes the ticks back to the row's PlusFlg; false (nothing written) while "OK" is disabled.
    bool Accept(ConditionGroup& group) const;
    int Row() const { return m_row; }

private:
    ConditionKind m_kind;
    int m_row = 0;
    std::vector<bool> m_checks;
};

} // namespace kestrel
