#include "results/clsTSingleSort.h"

#include <algorithm>
#include <functional>

#include "core/VoteOrder.h"
#include "core/clsTNumber.h"

namespace kestrel {

namespace {

constexpr int kKeyCount = kSlotCount + 1; // keys 0..6

bool Valid(int32_t no) {
    return no >= 0 && no < kSingleCount;
}

} // namespace

clsTSingleSort::clsTSingleSort() {
    m_rank = BuildNinkiTable(m_vote);
}

void clsTSingleSort::SetVote(const VoteRecord& vote) {
    m_vote = vote;
    m_money.SetVote(vote);
    m_rank = BuildNinkiTable(vote);
}

NinkiTable clsTSingleSort::BuildNinkiTable(const VoteRecord& vote) {
    NinkiTable rank{};
    for (int t = 0; t < kSlotCount; ++t) {
        const std::array<int, kGoalClassCount> order = VoteOrder::Ascending(vote.Slots[t]);
        for (int p = 0; p < kGoalClassCount; ++p) {
            rank[t][order[p]] = static_cast<uint8_t>(kGoalClassCount - 1 - p);
        }
    }
    return rank;
}

Money clsTSingleSort::MoneyKey(int32_t lngNo, int k) const {
    if (!Valid(lngNo)) {
        return {};
    }
    switch (k) {
    case 0:
        return m_money.GetMoney1No(lngNo);
    case 1:
        return m_money.GetMoney2No(lngNo);
    case 2:
        return m_money.GetMoney3No(lngNo);
    default:
        return {};
    }
}

int clsTSingleSort::MarkKey(int32_t lngNo, int k) {
    if (!Valid(lngNo)) {
        return 0;
    }
    int n = 0;
    for (int t = 0; t < kSlotCount; ++t) {
        n += clsTNumber::Digit(lngNo, t) == k ? 1 : 0;
    }
    return n;
}

int clsTSingleSort::NinkiKey(int32_t lngNo, int k) const {
    if (!Valid(lngNo)) {
        return 0;
    }
    int n = 0;
    for (int t = 0; t < kSlotCount; ++t) {
        n += m_rank[t][clsTNumber::Digit(lngNo, t)] == k ? 1 : 0;
    }
    return n;
}

void clsTSingleSort::ExpectedSort(std::vector<int32_t>& lngSingle, const ExpectedValue& expected,
                                  bool blnAscending) {
    auto key = [&expected](int32_t no) {
        return (no >= 0 && no < kSingleCount) ? expected.SingleExpected(no) : 0.0;
    };
    std::stable_sort(lngSingle.begin(), lngSingle.end(), [&](int32_t a, int32_t b) {
        return blnAscending ? key(a) < key(b) : key(a) > key(b);
    });
}

void clsTSingleSort::MoneySort(std::vector<int32_t>& lngSingle, int k, bool blnAscending) const {
    if (lngSingle.size() < 2) {
        return;
    }
    // A list holds at most 4096 distinct singles, however long it is: estimate each once, order
    // the distinct estimates, then place the list by the rank of its estimate (stable, linear).
    std::array<bool, kSingleCount> present{};
    bool invalid = false;
    for (int32_t no : lngSingle) {
        if (Valid(no)) {
            present[no] = true;
        } else {
            invalid = true;
        }
    }
    std::array<int64_t, kSingleCount> estimate{};
    std::vector<int64_t> keys;
    keys.reserve(kSingleCount + 1);
    for (int32_t no = 0; no < kSingleCount; ++no) {
        if (present[no]) {
            estimate[no] = MoneyKey(no, k).Raw();
            keys.push_back(estimate[no]);
        }
    }
    if (invalid) {
        keys.push_back(0);
    }
    if (blnAscending) {
        std::sort(keys.begin(), keys.end());
    } else {
        std::sort(keys.begin(), keys.end(), std::greater<int64_t>());
    }
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    auto rankOf = [&keys, blnAscending](int64_t key) {
        const auto it =
            blnAscending ? std::lower_bound(keys.begin(), keys.end(), key)
                         : std::lower_bound(keys.begin(), keys.end(), key, std::greater<int64_t>());
        return static_cast<uint16_t>(it - keys.begin());
    };
    std::array<uint16_t, kSingleCount> rank{};
    for (int32_t no = 0; no < kSingleCount; ++no) {
        if (present[no]) {
            rank[no] = rankOf(estimate[no]);
        }
    }
    const uint16_t invalidRank = invalid ? rankOf(0) : 0;
    std::vector<size_t> next(keys.size() + 1, 0);
    for (int32_t no : lngSingle) {
        ++next[(Valid(no) ? rank[no] : invalidRank) + 1];
    }
    for (size_t r = 1; r < next.size(); ++r) {
        next[r] += next[r - 1];
    }
    std::vector<int32_t> sorted(lngSingle.size());
    for (int32_t no : lngSingle) {
        sorted[next[Valid(no) ? rank[no] : invalidRank]++] = no;
    }
    lngSingle.swap(sorted);
}

void clsTSingleSort::MarkSort(std::vector<int32_t>& lngSingle, int k, bool blnAscending) const {
    if (lngSingle.size() < 2) {
        return;
    }
    std::array<uint8_t, kSingleCount> key{};
    for (int32_t no = 0; no < kSingleCount; ++no) {
        key[no] = static_cast<uint8_t>(MarkKey(no, k));
    }
    SortBySmallKey(lngSingle, key, blnAscending);
}

void clsTSingleSort::NinkiSort(std::vector<int32_t>& lngSingle, int k, bool blnAscending) const {
    if (lngSingle.size() < 2) {
        return;
    }
    std::array<uint8_t, kSingleCount> key{};
    for (int32_t no = 0; no < kSingleCount; ++no) {
        key[no] = static_cast<uint8_t>(NinkiKey(no, k));
    }
    SortBySmallKey(lngSingle, key, blnAscending);
}

void clsTSingleSort::GradeSort(std::vector<int32_t>& lngSingle,
                               const std::vector<uint8_t>& bytGrade, bool blnAscending) {
    if (lngSingle.size() != bytGrade.size() || lngSingle.size() < 2) {
        return;
    }
    constexpr int kGrades = 8; // grades 1..7, index 0 unused
    std::array<size_t, kGrades> size{};
    for (uint8_t g : bytGrade) {
        ++size[std::min<int>(g, kGrades - 1)];
    }
    std::array<size_t, kGrades> next{};
    size_t pos = 0;
    for (int i = 0; i < kGrades; ++i) {
        const int g = blnAscending ? i : kGrades - 1 - i;
        next[g] = pos;
        pos += size[g];
    }
    std::vector<int32_t> sorted(lngSingle.size());
    for (size_t i = 0; i < lngSingle.size(); ++i) {
        sorted[next[std::min<int>(bytGrade[i], kGrades - 1)]++] = lngSingle[i];
    }
    lngSingle.swap(sorted);
}

void clsTSingleSort::SortBySmallKey(std::vector<int32_t>& list,
                                    const std::array<uint8_t, kSingleCount>& key, bool ascending) {
    auto keyOf = [&key](int32_t no) { return Valid(no) ? key[no] : 0; };
    std::array<size_t, kKeyCount> size{};
    for (int32_t no : list) {
        ++size[keyOf(no)];
    }
    std::array<size_t, kKeyCount> next{};
    size_t pos = 0;
    for (int i = 0; i < kKeyCount; ++i) {
        const int k = ascending ? i : kKeyCount - 1 - i;
        next[k] = pos;
        pos += size[k];
    }
    std::vector<int32_t> sorted(list.size());
    for (int32_t no : list) {
        sorted[next[keyOf(no)]++] = no;
    }
    list.swap(sorted);
}

} // namespace kestrel
