#pragma once

#include <QWidget>
#include <vector>

#include "ui/GridModel.h"

namespace kestrel {

// A painted grid of fixed-size cells drawn from a GridModel. Mouse clicks (and double clicks,
// which count as one more click) are reported with the button, the modifiers and the 1-based
// column and row. The grid takes keyboard focus: the arrow keys move the current cell, Space
// acts as a left click on it and the menu key (or Shift+F10) as a right click.
class GridView : public QWidget {
    Q_OBJECT
public:
    explicit GridView(QWidget* parent = nullptr);

    void SetModel(const GridModel* model);
    // Width of each column in pixels (the last width repeats for further columns).
    void SetColumnWidths(std::vector<int> widths);
    void SetRowHeight(int height);
    void SetFontPointSize(int points);

    // The cell under a point, as (column, row) 1-based; (0, 0) outside the cells.
    QPoint CellAt(const QPoint& pos) const;
    // The rectangle of a cell (1-based column and row).
    QRect CellRect(int col, int row) const;
    QPoint CurrentCell() const { return m_current; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void CellClicked(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int col, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int ColumnWidth(int col) const;
    int ColumnLeft(int col) const;
    void PaintCell(QPainter& painter, int col, int row) const;
    void MoveCurrent(int dx, int dy);

    const GridModel* m_model = nullptr;
    std::vector<int> m_widths{40};
    int m_rowHeight = 22;
    QPoint m_current{1, 2};
};

// Screen colours of the grid cell colours.
QColor CellBackColor(CellBack back);
QColor CellForeColor(CellFore fore);

} // namespace kestrel
