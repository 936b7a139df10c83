#include "ui/ConditionTab.h"

#include <algorithm>

#include "reduction/ConditionLabels.h"
#include "ui/WindowPlacement.h"
#include "ui/frmJouken.h"

namespace kestrel {

ConditionTab::ConditionTab(QWidget* parent) : QTabWidget(parent) {
    const auto popup = [this](const PopupMenu& menu) {
        return PopupMenuBuilder::Show(menu, this, m_chooser);
    };
    m_haitou.SetPopupHandler(popup);
    m_tensho.SetPopupHandler(popup);
    m_haitouPage = new HaitouPage(m_haitou);
    addTab(m_haitouPage, QStringLiteral("配当・間違い"));
    for (ConditionKind kind : {ConditionKind::Honmei, ConditionKind::Ninki, ConditionKind::Mark}) {
        clsXJoken1& model = m_kinds[KindIndex(kind)];
        model.SetPopupHandler(popup);
        model.SetDialogHandler([this](JoukenDialogModel& dialog) { return RunDialog(dialog); });
        auto* page = new CountConditionPage(model);
        connect(page, &CountConditionPage::TaishoChanged, this, &ConditionTab::TaishoChanged);
        connect(page, &CountConditionPage::CompositionRequested, this,
                [this, kind](int row) { ShowComposition(kind, row); });
        m_kindPages[KindIndex(kind)] = page;
        addTab(page, ConditionLabels::KindLabel(kind));
    }
    m_tenshoPage = new TenshoPage(m_tensho);
    addTab(m_tenshoPage, QStringLiteral("点詳細"));
    m_kouseiWindow = new KouseiBunsekiWindow(m_kousei, this);
    connect(this, &QTabWidget::currentChanged, this, &ConditionTab::TaishoChanged);
}

void ConditionTab::SetDialogHandler(DialogHandler handler) {
    m_dialog = std::move(handler);
}

CountConditionPage* ConditionTab::KindPage(ConditionKind kind) const {
    return m_kindPages[KindIndex(kind)];
}

void ConditionTab::Spread(const ConditionSet& conditions) {
    m_haitou.SetHaitou(conditions.Haitou);
    m_haitou.SetHaitouEv(conditions.HaitouEv);
    m_haitou.SetMachigaiType(conditions.MachigaiType);
    m_haitou.SetMachigaiFlg(conditions.MachigaiList);
    for (ConditionKind kind : {ConditionKind::Honmei, ConditionKind::Ninki, ConditionKind::Mark}) {
        m_kinds[KindIndex(kind)].SetGroups(conditions.Groups(kind));
    }
    m_tensho.SetTensho(conditions.Tensho);
    ReloadPages();
}

void ConditionTab::Collect(ConditionSet& conditions) const {
    m_haitou.GetHaitou(conditions.Haitou);
    conditions.HaitouEv = m_haitou.HaitouEv();
    for (int g = m_maxGrade; g < clsXJoken::kGrades; ++g) {
        conditions.Haitou.Enabled[static_cast<size_t>(g)] = false;
    }
    conditions.MachigaiType = m_haitou.MachigaiType();
    m_haitou.GetMachigaiFlg(conditions.MachigaiList);
    for (ConditionKind kind : {ConditionKind::Honmei, ConditionKind::Ninki, ConditionKind::Mark}) {
        m_kinds[KindIndex(kind)].GetGroups(conditions.Groups(kind));
    }
    m_tensho.GetTensho(conditions.Tensho);
}

void ConditionTab::AssignJ1J2(const ScheduleRecord& schedule,
                              const ConditionSet::LeagueLookup& lookup) {
    for (clsXJoken1& model : m_kinds) {
        model.AssignJ1J2(schedule, lookup);
    }
    ReloadPages();
}

void ConditionTab::SetMaxGrade(int maxGrade) {
    m_maxGrade = std::clamp(maxGrade, 1, clsXJoken::kGrades);
    m_haitouPage->SetMaxGrade(m_maxGrade);
}

FlagTable ConditionTab::Taisho() const {
    FlagTable flags{};
    const int page = currentIndex();
    if (page >= PageHonmei && page <= PageMark) {
        m_kinds[static_cast<size_t>(page - PageHonmei)].GetTaisho(flags);
        return flags;
    }
    for (auto& column : flags) {
        column.fill(true);
    }
    return flags;
}

void ConditionTab::ReloadPages() {
    m_haitouPage->Reload();
    for (CountConditionPage* page : m_kindPages) {
        page->Reload();
    }
    m_tenshoPage->Reload();
    emit TaishoChanged();
}

void ConditionTab::ShowComposition(ConditionKind kind, int row) {
    clsTX1 engine;
    if (m_engineSource) {
        m_engineSource(engine);
    }
    const clsXJoken1& model = m_kinds[KindIndex(kind)];
    m_kousei.Open(engine, kind, row, model.Group(model.CurrentGroup()));
    m_kouseiWindow->Reload();
    if (!m_kouseiWindow->isVisible()) {
        m_kouseiWindow->adjustSize();
        CentreOver(m_kouseiWindow, this);
    }
    m_kouseiWindow->show();
    m_kouseiWindow->raise();
}

bool ConditionTab::RunDialog(JoukenDialogModel& dialog) {
    if (m_dialog) {
        return m_dialog(dialog);
    }
    frmJouken window(dialog, this);
    return window.exec() == QDialog::Accepted;
}

} // namespace kestrel
