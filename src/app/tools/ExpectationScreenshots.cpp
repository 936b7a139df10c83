#include "ExpectationScreenshots.h"

#include <QFile>

#include "app/PlayerOddsDialog.h"
#include "app/VoteHistoryWindow.h"
#include "core/PlayerOddsModel.h"
#include "store/VoteHistoryStore.h"

namespace kestrel {

namespace {

// Snapshots every 30 minutes over the last hours of the sale: the counts start from the final
// ones tilted towards class 1 and drift to them, so the picture shows moving rates.
void WriteDemoHistory(const ProgramPaths& paths, const VoteRecord& final) {
    VoteHistoryStore store(paths);
    QFile::remove(store.FilePath(final.Kaisaikai));
    constexpr int kSteps = 9;
    const DateTime end =
        final.SaleEnd.HasDate() ? final.SaleEnd : *DateTime::FromParts(2026, 5, 16, 13, 50);
    for (int i = 0; i < kSteps; ++i) {
        const double share = static_cast<double>(i + 1) / kSteps; // of the final sales
        const double tilt = 0.25 * (kSteps - 1 - i) / (kSteps - 1);
        VoteSnapshot snapshot;
        snapshot.FetchedAt =
            DateTime::FromTotalSeconds(end.TotalSeconds() - (kSteps - 1 - i) * 30 * 60);
        snapshot.Final = i == kSteps - 1;
        snapshot.Vote = final;
        for (int t = 0; t < kSlotCount; ++t) {
            for (int c = 0; c < kGoalClassCount; ++c) {
                const double weight = 1.0 + (c == (t % 3) + 1 ? tilt : -tilt / 3.0);
                const int64_t count =
                    static_cast<int64_t>(final.Slots[t].Votes[c].Count.ToDouble() * share * weight);
                snapshot.Vote.Slots[t].Votes[c].Count = Money::FromInt(count);
            }
        }
        store.Append(final.Kaisaikai, snapshot);
    }
}

} // namespace

bool TakeExpectationScreenshots(MainWindow& window, const QString& out,
                                const std::function<bool(QWidget&, const QString&)>& grab) {
    const DocumentRecord& record = window.Document().Record;
    std::array<QString, kSlotCount> teams;
    for (int t = 0; t < kSlotCount; ++t) {
        teams[t] = window.Document().Schedule.Slots[t].Team;
    }
    // The player's odds: the vote rates, with more faith in a low-scoring first match.
    PlayerOddsModel model;
    model.Load(PlayerOdds::FromVote(record.Vote), teams);
    const char* first[] = {"30", "40", "20", "10"};
    const char* second[] = {"35", "40", "15", "10"};
    for (int c = 0; c < kGoalClassCount; ++c) {
        model.SetText(0, c, QString::fromLatin1(first[c]));
        model.SetText(1, c, QString::fromLatin1(second[c]));
    }
    bool ok = true;
    PlayerOddsDialog preview(model, record.Vote, &window);
    preview.show();
    ok = grab(preview, out + QStringLiteral("/odds-dialog.png")) && ok;
    preview.hide();
    window.Expectation().SetOdds(model.Result());
    ok = grab(*window.MeisaiGrid()->parentWidget(), out + QStringLiteral("/meisai-expected.png")) &&
         ok;
    WriteDemoHistory(ProgramPaths::FromExecutable(), record.Vote);
    VoteHistoryWindow* chart = window.Expectation().ShowChart();
    ok = chart != nullptr && grab(*chart, out + QStringLiteral("/vote-history-chart.png")) && ok;
    if (chart != nullptr) {
        chart->hide();
    }
    return ok;
}

} // namespace kestrel
