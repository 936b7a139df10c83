#include "engines/SetSystem.h"

#include <algorithm>
#include <array>

#include "core/LotteryConstants.h"
#include "engines/CoverageCache.h"
#include "engines/SymbolGroup.h"

namespace kestrel {

SetSystem SetSystem::FromCache(const CoverageCache& cache, const std::vector<int32_t>& targets) {
    std::array<int32_t, kSingleCount> element{};
    for (size_t i = 0; i < targets.size(); ++i) {
        element[targets[i]] = static_cast<int32_t>(i);
    }
    SetSystem system;
    const int32_t count = cache.CandidateCount();
    system.m_members.resize(static_cast<size_t>(count));
    system.m_setOf.resize(static_cast<size_t>(count));
    for (int32_t j = 0; j < count; ++j) {
        const uint16_t* run = cache.RunBegin(j);
        for (int32_t i = 0; i < cache.RunLength(j); ++i) {
            system.m_setFlat.push_back(static_cast<uint16_t>(element[run[i]]));
        }
        system.m_setStart.push_back(static_cast<int32_t>(system.m_setFlat.size()));
        system.m_members[j] = j;
        system.m_setOf[j] = j;
        system.m_memberStart.push_back(j + 1);
    }
    system.m_elementWeight.assign(targets.size(), 1);
    system.Invert(static_cast<int32_t>(targets.size()));
    return system;
}

SetSystem SetSystem::FromGroup(const CoverageCache& cache, const std::vector<int32_t>& targets,
                               const SymbolGroup& group, bool pinSmall) {
    SetSystem system;
    const auto candidateOrbits = group.Orbits(cache.Candidates());
    for (const auto& orbit : candidateOrbits) {
        system.m_memberCount = std::max(system.m_memberCount, static_cast<int32_t>(orbit.size()));
    }
    const auto pinned = [&](const std::vector<int32_t>& orbit) {
        return pinSmall && static_cast<int32_t>(orbit.size()) < system.m_memberCount;
    };
    // Targets the pinned orbits cover need no set.
    std::array<bool, kSingleCount> done{};
    for (const auto& orbit : candidateOrbits) {
        if (pinned(orbit)) {
            for (const int32_t x : orbit) {
                const int32_t position = cache.PositionOf(x);
                system.m_pinned.push_back(position);
                const uint16_t* run = cache.RunBegin(position);
                for (int32_t i = 0; i < cache.RunLength(position); ++i) {
                    done[run[i]] = true;
                }
            }
        }
    }
    std::array<int32_t, kSingleCount> orbitOf{};
    orbitOf.fill(-1);
    int32_t elementCount = 0;
    for (const auto& orbit : group.Orbits(targets)) {
        if (!done[orbit.front()]) {
            for (const int32_t x : orbit) {
                orbitOf[x] = elementCount;
            }
            system.m_elementWeight.push_back(static_cast<int32_t>(orbit.size()));
            ++elementCount;
        }
    }
    system.m_setOf.assign(static_cast<size_t>(cache.CandidateCount()), -1);
    std::vector<int32_t> stamp(static_cast<size_t>(elementCount), -1);
    for (const auto& orbit : candidateOrbits) {
        if (pinned(orbit)) {
            continue;
        }
        const int32_t s = system.SetCount();
        for (const int32_t x : orbit) {
            const int32_t position = cache.PositionOf(x);
            system.m_members.push_back(position);
            system.m_setOf[position] = s;
        }
        system.m_memberStart.push_back(static_cast<int32_t>(system.m_members.size()));
        // By symmetry the target orbits one member covers are those the whole orbit covers.
        const int32_t j = cache.PositionOf(orbit.front());
        const uint16_t* run = cache.RunBegin(j);
        for (int32_t i = 0; i < cache.RunLength(j); ++i) {
            const int32_t e = orbitOf[run[i]];
            if (e >= 0 && stamp[e] != s) {
                stamp[e] = s;
                system.m_setFlat.push_back(static_cast<uint16_t>(e));
            }
        }
        system.m_setStart.push_back(static_cast<int32_t>(system.m_setFlat.size()));
    }
    system.Invert(elementCount);
    return system;
}

void SetSystem::Invert(int32_t elementCount) {
    std::vector<int32_t> sizes(static_cast<size_t>(elementCount) + 1, 0);
    for (const uint16_t e : m_setFlat) {
        ++sizes[e + 1];
    }
    m_elementStart.assign(static_cast<size_t>(elementCount) + 1, 0);
    for (int32_t e = 0; e < elementCount; ++e) {
        m_elementStart[e + 1] = m_elementStart[e] + sizes[e + 1];
    }
    m_elementFlat.resize(m_setFlat.size());
    std::vector<int32_t> fill(m_elementStart.begin(), m_elementStart.end() - 1);
    for (int32_t s = 0; s < SetCount(); ++s) {
        for (const uint16_t* e = SetBegin(s); e != SetEnd(s); ++e) {
            m_elementFlat[fill[*e]++] = static_cast<uint16_t>(s);
        }
    }
}

} // namespace kestrel
