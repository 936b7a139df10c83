#include "core/clsTDeme.h"

#include <algorithm>

#include "core/VoteOrder.h"

namespace kestrel {

clsTDeme::clsTDeme() {
    for (auto& row : m_markIndex) {
        row.fill(kNotCounted);
    }
    // m_rank stays all 0: without a vote status every class counts as the most voted.
    for (ByteTable* table : {&m_honmei, &m_ninki, &m_mark}) {
        for (auto& row : *table) {
            row.fill(kNotCounted);
        }
    }
}

void clsTDeme::SetMulti(const MarkTable& marks) {
    for (int c = 0; c < kGoalClassCount; ++c) {
        for (int t = 0; t < kSlotCount; ++t) {
            const int32_t code = marks[c][t];
            m_markIndex[c][t] =
                (code >= 1 && code <= 6) ? static_cast<uint8_t>(code - 1) : kNotCounted;
        }
    }
}

void clsTDeme::SetVote(const VoteRecord& vote) {
    if (vote.Kaisaikai == 0) {
        return;
    }
    for (int t = 0; t < kSlotCount; ++t) {
        const auto order = VoteOrder::Ascending(vote.Slots[t]);
        for (int k = 0; k < kGoalClassCount; ++k) {
            m_rank[order[k]][t] = static_cast<uint8_t>(kGoalClassCount - 1 - k);
        }
    }
}

void clsTDeme::SetGameFlg(const std::array<bool, kSlotCount>& blnFlg) {
    for (int c = 0; c < kGoalClassCount; ++c) {
        for (int t = 0; t < kSlotCount; ++t) {
            if (blnFlg[t]) {
                m_honmei[c][t] = m_markIndex[c][t];
                m_ninki[c][t] = m_rank[c][t];
                m_mark[c][t] = static_cast<uint8_t>(c);
            } else {
                m_honmei[c][t] = kNotCounted;
                m_ninki[c][t] = kNotCounted;
                m_mark[c][t] = kNotCounted;
            }
        }
    }
    BuildHits();
}

void clsTDeme::SetMarkFlg(const std::array<bool, kGoalClassCount>& blnFlg) {
    for (int c = 0; c < kGoalClassCount; ++c) {
        if (blnFlg[c]) {
            continue;
        }
        for (int t = 0; t < kSlotCount; ++t) {
            m_honmei[c][t] = kNotCounted;
            m_ninki[c][t] = kNotCounted;
            m_mark[c][t] = kNotCounted;
        }
    }
    BuildHits();
}

void clsTDeme::SetPlusFlg(std::span<const bool> blnFlg) {
    const size_t n = std::min<size_t>(blnFlg.size(), kPlusSize - 1);
    for (size_t i = 0; i < n; ++i) {
        m_plus[i] = blnFlg[i];
    }
    m_plus[kNotCounted] = false;
    BuildHits();
}

// The getters read one precomputed table per kind: whether class c of slot t counts.
void clsTDeme::BuildHits() {
    for (int t = 0; t < kSlotCount; ++t) {
        for (int c = 0; c < kGoalClassCount; ++c) {
            const int k = t * kGoalClassCount + c;
            m_hitHonmei[k] = m_plus[m_honmei[c][t]] ? 1 : 0;
            m_hitNinki[k] = m_plus[m_ninki[c][t]] ? 1 : 0;
            m_hitMark[k] = m_plus[m_mark[c][t]] ? 1 : 0;
        }
    }
}

} // namespace kestrel
