#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "LoopbackServer.h"
#include "store/TotoSettings.h"
#include "store/VoteHistoryStore.h"

namespace kestrel::test {
namespace {

class CmdWatchTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        TotoSettings settings = TotoSettings::Defaults();
        settings.totoOfficialVoteUrl = server.Url(QStringLiteral("/vote?holdCntId="));
        ASSERT_TRUE(settings.Save(TotoSettings::FilePath(Paths())));
    }
    LoopbackServer server;
};

// The final figures end the watch after one fetch, kept in the round's history file.
TEST_F(CmdWatchTest, FinalFiguresAreKeptAndEndTheWatch) {
    QFile page(QStringLiteral(KESTREL_TEST_DATA "/net/vote_1601.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    server.SetPage("/vote?holdCntId=1601&commodityId=02", page.readAll());
    const CliRun run = Run({"watch", "vote", "1601", "--every", "5", "--until-close"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.OutLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" 投票状況（販売終了時点）を取得しました")));
    EXPECT_EQ(lines[1],
              QStringLiteral("販売終了時点の投票状況を取得したため、自動更新を終了しました。"));
    std::vector<VoteSnapshot> history;
    ASSERT_TRUE(VoteHistoryStore(Paths()).Load(1601, history));
    ASSERT_EQ(history.size(), 1u);
    EXPECT_TRUE(history[0].Final);
    EXPECT_EQ(server.RequestCount(), 1);
}

TEST_F(CmdWatchTest, IntervalsBelowFiveMinutesAndOtherKindsAreUsageErrors) {
    EXPECT_EQ(Run({"watch", "vote", "1601", "--every", "4"}).exitCode, 2);
    EXPECT_EQ(Run({"watch", "result", "1601"}).exitCode, 2);
    EXPECT_EQ(Run({"watch", "vote", "x"}).exitCode, 2);
    EXPECT_EQ(server.RequestCount(), 0);
}

} // namespace
} // namespace kestrel::test
