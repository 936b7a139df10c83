#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/MarkTable.h"
#include "core/VoteRecord.h"
#include "core/clsTCount.h"
#include "core/clsTMeisai.h"
#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/RunControl.h"
#include "platform/clsTMsg.h"
#include "reduction/ConditionSet.h"
#include "reduction/clsTX1.h"

namespace kestrel {

// The reduction run controller: expands the multi, applies every switched-on condition row in the
// fixed reduction order, writes the report of every step into its message log and hands the
// surviving singles back. It also owns the count panel and the summary panel of the last search.
//
// Execute may run on a worker thread. Cancel (and the host's RunControl::stop) may be set from any
// thread; they are honoured at the engine's progress ticks and between steps. The host must not
// change the controller's inputs while Run() is true.
class clsTX : private clsTX1::Events {
public:
    explicit clsTX(std::shared_ptr<Clock> clock = CurrentClock());
    ~clsTX() override;
    clsTX(const clsTX&) = delete;
    clsTX& operator=(const clsTX&) = delete;

    // Clears the summary panel (the widgets bind to Log(), CountPanel() and MeisaiPanel()).
    void Initialize();
    // The host's progress callback and stop flag, read at the progress ticks and between steps;
    // may be null. The run never clears the host's flag: the host resets it before a search.
    void SetRunControl(RunControl* control) { m_control = control; }

    // One reduction run; on cancel the result is count 0 and an empty list.
    void Execute(int32_t& lngCount, std::vector<int32_t>& lngSingle, const ConditionSet& conditions,
                 const MarkTable& marks);
    // Sets the controller's and the engine's cancel flags. Safe from any thread.
    void Cancel();
    bool Run() const { return m_run.load(); }
    // The closing lines of a run.
    void EndMsg(int32_t lngCount);
    void SetVote(const VoteRecord& vote) { m_engine.SetVote(vote); }
    // The player's odds (none: the vote rates) and ticket price for the expected-return step.
    void SetOdds(const std::optional<PlayerOdds>& odds, double price) {
        m_engine.SetOdds(odds, price);
    }

    // Count panel: the marked-cell matrix of the multi, then the single frame of the list.
    void SetSingleFrame(const CountTable& frame, const FlagTable& visible);
    void SetSingleFrameVisible(bool visible) { m_count.SetPanelVisible(visible); }
    void SetSinglePercent(bool percent) { m_count.SetPercent(percent); }
    void CountMeisaiClear();
    // Summary panel: when the count is above 0, the multi's shape, the count and the hit counts.
    void SetMeisai(const MarkTable& marks, int32_t lngCount, std::span<const int32_t> lngTousen);

    clsTMsg& Log() { return m_log; }
    const clsTMsg& Log() const { return m_log; }
    clsTX1& Engine() { return m_engine; }
    const clsTX1& Engine() const { return m_engine; }
    clsTCount& CountPanel() { return m_count; }
    clsTMeisai& MeisaiPanel() { return m_meisai; }
    // The miss distribution of the last run in allowed-miss mode.
    const clsTX1::Distribution& LastDistribution() const { return m_distribution; }

    // Report label of a count-condition row: kind, "/", group label, "/", row label.
    static QString RowStepLabel(ConditionKind kind, int group, const ConditionGroup& row, int r);
    // Report label of score-table match m: "点詳細/1Vs2" ...
    static QString TenshoStepLabel(int match);

private:
    void ProgressBegin() override;
    void Progress(int32_t value) override;
    void ProgressEnd() override;

    bool Cancelled();
    bool CanContinue(int32_t count);
    void BeginStep(const QString& label, int32_t before);
    void EndStep(const QString& label, int32_t before, int32_t after);
    void ReduceAll(int32_t& count, std::vector<int32_t>& singles, const ConditionSet& conditions);
    void ReduceKind(ConditionKind kind, int32_t& count, std::vector<int32_t>& singles,
                    const ConditionSet& conditions, bool missMode);
    void FoldAndReport(int32_t& count, std::vector<int32_t>& singles,
                       const ConditionSet& conditions);

    clsTMsg m_log;
    clsTX1 m_engine;
    clsTCount m_count;
    clsTMeisai m_meisai;
    ErrorReporter m_error{QStringLiteral("clsTX")};
    RunControl* m_control = nullptr;
    std::atomic<bool> m_run{false};
    std::atomic<bool> m_cancel{false};
    bool m_firstStep = true;
    clsTX1::Counters m_miss;
    clsTX1::Counters m_triangle;
    clsTX1::Distribution m_distribution{};
};

} // namespace kestrel
