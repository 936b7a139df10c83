#include "ui/VoteStatusView.h"

#include <QVBoxLayout>

namespace kestrel {

VoteStatusView::VoteStatusView(QWidget* parent)
    : QWidget(parent), m_grid(new GridView(this)), m_sales(new QLabel(this)) {
    m_grid->SetFontPointSize(10);
    m_grid->SetColumnWidths({140, 118});
    m_grid->SetRowHeight(21);
    m_grid->SetModel(this);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setAccessibleName(QStringLiteral("投票状況"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_grid);
    layout->addWidget(m_sales);
    layout->addStretch(1);
}

void VoteStatusView::SetRecords(const ScheduleRecord& schedule, const VoteRecord& vote) {
    m_model.SetRecords(schedule, vote);
    m_sales->setText(m_model.SalesText());
    m_grid->update();
}

CellBack VoteStatusView::Back(int row, int) const {
    return row == 1 ? CellBack::ButtonFace : SlotRowBack(row - 2);
}

} // namespace kestrel
