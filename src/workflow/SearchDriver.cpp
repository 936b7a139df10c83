#include "workflow/SearchDriver.h"

#include <algorithm>
#include <vector>

#include "core/clsTSingleFrame.h"

namespace kestrel {

const QString SearchDriver::kCaptionStart = QStringLiteral("検索開始");
const QString SearchDriver::kCaptionPause = QStringLiteral("一時停止");
const QString SearchDriver::kCaptionResume = QStringLiteral("検索再開");
const QString SearchDriver::kBusyText =
    QStringLiteral("現在検索処理を実行中です。検索処理を終了させて下さい。");

namespace {

FlagTable MarkedCells(const MarkTable& marks) {
    FlagTable visible{};
    for (int c = 0; c < kGoalClassCount; ++c) {
        for (int t = 0; t < kSlotCount; ++t) {
            visible[static_cast<size_t>(c)][static_cast<size_t>(t)] =
                marks[static_cast<size_t>(c)][static_cast<size_t>(t)] > 0;
        }
    }
    return visible;
}

} // namespace

SearchDriver::SearchDriver(std::shared_ptr<Clock> clock) : m_clock(clock), m_tx(clock) {
    m_tx.Initialize();
}

bool SearchDriver::Search(WorkingDocument& doc, RunControl& control) {
    bool expected = false;
    if (m_tx.Run() || m_frame.Run() || !m_busy.compare_exchange_strong(expected, true)) {
        return false;
    }
    m_stopRequested = false;
    m_resultUsable = false;
    const auto stopped = [this, &control] { return m_stopRequested.load() || control.stop.load(); };
    DocumentRecord& record = doc.Record;
    m_tx.SetRunControl(&control);
    m_frame.Initialize(&m_tx.Log(), &control, m_clock);

    m_tx.SetVote(record.Vote);
    m_tx.SetOdds(record.Odds, doc.TicketPrice);
    m_frame.SetVote(record.Vote);
    m_tx.CountMeisaiClear();
    const MarkTable marks = record.Multi;
    const ConditionSet conditions = record.Conditions;

    int32_t count = 0;
    std::vector<int32_t> singles;
    m_tx.Execute(count, singles, conditions, marks);
    // A stop seen here may have cut the reduction short (its list is then empty).
    const bool reduced = !stopped();
    const FlagTable visible = MarkedCells(marks);

    std::vector<int32_t> tousen;
    const bool compressed = count >= 1;
    if (compressed) {
        m_frame.EngineRun(singles, record.Settings, marks, tousen);
        std::sort(singles.begin(), singles.end());
    }
    // A stopped engine hands back its last settled list, or none when it had not settled yet.
    m_resultUsable = reduced && (!compressed || !singles.empty() || !stopped());
    record.Singles = std::move(singles);
    count = record.SingleCount();

    doc.Saving = true;
    clsTSingleFrame().GetSingleFrame(record.Singles, record.SingleFrame);
    doc.Saving = false;
    m_tx.SetSingleFrame(record.SingleFrame, visible);

    record.MsSingleCount = count;
    record.MsSingleFrame = record.SingleFrame;
    record.MsTousen.fill(0);
    for (size_t i = 0; i < tousen.size() && i < record.MsTousen.size(); ++i) {
        record.MsTousen[i] = tousen[i];
    }
    m_tx.SetMeisai(marks, count, tousen);
    m_tx.EndMsg(count);

    record.SakugenMessage = ReportText(m_tx.Log().Lines());
    m_tx.SetRunControl(nullptr);
    m_busy = false;
    return true;
}

void SearchDriver::Stop() {
    m_stopRequested = true;
    m_tx.Cancel();
    m_frame.EngineStop();
}

void SearchDriver::Pause(bool paused) {
    m_frame.EnginePause(paused);
}

bool SearchDriver::Pausable(int32_t msEngine) {
    return msEngine == 2 || msEngine == 4 || msEngine == 5 || msEngine == 6 || msEngine == 7;
}

} // namespace kestrel
