#pragma once

#include "core/clsTMulti.h"
#include "ui/GridView.h"
#include "ui/PopupMenuBuilder.h"

namespace kestrel {

// The multi grid: paints the marks of a clsTMulti (header row "0".."3", slot rows in white and
// light yellow, non-target cells in button face) and forwards every click to the model. The
// model's popup menus are shown through the builder; SetMenuChooser replaces the popup (tests).
class MultiGridView : public GridView, private GridModel {
    Q_OBJECT
public:
    static constexpr int kFontSize = 11;
    static constexpr int kCellWidth = 36;
    // The multi, vote-status and count grids share one row height so their rows line up.
    static constexpr int kRowHeight = 21;

    explicit MultiGridView(clsTMulti& multi, QWidget* parent = nullptr);

    void SetMenuChooser(PopupMenuBuilder::Chooser chooser) { m_chooser = std::move(chooser); }

signals:
    // The multi was redrawn (a mark or the pen may have changed).
    void Redrawn();

private:
    int Rows() const override { return clsTMulti::kRows; }
    int Columns() const override { return clsTMulti::kColumns; }
    QString Text(int row, int col) const override;
    CellBack Back(int row, int col) const override;
    CellFore Fore(int, int) const override { return CellFore::Black; }
    bool RightAligned(int, int) const override { return false; }
    void OnClicked(Qt::MouseButton button, int col, int row);

    clsTMulti& m_multi;
    PopupMenuBuilder::Chooser m_chooser;
};

} // namespace kestrel
