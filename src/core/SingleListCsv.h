#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

#include "platform/RunControl.h"

namespace kestrel {

// The one set of rules by which every command and window reads a single list in the program's
// CSV form: one single per line, its six goal classes 0..3 (slot 1 first) separated by ",",
// blanks around a digit allowed. A line with other than six fields (headers, blank lines) is
// not a single and is skipped; a six-field line with a field that is not a goal class, or any
// line holding a NUL character (a file cut or padded with zero bytes), makes the list unreadable.
class SingleListCsv {
public:
    // The longest list a data file reads back; every writer and importer refuses a longer one.
    static constexpr int32_t kMaxSingles = 1'000'000;
    static constexpr int kProgressStep = 1001;

    enum class LineKind { Single, Other, Bad };

    // One line: Single with the single number in lngNo, Other for a line to skip, Bad with the
    // reason in problem (when given). lngNo changes only for Single.
    static LineKind ReadLine(QStringView line, int32_t& lngNo, QString* problem = nullptr);
    // True when the line is a single.
    static bool ParseLine(const QString& line, int32_t& lngNo);
    // Appends the singles of a text (CR LF, CR or LF line ends). False with the reason in error
    // ("<n>行目の値「x」は…。" or the over-limit text) on a bad line or when the list would pass
    // kMaxSingles; lngSingle is then unchanged. Progress (lines done, lines) goes to control.
    static bool ParseText(QStringView text, std::vector<int32_t>& lngSingle, QString* error,
                          const RunControl* control = nullptr);
    // ParseText on a Shift_JIS file; the file's name heads the reason.
    static bool Read(const QString& path, std::vector<int32_t>& lngSingle, QString* error = nullptr,
                     const RunControl* control = nullptr);
    // "<count>口は読み込めません。一度に扱えるのは1000000口までです。"
    static QString TooManyText(size_t count);
};

} // namespace kestrel
