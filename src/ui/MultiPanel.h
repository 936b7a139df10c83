#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

#include "core/ScheduleRecord.h"
#include "core/clsTMulti.h"
#include "ui/MultiGridView.h"

namespace kestrel {

// The multi with what a player needs to read it: the short names of the round's six teams
// beside their rows, and below the grid what a left click on a cell does (the pen), so a pen
// set to "無し" never erases marks unnoticed.
class MultiPanel : public QWidget {
    Q_OBJECT
public:
    explicit MultiPanel(clsTMulti& multi, QWidget* parent = nullptr);

    MultiGridView* Grid() const { return m_grid; }
    QLabel* PenLabel() const { return m_pen; }
    // The team of each slot row (empty names leave the row unnamed).
    void SetTeams(const ScheduleRecord& schedule);

private:
    clsTMulti& m_multi;
    MultiGridView* m_grid = nullptr;
    QLabel* m_pen = nullptr;
    std::array<QLabel*, 6> m_teams{};
};

} // namespace kestrel
