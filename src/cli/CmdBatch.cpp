#include <QFileInfo>

#include "cli/Commands.h"
#include "cli/StopWatcher.h"
#include "workflow/BatchRun.h"

namespace kestrel::cli {

namespace {

const char* const kUsage = "batch FILE.tpd... [--stop-after S]";

bool ParseArgs(const QStringList& args, QStringList& files, double& stopAfter) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--stop-after") && i + 1 < args.size()) {
            bool ok = false;
            stopAfter = args[++i].toDouble(&ok);
            if (!ok || stopAfter < 0) {
                return false;
            }
        } else {
            files.append(args[i]);
        }
    }
    return !files.isEmpty();
}

} // namespace

// kestrel-cli batch FILE.tpd... [--stop-after S]: the batch run; one line per file: its path, a
// tab and "成功" or "失敗", and for each failed file its reason on stderr. --stop-after presses
// the stop button S seconds into each file's search. Ctrl+C or SIGTERM presses it on the running
// search, which is saved as the stop button leaves it; the files after it are not run, and the
// exit status is 130. Otherwise exit 1 when any file failed.
int CmdBatch(const CommandContext& context) {
    QStringList files;
    double stopAfter = -1.0;
    if (!ParseArgs(context.args, files, stopAfter)) {
        return UsageError(kUsage);
    }
    BatchRun batch;
    for (const QString& file : files) {
        batch.AddFile(QFileInfo(file).absoluteFilePath());
    }
    WorkingDocument doc;
    SearchDriver driver;
    RunControl control;
    StopWatcher watcher(
        [&] {
            control.stop = true;
            driver.Stop();
        },
        stopAfter);
    batch.SetRowObserver([&](int row) {
        const QString& state = batch.Rows()[static_cast<size_t>(row)].State;
        if (state == BatchRun::kStateRunning) {
            watcher.Restart();
        } else if (StopWatcher::Interrupted()) {
            // The interrupted row is finished (saved as stopped): run no further rows.
            batch.Cancel();
        }
    });
    batch.Run(doc, driver, context.paths, control);
    QString text;
    bool allDone = true;
    for (const BatchRun::Row& row : batch.Rows()) {
        text += row.Path + QLatin1Char('\t') + row.State + QLatin1Char('\n');
        allDone = allDone && row.State == BatchRun::kStateDone;
        if (row.State == BatchRun::kStateFailed && !row.Reason.isEmpty()) {
            PrintErr(row.Path + QLatin1Char('\t') + row.Reason);
        }
    }
    PrintOut(text);
    if (StopWatcher::Interrupted()) {
        return StopWatcher::kInterruptedStatus;
    }
    return allDone ? 0 : 1;
}

} // namespace kestrel::cli
