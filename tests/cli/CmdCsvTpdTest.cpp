// kestrel-cli csv2tpd and tpd2csv: a CSV list into a new data file and back.
#include <QRegularExpression>

#include "CliTestSupport.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

class CmdCsvTpd : public CliTest {
protected:
    // Unsorted, with a repeat: the list must come back exactly as given.
    const std::vector<Row> m_rows = {{3, 3, 3, 3, 3, 3}, {0, 1, 2, 3, 0, 1}, {0, 0, 0, 0, 0, 0},
                                     {2, 0, 1, 0, 0, 3}, {0, 1, 2, 3, 0, 1}, {1, 0, 0, 0, 0, 0}};
};

TEST_F(CmdCsvTpd, RoundTripKeepsSinglesAndOrderAndTakesTheRoundFromTheName) {
    const QString csv = WriteCsv("KST-045.csv", m_rows);
    const QString tpd = Path("doc.tpd");
    CliRun run = Run({"csv2tpd", csv, "-o", tpd});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());

    const QStringList lines = ReadTpdLines(tpd);
    EXPECT_TRUE(lines.contains(QStringLiteral("Kaisaikai = 45")));
    EXPECT_TRUE(lines.contains(QStringLiteral("SingleCount = 6")));

    WorkingDocument doc;
    ASSERT_TRUE(LoadDocument(tpd, doc));
    EXPECT_EQ(doc.Record.Kaisaikai, 45);
    EXPECT_EQ(RowsOfSingles(doc.Record.Singles), m_rows);

    const QString back = Path("back.csv");
    run = Run({"tpd2csv", tpd, "-o", back});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadCsv(back), m_rows);
    EXPECT_EQ(ReadBytes(back), ReadBytes(csv));
}

TEST_F(CmdCsvTpd, GroupsJ1AndJ2TakeTheTeamsOfTheRoundsSchedule) {
    // Round 1555 of the bundled data: all six teams play in J1 that year.
    const QString tpd = Path("doc.tpd");
    const CliRun run = Run({"csv2tpd", WriteCsv("KST-1555.csv", m_rows), "-o", tpd});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = ReadTpdLines(tpd);
    for (const char* start :
         {"Honmei.1 = 1|1|6|6|111111|", "Honmei.2 = 1|1|6|6|000000|", "Ninki.1 = 1|1|4|4|111111|",
          "Ninki.2 = 1|1|4|4|000000|", "Mark.1 = 1|1|4|4|111111|", "Mark.2 = 1|1|4|4|000000|"}) {
        EXPECT_EQ(lines.filter(QRegularExpression("^" + QRegularExpression::escape(start))).size(),
                  1)
            << start;
    }
}

TEST_F(CmdCsvTpd, NameWithoutRoundGivesRoundZero) {
    const QString csv = WriteCsv("list.csv", m_rows);
    const QString tpd = Path("doc.tpd");
    const CliRun run = Run({"csv2tpd", csv, "-o", tpd});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(ReadTpdLines(tpd).contains(QStringLiteral("Kaisaikai = 0")));
}

TEST_F(CmdCsvTpd, EmptyListSurvivesTheRoundTrip) {
    const QString csv = WriteFile("KST-012.csv", "");
    const QString tpd = Path("doc.tpd");
    CliRun run = Run({"csv2tpd", csv, "-o", tpd});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(ReadTpdLines(tpd).contains(QStringLiteral("SingleCount = 0")));
    run = Run({"tpd2csv", tpd, "-o", Path("back.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Path("back.csv")));
    EXPECT_TRUE(ReadCsv(Path("back.csv")).empty());
}

TEST_F(CmdCsvTpd, UnreadableInputsFailAndWriteNothing) {
    const QString tpd = Path("doc.tpd");
    CliRun run = Run({"csv2tpd", Path("missing.csv"), "-o", tpd});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(tpd));

    const QString bad = WriteFile("KST-001.csv", "0,0,0,0,0,9\r\n");
    run = Run({"csv2tpd", bad, "-o", tpd});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(tpd));

    const QString csv = Path("out.csv");
    run = Run({"tpd2csv", Path("missing.tpd"), "-o", csv});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(csv));

    const QString garbage = WriteFile("garbage.tpd", "this is not a data file\r\n");
    run = Run({"tpd2csv", garbage, "-o", csv});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(csv));
}

TEST_F(CmdCsvTpd, WrongArgumentsAreUsageErrors) {
    const QString csv = WriteCsv("list.csv", m_rows);
    for (const QStringList& args : QList<QStringList>{{"csv2tpd", csv},
                                                      {"csv2tpd", csv, Path("x.tpd")},
                                                      {"csv2tpd", csv, "-x", Path("x.tpd")},
                                                      {"tpd2csv", csv},
                                                      {"tpd2csv", csv, "-o", "a", "b"}}) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("usage: kestrel-cli ") + args[0] + " "))
            << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(Path("x.tpd")));
}

} // namespace

namespace {

class CliWriteFailure : public CliTest {};

// An output below a plain file cannot be written: every writing command fails with exit 1 and
// a message, and leaves its input as it was.
TEST_F(CliWriteFailure, UnwritableOutputsFailWithExitOne) {
    const QString csv = WriteCsv("list.csv", {{0, 0, 0, 0, 0, 0}, {1, 2, 3, 0, 1, 2}});
    const QString tpd = CopyFixture("small_multi.tpd", "in.tpd");
    const QByteArray tpdBytes = ReadBytes(tpd);
    const QString blocked = csv + "/sub/";
    const QList<QStringList> calls = {
        {"csv2tpd", csv, "-o", blocked + "out.tpd"},
        {"tpd2csv", tpd, "-o", blocked + "out.csv"},
        {"compress", csv, "-o", blocked + "out.csv"},
        {"search", tpd, "-o", blocked + "out.tpd"},
    };
    for (const QStringList& args : calls) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_EQ(ReadBytes(tpd), tpdBytes);
    EXPECT_EQ(ReadCsv(csv).size(), 2u);
}

} // namespace
