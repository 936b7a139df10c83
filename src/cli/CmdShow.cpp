#include <QFileInfo>

#include "cli/Commands.h"
#include "cli/RoundRequest.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

namespace kestrel::cli {

namespace {

const char* const kUsage = "show schedule|vote|result ROUND [--group G]";

// Reads the round's file into the store; false when there is no such file or it does not load.
template <typename Store> bool LoadRound(Store& store, const RoundRequest& request, QString& path) {
    path = store.GetFileName(request.round, request.group);
    return QFileInfo(path).isFile() && store.XmlLoad(path);
}

// Loads the round's file through its store and returns the text that store writes for it;
// false when there is no such file or it does not load (the store has reported why).
bool StoredText(const ProgramPaths& paths, const RoundRequest& request, QString& text,
                QString& path) {
    if (request.kind == QLatin1String("schedule")) {
        clsXmlSchedule store(paths);
        if (!LoadRound(store, request, path)) {
            return false;
        }
        const ScheduleRecord& r = store.Schedule();
        text = r.State == HoldState::NotHeld ? clsXmlSchedule::GetNoGameText(r.Kaisaikai)
                                             : store.GetXmlText();
        return true;
    }
    if (request.kind == QLatin1String("vote")) {
        clsXmlVote store(paths);
        if (!LoadRound(store, request, path)) {
            return false;
        }
        text = store.GetXmlString(true);
        return true;
    }
    clsXmlResult store(paths);
    if (!LoadRound(store, request, path)) {
        return false;
    }
    text = store.GetXmlText();
    return true;
}

} // namespace

// kestrel-cli show schedule|vote|result ROUND [--group G]: prints the round's stored record as
// its store writes it (the file text with CR LF line ends).
int CmdShow(const CommandContext& context) {
    RoundRequest request;
    if (!RoundRequest::Parse(context.args, 0, request)) {
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
