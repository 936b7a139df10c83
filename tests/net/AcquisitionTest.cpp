#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "NetTestSupport.h"
#include "net/clsResult.h"
#include "net/clsSchedule.h"
#include "net/clsVote.h"
#include "platform/TextFile.h"

namespace kestrel::test {
namespace {

using AcquisitionTest = NetFixture;
using Mode = LoopbackServer::Mode;

const char* const kFailure = "インターネットよりダウンロードに失敗しました。";

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

enum class Stored { None, Schedule, NotHeld };

struct GetCase {
    const char* name;
    Stored stored;
    int flags;
    bool ask;
    PromptAnswer answer;
    int round;
    bool result;
    int requests;
    bool cancel;
    bool noGame;
    const char* dialog; // what FalseDialog shows after a failed get, nullptr for nothing
};

// Every flag combination of a get, the question, and the save-once rule.
TEST_F(AcquisitionTest, ScheduleGetFlags) {
    server.SetPage("/schedule?holdCntId=1601", FixturePage(QStringLiteral("schedule_1601.html")));
    const QString stadium = QStringLiteral("保存済みの競技場");
    const GetCase cases[] = {
        {"flags 0", Stored::None, 0, true, PromptAnswer::Yes, 1601, false, 0, false, false,
         kFailure},
        {"flags 1 without file", Stored::None, 1, true, PromptAnswer::Yes, 1601, false, 0, false,
         false, kFailure},
        {"flags 1 with file", Stored::Schedule, 1, true, PromptAnswer::Yes, 1601, true, 0, false,
         false, nullptr},
        {"flags 3 with file", Stored::Schedule, 3, true, PromptAnswer::Yes, 1601, true, 0, false,
         false, nullptr},
        {"flags 2 with file downloads but keeps the file", Stored::Schedule, 2, false,
         PromptAnswer::Yes, 1601, true, 1, false, false, nullptr},
        {"flags 3, declined", Stored::None, 3, true, PromptAnswer::No, 1601, false, 0, true, false,
         nullptr},
        {"flags 3, accepted", Stored::None, 3, true, PromptAnswer::Yes, 1601, true, 1, false, false,
         nullptr},
        {"flags 3, no question", Stored::None, 3, false, PromptAnswer::No, 1601, true, 1, false,
         false, nullptr},
        {"flags 3, not held", Stored::NotHeld, 3, true, PromptAnswer::Yes, 1601, false, 0, false,
         true, kFailure},
        {"round 0", Stored::None, 3, true, PromptAnswer::Yes, 0, false, 0, false, false, kFailure},
    };
    for (const GetCase& c : cases) {
        QDir(SysData() + QStringLiteral("/totoGOAL3_Schedule")).removeRecursively();
        clsSchedule schedule(Context());
        schedule.Initialize();
        clsXmlSchedule store{ProgramPaths(Root())};
        const QString path = store.GetFileName(1601, QString());
        if (c.stored == Stored::Schedule) {
            ScheduleRecord stored;
            ASSERT_TRUE(schedule.GetSchedule(1601, QString(), 2, false));
            stored = schedule.Schedule();
            stored.Slots[0].Stadium = stadium;
            store.SetSchedule(stored);
            ASSERT_TRUE(store.XmlSave(path));
        } else if (c.stored == Stored::NotHeld) {
            ASSERT_TRUE(store.XmlSave_NoGame(1601, QString()));
        }
        const QByteArray before = ReadBytes(path);
        const int requests = server.RequestCount();
        Answer(c.answer);
        log->messages.clear();

        EXPECT_EQ(schedule.GetSchedule(c.round, QString(), c.flags, c.ask), c.result) << c.name;
        EXPECT_EQ(server.RequestCount() - requests, c.requests) << c.name;
        EXPECT_EQ(schedule.Cancel(), c.cancel) << c.name;
        EXPECT_EQ(schedule.NoGame(), c.noGame) << c.name;
        EXPECT_FALSE(schedule.Unpublished()) << c.name;
        const bool asked = c.ask && c.stored == Stored::None && (c.flags & 2) != 0 && c.round > 0;
        EXPECT_EQ(prompt->AskCount(), asked ? 1 : 0) << c.name;
        if (asked) {
            EXPECT_EQ(prompt->LastText(),
                      "インターネットより 開催情報 をダウンロードします。よろしいですか？");
        }
        if (c.stored != Stored::None) {
            EXPECT_EQ(ReadBytes(path), before) << c.name << ": a stored file is never overwritten";
        } else {
            EXPECT_EQ(QFileInfo::exists(path), c.result) << c.name;
        }
        if (c.stored == Stored::Schedule && c.flags != 2) {
            EXPECT_EQ(schedule.Schedule().Slots[0].Stadium, stadium) << c.name;
        }
        if (!c.result) {
            schedule.FalseDialog(c.round);
        }
        if (c.dialog == nullptr) {
            EXPECT_TRUE(log->messages.empty()) << c.name;
        } else {
            ASSERT_EQ(log->messages.size(), 1u) << c.name;
            EXPECT_EQ(log->messages[0].text, c.dialog) << c.name;
            EXPECT_EQ(log->messages[0].title, " 開催情報") << c.name;
        }
    }
}

struct BadAnswerCase {
    const char* name;
    LoopbackServer::Route route;
    MessageIcon icon;
    const char* dialog;
};

// Broken answers end in the documented flag and message, and nothing reaches the store.
TEST_F(AcquisitionTest, BadAnswersWriteNothing) {
    const QByteArray page = FixturePage(QStringLiteral("schedule_1601.html"));
    LoopbackServer::Route huge;
    huge.mode = Mode::Endless;
    const BadAnswerCase cases[] = {
        {"empty answer", {Mode::Page, 200, "", true}, MessageIcon::Warning, kFailure},
        {"refused by a closed connection",
         {Mode::CloseAtOnce, 200, "", true},
         MessageIcon::Warning,
         kFailure},
        {"never answers",
         {Mode::Silent, 200, "", true},
         MessageIcon::Warning,
         "インターネットよりダウンロードに失敗しました。\r\n原因：サーバーが 2 秒以上応答しません"},
        {"a body without end", huge, MessageIcon::Warning,
         "インターネットよりダウンロードに失敗しました。\r\n原因：データが大きすぎます (16 MiB "
         "超)"},
        {"not valid UTF-8",
         {Mode::Page, 200, page + "\xff\xfe", true},
         MessageIcon::Warning,
         kFailure},
        {"page cut short",
         {Mode::Page, 200, page.left(page.indexOf("<td>19:00</td>")), true},
         MessageIcon::Warning,
         kFailure},
        {"page of another round",
         {Mode::Page, 200,
          Mutated(page, "第1601回 totoGOAL3くじ情報</h2>", "第1600回 totoGOAL3くじ情報</h2>"),
          true},
         MessageIcon::Warning,
         kFailure},
        {"not published",
         {Mode::Page, 200, "<body><p>ご指定のくじ情報は表示できません。</p></body>", true},
         MessageIcon::Information,
         "第1601回 開催情報は発表されていません。"},
        {"error page",
         {Mode::Page, 500, "<body><p>Server Error</p></body>", true},
         MessageIcon::Warning,
         "インターネットよりダウンロードに失敗しました。\r\n原因：サーバーがエラーを返しました "
         "(500)"},
    };
    for (const BadAnswerCase& c : cases) {
        server.SetRoute("/schedule?holdCntId=1601", c.route);
        clsSchedule schedule(Context());
        schedule.Initialize();
        EXPECT_FALSE(schedule.GetSchedule(1601, QString(), 3, false)) << c.name;
        log->messages.clear();
        schedule.FalseDialog(1601);
        ASSERT_EQ(log->messages.size(), 1u) << c.name;
        EXPECT_EQ(log->messages[0].icon, c.icon) << c.name;
        EXPECT_EQ(log->messages[0].text, c.dialog) << c.name;
        EXPECT_FALSE(QDir(SysData() + QStringLiteral("/totoGOAL3_Schedule")).exists()) << c.name;
    }
    AcquisitionContext context = Context();
    context.Settings.totoOfficialScheduleUrl =
        QStringLiteral("http://127.0.0.1:%1/schedule?holdCntId=").arg(LoopbackServer::ClosedPort());
    clsSchedule closed(context);
    closed.Initialize();
    EXPECT_FALSE(closed.GetSchedule(1601, QString(), 3, false));
    EXPECT_FALSE(QDir(SysData() + QStringLiteral("/totoGOAL3_Schedule")).exists());
}

TEST_F(AcquisitionTest, VoteSavesOnlyFinalCompleteFigures) {
    const QByteArray page = FixturePage(QStringLiteral("vote_1601.html"));
    struct VoteCase {
        const char* name;
        QByteArray page;
        QString group;
        bool result;
        bool saved;
    };
    const VoteCase cases[] = {
        {"interim figures", Mutated(page, "販売終了時点", "時点"), "", true, false},
        {"rates of 99.99", Mutated(page, "(17.16%)", "(17.15%)"), "", false, false},
        {"final figures", page, "", true, true},
        {"group A", page, "A", true, true},
    };
    for (const VoteCase& c : cases) {
        QDir(SysData() + QStringLiteral("/totoGOAL3_Vote")).removeRecursively();
        const QByteArray path = c.group.isEmpty()
                                    ? "/vote?holdCntId=1601&commodityId=02"
                                    : "/vote?holdCntId=1601&commodityId=02&commodityId=06";
        server.SetPage(path, c.page);
        clsVote vote(Context());
        vote.Initialize();
        const int requests = server.RequestCount();
        EXPECT_EQ(vote.GetVote(1601, c.group, 3, false), c.result) << c.name;
        EXPECT_EQ(vote.Vote().Kumi, c.group) << c.name;
        EXPECT_EQ(vote.CheckVoteFile(1601, c.group), c.saved) << c.name;
        // Without a saved file the next get downloads again.
        vote.GetVote(1601, c.group, 3, false);
        EXPECT_EQ(server.RequestCount() - requests, c.saved ? 1 : 2) << c.name;
    }
}

TEST_F(AcquisitionTest, ResultsAreSavedOnce) {
    struct ResultCase {
        const char* name;
        const char* fixture;
        bool cancelled;
    };
    const ResultCase cases[] = {
        {"played round", "result_1601.html", false},
        {"cancelled round", "result_cancelled.html", true},
    };
    for (const ResultCase& c : cases) {
        QDir(SysData() + QStringLiteral("/totoGOAL3_Result")).removeRecursively();
        QByteArray page = FixturePage(QString::fromLatin1(c.fixture));
        page.replace("第1602回", "第1601回");
        server.SetPage("/result?holdCntId=1601", page);
        clsResult result(Context());
        result.Initialize();
        EXPECT_TRUE(result.GetResult(1601, QString(), 3, false)) << c.name;
        EXPECT_EQ(result.Result().Cancelled, c.cancelled) << c.name;
        EXPECT_TRUE(result.CheckResultFile(1601, QString())) << c.name;
        clsXmlResult store{ProgramPaths(Root())};
        ASSERT_TRUE(store.XmlLoad(store.GetFileName(1601, QString()))) << c.name;
        EXPECT_EQ(store.Result().Cancelled, c.cancelled) << c.name;
        EXPECT_EQ(store.Result().Slots[5].Team, "セレッソ大阪") << c.name;
    }
}

TEST_F(AcquisitionTest, NotHeldMarkingAndStoredRounds) {
    clsSchedule schedule(Context());
    schedule.Initialize();
    EXPECT_TRUE(schedule.XmlSave_NoGame(1601, QString()));
    EXPECT_EQ(prompt->LastText(), "第1601 回を未開催に設定しますか？");
    EXPECT_FALSE(schedule.XmlSave_NoGame(1601, QString())); // a file exists already
    EXPECT_FALSE(schedule.GetSchedule(1601, QString(), 3, true));
    EXPECT_TRUE(schedule.NoGame());
    EXPECT_EQ(server.RequestCount(), 0);

    Answer(PromptAnswer::No);
    EXPECT_FALSE(schedule.XmlDelete_NoGame(1601, QString()));
    EXPECT_TRUE(schedule.CheckScheduleFile(1601, QString()));
    Answer(PromptAnswer::Yes);
    EXPECT_TRUE(schedule.XmlDelete_NoGame(1601, QString()));
    EXPECT_EQ(prompt->LastText(), "第1601 回の未開催を解除しますか？");
    EXPECT_FALSE(schedule.CheckScheduleFile(1601, QString()));
    EXPECT_FALSE(schedule.XmlDelete_NoGame(1601, QString()));

    const QString folder = SysData() + QStringLiteral("/totoGOAL3_Schedule/");
    for (const char* name : {"totogoal3_schedule_005.xml", "totogoal3_schedule_1234.xml",
                             "totogoal3_schedule_012_A.xml", "other_012.xml"}) {
        ASSERT_TRUE(TextFile::Write(folder + name, QStringLiteral("x\r\n")));
    }
    std::vector<int32_t> rounds;
    EXPECT_EQ(schedule.GetScheduleNo(rounds), 3);
    EXPECT_EQ(rounds, (std::vector<int32_t>{5, 12, 1234}));
}

TEST_F(AcquisitionTest, ArchivedVoteFileAndUninitialisedUse) {
    clsVote vote(Context());
    EXPECT_FALSE(vote.GetVote(1601, QString(), 3, false));
    EXPECT_FALSE(vote.Cancel());
    ASSERT_EQ(log->messages.size(), 2u);
    EXPECT_EQ(log->messages[0].text, "Initialize Err");
    EXPECT_EQ(log->messages[0].title, "Kestrel / clsVote / GetVote");
    EXPECT_EQ(log->messages[1].title, "Kestrel / clsVote / Cancel");
    vote.Initialize();

    const DateTime saleEnd = *DateTime::FromParts(2025, 5, 17);
    EXPECT_FALSE(vote.GetOldVoteFile(1555, saleEnd));
    clsXmlVote store{ProgramPaths(Root())};
    ASSERT_TRUE(store.XmlLoad(
        QStringLiteral(KESTREL_SOURCE_DIR "/data/SysData/totoGOAL3_Vote/totogoal3_vote_1555.xml")));
    ASSERT_TRUE(store.XmlSave(store.GetArchiveFileName(1555, saleEnd)));
    EXPECT_TRUE(vote.GetOldVoteFile(1555, saleEnd));
    EXPECT_EQ(vote.Vote().Kaisaikai, 1555);
    EXPECT_EQ(vote.Vote().Slots[0].Team, "鹿島アントラーズ");
}

} // namespace
} // namespace kestrel::test
