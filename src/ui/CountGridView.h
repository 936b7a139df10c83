#pragma once

#include "core/clsTCount.h"
#include "ui/GridView.h"

namespace kestrel {

// The count panel: paints a clsTCount (header row in button face, slot rows in white and light
// yellow, right-aligned counts or percentages, highlighted cells in blue) and forwards clicks to
// the model with the button (1 left, 2 right) and shift state (1 Shift, 2 Ctrl, 4 Alt).
class CountGridView : public GridView, private GridModel {
    Q_OBJECT
public:
    static constexpr int kFontSize = 11;
    static constexpr int kCellWidth = 45;
    static constexpr int kRowHeight = 21;

    explicit CountGridView(clsTCount& count, QWidget* parent = nullptr);

    // Shows or hides the grid as the model says.
    void SyncVisible();

private:
    int Rows() const override { return clsTCount::kRows; }
    int Columns() const override { return clsTCount::kColumns; }
    QString Text(int row, int col) const override;
    CellBack Back(int row, int col) const override;
    CellFore Fore(int row, int col) const override;
    bool RightAligned(int row, int) const override { return row > 1; }

    clsTCount& m_count;
};

// Mouse button and modifier codes as the models take them.
int ButtonCode(Qt::MouseButton button);
int ShiftCode(Qt::KeyboardModifiers modifiers);

} // namespace kestrel
