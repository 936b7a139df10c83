// kestrel-cli tousen CANDIDATES.csv LIST.csv
//   Hit counts of a single list against candidate singles, and the five percentage rows of the
//   summary panel.

#include <vector>

#include "cli/Commands.h"
#include "core/SingleListCsv.h"
#include "core/clsTMeisai.h"
#include "core/clsTProbability.h"

namespace kestrel::cli {

namespace {

constexpr const char* kUsage = "tousen CANDIDATES.csv LIST.csv";

// Reads one CSV single list; false with a message when the file cannot be read.
bool ReadList(const QString& path, std::vector<int32_t>& singles) {
    QString error;
    if (!SingleListCsv::Read(path, singles, &error)) {
        PrintErr(error.isEmpty() ? path : error);
        return false;
    }
    return true;
}

} // namespace

int CmdTousen(const CommandContext& context) {
    if (context.args.size() != 2) {
        return UsageError(kUsage);
    }
    std::vector<int32_t> candidates;
    std::vector<int32_t> list;
    if (!ReadList(context.args[0], candidates) || !ReadList(context.args[1], list)) {
        return 1;
    }
    clsTProbability probability;
    TousenCounts counts{};
    probability.GetTousen(candidates, list, counts);

    QString out = QStringLiteral("MsTousen = ");
    for (int k = 0; k < kTousenCount; ++k) {
        out += (k > 0 ? QStringLiteral(",") : QString()) + QString::number(counts[k]);
    }
    out += QLatin1Char('\n');

    clsTMeisai panel;
    panel.SetSingleCount(static_cast<int32_t>(list.size()));
    panel.SetTousen(counts);
    for (int row = clsTMeisai::kFirstPercentRow; row < clsTMeisai::kFirstPercentRow + 5; ++row) {
        out +=
            clsTMeisai::Caption(row) + QLatin1Char('\t') + panel.ValueText(row) + QLatin1Char('\n');
    }
    PrintOut(out);
    return 0;
}

} // namespace kestrel::cli
