#include <QFileInfo>

#include "cli/Commands.h"
#include "workflow/BatchRun.h"

namespace kestrel::cli {

// kestrel-cli batch FILE.tpd...: the batch run; one line per file: its path, a tab and "成功" or
// "失敗". Exit 1 when any file failed.
int CmdBatch(const CommandContext& context) {
    if (context.args.isEmpty()) {
        return UsageError("batch FILE.tpd...");
    }
    BatchRun batch;
    for (const QString& file : context.args) {
        batch.AddFile(QFileInfo(file).absoluteFilePath());
    }
    WorkingDocument doc;
    SearchDriver driver;
    RunControl control;
    batch.Run(doc, driver, context.paths, control);
    QString text;
    bool allDone = true;
    for (const BatchRun::Row& row : batch.Rows()) {
        text += row.Path + QLatin1Char('\t') + row.State + QLatin1Char('\n');
        allDone = allDone && row.State == BatchRun::kStateDone;
    }
    PrintOut(text);
    return allDone ? 0 : 1;
}

} // namespace kestrel::cli
