#include "ConditionScreenshots.h"

#include <QMenu>

namespace kestrel {

namespace {

// Example conditions: a payout range of grade 1, misses accepted up to 1, group "A" of 本命
// with a few crosses and tolerated cells, and some excluded scores.
ConditionSet Example(ConditionSet conditions) {
    conditions.Haitou.Flag[0] = true;
    conditions.Haitou.Min[0] = Money::FromInt(50'000);
    conditions.MachigaiType = 1;
    conditions.MachigaiList[1] = true;
    ConditionGroup& group = conditions.Honmei[3];
    group.GameFlg = {true, true, true, true, false, false};
    group.PlusFlg[1] = {true, true, false, false, false, false};
    for (int count = 0; count < 2; ++count) {
        group.Cells[static_cast<size_t>(count)][0] = kCellCross;
    }
    group.Cells[5][1] = kCellTriangle;
    group.Cells[6][1] = kCellTriangle;
    conditions.Tensho.Cells[0][0] = kCellCross;
    conditions.Tensho.Cells[15][1] = kCellTriangle;
    return conditions;
}

QAction* Pick(QMenu& menu, const QString& caption) {
    for (QAction* action : menu.actions()) {
        if (action->text() == caption) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

bool TakeConditionScreenshots(MainWindow& window, const QString& out,
                              const std::function<bool(QWidget&, const QString&)>& grab) {
    ConditionTab* tab = window.ConditionPages();
    ConditionSet conditions;
    tab->Collect(conditions);
    tab->Spread(Example(conditions));
    window.Tabs()->setCurrentIndex(MainWindow::TabJouken);
    const struct {
        int page;
        const char* file;
    } shots[] = {{ConditionTab::PageHaitou, "/conditions-payout.png"},
                 {ConditionTab::PageHonmei, "/conditions-honmei.png"},
                 {ConditionTab::PageTensho, "/conditions-score.png"}};
    for (const auto& shot : shots) {
        tab->setCurrentIndex(shot.page);
        if (shot.page == ConditionTab::PageHonmei) {
            tab->KindPage(ConditionKind::Honmei)->GroupTabs()->setCurrentIndex(3);
        }
        if (!grab(window, out + QString::fromUtf8(shot.file))) {
            return false;
        }
    }
    tab->SetMenuChooser([](QMenu& menu) { return Pick(menu, QStringLiteral("構成分析")); });
    GridView* grid = tab->KindPage(ConditionKind::Honmei)->CountGrid();
    emit grid->CellClicked(Qt::LeftButton, Qt::NoModifier, 1, 2);
    tab->Composition()->resize(520, 240);
    return grab(*tab->Composition(), out + QStringLiteral("/composition.png"));
}

} // namespace kestrel
