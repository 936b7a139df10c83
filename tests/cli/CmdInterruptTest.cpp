// kestrel-cli on damaged data files and under Ctrl+C.
#include "CliTestSupport.h"

#include <csignal>

using namespace kestrel;
using namespace kestrel::test;

namespace {

class CmdDamaged : public CliTest {};

// A data file cut short is refused by every command that reads one; nothing is written over it
// and the message names the file and the line.
TEST_F(CmdDamaged, CutFileIsRefusedByEveryCommand) {
    const QByteArray whole = ReadBytes(Fixture("small_multi.tpd"));
    const QString csv = Path("out.csv");
    const std::pair<const char*, QStringList> commands[] = {
        {"tpd2csv", {"tpd2csv", "%1", "-o", csv}},
        {"grade", {"grade", "%1"}},
        {"search", {"search", "%1"}},
        {"batch", {"batch", "%1"}},
    };
    for (const auto& [name, pattern] : commands) {
        SCOPED_TRACE(name);
        const QString in = WriteFile(QStringLiteral("cut.tpd"), whole.left(whole.size() * 3 / 5));
        const QByteArray before = ReadBytes(in);
        QStringList args;
        for (const QString& a : pattern) {
            args << (a == QLatin1String("%1") ? in : a);
        }
        const CliRun run = Run(args);
        EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
        EXPECT_EQ(ReadBytes(in), before);
        EXPECT_FALSE(QFileInfo::exists(csv));
        EXPECT_TRUE(run.err.contains(QStringLiteral("ファイルの読込に失敗しました。")))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(in + QStringLiteral(": "))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("行目"))) << run.err.toStdString();
    }
}

class CmdInterrupt : public CliTest {};

// A trial search without a time limit runs until stopped: Ctrl+C presses stop, the confirmed
// result is saved and the exit status is 130.
TEST_F(CmdInterrupt, CtrlCStopsATrialSearchAndSavesIt) {
    WorkingDocument doc;
    ASSERT_TRUE(LoadDocument(Fixture("small_multi.tpd"), doc));
    doc.Record.Settings.MsEngine = 2;
    doc.Record.Settings.EndTime = 0;
    doc.Record.Settings.EndCount = 1;
    const QString in = Path("endless.tpd");
    ASSERT_TRUE(FileSaveTPD(doc, in, true));

    QProcess process;
    process.start(CliPath(), {"--root", Root(), "--seed", "1", "search", in});
    ASSERT_TRUE(process.waitForStarted(10000));
    // Still running after six seconds: the engine has confirmed its first coverings and searches
    // for one of size 1, which does not exist. (The command prints nothing before it ends, so
    // the wait is long enough for a slow sanitizer build to get past the reduction.)
    ASSERT_FALSE(process.waitForFinished(6000)) << process.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130) << process.readAllStandardError().toStdString();

    WorkingDocument saved;
    ASSERT_TRUE(LoadDocument(in, saved));
    ASSERT_GT(saved.Record.SingleCount(), 0);
    EXPECT_LE(saved.Record.SingleCount(), 18);
    EXPECT_TRUE(CoversAtDistanceOne(Product({{{0, 1, 2}, {0, 1, 2}, {0, 1}, {0}, {0}, {0}}}),
                                    RowsOfSingles(saved.Record.Singles)));
}

} // namespace
