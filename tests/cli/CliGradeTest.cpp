#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CliRunner.h"
#include "MessageCollector.h"
#include "documents/clsTFileTPD.h"

using namespace kestrel;

namespace {

using test::CliRun;
using test::RunCli;

// A root with the demo round's stored result (round 1555: classes 2, 1, 3, 1, 0, 0) and a
// document of that round holding the given singles.
class CliGrade : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(test::ExpectCliBuilt());
        ASSERT_TRUE(dir.isValid());
        const QString folder = dir.path() + "/SysData/totoGOAL3_Result";
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KESTREL_SOURCE_DIR "/data/SysData/totoGOAL3_Result/"
                                                                  "totogoal3_result_1555.xml"),
                                folder + "/totogoal3_result_1555.xml"));
    }

    QString Document(int32_t round, std::vector<int32_t> singles) {
        DocumentRecord doc;
        doc.Kaisaikai = round;
        doc.Singles = std::move(singles);
        const QString path = dir.path() + "/doc.tpd";
        clsTFileTPD file;
        EXPECT_TRUE(file.Save(path, true, doc));
        return path;
    }

    QTemporaryDir dir;
    test::CollectedMessages messages;
};

// 118 is the exact result, 1142 differs in team 6, 0 is right in teams 5 and 6 only.
const std::vector<int32_t> kList = {118, 118, 1142, 0};

} // namespace

TEST_F(CliGrade, FullResultPrintsGradesAndConfirmedPayouts) {
    const CliRun run = RunCli({"--root", dir.path(), "grade", Document(1555, kList)});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "1等\t2\t50%\n"
                       "2等\t1\t25%\n"
                       "3等\t0\t0%\n"
                       "4等\t0\t0%\n"
                       "5等\t1\t25%\n"
                       "6等\t0\t0%\n"
                       "7等\t0\t0%\n"
                       "\t当せん金\t当せん口数\t繰越金\t当せん口数\t当せん金額\n"
                       "1等\t279,120 \t23 \t0 \t2 \t558,240 \n"
                       "2等\t6,670 \t412 \t0 \t1 \t6,670 \n"
                       "合計\t9,167,800 \t435 \t0 \t3 \t564,910 \n");
}

TEST_F(CliGrade, PartialRevealLeavesThePayoutTableBlank) {
    const CliRun run =
        RunCli({"--root", dir.path(), "grade", Document(1555, kList), "--reveal", "2"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "1等\t3\t75%\n"
                       "2等\t0\t0%\n"
                       "3等\t1\t25%\n"
                       "4等\t0\t0%\n"
                       "5等\t0\t0%\n"
                       "6等\t0\t0%\n"
                       "7等\t0\t0%\n"
                       "\t当せん金\t当せん口数\t繰越金\t当せん口数\t当せん金額\n"
                       "1等\t\t\t\t\t\n"
                       "2等\t\t\t\t\t\n"
                       "合計\t\t\t\t\t\n");
}

TEST_F(CliGrade, RoundWithoutStoredResultGradesEverySingleFirst) {
    const CliRun run = RunCli({"--root", dir.path(), "grade", Document(1600, kList)});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("1等\t4\t100%\n2等\t0\t0%\n")) << run.out.toStdString();

    // The given result file applies whatever the document's round.
    const QString xml = dir.path() + "/SysData/totoGOAL3_Result/totogoal3_result_1555.xml";
    const CliRun given =
        RunCli({"--root", dir.path(), "grade", Document(1600, kList), "--result", xml});
    EXPECT_EQ(given.exitCode, 0);
    EXPECT_TRUE(given.out.startsWith("1等\t2\t50%\n")) << given.out.toStdString();
}

TEST_F(CliGrade, UsageAndLoadErrors) {
    EXPECT_EQ(RunCli({"--root", dir.path(), "grade"}).exitCode, 2);
    EXPECT_EQ(RunCli({"--root", dir.path(), "grade", "x.tpd", "--reveal", "7"}).exitCode, 2);
    EXPECT_EQ(RunCli({"--root", dir.path(), "grade", "x.tpd", "--bogus"}).exitCode, 2);
    const CliRun missing = RunCli({"--root", dir.path(), "grade", dir.path() + "/none.tpd"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.isEmpty());

    QFile other(dir.path() + "/other.tpd");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("just some text\r\n");
    other.close();
    const CliRun wrong = RunCli({"--root", dir.path(), "grade", other.fileName()});
    EXPECT_EQ(wrong.exitCode, 1);

    const CliRun badResult = RunCli(
        {"--root", dir.path(), "grade", Document(1555, kList), "--result", dir.path() + "/no.xml"});
    EXPECT_EQ(badResult.exitCode, 1);
    EXPECT_TRUE(badResult.out.isEmpty());
}
