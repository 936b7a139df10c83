// kestrel-cli ev LIST.csv --vote VOTE.xml [--odds ODDS.csv] [--per-single]
// kestrel-cli ev IN.tpd [--odds ODDS.csv] [--per-single]
//   Expected payout, the chances of a grade-1 and a grade-2 prize and the expected return of a
//   single list under the player's odds (the document's, the given file's, or else the vote
//   rates), with the prize estimates of the vote status and the ticket price of Expectation.ini.

#include <QFileInfo>
#include <optional>
#include <vector>

#include "cli/Commands.h"
#include "core/ExpectedValue.h"
#include "core/PlayerOdds.h"
#include "core/SingleListCsv.h"
#include "core/clsTNumber.h"
#include "platform/TextFile.h"
#include "store/ExpectationSettings.h"
#include "store/clsXmlVote.h"
#include "workflow/WorkingDocument.h"

namespace kestrel::cli {

namespace {

constexpr const char* kUsage =
    "ev LIST.csv --vote VOTE.xml [--odds ODDS.csv] [--per-single] | ev IN.tpd [--odds ODDS.csv] "
    "[--per-single]";

struct EvOptions {
    QString input;
    QString vote;
    QString odds;
    bool perSingle = false;
};

bool ParseOptions(QStringList args, EvOptions& o) {
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--vote") && !args.isEmpty()) {
            o.vote = args.takeFirst();
        } else if (arg == QLatin1String("--odds") && !args.isEmpty()) {
            o.odds = args.takeFirst();
        } else if (arg == QLatin1String("--per-single")) {
            o.perSingle = true;
        } else if (!arg.startsWith(QLatin1String("--")) && o.input.isEmpty()) {
            o.input = arg;
        } else {
            return false;
        }
    }
    const bool document = o.input.endsWith(QLatin1String(".tpd"), Qt::CaseInsensitive);
    return !o.input.isEmpty() && (document ? o.vote.isEmpty() : !o.vote.isEmpty());
}

std::optional<PlayerOdds> ReadOdds(const QString& path) {
    QString text;
    QString error;
    if (!TextFile::Read(path, text, &error)) {
        PrintErr(error.isEmpty() ? path : error);
        return std::nullopt;
    }
    std::optional<PlayerOdds> odds = PlayerOdds::FromText(text, &error);
    if (!odds) {
        PrintErr(path + QStringLiteral(": ") + error);
    }
    return odds;
}

// The list, vote status and odds named by the options; false with a message on stderr.
bool LoadInputs(const CommandContext& context, const EvOptions& o, std::vector<int32_t>& singles,
                VoteRecord& vote, std::optional<PlayerOdds>& odds) {
    if (o.vote.isEmpty()) {
        WorkingDocument doc;
        if (!FileLoadTPD(doc, context.paths, QFileInfo(o.input).absoluteFilePath(), true, true)) {
            return false;
        }
        singles = doc.Record.Singles;
        vote = doc.Record.Vote;
        odds = doc.Record.Odds;
    } else {
        QString error;
        if (!SingleListCsv::Read(o.input, singles, &error)) {
            PrintErr(error.isEmpty() ? o.input : error);
            return false;
        }
        clsXmlVote store(context.paths);
        if (!store.XmlLoad(o.vote)) {
            PrintErr(QStringLiteral("投票状況を読み込めません: ") + o.vote);
            return false;
        }
        vote = store.Vote();
    }
    if (!o.odds.isEmpty()) {
        odds = ReadOdds(o.odds);
        return odds.has_value();
    }
    return true;
}

QString Fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString SingleLine(const ExpectedValue& ev, int32_t single) {
    QString classes;
    for (int t = 0; t < kSlotCount; ++t) {
        classes += (t > 0 ? QStringLiteral(",") : QString()) +
                   QString::number(clsTNumber::Digit(single, t));
    }
    return classes + QStringLiteral("\tExpected = ") + Fixed(ev.SingleExpected(single), 4) +
           QStringLiteral("\tReturnPercent = ") + Fixed(ev.SingleReturnPercent(single), 4) +
           QLatin1Char('\n');
}

} // namespace

int CmdEv(const CommandContext& context) {
    EvOptions o;
    if (!ParseOptions(context.args, o)) {
        return UsageError(kUsage);
    }
    std::vector<int32_t> singles;
    VoteRecord vote;
    std::optional<PlayerOdds> odds;
    if (!LoadInputs(context, o, singles, vote, odds)) {
        return 1;
    }
    ExpectedValue ev;
    ev.Set(vote, odds ? *odds : PlayerOdds::FromVote(vote),
           ExpectationSettings::Load(context.paths).TicketPrice);
    const ListExpectation figures = ev.ForList(singles);

    QString out;
    if (o.perSingle) {
        for (const int32_t s : singles) {
            out += SingleLine(ev, s);
        }
    }
    out += QStringLiteral("TotalExpected = ") + Fixed(figures.Expected, 4) + QLatin1Char('\n');
    out += QStringLiteral("P1 = ") + Fixed(figures.P1 * 100.0, 6) + QLatin1Char('\n');
    out += QStringLiteral("P2 = ") + Fixed(figures.P2 * 100.0, 6) + QLatin1Char('\n');
    out += QStringLiteral("ReturnPercent = ") + Fixed(figures.ReturnPercent, 4) + QLatin1Char('\n');
    PrintOut(out);
    return 0;
}

} // namespace kestrel::cli
