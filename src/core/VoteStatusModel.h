#pragma once

#include <QString>

#include "core/MarkTable.h"
#include "core/ScheduleRecord.h"
#include "core/VoteRecord.h"

namespace kestrel {

// The vote-status panel of the main window as texts: a header row and one row per team slot
// with the team name and, for each goal class, the vote rate and the vote count; the most voted
// class of a slot is drawn in blue. Below the grid one line with the sales. Team names come from
// the vote status, or from the schedule while no vote status is loaded.
class VoteStatusModel {
public:
    static constexpr int kRows = 7;
    static constexpr int kColumns = 5;

    void SetRecords(const ScheduleRecord& schedule, const VoteRecord& vote);

    // Row 1 header, rows 2..7 slots 1..6; column 1 the team, columns 2..5 goal classes 0..3.
    QString Text(int row, int col) const;
    CellFore Fore(int row, int col) const;
    // "売上金額：" + yen "#,##0" + "円　投票口数：" + "#,##0" + "口"; empty without a vote status.
    QString SalesText() const;
    bool HasVote() const { return m_vote.Kaisaikai > 0; }

private:
    QString TeamName(int slot) const;
    int MostVoted(int slot) const;

    ScheduleRecord m_schedule;
    VoteRecord m_vote;
};

} // namespace kestrel
