#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QWidget>
#include <array>

#include "reduction/clsXJoken.h"
#include "ui/FlagGridView.h"

namespace kestrel {

// The payout and miss page: per grade a check box with its minimum and maximum boxes (digits
// only, kept within 0..9,999,999,999; a right click or the menu key opens the amount picker),
// the three miss modes and the grid of accepted miss counts with its hints. Edits go straight to
// the clsXJoken; Reload shows the model again.
class HaitouPage : public QWidget {
    Q_OBJECT
public:
    explicit HaitouPage(clsXJoken& model, QWidget* parent = nullptr);

    void Reload();
    // Shows the rows of grades 1..maxGrade and hides the others.
    void SetMaxGrade(int maxGrade);

    QCheckBox* GradeBox(int grade) const { return m_flags[static_cast<size_t>(grade)]; }
    QLineEdit* MoneyBox(int grade, bool maximumBox) const;
    QAbstractButton* ModeButton(int type) const { return m_modes->button(type); }
    FlagGridView* MissGrid() const { return m_missGrid; }
    QCheckBox* EvBox() const { return m_evFlag; }
    QDoubleSpinBox* EvMinimum() const { return m_evMin; }

private:
    QWidget* BuildGrades();
    QWidget* BuildMisses();
    QLineEdit* NewMoneyBox(int grade, bool maximumBox);
    void CommitMoney(int grade, bool maximumBox);
    void PickMoney(int grade, bool maximumBox);
    void ShowMoney(int grade, bool maximumBox);

    clsXJoken& m_model;
    std::array<QCheckBox*, clsXJoken::kGrades> m_flags{};
    std::array<QLineEdit*, clsXJoken::kGrades> m_min{};
    std::array<QLineEdit*, clsXJoken::kGrades> m_max{};
    std::array<std::array<QWidget*, 5>, clsXJoken::kGrades> m_rows{};
    QButtonGroup* m_modes = nullptr;
    FlagGridView* m_missGrid = nullptr;
    QCheckBox* m_evFlag = nullptr;
    QDoubleSpinBox* m_evMin = nullptr;
};

} // namespace kestrel
