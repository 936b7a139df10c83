#include <QFileInfo>

#include "cli/Commands.h"
#include "cli/StopWatcher.h"
#include "store/ExpectationSettings.h"
#include "workflow/SearchDriver.h"
#include "workflow/WorkingDocument.h"

namespace kestrel::cli {

namespace {

const char* const kUsage = "search IN.tpd [-o OUT.tpd] [--stop-after S]";

struct SearchArgs {
    QString in;
    QString out;
    double stopAfter = -1.0;
};

bool ParseArgs(const QStringList& args, SearchArgs& parsed) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-o") && i + 1 < args.size()) {
            parsed.out = args[++i];
        } else if (a == QLatin1String("--stop-after") && i + 1 < args.size()) {
            bool ok = false;
            parsed.stopAfter = args[++i].toDouble(&ok);
            if (!ok || parsed.stopAfter < 0) {
                return false;
            }
        } else if (parsed.in.isEmpty() && !a.startsWith(QLatin1Char('-'))) {
            parsed.in = a;
        } else {
            return false;
        }
    }
    if (parsed.out.isEmpty()) {
        parsed.out = parsed.in;
    }
    return !parsed.in.isEmpty();
}

// Runs the search; the watcher presses stop after the given seconds or on Ctrl+C / SIGTERM.
void RunSearch(SearchDriver& driver, WorkingDocument& doc, RunControl& control, double stopAfter) {
    if (stopAfter == 0) {
        // Stop pressed before the search starts: the reduction is cancelled at its first tick.
        control.stop = true;
    }
    const StopWatcher watcher(
        [&] {
            control.stop = true;
            driver.Stop();
        },
        stopAfter);
    driver.Search(doc, control);
}

} // namespace

// kestrel-cli search IN.tpd [-o OUT.tpd] [--stop-after S]: opens the data file as the open command
// does, searches, saves and prints the report lines.
int CmdSearch(const CommandContext& context) {
    SearchArgs args;
    if (!ParseArgs(context.args, args)) {
        return UsageError(kUsage);
    }
    WorkingDocument doc;
    if (!FileLoadTPD(doc, context.paths, QFileInfo(args.in).absoluteFilePath(), true, true)) {
        return 1;
    }
    doc.TicketPrice = ExpectationSettings::Load(context.paths).TicketPrice;
    SearchDriver driver;
    RunControl control;
    RunSearch(driver, doc, control, args.stopAfter);
    QString text;
    for (const QString& line : ReportLines(doc.Record)) {
        text += line + QLatin1Char('\n');
    }
    if (control.stop && doc.Record.SingleCount() == 0) {
        // A search stopped before it had any single (a cancelled reduction, a stopped fast
        // engine) would overwrite the saved list with nothing: keep the file as it is.
        PrintOut(text);
        PrintErr(QStringLiteral("検索が中止されたため、ファイルは保存していません。"));
        return StopWatcher::Interrupted() ? StopWatcher::kInterruptedStatus : 1;
    }
    if (!FileSaveTPD(doc, QFileInfo(args.out).absoluteFilePath(), true)) {
        return 1;
    }
    PrintOut(text);
    return StopWatcher::Interrupted() ? StopWatcher::kInterruptedStatus : 0;
}

} // namespace kestrel::cli
