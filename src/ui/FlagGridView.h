#pragma once

#include <QStringList>
#include <functional>

#include "reduction/clsXGridB.h"
#include "ui/GridView.h"

namespace kestrel {

// A flag grid of a condition page (teams, goal classes, accepted miss counts): a caption row over
// one row of ticks ("○") led by a title cell. Clicks go to the page model's click operation
// (column from 0; -1 for the title or caption cells), which returns true when a tick changed.
class FlagGridView : public GridView, private GridModel {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 32;
    static constexpr int kRowHeight = 22;

    using ClickFn = std::function<bool(clsXGridB::Button button, int col)>;

    FlagGridView(const clsXGridB& grid, ClickFn click, QString title, QStringList captions,
                 QWidget* parent = nullptr);

signals:
    void Changed();

private:
    int Rows() const override { return 2; }
    int Columns() const override { return m_grid.Cols() + 1; }
    QString Text(int row, int col) const override;
    CellBack Back(int row, int col) const override;
    CellFore Fore(int, int) const override { return CellFore::Black; }
    bool RightAligned(int, int) const override { return false; }
    void OnClicked(Qt::MouseButton button, int col, int row);

    const clsXGridB& m_grid;
    ClickFn m_click;
    QString m_title;
    QStringList m_captions;
};

} // namespace kestrel
