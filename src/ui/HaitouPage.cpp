#include "ui/HaitouPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kestrel {

namespace {

QStringList MissCaptions() {
    QStringList captions;
    for (int n = 0; n < ConditionSet::kMachigaiCount; ++n) {
        captions << clsXJoken::MachigaiColumnCaption(n);
    }
    return captions;
}

} // namespace

HaitouPage::HaitouPage(clsXJoken& model, QWidget* parent) : QWidget(parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildGrades());
    layout->addWidget(BuildMisses());
    layout->addStretch(1);
    Reload();
}

QWidget* HaitouPage::BuildGrades() {
    auto* box = new QGroupBox(QStringLiteral("配当"));
    auto* grid = new QGridLayout(box);
    for (int g = 0; g < clsXJoken::kGrades; ++g) {
        auto* flag = new QCheckBox(QStringLiteral("%1等").arg(g + 1));
        connect(flag, &QCheckBox::toggled, this, [this, g](bool on) { m_model.SetFlag(g, on); });
        m_flags[static_cast<size_t>(g)] = flag;
        m_min[static_cast<size_t>(g)] = NewMoneyBox(g, false);
        m_max[static_cast<size_t>(g)] = NewMoneyBox(g, true);
        auto& row = m_rows[static_cast<size_t>(g)];
        row = {flag, m_min[static_cast<size_t>(g)], new QLabel(QStringLiteral("円 ～")),
               m_max[static_cast<size_t>(g)], new QLabel(QStringLiteral("円"))};
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            grid->addWidget(row[static_cast<size_t>(c)], g, c);
        }
    }
    // One row for the expected return of a single under the player's odds.
    const int evRow = clsXJoken::kGrades;
    m_evFlag = new QCheckBox(QStringLiteral("期待回収率"));
    m_evMin = new QDoubleSpinBox;
    m_evMin->setRange(0.0, 100000.0);
    m_evMin->setDecimals(1);
    m_evMin->setAlignment(Qt::AlignRight);
    m_evMin->setAccessibleName(QStringLiteral("期待回収率の下限"));
    connect(m_evFlag, &QCheckBox::toggled, this, [this](bool on) {
        HaitouEvCondition condition = m_model.HaitouEv();
        condition.Flag = on;
        m_model.SetHaitouEv(condition);
    });
    connect(m_evMin, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        HaitouEvCondition condition = m_model.HaitouEv();
        condition.MinPercent = Money::FromDouble(value);
        m_model.SetHaitouEv(condition);
    });
    grid->addWidget(m_evFlag, evRow, 0);
    grid->addWidget(m_evMin, evRow, 1);
    grid->addWidget(new QLabel(QStringLiteral("％以上")), evRow, 2);
    grid->setColumnStretch(5, 1);
    return box;
}

QWidget* HaitouPage::BuildMisses() {
    auto* box = new QGroupBox(QStringLiteral("条件間違い"));
    auto* layout = new QVBoxLayout(box);
    m_modes = new QButtonGroup(this);
    for (int type = 0; type <= 2; ++type) {
        auto* option = new QRadioButton(clsXJoken::MachigaiTypeText(type));
        m_modes->addButton(option, type);
        layout->addWidget(option);
    }
    connect(m_modes, &QButtonGroup::idClicked, this,
            [this](int type) { m_model.SetMachigaiType(type); });
    m_missGrid = new FlagGridView(
        m_model.MachigaiGrid(),
        [this](clsXGridB::Button button, int col) { return m_model.MachigaiClick(button, col); },
        clsXJoken::MachigaiTitle(), MissCaptions());
    auto* row = new QHBoxLayout;
    row->addWidget(m_missGrid);
    row->addWidget(new QLabel(QStringLiteral("（条件間違い補正を行わない場合は影響しません）")));
    row->addStretch(1);
    layout->addLayout(row);
    layout->addWidget(new QLabel(QStringLiteral("条件に完全一致した買い目を取得するには、\n"
                                                "上記の条件間違い数(0)をチェックして下さい")));
    return box;
}

QLineEdit* HaitouPage::NewMoneyBox(int grade, bool maximumBox) {
    auto* edit = new QLineEdit;
    // Ten digits at most: every such number is within 0..9,999,999,999.
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), edit));
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(120);
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    edit->setAccessibleName(QStringLiteral("%1等 %2").arg(grade + 1).arg(
        maximumBox ? QStringLiteral("最大") : QStringLiteral("最小")));
    connect(edit, &QLineEdit::editingFinished, this,
            [this, grade, maximumBox] { CommitMoney(grade, maximumBox); });
    connect(edit, &QWidget::customContextMenuRequested, this,
            [this, grade, maximumBox] { PickMoney(grade, maximumBox); });
    return edit;
}

QLineEdit* HaitouPage::MoneyBox(int grade, bool maximumBox) const {
    return maximumBox ? m_max[static_cast<size_t>(grade)] : m_min[static_cast<size_t>(grade)];
}

void HaitouPage::CommitMoney(int grade, bool maximumBox) {
    const Money value = Money::FromInt(MoneyBox(grade, maximumBox)->text().toLongLong());
    if (maximumBox) {
        m_model.SetMaxMoney(grade, value);
    } else {
        m_model.SetMinMoney(grade, value);
    }
    ShowMoney(grade, maximumBox);
}

void HaitouPage::PickMoney(int grade, bool maximumBox) {
    CommitMoney(grade, maximumBox);
    if (m_model.MoneyBoxClick(grade, maximumBox)) {
        ShowMoney(grade, maximumBox);
    }
}

void HaitouPage::ShowMoney(int grade, bool maximumBox) {
    const Money value = maximumBox ? m_model.MaxMoney(grade) : m_model.MinMoney(grade);
    MoneyBox(grade, maximumBox)->setText(QString::number(value.Whole()));
}

void HaitouPage::SetMaxGrade(int maxGrade) {
    for (int g = 0; g < clsXJoken::kGrades; ++g) {
        for (QWidget* widget : m_rows[static_cast<size_t>(g)]) {
            widget->setVisible(g < maxGrade);
        }
    }
}

void HaitouPage::Reload() {
    for (int g = 0; g < clsXJoken::kGrades; ++g) {
        QCheckBox* flag = m_flags[static_cast<size_t>(g)];
        const QSignalBlocker block(flag);
        flag->setChecked(m_model.Flag(g));
        flag->setEnabled(m_model.Enabled(g));
        ShowMoney(g, false);
        ShowMoney(g, true);
    }
    {
        const QSignalBlocker blockFlag(m_evFlag);
        const QSignalBlocker blockMin(m_evMin);
        m_evFlag->setChecked(m_model.HaitouEv().Flag);
        m_evMin->setValue(m_model.HaitouEv().MinPercent.ToDouble());
    }
    m_modes->button(m_model.MachigaiType())->setChecked(true);
    m_missGrid->update();
}

} // namespace kestrel
