#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstdint>
#include <random>
#include <thread>
#include <vector>

#include "core/MarkTable.h"
#include "core/clsTMultiPattern.h"
#include "core/clsTNumber.h"
#include "platform/Clock.h"
#include "platform/clsTMsg.h"

namespace kestrel::test {

// Targets that lie farther than `radius` slots from every single of `chosen`.
inline std::vector<int32_t> Uncovered(const std::vector<int32_t>& targets,
                                      const std::vector<int32_t>& chosen, int radius) {
    std::vector<int32_t> out;
    for (const int32_t t : targets) {
        bool covered = false;
        for (const int32_t c : chosen) {
            if (clsTNumber::Distance(t, c) <= radius) {
                covered = true;
                break;
            }
        }
        if (!covered) {
            out.push_back(t);
        }
    }
    return out;
}

// n distinct singles drawn with a fixed seed, in draw order.
inline std::vector<int32_t> RandomList(int n, uint32_t seed) {
    std::mt19937 gen(seed);
    std::vector<int32_t> all(4096);
    for (int i = 0; i < 4096; ++i) {
        all[i] = i;
    }
    std::shuffle(all.begin(), all.end(), gen);
    all.resize(static_cast<size_t>(n));
    return all;
}

// A reduced list: about 60 % of a random multi with two or three classes per slot, in order.
inline std::vector<int32_t> RandomReducedList(uint32_t seed);

// A mark table with the given goal classes marked per slot (bit c of mask[t] marks class c).
inline MarkTable Marks(const std::array<int, 6>& mask) {
    MarkTable m{};
    for (int t = 0; t < 6; ++t) {
        for (int c = 0; c < 4; ++c) {
            m[c][t] = (mask[t] >> c) & 1;
        }
    }
    return m;
}

inline std::vector<int32_t> Expand(const MarkTable& marks) {
    clsTMultiPattern pattern;
    pattern.SetValue(marks);
    std::vector<int32_t> list(4096);
    list.resize(static_cast<size_t>(pattern.GetMulti(list.data())));
    return list;
}

inline std::vector<int32_t> RandomReducedList(uint32_t seed) {
    std::mt19937 gen(seed);
    std::array<int, 6> mask{};
    for (auto& m : mask) {
        do {
            m = static_cast<int>(gen() % 16);
        } while (std::popcount(static_cast<unsigned>(m)) < 2);
    }
    std::vector<int32_t> out;
    for (const int32_t s : Expand(Marks(mask))) {
        if (gen() % 10 < 6) {
            out.push_back(s);
        }
    }
    return out;
}

// 81 singles: classes 0..2 in slots 1..4, class 0 in slots 5 and 6. The smallest grade-2
// covering has 9 singles (a perfect code), so size 8 can never be confirmed.
inline MarkTable Ternary4Marks() {
    return Marks({7, 7, 7, 7, 1, 1});
}

inline bool HasLineContaining(const clsTMsg& log, const QString& text) {
    for (const QString& line : log.Lines()) {
        if (line.contains(text)) {
            return true;
        }
    }
    return false;
}

// Polls (with short real sleeps) until the condition holds or a few seconds pass.
template <class Condition> bool WaitFor(Condition condition, int timeoutMs = 10000) {
    for (int waited = 0; waited < timeoutMs; waited += 2) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return condition();
}

// A clock that moves forward by a fixed step every time it is read, so time limits pass after a
// known number of readings without any real waiting.
class SteppingClock : public Clock {
public:
    explicit SteppingClock(int64_t stepMs) : m_stepMs(stepMs) {}
    int64_t NowMs() const override { return m_ms.fetch_add(m_stepMs) + m_stepMs; }
    DateTime Now() const override { return DateTime(); }
    void SleepMs(int ms) override { m_ms += ms; }

private:
    int64_t m_stepMs;
    mutable std::atomic<int64_t> m_ms{0};
};

} // namespace kestrel::test
