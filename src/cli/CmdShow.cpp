#include <QFileInfo>

#include "cli/Commands.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

namespace kestrel::cli {

namespace {

const char* const kUsage = "show schedule|vote|result ROUND [--group G]";

struct ShowRequest {
    QString kind;
    int32_t round = 0;
    QString group;
};

bool ParseRequest(const QStringList& args, ShowRequest& request) {
    if (args.size() != 2 && args.size() != 4) {
        return false;
    }
    request.kind = args[0];
    if (request.kind != QLatin1String("schedule") && request.kind != QLatin1String("vote") &&
        request.kind != QLatin1String("result")) {
        return false;
    }
    bool ok = false;
    request.round = args[1].toInt(&ok);
    if (!ok || request.round < 0) {
        return false;
    }
    if (args.size() == 4) {
        if (args[2] != QLatin1String("--group") || args[3].isEmpty()) {
            return false;
        }
        request.group = args[3];
    }
    return true;
}

// Loads the round's file through its store and returns the text that store writes for it;
// false when there is no such file or it does not load (the store has reported why).
bool StoredText(const ProgramPaths& paths, const ShowRequest& request, QString& text,
                QString& path) {
    if (request.kind == QLatin1String("schedule")) {
        clsXmlSchedule store(paths);
        path = store.GetFileName(request.round, request.group);
        if (!QFileInfo(path).isFile() || !store.XmlLoad(path)) {
            return false;
        }
        const ScheduleRecord& r = store.Schedule();
        text = r.State == HoldState::NotHeld ? clsXmlSchedule::GetNoGameText(r.Kaisaikai)
                                             : store.GetXmlText();
        return true;
    }
    if (request.kind == QLatin1String("vote")) {
        clsXmlVote store(paths);
        path = store.GetFileName(request.round, request.group);
        if (!QFileInfo(path).isFile() || !store.XmlLoad(path)) {
            return false;
        }
        text = store.GetXmlString(true);
        return true;
    }
    clsXmlResult store(paths);
    path = store.GetFileName(request.round, request.group);
    if (!QFileInfo(path).isFile() || !store.XmlLoad(path)) {
        return false;
    }
    text = store.GetXmlText();
    return true;
}

} // namespace

// kestrel-cli show schedule|vote|result ROUND [--group G]: prints the round's stored record as
// its store writes it (the file text with CR LF line ends).
int CmdShow(const CommandContext& context) {
    ShowRequest request;
    if (!ParseRequest(context.args, request)) {
        return UsageError(kUsage);
    }
    QString text;
    QString path;
    if (!StoredText(context.paths, request, text, path)) {
        if (!QFileInfo(path).isFile()) {
            PrintErr(QStringLiteral("ファイルが見つかりません: ") + path);
        }
        return 1;
    }
    PrintOut(text);
    return 0;
}

} // namespace kestrel::cli
