#pragma once

#include <QTabWidget>
#include <array>
#include <functional>

#include "core/MarkTable.h"
#include "core/ScheduleRecord.h"
#include "reduction/ConditionSet.h"
#include "reduction/clsTX1.h"
#include "reduction/clsXJoken.h"
#include "reduction/clsXJoken1.h"
#include "reduction/clsXJokenTensho.h"
#include "results/KouseiBunsekiModel.h"
#include "ui/CountConditionPage.h"
#include "ui/HaitouPage.h"
#include "ui/KouseiBunsekiWindow.h"
#include "ui/PopupMenuBuilder.h"
#include "ui/TenshoPage.h"

namespace kestrel {

// The condition pages of the main window's 条件 tab: payout and misses, 本命, 人気, 得点 and the
// score page. Holds the page models, spreads a ConditionSet into them and collects it back, and
// opens the composition window for a row. Menus pop up through the builder (a chooser replaces
// the popup in tests) and the combination dialog through a replaceable handler.
class ConditionTab : public QTabWidget {
    Q_OBJECT
public:
    enum Page { PageHaitou = 0, PageHonmei, PageNinki, PageMark, PageTensho };
    using DialogHandler = clsXJoken1::DialogHandler;
    // Prepares the engine the composition is counted with (the multi and the vote status).
    using EngineSource = std::function<void(clsTX1& engine)>;

    explicit ConditionTab(QWidget* parent = nullptr);

    void Spread(const ConditionSet& conditions);
    void Collect(ConditionSet& conditions) const;
    // Ticks the teams of groups "J1" and "J2" of the three kinds from the round's schedule.
    void AssignJ1J2(const ScheduleRecord& schedule, const ConditionSet::LeagueLookup& lookup);
    // Shows the payout rows of grades 1..maxGrade (the round's highest prize grade); a hidden
    // grade's range takes no part in the reduction.
    void SetMaxGrade(int maxGrade);
    // The counted cells for the multi: those of the group on view, or every cell on the payout
    // and score pages.
    FlagTable Taisho() const;

    void SetMenuChooser(PopupMenuBuilder::Chooser chooser) { m_chooser = std::move(chooser); }
    void SetDialogHandler(DialogHandler handler);
    void SetEngineSource(EngineSource source) { m_engineSource = std::move(source); }

    HaitouPage* Haitou() const { return m_haitouPage; }
    CountConditionPage* KindPage(ConditionKind kind) const;
    TenshoPage* Tensho() const { return m_tenshoPage; }
    KouseiBunsekiWindow* Composition() const { return m_kouseiWindow; }
    const KouseiBunsekiModel& CompositionModel() const { return m_kousei; }

signals:
    void TaishoChanged();

private:
    static size_t KindIndex(ConditionKind kind) { return static_cast<size_t>(kind) - 1; }
    void ReloadPages();
    void ShowComposition(ConditionKind kind, int row);
    bool RunDialog(JoukenDialogModel& dialog);

    clsXJoken m_haitou;
    std::array<clsXJoken1, 3> m_kinds{clsXJoken1(ConditionKind::Honmei),
                                      clsXJoken1(ConditionKind::Ninki),
                                      clsXJoken1(ConditionKind::Mark)};
    clsXJokenTensho m_tensho;
    KouseiBunsekiModel m_kousei;
    HaitouPage* m_haitouPage = nullptr;
    std::array<CountConditionPage*, 3> m_kindPages{};
    TenshoPage* m_tenshoPage = nullptr;
    KouseiBunsekiWindow* m_kouseiWindow = nullptr;
    PopupMenuBuilder::Chooser m_chooser;
    DialogHandler m_dialog;
    EngineSource m_engineSource;
    int m_maxGrade = clsXJoken::kGrades;
};

} // namespace kestrel
