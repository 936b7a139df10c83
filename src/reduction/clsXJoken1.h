#pragma once

#include <QString>
#include <array>
#include <functional>

#include "core/MarkTable.h"
#include "core/PopupMenu.h"
#include "core/ScheduleRecord.h"
#include "reduction/ConditionGroup.h"
#include "reduction/ConditionKind.h"
#include "reduction/ConditionSet.h"
#include "reduction/JoukenDialogModel.h"
#include "reduction/clsTX1.h"
#include "reduction/clsXGridB.h"
#include "reduction/clsXGridM.h"

namespace kestrel {

// One count-condition page (Honmei, Ninki or Mark) as a model: its 29 groups behind a tab strip,
// the team grid ("対象試合"), the goal-class grid ("対象結果"), the count grid and the group's
// check box, with the editing rules. Edits act on the group on view and are written to it at
// once; the widgets draw the grids and forward clicks.
class clsXJoken1 {
public:
    using Button = clsXGridM::Button;
    using Keys = clsXGridM::Keys;
    using PopupHandler = std::function<MenuChoice(const PopupMenu& menu)>;
    // Shows the combination dialog; true when the user pressed "OK".
    using DialogHandler = std::function<bool(JoukenDialogModel& dialog)>;
    // Index values of the row-title menu.
    enum RowAction : int32_t { kComposition = 1, kCombination = 2 };
    static constexpr int kCountColumns = ConditionGroup::kCountValues;

    explicit clsXJoken1(ConditionKind kind = ConditionKind::Honmei);

    // Sets the kind (row count and titles) and clears.
    void Initialize(ConditionKind kind);
    void SetPopupHandler(PopupHandler handler);
    void SetDialogHandler(DialogHandler handler) { m_dialog = std::move(handler); }

    // Every group to its default, "J1" and "J2" counting no team; group 0 on view.
    void Clear();
    // Enabled of all 29 groups (the kind's master switch); AllEnabled is true when every group
    // has it on.
    void SetAllEnabled(bool value);
    bool AllEnabled() const;
    // Reloads the grids from the group on view.
    void Refresh();

    ConditionKind Kind() const { return m_kind; }
    int CurrentGroup() const { return m_current; }
    // Puts another group on view (the tab strip); ignored outside 0..28.
    void SelectGroup(int group);
    // A group's record with RowLabel filled in (the defaults outside 0..28).
    ConditionGroup Group(int group) const;
    // Replaces a group (ignored outside 0..28); the grids follow when it is on view.
    void SetGroup(int group, const ConditionGroup& value);
    void GetGroups(std::array<ConditionGroup, ConditionSet::kGroupCount>& groups) const;
    void SetGroups(const std::array<ConditionGroup, ConditionSet::kGroupCount>& groups);
    // Ticks the teams of groups "J1" and "J2" from the round's schedule.
    void AssignJ1J2(const ScheduleRecord& schedule, const ConditionSet::LeagueLookup& lookup);

    // Goal class x team: true where both MarkFlg and GameFlg of the group on view are true (the
    // counted cells the multi highlights).
    void GetTaisho(FlagTable& flags) const;

    // Edits of the group on view; true when something changed.
    bool TeamClick(Button button, int team);
    bool ClassClick(Button button, int goalClass);
    bool CountClick(Button button, Keys keys, int row, int count);
    bool CountHeaderClick(Button button);
    void SetFlag(bool value);
    bool Flag() const;
    // A click on a row title opens the row menu "キャンセル", "構成分析", "複合条件設定".
    // "複合条件設定" runs the combination dialog; the chosen action is returned (0: none) so the
    // window can show the composition of the row (Composition) for "構成分析".
    int32_t RowTitleClick(int row);
    // How the singles of the engine's multi spread over the count values of a row of the group
    // on view.
    clsTX1::Histogram Composition(const clsTX1& engine, int row) const;

    QString RowTitle(int row) const;
    const clsXGridB& TeamGrid() const { return m_teams; }
    const clsXGridB& ClassGrid() const { return m_classes; }
    const clsXGridM& CountGrid() const { return m_counts; }
    const PopupMenu& RowMenu() const { return m_rowMenu; }

private:
    void LoadGrids();
    void StoreGrids();
    ConditionGroup& Current() { return m_groups[static_cast<size_t>(m_current)]; }
    const ConditionGroup& Current() const { return m_groups[static_cast<size_t>(m_current)]; }

    ConditionKind m_kind;
    std::array<ConditionGroup, ConditionSet::kGroupCount> m_groups;
    int m_current = 0;
    clsXGridB m_teams{kSlotCount};
    clsXGridB m_classes{kGoalClassCount};
    clsXGridM m_counts;
    PopupMenu m_rowMenu;
    PopupHandler m_popup;
    DialogHandler m_dialog;
};

} // namespace kestrel
