#include "ui/ResultsPanel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>

#include "results/ResultColor.h"

namespace kestrel {

namespace {

GridView* MakeGrid(const GridModel* model, std::vector<int> widths) {
    auto* grid = new GridView;
    grid->SetColumnWidths(std::move(widths));
    grid->SetRowHeight(22);
    grid->SetModel(model);
    return grid;
}

QGroupBox* Framed(const QString& title, QWidget* content) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(content);
    return box;
}

CellFore ForeOf(ResultColor colour) {
    return colour == ResultColor::Blue ? CellFore::Blue : CellFore::Black;
}

// Goal class captions of the mark grid's header.
QString ClassCaption(int c) {
    return c == kGoalClassCount - 1 ? QStringLiteral("3+") : QString::number(c);
}

QString SlotCaption(int t) {
    return QString::number(t + 1);
}

} // namespace

ResultsPanel::ResultsPanel(clsTResult& result, QWidget* parent)
    : QWidget(parent), m_result(result) {
    BuildModels();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(BuildLeft());
    row->addWidget(BuildRight());
    row->addStretch(1);
    Refresh();
}

void ResultsPanel::BuildModels() {
    const clsTMultiResult& marks = m_result.MarkGrid();
    m_markModel = std::make_unique<CallbackGridModel>(
        kSlotCount + 1, kGoalClassCount + 1, [&marks](int row, int col) {
            if (row == 1) {
                return col == 1 ? QString() : ClassCaption(col - 2);
            }
            return col == 1 ? SlotCaption(row - 2) : marks.CellText(row - 2, col - 2);
        });
    const clsTResultGrade& grade = m_result.GradeTable();
    m_gradeModel = std::make_unique<CallbackGridModel>(
        clsTResultGrade::kRows + 1, 3, [&grade](int row, int col) {
            if (row == 1) {
                return col == 2 ? clsTResultGrade::CountHeader()
                                : (col == 3 ? clsTResultGrade::ShareHeader() : QString());
            }
            const int g = row - 1;
            return col == 1 ? clsTResultGrade::RowCaption(g)
                            : (col == 2 ? grade.CountText(g) : grade.ShareText(g));
        });
    m_gradeModel->SetFore([&grade](int row, int) {
        return row == 1 ? CellFore::Black : ForeOf(grade.RowColor(row - 1));
    });
    m_gradeModel->SetRightAligned([](int row, int col) { return row > 1 && col > 1; });
    const clsTResultGrid& page = m_result.PageGrid();
    m_pageModel = std::make_unique<CallbackGridModel>(
        kSlotCount + 2, clsTResultGrid::kColumns + 1, [this, &page](int row, int col) {
            if (row == 1) {
                const int entry = m_result.Page() * clsTResult::kPageSize + col - 1;
                return col == 1 || page.IsBlank(col - 2) ? QString() : QString::number(entry);
            }
            if (col == 1) {
                return row <= kSlotCount + 1 ? SlotCaption(row - 2) : QStringLiteral("等級");
            }
            return row <= kSlotCount + 1 ? page.ClassText(col - 2, row - 2)
                                         : page.GradeText(col - 2);
        });
    m_pageModel->SetBackRgb([&page](int row, int col) -> uint32_t {
        if (row == 1 || col == 1) {
            return 0;
        }
        const ResultColor colour =
            row <= kSlotCount + 1 ? page.ClassBack(col - 2, row - 2) : page.GradeBack(col - 2);
        return ResultColorRgb(colour);
    });
    // White digits on the dark hit and miss colours, black on the light ones.
    m_pageModel->SetForeRgb([this](int row, int col) -> uint32_t {
        const uint32_t back = m_pageModel->BackRgb(row, col);
        const bool dark =
            back == ResultColorRgb(ResultColor::Red) || back == ResultColorRgb(ResultColor::Blue);
        return dark ? 0xFFFFFFFFu : 0;
    });
    const clsTResultKakutei& kakutei = m_result.KakuteiTable();
    m_kakuteiModel = std::make_unique<CallbackGridModel>(
        clsTResultKakutei::kRows, clsTResultKakutei::kColumns,
        [&kakutei](int row, int col) { return kakutei.CellText(row, col); });
    m_kakuteiModel->SetFore(
        [&kakutei](int row, int col) { return ForeOf(kakutei.CellColor(row, col)); });
    m_kakuteiModel->SetRightAligned([](int row, int col) { return row > 1 && col > 1; });
}

QWidget* ResultsPanel::BuildLeft() {
    m_markView = MakeGrid(m_markModel.get(), {36, 44});
    connect(m_markView, &GridView::CellClicked, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int col, int row) {
                OnMarkClicked(button, col, row);
            });
    m_next = new QPushButton(QStringLiteral("次の結果を表示"));
    m_all = new QPushButton(QStringLiteral("全ての結果を表示"));
    connect(m_next, &QPushButton::clicked, this, [this] {
        m_result.SetNextData();
        Refresh();
    });
    connect(m_all, &QPushButton::clicked, this, [this] {
        m_result.SetAlltData();
        Refresh();
    });
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Framed(QStringLiteral("くじ結果"), m_markView));
    column->addWidget(m_next);
    column->addWidget(m_all);
    column->addStretch(1);
    return box;
}

QWidget* ResultsPanel::BuildRight() {
    m_gradeView = MakeGrid(m_gradeModel.get(), {50, 90, 60});
    m_pageView = MakeGrid(m_pageModel.get(), {44, 48});
    m_kakuteiView = MakeGrid(m_kakuteiModel.get(), {70, 110, 90, 120, 80, 120});
    m_prevPage = new QPushButton(QStringLiteral("<"));
    m_nextPage = new QPushButton(QStringLiteral(">"));
    m_pageLabel = new QLabel;
    m_countLabel = new QLabel;
    connect(m_prevPage, &QPushButton::clicked, this, [this] {
        m_result.PrevPage();
        Refresh();
    });
    connect(m_nextPage, &QPushButton::clicked, this, [this] {
        m_result.NextPage();
        Refresh();
    });
    auto* pager = new QHBoxLayout;
    pager->addWidget(m_prevPage);
    pager->addWidget(m_pageLabel);
    pager->addWidget(m_nextPage);
    pager->addSpacing(16);
    pager->addWidget(new QLabel(QStringLiteral("シングル数：")));
    pager->addWidget(m_countLabel);
    pager->addSpacing(16);
    pager->addWidget(Legend());
    pager->addStretch(1);
    auto* pageBox = new QWidget;
    auto* pageColumn = new QVBoxLayout(pageBox);
    pageColumn->setContentsMargins(0, 0, 0, 0);
    pageColumn->addWidget(m_pageView);
    pageColumn->addLayout(pager);
    auto* top = new QHBoxLayout;
    top->addWidget(Framed(QStringLiteral("当せん"), m_gradeView));
    top->addWidget(Framed(QStringLiteral("シングル"), pageBox));
    top->addStretch(1);
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(top);
    column->addWidget(Framed(QStringLiteral("確定"), m_kakuteiView), 0, Qt::AlignLeft);
    column->addStretch(1);
    return box;
}

QWidget* ResultsPanel::Legend() {
    static const QString kCaptions[clsTResultGrid::kLegendImages] = {
        QStringLiteral("的中"), QStringLiteral("中止"), QStringLiteral("はずれ"),
        QStringLiteral("当せん")};
    auto* legend = new QWidget;
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < clsTResultGrid::kLegendImages; ++i) {
        auto* swatch = new QLabel;
        swatch->setFixedSize(14, 14);
        const QColor colour = QColor::fromRgba(ResultColorRgb(m_result.PageGrid().LegendColor(i)));
        swatch->setStyleSheet(
            QStringLiteral("background:%1;border:1px solid gray;").arg(colour.name()));
        row->addWidget(swatch);
        row->addWidget(new QLabel(kCaptions[i]));
    }
    return legend;
}

void ResultsPanel::OnMarkClicked(Qt::MouseButton button, int col, int row) {
    if (row < 2) {
        return;
    }
    const int t = row - 2;
    if (button == Qt::RightButton) {
        const QStringList entries = m_result.MarkRightClick(t);
        QMenu menu(this);
        for (const QString& entry : entries) {
            menu.addAction(entry);
        }
        QAction* picked = m_chooser ? m_chooser(menu) : PopupMenuBuilder::ExecAtCursor(menu);
        if (picked != nullptr) {
            m_result.SetPopup(static_cast<int>(menu.actions().indexOf(picked)));
        }
    } else if (col >= 2) {
        m_result.MarkLeftClick(t, col - 2);
    }
    Refresh();
}

void ResultsPanel::Refresh() {
    const bool reveal = m_result.HasOfficialResult() && !m_result.FullResult();
    m_next->setEnabled(reveal);
    m_all->setEnabled(reveal);
    m_prevPage->setEnabled(m_result.PrevEnabled());
    m_nextPage->setEnabled(m_result.NextEnabled());
    m_pageLabel->setText(m_result.PageLabel());
    m_countLabel->setText(m_result.SingleCountText());
    for (GridView* grid : {m_markView, m_gradeView, m_pageView, m_kakuteiView}) {
        grid->update();
    }
}

} // namespace kestrel
