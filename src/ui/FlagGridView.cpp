#include "ui/FlagGridView.h"

#include <QFontMetrics>
#include <algorithm>

namespace kestrel {

FlagGridView::FlagGridView(const clsXGridB& grid, ClickFn click, QString title,
                           QStringList captions, QWidget* parent)
    : GridView(parent), m_grid(grid), m_click(std::move(click)), m_title(std::move(title)),
      m_captions(std::move(captions)) {
    SetFontPointSize(10);
    const int titleWidth =
        std::max(kCellWidth, QFontMetrics(font()).horizontalAdvance(m_title) + 12);
    SetColumnWidths({titleWidth, kCellWidth});
    SetRowHeight(kRowHeight);
    SetModel(this);
    setAccessibleName(m_title);
    connect(this, &GridView::CellClicked, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int col, int row) {
                OnClicked(button, col, row);
            });
}

QString FlagGridView::Text(int row, int col) const {
    if (col == 1) {
        return row == 2 ? m_title : QString();
    }
    if (row == 1) {
        return m_captions.value(col - 2);
    }
    return m_grid.Flag(col - 2) ? QStringLiteral("○") : QString();
}

CellBack FlagGridView::Back(int row, int col) const {
    return (row == 1 || col == 1) ? CellBack::ButtonFace : CellBack::White;
}

void FlagGridView::OnClicked(Qt::MouseButton button, int col, int row) {
    bool changed = false;
    if (button == Qt::RightButton) {
        changed = m_click(clsXGridB::Button::Right, row == 2 ? col - 2 : -1);
    } else if (button == Qt::LeftButton && row == 2 && col >= 2) {
        changed = m_click(clsXGridB::Button::Left, col - 2);
    }
    if (changed) {
        update();
        emit Changed();
    }
}

} // namespace kestrel
