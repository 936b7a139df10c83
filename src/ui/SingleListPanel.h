#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "ui/SingleListView.h"

namespace kestrel {

// The シングル tab: the single list view under the names of the round's teams (one over each
// slot's four class columns) with its page buttons, the page label, the count of
// singles and the check box "編集ロック". It draws the page model; the commands act on clicks.
class SingleListPanel : public QWidget {
    Q_OBJECT
public:
    explicit SingleListPanel(SingleListPage& page, QWidget* parent = nullptr);

    // Redraws the list and the page controls from the model.
    void Refresh();

    SingleListView* View() const { return m_view; }
    QCheckBox* EditLock() const { return m_lock; }
    QPushButton* PrevButton() const { return m_prev; }
    QPushButton* NextButton() const { return m_next; }
    QLabel* PageLabel() const { return m_pageLabel; }

private:
    SingleListPage& m_page;
    SingleListView* m_view = nullptr;
    QCheckBox* m_lock = nullptr;
    QPushButton* m_prev = nullptr;
    QPushButton* m_next = nullptr;
    QLabel* m_pageLabel = nullptr;
    QLabel* m_countLabel = nullptr;
    std::array<QLabel*, kSlotCount> m_teams{};
};

} // namespace kestrel
