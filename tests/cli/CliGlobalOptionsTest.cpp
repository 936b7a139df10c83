// The global options before the command word, with every command: each option with a value is
// skipped when the command word is looked for, so the command runs as it would without them.
#include "CliTestSupport.h"

#include <QFileInfo>

using namespace kestrel;
using namespace kestrel::test;

namespace {

class CliGlobalOptions : public CliTest {
protected:
    // Every shape of the global options: each alone, all together in two orders.
    QList<QStringList> Prefixes() const {
        return {
            {},
            {"--threads", "1"},
            {"--seed", "7"},
            {"--root", Root()},
            {"--threads", "2", "--seed", "7", "--root", Root()},
            {"--root", Root(), "--threads", "1", "--seed", "7"},
        };
    }
};

// Called without its arguments, every command answers with its own usage line, whatever global
// options stand before it.
TEST_F(CliGlobalOptions, EveryCommandIsFoundBehindEveryOption) {
    const char* const commands[] = {"version",  "show",  "tousen",       "grade",
                                    "search",   "batch", "csv2tpd",      "tpd2csv",
                                    "compress", "fetch", "update-teams", "print"};
    for (const QStringList& prefix : Prefixes()) {
        for (const char* name : commands) {
            const QString command = QString::fromLatin1(name);
            QStringList args = prefix;
            args << command;
            if (command == QLatin1String("version") || command == QLatin1String("update-teams")) {
                args << QStringLiteral("extra");
            }
            SCOPED_TRACE(args.join(' ').toStdString());
            const CliRun run = RunCli(args);
            EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
            // (Printing runs a GUI application, which may note its runtime folder first.)
            EXPECT_TRUE(run.err.contains(QStringLiteral("usage: kestrel-cli ") + command + " ") ||
                        run.err.trimmed().endsWith(QStringLiteral("usage: kestrel-cli ") + command))
                << run.err.toStdString();
        }
    }
}

// Printing draws text, which needs the GUI application the command word asks for: behind any
// global option the page text is drawn into the PDF.
TEST_F(CliGlobalOptions, PrintWithPageTextBehindEveryOption) {
    const QString tpd = Path("list.tpd");
    ASSERT_EQ(Run({"csv2tpd", WriteCsv("list.csv", {Row{0, 1, 2, 3, 0, 1}}), "-o", tpd}).exitCode,
              0);
    int n = 0;
    for (const QStringList& prefix : Prefixes()) {
        SCOPED_TRACE(prefix.join(' ').toStdString());
        const QString pdf = Path(QStringLiteral("out%1.pdf").arg(n++));
        const CliRun run = RunCli(prefix + QStringList{"print", tpd, "--pdf", pdf, "--page-text"});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_GT(QFileInfo(pdf).size(), 0);
    }
}

} // namespace
