// kestrel-cli: the headless face of the Kestrel libraries.
//   kestrel-cli [--root DIR] [--seed N] [--threads N] COMMAND [ARGS]

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <iterator>
#include <memory>

#include "cli/Commands.h"
#include "cli/StopWatcher.h"
#include "engines/clsTMsEngine4.h"
#include "platform/ErrorReporter.h"
#include "platform/RandomSource.h"
#include "platform/UserPrompt.h"
#include "platform/Version.h"

using namespace kestrel;
using namespace kestrel::cli;

namespace {

// The dispatch table: one line per command.
const CommandEntry kCommands[] = {
    {"version", "version", CmdVersion},
    {"show", "show schedule|vote|result ROUND [--group G]", CmdShow},
    {"tousen", "tousen CANDIDATES.csv LIST.csv", CmdTousen},
    {"grade", "grade IN.tpd [--result FILE.xml] [--reveal N]", CmdGrade},
    {"search", "search IN.tpd [-o OUT.tpd] [--stop-after S]", CmdSearch},
    {"batch", "batch FILE.tpd... [--stop-after S]", CmdBatch},
    {"csv2tpd", "csv2tpd IN.csv -o OUT.tpd", CmdCsv2Tpd},
    {"tpd2csv", "tpd2csv IN.tpd -o OUT.csv", CmdTpd2Csv},
    {"compress",
     "compress IN.csv -o OUT.csv [--method M] [--begin N] [--end N] [--time S] [--ex2] [--ex3] "
     "[--count N] [--se-time S] [--extract K] [--extract-type T] [--multi TABLE] "
     "[--vote FILE.xml]",
     CmdCompress},
    {"fetch", "fetch schedule|vote|result ROUND [--group G]", CmdFetch},
    {"update-teams", "update-teams [--url FOLDER]", CmdUpdateTeams},
    {"print",
     "print IN.tpd --pdf OUT.pdf [--test] [--landscape] [--left MM] [--top MM] [--round N] "
     "[--round-marks] [--match-card] [--page-text] [--file-text] [--send-all] [--pages A-B]",
     CmdPrint},
    {"ev",
     "ev LIST.csv --vote VOTE.xml [--odds ODDS.csv] [--per-single] | ev IN.tpd [--odds ODDS.csv] "
     "[--per-single]",
     CmdEv},
    {"watch", "watch vote ROUND [--every MIN] [--until-close] [--group G]", CmdWatch},
};

// Messages the window would show in a box go to stderr with their title.
class StderrSink : public MessageSink {
public:
    void Show(const Message& message) override { PrintErr(message.title + ": " + message.text); }
};

void PrintHelp(FILE* out) {
    QString text =
        QStringLiteral("Kestrel ") + VersionText() +
        "\nusage: kestrel-cli [--root DIR] [--seed N] [--threads N] COMMAND [ARGS]\ncommands:\n";
    for (const auto& c : kCommands) {
        text += QStringLiteral("  ") + QString::fromUtf8(c.usage) + "\n";
    }
    std::fputs(text.toUtf8().constData(), out);
}

// The global options that take a value (the next argument).
bool TakesValue(const QString& option) {
    return option == QLatin1String("--root") || option == QLatin1String("--seed") ||
           option == QLatin1String("--threads");
}

// The command word: the first argument that is neither a global option nor its value.
QString CommandWord(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QString word = QString::fromLocal8Bit(argv[i]);
        if (TakesValue(word)) {
            ++i;
        } else if (!word.startsWith(QLatin1String("--"))) {
            return word;
        }
    }
    return QString();
}

// Printing draws text, which needs the font database of a GUI application; without a display
// it runs on the offscreen platform. Every other command stays a plain console application.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    if (CommandWord(argc, argv) != QLatin1String("print")) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> application = MakeApplication(argc, argv);
    QCoreApplication& app = *application;
    StopWatcher::Install();
    SetMessageSink(std::make_shared<StderrSink>());
    SetUserPrompt(std::make_shared<FixedPrompt>(PromptAnswer::Yes));

    QStringList args = app.arguments().mid(1);
    QString root; // empty: the installation of this executable
    bool seeded = false;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--help")) {
            PrintHelp(stdout);
            return 0;
        }
        if (TakesValue(option) && args.isEmpty()) {
            PrintHelp(stderr);
            return 2;
        }
        if (option == QLatin1String("--root")) {
            root = QDir(args.takeFirst()).absolutePath();
        } else if (option == QLatin1String("--seed")) {
            bool ok = false;
            const qulonglong seed = args.takeFirst().toULongLong(&ok);
            if (!ok) {
                PrintHelp(stderr);
                return 2;
            }
            RandomSource::Seed(seed);
            seeded = true;
        } else if (option == QLatin1String("--threads")) {
            // Threads of the stronger search engine: 1 makes a seeded run repeat exactly.
            bool ok = false;
            const int threads = args.takeFirst().toInt(&ok);
            if (!ok || threads < 1) {
                PrintHelp(stderr);
                return 2;
            }
            clsTMsEngine4::SetThreadCount(threads);
        } else {
            PrintHelp(stderr);
            return 2;
        }
    }
    if (!seeded) {
        RandomSource::SeedFromClockOnce();
    }
    if (args.isEmpty()) {
        PrintHelp(stderr);
        return 2;
    }
    const QString name = args.takeFirst();
    for (const auto& c : kCommands) {
        if (name == QLatin1String(c.name)) {
            const ProgramPaths paths =
                root.isEmpty() ? ProgramPaths::FromExecutable() : ProgramPaths(root);
            return c.run(CommandContext{paths, args});
        }
    }
    PrintHelp(stderr);
    return 2;
}
