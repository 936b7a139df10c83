#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrel {

class CoverageCache;
class SymbolMap;

// A covering problem in flat arrays: sets 0..S-1 and elements 0..E-1, with the elements of every
// set and the sets holding every element, each as one run of a flat array. Every set stands for
// the same number of candidate positions (its members): one for the plain problem, a whole orbit
// of a symbol map for the problem over orbits.
class SetSystem {
public:
    // Sets = the cache's candidates, elements = the targets (distinct singles).
    static SetSystem FromCache(const CoverageCache& cache, const std::vector<int32_t>& targets);
    // Sets = the orbits of the candidates under the map, elements = the orbits of the targets;
    // an orbit of candidates holds an orbit of targets when one of its singles covers one of
    // them. The map must leave both lists unchanged and move them freely.
    static SetSystem FromOrbits(const CoverageCache& cache, const std::vector<int32_t>& targets,
                                const SymbolMap& map);

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
    // Candidate positions per set.
    int32_t MemberCount() const { return m_memberCount; }
    const int32_t* Members(int32_t s) const {
        return &m_members[static_cast<size_t>(s) * m_memberCount];
    }
    // The set a candidate position belongs to.
    int32_t SetOf(int32_t position) const { return m_setOf[position]; }

private:
    // Builds the element runs from the set runs.
    void Invert(int32_t elementCount);

    std::vector<uint16_t> m_setFlat;
    std::vector<int32_t> m_setStart{0};
    std::vector<uint16_t> m_elementFlat;
    std::vector<int32_t> m_elementStart{0};
    std::vector<int32_t> m_members;
    std::vector<int32_t> m_setOf;
    int32_t m_memberCount = 1;
};

} // namespace kestrel
