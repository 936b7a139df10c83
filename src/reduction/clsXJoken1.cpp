#include "reduction/clsXJoken1.h"

#include "reduction/ConditionLabels.h"

namespace kestrel {

namespace {

PopupMenu BuildRowMenu() {
    PopupMenu menu;
    menu.Name = QStringLiteral("mnuRow");
    PopupMenuItem cancel;
    cancel.Caption = QStringLiteral("キャンセル");
    PopupMenuItem separator;
    separator.Separator = true;
    PopupMenuItem composition;
    composition.Caption = QStringLiteral("構成分析");
    composition.Index = clsXJoken1::kComposition;
    PopupMenuItem combination;
    combination.Caption = QStringLiteral("複合条件設定");
    combination.Index = clsXJoken1::kCombination;
    menu.Items = {cancel, separator, composition, combination};
    return menu;
}

bool ValidGroup(int group) {
    return group >= 0 && group < ConditionSet::kGroupCount;
}

} // namespace

clsXJoken1::clsXJoken1(ConditionKind kind) : m_kind(kind), m_rowMenu(BuildRowMenu()) {
    Initialize(kind);
}

void clsXJoken1::Initialize(ConditionKind kind) {
    m_kind = kind;
    m_counts.Resize(ConditionLabels::BaseCount(kind), kCountColumns);
    Clear();
}

void clsXJoken1::SetPopupHandler(PopupHandler handler) {
    m_popup = handler;
    m_teams.SetPopupHandler(handler);
    m_classes.SetPopupHandler(handler);
    m_counts.SetPopupHandler(std::move(handler));
}

void clsXJoken1::Clear() {
    for (auto& group : m_groups) {
        group = ConditionGroup::Defaults(m_kind);
    }
    m_groups[ConditionSet::kJ1Group].GameFlg.fill(false);
    m_groups[ConditionSet::kJ2Group].GameFlg.fill(false);
    m_current = 0;
    LoadGrids();
}

void clsXJoken1::SetAllEnabled(bool value) {
    for (auto& group : m_groups) {
        group.Enabled = value;
    }
}

bool clsXJoken1::AllEnabled() const {
    for (const auto& group : m_groups) {
        if (!group.Enabled) {
            return false;
        }
    }
    return true;
}

void clsXJoken1::Refresh() {
    LoadGrids();
}

void clsXJoken1::SelectGroup(int group) {
    if (!ValidGroup(group)) {
        return;
    }
    m_current = group;
    LoadGrids();
}

ConditionGroup clsXJoken1::Group(int group) const {
    ConditionGroup value =
        ValidGroup(group) ? m_groups[static_cast<size_t>(group)] : ConditionGroup::Defaults(m_kind);
    value.UpdateRowLabels(m_kind);
    return value;
}

void clsXJoken1::SetGroup(int group, const ConditionGroup& value) {
    if (!ValidGroup(group)) {
        return;
    }
    m_groups[static_cast<size_t>(group)] = value;
    m_groups[static_cast<size_t>(group)].UpdateRowLabels(m_kind);
    if (group == m_current) {
        LoadGrids();
    }
}

void clsXJoken1::GetGroups(std::array<ConditionGroup, ConditionSet::kGroupCount>& groups) const {
    for (int g = 0; g < ConditionSet::kGroupCount; ++g) {
        groups[static_cast<size_t>(g)] = Group(g);
    }
}

void clsXJoken1::SetGroups(const std::array<ConditionGroup, ConditionSet::kGroupCount>& groups) {
    for (int g = 0; g < ConditionSet::kGroupCount; ++g) {
        m_groups[static_cast<size_t>(g)] = groups[static_cast<size_t>(g)];
        m_groups[static_cast<size_t>(g)].UpdateRowLabels(m_kind);
    }
    LoadGrids();
}

void clsXJoken1::AssignJ1J2(const ScheduleRecord& schedule,
                            const ConditionSet::LeagueLookup& lookup) {
    ConditionSet scratch;
    scratch.AssignJ1J2(schedule, lookup);
    for (const int g : {ConditionSet::kJ1Group, ConditionSet::kJ2Group}) {
        m_groups[static_cast<size_t>(g)].GameFlg =
            scratch.Groups(m_kind)[static_cast<size_t>(g)].GameFlg;
    }
    LoadGrids();
}

void clsXJoken1::GetTaisho(FlagTable& flags) const {
    const ConditionGroup& group = Current();
    for (int c = 0; c < kGoalClassCount; ++c) {
        for (int t = 0; t < kSlotCount; ++t) {
            flags[static_cast<size_t>(c)][static_cast<size_t>(t)] =
                group.MarkFlg[static_cast<size_t>(c)] && group.GameFlg[static_cast<size_t>(t)];
        }
    }
}

bool clsXJoken1::TeamClick(Button button, int team) {
    const bool changed = m_teams.Click(
        button == Button::Left ? clsXGridB::Button::Left : clsXGridB::Button::Right, team);
    StoreGrids();
    return changed;
}

bool clsXJoken1::ClassClick(Button button, int goalClass) {
    const bool changed = m_classes.Click(
        button == Button::Left ? clsXGridB::Button::Left : clsXGridB::Button::Right, goalClass);
    StoreGrids();
    return changed;
}

bool clsXJoken1::CountClick(Button button, Keys keys, int row, int count) {
    const bool changed = m_counts.CellClick(button, keys, row, count);
    StoreGrids();
    return changed;
}

bool clsXJoken1::CountHeaderClick(Button button) {
    const bool changed = m_counts.HeaderClick(button);
    StoreGrids();
    return changed;
}

void clsXJoken1::SetFlag(bool value) {
    Current().Flag = value;
}

bool clsXJoken1::Flag() const {
    return Current().Flag;
}

int32_t clsXJoken1::RowTitleClick(int row) {
    if (row < 0 || row >= Current().Rows() || !m_popup) {
        return 0;
    }
    const PopupMenuItem* item = m_rowMenu.Chosen(m_popup(m_rowMenu));
    const int32_t action = item != nullptr ? item->Index : 0;
    if (action == kCombination && m_dialog) {
        JoukenDialogModel dialog(m_kind, Current(), row);
        if (m_dialog(dialog)) {
            dialog.Accept(Current());
        }
    }
    return action;
}

clsTX1::Histogram clsXJoken1::Composition(const clsTX1& engine, int row) const {
    clsTX1::Histogram histogram{};
    engine.CountDistribution(m_kind, row, Current(), histogram);
    return histogram;
}

QString clsXJoken1::RowTitle(int row) const {
    return Current().ComputeRowLabel(m_kind, row);
}

void clsXJoken1::LoadGrids() {
    const ConditionGroup& group = Current();
    m_teams.SetMultiFlg(std::vector<bool>(group.GameFlg.begin(), group.GameFlg.end()));
    m_classes.SetMultiFlg(std::vector<bool>(group.MarkFlg.begin(), group.MarkFlg.end()));
    for (int r = 0; r < m_counts.Rows(); ++r) {
        for (int t = 0; t < kCountColumns; ++t) {
            m_counts.SetCell(r, t, group.Cells[static_cast<size_t>(t)][static_cast<size_t>(r)]);
        }
    }
}

void clsXJoken1::StoreGrids() {
    ConditionGroup& group = Current();
    for (int t = 0; t < kSlotCount; ++t) {
        group.GameFlg[static_cast<size_t>(t)] = m_teams.Flag(t);
    }
    for (int c = 0; c < kGoalClassCount; ++c) {
        group.MarkFlg[static_cast<size_t>(c)] = m_classes.Flag(c);
    }
    for (int r = 0; r < m_counts.Rows() && r < ConditionGroup::kMaxRows; ++r) {
        for (int t = 0; t < kCountColumns; ++t) {
            group.Cells[static_cast<size_t>(t)][static_cast<size_t>(r)] = m_counts.Cell(r, t);
        }
    }
}

} // namespace kestrel
