#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>
#include <functional>

#include "core/VoteHistorySeries.h"

class QPainter;

namespace kestrel {

// Paints a VoteHistorySeries: one panel per team with the rates of goal classes 0, 1, 2 and 3+
// over time, then a panel with the list's expected return and one with the grade-1 prize it
// would expect on a win. Lines join the snapshots in time order; the final figures are marked.
class VoteHistoryChart : public QWidget {
    Q_OBJECT
public:
    static const QString kReturnCaption; // "期待回収率（%）"
    static const QString kPrizeCaption;  // "1等推定金額（円）"

    explicit VoteHistoryChart(QWidget* parent = nullptr);

    void SetSeries(VoteHistorySeries series);
    const VoteHistorySeries& Series() const { return m_series; }
    QSize sizeHint() const override { return {960, 720}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    using Value = std::function<double(const VoteHistorySeries::Point&)>;
    void DrawPanel(QPainter& painter, const QRectF& area, const QString& title, double top,
                   const std::vector<std::pair<Value, QColor>>& lines) const;
    void DrawTimeAxis(QPainter& painter, const QRectF& plot) const;
    double X(const QRectF& plot, const DateTime& at) const;

    VoteHistorySeries m_series;
};

} // namespace kestrel
