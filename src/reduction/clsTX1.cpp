#include "reduction/clsTX1.h"

#include <algorithm>
#include <memory>
#include <span>

#include "core/clsTDeme.h"
#include "core/clsTMultiPattern.h"

namespace kestrel {

namespace {

constexpr int kTicksPerStep = 100;
constexpr uint8_t kCounterLimit = 255;
// Verdicts of a step's test: pass, plain failure, failure on a "△" cell.
constexpr uint8_t kStepPass = 0;
constexpr uint8_t kStepFail = 1;
constexpr uint8_t kStepTriangle = 2;
constexpr int kFoldLast = ConditionSet::kMachigaiCount - 1; // index of "11 or more"

bool ValidSingle(int32_t no) {
    return static_cast<uint32_t>(no) < static_cast<uint32_t>(kSingleCount);
}

// A feature calculator set up for one row of a group, as the count test and the distribution use
// it: marks, vote status, then GameFlg, MarkFlg and the row's PlusFlg in this order.
clsTDeme PrepareDeme(const MarkTable& marks, const VoteRecord& vote, ConditionKind kind, int row,
                     const ConditionGroup& group) {
    clsTDeme deme;
    if (kind == ConditionKind::Honmei) {
        deme.SetMulti(marks);
    } else if (kind == ConditionKind::Ninki) {
        deme.SetVote(vote);
    }
    deme.SetGameFlg(group.GameFlg);
    deme.SetMarkFlg(group.MarkFlg);
    const auto& plus = group.PlusFlg[static_cast<size_t>(row)];
    deme.SetPlusFlg(std::span<const bool>(plus.data(), static_cast<size_t>(group.Bases())));
    return deme;
}

// Feature value of class c in slot t for the kind (99: not counted).
uint8_t FeatureValue(const clsTDeme& deme, ConditionKind kind, int c, int t) {
    switch (kind) {
    case ConditionKind::Honmei:
        return deme.HonmeiValue(c, t);
    case ConditionKind::Ninki:
        return deme.NinkiValue(c, t);
    case ConditionKind::Mark:
        return deme.MarkValue(c, t);
    }
    return clsTDeme::kNotCounted;
}

// The feature count of a single split into its low three slots and its high three slots, each
// looked up in a 64-entry table built once per step from the calculator: count(no) equals the
// calculator's getter for every single, at two look-ups per single.
class SplitCount {
public:
    SplitCount(const clsTDeme& deme, ConditionKind kind) {
        std::array<std::array<uint8_t, kSlotCount>, kGoalClassCount> hit{};
        for (int c = 0; c < kGoalClassCount; ++c) {
            for (int t = 0; t < kSlotCount; ++t) {
                const uint8_t value = FeatureValue(deme, kind, c, t);
                hit[static_cast<size_t>(c)][static_cast<size_t>(t)] =
                    (value < clsTDeme::kPlusSize && deme.Plus(value)) ? 1 : 0;
            }
        }
        for (int i = 0; i < kHalf; ++i) {
            const auto c0 = static_cast<size_t>(i & 3);
            const auto c1 = static_cast<size_t>((i >> 2) & 3);
            const auto c2 = static_cast<size_t>((i >> 4) & 3);
            m_low[static_cast<size_t>(i)] =
                static_cast<uint8_t>(hit[c0][0] + hit[c1][1] + hit[c2][2]);
            m_high[static_cast<size_t>(i)] =
                static_cast<uint8_t>(hit[c0][3] + hit[c1][4] + hit[c2][5]);
        }
    }
    int operator()(int32_t no) const {
        return m_low[static_cast<size_t>(no & (kHalf - 1))] +
               m_high[static_cast<size_t>((no >> 6) & (kHalf - 1))];
    }

private:
    static constexpr int kHalf = 64;
    std::array<uint8_t, kHalf> m_low{};
    std::array<uint8_t, kHalf> m_high{};
};

// Removal mode over singles[first..last): appends the passing ones to the survivors without a
// branch (the slot past the survivors is overwritten by the next single); returns the new count.
template <typename Test>
int32_t KeepPassing(const int32_t* singles, int32_t first, int32_t last, int32_t* survivors,
                    int32_t kept, const Test& test) {
    for (int32_t i = first; i < last; ++i) {
        const int32_t no = singles[i];
        const uint8_t verdict = ValidSingle(no) ? test(no) : kStepFail;
        survivors[kept] = no;
        kept += verdict == kStepPass ? 1 : 0;
    }
    return kept;
}

// Miss mode over singles[first..last): one more miss for each failing single, one more triangle
// when it failed on a "△" cell; both saturate at 255.
template <typename Test>
void CountMisses(const int32_t* singles, int32_t first, int32_t last, uint8_t* miss,
                 uint8_t* triangle, const Test& test) {
    for (int32_t i = first; i < last; ++i) {
        const int32_t no = singles[i];
        const uint8_t verdict = ValidSingle(no) ? test(no) : kStepFail;
        if (verdict == kStepPass) {
            continue;
        }
        miss[i] = static_cast<uint8_t>(miss[i] + (miss[i] < kCounterLimit ? 1 : 0));
        if (verdict == kStepTriangle) {
            triangle[i] = static_cast<uint8_t>(triangle[i] + (triangle[i] < kCounterLimit ? 1 : 0));
        }
    }
}

} // namespace

clsTX1::clsTX1() {
    m_survivors.reserve(kSingleCount);
}

void clsTX1::SetValue(const MarkTable& marks) {
    m_marks = marks;
}

void clsTX1::GetMulti(int32_t& lngCount, std::vector<int32_t>& lngSingle) const {
    clsTMultiPattern pattern;
    pattern.SetValue(m_marks);
    lngCount = 0;
    pattern.GetMulti(lngCount, lngSingle);
    if (lngCount <= 0) {
        lngCount = 0;
        lngSingle.clear();
    }
}

void clsTX1::SetVote(const VoteRecord& vote) {
    m_vote = vote;
    m_money.SetVote(vote);
}

uint8_t clsTX1::CellVerdict(uint8_t cell) {
    if (cell == kCellBlank) {
        return kStepPass;
    }
    return cell == kCellTriangle ? kStepTriangle : kStepFail;
}

void clsTX1::BeginEvents() const {
    if (m_events != nullptr) {
        m_events->ProgressBegin();
    }
}

void clsTX1::TickEvent(int32_t tick) const {
    if (m_events != nullptr) {
        m_events->Progress(tick);
    }
}

void clsTX1::EndEvents() const {
    if (m_events != nullptr) {
        m_events->ProgressEnd();
    }
}

// The common skeleton of a step: one pass over the list in order, a progress tick about every
// 1 % (after every single for lists up to 100), the cancel flag read at the ticks.
template <typename Test>
void clsTX1::RunStep(int32_t& lngCount, std::vector<int32_t>& lngSingle, bool missMode,
                     Counters* miss, Counters* triangle, const Test& test) {
    const int32_t count = std::min<int32_t>(lngCount, static_cast<int32_t>(lngSingle.size()));
    const auto size = static_cast<size_t>(count);
    if (missMode) {
        // Counters shorter than the list can only come from a caller's mistake; widen them
        // rather than write past their end.
        if (miss->size() < size) {
            miss->resize(size, 0);
        }
        if (triangle != nullptr && triangle->size() < size) {
            triangle->resize(size, 0);
        }
    } else if (m_survivors.size() < size) {
        m_survivors.resize(size);
    }
    int32_t* survivors = m_survivors.data();
    // Steps without triangle counters (payout) count into a scratch array.
    uint8_t* missData = missMode ? miss->data() : nullptr;
    uint8_t* triangleData = nullptr;
    if (missMode) {
        if (triangle == nullptr) {
            m_scratch.assign(size, 0);
            triangle = &m_scratch;
        }
        triangleData = triangle->data();
    }
    const int32_t* singles = lngSingle.data();
    int32_t kept = 0;

    BeginEvents();
    // A tick after every (step + 1) singles: after each single for lists up to 100, about 100
    // ticks for longer ones. The singles between two ticks are one block.
    const int32_t block = (count - 1) / kTicksPerStep + 1;
    int32_t tick = 0;
    for (int32_t first = 0; first < count; first += block) {
        const int32_t last = std::min(count, first + block);
        if (missMode) {
            CountMisses(singles, first, last, missData, triangleData, test);
        } else {
            kept = KeepPassing(singles, first, last, survivors, kept, test);
        }
        if (last - first == block) {
            if (CancelRequested()) {
                break;
            }
            TickEvent(++tick);
        }
    }
    EndEvents();

    if (!missMode) {
        lngSingle.assign(survivors, survivors + kept);
        lngCount = kept;
    }
}

void clsTX1::MoneySakugen(int32_t& lngCount, std::vector<int32_t>& lngSingle, int grade, Money min,
                          Money max, bool missMode, Counters& miss) {
    if (lngCount <= 0 || min < Money() || grade < 0 || grade > 2) {
        return;
    }
    const Money upper = (max == Money::FromInt(kNoBoundYen)) ? Money::FromInt(kUnboundedYen) : max;
    const clsTMoney& money = m_money;
    auto test = [&](int32_t no) -> uint8_t {
        Money prize;
        if (grade == 0) {
            prize = money.GetMoney1No(no);
        } else if (grade == 1) {
            prize = money.GetMoney2No(no);
        } else {
            prize = money.GetMoney3No(no);
        }
        return (min <= prize && prize <= upper) ? kStepPass : kStepFail;
    };
    RunStep(lngCount, lngSingle, missMode, &miss, nullptr, test);
}

void clsTX1::SetOdds(const std::optional<PlayerOdds>& odds, double price) {
    m_odds = odds;
    m_price = price;
}

void clsTX1::EvSakugen(int32_t& lngCount, std::vector<int32_t>& lngSingle, Money minPercent,
                       bool missMode, Counters& miss) {
    if (lngCount <= 0 || minPercent < Money()) {
        return;
    }
    // The figures of all 4096 singles are made once; the step then only looks them up.
    auto ev = std::make_unique<ExpectedValue>();
    ev->Set(m_vote, m_odds ? *m_odds : PlayerOdds::FromVote(m_vote), m_price);
    const double minimum = minPercent.ToDouble();
    auto test = [&](int32_t no) -> uint8_t {
        return ev->SingleReturnPercent(no) >= minimum ? kStepPass : kStepFail;
    };
    RunStep(lngCount, lngSingle, missMode, &miss, nullptr, test);
}

void clsTX1::CountSakugen(ConditionKind kind, int32_t& lngCount, std::vector<int32_t>& lngSingle,
                          int row, const ConditionGroup& group, bool missMode, Counters& miss,
                          Counters& triangle) {
    if (lngCount <= 0 || CancelRequested() || row < 0 || row >= group.Rows()) {
        return;
    }
    const SplitCount count(PrepareDeme(m_marks, m_vote, kind, row, group), kind);
    std::array<uint8_t, ConditionGroup::kCountValues> verdict{};
    for (int t = 0; t < ConditionGroup::kCountValues; ++t) {
        verdict[static_cast<size_t>(t)] =
            CellVerdict(group.Cells[static_cast<size_t>(t)][static_cast<size_t>(row)]);
    }
    auto test = [&](int32_t no) -> uint8_t { return verdict[static_cast<size_t>(count(no))]; };
    RunStep(lngCount, lngSingle, missMode, &miss, &triangle, test);
}

void clsTX1::TenshoSakugen(int /*kind*/, int32_t& lngCount, std::vector<int32_t>& lngSingle,
                           int match, const TenshoGrid& grid, bool missMode, Counters& miss,
                           Counters& triangle) {
    if (lngCount <= 0 || CancelRequested() || match < 0 || match >= grid.UsedRows()) {
        return;
    }
    std::array<uint8_t, TenshoGrid::kCols> verdict{};
    for (int c = 0; c < grid.UsedCols(); ++c) {
        verdict[static_cast<size_t>(c)] =
            CellVerdict(grid.Cells[static_cast<size_t>(c)][static_cast<size_t>(match)]);
    }
    const int home = 2 * match;
    auto test = [&](int32_t no) -> uint8_t {
        const int cell = (((no >> (2 * home)) & 3) << 2) | ((no >> (2 * home + 2)) & 3);
        return verdict[static_cast<size_t>(cell)];
    };
    RunStep(lngCount, lngSingle, missMode, &miss, &triangle, test);
}

void clsTX1::MachigaiFold(int32_t& lngCount, std::vector<int32_t>& lngSingle, int32_t type,
                          const std::array<bool, ConditionSet::kMachigaiCount>& list,
                          const Counters& miss, const Counters& triangle,
                          Distribution& distribution) const {
    distribution.fill(0);
    const int32_t count = std::min<int32_t>(lngCount, static_cast<int32_t>(lngSingle.size()));
    int32_t kept = 0;
    for (int32_t i = 0; i < count; ++i) {
        const auto index = static_cast<size_t>(i);
        const int misses = index < miss.size() ? miss[index] : 0;
        const int triangles = index < triangle.size() ? triangle[index] : 0;
        const int n = std::min(misses, kFoldLast);
        const bool allTriangles = misses == triangles;
        if (type == 1 || allTriangles) {
            ++distribution[static_cast<size_t>(n)];
        }
        if (list[static_cast<size_t>(n)] && (type == 1 || allTriangles)) {
            lngSingle[static_cast<size_t>(kept++)] = lngSingle[index];
        }
    }
    lngSingle.resize(static_cast<size_t>(kept));
    lngCount = kept;
}

void clsTX1::CountDistribution(ConditionKind kind, int row, const ConditionGroup& group,
                               Histogram& histogram) const {
    histogram.fill(0);
    if (row < 0 || row >= group.Rows()) {
        return;
    }
    clsTMultiPattern pattern;
    pattern.SetValue(m_marks);
    std::array<int32_t, kSingleCount> singles{};
    const int32_t count = pattern.GetMulti(singles.data());
    const SplitCount feature(PrepareDeme(m_marks, m_vote, kind, row, group), kind);
    for (int32_t i = 0; i < count; ++i) {
        ++histogram[static_cast<size_t>(feature(singles[static_cast<size_t>(i)]))];
    }
}

} // namespace kestrel
