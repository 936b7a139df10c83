#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

#include "core/LotteryConstants.h"
#include "core/MarkTable.h"

namespace kestrel {

// Result marks: one row per team slot (index 0..5), one column per goal class 0..3.
using ResultMarks = std::array<std::array<uint8_t, kGoalClassCount>, kSlotCount>;

// Cell values of the result marks.
inline constexpr uint8_t kResultNone = 0;         // not marked
inline constexpr uint8_t kResultOfficial = 1;     // the official goal class ("◎")
inline constexpr uint8_t kResultUser = 2;         // marked by the user, not official ("○")
inline constexpr uint8_t kResultUserVoid = 3;     // the user declared the match cancelled ("－")
inline constexpr uint8_t kResultOfficialVoid = 4; // the official result says cancelled ("－")

// The result mark grid: 6 x 4 cells, a snapshot to detect changes, the user's clicks and the
// context command "中止". Whenever an update leaves the cells different from the snapshot it
// takes a new snapshot and raises Change(click), click true when the user made the change.
class clsTMultiResult {
public:
    using ChangeHandler = std::function<void(bool click)>;

    void SetChangeHandler(ChangeHandler handler) { m_change = std::move(handler); }

    // All cells 0 (raises Change(false) when that is a change).
    void Clear();
    // Replaces all 24 cells (raises Change(false) when they differ from the snapshot).
    void SetValue(const ResultMarks& marks);
    void GetValue(ResultMarks& marks) const { marks = m_marks; }
    const ResultMarks& Value() const { return m_marks; }
    // Per team and class: true where the cell is not 0.
    void GetVisible(std::array<std::array<bool, kGoalClassCount>, kSlotCount>& flags) const;
    // The same as a (goal class, slot) table, the form the count panel takes.
    FlagTable VisibleTable() const;

    // Left click on team slot index t, class c. The row is cleared; when the clicked cell was
    // empty it becomes 1 if c is the official class of the team (officialClass, -1 when the
    // round has no official result) and 2 otherwise. Raises Change(true).
    void LeftClick(int t, int c, int officialClass);
    // Right click on a team row: remembers the row and returns the popup's entries.
    QStringList RightClick(int t);
    // The popup's command: index 0 ("中止") sets the remembered row to 3 3 3 3. Raises
    // Change(true).
    void SetPopup(int index);

    // Cell text: "◎" for 1, "○" for 2, "－" for 3 and 4, empty for 0.
    QString CellText(int t, int c) const;
    static QString PopupText() { return QStringLiteral("中止"); }

private:
    void Update(bool click);

    ResultMarks m_marks{};
    ResultMarks m_snapshot{};
    int m_popupRow = -1;
    ChangeHandler m_change;
};

} // namespace kestrel
