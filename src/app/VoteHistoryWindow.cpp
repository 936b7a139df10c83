#include "app/VoteHistoryWindow.h"

#include <QVBoxLayout>

namespace kestrel {

const QString VoteHistoryWindow::kTitle = QStringLiteral("投票状況の推移");

VoteHistoryWindow::VoteHistoryWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_chart(new VoteHistoryChart) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chart);
    setWindowTitle(kTitle);
    resize(960, 680);
}

void VoteHistoryWindow::SetSeries(int32_t round, VoteHistorySeries series) {
    setWindowTitle(kTitle + QStringLiteral(" - 第") + QString::number(round) +
                   QStringLiteral("回 (") + QString::number(series.Points.size()) +
                   QStringLiteral("件)"));
    m_chart->SetSeries(std::move(series));
}

} // namespace kestrel
