#pragma once

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "core/PlayerOdds.h"
#include "core/VoteSnapshot.h"
#include "core/clsTMeisai.h"
#include "net/AcquisitionContext.h"
#include "platform/Clock.h"
#include "platform/ProgramPaths.h"
#include "workflow/WorkingDocument.h"

namespace kestrel {

class VoteHistoryWindow;

// The player's odds, the expected-value figures and the vote-status watch of the main window:
// the ツール entries "わたしの予想確率...", "投票状況を自動更新" and "投票状況の推移...", the
// "期待値" line of the summary panel (refreshed with the list panels), the dialog, and the watch
// on a worker thread that keeps the round's vote history while the sale runs.
class ExpectationCommands : public QObject {
    Q_OBJECT
public:
    using ModalRunner = std::function<int(QDialog&)>;

    static const QString kOddsCaption;  // "わたしの予想確率..."
    static const QString kWatchCaption; // "投票状況を自動更新"
    static const QString kChartCaption; // "投票状況の推移..."

    ExpectationCommands(WorkingDocument& doc, clsTMeisai& meisai, ProgramPaths paths,
                        AcquisitionContext acquisition, std::shared_ptr<Clock> clock,
                        ModalRunner modal, QWidget* window);
    ~ExpectationCommands() override;

    void AddToolEntries(QMenu* tools);
    // After the list panels refresh: the round's stored odds for a document without any, the
    // summary panel's expected return, the chart when it is open.
    void Refresh();

    void OddsCommand();
    // New odds for the document and the round's file, then the figures again.
    void SetOdds(const PlayerOdds& odds);
    void SetWatching(bool on);
    bool Watching() const { return m_thread.joinable(); }
    VoteHistoryWindow* ShowChart();

    QAction* OddsAction() const { return m_oddsAction; }
    QAction* WatchAction() const { return m_watchAction; }
    QAction* ChartAction() const { return m_chartAction; }

signals:
    // A report line of the watch (on the UI thread).
    void WatchLine(const QString& line);

private:
    void StopWatch();
    void OnWatchEnded();
    void UpdateChart();

    WorkingDocument& m_doc;
    clsTMeisai& m_meisai;
    ProgramPaths m_paths;
    AcquisitionContext m_acquisition;
    std::shared_ptr<Clock> m_clock;
    ModalRunner m_modal;
    QWidget* m_window;
    int32_t m_oddsRound = -1; // round whose stored odds were last offered to the document
    int m_everyMinutes;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    VoteHistoryWindow* m_chart = nullptr;
    QAction* m_oddsAction = nullptr;
    QAction* m_watchAction = nullptr;
    QAction* m_chartAction = nullptr;
};

} // namespace kestrel
