#include "net/VoteWatch.h"

#include <algorithm>

#include "net/clsHtmlVote.h"
#include "store/VoteHistoryStore.h"

namespace kestrel {

namespace {

constexpr int64_t kMsPerMinute = 60'000;
constexpr int kWaitStepMs = 500;

const char* const kFetched = " 投票状況を取得しました";
const char* const kFinalFetched = " 投票状況（販売終了時点）を取得しました";
const char* const kFetchFailed = " 投票状況の取得に失敗しました。次回の更新で再取得します。";
const char* const kStoreFailed = " 投票状況の履歴を保存できませんでした: ";
const char* const kEndFinal = "販売終了時点の投票状況を取得したため、自動更新を終了しました。";
const char* const kEndSale = "販売が終了したため、自動更新を終了しました。";
const char* const kEndStopped = "自動更新を中止しました。";

} // namespace

const QString VoteWatch::kUserAgent =
    QStringLiteral("Kestrel vote-status watch (one request at a time, every 5 minutes or more)");

VoteWatch::VoteWatch(AcquisitionContext context, std::shared_ptr<Clock> clock)
    : m_context(std::move(context)), m_clock(std::move(clock)) {
    m_context.Http.UserAgent = kUserAgent;
}

int VoteWatch::EveryMinutes(int requested) {
    return std::max(requested, VoteWatchOptions::kMinEveryMinutes);
}

void VoteWatch::Line(const QString& text) const {
    if (m_lines) {
        m_lines(text);
    }
}

VoteWatch::Fetch VoteWatch::FetchOnce(const VoteWatchOptions& options, VoteSnapshot& snapshot) {
    const DateTime at = m_clock->Now();
    if (m_fetch) {
        m_fetch(at);
    }
    clsHtmlVote parser(m_context.Settings);
    parser.HtmlGet().WinInet().SetOptions(m_context.Http);
    parser.SetProgressOpen(false);
    parser.SetProgressClose(false);
    bool final = false;
    if (!parser.GetVote(options.Round, options.Group, final)) {
        Line(at.ToString() + QString::fromUtf8(kFetchFailed));
        return Fetch::Failed;
    }
    snapshot = VoteSnapshot{at, final, parser.Vote()};
    QString error;
    if (!VoteHistoryStore(m_context.Paths).Append(options.Round, snapshot, &error)) {
        Line(at.ToString() + QString::fromUtf8(kStoreFailed) + error);
        return Fetch::StoreFailed;
    }
    Line(at.ToString() + QString::fromUtf8(final ? kFinalFetched : kFetched));
    if (m_snapshot) {
        m_snapshot(snapshot);
    }
    return Fetch::Stored;
}

bool VoteWatch::Wait(int64_t untilMs, const std::atomic<bool>& stop) const {
    while (m_clock->NowMs() < untilMs) {
        if (stop.load()) {
            return false;
        }
        m_clock->SleepMs(
            static_cast<int>(std::min<int64_t>(kWaitStepMs, untilMs - m_clock->NowMs())));
    }
    return !stop.load();
}

VoteWatch::End VoteWatch::Run(const VoteWatchOptions& options, const std::atomic<bool>& stop) {
    const int64_t everyMs = EveryMinutes(options.EveryMinutes) * kMsPerMinute;
    DateTime saleEnd;
    int afterClose = 0;
    while (!stop.load()) {
        const int64_t startMs = m_clock->NowMs();
        const bool closed = saleEnd.HasDate() && m_clock->Now() >= saleEnd;
        VoteSnapshot snapshot;
        const Fetch fetched = FetchOnce(options, snapshot);
        if (fetched == Fetch::StoreFailed) {
            return End::StoreFailed;
        }
        if (fetched == Fetch::Stored) {
            if (snapshot.Final) {
                Line(QString::fromUtf8(kEndFinal));
                return End::Final;
            }
            if (snapshot.Vote.SaleEnd.HasDate()) {
                saleEnd = snapshot.Vote.SaleEnd;
            }
        }
        if (options.UntilClose && closed && ++afterClose >= VoteWatchOptions::kFetchesAfterClose) {
            Line(QString::fromUtf8(kEndSale));
            return End::SaleEnd;
        }
        int64_t nextMs = startMs + everyMs;
        // The first turn after the sale end comes at the sale end itself.
        const DateTime now = m_clock->Now();
        if (saleEnd.HasDate() && now < saleEnd) {
            const int64_t toClose = (saleEnd.TotalSeconds() - now.TotalSeconds()) * 1000;
            nextMs = std::min(nextMs, m_clock->NowMs() + toClose);
        }
        if (!Wait(nextMs, stop)) {
            break;
        }
    }
    Line(QString::fromUtf8(kEndStopped));
    return End::Stopped;
}

} // namespace kestrel
