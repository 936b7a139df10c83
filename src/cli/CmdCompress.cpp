// kestrel-cli compress IN.csv -o OUT.csv [--method M] [--begin N] [--end N] [--time S] [--ex2]
//   [--ex3] [--count N] [--se-time S] [--extract K] [--extract-type T] [--multi TABLE]
//   [--vote FILE.xml]
//   Runs the compression frame on a CSV single list, writes the final list as CSV, prints the
//   message log and then the hit figures ("MsTousen = a,b,c,d,e,f").

#include <vector>

#include "cli/Commands.h"
#include "cli/StopWatcher.h"
#include "core/MarkTable.h"
#include "documents/TpdValueCodec.h"
#include "documents/clsTFileCSV.h"
#include "engines/EngineSettings.h"
#include "engines/clsTMsEngine.h"
#include "platform/RunControl.h"
#include "platform/clsTMsg.h"
#include "store/clsXmlVote.h"

namespace kestrel::cli {

namespace {

constexpr const char* kUsage =
    "compress IN.csv -o OUT.csv [--method M] [--begin N] [--end N] [--time S] [--ex2] [--ex3] "
    "[--count N] [--se-time S] [--extract K] [--extract-type T] [--multi TABLE] [--vote FILE.xml]";

struct CompressOptions {
    QString input;
    QString output;
    QString vote;
    EngineSettings settings;
    MarkTable marks{};
};

bool TakeInt(QStringList& args, int32_t& value) {
    if (args.isEmpty()) {
        return false;
    }
    bool ok = false;
    value = args.takeFirst().toInt(&ok);
    return ok;
}

bool TakeText(QStringList& args, QString& value) {
    if (args.isEmpty()) {
        return false;
    }
    value = args.takeFirst();
    return true;
}

// Every cell marked: the multi of all 4096 singles.
MarkTable AllMarked() {
    MarkTable marks{};
    for (auto& row : marks) {
        row.fill(1);
    }
    return marks;
}

bool ParseOption(const QString& option, QStringList& args, CompressOptions& o) {
    EngineSettings& s = o.settings;
    if (option == QLatin1String("-o")) {
        return TakeText(args, o.output);
    }
    if (option == QLatin1String("--method")) {
        return TakeInt(args, s.MsEngine);
    }
    if (option == QLatin1String("--begin")) {
        return TakeInt(args, s.BeginCount);
    }
    if (option == QLatin1String("--end")) {
        return TakeInt(args, s.EndCount);
    }
    if (option == QLatin1String("--time")) {
        return TakeInt(args, s.EndTime);
    }
    if (option == QLatin1String("--ex2")) {
        s.ExGrade2 = true;
        return true;
    }
    if (option == QLatin1String("--ex3")) {
        s.ExGrade3 = true;
        return true;
    }
    if (option == QLatin1String("--count")) {
        return TakeInt(args, s.SeBeginCount);
    }
    if (option == QLatin1String("--se-time")) {
        return TakeInt(args, s.SeEndTime);
    }
    if (option == QLatin1String("--extract")) {
        s.ChushutsuFlag = true;
        return TakeInt(args, s.ChushutsuCount);
    }
    if (option == QLatin1String("--extract-type")) {
        return TakeInt(args, s.ChushutsuType);
    }
    if (option == QLatin1String("--multi")) {
        QString table;
        TpdParseError error;
        return TakeText(args, table) && TpdValueCodec::ToIntTable(table, o.marks, 0, 6, error);
    }
    if (option == QLatin1String("--vote")) {
        return TakeText(args, o.vote);
    }
    return false;
}

// False on a usage error.
bool ParseArgs(QStringList args, CompressOptions& o) {
    o.settings.MsEngine = 1;
    o.marks = AllMarked();
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (!arg.startsWith(QLatin1Char('-'))) {
            if (!o.input.isEmpty()) {
                return false;
            }
            o.input = arg;
        } else if (!ParseOption(arg, args, o)) {
            return false;
        }
    }
    const bool byPayout = o.settings.ChushutsuFlag && o.settings.ChushutsuType > 0;
    return !o.input.isEmpty() && !o.output.isEmpty() && o.settings.IsValid() &&
           (!byPayout || !o.vote.isEmpty());
}

QString TousenLine(const std::vector<int32_t>& tousen) {
    QString line = QStringLiteral("MsTousen = ");
    for (size_t k = 0; k < tousen.size(); ++k) {
        line += (k > 0 ? QStringLiteral(",") : QString()) + QString::number(tousen[k]);
    }
    return line + QLatin1Char('\n');
}

} // namespace

int CmdCompress(const CommandContext& context) {
    CompressOptions o;
    if (!ParseArgs(context.args, o)) {
        return UsageError(kUsage);
    }
    clsTMsEngine frame;
    if (!o.vote.isEmpty()) {
        clsXmlVote store(context.paths);
        if (!store.XmlLoad(o.vote)) {
            PrintErr(QStringLiteral("投票状況を読み込めません: ") + o.vote);
            return 1;
        }
        frame.SetVote(store.Vote());
    }
    std::vector<int32_t> singles;
    clsTFileCSV csv;
    if (!csv.CsvLoad(o.input, singles)) {
        return 1;
    }
    clsTMsg log;
    RunControl control;
    frame.Initialize(&log, &control);
    std::vector<int32_t> tousen;
    {
        // Ctrl+C or SIGTERM presses stop: the engine ends with the list it has confirmed.
        const StopWatcher watcher(
            [&] {
                control.stop = true;
                frame.EngineStop();
            },
            -1.0);
        frame.EngineRun(singles, o.settings, o.marks, tousen);
    }
    if (!csv.CsvSave(o.output, singles)) {
        return 1;
    }
    QStringList lines = log.Lines();
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    QString out;
    for (const QString& line : lines) {
        out += line + QLatin1Char('\n');
    }
    PrintOut(out + TousenLine(tousen));
    return StopWatcher::Interrupted() ? StopWatcher::kInterruptedStatus : 0;
}

} // namespace kestrel::cli
