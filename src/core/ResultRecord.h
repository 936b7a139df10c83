#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "platform/DateTime.h"
#include "platform/Money.h"

namespace kestrel {

// One team slot of the official result.
struct ResultSlot {
    DateTime GameDate;  // date only
    uint8_t Result = 0; // goal class 0..3, or 4 (kVoidClass) when the match was cancelled
    QString Stadium;
    QString Team;       // as printed on the result page
    QString HomeAway;   // "ホーム" for odd slots, "アウェイ" for even slots
    uint8_t Goals = 0;  // goals actually scored; 0 when cancelled
};

// The official result (くじ結果) of one round. Slots 0..5 for slots 1..6; the per-grade arrays are
// indexed 0..1 for grades 1..2.
struct ResultRecord {
    int32_t Kaisaikai = 0;
    QString Kumi;
    std::array<ResultSlot, 6> Slots{};
    std::array<Money, 2> Prize{};     // 当せん金
    std::array<Money, 2> Winners{};   // 当せん口数
    std::array<Money, 2> CarryOver{}; // 次回への繰越金
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate; // refund confirmation date for a cancelled round
    DateTime PayStart;   // refund start for a cancelled round
    DateTime PayEnd;     // refund deadline for a cancelled round
    bool Cancelled = false;
};

} // namespace kestrel
