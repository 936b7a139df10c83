#include <QDir>
#include <QFileInfo>

#include "cli/Commands.h"
#include "documents/DocumentRecord.h"
#include "documents/clsTFileTPD.h"
#include "results/clsTResult.h"
#include "store/clsXmlResult.h"

namespace kestrel::cli {

namespace {

const char* const kUsage = "grade IN.tpd [--result FILE.xml] [--reveal N]";

// The document as the open command reads it: type check, then the whole file. The grading needs
// its round, group and single list. Messages go to stderr through the reporters.
bool LoadDocument(const QString& path, DocumentRecord& document) {
    clsTFileTPD file;
    int32_t version = 0;
    const bool typeOk = file.DataTypeCheck(path, true, version);
    if (!typeOk && file.LastError().description.isEmpty()) {
        PrintErr(clsTFileTPD::kWrongTypeTitle + ": " + clsTFileTPD::kWrongTypeText);
        return false;
    }
    if (!typeOk || !file.Load(path, document)) {
        // The program's message, then the line naming the file, line and key at fault.
        PrintErr(clsTFileTPD::kLoadFailedText);
        PrintErr(file.LastError().Where(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

// The given result file, or the round's stored result when there is one (an empty record, that
// is no official result, when there is none).
bool LoadResult(const ProgramPaths& paths, const QString& given, const DocumentRecord& document,
                ResultRecord& result) {
    clsXmlResult store(paths);
    const QString path = given.isEmpty() ? store.GetFileName(document.Kaisaikai, document.Kumi)
                                         : QFileInfo(given).absoluteFilePath();
    if (given.isEmpty() && !QFileInfo::exists(path)) {
        result = ResultRecord{};
        return true;
    }
    if (!store.XmlLoad(path)) {
        PrintErr(clsTFileTPD::kLoadFailedText + " " + path);
        return false;
    }
    result = store.Result();
    return true;
}

void PrintTables(const clsTResult& panel) {
    QString out;
    const clsTResultGrade& grade = panel.GradeTable();
    for (int g = 1; g <= clsTResultGrade::kRows; ++g) {
        out += clsTResultGrade::RowCaption(g) + "\t" + grade.CountText(g) + "\t" +
               grade.ShareText(g) + "\n";
    }
    const clsTResultKakutei& kakutei = panel.KakuteiTable();
    for (int r = 1; r <= clsTResultKakutei::kRows; ++r) {
        QStringList cells;
        for (int c = 1; c <= clsTResultKakutei::kColumns; ++c) {
            cells << kakutei.CellText(r, c);
        }
        out += cells.join(QLatin1Char('\t')) + "\n";
    }
    PrintOut(out);
}

} // namespace

// kestrel-cli grade IN.tpd [--result FILE.xml] [--reveal N]: grades the document's single list
// against the round's stored result (or the given file), revealing N teams (default all), and
// prints the grade table ("1等" .. "7等", count, share) and the four rows of the confirmed
// payout table, cells separated by tabs.
int CmdGrade(const CommandContext& context) {
    QString input;
    QString resultFile;
    int reveal = 6;
    QStringList args = context.args;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--result") && !args.isEmpty()) {
            resultFile = args.takeFirst();
        } else if (arg == QLatin1String("--reveal") && !args.isEmpty()) {
            bool ok = false;
            reveal = args.takeFirst().toInt(&ok);
            if (!ok || reveal < 0 || reveal > 6) {
                return UsageError(kUsage);
            }
        } else if (!arg.startsWith(QLatin1String("--")) && input.isEmpty()) {
            input = arg;
        } else {
            return UsageError(kUsage);
        }
    }
    if (input.isEmpty()) {
        return UsageError(kUsage);
    }

    DocumentRecord document;
    if (!LoadDocument(QFileInfo(input).absoluteFilePath(), document)) {
        return 1;
    }
    ResultRecord result;
    if (!LoadResult(context.paths, resultFile, document, result)) {
        return 1;
    }
    clsTResult panel(context.paths);
    panel.Initialize();
    panel.SetResultData(document.Kaisaikai, document.Kumi, result, false);
    if (!panel.SetSingle(document.Singles)) {
        return 1;
    }
    for (int i = 0; i < reveal; ++i) {
        panel.SetNextData();
    }
    if (panel.ResultTempFailed()) {
        // Grading with part of the hand-entered result would print wrong tables.
        return 1;
    }
    PrintTables(panel);
    return 0;
}

} // namespace kestrel::cli
