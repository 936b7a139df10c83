#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/VoteSnapshot.h"
#include "net/AcquisitionContext.h"
#include "platform/Clock.h"

namespace kestrel {

struct VoteWatchOptions {
    static constexpr int kDefaultEveryMinutes = 10;
    static constexpr int kMinEveryMinutes = 5;
    // Fetches after the sale end that may still show interim figures before the watch gives up.
    static constexpr int kFetchesAfterClose = 3;

    int32_t Round = 0;
    QString Group;
    int EveryMinutes = kDefaultEveryMinutes; // raised to kMinEveryMinutes
    bool UntilClose = true; // also end once the sale is over (else only on final figures or stop)
};

// The vote-status watch during the sale: fetches the round's interim vote status from the
// operator's page every N minutes, one request at a time with a user agent that says what it
// is, and appends each snapshot to the round's history file. A failed fetch keeps the history
// and is tried again at the next turn. It ends when the final figures have been kept, when the
// sale is over (after the final figures, or kFetchesAfterClose fetches past the sale end), or
// when the stop flag is set. Time comes from the injectable clock, so tests run it at fixed
// clock times; Run blocks, so the window runs it on a worker thread.
class VoteWatch {
public:
    enum class End { Final, SaleEnd, Stopped, StoreFailed };
    enum class Fetch { Stored, Failed, StoreFailed };

    static const QString kUserAgent;

    VoteWatch(AcquisitionContext context, std::shared_ptr<Clock> clock);

    // Report lines (a fetch, a failure, the end), in the program's own words.
    void SetLineSink(std::function<void(const QString&)> sink) { m_lines = std::move(sink); }
    // Called before each fetch, with its clock time.
    void SetFetchSink(std::function<void(const DateTime&)> sink) { m_fetch = std::move(sink); }
    // Called with each snapshot kept.
    void SetSnapshotSink(std::function<void(const VoteSnapshot&)> sink) {
        m_snapshot = std::move(sink);
    }

    // One fetch, kept in the history when it worked.
    Fetch FetchOnce(const VoteWatchOptions& options, VoteSnapshot& snapshot);
    End Run(const VoteWatchOptions& options, const std::atomic<bool>& stop);

    static int EveryMinutes(int requested);

private:
    void Line(const QString& text) const;
    // Waits until the monotonic clock reaches untilMs; false when stopped first.
    bool Wait(int64_t untilMs, const std::atomic<bool>& stop) const;

    AcquisitionContext m_context;
    std::shared_ptr<Clock> m_clock;
    std::function<void(const QString&)> m_lines;
    std::function<void(const DateTime&)> m_fetch;
    std::function<void(const VoteSnapshot&)> m_snapshot;
};

} // namespace kestrel
