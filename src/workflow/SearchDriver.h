#pragma once

#include <atomic>
#include <memory>

#include "engines/clsTMsEngine.h"
#include "platform/Clock.h"
#include "platform/RunControl.h"
#include "workflow/WorkingDocument.h"
#include "reduction/clsTX.h"

namespace kestrel {

// What the search button does, without a window: the reduction of the document's multi by its
// conditions, the compression of the survivors, and the result put back into the document. The
// window and the command-line tool both run searches through this class.
//
// Search may run on a worker thread. Stop and Pause may be called from any thread while it runs
// (they also react to the RunControl's own flags); the document must not be touched meanwhile.
// The window's panels and log bind to Reduction() (log, count panel, summary panel).
class SearchDriver {
public:
    // Captions of the search button.
    static const QString kCaptionStart;  // "検索開始"
    static const QString kCaptionPause;  // "一時停止"
    static const QString kCaptionResume; // "検索再開"
    // What the close check shows while a search runs.
    static const QString kBusyText; // "現在検索処理を実行中です。検索処理を終了させて下さい。"

    explicit SearchDriver(std::shared_ptr<Clock> clock = CurrentClock());

    // One search on the document, in the search button's order: vote status to the reduction,
    // clear the panels, reduce, compress (a non-empty result sorted ascending), single frame,
    // count panel, compressed count and frame, summary panel, closing report lines. The report
    // lines end up in the document. False (nothing done) when a search is already running.
    bool Search(WorkingDocument& doc, RunControl& control);

    // True while the reduction or the compression runs.
    bool Running() const { return m_tx.Run() || m_frame.Run() || m_busy.load(); }
    // The stop button: cancels the reduction and stops the engine.
    void Stop();
    // The search button during a run of methods 2, 4 and 5: pause or resume the engine.
    void Pause(bool paused);
    // Methods whose search button pauses and resumes (trial and optimisation engines).
    static bool Pausable(int32_t msEngine);

    clsTX& Reduction() { return m_tx; }
    clsTMsEngine& Frame() { return m_frame; }

private:
    std::shared_ptr<Clock> m_clock;
    clsTX m_tx;
    clsTMsEngine m_frame;
    std::atomic<bool> m_busy{false};
};

} // namespace kestrel
