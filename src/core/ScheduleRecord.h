#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/HoldState.h"
#include "platform/DateTime.h"

namespace kestrel {

// One team slot of a schedule (開催情報).
struct ScheduleSlot {
    QString Team;          // short name from the team-name table
    DateTime GameDate;     // date only
    DateTime GameTime;     // time of day only
    QString Stadium;
    QString State;         // "VS" or "中止"; both slots of a match carry the same text
};

// Schedule of one round. Slots are indexed 0..5 for slots 1..6.
struct ScheduleRecord {
    int32_t Kaisaikai = 0;
    QString Kumi;
    std::array<ScheduleSlot, 6> Slots{};
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;
    DateTime PayStart;
    DateTime PayEnd;
    HoldState State = HoldState::Held;
};

} // namespace kestrel
