#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "core/UserVoteRateModel.h"

namespace kestrel {

// " 投票率（ユーザー定義）": one row of four boxes per team (goal classes "0".."3"), the scale
// options "10,000" and "100", the total every row must reach, "OK" and "キャンセル". Draws a
// UserVoteRateModel: typed keys go through its key filter, every edit updates it, a row whose
// sum misses the total is drawn red and "OK" waits until every row matches. After "OK" the
// model holds the rates the user confirmed.
class UserVoteRateDialog : public QDialog {
    Q_OBJECT
public:
    explicit UserVoteRateDialog(UserVoteRateModel model, QWidget* parent = nullptr);

    const UserVoteRateModel& Model() const { return m_model; }
    QLineEdit* Box(int slotIndex, int goalClass) const { return m_boxes[slotIndex][goalClass]; }
    QLabel* RowCaption(int slotIndex) const { return m_rowCaptions[slotIndex]; }
    QRadioButton* Scale10000Button() const { return m_scale10000; }
    QRadioButton* Scale100Button() const { return m_scale100; }
    QLabel* TotalLabel() const { return m_total; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildGrid();
    QWidget* BuildScale();
    QWidget* BuildButtons();
    bool FilterKey(QLineEdit* box, QKeyEvent* event);
    void OnScale(UserVoteRateModel::Scale scale);
    void ShowValues();
    void ShowRows();

    UserVoteRateModel m_model;
    std::array<std::array<QLineEdit*, kGoalClassCount>, kSlotCount> m_boxes{};
    std::array<QLabel*, kSlotCount> m_rowCaptions{};
    QRadioButton* m_scale10000 = nullptr;
    QRadioButton* m_scale100 = nullptr;
    QLabel* m_total = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace kestrel
