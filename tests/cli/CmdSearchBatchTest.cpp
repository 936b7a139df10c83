// kestrel-cli search and batch: a data file searched, saved and reported.
#include "CliTestSupport.h"

#include <QRegularExpression>
#include <algorithm>

using namespace kestrel;
using namespace kestrel::test;

namespace {

// small_multi.tpd marks slot 1 and 2 with classes 0,1,2, slot 3 with 0,1 and the other slots
// with class 0 only (18 singles), passes every condition and compresses with method 1.
std::vector<Row> SmallMulti() {
    return Product({{{0, 1, 2}, {0, 1, 2}, {0, 1}, {0}, {0}, {0}}});
}

// The count of the closing "該当するパターンは N 存在します" line (after the four-digit seconds
// stamp of the log); -1 when it is not there.
int PatternCount(const QString& line) {
    static const QRegularExpression re(
        QStringLiteral("^[0-9]{4} 該当するパターンは ([0-9,]+) 存在します$"));
    const QRegularExpressionMatch m = re.match(line);
    return m.hasMatch() ? m.captured(1).remove(QLatin1Char(',')).toInt() : -1;
}

class CmdSearch : public CliTest {};

TEST_F(CmdSearch, SearchesSavesAndReportsTheDocument) {
    const QString in = CopyFixture("small_multi.tpd", "in.tpd");
    const QByteArray before = ReadBytes(in);
    const QString out = Path("out.tpd");

    const CliRun run = Run({"search", in, "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.OutLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("マルチ総数：18"))) << run.out.toStdString();
    ASSERT_FALSE(lines.isEmpty());
    const int reported = PatternCount(lines.last());
    ASSERT_GT(reported, 0) << lines.last().toStdString();

    // -o leaves the input as it was.
    EXPECT_EQ(ReadBytes(in), before);

    WorkingDocument doc;
    ASSERT_TRUE(LoadDocument(out, doc));
    EXPECT_EQ(doc.Record.SingleCount(), reported);
    EXPECT_EQ(doc.Record.MsSingleCount, reported);
    EXPECT_LT(reported, 18);
    EXPECT_TRUE(CoversAtDistanceOne(SmallMulti(), RowsOfSingles(doc.Record.Singles)));
    EXPECT_TRUE(std::is_sorted(doc.Record.Singles.begin(), doc.Record.Singles.end()));
    // The saved report is what was printed.
    EXPECT_EQ(ReportLines(doc.Record), lines);
}

TEST_F(CmdSearch, WithoutOutputTheInputIsRewritten) {
    const QString in = CopyFixture("small_multi.tpd", "in.tpd");
    const CliRun run = Run({"search", in});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    WorkingDocument doc;
    ASSERT_TRUE(LoadDocument(in, doc));
    EXPECT_EQ(doc.Record.SingleCount(),
              PatternCount(run.OutLines().value(run.OutLines().size() - 1)));
    EXPECT_GT(doc.Record.SingleCount(), 0);
}

TEST_F(CmdSearch, StoppedBeforeAnySingleKeepsTheSavedFile) {
    const QString in = CopyFixture("small_multi.tpd", "in.tpd");
    ASSERT_EQ(Run({"search", in}).exitCode, 0);
    const QByteArray searched = ReadBytes(in);

    const CliRun run = Run({"search", in, "--stop-after", "0"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.OutLines().contains(QStringLiteral("実行がキャンセルされました")))
        << run.out.toStdString();
    EXPECT_FALSE(run.err.isEmpty());
    // The list found by the first search is still in the file.
    EXPECT_EQ(ReadBytes(in), searched);
    WorkingDocument doc;
    ASSERT_TRUE(LoadDocument(in, doc));
    EXPECT_GT(doc.Record.SingleCount(), 0);
}

TEST_F(CmdSearch, DocumentFromCsvWithoutMarksFindsNothing) {
    // csv2tpd makes a new document: no marked cell, so the search has no single to keep.
    const QString csv = WriteCsv("KST-045.csv", {{0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1}});
    const QString tpd = Path("doc.tpd");
    ASSERT_EQ(Run({"csv2tpd", csv, "-o", tpd}).exitCode, 0);
    const CliRun run = Run({"search", tpd});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.OutLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("マルチ総数：0"))) << run.out.toStdString();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]{4} 該当するパターンは存在しません$"))
                    .match(lines.last())
                    .hasMatch())
        << lines.last().toStdString();
    WorkingDocument doc;
    ASSERT_TRUE(LoadDocument(tpd, doc));
    EXPECT_EQ(doc.Record.SingleCount(), 0);
}

TEST_F(CmdSearch, UnreadableDocumentsFailAndUsageErrorsExitTwo) {
    CliRun run = Run({"search", Path("missing.tpd"), "-o", Path("out.tpd")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(Path("out.tpd")));
    const QString garbage = WriteFile("garbage.tpd", "this is not a data file\r\n");
    run = Run({"search", garbage, "-o", Path("out.tpd")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(Path("out.tpd")));

    const QString in = CopyFixture("small_multi.tpd", "in.tpd");
    for (const QStringList& args : QList<QStringList>{{"search", in, "-o"},
                                                      {"search", in, "--stop-after", "-1"},
                                                      {"search", in, "--stop-after", "x"},
                                                      {"search", in, in},
                                                      {"search", "-o", Path("out.tpd")}}) {
        run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("usage: kestrel-cli search IN.tpd")))
            << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(Path("out.tpd")));
}

class CmdBatch : public CliTest {};

TEST_F(CmdBatch, ReportsEachFileAndFailsWhenOneFails) {
    const QString good = CopyFixture("small_multi.tpd", "good.tpd");
    const QString broken = WriteFile("broken.tpd", "this is not a data file\r\n");
    const QByteArray brokenBytes = ReadBytes(broken);

    const CliRun run = Run({"batch", good, broken});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(run.out, QFileInfo(good).absoluteFilePath() + "\t成功\n" +
                           QFileInfo(broken).absoluteFilePath() + "\t失敗\n");

    // The good file was searched and saved in place; the broken one is untouched.
    WorkingDocument doc;
    ASSERT_TRUE(LoadDocument(good, doc));
    EXPECT_GT(doc.Record.SingleCount(), 0);
    EXPECT_LT(doc.Record.SingleCount(), 18);
    EXPECT_TRUE(CoversAtDistanceOne(SmallMulti(), RowsOfSingles(doc.Record.Singles)));
    const QStringList report = ReportLines(doc.Record);
    ASSERT_FALSE(report.isEmpty());
    EXPECT_EQ(PatternCount(report.last()), doc.Record.SingleCount());
    EXPECT_EQ(ReadBytes(broken), brokenBytes);
}

TEST_F(CmdBatch, AllGoodExitsZeroAndMissingFilesFail) {
    const QString a = CopyFixture("small_multi.tpd", "a.tpd");
    const QString b = CopyFixture("small_multi.tpd", "b.tpd");
    CliRun run = Run({"batch", a, b});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QFileInfo(a).absoluteFilePath() + "\t成功\n" +
                           QFileInfo(b).absoluteFilePath() + "\t成功\n");

    const QString missing = Path("missing.tpd");
    run = Run({"batch", missing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, missing + "\t失敗\n");
    EXPECT_FALSE(QFileInfo::exists(missing));
}

} // namespace
