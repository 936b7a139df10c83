// kestrel-cli compress: the compression frame on a CSV list, the final list written as CSV.
#include "CliTestSupport.h"

#include <algorithm>

using namespace kestrel;
using namespace kestrel::test;

namespace {

const QString kTousenHead = QStringLiteral("MsTousen = ");

// The numbers of a "MsTousen = a,b,c,d,e,f" line.
std::vector<int> TousenNumbers(const QString& line) {
    std::vector<int> numbers;
    if (!line.startsWith(kTousenHead)) {
        return numbers;
    }
    for (const QString& field : line.mid(kTousenHead.size()).split(QLatin1Char(','))) {
        bool ok = false;
        numbers.push_back(field.toInt(&ok));
        EXPECT_TRUE(ok) << line.toStdString();
    }
    return numbers;
}

class CmdCompress : public CliTest {
protected:
    // 64 singles: slots 1..3 take every goal class, slots 4..6 class 0.
    std::vector<Row> Input() const {
        return Product({{{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}, {0}, {0}, {0}}});
    }
};

TEST_F(CmdCompress, FastMethodCoversTheInputAtOneDifference) {
    const std::vector<Row> input = Input();
    const QString in = WriteCsv("in.csv", input);
    const QString out = Path("out.csv");

    const CliRun run = Run({"compress", in, "-o", out, "--method", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::vector<Row> output = ReadCsv(out);
    ASSERT_FALSE(output.empty());
    EXPECT_LT(output.size(), input.size());
    EXPECT_TRUE(CoversAtDistanceOne(input, output));

    // The message log comes first, the hit figures of the result against the input last.
    const QStringList lines = run.OutLines();
    ASSERT_GE(lines.size(), 2) << run.out.toStdString();
    const std::vector<int> tousen = TousenNumbers(lines.last());
    ASSERT_EQ(tousen.size(), 6u) << lines.last().toStdString();
    EXPECT_EQ(tousen[0], 64);
    EXPECT_EQ(tousen[4], 64); // every input single is a 1st or 2nd grade hit
    EXPECT_EQ(tousen[5], 64);
    int inInput = 0;
    for (const Row& r : output) {
        inInput += std::find(input.begin(), input.end(), r) != input.end() ? 1 : 0;
    }
    EXPECT_EQ(tousen[1], inInput);
}

TEST_F(CmdCompress, MethodIsOneByDefaultAndTheSameSeedGivesTheSameList) {
    const QString in = WriteCsv("in.csv", Input());
    CliRun run = Run({"compress", in, "-o", Path("a.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_LT(ReadCsv(Path("a.csv")).size(), 64u);
    EXPECT_TRUE(CoversAtDistanceOne(Input(), ReadCsv(Path("a.csv"))));
    run = Run({"compress", in, "-o", Path("b.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadBytes(Path("a.csv")), ReadBytes(Path("b.csv")));
}

TEST_F(CmdCompress, StrongerMethodsCoverAndRepeatOnOneThread) {
    const std::vector<Row> input = Input();
    const QString in = WriteCsv("in.csv", input);
    for (const auto& [method, end, distance] :
         {std::tuple{"6", "16", 1}, std::tuple{"7", "4", 2}}) {
        SCOPED_TRACE(method);
        const QStringList args = {"--threads", "1",  "compress", in,  "--method", method,
                                  "--begin",   "20", "--end",    end, "-o"};
        const CliRun first = Run(args + QStringList{Path("a.csv")});
        ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
        const CliRun second = Run(args + QStringList{Path("b.csv")});
        ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
        EXPECT_EQ(ReadBytes(Path("a.csv")), ReadBytes(Path("b.csv")));
        const std::vector<Row> output = ReadCsv(Path("a.csv"));
        ASSERT_FALSE(output.empty());
        EXPECT_LE(output.size(), QString::fromLatin1(end).toULongLong());
        for (const Row& w : input) {
            const bool hit = std::any_of(output.begin(), output.end(), [&](const Row& c) {
                int differ = 0;
                for (size_t i = 0; i < w.size(); ++i) {
                    differ += w[i] != c[i] ? 1 : 0;
                }
                return differ <= distance;
            });
            EXPECT_TRUE(hit) << RowText(w).toStdString();
        }
        EXPECT_TRUE(first.out.contains(QStringLiteral("指定口数に達したので検索を終了します")));
    }
}

TEST_F(CmdCompress, AnEngineThatConfirmsNoSizeStillWritesACovering) {
    // The trial engine on the full list at grade 3 from 40 singles, one second per size: 40 is
    // out of its reach, so it confirms nothing and hands back the fast engine's covering.
    const std::vector<int> all = {0, 1, 2, 3};
    const std::vector<Row> input = Product({{all, all, all, all, all, all}});
    const QString in = WriteCsv("in.csv", input);
    const QString out = Path("out.csv");
    const CliRun run = Run({"--seed", "3", "compress", in, "-o", out, "--method", "4", "--begin",
                            "40", "--time", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("40を検索中...中断"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(
        QStringLiteral("確定した口数がないため高速検索エンジンの組み合わせを使います")));
    const std::vector<Row> output = ReadCsv(out);
    ASSERT_FALSE(output.empty());
    const std::vector<int> tousen = TousenNumbers(run.OutLines().last());
    ASSERT_EQ(tousen.size(), 6u);
    EXPECT_EQ(tousen[5], 4096); // every single of the full list is a hit of grade 3 or better
    EXPECT_TRUE(
        run.out.contains(QString::number(output.size()) + QStringLiteral("口 (下限 27口)")));
}

TEST_F(CmdCompress, MethodZeroKeepsTheList) {
    const std::vector<Row> input = {
        {3, 2, 1, 0, 3, 2}, {0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1}, {3, 2, 1, 0, 3, 2}};
    const QString in = WriteCsv("in.csv", input);
    const QString out = Path("out.csv");
    const CliRun run = Run({"compress", in, "-o", out, "--method", "0"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ReadCsv(out), input);
    EXPECT_EQ(ReadBytes(out), ReadBytes(in));
    const QStringList lines = run.OutLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("MsTousen ="))) << run.out.toStdString();
}

TEST_F(CmdCompress, BadArgumentsAreUsageErrorsAndWriteNothing) {
    const QString in = WriteCsv("in.csv", Input());
    const QString out = Path("out.csv");
    const QList<QStringList> calls = {
        {"compress", in},                             // no output
        {"compress", "-o", out},                      // no input
        {"compress", in, in, "-o", out},              // two inputs
        {"compress", in, "-o"},                       // -o without a file
        {"compress", in, "-o", out, "--method", "8"}, // no such method
        {"compress", in, "-o", out, "--method", "x"}, // not a number
        {"compress", in, "-o", out, "--begin", "0"},  // below the smallest count
        {"compress", in, "-o", out, "--frobnicate"},  // unknown option
        {"compress", in, "-o", out, "--extract", "5", "--extract-type", "1"}, // payout needs --vote
        {"compress", in, "-o", out, "--multi", "nonsense"},
    };
    for (const QStringList& args : calls) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(
            run.err.startsWith(QStringLiteral("usage: kestrel-cli compress IN.csv -o OUT.csv")))
            << args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out)) << args.join(' ').toStdString();
    }
}

TEST_F(CmdCompress, UnreadableInputFailsAndWritesNothing) {
    const QString out = Path("out.csv");
    CliRun run = Run({"compress", Path("missing.csv"), "-o", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_FALSE(run.out.contains(kTousenHead));

    // A goal class outside 0..3 fails the load.
    const QString bad = WriteFile("bad.csv", "0,0,0,0,0,0\r\n0,0,4,0,0,0\r\n");
    run = Run({"compress", bad, "-o", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(out));

    const QString vote = Path("missing_vote.xml");
    run = Run({"compress", WriteCsv("in.csv", Input()), "-o", out, "--vote", vote});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(out));
}

} // namespace
