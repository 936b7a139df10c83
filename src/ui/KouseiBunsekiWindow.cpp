#include "ui/KouseiBunsekiWindow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <algorithm>

namespace kestrel {

namespace {

constexpr int kRowHeight = 24;

} // namespace

KouseiBunsekiWindow::KouseiBunsekiWindow(const KouseiBunsekiModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model) {
    m_grid = new GridView;
    m_grid->SetFontPointSize(10);
    m_grid->SetColumnWidths({40, 90, 60});
    m_grid->SetRowHeight(kRowHeight);
    m_grid->SetModel(this);
    m_bars = new QWidget;
    m_bars->setMinimumSize(260, kRowHeight * Rows());
    m_bars->installEventFilter(this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 0, Qt::AlignTop);
    layout->addWidget(m_bars, 1);
    Reload();
}

void KouseiBunsekiWindow::Reload() {
    setWindowTitle(m_model.Title());
    m_grid->update();
    m_bars->update();
}

QString KouseiBunsekiWindow::Text(int row, int col) const {
    const clsTKouseiBunseki& grid = m_model.Grid();
    if (row == 1) {
        return col == 2 ? clsTKouseiBunseki::CountHeader()
                        : (col == 3 ? clsTKouseiBunseki::ShareHeader() : QString());
    }
    const int value = row - 2;
    switch (col) {
    case 1:
        return clsTKouseiBunseki::RowLabel(value);
    case 2:
        return grid.CountText(value);
    default:
        return grid.ShareText(value);
    }
}

CellBack KouseiBunsekiWindow::Back(int row, int col) const {
    return (row == 1 || col == 1) ? CellBack::ButtonFace : CellBack::White;
}

CellFore KouseiBunsekiWindow::Fore(int row, int) const {
    if (row == 1) {
        return CellFore::Black;
    }
    return m_model.Grid().RowColor(row - 2) == ResultColor::Red ? CellFore::Red : CellFore::Black;
}

bool KouseiBunsekiWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_bars && event->type() == QEvent::Paint) {
        PaintBars(m_bars);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void KouseiBunsekiWindow::PaintBars(QWidget* target) const {
    QPainter painter(target);
    painter.fillRect(target->rect(), Qt::white);
    const clsTKouseiBunseki& grid = m_model.Grid();
    const int64_t total = std::max<int64_t>(1, grid.Total());
    const int width = target->width() - 8;
    for (int value = 0; value < clsTKouseiBunseki::kRows; ++value) {
        const int top = (value + 1) * kRowHeight + 4;
        const int length = static_cast<int>(width * grid.Count(value) / total);
        const bool red = grid.RowColor(value) == ResultColor::Red;
        painter.fillRect(QRect(4, top, length, kRowHeight - 8),
                         red ? QColor(0xE0, 0x40, 0x40) : QColor(0x40, 0x70, 0xD0));
    }
}

} // namespace kestrel
