#include <QFileInfo>
#include <optional>

#include "cli/Commands.h"
#include "print/PrintDialogModel.h"
#include "print/SheetGeometry.h"
#include "print/SheetPageSource.h"
#include "print/SheetRenderer.h"
#include "workflow/WorkingDocument.h"

namespace kestrel::cli {

namespace {

// A line on stderr after every this many pages written.
constexpr size_t kProgressPages = 1000;

const char* const kUsage =
    "print IN.tpd --pdf OUT.pdf [--test] [--landscape] [--left MM] [--top MM] [--round N] "
    "[--round-marks] [--match-card] [--page-text] [--file-text] [--send-all] [--pages A-B]";

struct PrintOptions {
    QString input;
    QString pdf;
    bool test = false;
    PrinterSettings settings;
    std::optional<int32_t> round;
    std::optional<std::pair<int, int>> pages;
};

std::optional<std::pair<int, int>> ParsePages(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('-'));
    bool okA = false;
    bool okB = false;
    if (parts.size() != 2) {
        return std::nullopt;
    }
    const int a = parts[0].toInt(&okA);
    const int b = parts[1].toInt(&okB);
    if (!okA || !okB) {
        return std::nullopt;
    }
    return std::make_pair(a, b);
}

// Sets one switch; false when the word is not a switch.
bool ApplySwitch(const QString& word, PrintOptions& o) {
    PrinterSettings& s = o.settings;
    const std::pair<const char*, bool*> switches[] = {
        {"--test", &o.test},
        {"--round-marks", &s.PrinterOpenNo},
        {"--match-card", &s.PrinterOpenText},
        {"--page-text", &s.PrinterPageText},
        {"--file-text", &s.PrinterFileText},
        {"--send-all", &s.PrinterSendDataA},
    };
    for (const auto& [name, flag] : switches) {
        if (word == QLatin1String(name)) {
            *flag = true;
            return true;
        }
    }
    if (word == QLatin1String("--landscape")) {
        s.PrinterOrientation = PrinterSettings::kLandscape;
        return true;
    }
    return false;
}

// Sets one option with a value; false when the value is not valid.
bool ApplyValue(const QString& word, const QString& value, PrintOptions& o) {
    if (word == QLatin1String("--pdf")) {
        o.pdf = value;
        return !value.isEmpty();
    }
    if (word == QLatin1String("--left") || word == QLatin1String("--top")) {
        const std::optional<Money> mm = Money::Parse(value);
        Money& target = word == QLatin1String("--left") ? o.settings.PrinterLeftMargin
                                                        : o.settings.PrinterTopMargin;
        target = mm.value_or(Money());
        return mm.has_value();
    }
    if (word == QLatin1String("--round")) {
        bool ok = false;
        o.round = value.toInt(&ok);
        return ok;
    }
    if (word == QLatin1String("--pages")) {
        o.pages = ParsePages(value);
        return o.pages.has_value();
    }
    return false;
}

std::optional<PrintOptions> ParseOptions(const QStringList& args) {
    PrintOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        if (ApplySwitch(word, o)) {
            continue;
        }
        if (word.startsWith(QLatin1String("--"))) {
            if (i + 1 >= args.size() || !ApplyValue(word, args[i + 1], o)) {
                return std::nullopt;
            }
            ++i;
        } else if (o.input.isEmpty()) {
            o.input = word;
        } else {
            return std::nullopt;
        }
    }
    if (o.input.isEmpty() || o.pdf.isEmpty()) {
        return std::nullopt;
    }
    return o;
}

} // namespace

// kestrel-cli print IN.tpd --pdf OUT.pdf [options]: the mark sheets of the data file's singles
// (or the test print) as a PDF. The test print's question is answered yes.
int CmdPrint(const CommandContext& context) {
    const std::optional<PrintOptions> o = ParseOptions(context.args);
    if (!o) {
        return UsageError(kUsage);
    }
    WorkingDocument doc;
    if (!FileLoadTPD(doc, context.paths, QFileInfo(o->input).absoluteFilePath(), true, true)) {
        return 1;
    }
    PrintDialogModel model(o->settings, {}, QString(), doc.Record.Singles, doc.Record.Kaisaikai,
                           doc.Record.Kumi, QFileInfo(o->input).fileName());
    model.SetRoundBox(o->round.value_or(doc.Record.Kaisaikai));
    if (o->pages) {
        model.SetPageRange(o->pages->first, o->pages->second);
    }
    const SheetRequest request = model.BuildRequest(context.paths);
    if (o->test && !PrintDialogModel::ConfirmTestPrint()) {
        return 0;
    }
    SheetPageSource pages =
        o->test ? SheetPageSource(SheetGeometry::TestPage(request)) : SheetPageSource(request);
    if (pages.AtEnd()) {
        PrintErr(request.Singles.empty()
                     ? QStringLiteral("print: the list holds no single; no sheet printed")
                     : QStringLiteral("print: no page of the range holds a single; no sheet "
                                      "printed"));
        return 0;
    }
    const auto [first, last] = SheetGeometry::PageChoice(request);
    const int total = o->test ? 1 : last - first + 1;
    std::vector<int> written;
    auto pageDone = [&](const SheetPage& page) {
        written.push_back(page.number);
        if (written.size() % kProgressPages == 0) {
            PrintErr(QStringLiteral("print: %1/%2 pages").arg(written.size()).arg(total));
        }
    };
    const QString pdf = QFileInfo(o->pdf).absoluteFilePath();
    if (!SheetRenderer().WritePdf(pdf, pages, request.Settings, pageDone)) {
        return 1;
    }
    const int pageCount = SheetGeometry::PageCount(static_cast<int>(request.Singles.size()));
    for (int number : written) {
        PrintOut(o->test ? QStringLiteral("test page\n")
                         : QStringLiteral("page %1/%2\n").arg(number).arg(pageCount));
    }
    return 0;
}

} // namespace kestrel::cli
