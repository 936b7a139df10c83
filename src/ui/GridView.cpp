#include "ui/GridView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace kestrel {

QColor CellBackColor(CellBack back) {
    switch (back) {
    case CellBack::White:
        return QColor(0xFF, 0xFF, 0xFF);
    case CellBack::LightYellow:
        return QColor(0xFF, 0xFF, 0xE0);
    case CellBack::ButtonFace:
        break;
    }
    return QColor(0xF0, 0xF0, 0xF0);
}

QColor CellForeColor(CellFore fore) {
    switch (fore) {
    case CellFore::Blue:
        return QColor(0x00, 0x00, 0xFF);
    case CellFore::Red:
        return QColor(0xFF, 0x00, 0x00);
    case CellFore::Black:
        break;
    }
    return QColor(0x00, 0x00, 0x00);
}

GridView::GridView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void GridView::SetModel(const GridModel* model) {
    m_model = model;
    updateGeometry();
    update();
}

void GridView::SetColumnWidths(std::vector<int> widths) {
    if (!widths.empty()) {
        m_widths = std::move(widths);
    }
    updateGeometry();
}

void GridView::SetRowHeight(int height) {
    m_rowHeight = std::max(8, height);
    updateGeometry();
}

void GridView::SetFontPointSize(int points) {
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
    updateGeometry();
}

int GridView::ColumnWidth(int col) const {
    const size_t i = static_cast<size_t>(std::max(col, 1) - 1);
    return i < m_widths.size() ? m_widths[i] : m_widths.back();
}

int GridView::ColumnLeft(int col) const {
    int left = 0;
    for (int c = 1; c < col; ++c) {
        left += ColumnWidth(c);
    }
    return left;
}

QSize GridView::sizeHint() const {
    if (m_model == nullptr) {
        return {m_widths.front(), m_rowHeight};
    }
    const int cols = m_model->Columns();
    return {ColumnLeft(cols + 1) + 1, m_model->Rows() * m_rowHeight + 1};
}

QRect GridView::CellRect(int col, int row) const {
    return {ColumnLeft(col), (row - 1) * m_rowHeight, ColumnWidth(col), m_rowHeight};
}

QPoint GridView::CellAt(const QPoint& pos) const {
    if (m_model == nullptr || pos.x() < 0 || pos.y() < 0) {
        return {0, 0};
    }
    const int row = pos.y() / m_rowHeight + 1;
    for (int col = 1; col <= m_model->Columns(); ++col) {
        if (CellRect(col, row).contains(pos) && row <= m_model->Rows()) {
            return {col, row};
        }
    }
    return {0, 0};
}

void GridView::PaintCell(QPainter& painter, int col, int row) const {
    const QRect rect = CellRect(col, row);
    const uint32_t rgb = m_model->BackRgb(row, col);
    painter.fillRect(rect,
                     rgb != 0 ? QColor::fromRgba(rgb) : CellBackColor(m_model->Back(row, col)));
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    painter.drawRect(rect);
    const uint32_t fore = m_model->ForeRgb(row, col);
    painter.setPen(fore != 0 ? QColor::fromRgba(fore) : CellForeColor(m_model->Fore(row, col)));
    const Qt::Alignment align =
        m_model->RightAligned(row, col) ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter;
    painter.drawText(rect.adjusted(3, 0, -4, 0), align, m_model->Text(row, col));
}

void GridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_model == nullptr) {
        return;
    }
    for (int row = 1; row <= m_model->Rows(); ++row) {
        for (int col = 1; col <= m_model->Columns(); ++col) {
            PaintCell(painter, col, row);
        }
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.drawRect(CellRect(m_current.x(), m_current.y()).adjusted(1, 1, -1, -1));
    }
}

void GridView::mousePressEvent(QMouseEvent* event) {
    const QPoint cell = CellAt(event->position().toPoint());
    if (cell.x() < 1) {
        return;
    }
    m_current = cell;
    emit CellClicked(event->button(), event->modifiers(), cell.x(), cell.y());
    update();
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void GridView::MoveCurrent(int dx, int dy) {
    if (m_model == nullptr) {
        return;
    }
    m_current.setX(std::clamp(m_current.x() + dx, 1, m_model->Columns()));
    m_current.setY(std::clamp(m_current.y() + dy, 1, m_model->Rows()));
    update();
}

void GridView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        return MoveCurrent(-1, 0);
    case Qt::Key_Right:
        return MoveCurrent(1, 0);
    case Qt::Key_Up:
        return MoveCurrent(0, -1);
    case Qt::Key_Down:
        return MoveCurrent(0, 1);
    case Qt::Key_Space:
        emit CellClicked(Qt::LeftButton, event->modifiers(), m_current.x(), m_current.y());
        return update();
    case Qt::Key_Menu:
        emit CellClicked(Qt::RightButton, event->modifiers(), m_current.x(), m_current.y());
        return update();
    case Qt::Key_F10:
        if (event->modifiers() & Qt::ShiftModifier) {
            emit CellClicked(Qt::RightButton, Qt::NoModifier, m_current.x(), m_current.y());
            return update();
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kestrel
