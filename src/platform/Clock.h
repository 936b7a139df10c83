#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/DateTime.h"

namespace kestrel {

// Injectable time source: a monotonic millisecond counter for stopwatches and time limits, and
// the local date-time for countdowns and reports.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t NowMs() const = 0;
    virtual DateTime Now() const = 0;
    // Sleeps (a fake clock advances instead).
    virtual void SleepMs(int ms) = 0;
};

class SystemClock : public Clock {
public:
    int64_t NowMs() const override;
    DateTime Now() const override;
    void SleepMs(int ms) override;
};

// A clock that moves only when told to; SleepMs advances it.
class FakeClock : public Clock {
public:
    int64_t NowMs() const override { return m_ms.load(); }
    DateTime Now() const override;
    void SleepMs(int ms) override { m_ms += ms; }
    void Advance(int64_t ms) { m_ms += ms; }
    void SetNow(DateTime now) { m_now = now; }

private:
    std::atomic<int64_t> m_ms{0};
    DateTime m_now;
};

// Process-wide clock; defaults to the system clock.
void SetClock(std::shared_ptr<Clock> clock);
std::shared_ptr<Clock> CurrentClock();

} // namespace kestrel
