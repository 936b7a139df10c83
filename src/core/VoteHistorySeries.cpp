#include "core/VoteHistorySeries.h"

#include <algorithm>
#include <memory>

#include "core/ExpectedValue.h"

namespace kestrel {

VoteHistorySeries VoteHistorySeries::Build(std::span<const VoteSnapshot> snapshots,
                                           std::span<const int32_t> singles,
                                           const std::optional<PlayerOdds>& odds, double price) {
    VoteHistorySeries series;
    auto ev = std::make_unique<ExpectedValue>();
    for (const VoteSnapshot& snapshot : snapshots) {
        Point point;
        point.At = snapshot.FetchedAt;
        point.Final = snapshot.Final;
        const PlayerOdds rates = PlayerOdds::FromVote(snapshot.Vote);
        for (int t = 0; t < kSlotCount; ++t) {
            point.Rate[t] = rates.Percents()[t];
            if (!snapshot.Vote.Slots[t].Team.isEmpty()) {
                series.Teams[t] = snapshot.Vote.Slots[t].Team;
            }
        }
        ev->Set(snapshot.Vote, odds ? *odds : rates, price);
        const ListExpectation figures = ev->ForList(singles);
        point.ReturnPercent = figures.ReturnPercent;
        point.Prize1 = figures.Prize1WhenWon();
        series.Points.push_back(point);
    }
    return series;
}

double VoteHistorySeries::MaxReturnPercent() const {
    double m = 0.0;
    for (const Point& p : Points) {
        m = std::max(m, p.ReturnPercent);
    }
    return m;
}

double VoteHistorySeries::MaxPrize1() const {
    double m = 0.0;
    for (const Point& p : Points) {
        m = std::max(m, p.Prize1);
    }
    return m;
}

} // namespace kestrel
