#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/Clock.h"
#include "platform/RunControl.h"
#include "platform/clsTMsg.h"

namespace kestrel {

// What an engine sees of its host: the message log it writes to, the host's run control (its
// stop and pause flags and progress callback), a clock for time limits and pause sleeps, and the
// engine's own stop and pause requests (set by the frame's EngineStop / EnginePause or by the
// engine itself). Every part may be absent; the flags are safe to set from another thread.
class EngineHost {
public:
    static constexpr int kPauseSleepMs = 500;

    void Bind(clsTMsg* log, RunControl* control, std::shared_ptr<Clock> clock);

    void Msg(const QString& text, bool blnEnd, bool blnTime) const;
    void Sp() const;
    void CompMsg(const QString& label, int64_t before, int64_t after, bool blnFinal) const;

    void SetProgressMax(int maximum);
    void SetProgress(int value) const;

    void RequestStop() { m_stop.store(true, std::memory_order_relaxed); }
    void SetPause(bool paused) { m_pause.store(paused, std::memory_order_relaxed); }
    bool StopRequested() const {
        return m_stop.load(std::memory_order_relaxed) ||
               (m_control != nullptr && m_control->stop.load(std::memory_order_relaxed));
    }
    bool PauseRequested() const {
        return m_pause.load(std::memory_order_relaxed) ||
               (m_control != nullptr && m_control->pause.load(std::memory_order_relaxed));
    }
    // Sleeps in 500 ms steps while paused; returns at once when a stop arrives.
    void WaitWhilePaused() const;
    // Threads sleeping in WaitWhilePaused right now (a pause is in effect once all are there).
    int PausedThreads() const { return m_waiting.load(std::memory_order_relaxed); }

    // The stopwatch of time limits: restarted by each engine run.
    void StartStopwatch();
    int64_t ElapsedMs() const;

private:
    clsTMsg* m_log = nullptr;
    RunControl* m_control = nullptr;
    std::shared_ptr<Clock> m_clock;
    int64_t m_originMs = 0;
    int m_progressMax = 100;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_pause{false};
    mutable std::atomic<int> m_waiting{0};
};

} // namespace kestrel
