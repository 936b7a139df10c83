#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "core/PlayerOddsModel.h"
#include "core/VoteRecord.h"

namespace kestrel {

// "わたしの予想確率": one row of four percentage boxes per team (goal classes "0".."3+"), the
// row's sum beside it, "投票率から作成", "OK" and "キャンセル". Draws a PlayerOddsModel: every edit
// updates it, a row that does not add up to 100 is drawn red and "OK" waits until every row does.
// After "OK" the model holds the odds the user confirmed.
class PlayerOddsDialog : public QDialog {
    Q_OBJECT
public:
    PlayerOddsDialog(PlayerOddsModel model, VoteRecord vote, QWidget* parent = nullptr);

    const PlayerOddsModel& Model() const { return m_model; }
    QLineEdit* Box(int slotIndex, int goalClass) const { return m_boxes[slotIndex][goalClass]; }
    QLabel* RowSum(int slotIndex) const { return m_sums[slotIndex]; }
    QPushButton* FromVoteButton() const { return m_fromVote; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    QWidget* BuildGrid();
    QWidget* BuildButtons();
    void ShowValues();
    void ShowRows();

    PlayerOddsModel m_model;
    VoteRecord m_vote;
    std::array<std::array<QLineEdit*, kGoalClassCount>, kSlotCount> m_boxes{};
    std::array<QLabel*, kSlotCount> m_captions{};
    std::array<QLabel*, kSlotCount> m_sums{};
    QPushButton* m_fromVote = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace kestrel
