#include "ui/SearchSettingsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "engines/clsTMsEngine.h"

namespace kestrel {

namespace {

const std::array<QString, 4> kChushutsuTypes = {
    QStringLiteral("ランダムで抽出"), QStringLiteral("高額配当から抽出"),
    QStringLiteral("中間配当から抽出"), QStringLiteral("低額配当から抽出")};
// The grade-3 searches (trial and stronger): the only ones that can extend the purchase
// candidates to third-grade distance.
bool TakesExGrade3(int method) {
    return method == 4 || method == 7;
}

QSpinBox* NewSpin(int minimum, int maximum) {
    auto* spin = new QSpinBox;
    spin->setRange(minimum, maximum);
    spin->setAlignment(Qt::AlignRight);
    spin->setMinimumWidth(80);
    return spin;
}

// One row: a number box followed by its caption.
void AddSpinRow(QGridLayout* grid, int row, QSpinBox* spin, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setBuddy(spin);
    spin->setAccessibleName(caption);
    grid->addWidget(spin, row, 0);
    grid->addWidget(label, row, 1);
}

} // namespace

const QString SearchSettingsPage::kChushutsuWarning =
    QStringLiteral("抽出圧縮をすると２等保証や３等保証などの保証は破棄されます");

QString SearchSettingsPage::MethodCaption(int method) {
    return clsTMsEngine::MethodCaption(method);
}

SearchSettingsPage::SearchSettingsPage(QWidget* parent)
    : QWidget(parent), m_methods(new QButtonGroup(this)),
      m_beginCount(NewSpin(EngineSettings::kMinCount, EngineSettings::kMaxCount)),
      m_endCount(NewSpin(EngineSettings::kMinCount, EngineSettings::kMaxCount)),
      m_endTime(NewSpin(0, EngineSettings::kMaxTime)),
      m_exGrade2(new QCheckBox(QStringLiteral("購入対象を２等まで拡大"))),
      m_exGrade3(new QCheckBox(QStringLiteral("購入対象を３等まで拡大"))),
      m_seBeginCount(NewSpin(EngineSettings::kMinCount, EngineSettings::kMaxCount)),
      m_seEndTime(NewSpin(0, EngineSettings::kMaxTime)),
      m_chushutsu(new QCheckBox(QStringLiteral(" 削減圧縮後"))),
      m_chushutsuCount(NewSpin(EngineSettings::kMinCount, EngineSettings::kMaxCount)),
      m_chushutsuType(new QComboBox) {
    auto* left = new QVBoxLayout;
    left->addWidget(BuildMethods());
    left->addWidget(BuildExtraction());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildTrial());
    right->addWidget(BuildOptimisation());
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    SetSettings(EngineSettings());
    connect(m_methods, &QButtonGroup::idClicked, this, [this] { UpdateEnabled(); });
    connect(m_chushutsu, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
}

QWidget* SearchSettingsPage::BuildMethods() {
    auto* box = new QGroupBox(QStringLiteral("圧縮方法"));
    auto* layout = new QVBoxLayout(box);
    for (int m = 0; m <= EngineSettings::kMaxMethod; ++m) {
        auto* radio = new QRadioButton(clsTMsEngine::MethodCaption(m));
        m_methods->addButton(radio, m);
        layout->addWidget(radio);
    }
    return box;
}

QWidget* SearchSettingsPage::BuildTrial() {
    auto* box = new QGroupBox(QStringLiteral("試行検索エンジン"));
    auto* grid = new QGridLayout(box);
    AddSpinRow(grid, 0, m_beginCount, QStringLiteral("口から検索"));
    AddSpinRow(grid, 1, m_endCount, QStringLiteral("口で検索終了"));
    AddSpinRow(grid, 2, m_endTime, QStringLiteral("秒経過後終了(１口)"));
    grid->addWidget(new QLabel(QStringLiteral("0の場合は無限に検索します")), 3, 1);
    grid->addWidget(m_exGrade2, 4, 0, 1, 2);
    grid->addWidget(m_exGrade3, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* SearchSettingsPage::BuildOptimisation() {
    auto* box = new QGroupBox(QStringLiteral("口数最適化エンジン"));
    auto* grid = new QGridLayout(box);
    AddSpinRow(grid, 0, m_seBeginCount, QStringLiteral("口を最適化"));
    AddSpinRow(grid, 1, m_seEndTime, QStringLiteral("秒経過後終了"));
    grid->addWidget(new QLabel(QStringLiteral("0の場合は無限に検索します")), 2, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* SearchSettingsPage::BuildExtraction() {
    auto* box = new QGroupBox(QStringLiteral("抽出"));
    auto* layout = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    row->addWidget(m_chushutsu);
    row->addWidget(m_chushutsuCount);
    auto* unit = new QLabel(QStringLiteral("口を抽出"));
    unit->setBuddy(m_chushutsuCount);
    m_chushutsuCount->setAccessibleName(unit->text());
    row->addWidget(unit);
    row->addStretch(1);
    layout->addLayout(row);
    for (const QString& type : kChushutsuTypes) {
        m_chushutsuType->addItem(type);
    }
    layout->addWidget(m_chushutsuType);
    auto* warning = new QLabel(kChushutsuWarning);
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("color: #c00000;"));
    layout->addWidget(warning);
    return box;
}

EngineSettings SearchSettingsPage::Settings() const {
    EngineSettings s;
    s.MsEngine = std::max(0, m_methods->checkedId());
    s.BeginCount = m_beginCount->value();
    s.EndCount = m_endCount->value();
    s.EndTime = m_endTime->value();
    s.ExGrade2 = m_exGrade2->isChecked();
    s.ExGrade3 = m_exGrade3->isChecked();
    s.SeBeginCount = m_seBeginCount->value();
    s.SeEndTime = m_seEndTime->value();
    s.ChushutsuFlag = m_chushutsu->isChecked();
    s.ChushutsuCount = m_chushutsuCount->value();
    s.ChushutsuType = m_chushutsuType->currentIndex();
    return s;
}

void SearchSettingsPage::SetSettings(const EngineSettings& settings) {
    const EngineSettings s = settings.Normalized();
    m_methods->button(s.MsEngine)->setChecked(true);
    m_beginCount->setValue(s.BeginCount);
    m_endCount->setValue(s.EndCount);
    m_endTime->setValue(s.EndTime);
    m_exGrade2->setChecked(s.ExGrade2);
    m_exGrade3->setChecked(s.ExGrade3);
    m_seBeginCount->setValue(s.SeBeginCount);
    m_seEndTime->setValue(s.SeEndTime);
    m_chushutsu->setChecked(s.ChushutsuFlag);
    m_chushutsuCount->setValue(s.ChushutsuCount);
    m_chushutsuType->setCurrentIndex(s.ChushutsuType);
    UpdateEnabled();
}

void SearchSettingsPage::UpdateEnabled() {
    m_exGrade3->setEnabled(TakesExGrade3(m_methods->checkedId()));
    m_chushutsuCount->setEnabled(m_chushutsu->isChecked());
    m_chushutsuType->setEnabled(m_chushutsu->isChecked());
}

} // namespace kestrel
