#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "platform/Clock.h"

namespace kestrel {

// The message log of a search: report lines, a stopwatch started by Cls, and a progress value
// with its maximum. Views observe it; observers are called on the writer's thread, so a window
// forwards them to its own thread through a queued signal. Thread-safe.
class clsTMsg {
public:
    enum class Change { Lines, Progress };

    explicit clsTMsg(std::shared_ptr<Clock> clock = CurrentClock());

    // Empties the list and restarts the stopwatch.
    void Cls();
    // Appends the text (with the "0000 " seconds prefix when blnTime) to the last line, starting
    // the first line when the list is empty; blnEnd then starts a new empty line.
    void Msg(const QString& text, bool blnEnd, bool blnTime);
    // 55 "-" characters, ending the line, without time.
    void Sp();
    // One step line in two halves: the label padded and cut to 22 Shift_JIS columns, ":", the
    // count before in 7 characters and " → " (blnFinal false, with time); then the count after
    // in 7 characters and " (" share "%)" (blnFinal true, ending the line).
    void CompMsg(const QString& label, int64_t before, int64_t after, bool blnFinal);
    // "0000 ": whole seconds since the last Cls, at least four digits, and a blank.
    QString TimePrefix() const;

    void SetValue(int value);
    void SetMax(int maximum);
    int Value() const;
    int Max() const;

    QStringList Lines() const;
    // The lines joined with CR LF (as stored in documents).
    QString Text() const;

    // Observer called after every change.
    void SetObserver(std::function<void(Change)> observer);

    // Pads with blanks and cuts to the given Shift_JIS column count; a full-width character that
    // would straddle the cut is replaced by a blank.
    static QString PadToColumns(const QString& text, int columns);

private:
    void Notify(Change change);

    std::shared_ptr<Clock> m_clock;
    mutable std::mutex m_mutex;
    QStringList m_lines;
    int64_t m_startMs = 0;
    int m_value = 0;
    int m_max = 100;
    std::function<void(Change)> m_observer;
};

} // namespace kestrel
