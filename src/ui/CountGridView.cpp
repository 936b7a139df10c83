#include "ui/CountGridView.h"

namespace kestrel {

int ButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0) |
           ((modifiers & Qt::AltModifier) ? 4 : 0);
}

CountGridView::CountGridView(clsTCount& count, QWidget* parent) : GridView(parent), m_count(count) {
    SetFontPointSize(kFontSize);
    SetColumnWidths({kCellWidth});
    SetRowHeight(kRowHeight);
    SetModel(this);
    setAccessibleName(QStringLiteral("シングル構成"));
    m_count.SetRedrawHandler([this] {
        SyncVisible();
        update();
    });
    connect(this, &GridView::CellClicked, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int col, int row) {
                m_count.MouseClick(ButtonCode(button), ShiftCode(modifiers), col, row);
            });
}

void CountGridView::SyncVisible() {
    setVisible(m_count.PanelVisible());
}

QString CountGridView::Text(int row, int col) const {
    return row == 1 ? clsTCount::HeaderText(col - 1) : m_count.CellText(col - 1, row - 2);
}

CellBack CountGridView::Back(int row, int) const {
    return row == 1 ? CellBack::ButtonFace : SlotRowBack(row - 2);
}

CellFore CountGridView::Fore(int row, int col) const {
    return row == 1 ? CellFore::Black : m_count.CellColour(col - 1, row - 2);
}

} // namespace kestrel
