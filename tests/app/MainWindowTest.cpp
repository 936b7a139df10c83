#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "MessageCollector.h"
#include "app/MainWindow.h"
#include "documents/clsTClipboard.h"
#include "workflow/KestrelIni.h"

namespace kestrel {
namespace {

constexpr int kDemoRound = 1555;

// One window on a temporary copy of the shipped system data; messages are collected.
class MainWindowTest : public ::testing::Test {
protected:
    void Open() {
        window = std::make_unique<MainWindow>(root.Paths(), std::make_shared<SystemClock>());
        // Closing after a search asks to save the list: the tests answer No.
        window->Commands().SetPrompt(std::make_shared<FixedPrompt>(PromptAnswer::No));
        window->show();
    }
    void TearDown() override {
        if (window && window->Searching()) {
            window->OnStopButton();
            QTRY_VERIFY_WITH_TIMEOUT(!window->Searching(), 30000);
        }
    }
    void ClickCell(Qt::MouseButton button, Qt::KeyboardModifiers mods, int col, int row) {
        GridView* grid = window->MultiGrid();
        QTest::mouseClick(grid, button, mods, grid->CellRect(col, row).center());
    }
    // The next popup of the multi grid picks the entry with this caption.
    void PickNext(const QString& caption) {
        window->MultiGrid()->SetMenuChooser([caption](QMenu& menu) -> QAction* {
            for (QAction* action : menu.actions()) {
                if (action->text() == caption) {
                    return action;
                }
            }
            return nullptr;
        });
    }
    void MarkAll() {
        PickNext(QStringLiteral("全て本命でマーク"));
        ClickCell(Qt::RightButton, Qt::NoModifier, 1, 1);
    }
    bool AllMenusEnabled(bool enabled) const {
        for (QMenu* menu : window->Menus()) {
            if (menu->menuAction()->isEnabled() != enabled) {
                return false;
            }
        }
        return true;
    }

    test::DemoRoot root;
    test::CollectedMessages messages;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, FirstStartWithoutSettingsFileWritesItAtExit) {
    root.Remove(QStringLiteral("Kestrel.ini"));
    Open();
    EXPECT_EQ(window->RoundSelector().Kaisaikai(), 1);
    EXPECT_EQ(window->Band()->RoundBox()->value(), 1);
    EXPECT_TRUE(window->Band()->DownloadMessage()->isChecked());
    EXPECT_FALSE(window->Band()->ResultAll()->isChecked());
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" Fernhollow  Kestrel"));
    EXPECT_TRUE(QFileInfo(root.Paths().UserData()).isDir());
    window->Band()->ResultAll()->setChecked(true);
    ASSERT_TRUE(window->close());
    QFile file(KestrelIni::FilePath(root.Paths()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(";Fernhollow Kestrel Ini File (Kestrel.ini)\r\n"
                                         ";Copyright (C) Fernhollow. All rights reserved.\r\n"
                                         "\r\n"
                                         "Kaisaikai = 1\r\n"
                                         "DownloadMessage = 1\r\n"
                                         "ResultAll = 1\r\n"));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(MainWindowTest, ShippedSettingsOpenTheDemoRoundAndRoundChangesFillThePanels) {
    Open();
    EXPECT_EQ(window->Band()->RoundBox()->value(), kDemoRound);
    EXPECT_EQ(window->Document().Record.Kaisaikai, kDemoRound);
    EXPECT_EQ(window->Band()->Caption()->text(), QStringLiteral(" 第 1555 回 "));
    EXPECT_EQ(window->Band()->Status()->text(),
              QStringLiteral(" 第 1555 回 　使用投票率：2025/05/17 (最終)"));
    EXPECT_EQ(window->Band()->SaleEnd()->text(), QStringLiteral("2025年05月17日(土) 13:50:00"));
    EXPECT_EQ(window->VotePanel()->Model().Text(2, 1), QStringLiteral("鹿島アントラーズ"));
    EXPECT_EQ(window->VotePanel()->Model().Text(2, 3), QStringLiteral("36.84% (67,581)"));
    EXPECT_FALSE(window->VotePanel()->SalesLine().isEmpty());
    EXPECT_EQ(window->Multi().Vote().Kaisaikai, kDemoRound);

    window->Band()->RoundBox()->setValue(7); // a round without stored data
    EXPECT_EQ(window->Document().Record.Kaisaikai, 7);
    EXPECT_EQ(window->Document().Record.Vote.Kaisaikai, 0);
    EXPECT_TRUE(window->VotePanel()->Model().Text(2, 1).isEmpty());
    EXPECT_TRUE(window->VotePanel()->SalesLine().isEmpty());
    EXPECT_FALSE(window->Band()->SaleStatus()->isVisibleTo(window.get()));
    EXPECT_EQ(window->Band()->Status()->text(), QStringLiteral(" 第 7 回 "));

    window->Band()->RoundBox()->setValue(kDemoRound);
    EXPECT_EQ(window->Document().Schedule.Kaisaikai, kDemoRound);
    EXPECT_TRUE(window->Band()->SaleStatus()->isVisibleTo(window.get()));
}

TEST_F(MainWindowTest, MultiGridClicksReachTheModel) {
    Open();
    clsTMulti& multi = window->Multi();
    // Automatic pen: plain, Shift and Ctrl clicks each step the mark once.
    ClickCell(Qt::LeftButton, Qt::NoModifier, 1, 2);
    EXPECT_EQ(multi.Mark(0, 0), 1);
    ClickCell(Qt::LeftButton, Qt::ShiftModifier, 1, 2);
    EXPECT_EQ(multi.Mark(0, 0), 2);
    ClickCell(Qt::LeftButton, Qt::ControlModifier, 1, 2);
    EXPECT_EQ(multi.Mark(0, 0), 3);
    QTest::mouseDClick(window->MultiGrid(), Qt::LeftButton, Qt::NoModifier,
                       window->MultiGrid()->CellRect(1, 2).center());
    EXPECT_EQ(multi.Mark(0, 0), 4);

    // The pen menu on the header: pen ○, then a click sets ○ and a second clears it.
    PickNext(QStringLiteral("○ 対抗"));
    ClickCell(Qt::LeftButton, Qt::NoModifier, 2, 1);
    EXPECT_EQ(multi.Pen(), 2);
    EXPECT_FALSE(multi.Automatic());
    ClickCell(Qt::LeftButton, Qt::NoModifier, 3, 4);
    EXPECT_EQ(multi.Mark(2, 2), 2);
    EXPECT_EQ(window->MultiGrid()->findChildren<QMenu*>().size(), 0);
    ClickCell(Qt::LeftButton, Qt::NoModifier, 3, 4);
    EXPECT_EQ(multi.Mark(2, 2), 0);

    // A right click on a cell offers its marks; a dismissed menu changes nothing.
    PickNext(QStringLiteral("☆ 特注"));
    ClickCell(Qt::RightButton, Qt::NoModifier, 4, 7);
    EXPECT_EQ(multi.Mark(3, 5), 6);
    PickNext(QStringLiteral("no such entry"));
    ClickCell(Qt::RightButton, Qt::NoModifier, 4, 7);
    EXPECT_EQ(multi.Mark(3, 5), 6);

    // By vote order on the demo round: slot 1 votes 26031, 67581, 58351, 31463.
    PickNext(QStringLiteral("全て投票率順でマーク"));
    ClickCell(Qt::RightButton, Qt::NoModifier, 1, 1);
    EXPECT_EQ(multi.Mark(0, 0), 4);
    EXPECT_EQ(multi.Mark(1, 0), 1);
    EXPECT_EQ(multi.Mark(2, 0), 2);
    EXPECT_EQ(multi.Mark(3, 0), 3);
    EXPECT_EQ(multi.CellText(1, 0), QStringLiteral("◎"));
}

TEST_F(MainWindowTest, FastSearchRunsWithTheSearchButtonDisabled) {
    Open();
    MarkAll();
    window->SettingsPage()->Methods()->button(1)->click();
    QTest::mouseClick(window->SearchButton(), Qt::LeftButton);
    EXPECT_TRUE(window->Searching());
    EXPECT_FALSE(window->SearchButton()->isEnabled());
    EXPECT_TRUE(window->StopButton()->isEnabled());
    EXPECT_TRUE(AllMenusEnabled(false));
    EXPECT_EQ(window->Tabs()->currentIndex(), MainWindow::TabMessage);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Searching(), 60000);

    const DocumentRecord& record = window->Document().Record;
    EXPECT_GT(record.SingleCount(), 0);
    EXPECT_LT(record.SingleCount(), 4096);
    EXPECT_EQ(window->MeisaiPanel().SingleCount(), record.SingleCount());
    EXPECT_EQ(window->MeisaiPanel().ValueText(6), QStringLiteral(" 4,096"));
    EXPECT_EQ(window->MeisaiPanel().ValueText(13), QStringLiteral(" 100.00%"));
    int slotTotal = 0;
    for (int c = 0; c < 4; ++c) {
        slotTotal += window->CountPanel().Value(c, 0);
    }
    EXPECT_EQ(slotTotal, record.SingleCount());
    // A click on a slot row of the count panel switches it to percentages, as the view menu does.
    GridView* counts = window->CountGrid();
    QTest::mouseClick(counts, Qt::LeftButton, Qt::NoModifier, counts->CellRect(1, 2).center());
    EXPECT_TRUE(window->CountPanel().Percent());
    EXPECT_TRUE(window->PercentAction()->isChecked());
    EXPECT_TRUE(window->CountPanel().CellText(0, 0).endsWith(QStringLiteral("%")));
    QListWidget* list = window->LogView()->List();
    ASSERT_GT(list->count(), 0);
    EXPECT_EQ(list->currentRow(), list->count() - 1);
    EXPECT_TRUE(
        list->item(list->count() - 1)->text().contains(QStringLiteral("該当するパターンは")));
    EXPECT_TRUE(window->SearchButton()->isEnabled());
    EXPECT_EQ(window->SearchButton()->text(), QStringLiteral("検索開始"));
    EXPECT_FALSE(window->StopButton()->isEnabled());
    EXPECT_TRUE(AllMenusEnabled(true));
}

TEST_F(MainWindowTest, TrialSearchPausesResumesStopsAndRefusesToClose) {
    Open();
    MarkAll();
    // A list from before the search, which the count panel shows until the search starts.
    QGuiApplication::clipboard()->setText(clsTClipboard::NumberedList({0, 1365, 4095}));
    window->Commands().ImportFromClipboard();
    ASSERT_EQ(window->CountPanel().Value(0, 0), 1);
    messages.Clear();
    window->SettingsPage()->Methods()->button(2)->click();
    window->SettingsPage()->BeginCount()->setValue(400);
    window->SettingsPage()->EndTime()->setValue(60);
    QTest::mouseClick(window->SearchButton(), Qt::LeftButton);
    ASSERT_TRUE(window->Searching());
    EXPECT_TRUE(window->SearchButton()->isEnabled());
    EXPECT_EQ(window->SearchButton()->text(), QStringLiteral("一時停止"));
    EXPECT_TRUE(AllMenusEnabled(false));
    EXPECT_FALSE(window->Band()->isEnabled());

    QTest::mouseClick(window->SearchButton(), Qt::LeftButton);
    EXPECT_EQ(window->SearchButton()->text(), QStringLiteral("検索再開"));
    EXPECT_TRUE(window->Searching());
    QTest::mouseClick(window->SearchButton(), Qt::LeftButton);
    EXPECT_EQ(window->SearchButton()->text(), QStringLiteral("一時停止"));

    // The count panel stays clear while the search runs, whichever tab is shown.
    for (const int tab : {MainWindow::TabSingle, MainWindow::TabResult, MainWindow::TabMessage}) {
        window->Tabs()->setCurrentIndex(tab);
        for (int c = 0; c < kGoalClassCount; ++c) {
            for (int t = 0; t < kSlotCount; ++t) {
                EXPECT_EQ(window->CountPanel().Value(c, t), 0) << tab << " " << c << " " << t;
            }
        }
    }

    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text,
              QStringLiteral("現在検索処理を実行中です。検索処理を終了させて下さい。"));
    EXPECT_EQ(messages.Last().icon, MessageIcon::Warning);

    // The report grows while the search runs; then pause once more and stop while paused.
    QTRY_VERIFY_WITH_TIMEOUT(window->LogView()->List()->count() > 4, 20000);
    QTest::mouseClick(window->SearchButton(), Qt::LeftButton);
    EXPECT_EQ(window->SearchButton()->text(), QStringLiteral("検索再開"));
    QTest::mouseClick(window->StopButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Searching(), 60000);
    EXPECT_EQ(window->SearchButton()->text(), QStringLiteral("検索開始"));
    EXPECT_TRUE(window->SearchButton()->isEnabled());
    EXPECT_FALSE(window->StopButton()->isEnabled());
    EXPECT_TRUE(AllMenusEnabled(true));
    EXPECT_EQ(window->MeisaiPanel().SingleCount(), window->Document().Record.SingleCount());
    EXPECT_TRUE(window->close());
}

} // namespace
} // namespace kestrel
