#include "ui/CountConditionPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "reduction/ConditionLabels.h"

namespace kestrel {

namespace {

QStringList Numbers(int from, int count) {
    QStringList captions;
    for (int i = 0; i < count; ++i) {
        captions << QString::number(from + i);
    }
    return captions;
}

clsXJoken1::Button Convert(clsXGridB::Button button) {
    return button == clsXGridB::Button::Left ? clsXJoken1::Button::Left : clsXJoken1::Button::Right;
}

} // namespace

CountConditionPage::CountConditionPage(clsXJoken1& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    m_tabs = new QTabBar;
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    for (int g = 0; g < ConditionSet::kGroupCount; ++g) {
        m_tabs->addTab(ConditionLabels::GroupLabel(g));
    }
    m_teams = new FlagGridView(
        m_model.TeamGrid(),
        [this](clsXGridB::Button button, int col) {
            return m_model.TeamClick(Convert(button), col);
        },
        QStringLiteral("対象試合"), Numbers(1, kSlotCount));
    m_classes = new FlagGridView(
        m_model.ClassGrid(),
        [this](clsXGridB::Button button, int col) {
            return m_model.ClassClick(Convert(button), col);
        },
        QStringLiteral("対象結果"), Numbers(0, kGoalClassCount));
    m_counts = new MarkGridView(
        m_model.CountGrid(),
        [this](clsXGridM::Button button, clsXGridM::Keys keys, int row, int col) {
            return m_model.CountClick(button, keys, row, col);
        },
        [this](clsXGridM::Button button) { return m_model.CountHeaderClick(button); }, 1,
        [](int, int c) { return c < 0 ? QString() : QString::number(c); },
        [this](int r) { return m_model.RowTitle(r); }, 120);
    m_counts->setAccessibleName(ConditionLabels::KindLabel(m_model.Kind()));
    m_flag = new QCheckBox(QStringLiteral("下の×と△マークを削除する"));
    m_enabled = new QCheckBox(ConditionLabels::KindLabel(m_model.Kind()) +
                              QStringLiteral("条件を使用する"));

    auto* flags = new QHBoxLayout;
    flags->addWidget(m_teams);
    flags->addSpacing(16);
    flags->addWidget(m_classes);
    flags->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addWidget(m_tabs);
    layout->addLayout(flags);
    layout->addWidget(m_flag);
    layout->addWidget(m_counts);
    layout->addStretch(1);

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int group) {
        m_model.SelectGroup(group);
        Reload();
        emit TaishoChanged();
    });
    connect(m_teams, &FlagGridView::Changed, this, &CountConditionPage::TaishoChanged);
    connect(m_classes, &FlagGridView::Changed, this, &CountConditionPage::TaishoChanged);
    connect(m_flag, &QCheckBox::toggled, this, [this](bool on) { m_model.SetFlag(on); });
    connect(m_enabled, &QCheckBox::toggled, this, [this](bool on) { m_model.SetAllEnabled(on); });
    connect(m_counts, &MarkGridView::RowTitleClicked, this, &CountConditionPage::OnRowTitle);
    Reload();
}

void CountConditionPage::Reload() {
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(m_model.CurrentGroup());
    }
    for (auto [box, on] : {std::pair{m_flag, m_model.Flag()}, {m_enabled, m_model.AllEnabled()}}) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    }
    m_teams->update();
    m_classes->update();
    m_counts->update();
}

void CountConditionPage::OnRowTitle(int row) {
    const int32_t action = m_model.RowTitleClick(row);
    m_counts->update();
    if (action == clsXJoken1::kComposition) {
        emit CompositionRequested(row);
    }
}

} // namespace kestrel
