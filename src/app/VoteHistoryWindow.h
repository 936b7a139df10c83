#pragma once

#include <QWidget>

#include "core/VoteHistorySeries.h"
#include "ui/VoteHistoryChart.h"

namespace kestrel {

// "投票状況の推移": a window over the main window holding the vote-history chart of a round.
class VoteHistoryWindow : public QWidget {
    Q_OBJECT
public:
    static const QString kTitle; // "投票状況の推移"

    explicit VoteHistoryWindow(QWidget* parent = nullptr);

    // Shows the series of the round (the title names the round and the number of snapshots).
    void SetSeries(int32_t round, VoteHistorySeries series);
    VoteHistoryChart* Chart() const { return m_chart; }

private:
    VoteHistoryChart* m_chart;
};

} // namespace kestrel
