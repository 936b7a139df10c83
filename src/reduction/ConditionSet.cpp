#include "reduction/ConditionSet.h"

namespace kestrel {

namespace {

void ClearGroups(std::array<ConditionGroup, ConditionSet::kGroupCount>& groups,
                 ConditionKind kind) {
    for (auto& group : groups) {
        group = ConditionGroup::Defaults(kind);
    }
    groups[ConditionSet::kJ1Group].GameFlg.fill(false);
    groups[ConditionSet::kJ2Group].GameFlg.fill(false);
}

constexpr ConditionKind kKinds[] = {ConditionKind::Honmei, ConditionKind::Ninki,
                                    ConditionKind::Mark};

} // namespace

ConditionSet::ConditionSet() {
    Clear();
}

void ConditionSet::Clear() {
    for (int g = 0; g < 3; ++g) {
        const auto i = static_cast<size_t>(g);
        Haitou.Flag[i] = false;
        Haitou.Min[i] = Money();
        Haitou.Max[i] = Money::FromInt(kMaxYen);
    }
    HaitouEv = HaitouEvCondition();
    for (const ConditionKind kind : kKinds) {
        ClearGroups(Groups(kind), kind);
    }
    Tensho = TenshoGrid();
    MachigaiType = 0;
    MachigaiList.fill(false);
    MachigaiList[0] = true;
}

void ConditionSet::AssignJ1J2(const ScheduleRecord& schedule, const LeagueLookup& lookup) {
    for (const ConditionKind kind : kKinds) {
        Groups(kind)[kJ1Group].GameFlg.fill(false);
        Groups(kind)[kJ2Group].GameFlg.fill(false);
    }
    if (!lookup) {
        return;
    }
    for (int t = 0; t < kSlotCount; ++t) {
        const ScheduleSlot& slot = schedule.Slots[static_cast<size_t>(t)];
        const QString league = lookup(slot.Team, slot.GameDate.Year());
        int group = -1;
        if (league == QLatin1String("J1")) {
            group = kJ1Group;
        } else if (league == QLatin1String("J2")) {
            group = kJ2Group;
        }
        if (group < 0) {
            continue;
        }
        for (const ConditionKind kind : kKinds) {
            Groups(kind)[static_cast<size_t>(group)].GameFlg[static_cast<size_t>(t)] = true;
        }
    }
}

void ConditionSet::AssignJ1J2(const ScheduleRecord& schedule, const clsTotoData& teams) {
    AssignJ1J2(schedule, Leagues(teams));
}

ConditionSet::LeagueLookup ConditionSet::Leagues(const clsTotoData& teams) {
    return [&teams](const QString& shortName, int year) {
        return teams.GetShortToJ1J2String(shortName, year);
    };
}

std::array<ConditionGroup, ConditionSet::kGroupCount>& ConditionSet::Groups(ConditionKind kind) {
    switch (kind) {
    case ConditionKind::Ninki:
        return Ninki;
    case ConditionKind::Mark:
        return Mark;
    case ConditionKind::Honmei:
        break;
    }
    return Honmei;
}

const std::array<ConditionGroup, ConditionSet::kGroupCount>&
ConditionSet::Groups(ConditionKind kind) const {
    return const_cast<ConditionSet*>(this)->Groups(kind);
}

bool ConditionSet::HaitouApplies(int grade) const {
    if (grade < 0 || grade > 2) {
        return false;
    }
    const auto i = static_cast<size_t>(grade);
    return Haitou.Enabled[i] && Haitou.Flag[i];
}

} // namespace kestrel
