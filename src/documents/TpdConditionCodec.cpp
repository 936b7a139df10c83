#include "documents/TpdConditionCodec.h"

#include <QStringList>
#include <span>
#include <vector>

#include "documents/TpdValueCodec.h"

namespace kestrel {

namespace {

constexpr QChar kFieldSeparator = QLatin1Char('|');
constexpr QChar kGroupSeparator = QLatin1Char(',');

// Cells[first][second] for first < firsts and second < seconds: the groups joined by ",", one
// digit per second index.
template <size_t First, size_t Second>
QString ByteTable(const std::array<std::array<uint8_t, Second>, First>& cells, int firsts,
                  int seconds) {
    QString text;
    for (int f = 0; f < firsts; ++f) {
        if (f > 0) {
            text += kGroupSeparator;
        }
        for (int s = 0; s < seconds; ++s) {
            const uint8_t v = cells[static_cast<size_t>(f)][static_cast<size_t>(s)];
            text += QLatin1Char(static_cast<char>('0' + (v <= 9 ? v : 9)));
        }
    }
    return text;
}

// Reads the groups 0..firsts-1 with digits 0..seconds-1 each into cells (which the caller has
// cleared); extra groups or digits are ignored, missing ones fail.
template <size_t First, size_t Second>
bool ToByteTable(QStringView text, int firsts, int seconds,
                 std::array<std::array<uint8_t, Second>, First>& cells, TpdParseError& error) {
    if (firsts == 0 || seconds == 0) {
        return true;
    }
    const std::vector<QStringView> groups = TpdValueCodec::Split(text, kGroupSeparator);
    if (groups.size() < static_cast<size_t>(firsts)) {
        error = TpdParseError::OutOfRange();
        return false;
    }
    for (int f = 0; f < firsts; ++f) {
        const QStringView group = groups[static_cast<size_t>(f)];
        if (group.size() < seconds) {
            error = TpdParseError::TypeMismatch();
            return false;
        }
        for (int s = 0; s < seconds; ++s) {
            uint8_t& cell = cells[static_cast<size_t>(f)][static_cast<size_t>(s)];
            if (!TpdValueCodec::ToCellDigit(group[s], kCellTriangle, cell, error)) {
                return false;
            }
        }
    }
    return true;
}

bool ToCount(QStringView text, int32_t maximum, int32_t& value, TpdParseError& error) {
    if (!TpdValueCodec::ToInt32(text, value, error)) {
        return false;
    }
    if (value < 0 || value > maximum) {
        error = TpdParseError::OutOfRange();
        return false;
    }
    return true;
}

} // namespace

QString TpdConditionCodec::Group(const ConditionGroup& group) {
    const int rows = group.Rows();
    const int bases = group.Bases();
    QStringList fields;
    fields << TpdValueCodec::Bool(group.Enabled) << TpdValueCodec::Bool(group.Flag)
           << QString::number(rows) << QString::number(bases)
           << TpdValueCodec::BoolList(group.GameFlg) << TpdValueCodec::BoolList(group.MarkFlg);
    for (int r = 0; r < rows; ++r) {
        const auto& plus = group.PlusFlg[static_cast<size_t>(r)];
        fields << TpdValueCodec::BoolList(
            std::span<const bool>(plus.data(), static_cast<size_t>(bases)));
    }
    fields << ByteTable(group.Cells, ConditionGroup::kCountValues, rows);
    QStringList notes;
    for (int r = 0; r < rows; ++r) {
        // A line break would end the key line and could make the rest read as another line; the
        // field and note separators would split the note. They are written as blanks and as
        // their full-width forms.
        QString note = group.RowNotes[static_cast<size_t>(r)];
        note.replace(QLatin1Char('\r'), QLatin1Char(' '));
        note.replace(QLatin1Char('\n'), QLatin1Char(' '));
        note.replace(kGroupSeparator, QChar(0xFF0C)); // ，
        note.replace(kFieldSeparator, QChar(0xFF5C)); // ｜
        notes << note;
    }
    fields << notes.join(kGroupSeparator);
    return fields.join(kFieldSeparator);
}

bool TpdConditionCodec::ToGroup(QStringView text, ConditionKind kind, ConditionGroup& group,
                                TpdParseError& error) {
    const std::vector<QStringView> fields = TpdValueCodec::Split(text, kFieldSeparator);
    if (fields.size() < 4) {
        error = TpdParseError::OutOfRange();
        return false;
    }
    ConditionGroup read;
    read.Enabled = TpdValueCodec::ToBool(fields[0]);
    read.Flag = TpdValueCodec::ToBool(fields[1]);
    if (!ToCount(fields[2], ConditionGroup::kMaxRows, read.RowCount, error) ||
        !ToCount(fields[3], ConditionGroup::kMaxRows, read.BaseCount, error)) {
        return false;
    }
    const auto rows = static_cast<size_t>(read.RowCount);
    const auto bases = static_cast<size_t>(read.BaseCount);
    if (fields.size() < rows + 8) {
        error = TpdParseError::OutOfRange();
        return false;
    }
    TpdValueCodec::ToBoolList(fields[4], read.GameFlg);
    TpdValueCodec::ToBoolList(fields[5], read.MarkFlg);
    for (size_t r = 0; r < rows; ++r) {
        TpdValueCodec::ToBoolList(fields[6 + r], std::span<bool>(read.PlusFlg[r].data(), bases));
    }
    if (!ToByteTable(fields[6 + rows], ConditionGroup::kCountValues, read.RowCount, read.Cells,
                     error)) {
        return false;
    }
    const std::vector<QStringView> notes = TpdValueCodec::Split(fields[7 + rows], kGroupSeparator);
    for (size_t r = 0; r < rows && r < notes.size(); ++r) {
        read.RowNotes[r] = notes[r].toString();
    }
    read.UpdateRowLabels(kind);
    group = read;
    return true;
}

QString TpdConditionCodec::Tensho(const TenshoGrid& grid) {
    const int cols = grid.UsedCols();
    const int rows = grid.UsedRows();
    return TpdValueCodec::Bool(grid.Enabled) + kFieldSeparator + QString::number(cols) +
           kFieldSeparator + QString::number(rows) + kFieldSeparator +
           ByteTable(grid.Cells, cols, rows);
}

bool TpdConditionCodec::ToTensho(QStringView text, TenshoGrid& grid, TpdParseError& error) {
    const std::vector<QStringView> fields = TpdValueCodec::Split(text, kFieldSeparator);
    if (fields.size() < 3) {
        error = TpdParseError::OutOfRange();
        return false;
    }
    TenshoGrid read;
    read.Enabled = TpdValueCodec::ToBool(fields[0]);
    if (!ToCount(fields[1], TenshoGrid::kCols, read.Cols, error) ||
        !ToCount(fields[2], TenshoGrid::kRows, read.Rows, error)) {
        return false;
    }
    const QStringView cells = fields.size() > 3 ? fields[3] : QStringView();
    if (!ToByteTable(cells, read.Cols, read.Rows, read.Cells, error)) {
        return false;
    }
    grid = read;
    return true;
}

QString TpdConditionCodec::HaitouEv(const HaitouEvCondition& condition) {
    return TpdValueCodec::Bool(condition.Flag) + kFieldSeparator +
           TpdValueCodec::MoneyList(std::span<const Money>(&condition.MinPercent, 1));
}

bool TpdConditionCodec::ToHaitouEv(QStringView text, HaitouEvCondition& condition,
                                   TpdParseError& error) {
    const std::vector<QStringView> fields = TpdValueCodec::Split(text, kFieldSeparator);
    if (fields.size() != 2) {
        error = TpdParseError::OutOfRange();
        return false;
    }
    HaitouEvCondition read;
    read.Flag = TpdValueCodec::ToBool(fields[0]);
    if (!TpdValueCodec::ToMoneyList(fields[1], std::span<Money>(&read.MinPercent, 1), error)) {
        return false;
    }
    if (read.MinPercent < Money()) {
        error = TpdParseError::OutOfRange();
        return false;
    }
    condition = read;
    return true;
}

} // namespace kestrel
