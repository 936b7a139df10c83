#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace kestrel::cli {

// The command line's stop button. Install() makes Ctrl+C (SIGINT) and SIGTERM request a stop: the
// first one only sets a flag, which a watcher thread turns into a press of the stop button; a
// second one ends the program at once with status 130, saving nothing. It also ignores SIGXFSZ,
// so a write past the file-size limit fails and is reported like a full disk instead of killing
// the program.
//
// A StopWatcher presses (calls press once) when a signal has arrived or, with stopAfter >= 0,
// when stopAfter seconds have passed since it was created or last restarted.
class StopWatcher {
public:
    static constexpr int kInterruptedStatus = 130;

    static void Install();
    // True once SIGINT or SIGTERM has arrived.
    static bool Interrupted();

    StopWatcher(std::function<void()> press, double stopAfter);
    ~StopWatcher();
    StopWatcher(const StopWatcher&) = delete;
    StopWatcher& operator=(const StopWatcher&) = delete;

    // Starts the time limit anew and allows one more press (the next batch row).
    void Restart();

private:
    void Watch();

    std::function<void()> m_press;
    double m_stopAfter;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::chrono::steady_clock::time_point m_start;
    bool m_pressed = false;
    bool m_finished = false;
    std::thread m_thread;
};

} // namespace kestrel::cli
