#include "ui/MultiGridView.h"

namespace kestrel {

MultiGridView::MultiGridView(clsTMulti& multi, QWidget* parent) : GridView(parent), m_multi(multi) {
    SetFontPointSize(kFontSize);
    SetColumnWidths({kCellWidth});
    SetRowHeight(kRowHeight);
    SetModel(this);
    setAccessibleName(QStringLiteral("マルチ"));
    m_multi.SetRedrawHandler([this] {
        update();
        emit Redrawn();
    });
    m_multi.SetPopupHandler(
        [this](const PopupMenu& menu) { return PopupMenuBuilder::Show(menu, this, m_chooser); });
    connect(this, &GridView::CellClicked, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int col, int row) {
                OnClicked(button, col, row);
            });
}

QString MultiGridView::Text(int row, int col) const {
    return row == 1 ? clsTMulti::HeaderText(col - 1) : m_multi.CellText(col - 1, row - 2);
}

CellBack MultiGridView::Back(int row, int col) const {
    return row == 1 ? CellBack::ButtonFace : m_multi.CellBackground(col - 1, row - 2);
}

void MultiGridView::OnClicked(Qt::MouseButton button, int col, int row) {
    if (button == Qt::LeftButton) {
        m_multi.MouseClick(clsTMulti::Button::Left, col, row);
    } else if (button == Qt::RightButton) {
        m_multi.MouseClick(clsTMulti::Button::Right, col, row);
    }
}

} // namespace kestrel
