#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "core/MarkTable.h"
#include "core/VoteRecord.h"

namespace kestrel {

// The user-defined vote-rate editor (" 投票率（ユーザー定義）") as a model: one row per team slot,
// one column per goal class, values on the "10,000" scale (each row adds up to 10,000, 1 =
// 0.01 %) or the "100" scale. The dialog draws Values/RowColour, filters keys through Key and
// asks OkEnabled; OK builds the new vote status with Result.
class UserVoteRateModel {
public:
    enum class Scale { Scale10000, Scale100 };
    enum class KeyAction { Accept, Refuse, NextBox };

    static const QString kTitle; // " 投票率（ユーザー定義）"
    static const QString kLabel; // "各行の合計値が下記の値になるように調整して下さい。"
    static const QString kTotalCaption;      // "合計値"
    static const QString kScale10000Caption; // "10,000"
    static const QString kScale100Caption;   // "100"

    // Values = the document's published rates x 100 as integers; scale "10,000".
    void Load(const VoteRecord& vote, const std::array<QString, kSlotCount>& teams);

    // Switching to "100" turns v into v x 0.01 rounded half to even; back to "10,000" into v x 100.
    void SetScale(Scale scale);
    Scale CurrentScale() const { return m_scale; }
    int32_t Total() const { return m_scale == Scale::Scale100 ? 100 : 10000; }
    int MaxDigits() const { return m_scale == Scale::Scale100 ? 3 : 5; }
    QString TotalText() const; // "10,000" or "100"

    // Text of a box after editing: not a number counts as 0.
    void SetText(int slotIndex, int goalClass, const QString& text);
    void SetValue(int slotIndex, int goalClass, int32_t value);
    int32_t Value(int slotIndex, int goalClass) const { return m_values[slotIndex][goalClass]; }
    QString Text(int slotIndex, int goalClass) const;
    const QString& TeamName(int slotIndex) const { return m_teams[slotIndex]; }

    // Key filter of a box: digits unless the box is full and not wholly selected; Backspace
    // unless the box is empty; Enter moves on; everything else is refused.
    KeyAction Key(QChar key, const QString& boxText, bool wholeTextSelected) const;
    static constexpr QChar kBackspace = QChar(0x08);
    static constexpr QChar kEnter = QChar(0x0D);

    int32_t RowSum(int slotIndex) const;
    bool RowMatches(int slotIndex) const { return RowSum(slotIndex) == Total(); }
    CellFore RowColour(int slotIndex) const {
        return RowMatches(slotIndex) ? CellFore::Black : CellFore::Red;
    }
    bool OkEnabled() const;

    // Values on the 10,000 scale (as OK hands them over).
    std::array<std::array<int32_t, kGoalClassCount>, kSlotCount> Values10000() const;

    // The new vote status: round and group of the document's record, as-of time unset, count =
    // value and rate = value / 100 for every slot and class, everything else zero or empty.
    VoteRecord Result(const VoteRecord& document) const;

private:
    std::array<std::array<int32_t, kGoalClassCount>, kSlotCount> m_values{};
    std::array<QString, kSlotCount> m_teams{};
    Scale m_scale = Scale::Scale10000;
};

} // namespace kestrel
