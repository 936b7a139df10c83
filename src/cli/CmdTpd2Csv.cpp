#include <QFileInfo>

#include "cli/Commands.h"
#include "workflow/WorkingDocument.h"
#include "documents/clsTFileCSV.h"

namespace kestrel::cli {

// kestrel-cli tpd2csv IN.tpd -o OUT.csv: the single list of a data file as CSV.
int CmdTpd2Csv(const CommandContext& context) {
    const QStringList& a = context.args;
    if (a.size() != 3 || a[1] != QLatin1String("-o")) {
        return UsageError("tpd2csv IN.tpd -o OUT.csv");
    }
    WorkingDocument doc;
    if (!FileLoadTPD(doc, context.paths, QFileInfo(a[0]).absoluteFilePath(), true, true)) {
        return 1;
    }
    return clsTFileCSV().CsvSave(QFileInfo(a[2]).absoluteFilePath(), doc.Record.Singles) ? 0 : 1;
}

} // namespace kestrel::cli
