// kestrel-cli tousen CANDIDATES.csv LIST.csv
//   Hit counts of a single list against candidate singles, and the five percentage rows of the
//   summary panel.

#include <vector>

#include "cli/Commands.h"
#include "core/clsTMeisai.h"
#include "core/clsTNumber.h"
#include "core/clsTProbability.h"
#include "platform/TextFile.h"

namespace kestrel::cli {

namespace {

constexpr const char* kUsage = "tousen CANDIDATES.csv LIST.csv";

// One single of the program's CSV form: six goal classes 0..3 separated by ",". Anything else is
// not a single.
bool ParseSingle(const QString& line, const clsTNumber& number, int32_t& no) {
    const QStringList fields = line.split(QLatin1Char(','));
    if (fields.size() != kSlotCount) {
        return false;
    }
    clsTNumber::LongKousei kousei{};
    for (int i = 0; i < kSlotCount; ++i) {
        const QString f = fields[i].trimmed();
        if (f.size() != 1 || f[0] < QLatin1Char('0') || f[0] > QLatin1Char('3')) {
            return false;
        }
        kousei[i] = f[0].unicode() - u'0';
    }
    number.LongToNo(kousei, no);
    return true;
}

// Reads the singles of a CSV single list (Shift_JIS, CR LF); lines that are not singles are
// skipped. False with a message when the file cannot be read.
bool ReadSingleList(const QString& path, std::vector<int32_t>& singles) {
    QString text;
    QString error;
    if (!TextFile::Read(path, text, &error)) {
        PrintErr(error.isEmpty() ? path : error);
        return false;
    }
    const clsTNumber number;
    for (const QString& line : TextFile::SplitLines(text)) {
        int32_t no = 0;
        if (ParseSingle(line, number, no)) {
            singles.push_back(no);
        }
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
    if (!ReadSingleList(context.args[0], candidates) || !ReadSingleList(context.args[1], list)) {
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
