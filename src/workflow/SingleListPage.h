#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "core/LotteryConstants.h"
#include "core/ScheduleRecord.h"
#include "core/VoteRecord.h"
#include "results/SingleListSummary.h"

namespace kestrel {

// What the single list view shows of the document's single list: ten singles a page, one row
// each, with the entry number, the six slots as four goal-class cells each (the predicted class
// shows its digit) and the four summary lines; plus the selection flags of the entries.
//
// Columns (1-based): 1 the entry number, 2..25 slot t (0..5) class c (0..3) at 2 + 4t + c,
// 26..30 the summary lines. Row 1 holds the captions, rows 2..11 the entries of the page.
class SingleListPage {
public:
    static constexpr int kPageSize = 10;
    static constexpr int kRows = kPageSize + 1;
    static constexpr int kFirstClassColumn = 2;
    static constexpr int kFirstSummaryColumn = kFirstClassColumn + 24;
    static constexpr int kColumns = kFirstSummaryColumn + SingleListSummary::kLines - 1;

    // The list the page reads; it must outlive the page's use.
    void SetList(const std::vector<int32_t>* singles);
    void SetVote(const VoteRecord& vote, const std::optional<PlayerOdds>& odds = std::nullopt,
                 double price = ExpectedValue::kDefaultPrice) {
        m_summary.SetVote(vote, odds, price);
    }
    const SingleListSummary& Summary() const { return m_summary; }
    // The round's teams, named above their slots' columns.
    void SetTeams(const ScheduleRecord& schedule);
    // Short name of the team of slot 0..5 (empty when unknown).
    QString Team(int slot) const;
    // Sizes the selection to the list (new entries unselected) and keeps the page in range.
    void Sync();
    // Clears every selection flag and shows the first page.
    void Reset();

    int Count() const;
    int Page() const { return m_page; }
    int LastPage() const;
    void SetPage(int page);
    void ShowLastPage() { SetPage(LastPage()); }
    QString PageLabel() const;

    // Entry index of a grid row of the current page; -1 for the caption row or below the list.
    int EntryAt(int row) const;
    // Slot index and class of a class column; false for other columns.
    static bool ClassAt(int col, int& slot, int& goalClass);

    bool Selected(int index) const;
    void ToggleSelected(int index);
    void SelectAll(bool selected);
    const std::vector<bool>& Selection() const { return m_selected; }

    // Grid texts.
    QString Text(int row, int col) const;
    static QString Caption(int col);

private:
    const std::vector<int32_t>* m_singles = nullptr;
    std::vector<bool> m_selected;
    int m_page = 0;
    SingleListSummary m_summary;
    std::array<QString, kSlotCount> m_teams;
};

} // namespace kestrel
