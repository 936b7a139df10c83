#include "core/VoteStatusModel.h"

#include "platform/VbFormat.h"

namespace kestrel {

namespace {

const QString kTeamHeader = QStringLiteral("チーム名");
const QString kSalesLabel = QStringLiteral("売上金額：");
const QString kYen = QStringLiteral("円");
const QString kVotesLabel = QStringLiteral("　投票口数：");
const QString kVotesUnit = QStringLiteral("口");

} // namespace

void VoteStatusModel::SetRecords(const ScheduleRecord& schedule, const VoteRecord& vote) {
    m_schedule = schedule;
    m_vote = vote;
}

QString VoteStatusModel::TeamName(int slot) const {
    const QString voted = m_vote.Slots[static_cast<size_t>(slot)].Team;
    return voted.isEmpty() ? m_schedule.Slots[static_cast<size_t>(slot)].Team : voted;
}

int VoteStatusModel::MostVoted(int slot) const {
    const auto& votes = m_vote.Slots[static_cast<size_t>(slot)].Votes;
    int best = 0;
    for (int c = 1; c < kGoalClassCount; ++c) {
        if (votes[static_cast<size_t>(c)].Count > votes[static_cast<size_t>(best)].Count) {
            best = c;
        }
    }
    return best;
}

QString VoteStatusModel::Text(int row, int col) const {
    if (row == 1) {
        return col == 1 ? kTeamHeader : QString::number(col - 2);
    }
    const int slot = row - 2;
    if (col == 1) {
        return TeamName(slot);
    }
    if (!HasVote()) {
        return QString();
    }
    const GoalVote& vote =
        m_vote.Slots[static_cast<size_t>(slot)].Votes[static_cast<size_t>(col - 2)];
    return VbFormat::Format(vote.Rate, QStringLiteral("0.00")) + QStringLiteral("% (") +
           VbFormat::Format(vote.Count, QStringLiteral("#,##0")) + QStringLiteral(")");
}

CellFore VoteStatusModel::Fore(int row, int col) const {
    if (row == 1 || col == 1 || !HasVote()) {
        return CellFore::Black;
    }
    return MostVoted(row - 2) == col - 2 ? CellFore::Blue : CellFore::Black;
}

QString VoteStatusModel::SalesText() const {
    if (!HasVote()) {
        return QString();
    }
    return kSalesLabel + VbFormat::Format(m_vote.Sales[0], QStringLiteral("#,##0")) + kYen +
           kVotesLabel + VbFormat::Format(m_vote.Votes[0], QStringLiteral("#,##0")) + kVotesUnit;
}

} // namespace kestrel
