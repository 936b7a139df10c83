#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "core/MarkTable.h"
#include "core/VoteRecord.h"
#include "engines/EngineSettings.h"
#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/RunControl.h"
#include "platform/clsTMsg.h"

namespace kestrel {

class clsTMsEngine1;
class clsTMsEngine2;
class clsTMsEngine3;
class clsTMsEngine4;

// The compression frame: runs the engine of the chosen method on the reduced list, optionally
// keeps a sample of the result (抽出), and counts the hit figures of the final list against the
// list it was given. EngineRun may run on a worker thread; EnginePause and EngineStop may be
// called from any thread while it runs.
class clsTMsEngine {
public:
    enum class EngineKind { None, Fast, Trial, Optimisation, Stronger };

    // Captions of the compression methods 0..7 and of the extraction types 0..3.
    static QString MethodCaption(int32_t msEngine);
    static QString ChushutsuCaption(int32_t chushutsuType);

    // Seeds the program's random source from the clock once (a seeded program keeps its seed).
    clsTMsEngine();
    ~clsTMsEngine();

    // Binds the message log and the host's run control; engines created later share them.
    void Initialize(clsTMsg* log, RunControl* control,
                    std::shared_ptr<Clock> clock = CurrentClock());
    // Vote status used by extraction from high, middle and low payouts.
    void SetVote(const VoteRecord& vote);

    // Runs one compression on lngSingle (replaced by the final list). lngTousen is emptied and,
    // when the list was compressed or sampled and both lists are non-empty, refilled with the six
    // hit figures. marks is the multi's mark table (used by the trial engine's extension).
    void EngineRun(std::vector<int32_t>& lngSingle, const EngineSettings& settings,
                   const MarkTable& marks, std::vector<int32_t>& lngTousen);

    bool Run() const { return m_run.load(); }
    EngineKind ActiveEngine() const;
    // Pause request of the running trial, optimisation or stronger engine; no effect otherwise.
    void EnginePause(bool paused);
    // Stop request to the running engine, whichever it is; no effect when none runs.
    void EngineStop();

private:
    void RunEngine(std::vector<int32_t>& lngSingle, const EngineSettings& settings,
                   const MarkTable& marks);
    void Extract(std::vector<int32_t>& lngSingle, const EngineSettings& settings);
    std::vector<size_t> ChooseByPayout(const std::vector<int32_t>& pool, int32_t k,
                                       int32_t type) const;
    template <class Engine> void SetActive(EngineKind kind, Engine* engine);

    clsTMsg* m_log = nullptr;
    RunControl* m_control = nullptr;
    std::shared_ptr<Clock> m_clock;
    VoteRecord m_vote;
    std::atomic<bool> m_run{false};
    mutable std::mutex m_activeMutex;
    EngineKind m_activeKind = EngineKind::None;
    clsTMsEngine1* m_fast = nullptr;
    clsTMsEngine2* m_trial = nullptr;
    clsTMsEngine3* m_optimiser = nullptr;
    clsTMsEngine4* m_stronger = nullptr;
    // A stop that arrived while the run had no engine yet reaches the engine when it starts.
    bool m_stopPending = false;
    ErrorReporter m_error{QStringLiteral("clsTMsEngine")};
};

} // namespace kestrel
