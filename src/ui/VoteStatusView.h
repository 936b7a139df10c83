#pragma once

#include <QLabel>
#include <QWidget>

#include "core/VoteStatusModel.h"
#include "ui/GridView.h"

namespace kestrel {

// The vote-status panel: the teams with the rate and count of every goal class, and the sales.
class VoteStatusView : public QWidget, private GridModel {
    Q_OBJECT
public:
    explicit VoteStatusView(QWidget* parent = nullptr);

    // Shows the round's records.
    void SetRecords(const ScheduleRecord& schedule, const VoteRecord& vote);
    const VoteStatusModel& Model() const { return m_model; }
    QString SalesLine() const { return m_sales->text(); }

private:
    int Rows() const override { return VoteStatusModel::kRows; }
    int Columns() const override { return VoteStatusModel::kColumns; }
    QString Text(int row, int col) const override { return m_model.Text(row, col); }
    CellBack Back(int row, int) const override;
    CellFore Fore(int row, int col) const override { return m_model.Fore(row, col); }
    bool RightAligned(int row, int col) const override { return row > 1 && col > 1; }

    VoteStatusModel m_model;
    GridView* m_grid;
    QLabel* m_sales;
};

} // namespace kestrel
