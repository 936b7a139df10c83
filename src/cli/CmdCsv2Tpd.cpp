#include <QFileInfo>

#include "cli/Commands.h"
#include "workflow/WorkingDocument.h"

namespace kestrel::cli {

// kestrel-cli csv2tpd IN.csv -o OUT.tpd: a new document holding the CSV's singles, with the round
// named by the file name.
int CmdCsv2Tpd(const CommandContext& context) {
    const QStringList& a = context.args;
    if (a.size() != 3 || a[1] != QLatin1String("-o")) {
        return UsageError("csv2tpd IN.csv -o OUT.tpd");
    }
    WorkingDocument doc;
    if (!CsvOpen(doc, context.paths, QFileInfo(a[0]).absoluteFilePath())) {
        return 1;
    }
    return FileSaveTPD(doc, QFileInfo(a[2]).absoluteFilePath(), true) ? 0 : 1;
}

} // namespace kestrel::cli
