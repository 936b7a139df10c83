// libFuzzer target for the HTML tokenizer and the three operator page parsers. Each input is
// taken as a page body (UTF-8; invalid sequences become U+FFFD so every input reaches the
// tokenizer), reduced to its text pieces, and parsed as a schedule, a vote-status and a result
// page, with and without a group. Besides the sanitizers it checks what the parsers promise: a
// page that parses has a header round, a final vote page carries the sale end as its as-of time,
// a result marked cancelled has every slot void, and a failed parse leaves an empty record.

#include <QCoreApplication>
#include <QDir>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "core/LotteryConstants.h"
#include "net/HttpOptions.h"
#include "net/clsHtmlGet.h"
#include "net/clsHtmlResult.h"
#include "net/clsHtmlSchedule.h"
#include "net/clsHtmlVote.h"
#include "platform/ErrorReporter.h"

using namespace kestrel;

namespace {

class SilentSink : public MessageSink {
public:
    void Show(const Message&) override {}
};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void ParseAll(const QStringList& pieces, const QString& group) {
    const TotoSettings settings = TotoSettings::Defaults();
    // No team tables: every team name is unknown, and the scan still runs to the end.
    clsHtmlSchedule schedule(ProgramPaths(QDir::tempPath() + QStringLiteral("/kestrel-fuzz-none")),
                             settings);
    if (schedule.ParsePieces(pieces, 1601, group)) {
        Check(schedule.Schedule().Kumi == group);
    } else {
        Check(schedule.Schedule().Kaisaikai == 0);
    }

    clsHtmlVote vote(settings);
    bool final = false;
    if (vote.ParsePieces(pieces, group, final)) {
        Check(!final || vote.Vote().AsOf == vote.Vote().SaleEnd);
    } else {
        Check(!final && vote.Vote().Kaisaikai == 0);
    }

    clsHtmlResult result(settings);
    if (result.ParsePieces(pieces, group)) {
        bool allVoid = true;
        for (const ResultSlot& s : result.Result().Slots) {
            allVoid = allVoid && s.Result == kVoidClass;
        }
        Check(result.Result().Cancelled == allVoid);
    } else {
        Check(result.Result().Kaisaikai == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetMessageSink(std::make_shared<SilentSink>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Pages up to the download cap, as the client hands them over.
    if (size > static_cast<size_t>(HttpOptions::kMaxResponseBytes)) {
        return 0;
    }
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    clsHtmlGet get;
    get.SetPageText(text);
    QStringList pieces;
    Check(get.GetTextData(pieces) == pieces.size());
    ParseAll(pieces, QString());
    ParseAll(pieces, QStringLiteral("A"));
    return 0;
}
