#include "cli/StopWatcher.h"

#include <csignal>
#include <unistd.h>

namespace kestrel::cli {

namespace {

// Lock-free, so the handler may touch it and the watcher thread may read it.
std::atomic<int> g_signals{0};
static_assert(std::atomic<int>::is_always_lock_free);

// Async-signal-safe: a counter and, on the second signal, _exit.
extern "C" void OnStopSignal(int) {
    if (g_signals.fetch_add(1) > 0) {
        _exit(StopWatcher::kInterruptedStatus);
    }
}

constexpr auto kPollStep = std::chrono::milliseconds(20);

} // namespace

void StopWatcher::Install() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGXFSZ, SIG_IGN);
}

bool StopWatcher::Interrupted() {
    return g_signals.load() > 0;
}

StopWatcher::StopWatcher(std::function<void()> press, double stopAfter)
    : m_press(std::move(press)), m_stopAfter(stopAfter), m_start(std::chrono::steady_clock::now()),
      m_thread([this] { Watch(); }) {}

StopWatcher::~StopWatcher() {
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void StopWatcher::Restart() {
    std::lock_guard lock(m_mutex);
    m_start = std::chrono::steady_clock::now();
    m_pressed = false;
}

// Polls in short steps: a signal handler may only set a flag, so nothing can wake this thread.
void StopWatcher::Watch() {
    std::unique_lock lock(m_mutex);
    while (!m_finished) {
        const auto elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start);
        const bool due = Interrupted() || (m_stopAfter >= 0 && elapsed.count() >= m_stopAfter);
        if (due && !m_pressed) {
            m_pressed = true;
            m_press();
        }
        m_wake.wait_for(lock, kPollStep);
    }
}

} // namespace kestrel::cli
