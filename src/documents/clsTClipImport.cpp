#include "documents/clsTClipImport.h"

#include "core/clsTNumber.h"
#include "platform/TextFile.h"

namespace kestrel {

namespace {

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x3000);
}

} // namespace

// Not the CSV rules of SingleListCsv: clipboard text carries the numbered-list layout ("0001: 0 1 2
// 3 0 1", digits without commas), and a line that is not a single is skipped, never an error.
bool clsTClipImport::ParseLine(const QString& line, int32_t& lngNo) {
    QString text;
    text.reserve(line.size());
    for (const QChar c : line) {
        if (!IsBlank(c)) {
            text += c;
        }
    }
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        text = text.mid(colon + 1);
    }
    if (text.size() != kSlotCount) {
        return false;
    }
    clsTNumber::LongKousei kousei{};
    for (int t = 0; t < kSlotCount; ++t) {
        const QChar c = text.at(t);
        if (c < QLatin1Char('0') || c > QLatin1Char('3')) {
            return false;
        }
        kousei[static_cast<size_t>(t)] = c.unicode() - '0';
    }
    clsTNumber().LongToNo(kousei, lngNo);
    return true;
}

std::vector<int32_t> clsTClipImport::Import(const QString& text) {
    std::vector<int32_t> singles;
    for (const QString& line : TextFile::SplitLines(text)) {
        int32_t no = 0;
        if (ParseLine(line, no)) {
            singles.push_back(no);
        }
    }
    return singles;
}

} // namespace kestrel
