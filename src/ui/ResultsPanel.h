#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "results/clsTResult.h"
#include "ui/CallbackGridModel.h"
#include "ui/GridView.h"
#include "ui/PopupMenuBuilder.h"

namespace kestrel {

// The 結果 tab: draws a clsTResult. The result mark grid (left click marks a class, right click
// offers "中止"), the reveal buttons "次の結果を表示" / "全ての結果を表示" (enabled while the round
// has an official result not yet fully shown), the grade table, the page of ten graded singles in
// the page grid's colours with its page buttons and legend, and the confirmed payout table.
class ResultsPanel : public QWidget {
    Q_OBJECT
public:
    explicit ResultsPanel(clsTResult& result, QWidget* parent = nullptr);

    // Redraws every part from the model.
    void Refresh();
    // Replaces the popup of the mark grid (tests pick an entry directly).
    void SetMenuChooser(PopupMenuBuilder::Chooser chooser) { m_chooser = std::move(chooser); }

    GridView* MarkGrid() const { return m_markView; }
    GridView* GradeGrid() const { return m_gradeView; }
    GridView* PageGrid() const { return m_pageView; }
    GridView* KakuteiGrid() const { return m_kakuteiView; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* AllButton() const { return m_all; }
    QPushButton* PrevPageButton() const { return m_prevPage; }
    QPushButton* NextPageButton() const { return m_nextPage; }
    QLabel* PageLabel() const { return m_pageLabel; }

private:
    void BuildModels();
    QWidget* BuildLeft();
    QWidget* BuildRight();
    QWidget* Legend();
    void OnMarkClicked(Qt::MouseButton button, int col, int row);

    clsTResult& m_result;
    std::unique_ptr<CallbackGridModel> m_markModel;
    std::unique_ptr<CallbackGridModel> m_gradeModel;
    std::unique_ptr<CallbackGridModel> m_pageModel;
    std::unique_ptr<CallbackGridModel> m_kakuteiModel;
    GridView* m_markView = nullptr;
    GridView* m_gradeView = nullptr;
    GridView* m_pageView = nullptr;
    GridView* m_kakuteiView = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_all = nullptr;
    QPushButton* m_prevPage = nullptr;
    QPushButton* m_nextPage = nullptr;
    QLabel* m_pageLabel = nullptr;
    QLabel* m_countLabel = nullptr;
    PopupMenuBuilder::Chooser m_chooser;
};

} // namespace kestrel
