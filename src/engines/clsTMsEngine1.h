#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/LotteryConstants.h"
#include "engines/EngineHost.h"

namespace kestrel {

// The fast search engine (高速検索エンジン): one greedy pass that picks, in input order, the
// candidate whose guarantee ball holds the most uncovered singles, until every input single lies
// within the grade's distance of a chosen one. Scores are kept up to date incrementally: when a
// single becomes covered, every single whose ball holds it loses one point, so a score read is a
// table lookup and a rescan is one pass over the candidates.
class clsTMsEngine1 {
public:
    void Initialize(clsTMsg* log, RunControl* control,
                    std::shared_ptr<Clock> clock = CurrentClock());
    // Runs to completion or until stopped; grade 2 or 3.
    void EngineStart(const std::vector<int32_t>& lngSingle, int grade);
    int32_t SingleCount() const { return static_cast<int32_t>(m_output.size()); }
    const std::vector<int32_t>& SingleData() const { return m_output; }
    void EngineStop() { m_host.RequestStop(); }

private:
    static constexpr int kNoChoice = -1;

    void Reset(const std::vector<int32_t>& lngSingle, int grade);
    int32_t ChooseNext();
    int32_t FirstPhase();
    int32_t SecondPhase();
    bool Rescan();
    void Cover(int32_t chosen);
    void DropCovered();

    EngineHost m_host;
    int m_radius = 1;
    int m_ballSize = 19;
    std::vector<int32_t> m_candidates;
    std::vector<int32_t> m_ties;
    size_t m_tiePos = 0;
    int m_bestScore = 0;
    bool m_firstPhase = true;
    std::vector<int32_t> m_output;
    std::array<int32_t, kSingleCount> m_coverage{};
    std::array<int32_t, kSingleCount> m_score{};
    std::array<bool, kSingleCount> m_fullBall{};
};

} // namespace kestrel
