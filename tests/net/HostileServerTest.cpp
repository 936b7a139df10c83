// A hostile or broken server on 127.0.0.1: late answers, trickling bodies, compressed bombs,
// error statuses, pages that bend the text rules, and a stop pressed mid-transfer. Each ends in
// the right outcome and message, and nothing is saved from a page that failed.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <atomic>
#include <thread>

#include "NetTestSupport.h"
#include "net/RecordCompleteness.h"
#include "net/clsSchedule.h"
#include "net/clsVote.h"
#include "net/clsWinInet.h"

namespace kestrel::test {
namespace {

using HostileServerTest = NetFixture;
using Mode = LoopbackServer::Mode;

const QString kFailure = QStringLiteral("インターネットよりダウンロードに失敗しました。");

struct TimeCase {
    const char* name;
    LoopbackServer::Route route;
    HttpOptions options;
    qint64 bytes;
    HttpFailure failure;
    const char* reason;
};

HttpOptions Limits(int connectMs, int receiveMs, int deadlineMs) {
    HttpOptions o;
    o.ConnectTimeoutMs = connectMs;
    o.ReceiveTimeoutMs = receiveMs;
    o.DeadlineMs = deadlineMs;
    return o;
}

LoopbackServer::Route Late(int delayMs) {
    LoopbackServer::Route r;
    r.body = "late but whole";
    r.delayMs = delayMs;
    return r;
}

LoopbackServer::Route Trickle(int bytes, int pauseMs) {
    LoopbackServer::Route r;
    r.mode = Mode::Trickle;
    r.body = QByteArray(bytes, 'x');
    r.trickleMs = pauseMs;
    return r;
}

// The connect time-out ends with the connection; the receive time-out covers the wait for the
// answer and between its bytes; the deadline covers the whole page however busy it keeps.
TEST_F(HostileServerTest, TimeLimitsOfOnePage) {
    const TimeCase cases[] = {
        {"an answer later than the connect time-out", Late(900), Limits(300, 3000, 10000), 14,
         HttpFailure::None, ""},
        {"no answer within the receive time-out", Late(3000), Limits(300, 600, 10000), 0,
         HttpFailure::ReceiveTimeout, "原因：サーバーが 1 秒以上応答しません"},
        {"a byte every 100 ms past the deadline", Trickle(40, 100), Limits(300, 1000, 1000), 0,
         HttpFailure::Deadline, "原因：制限時間 (1 秒) を過ぎました"},
        {"a trickle that ends before the deadline", Trickle(3, 100), Limits(300, 1000, 3000), 3,
         HttpFailure::None, ""},
    };
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.name);
        server.SetRoute("/t", c.route);
        clsWinInet inet;
        inet.SetOptions(c.options);
        QByteArray bytes;
        EXPECT_EQ(inet.GetHttpData(server.Url(QStringLiteral("/t")), bytes, QString()), c.bytes);
        EXPECT_EQ(bytes.size(), c.bytes);
        EXPECT_EQ(inet.LastFailure(), c.failure);
        EXPECT_EQ(inet.FailureReason(), QString::fromUtf8(c.reason));
    }
}

// A compressed body is capped by its decoded size: a small answer that inflates to 32 MiB fails
// on the cap, not on a time-out.
TEST_F(HostileServerTest, CompressedBombStopsAtTheCap) {
    LoopbackServer::Route bomb;
    bomb.body = qCompress(QByteArray(32 * 1024 * 1024, '\0'), 9).mid(4);
    bomb.headers = "Content-Encoding: deflate\r\n";
    ASSERT_LT(bomb.body.size(), 64 * 1024);
    server.SetRoute("/bomb", bomb);
    clsWinInet inet;
    HttpOptions options = Limits(2000, 20000, 60000);
    options.MaxResponseBytes = 1024 * 1024;
    inet.SetOptions(options);
    QByteArray bytes;
    EXPECT_EQ(inet.GetHttpData(server.Url(QStringLiteral("/bomb")), bytes, QString()), 0);
    EXPECT_EQ(inet.LastFailure(), HttpFailure::TooLarge);
    EXPECT_EQ(inet.FailureReason(), QStringLiteral("原因：データが大きすぎます (1 MiB 超)"));

    // A compressed body that does not decode is a broken transfer, never the part that did.
    LoopbackServer::Route broken;
    broken.body = qCompress(QByteArray(200 * 1024, 'x'), 9).mid(4);
    broken.body[broken.body.size() / 2] = '\xff';
    broken.body[broken.body.size() / 2 + 1] = '\xff';
    broken.headers = "Content-Encoding: deflate\r\n";
    server.SetRoute("/broken", broken);
    EXPECT_EQ(inet.GetHttpData(server.Url(QStringLiteral("/broken")), bytes, QString()), 0);
    EXPECT_EQ(inet.LastFailure(), HttpFailure::Connect);
}

// The stop flag ends a transfer that would otherwise wait for its receive time-out; the
// controller takes it as a declined download: no message, nothing saved.
TEST_F(HostileServerTest, StopEndsTheTransferAndSavesNothing) {
    LoopbackServer::Route silent;
    silent.mode = Mode::Silent;
    server.SetRoute("/schedule?holdCntId=1601", silent);
    auto stop = std::make_shared<std::atomic<bool>>(false);
    AcquisitionContext context = Context();
    context.Http.ReceiveTimeoutMs = 15000;
    context.Http.Cancel = stop;
    std::thread presser([stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        stop->store(true);
    });
    clsSchedule schedule(context);
    schedule.Initialize();
    EXPECT_FALSE(schedule.GetSchedule(1601, QString(), 3, false));
    presser.join();
    EXPECT_TRUE(schedule.Cancel());
    schedule.FalseDialog(1601);
    EXPECT_TRUE(log->messages.empty());
    EXPECT_FALSE(QDir(SysData() + QStringLiteral("/totoGOAL3_Schedule")).exists());
}

struct StatusCase {
    const char* name;
    LoopbackServer::Route route;
    MessageIcon icon;
    QString message;
};

// An error status is a failed download whatever the page says, even a page that would parse;
// the deadline names itself in the second line.
TEST_F(HostileServerTest, ServerErrorsAreNamedAndNothingIsSaved) {
    const QByteArray page = FixturePage(QStringLiteral("schedule_1601.html"));
    const StatusCase cases[] = {
        {"503 with a page that would parse",
         {Mode::Page, 503, page, true},
         MessageIcon::Warning,
         kFailure + QStringLiteral("\r\n原因：サーバーがエラーを返しました (503)")},
        {"500 error page",
         {Mode::Page, 500, "<body><p>Server Error</p></body>", true},
         MessageIcon::Warning,
         kFailure + QStringLiteral("\r\n原因：サーバーがエラーを返しました (500)")},
        {"404 with the not-published text",
         {Mode::Page, 404, "<body><p>ご指定のくじ情報は表示できません。</p></body>", true},
         MessageIcon::Warning,
         kFailure + QStringLiteral("\r\n原因：サーバーがエラーを返しました (404)")},
        {"a trickle past the deadline", Trickle(40, 100), MessageIcon::Warning,
         kFailure + QStringLiteral("\r\n原因：制限時間 (1 秒) を過ぎました")},
    };
    for (const StatusCase& c : cases) {
        SCOPED_TRACE(c.name);
        server.SetRoute("/schedule?holdCntId=1601", c.route);
        AcquisitionContext context = Context();
        context.Http.DeadlineMs = 1000;
        clsSchedule schedule(context);
        schedule.Initialize();
        EXPECT_FALSE(schedule.GetSchedule(1601, QString(), 3, false));
        log->messages.clear();
        schedule.FalseDialog(1601);
        ASSERT_EQ(log->messages.size(), 1u);
        EXPECT_EQ(log->messages[0].icon, c.icon);
        EXPECT_EQ(log->messages[0].text, c.message);
        EXPECT_FALSE(QDir(SysData() + QStringLiteral("/totoGOAL3_Schedule")).exists());
    }
}

// Only half-width blanks are trimmed from a cell: a vote row whose unused home/away cell holds
// a full-width blank or a no-break space keeps its place, and the figures after it stay put.
TEST_F(HostileServerTest, FullWidthBlankCellKeepsTheOffsets) {
    const QByteArray page = FixturePage(QStringLiteral("vote_1601.html"));
    const char* const fillers[] = {"　", "\u00a0", " 　 "};
    for (const char* filler : fillers) {
        SCOPED_TRACE(filler);
        QDir(SysData() + QStringLiteral("/totoGOAL3_Vote")).removeRecursively();
        const QByteArray cell = QByteArray("<td>") + filler + "</td><td>26,028";
        server.SetPage("/vote?holdCntId=1601&commodityId=02",
                       Mutated(page, "<td>ホーム</td><td>26,028", cell.constData()));
        clsVote vote(Context());
        vote.Initialize();
        ASSERT_TRUE(vote.GetVote(1601, QString(), 3, false));
        EXPECT_EQ(vote.Vote().Slots[0].Votes[0].Count, Money::FromInt(26028));
        EXPECT_EQ(vote.Vote().Slots[0].Votes[3].Count, Money::FromInt(31476));
        EXPECT_TRUE(QFileInfo::exists(SysData() + "/totoGOAL3_Vote/totogoal3_vote_1601.xml"));
    }
}

// Figures so large that their sums leave the number range never add up to a complete record.
TEST(RecordCompletenessTest, SumsThatOverflowAreIncomplete) {
    VoteRecord record;
    record.Kaisaikai = 1601;
    record.AsOf = *DateTime::FromParts(2026, 5, 16, 13, 50);
    for (DateTime* d : {&record.SaleStart, &record.SaleEnd, &record.ResultDate, &record.PayStart,
                        &record.PayEnd}) {
        *d = *DateTime::FromParts(2026, 5, 16);
    }
    for (auto* triple : {&record.Sales, &record.Votes, &record.Tickets}) {
        *triple = {Money::FromInt(300), Money::FromInt(200), Money::FromInt(100)};
    }
    record.Votes = {Money::FromInt(3), Money::FromInt(2), Money::FromInt(1)};
    for (VoteSlot& slot : record.Slots) {
        slot.Team = QStringLiteral("T");
        slot.GameDate = *DateTime::FromParts(2026, 5, 16);
        for (GoalVote& v : slot.Votes) {
            v.Count = Money::FromInt(1);
            v.Rate = Money::FromInt(25);
        }
    }
    ASSERT_TRUE(RecordCompleteness::IsComplete(record));

    // Four rates of about 4.6e14 each wrap around to exactly 100 in 64 bits.
    const int64_t quarter = int64_t{1} << 62;
    record.Slots[0].Votes[0].Rate = Money::FromRaw(quarter);
    record.Slots[0].Votes[1].Rate = Money::FromRaw(quarter);
    record.Slots[0].Votes[2].Rate = Money::FromRaw(quarter);
    record.Slots[0].Votes[3].Rate = Money::FromRaw(quarter + 100 * Money::kScale);
    EXPECT_FALSE(RecordCompleteness::IsComplete(record));
}

} // namespace
} // namespace kestrel::test
