#include "net/RecordCompleteness.h"

#include <limits>
#include <optional>

#include "core/LotteryConstants.h"

namespace kestrel {

namespace {

constexpr uint8_t kMaxGoals = 30;

bool IsSet(const DateTime& d) {
    return !d.IsZero();
}

bool AllSet(std::initializer_list<DateTime> dates) {
    for (const DateTime& d : dates) {
        if (!IsSet(d)) {
            return false;
        }
    }
    return true;
}

// a + b, or nothing when the sum does not fit: a page's absurd figures must not wrap around to
// a sum that looks right.
std::optional<Money> CheckedSum(Money a, Money b) {
    int64_t sum = 0;
    if (__builtin_add_overflow(a.Raw(), b.Raw(), &sum)) {
        return std::nullopt;
    }
    return Money::FromRaw(sum);
}

// total = multi + single, none negative.
bool ConsistentTriple(const std::array<Money, 3>& v) {
    return v[0] >= Money() && v[1] >= Money() && v[2] >= Money() && CheckedSum(v[1], v[2]) == v[0];
}

// amount = 100 yen x votes, without overflow.
bool HundredYenEach(Money amount, Money votes) {
    const int64_t raw = votes.Raw();
    if (raw > std::numeric_limits<int64_t>::max() / 100) {
        return false;
    }
    return amount.Raw() == raw * 100;
}

bool VoteSlotComplete(const VoteSlot& slot) {
    if (!IsSet(slot.GameDate) || slot.Team.isEmpty()) {
        return false;
    }
    std::optional<Money> sum = Money();
    for (const GoalVote& v : slot.Votes) {
        if (v.Count <= Money() || v.Rate <= Money()) {
            return false;
        }
        sum = CheckedSum(*sum, v.Rate);
        if (!sum) {
            return false;
        }
    }
    return *sum == Money::FromInt(100);
}

} // namespace

bool RecordCompleteness::IsComplete(const ScheduleRecord& record) {
    if (record.Kaisaikai < 1) {
        return false;
    }
    for (const ScheduleSlot& slot : record.Slots) {
        if (slot.Team.isEmpty() || !IsSet(slot.GameDate) || slot.Stadium.isEmpty()) {
            return false;
        }
    }
    return record.State != HoldState::Held ||
           AllSet({record.SaleStart, record.SaleEnd, record.ResultDate});
}

bool RecordCompleteness::IsComplete(const VoteRecord& record) {
    if (record.Kaisaikai < 1 || !IsSet(record.AsOf)) {
        return false;
    }
    for (const VoteSlot& slot : record.Slots) {
        if (!VoteSlotComplete(slot)) {
            return false;
        }
    }
    if (!ConsistentTriple(record.Sales) || !ConsistentTriple(record.Votes) ||
        !ConsistentTriple(record.Tickets)) {
        return false;
    }
    if (!AllSet({record.SaleStart, record.SaleEnd, record.ResultDate, record.PayStart,
                 record.PayEnd})) {
        return false;
    }
    for (int k = 0; k < 3; ++k) {
        if (!HundredYenEach(record.Sales[k], record.Votes[k])) {
            return false;
        }
    }
    return true;
}

bool RecordCompleteness::IsComplete(const ResultRecord& record) {
    if (record.Kaisaikai < 1) {
        return false;
    }
    for (const ResultSlot& slot : record.Slots) {
        if (slot.Team.isEmpty() || slot.HomeAway.isEmpty() || slot.Stadium.isEmpty() ||
            !IsSet(slot.GameDate) || slot.Goals > kMaxGoals || slot.Result > kVoidClass) {
            return false;
        }
    }
    if (record.Cancelled) {
        return true;
    }
    for (int g = 0; g < kGradeCount; ++g) {
        if (record.Prize[g] < Money() || record.Winners[g] < Money() ||
            record.CarryOver[g] < Money()) {
            return false;
        }
    }
    return AllSet(
        {record.SaleStart, record.SaleEnd, record.ResultDate, record.PayStart, record.PayEnd});
}

} // namespace kestrel
