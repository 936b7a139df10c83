// kestrel-cli as a whole: version, help and the exit status of calls it cannot serve.
#include "CliTestSupport.h"

#include <iterator>

#include "platform/Version.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

const char* const kCommandNames[] = {"version", "show",    "tousen",  "grade",    "search", "batch",
                                     "csv2tpd", "tpd2csv", "compress", "ev",     "watch"};

class CliGeneral : public CliTest {};

TEST_F(CliGeneral, VersionPrintsTheProgramVersion) {
    CliRun run = Run({"version"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Kestrel ") + VersionText() + "\n");

    run = Run({"version", "extra"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("usage: kestrel-cli version")))
        << run.err.toStdString();
}

TEST_F(CliGeneral, HelpListsEveryCommandOnStdout) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QStringList lines = run.OutLines();
    ASSERT_GE(lines.size(), 3 + static_cast<int>(std::size(kCommandNames)));
    EXPECT_EQ(lines[0], QStringLiteral("Kestrel ") + VersionText());
    EXPECT_EQ(
        lines[1],
        QStringLiteral("usage: kestrel-cli [--root DIR] [--seed N] [--threads N] COMMAND [ARGS]"));
    EXPECT_EQ(lines[2], QStringLiteral("commands:"));
    for (const char* name : kCommandNames) {
        bool listed = false;
        for (int i = 3; i < lines.size(); ++i) {
            listed = listed || lines[i].startsWith(QStringLiteral("  ") + name + " ") ||
                     lines[i] == QStringLiteral("  ") + name;
        }
        EXPECT_TRUE(listed) << name;
    }
    EXPECT_TRUE(run.out.contains(QStringLiteral("  tousen CANDIDATES.csv LIST.csv\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("  batch FILE.tpd... [--stop-after S]\n")));
}

TEST_F(CliGeneral, UnknownCommandsAndBadOptionsAreUsageErrors) {
    const QList<QStringList> calls = {
        {"frobnicate"},
        {"--root", Root(), "frobnicate", "x"},
        {},
        {"--root", Root()},
        {"--root"},
        {"--seed", "abc", "version"},
        {"--bogus", "version"},
        {"--threads", "0", "version"},
        {"--threads", "x", "version"},
        {"--threads"},
    };
    for (const QStringList& args : calls) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        // The help goes to stderr instead.
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: kestrel-cli")))
            << args.join(' ').toStdString();
    }
}

TEST_F(CliGeneral, EveryCommandRejectsMissingArgumentsWithItsUsage) {
    for (const char* name : {"tousen", "search", "batch", "csv2tpd", "tpd2csv", "compress"}) {
        const CliRun run = Run({name});
        EXPECT_EQ(run.exitCode, 2) << name;
        EXPECT_TRUE(run.out.isEmpty()) << name;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("usage: kestrel-cli ") + name + " "))
            << name << ": " << run.err.toStdString();
    }
}

} // namespace
