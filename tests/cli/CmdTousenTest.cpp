// kestrel-cli tousen: hit counts of a list against candidates and the five percentage rows.
#include "CliTestSupport.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

class CmdTousen : public CliTest {};

TEST_F(CmdTousen, PrintsHitCountsAndTruncatedPercentages) {
    // Against the list {000000}: one candidate equal (1st), two at one difference (2nd), three
    // at two differences (3rd) and one further away.
    const QString candidates = WriteCsv("candidates.csv", {{0, 0, 0, 0, 0, 0},
                                                           {1, 0, 0, 0, 0, 0},
                                                           {0, 0, 0, 0, 0, 3},
                                                           {1, 1, 0, 0, 0, 0},
                                                           {0, 2, 0, 3, 0, 0},
                                                           {0, 0, 0, 0, 1, 1},
                                                           {3, 3, 3, 3, 3, 3}});
    const QString list = WriteCsv("list.csv", {{0, 0, 0, 0, 0, 0}});

    const CliRun run = Run({"tousen", candidates, list});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    // 1/7, 2/7, 3/7, 3/7 and 6/7 are cut (not rounded) to hundredths: 42.857 shows 42.85.
    EXPECT_EQ(run.out, QStringLiteral("MsTousen = 7,1,2,3,3,6\n"
                                      " 1 等確率\t  14.28%\n"
                                      " 2 等確率\t  28.57%\n"
                                      " 3 等確率\t  42.85%\n"
                                      "1-2等確率\t  42.85%\n"
                                      "1-3等確率\t  85.71%\n"));
}

TEST_F(CmdTousen, FullHitsShowOneHundredPercentAndEmptyCandidatesShowDashes) {
    // A repeated list single adds nothing; the candidate 0,0,0,0,0,1 is both 1st (in the list)
    // and 2nd (one difference from 000000).
    const QString candidates = WriteCsv("candidates.csv", {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 1}});
    const QString list =
        WriteCsv("list.csv", {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0}});
    CliRun run = Run({"tousen", candidates, list});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("MsTousen = 2,2,2,0,2,2\n"
                                      " 1 等確率\t 100.00%\n"
                                      " 2 等確率\t 100.00%\n"
                                      " 3 等確率\t   0.00%\n"
                                      "1-2等確率\t 100.00%\n"
                                      "1-3等確率\t 100.00%\n"));

    const QString none = WriteFile("none.csv", "no singles here\r\n");
    run = Run({"tousen", none, list});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("MsTousen = 0,0,0,0,0,0\n"
                                      " 1 等確率\t ---.--%\n"
                                      " 2 等確率\t ---.--%\n"
                                      " 3 等確率\t ---.--%\n"
                                      "1-2等確率\t ---.--%\n"
                                      "1-3等確率\t ---.--%\n"));
}

TEST_F(CmdTousen, MissingFilesFailAndWrongArgumentCountsAreUsageErrors) {
    const QString list = WriteCsv("list.csv", {{0, 0, 0, 0, 0, 0}});
    CliRun run = Run({"tousen", Path("missing.csv"), list});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(run.err.isEmpty());
    run = Run({"tousen", list, Path("missing.csv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());

    run = Run({"tousen", list});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(
        run.err.startsWith(QStringLiteral("usage: kestrel-cli tousen CANDIDATES.csv LIST.csv")));
    run = Run({"tousen", list, list, list});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
}

} // namespace
