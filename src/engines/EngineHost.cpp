#include "engines/EngineHost.h"

namespace kestrel {

void EngineHost::Bind(clsTMsg* log, RunControl* control, std::shared_ptr<Clock> clock) {
    m_log = log;
    m_control = control;
    m_clock = clock ? std::move(clock) : CurrentClock();
    m_originMs = m_clock->NowMs();
}

void EngineHost::Msg(const QString& text, bool blnEnd, bool blnTime) const {
    if (m_log != nullptr) {
        m_log->Msg(text, blnEnd, blnTime);
    }
}

void EngineHost::Sp() const {
    if (m_log != nullptr) {
        m_log->Sp();
    }
}

void EngineHost::CompMsg(const QString& label, int64_t before, int64_t after, bool blnFinal) const {
    if (m_log != nullptr) {
        m_log->CompMsg(label, before, after, blnFinal);
    }
}

void EngineHost::SetProgressMax(int maximum) {
    m_progressMax = maximum;
    if (m_log != nullptr) {
        m_log->SetMax(maximum);
    }
}

void EngineHost::SetProgress(int value) const {
    if (m_log != nullptr) {
        m_log->SetValue(value);
    }
    if (m_control != nullptr) {
        m_control->Progress(value, m_progressMax);
    }
}

void EngineHost::WaitWhilePaused() const {
    if (!PauseRequested()) {
        return;
    }
    m_waiting.fetch_add(1, std::memory_order_relaxed);
    while (PauseRequested() && !StopRequested()) {
        if (m_clock) {
            m_clock->SleepMs(kPauseSleepMs);
        }
    }
    m_waiting.fetch_sub(1, std::memory_order_relaxed);
}

void EngineHost::StartStopwatch() {
    if (!m_clock) {
        m_clock = CurrentClock();
    }
    m_originMs = m_clock->NowMs();
}

int64_t EngineHost::ElapsedMs() const {
    return m_clock ? m_clock->NowMs() - m_originMs : 0;
}

} // namespace kestrel
