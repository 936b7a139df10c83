#include "platform/Clock.h"

#include <QDateTime>
#include <chrono>
#include <mutex>
#include <thread>

namespace kestrel {

namespace {

std::mutex g_clockMutex;
std::shared_ptr<Clock> g_clock;

} // namespace

int64_t SystemClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

DateTime SystemClock::Now() const {
    return DateTime::FromEpochMs(QDateTime::currentMSecsSinceEpoch());
}

void SystemClock::SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

DateTime FakeClock::Now() const { return m_now; }

void SetClock(std::shared_ptr<Clock> clock) {
    std::lock_guard lock(g_clockMutex);
    g_clock = std::move(clock);
}

std::shared_ptr<Clock> CurrentClock() {
    std::lock_guard lock(g_clockMutex);
    if (!g_clock) {
        g_clock = std::make_shared<SystemClock>();
    }
    return g_clock;
}

} // namespace kestrel
