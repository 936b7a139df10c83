#pragma once

#include <QCheckBox>
#include <QTabBar>
#include <QWidget>

#include "reduction/clsXJoken1.h"
#include "ui/FlagGridView.h"
#include "ui/MarkGridView.h"

namespace kestrel {

// One count-condition page (本命, 人気 or 得点): the strip of the 29 groups, the team grid
// ("対象試合"), the goal-class grid ("対象結果"), the count grid with its row titles and the
// group's check box, above them the kind's master switch ("本命条件を使用する" etc.). Every edit
// goes to the clsXJoken1, which holds the group on view.
class CountConditionPage : public QWidget {
    Q_OBJECT
public:
    explicit CountConditionPage(clsXJoken1& model, QWidget* parent = nullptr);

    // Shows the model again (after a load, a clear or a round change).
    void Reload();

    QTabBar* GroupTabs() const { return m_tabs; }
    FlagGridView* TeamGrid() const { return m_teams; }
    FlagGridView* ClassGrid() const { return m_classes; }
    MarkGridView* CountGrid() const { return m_counts; }
    QCheckBox* GroupFlag() const { return m_flag; }
    QCheckBox* KindSwitch() const { return m_enabled; }

signals:
    // The counted cells of the group on view may have changed.
    void TaishoChanged();
    // "構成分析" was chosen on a row title.
    void CompositionRequested(int row);

private:
    void OnRowTitle(int row);

    clsXJoken1& m_model;
    QTabBar* m_tabs = nullptr;
    FlagGridView* m_teams = nullptr;
    FlagGridView* m_classes = nullptr;
    MarkGridView* m_counts = nullptr;
    QCheckBox* m_flag = nullptr;
    QCheckBox* m_enabled = nullptr;
};

} // namespace kestrel
