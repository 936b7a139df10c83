#include "ui/VoteHistoryChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace kestrel {

const QString VoteHistoryChart::kReturnCaption = QStringLiteral("期待回収率（%）");
const QString VoteHistoryChart::kPrizeCaption = QStringLiteral("1等推定金額（円）");

namespace {

constexpr int kColumns = 2;
constexpr int kRows = 4;
constexpr double kMargin = 8.0;
constexpr double kTitleHeight = 18.0;
constexpr double kAxisWidth = 70.0;
constexpr double kTimeHeight = 16.0;

const QColor kClassColours[kGoalClassCount] = {QColor(0, 90, 200), QColor(220, 120, 0),
                                               QColor(0, 150, 60), QColor(200, 0, 60)};
const char* const kClassNames[kGoalClassCount] = {"0点", "1点", "2点", "3点以上"};

// A round upper bound for an axis: 1, 2 or 5 times a power of ten.
double NiceTop(double value) {
    if (!(value > 0.0)) {
        return 1.0;
    }
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {1.0, 2.0, 5.0, 10.0}) {
        if (value <= step * power) {
            return step * power;
        }
    }
    return 10.0 * power;
}

QString AxisText(double value) {
    if (value >= 100'000'000.0) {
        return QString::number(value / 100'000'000.0, 'g', 3) + QStringLiteral("億");
    }
    if (value >= 10'000.0) {
        return QString::number(value / 10'000.0, 'g', 4) + QStringLiteral("万");
    }
    return QString::number(value, 'g', 4);
}

} // namespace

VoteHistoryChart::VoteHistoryChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("投票状況の推移"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void VoteHistoryChart::SetSeries(VoteHistorySeries series) {
    m_series = std::move(series);
    update();
}

double VoteHistoryChart::X(const QRectF& plot, const DateTime& at) const {
    const auto& points = m_series.Points;
    const int64_t first = points.front().At.TotalSeconds();
    const int64_t span = points.back().At.TotalSeconds() - first;
    if (span <= 0) {
        return plot.center().x();
    }
    return plot.left() + plot.width() * static_cast<double>(at.TotalSeconds() - first) / span;
}

void VoteHistoryChart::DrawTimeAxis(QPainter& painter, const QRectF& plot) const {
    const auto& points = m_series.Points;
    const QRectF below(plot.left(), plot.bottom() + 1, plot.width(), kTimeHeight);
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop,
                     points.front().At.Format(QStringLiteral("mm/dd hh:nn")));
    if (points.size() > 1) {
        painter.drawText(below, Qt::AlignRight | Qt::AlignTop,
                         points.back().At.Format(QStringLiteral("mm/dd hh:nn")));
    }
}

void VoteHistoryChart::DrawPanel(QPainter& painter, const QRectF& area, const QString& title,
                                 double top,
                                 const std::vector<std::pair<Value, QColor>>& lines) const {
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), kTitleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    const QRectF plot(area.left() + kAxisWidth, area.top() + kTitleHeight,
                      area.width() - kAxisWidth - kMargin,
                      area.height() - kTitleHeight - kTimeHeight);
    painter.setPen(QColor(200, 200, 200));
    for (int i = 0; i <= 4; ++i) {
        const double y = plot.bottom() - plot.height() * i / 4.0;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y - 8, kAxisWidth - 4, 16),
                         Qt::AlignRight | Qt::AlignVCenter, AxisText(top * i / 4.0));
        painter.setPen(QColor(200, 200, 200));
    }
    painter.setPen(Qt::black);
    painter.drawRect(plot);
    if (m_series.Points.empty()) {
        return;
    }
    DrawTimeAxis(painter, plot);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const auto& [value, colour] : lines) {
        QPainterPath path;
        bool first = true;
        for (const auto& point : m_series.Points) {
            const double v = std::clamp(value(point), 0.0, top);
            const QPointF at(X(plot, point.At), plot.bottom() - plot.height() * v / top);
            if (first) {
                path.moveTo(at);
            } else {
                path.lineTo(at);
            }
            first = false;
            painter.setPen(QPen(colour, 1.0));
            painter.setBrush(point.Final ? QBrush(colour) : QBrush(Qt::white));
            painter.drawEllipse(at, 3.0, 3.0);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, 2.0));
        painter.drawPath(path);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void VoteHistoryChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont font = painter.font();
    font.setPointSize(9);
    painter.setFont(font);
    const double cellWidth = (width() - kMargin) / kColumns;
    const double cellHeight = (height() - kMargin - kTitleHeight) / kRows;
    // The legend of the goal classes across the top.
    double x = kMargin;
    for (int c = 0; c < kGoalClassCount; ++c) {
        painter.setPen(QPen(kClassColours[c], 3.0));
        painter.drawLine(QPointF(x, kMargin + 8), QPointF(x + 24, kMargin + 8));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + 28, kMargin, 60, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8(kClassNames[c]));
        x += 90;
    }
    auto cell = [&](int index) {
        return QRectF(kMargin + (index % kColumns) * cellWidth,
                      kMargin + kTitleHeight + (index / kColumns) * cellHeight, cellWidth - kMargin,
                      cellHeight - kMargin);
    };
    for (int t = 0; t < kSlotCount; ++t) {
        double top = 0.0;
        for (const auto& point : m_series.Points) {
            top = std::max(top, *std::max_element(point.Rate[t].begin(), point.Rate[t].end()));
        }
        std::vector<std::pair<Value, QColor>> lines;
        for (int c = 0; c < kGoalClassCount; ++c) {
            lines.emplace_back([t, c](const VoteHistorySeries::Point& p) { return p.Rate[t][c]; },
                               kClassColours[c]);
        }
        DrawPanel(painter, cell(t),
                  QString::number(t + 1) + QStringLiteral(" ") + m_series.Teams[t],
                  std::min(100.0, NiceTop(top)), lines);
    }
    DrawPanel(
        painter, cell(6), kReturnCaption, NiceTop(m_series.MaxReturnPercent()),
        {{[](const VoteHistorySeries::Point& p) { return p.ReturnPercent; }, Qt::darkMagenta}});
    DrawPanel(painter, cell(7), kPrizeCaption, NiceTop(m_series.MaxPrize1()),
              {{[](const VoteHistorySeries::Point& p) { return p.Prize1; }, Qt::darkCyan}});
}

} // namespace kestrel
