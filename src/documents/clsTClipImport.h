#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace kestrel {

// Singles taken back from clipboard text. Each line, with its blanks removed and, when it holds
// ":", only the part after the first ":", is one single when exactly six goal-class digits 0..3
// remain (slot 1 first); every other line is skipped. The numbered-list layout of clsTClipboard
// thus imports back unchanged; the slot-row layout does not.
class clsTClipImport {
public:
    // Singles of the text in line order (empty when no line qualifies).
    static std::vector<int32_t> Import(const QString& text);
    // One line; false when it is not a single.
    static bool ParseLine(const QString& line, int32_t& lngNo);
};

} // namespace kestrel
