#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrel {

class CoverageCache;
class SymbolGroup;

// A covering problem in flat arrays: sets 0..S-1 and elements 0..E-1, with the elements of every
// set and the sets holding every element, each as one run of a flat array. Every set stands for
// some candidate positions (its members): one for the plain problem, a whole orbit of a symbol
// group for the problem over orbits.
class SetSystem {
public:
    // Sets = the cache's candidates, elements = the targets (distinct singles).
    static SetSystem FromCache(const CoverageCache& cache, const std::vector<int32_t>& targets);
    // Sets = the orbits of the candidates under the group, elements = the orbits of the
    // targets; an orbit of candidates holds an orbit of targets when one of its singles covers
    // one of them. The group must leave both lists unchanged. With `pinSmall` the orbits smaller
    // than the largest are pinned: they are no sets, the target orbits they cover no elements,
    // and every set has MemberCount() members (for searches that choose a count of sets).
    static SetSystem FromGroup(const CoverageCache& cache, const std::vector<int32_t>& targets,
                               const SymbolGroup& group, bool pinSmall);

    int32_t SetCount() const { return static_cast<int32_t>(m_setStart.size()) - 1; }
    int32_t ElementCount() const { return static_cast<int32_t>(m_elementStart.size()) - 1; }
    const uint16_t* SetBegin(int32_t s) const { return m_setFlat.data() + m_setStart[s]; }
    const uint16_t* SetEnd(int32_t s) const { return m_setFlat.data() + m_setStart[s + 1]; }
    const uint16_t* ElementBegin(int32_t e) const {
        return m_elementFlat.data() + m_elementStart[e];
    }
    const uint16_t* ElementEnd(int32_t e) const {
        return m_elementFlat.data() + m_elementStart[e + 1];
    }
    // Candidate positions of the largest set.
    int32_t MemberCount() const { return m_memberCount; }
    const int32_t* Members(int32_t s) const { return m_members.data() + m_memberStart[s]; }
    int32_t MemberSize(int32_t s) const { return m_memberStart[s + 1] - m_memberStart[s]; }
    // The set a candidate position belongs to; -1 for a pinned one.
    int32_t SetOf(int32_t position) const { return m_setOf[position]; }
    // Candidate positions of the pinned orbits, which every covering of this problem holds.
    const std::vector<int32_t>& Pinned() const { return m_pinned; }
    int32_t PinnedCount() const { return static_cast<int32_t>(m_pinned.size()); }
    // Per element, the number of targets it stands for.
    int32_t ElementWeight(int32_t e) const { return m_elementWeight[e]; }

private:
    // Builds the element runs from the set runs.
    void Invert(int32_t elementCount);

    std::vector<uint16_t> m_setFlat;
    std::vector<int32_t> m_setStart{0};
    std::vector<uint16_t> m_elementFlat;
    std::vector<int32_t> m_elementStart{0};
    std::vector<int32_t> m_members;
    std::vector<int32_t> m_memberStart{0};
    std::vector<int32_t> m_pinned;
    std::vector<int32_t> m_elementWeight;
    std::vector<int32_t> m_setOf;
    int32_t m_memberCount = 1;
};

} // namespace kestrel
