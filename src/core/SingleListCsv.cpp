#include "core/SingleListCsv.h"

#include "core/LotteryConstants.h"
#include "platform/TextFile.h"

namespace kestrel {

namespace {

const QString kNotNumber = QStringLiteral("数値ではありません");
const QString kOutOfRange = QStringLiteral("0～3の範囲外です");
const QString kNul = QStringLiteral("NUL文字を含みます");

QStringView Trimmed(QStringView text) {
    return text.trimmed();
}

// The goal class of one field, or -1 with the reason.
int GoalClass(QStringView field, QString& problem) {
    bool ok = false;
    const int value = Trimmed(field).toInt(&ok);
    if (!ok) {
        problem = kNotNumber;
        return -1;
    }
    if (value < 0 || value > kGoalClassCount - 1) {
        problem = kOutOfRange;
        return -1;
    }
    return value;
}

// Calls take(line, number) for each line of the text; stops when take returns false.
template <class Take> void ForEachLine(QStringView text, Take take) {
    qsizetype start = 0;
    const qsizetype n = text.size();
    int number = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n')) {
            ++end;
        }
        if (!take(text.sliced(start, end - start), ++number)) {
            return;
        }
        start = end + 1;
        if (end + 1 < n && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n')) {
            ++start;
        }
    }
}

} // namespace

SingleListCsv::LineKind SingleListCsv::ReadLine(QStringView line, int32_t& lngNo,
                                                QString* problem) {
    QString reason;
    if (line.contains(QChar(0))) {
        if (problem) {
            *problem = kNul;
        }
        return LineKind::Bad;
    }
    if (line.count(QLatin1Char(',')) != kSlotCount - 1) {
        return LineKind::Other;
    }
    int32_t no = 0;
    qsizetype from = 0;
    for (int t = 0; t < kSlotCount; ++t) {
        qsizetype comma = line.indexOf(QLatin1Char(','), from);
        if (comma < 0) {
            comma = line.size();
        }
        const QStringView field = line.sliced(from, comma - from);
        const int goalClass = GoalClass(field, reason);
        if (goalClass < 0) {
            if (problem) {
                *problem = QStringLiteral("値「%1」は%2").arg(Trimmed(field).toString(), reason);
            }
            return LineKind::Bad;
        }
        no += goalClass << (2 * t); // slot 1 is the least significant digit
        from = comma + 1;
    }
    lngNo = no;
    return LineKind::Single;
}

bool SingleListCsv::ParseLine(const QString& line, int32_t& lngNo) {
    return ReadLine(line, lngNo) == LineKind::Single;
}

QString SingleListCsv::TooManyText(size_t count) {
    return QStringLiteral("%1口は読み込めません。一度に扱えるのは%2口までです。")
        .arg(count)
        .arg(kMaxSingles);
}

bool SingleListCsv::ParseText(QStringView text, std::vector<int32_t>& lngSingle, QString* error,
                              const RunControl* control) {
    int total = 0;
    ForEachLine(text, [&](QStringView, int) {
        ++total;
        return true;
    });
    std::vector<int32_t> singles;
    size_t count = lngSingle.size();
    QString reason;
    ForEachLine(text, [&](QStringView line, int number) {
        int32_t no = 0;
        QString problem;
        const LineKind kind = ReadLine(line, no, &problem);
        if (kind == LineKind::Bad) {
            reason = QStringLiteral("%1行目の%2。").arg(number).arg(problem);
            return false;
        }
        // Past the limit the singles are only counted, for the message.
        if (kind == LineKind::Single && ++count <= size_t{kMaxSingles}) {
            singles.push_back(no);
        }
        if (control && number % kProgressStep == 0) {
            control->Progress(number, total);
        }
        return true;
    });
    if (reason.isEmpty() && count > size_t{kMaxSingles}) {
        reason = TooManyText(count);
    }
    if (!reason.isEmpty()) {
        if (error) {
            *error = reason;
        }
        return false;
    }
    if (control) {
        control->Progress(total, total);
    }
    lngSingle.insert(lngSingle.end(), singles.begin(), singles.end());
    return true;
}

bool SingleListCsv::Read(const QString& path, std::vector<int32_t>& lngSingle, QString* error,
                         const RunControl* control) {
    QString text;
    QString reason;
    bool cut = false;
    const bool read = TextFile::Read(path, text, &reason, &cut);
    if (cut) {
        // The line the NUL byte cut keeps a NUL, so it is reported rather than skipped.
        text += QChar(0);
    }
    if (!read || !ParseText(text, lngSingle, &reason, control)) {
        if (error) {
            *error = path + QStringLiteral("\r\n") + reason;
        }
        return false;
    }
    return true;
}

} // namespace kestrel
