#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <atomic>
#include <vector>

#include "NetTestSupport.h"
#include "net/VoteWatch.h"
#include "platform/TextFile.h"
#include "store/VoteHistoryStore.h"

namespace kestrel::test {
namespace {

// A clock whose date-time moves with its millisecond counter; sleeping advances both at once.
class WatchClock : public Clock {
public:
    explicit WatchClock(DateTime start) : m_start(start) {}
    int64_t NowMs() const override { return m_ms; }
    DateTime Now() const override {
        return DateTime::FromTotalSeconds(m_start.TotalSeconds() + m_ms / 1000);
    }
    void SleepMs(int ms) override { m_ms += ms; }

private:
    DateTime m_start;
    int64_t m_ms = 0;
};

const QByteArray kPath = "/vote?holdCntId=1601&commodityId=02";

class VoteWatchTest : public NetFixture {
protected:
    QByteArray Final() const { return FixturePage(QStringLiteral("vote_1601.html")); }
    // Interim figures as of the given time, with the first count of slot 1 replaced.
    QByteArray Interim(const char* asOf, const char* count) const {
        return Mutated(Mutated(Final(), "13:50 販売終了時点", asOf), "26,028<br>", count);
    }
    // Serves the pages in turn, one per fetch; an empty page answers 500.
    void Serve(VoteWatch& watch, std::vector<QByteArray> pages) {
        watch.SetFetchSink([this, pages, n = size_t{0}](const DateTime&) mutable {
            const QByteArray page = pages[std::min(n++, pages.size() - 1)];
            server.SetPage(kPath, page.isEmpty() ? QByteArray("down") : page,
                           page.isEmpty() ? 500 : 200);
        });
    }
    static DateTime At(int hour, int minute) {
        return *DateTime::FromParts(2026, 5, 16, hour, minute);
    }
    std::vector<VoteSnapshot> History() const {
        std::vector<VoteSnapshot> snapshots;
        EXPECT_TRUE(VoteHistoryStore(ProgramPaths(Root())).Load(1601, snapshots));
        return snapshots;
    }
};

// Three snapshots at fixed clock times, a failed fetch between them that keeps the history and
// is retried at the next turn, and the end once the final figures are kept.
TEST_F(VoteWatchTest, KeepsSnapshotsRetriesAfterAFailureAndEndsOnTheFinalFigures) {
    VoteWatch watch(Context(), std::make_shared<WatchClock>(At(13, 20)));
    Serve(watch,
          {Interim("13:20 時点", "20,000<br>"), {}, Interim("13:40 時点", "23,000<br>"), Final()});
    QStringList lines;
    watch.SetLineSink([&lines](const QString& line) { lines << line; });
    std::atomic<bool> stop{false};
    EXPECT_EQ(watch.Run({1601, QString(), 10, true}, stop), VoteWatch::End::Final);

    const std::vector<VoteSnapshot> history = History();
    ASSERT_EQ(history.size(), 3u);
    const DateTime times[] = {At(13, 20), At(13, 40), At(13, 50)};
    const int64_t counts[] = {20000, 23000, 26028};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(history[i].FetchedAt, times[i]) << i;
        EXPECT_EQ(history[i].Final, i == 2) << i;
        EXPECT_EQ(history[i].Vote.Slots[0].Votes[0].Count, Money::FromInt(counts[i])) << i;
        EXPECT_EQ(history[i].Vote.Slots[5].Team, QStringLiteral("セレッソ大阪"));
    }
    EXPECT_EQ(server.RequestCount(), 4);
    for (const QByteArray& request : server.Requests()) {
        EXPECT_TRUE(request.contains("User-Agent: " + VoteWatch::kUserAgent.toUtf8()))
            << request.constData();
    }
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1],
              QStringLiteral(
                  "2026/05/16 13:30:00 投票状況の取得に失敗しました。次回の更新で再取得します。"));
    EXPECT_EQ(lines[4],
              QStringLiteral("販売終了時点の投票状況を取得したため、自動更新を終了しました。"));
    // The stored final vote of the round is left to the download command.
    EXPECT_FALSE(QDir(SysData() + QStringLiteral("/totoGOAL3_Vote")).exists());

    // The file: a header line, then one block per snapshot.
    QString text;
    ASSERT_TRUE(TextFile::Read(VoteHistoryStore(ProgramPaths(Root())).FilePath(1601), text));
    EXPECT_TRUE(text.startsWith(
        QStringLiteral(";Kestrel vote history (totoGOAL3)\r\n[Snapshot]\r\n"
                       "FetchedAt = 2026/05/16 13:20:00\r\nFinal = 0\r\n<投票状況>\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("[Snapshot]")), 3);
}

// Pages that never turn final: the watch takes its turn at the sale end itself and gives up a
// few turns later; without the sale-end rule only the stop flag ends it.
TEST_F(VoteWatchTest, StopsAtTheSaleEndOrWhenTold) {
    {
        VoteWatch watch(Context(), std::make_shared<WatchClock>(At(13, 33)));
        Serve(watch, {Interim("13:35 時点", "20,000<br>")});
        std::atomic<bool> stop{false};
        EXPECT_EQ(watch.Run({1601, QString(), 3, true}, stop), VoteWatch::End::SaleEnd);
        std::vector<DateTime> times;
        for (const VoteSnapshot& s : History()) {
            times.push_back(s.FetchedAt);
        }
        // Five minutes at least between turns; the turn before the close waits for the close.
        EXPECT_EQ(times, (std::vector<DateTime>{At(13, 33), At(13, 38), At(13, 43), At(13, 48),
                                                At(13, 50), At(13, 55), At(14, 0)}));
    }
    QDir(SysData() + QLatin1Char('/') + VoteHistoryStore::kFolder).removeRecursively();
    VoteWatch watch(Context(), std::make_shared<WatchClock>(At(13, 0)));
    Serve(watch, {Interim("13:00 時点", "20,000<br>")});
    std::atomic<bool> stop{false};
    int kept = 0;
    watch.SetSnapshotSink([&](const VoteSnapshot&) { stop = ++kept == 2; });
    EXPECT_EQ(watch.Run({1601, QString(), 10, false}, stop), VoteWatch::End::Stopped);
    EXPECT_EQ(History().size(), 2u);
}

// A history file that cannot be read is never overwritten: the watch ends instead.
TEST_F(VoteWatchTest, UnreadableHistoryIsKeptAndEndsTheWatch) {
    const QString path = VoteHistoryStore(ProgramPaths(Root())).FilePath(1601);
    ASSERT_TRUE(TextFile::WriteBytes(path, QByteArray("\xFF\xFF\x81", 3)));
    VoteWatch watch(Context(), std::make_shared<WatchClock>(At(13, 20)));
    Serve(watch, {Final()});
    std::atomic<bool> stop{false};
    EXPECT_EQ(watch.Run({1601, QString(), 10, true}, stop), VoteWatch::End::StoreFailed);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xFF\xFF\x81", 3));
}

} // namespace
} // namespace kestrel::test
