#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "core/ScheduleRecord.h"
#include "platform/Money.h"
#include "reduction/ConditionGroup.h"
#include "reduction/ConditionKind.h"
#include "reduction/TenshoGrid.h"
#include "store/clsTotoData.h"

namespace kestrel {

// The payout-range conditions of grades 1..3 (index 0..2).
struct HaitouCondition {
    std::array<bool, 3> Enabled{true, true, true}; // the grade's check box is available
    std::array<bool, 3> Flag{};                    // the user ticked the grade
    std::array<Money, 3> Min{};
    std::array<Money, 3> Max{};

    bool operator==(const HaitouCondition&) const = default;
};

// The expected-return condition of the payout page: a single stays only when its expected
// return under the player's odds (expected payout per 100 yen staked) is at least MinPercent.
// Off by default, so documents without it reduce as they always did.
struct HaitouEvCondition {
    static constexpr int64_t kDefaultPercent = 100;

    bool Flag = false;
    Money MinPercent = Money::FromInt(kDefaultPercent);

    bool IsDefault() const { return *this == HaitouEvCondition(); }
    bool operator==(const HaitouEvCondition&) const = default;
};

// Everything the user states to cut a multi down: payout ranges, the three count kinds with 29
// groups each, the score table and the allowed-miss setting. A plain value; the default value is
// what clearing the conditions gives (groups "J1" and "J2" count no team until AssignJ1J2).
struct ConditionSet {
    static constexpr int kGroupCount = 29;
    static constexpr int kJ1Group = 1;
    static constexpr int kJ2Group = 2;
    static constexpr int kMachigaiCount = 12; // 0..10 misses, then 11 = "11 or more"
    // The edit boxes' largest amount; as a maximum it means "no upper bound".
    static constexpr int64_t kMaxYen = 9'999'999'999;

    // The league of a team ("J1", "J2", "J3" or empty) by short name and year of its match.
    using LeagueLookup = std::function<QString(const QString& shortName, int year)>;

    ConditionSet();

    HaitouCondition Haitou;
    HaitouEvCondition HaitouEv; // "期待回収率" (stored as "Haitou.Ev" when not the default)
    std::array<ConditionGroup, kGroupCount> Honmei;
    std::array<ConditionGroup, kGroupCount> Ninki;
    std::array<ConditionGroup, kGroupCount> Mark;
    TenshoGrid Tensho;
    int32_t MachigaiType = 0; // 0 off, 1 count misses, 2 count misses of "△" cells only
    std::array<bool, kMachigaiCount> MachigaiList{};

    // Restores the defaults. The payout check boxes' availability (Haitou.Enabled) belongs to the
    // window and is kept.
    void Clear();
    // Clears GameFlg of groups "J1" and "J2" of all three kinds, then ticks each team of the
    // schedule whose league is "J1" in group 1 and "J2" in group 2.
    void AssignJ1J2(const ScheduleRecord& schedule, const LeagueLookup& lookup);
    // The same with the leagues of the team-name tables (GetShortToJ1J2String).
    void AssignJ1J2(const ScheduleRecord& schedule, const clsTotoData& teams);
    // A league lookup reading the team-name tables; the tables must outlive it.
    static LeagueLookup Leagues(const clsTotoData& teams);

    std::array<ConditionGroup, kGroupCount>& Groups(ConditionKind kind);
    const std::array<ConditionGroup, kGroupCount>& Groups(ConditionKind kind) const;

    // True when the payout condition of grade index 0..2 takes part.
    bool HaitouApplies(int grade) const;

    bool operator==(const ConditionSet&) const = default;
};

} // namespace kestrel
