// kestrel-cli show: prints a round's stored record as its store writes it.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "../store/StoreTestSupport.h"
#include "CliRunner.h"
#include "platform/TextCodec.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

class CmdShow : public ::testing::Test {
protected:
    void SetUp() override { ExpectCliBuilt(); }
    CliRun Run(const QStringList& args) const {
        return RunCli(QStringList{QStringLiteral("--root"), root.Root()} + args);
    }
    // Places a golden file at a store path below the temporary root.
    void Place(const char* golden, const QString& storePath) const {
        ASSERT_TRUE(ProgramPaths::EnsureFolder(QFileInfo(root.SysData(storePath)).path()));
        ASSERT_TRUE(WriteBytes(root.SysData(storePath), ReadBytes(DataPath(golden))));
    }
    static QByteArray Utf8Of(const char* golden) {
        return TextCodec::DecodeCp932(ReadBytes(DataPath(golden))).toUtf8();
    }
    TempRoot root;
};

TEST_F(CmdShow, PrintsEachKindAsItsStoreWritesIt) {
    Place("vote_012_B.xml", QStringLiteral("totoGOAL3_Vote/totogoal3_vote_012_B.xml"));
    Place("result_007_A_cancelled.xml",
          QStringLiteral("totoGOAL3_Result/totogoal3_result_007_A.xml"));
    Place("schedule_007_nogame.xml",
          QStringLiteral("totoGOAL3_Schedule/totogoal3_schedule_007.xml"));
    Place("schedule_1555.xml", QStringLiteral("totoGOAL3_Schedule/totogoal3_schedule_1555.xml"));

    CliRun run = Run({"show", "vote", "12", "--group", "B"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.outBytes, Utf8Of("vote_012_B.xml"));
    run = Run({"show", "result", "7", "--group", "A"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.outBytes, Utf8Of("result_007_A_cancelled.xml"));
    run = Run({"show", "schedule", "7"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.outBytes, Utf8Of("schedule_007_nogame.xml"));
    run = Run({"show", "schedule", "1555"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.outBytes, Utf8Of("schedule_1555.xml"));
}

TEST_F(CmdShow, MissingOrBrokenFilesFailWithTheirMessage) {
    CliRun run = Run({"show", "vote", "12"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QStringLiteral("totogoal3_vote_012.xml")))
        << run.err.toStdString();

    Place("broken/misspelled_close.xml",
          QStringLiteral("totoGOAL3_Schedule/totogoal3_schedule_1555.xml"));
    run = Run({"show", "schedule", "1555"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QStringLiteral("XMLデータが異常です。"))) << run.err.toStdString();
}

TEST_F(CmdShow, BadArgumentsAreUsageErrors) {
    for (const QStringList& args :
         {QStringList{"show"}, QStringList{"show", "votes", "12"}, QStringList{"show", "vote", "x"},
          QStringList{"show", "vote", "12", "--group"},
          QStringList{"show", "vote", "12", "-g", "A"}}) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: kestrel-cli show")));
    }
}

} // namespace
