#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "MessageCollector.h"
#include "app/MainWindow.h"
#include "ui/frmJouken.h"

namespace kestrel {
namespace {

constexpr int kDemoRound = 1555;

QAction* FindAction(QMenu& menu, const QString& caption) {
    for (QAction* action : menu.actions()) {
        if (action->text() == caption) {
            return action;
        }
        if (action->menu() != nullptr) {
            if (QAction* found = FindAction(*action->menu(), caption)) {
                return found;
            }
        }
    }
    return nullptr;
}

// The real main window offscreen; the condition tab's menus pick entries by caption.
class ConditionPagesWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(root.Paths(), std::make_shared<SystemClock>());
        window->show();
        tab = window->ConditionPages();
        // No real popup ever: an unexpected menu is dismissed.
        tab->SetMenuChooser([](QMenu&) -> QAction* { return nullptr; });
    }
    void TearDown() override {
        if (window->Searching()) {
            window->OnStopButton();
            QTRY_VERIFY_WITH_TIMEOUT(!window->Searching(), 30000);
        }
    }
    void PickNext(const QString& caption) {
        tab->SetMenuChooser([caption](QMenu& menu) { return FindAction(menu, caption); });
    }
    static void Click(GridView* grid, Qt::MouseButton button, Qt::KeyboardModifiers mods, int col,
                      int row) {
        QTest::mouseClick(grid, button, mods, grid->CellRect(col, row).center());
    }
    ConditionSet Collected() const {
        ConditionSet conditions;
        tab->Collect(conditions);
        return conditions;
    }
    CountConditionPage* Page(ConditionKind kind) {
        tab->setCurrentIndex(static_cast<int>(kind));
        return tab->KindPage(kind);
    }
    void MarkAllHonmei() {
        window->MultiGrid()->SetMenuChooser(
            [](QMenu& menu) { return FindAction(menu, QStringLiteral("全て本命でマーク")); });
        Click(window->MultiGrid(), Qt::RightButton, Qt::NoModifier, 1, 1);
    }

    test::DemoRoot root;
    test::CollectedMessages messages;
    std::unique_ptr<MainWindow> window;
    ConditionTab* tab = nullptr;
};

// Count-grid cells: grid column = count + 2, grid row = row + 2 (caption row and title column).
TEST_F(ConditionPagesWindowTest, CountPageClicksAndMenusEditTheGroupOnView) {
    CountConditionPage* page = Page(ConditionKind::Honmei);
    page->GroupTabs()->setCurrentIndex(3); // "A"
    GridView* grid = page->CountGrid();
    struct Edit {
        Qt::MouseButton button;
        Qt::KeyboardModifiers mods;
        const char* menuEntry;
        int row, count;
    };
    const Edit edits[] = {
        {Qt::LeftButton, Qt::NoModifier, nullptr, 0, 2},
        {Qt::LeftButton, Qt::ShiftModifier, nullptr, 1, 3},
        {Qt::RightButton, Qt::ShiftModifier, nullptr, 2, 5},
        {Qt::LeftButton, Qt::ControlModifier, nullptr, 3, 1},
        {Qt::RightButton, Qt::ControlModifier, nullptr, 4, 4},
        {Qt::RightButton, Qt::NoModifier, "許容（△）でマーク", 5, 6},
    };
    for (const Edit& e : edits) {
        if (e.menuEntry != nullptr) {
            PickNext(QString::fromUtf8(e.menuEntry));
        }
        Click(grid, e.button, e.mods, e.count + 2, e.row + 2);
    }
    const auto x = kCellCross, t = kCellTriangle, o = kCellBlank;
    // expected[row] = cells of counts 0..6
    const uint8_t expected[6][7] = {
        {o, o, x, o, o, o, o}, {x, x, x, x, o, o, o}, {o, o, o, o, o, x, x},
        {t, t, o, o, o, o, o}, {o, o, o, o, t, t, t}, {o, o, o, o, o, o, t},
    };
    const ConditionSet got = Collected();
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            EXPECT_EQ(got.Honmei[3].Cells[c][r], expected[r][c]) << "row " << r << " count " << c;
        }
    }
    EXPECT_EQ(got.Honmei[0], ConditionSet().Honmei[0]);

    // Flag grids: "全て対象外" then a tick on team 3; goal class 0 untick; the group's box.
    PickNext(QStringLiteral("全て対象外"));
    Click(page->TeamGrid(), Qt::RightButton, Qt::NoModifier, 2, 2);
    Click(page->TeamGrid(), Qt::LeftButton, Qt::NoModifier, 4, 2);
    Click(page->ClassGrid(), Qt::LeftButton, Qt::NoModifier, 2, 2);
    page->GroupFlag()->click();
    // Header menu of another kind's grid: every cell "△".
    PickNext(QStringLiteral("全て許容（△）でマーク"));
    Click(Page(ConditionKind::Ninki)->CountGrid(), Qt::RightButton, Qt::NoModifier, 3, 1);

    const ConditionSet after = Collected();
    EXPECT_EQ(after.Honmei[3].GameFlg,
              (std::array<bool, 6>{false, false, true, false, false, false}));
    EXPECT_EQ(after.Honmei[3].MarkFlg, (std::array<bool, 4>{false, true, true, true}));
    EXPECT_FALSE(after.Honmei[3].Flag);
    EXPECT_TRUE(after.Honmei[4].Flag);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 7; ++c) {
            EXPECT_EQ(after.Ninki[0].Cells[c][r], kCellTriangle);
        }
    }
}

TEST_F(ConditionPagesWindowTest, MultiShowsTheCountedCellsOfTheGroupOnView) {
    CountConditionPage* page = Page(ConditionKind::Mark);
    page->GroupTabs()->setCurrentIndex(4); // "B"
    PickNext(QStringLiteral("全て対象外"));
    Click(page->TeamGrid(), Qt::RightButton, Qt::NoModifier, 2, 2);
    Click(page->TeamGrid(), Qt::LeftButton, Qt::NoModifier, 3, 2);  // team 2
    Click(page->ClassGrid(), Qt::LeftButton, Qt::NoModifier, 5, 2); // class 3 off
    window->Tabs()->setCurrentIndex(MainWindow::TabJouken);
    const clsTMulti& multi = window->Multi();
    EXPECT_EQ(multi.CellBackground(0, 1), SlotRowBack(1));
    EXPECT_EQ(multi.CellBackground(3, 1), CellBack::ButtonFace);
    EXPECT_EQ(multi.CellBackground(0, 0), CellBack::ButtonFace);
    // Group "全て" counts every cell again, and so does the payout page.
    page->GroupTabs()->setCurrentIndex(0);
    EXPECT_EQ(multi.CellBackground(0, 0), SlotRowBack(0));
    page->GroupTabs()->setCurrentIndex(4);
    tab->setCurrentIndex(ConditionTab::PageHaitou);
    EXPECT_EQ(multi.CellBackground(3, 1), SlotRowBack(1));
}

TEST_F(ConditionPagesWindowTest, CombinationDialogEnablesOkOnlyForAProperSubset) {
    CountConditionPage* page = Page(ConditionKind::Ninki);
    std::vector<bool> okStates;
    tab->SetDialogHandler([&okStates](JoukenDialogModel& model) {
        frmJouken dialog(model);
        okStates.push_back(dialog.OkButton()->isEnabled()); // pre-ticked: item 1 only
        dialog.Box(0)->click();
        dialog.Box(2)->click();
        dialog.Box(3)->click();
        okStates.push_back(dialog.OkButton()->isEnabled()); // every item
        for (int i = 0; i < 4; ++i) {
            dialog.Box(i)->setChecked(false);
        }
        okStates.push_back(dialog.OkButton()->isEnabled()); // none
        dialog.Box(0)->click();
        dialog.Box(2)->click();
        okStates.push_back(dialog.OkButton()->isEnabled());
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        return dialog.result() == QDialog::Accepted;
    });
    PickNext(QStringLiteral("複合条件設定"));
    Click(page->CountGrid(), Qt::LeftButton, Qt::NoModifier, 1, 3); // row 1's title
    EXPECT_EQ(okStates, (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(Collected().Ninki[0].PlusFlg[1],
              (std::array<bool, 6>{true, false, true, false, false, false}));
}

TEST_F(ConditionPagesWindowTest, PayoutBoxesTakeDigitsAndThePickerAmounts) {
    HaitouPage* page = tab->Haitou();
    page->GradeBox(1)->click();
    QLineEdit* min = page->MoneyBox(1, false);
    min->selectAll();
    QTest::keyClicks(min, QStringLiteral("12a3-4"));
    QTest::keyClick(min, Qt::Key_Return);
    EXPECT_EQ(min->text(), QStringLiteral("1234"));
    QLineEdit* max = page->MoneyBox(0, true);
    PickNext(QStringLiteral("5万円"));
    emit max->customContextMenuRequested(QPoint(2, 2));
    PickNext(QStringLiteral("最小値"));
    emit page->MoneyBox(2, false)->customContextMenuRequested(QPoint(2, 2));
    page->ModeButton(2)->click();
    PickNext(QStringLiteral("全て対象"));
    Click(page->MissGrid(), Qt::RightButton, Qt::NoModifier, 2, 2);
    Click(page->MissGrid(), Qt::LeftButton, Qt::NoModifier, 13, 2); // "→" off

    const ConditionSet got = Collected();
    EXPECT_EQ(got.Haitou.Flag, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(got.Haitou.Min[1], Money::FromInt(1234));
    EXPECT_EQ(got.Haitou.Max[0], Money::FromInt(50'000));
    EXPECT_EQ(max->text(), QStringLiteral("50000"));
    EXPECT_EQ(got.Haitou.Min[2], Money());
    EXPECT_EQ(got.MachigaiType, 2);
    std::array<bool, 12> list{};
    list.fill(true);
    list[11] = false;
    EXPECT_EQ(got.MachigaiList, list);
}

TEST_F(ConditionPagesWindowTest, ScorePageCellsHeaderMenuAndCheckBox) {
    TenshoPage* page = tab->Tensho();
    // Cells: grid column = cell + 2, grid row = match + 3 (two header rows).
    Click(page->Grid(), Qt::LeftButton, Qt::NoModifier, 2, 3);
    Click(page->Grid(), Qt::RightButton, Qt::ControlModifier, 16, 5);
    page->EnabledBox()->click();
    ConditionSet got = Collected();
    EXPECT_EQ(got.Tensho.Cells[0][0], kCellCross);
    EXPECT_EQ(got.Tensho.Cells[14][2], kCellTriangle);
    EXPECT_EQ(got.Tensho.Cells[15][2], kCellTriangle);
    EXPECT_EQ(got.Tensho.RowMarkCount(1), 0);
    EXPECT_FALSE(got.Tensho.Enabled);
    PickNext(QStringLiteral("全てマークを消去"));
    Click(page->Grid(), Qt::RightButton, Qt::NoModifier, 4, 2);
    EXPECT_EQ(Collected().Tensho.RowMarkCount(2), 0);
}

TEST_F(ConditionPagesWindowTest, SpreadCollectRoundTripAndRoundChangeReticksJ1J2) {
    const ConditionSet onDemo = Collected();
    int j1 = 0, j2 = 0;
    for (int t = 0; t < 6; ++t) {
        j1 += onDemo.Honmei[ConditionSet::kJ1Group].GameFlg[t];
        j2 += onDemo.Mark[ConditionSet::kJ2Group].GameFlg[t];
    }
    EXPECT_EQ(j1 + j2, 6); // every team of the demo round plays in J1 or J2
    EXPECT_EQ(onDemo.Ninki[ConditionSet::kJ1Group].GameFlg,
              onDemo.Honmei[ConditionSet::kJ1Group].GameFlg);

    window->Band()->RoundBox()->setValue(7); // no schedule: J1 and J2 count no team
    const ConditionSet empty = Collected();
    EXPECT_EQ(empty.Honmei[ConditionSet::kJ1Group].GameFlg, (std::array<bool, 6>{}));
    EXPECT_EQ(empty.Mark[ConditionSet::kJ2Group].GameFlg, (std::array<bool, 6>{}));
    window->Band()->RoundBox()->setValue(kDemoRound);
    EXPECT_EQ(Collected(), onDemo);

    ConditionSet edited = onDemo;
    edited.Honmei[5].Cells[2][1] = kCellCross;
    edited.Tensho.Cells[3][1] = kCellTriangle;
    edited.MachigaiType = 1;
    edited.Haitou.Max[2] = Money::FromInt(777);
    tab->Spread(edited);
    EXPECT_EQ(Collected(), edited);
    EXPECT_EQ(tab->Haitou()->MoneyBox(2, true)->text(), QStringLiteral("777"));
}

TEST_F(ConditionPagesWindowTest, CompositionWindowShowsTheRowOverTheMulti) {
    MarkAllHonmei(); // 4096 singles, every team on "◎"
    CountConditionPage* page = Page(ConditionKind::Honmei);
    page->GroupTabs()->setCurrentIndex(5); // "C": teams 1..3 only
    Click(page->TeamGrid(), Qt::LeftButton, Qt::NoModifier, 5, 2);
    Click(page->TeamGrid(), Qt::LeftButton, Qt::NoModifier, 6, 2);
    Click(page->TeamGrid(), Qt::LeftButton, Qt::NoModifier, 7, 2);
    PickNext(QStringLiteral("構成分析"));
    Click(page->CountGrid(), Qt::LeftButton, Qt::NoModifier, 1, 2);
    KouseiBunsekiWindow* kousei = tab->Composition();
    ASSERT_TRUE(kousei->isVisible());
    EXPECT_EQ(kousei->windowTitle(), QStringLiteral(" 本命 - 本命◎"));
    const QString expected[8][3] = {
        {"", "口数", "比率"},  {"0", "0", "0%"}, {"1", "0", "0%"}, {"2", "0", "0%"},
        {"3", "4096", "100%"}, {"4", "0", "0%"}, {"5", "0", "0%"}, {"6", "0", "0%"},
    };
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(kousei->CellText(r + 1, c + 1), expected[r][c]) << r << "," << c;
        }
    }
    for (int v = 0; v < 7; ++v) {
        EXPECT_EQ(tab->CompositionModel().Grid().RowColor(v) == ResultColor::Red, v >= 4) << v;
    }
}

// Conditions entered through the pages, a search, and the report equals a headless run of the
// same condition set.
TEST_F(ConditionPagesWindowTest, SearchFromThePagesReportsAsTheHeadlessRun) {
    window->MultiGrid()->SetMenuChooser(
        [](QMenu& menu) { return FindAction(menu, QStringLiteral("全て投票率順でマーク")); });
    Click(window->MultiGrid(), Qt::RightButton, Qt::NoModifier, 1, 1);
    CountConditionPage* page = Page(ConditionKind::Honmei);
    Click(page->CountGrid(), Qt::LeftButton, Qt::ShiftModifier, 3, 2);  // ◎ on fewer than 2
    Click(page->CountGrid(), Qt::RightButton, Qt::ShiftModifier, 6, 3); // ○ on more than 3
    Click(tab->Tensho()->Grid(), Qt::LeftButton, Qt::NoModifier, 2, 3); // 0-0 in match 1
    window->SettingsPage()->Methods()->button(1)->click();
    QTest::mouseClick(window->SearchButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Searching(), 60000);
    const QStringList windowLines = window->Search().Log().Lines();

    WorkingDocument headless = window->Document();
    EXPECT_EQ(headless.Record.Conditions, Collected());
    headless.Record.Singles.clear();
    SearchDriver driver;
    RunControl control;
    ASSERT_TRUE(driver.Search(headless, control));
    EXPECT_EQ(headless.Record.Singles, window->Document().Record.Singles);
    const QStringList headlessLines = driver.Reduction().Log().Lines();
    ASSERT_GT(windowLines.size(), 3);
    ASSERT_EQ(windowLines.size(), headlessLines.size());
    for (int i = 0; i < windowLines.size(); ++i) {
        EXPECT_EQ(windowLines[i], headlessLines[i]) << i;
    }
    EXPECT_LT(window->Document().Record.SingleCount(), 4096);
}

} // namespace
} // namespace kestrel
