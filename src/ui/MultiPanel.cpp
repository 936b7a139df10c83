#include "ui/MultiPanel.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace kestrel {

MultiPanel::MultiPanel(clsTMulti& multi, QWidget* parent)
    : QWidget(parent), m_multi(multi), m_grid(new MultiGridView(multi)), m_pen(new QLabel) {
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->setContentsMargins(0, 0, 0, 0);
    names->addSpacing(MultiGridView::kRowHeight); // beside the header row
    for (QLabel*& team : m_teams) {
        team = new QLabel;
        team->setFixedHeight(MultiGridView::kRowHeight);
        team->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        names->addWidget(team);
    }
    names->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(4);
    layout->addLayout(names, 0, 0);
    layout->addWidget(m_grid, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_pen, 1, 0, 1, 2);
    m_pen->setText(m_multi.PenText());
    connect(m_grid, &MultiGridView::Redrawn, this, [this] { m_pen->setText(m_multi.PenText()); });
}

void MultiPanel::SetTeams(const ScheduleRecord& schedule) {
    for (size_t slot = 0; slot < m_teams.size(); ++slot) {
        m_teams[slot]->setText(schedule.Slots[slot].Team);
    }
}

} // namespace kestrel
