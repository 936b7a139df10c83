#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace kestrel {

// Minimal reader of a single list in the program's CSV form: one single per line, its six goal
// classes 0..3 separated by ",", Shift_JIS text with CR LF line ends. Lines that are not such a
// single (headers, blank lines, anything else) are skipped.
class SingleListCsv {
public:
    // The single number of one line; false when the line is not a single.
    static bool ParseLine(const QString& line, int32_t& lngNo);
    // Appends the singles of the file to lngSingle. False with a reason in error when the file
    // cannot be read; lngSingle is then unchanged.
    static bool Read(const QString& path, std::vector<int32_t>& lngSingle,
                     QString* error = nullptr);
};

} // namespace kestrel
