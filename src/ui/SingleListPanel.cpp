#include "ui/SingleListPanel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/VbFormat.h"

namespace kestrel {

SingleListPanel::SingleListPanel(SingleListPage& page, QWidget* parent)
    : QWidget(parent), m_page(page) {
    m_view = new SingleListView(page);
    m_lock = new QCheckBox(QStringLiteral("編集ロック"));
    m_prev = new QPushButton(QStringLiteral("<"));
    m_next = new QPushButton(QStringLiteral(">"));
    m_pageLabel = new QLabel;
    m_countLabel = new QLabel;
    connect(m_prev, &QPushButton::clicked, this, [this] {
        m_page.SetPage(m_page.Page() - 1);
        Refresh();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_page.SetPage(m_page.Page() + 1);
        Refresh();
    });
    auto* bar = new QHBoxLayout;
    bar->addWidget(m_prev);
    bar->addWidget(m_pageLabel);
    bar->addWidget(m_next);
    bar->addSpacing(16);
    bar->addWidget(new QLabel(QStringLiteral("シングル数：")));
    bar->addWidget(m_countLabel);
    bar->addSpacing(16);
    bar->addWidget(m_lock);
    bar->addStretch(1);
    auto* teams = new QHBoxLayout;
    teams->setSpacing(0);
    teams->addSpacing(SingleListView::kNumberWidth);
    for (QLabel*& team : m_teams) {
        team = new QLabel;
        team->setFixedWidth(4 * SingleListView::kClassWidth);
        team->setAlignment(Qt::AlignCenter);
        teams->addWidget(team);
    }
    teams->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(2);
    column->addLayout(teams);
    column->addWidget(m_view, 0, Qt::AlignLeft);
    column->addLayout(bar);
    column->addStretch(1);
    Refresh();
}

void SingleListPanel::Refresh() {
    m_page.Sync();
    m_prev->setEnabled(m_page.Page() > 0);
    m_next->setEnabled(m_page.Page() < m_page.LastPage());
    m_pageLabel->setText(m_page.PageLabel());
    m_countLabel->setText(
        VbFormat::Format(static_cast<int64_t>(m_page.Count()), QStringLiteral("#,##0")));
    for (size_t slot = 0; slot < m_teams.size(); ++slot) {
        m_teams[slot]->setText(m_page.Team(static_cast<int>(slot)));
    }
    m_view->update();
}

} // namespace kestrel
