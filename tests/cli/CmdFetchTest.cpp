#include <gtest/gtest.h>

#include "CliTestSupport.h"

#include <QThread>
#include <csignal>

#include "store/TotoSettings.h"
#include "LoopbackServer.h"

namespace kestrel::test {
namespace {

QByteArray NetPage(const char* name) {
    QFile file(QStringLiteral(KESTREL_TEST_DATA "/net/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

class CmdFetchTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        TotoSettings settings = TotoSettings::Defaults();
        settings.totoOfficialScheduleUrl = server.Url(QStringLiteral("/schedule?holdCntId="));
        settings.totoOfficialVoteUrl = server.Url(QStringLiteral("/vote?holdCntId="));
        settings.totoOfficialResultUrl = server.Url(QStringLiteral("/result?holdCntId="));
        ASSERT_TRUE(settings.Save(TotoSettings::FilePath(Paths())));
    }
    LoopbackServer server;
};

struct FetchCase {
    const char* name;
    QStringList args;
    int exitCode;
    int requests;
    const char* savedFile; // below SysData: stdout must equal its text
    const char* err;       // a text stderr must contain
};

TEST_F(CmdFetchTest, FetchAndUpdateTeams) {
    server.SetPage("/schedule?holdCntId=1601", NetPage("schedule_1601.html"));
    server.SetPage("/vote?holdCntId=1601&commodityId=02", NetPage("vote_1601.html"));
    server.SetPage("/download/2021/version.dat", "TeamName2.dat = 1.0\r\n[VersionEnd]\r\n");
    const QString maker = server.Url(QStringLiteral("/download/2021/"));
    const FetchCase cases[] = {
        {"schedule downloaded and saved",
         {"fetch", "schedule", "1601"},
         0,
         1,
         "totoGOAL3_Schedule/totogoal3_schedule_1601.xml",
         ""},
        {"stored schedule, no download",
         {"fetch", "schedule", "1601"},
         0,
         0,
         "totoGOAL3_Schedule/totogoal3_schedule_1601.xml",
         ""},
        {"final vote figures",
         {"fetch", "vote", "1601"},
         0,
         1,
         "totoGOAL3_Vote/totogoal3_vote_1601.xml",
         ""},
        {"result page missing",
         {"fetch", "result", "1601"},
         1,
         1,
         nullptr,
         " くじ結果: インターネットよりダウンロードに失敗しました。"},
        {"shipped result",
         {"fetch", "result", "1555"},
         0,
         0,
         "totoGOAL3_Result/totogoal3_result_1555.xml",
         ""},
        {"maker table up to date",
         {"update-teams", "--url", maker},
         0,
         1,
         nullptr,
         " Fernhollow: 海外チーム名の情報は最新です。"},
        {"unknown kind", {"fetch", "teams", "1601"}, 2, 0, nullptr, "usage: kestrel-cli fetch"},
    };
    for (const FetchCase& c : cases) {
        const int before = server.RequestCount();
        const CliRun run = Run(c.args);
        ASSERT_TRUE(run.finished) << c.name;
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err.toStdString();
        EXPECT_EQ(server.RequestCount() - before, c.requests) << c.name;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.err)))
            << c.name << ": " << run.err.toStdString();
        if (c.savedFile != nullptr) {
            const QByteArray saved = ReadBytes(Root() + "/SysData/" + c.savedFile);
            ASSERT_FALSE(saved.isEmpty()) << c.name;
            EXPECT_EQ(run.out, TextCodec::DecodeCp932(saved)) << c.name;
        } else if (c.exitCode != 0) {
            EXPECT_TRUE(run.out.isEmpty()) << c.name;
        }
    }
    EXPECT_FALSE(QFileInfo::exists(Root() + "/SysData/totoGOAL3_Result/totogoal3_result_1601.xml"));
}

// A server that accepts and never answers would hold fetch and update-teams for the receive
// time-out; the first Ctrl+C or SIGTERM stops them at once with status 130, saving nothing.
TEST_F(CmdFetchTest, InterruptStopsADownloadAndSavesNothing) {
    LoopbackServer::Route silent;
    silent.mode = LoopbackServer::Mode::Silent;
    server.SetRoute("/schedule?holdCntId=1601", silent);
    server.SetRoute("/download/2021/version.dat", silent);
    const QString table = Root() + "/SysData/TeamName2.dat";
    const QByteArray before = ReadBytes(table);
    const std::pair<QStringList, int> calls[] = {
        {{"fetch", "schedule", "1601"}, SIGINT},
        {{"update-teams", "--url", server.Url(QStringLiteral("/download/2021/"))}, SIGTERM},
    };
    for (const auto& [args, signal] : calls) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const int requests = server.RequestCount();
        QProcess process;
        process.start(CliPath(), QStringList{"--root", Root()} + args);
        ASSERT_TRUE(process.waitForStarted(10000));
        for (int i = 0; i < 500 && server.RequestCount() == requests; ++i) {
            QThread::msleep(20);
        }
        ASSERT_GT(server.RequestCount(), requests);
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 130) << process.readAllStandardError().toStdString();
        EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    }
    EXPECT_FALSE(
        QFileInfo::exists(Root() + "/SysData/totoGOAL3_Schedule/totogoal3_schedule_1601.xml"));
    EXPECT_EQ(ReadBytes(table), before);
}

} // namespace
} // namespace kestrel::test
