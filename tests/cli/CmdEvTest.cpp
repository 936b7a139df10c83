// kestrel-cli ev: expected payout, P1, P2 and expected return of a list, per single on request.
#include "CliTestSupport.h"
#include "core/ExpectedValue.h"
#include "documents/clsTFileTPD.h"
#include "store/clsXmlVote.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

class CmdEv : public CliTest {
protected:
    QString VoteFile() const {
        return Root() + QStringLiteral("/SysData/totoGOAL3_Vote/totogoal3_vote_1555.xml");
    }
    VoteRecord Vote() const {
        clsXmlVote store(Paths());
        EXPECT_TRUE(store.XmlLoad(VoteFile()));
        return store.Vote();
    }
    static PlayerOdds Odds() {
        return PlayerOdds(PlayerOdds::Table{{{10, 40, 30, 20},
                                             {25, 25, 25, 25},
                                             {60, 5, 20, 15},
                                             {30, 30, 30, 10},
                                             {1, 2, 3, 94},
                                             {40, 30, 20, 10}}});
    }
    // The four lines the command prints for the list, from the library.
    static QStringList Expected(const VoteRecord& vote, const PlayerOdds& odds,
                                const std::vector<int32_t>& list, double price) {
        ExpectedValue ev;
        ev.Set(vote, odds, price);
        const ListExpectation f = ev.ForList(list);
        return {"TotalExpected = " + QString::number(f.Expected, 'f', 4),
                "P1 = " + QString::number(f.P1 * 100, 'f', 6),
                "P2 = " + QString::number(f.P2 * 100, 'f', 6),
                "ReturnPercent = " + QString::number(f.ReturnPercent, 'f', 4)};
    }
};

const std::vector<Row> kRows = {{0, 1, 2, 3, 0, 1}, {1, 1, 1, 1, 1, 1}, {0, 1, 2, 3, 0, 1}};
const std::vector<int32_t> kList = {0 + 4 * 1 + 16 * 2 + 64 * 3 + 1024 * 1, 1365,
                                    0 + 4 * 1 + 16 * 2 + 64 * 3 + 1024 * 1};

TEST_F(CmdEv, CsvListWithVoteAndOddsFilesAndTheConfiguredPrice) {
    const QString list = WriteCsv("list.csv", kRows);
    const QString odds = WriteFile("odds.csv", Odds().ToText().toLatin1());
    CliRun run = Run({"ev", list, "--vote", VoteFile(), "--odds", odds});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.OutLines(), Expected(Vote(), Odds(), kList, 100.0));

    // Without odds the vote rates serve; the price comes from Expectation.ini.
    WriteFile("root/SysData/Expectation.ini", "TicketPrice = 250\r\n");
    run = Run({"ev", list, "--vote", VoteFile(), "--per-single"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.OutLines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines.mid(3), Expected(Vote(), PlayerOdds::FromVote(Vote()), kList, 250.0));
    ExpectedValue ev;
    ev.Set(Vote(), PlayerOdds::FromVote(Vote()), 250.0);
    EXPECT_EQ(lines[1],
              "1,1,1,1,1,1\tExpected = " + QString::number(ev.SingleExpected(1365), 'f', 4) +
                  "\tReturnPercent = " + QString::number(ev.SingleReturnPercent(1365), 'f', 4));
}

TEST_F(CmdEv, DataFileUsesItsOwnVoteAndOddsUnlessOddsAreGiven) {
    DocumentRecord doc;
    doc.Kaisaikai = 1555;
    doc.Vote = Vote();
    doc.Singles = kList;
    doc.Odds = Odds();
    const QString path = Path("doc.tpd");
    ASSERT_TRUE(clsTFileTPD().Save(path, true, doc));
    CliRun run = Run({"ev", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.OutLines(), Expected(doc.Vote, Odds(), kList, 100.0));

    PlayerOdds even;
    const QString odds = WriteFile("even.csv", even.ToText().toLatin1());
    run = Run({"ev", path, "--odds", odds});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.OutLines(), Expected(doc.Vote, even, kList, 100.0));
}

TEST_F(CmdEv, BadInputsFailAndWrongArgumentsAreUsageErrors) {
    const QString list = WriteCsv("list.csv", kRows);
    const QString bad = WriteFile("bad.csv", "50,50,0,0\r\n");
    CliRun run = Run({"ev", list, "--vote", VoteFile(), "--odds", bad});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("予想確率は6行"))) << run.err.toStdString();
    EXPECT_EQ(Run({"ev", list, "--vote", Path("none.xml")}).exitCode, 1);
    EXPECT_EQ(Run({"ev", list}).exitCode, 2);
    EXPECT_EQ(Run({"ev", Path("x.tpd"), "--vote", VoteFile()}).exitCode, 2);
    EXPECT_EQ(Run({"ev", list, "--vote", VoteFile(), "--bogus"}).exitCode, 2);
}

} // namespace
