#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "CommandTestSupport.h"
#include "LoopbackServer.h"
#include "MessageCollector.h"
#include "ModalSupport.h"
#include "app/BatchWindow.h"
#include "app/MainWindow.h"
#include "store/TotoSettings.h"

namespace kestrel {
namespace {

// The main window on the demo round 1555 (a stored schedule and vote status).
class WindowFitTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void Open() {
        window = std::make_unique<MainWindow>(root.Paths(), std::make_shared<SystemClock>());
        window->show();
        window->Commands().SetDialogs(dialogs);
    }
    // The labels below `parent` showing exactly `text`.
    static std::vector<QLabel*> Labels(QWidget* parent, const QString& text) {
        std::vector<QLabel*> found;
        for (QLabel* label : parent->findChildren<QLabel*>()) {
            if (label->text() == text && label->isVisibleTo(parent)) {
                found.push_back(label);
            }
        }
        return found;
    }
    // The action of a sub-menu entry of the edit menu whose sub-menu title starts with `menu`.
    QAction* SortEntry(const QString& caption) const {
        for (QAction* action : window->Menus()[1]->actions()) {
            if (action->menu() != nullptr &&
                action->menu()->title().startsWith(QStringLiteral("シングル並べ替え"))) {
                return test::FindAction(action->menu(), {caption});
            }
        }
        return nullptr;
    }

    test::DemoRoot root;
    test::CollectedMessages messages;
    std::shared_ptr<test::QueuedDialogs> dialogs = std::make_shared<test::QueuedDialogs>();
    std::unique_ptr<MainWindow> window;
};

// Every round has two grades: the third grade's payout row and sort entry are hidden, and a
// third-grade range ticked anyway takes no part in the reduction.
TEST_F(WindowFitTest, ThirdGradeControlsAreHidden) {
    HaitouPage* page = window->ConditionPages()->Haitou();
    for (int grade = 0; grade < 3; ++grade) {
        SCOPED_TRACE(grade);
        const bool shown = grade < 2;
        EXPECT_EQ(page->GradeBox(grade)->isVisibleTo(window.get()), shown);
        EXPECT_EQ(page->MoneyBox(grade, false)->isVisibleTo(window.get()), shown);
        EXPECT_EQ(page->MoneyBox(grade, true)->isVisibleTo(window.get()), shown);
    }
    ASSERT_NE(SortEntry(QStringLiteral("２等推定金額")), nullptr);
    EXPECT_TRUE(SortEntry(QStringLiteral("２等推定金額"))->isVisible());
    QAction* third = SortEntry(QStringLiteral("３等推定金額"));
    EXPECT_TRUE(third == nullptr || !third->isVisible());

    page->GradeBox(2)->setChecked(true);
    page->MoneyBox(2, false)->setText(QStringLiteral("1000"));
    emit page->MoneyBox(2, false)->editingFinished();
    ConditionSet collected;
    window->ConditionPages()->Collect(collected);
    EXPECT_EQ(collected.Haitou.Min[2].Whole(), 1000);
    EXPECT_FALSE(collected.HaitouApplies(2));
}

// A document that switched a kind off shows it on the kind's page, where it is switched on again.
TEST_F(WindowFitTest, KindSwitchStoredOffCanBeSwitchedOn) {
    WorkingDocument doc;
    NewDocument(doc, root.Paths());
    doc.Record.Kaisaikai = 1555;
    for (ConditionGroup& group : doc.Record.Conditions.Honmei) {
        group.Enabled = false;
    }
    const QString path = root.Paths().UserData() + QStringLiteral("/off.tpd");
    ASSERT_TRUE(FileSaveTPD(doc, path, true));
    dialogs->Push(path);
    test::FindAction(window->Menus()[0], {QStringLiteral("開く(&O)...")})->trigger();
    ASSERT_EQ(window->Document().FilePath, path);

    const std::pair<ConditionKind, const char*> kinds[] = {
        {ConditionKind::Honmei, "本命条件を使用する"},
        {ConditionKind::Ninki, "人気条件を使用する"},
        {ConditionKind::Mark, "得点条件を使用する"}};
    for (const auto& [kind, caption] : kinds) {
        QCheckBox* box = nullptr;
        for (QCheckBox* b : window->ConditionPages()->KindPage(kind)->findChildren<QCheckBox*>()) {
            box = b->text() == QString::fromUtf8(caption) ? b : box;
        }
        ASSERT_NE(box, nullptr) << caption;
        EXPECT_EQ(box->isChecked(), kind != ConditionKind::Honmei) << caption;
    }
    QCheckBox* honmei = nullptr;
    for (QCheckBox* b :
         window->ConditionPages()->KindPage(ConditionKind::Honmei)->findChildren<QCheckBox*>()) {
        honmei = b->text() == QStringLiteral("本命条件を使用する") ? b : honmei;
    }
    window->ConditionPages()->setCurrentIndex(ConditionTab::PageHonmei);
    QTest::mouseClick(honmei, Qt::LeftButton, Qt::NoModifier, QPoint(6, honmei->height() / 2));
    ConditionSet collected;
    window->ConditionPages()->Collect(collected);
    for (const ConditionGroup& group : collected.Honmei) {
        EXPECT_TRUE(group.Enabled);
    }
}

// The panels scroll: the window fits a 1280x720 screen, the search buttons stay in view and
// every condition page can be scrolled into view.
TEST_F(WindowFitTest, WindowFitsA1280By720Screen) {
    EXPECT_LE(window->minimumSizeHint().width(), 1280);
    EXPECT_LE(window->minimumSizeHint().height(), 680);
    EXPECT_LE(window->minimumSize().height(), 680);
    window->resize(1280, 680);
    QTest::qWait(10);
    EXPECT_EQ(window->height(), 680);
    const QRect inWindow = window->rect();
    for (QWidget* button : {static_cast<QWidget*>(window->SearchButton()),
                            static_cast<QWidget*>(window->StopButton())}) {
        const QRect r(button->mapTo(window.get(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(inWindow.contains(r)) << r.y();
    }
    auto* area = window->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    // The width fits: only the height scrolls.
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
    ConditionTab* pages = window->ConditionPages();
    const std::pair<int, QWidget*> lowest[] = {
        {ConditionTab::PageHaitou, pages->Haitou()->MissGrid()},
        {ConditionTab::PageHonmei, pages->KindPage(ConditionKind::Honmei)->CountGrid()},
        {ConditionTab::PageTensho, pages->Tensho()},
    };
    for (const auto& [index, widget] : lowest) {
        SCOPED_TRACE(index);
        pages->setCurrentIndex(index);
        QTest::qWait(10);
        area->ensureWidgetVisible(widget, 0, 0);
        const QRect r(widget->mapTo(area->viewport(), QPoint(0, 0)),
                      widget->size().boundedTo(QSize(10, 60)));
        EXPECT_TRUE(area->viewport()->rect().contains(r));
    }
}

// 新規作成 shows the first tab of every tab group again.
TEST_F(WindowFitTest, NewDocumentShowsTheFirstTabOfEveryGroup) {
    const auto tabs = window->findChildren<QTabWidget*>();
    const auto bars = window->findChildren<QTabBar*>();
    for (QTabWidget* t : tabs) {
        t->setCurrentIndex(t->count() - 1);
    }
    for (QTabBar* b : bars) {
        b->setCurrentIndex(b->count() - 1);
    }
    window->Tabs()->setCurrentIndex(MainWindow::TabSingle);
    test::FindAction(window->Menus()[0], {QStringLiteral("新規作成(&N)")})->trigger();
    for (QTabBar* b : bars) {
        EXPECT_EQ(b->currentIndex(), 0) << b->tabText(0).toStdString();
    }
}

// The composition and batch windows open centred over the main window; the batch window's file
// dialog belongs to the batch window.
TEST_F(WindowFitTest, SecondaryWindowsOpenOverTheMainWindow) {
    window->setGeometry(300, 200, 1280, 680);
    const QPoint centre = window->geometry().center();
    BatchWindow* batch = window->ShowBatchWindow();
    ASSERT_NE(batch, nullptr);
    EXPECT_LE((batch->geometry().center() - centre).manhattanLength(), 4);
    emit window->ConditionPages()->KindPage(ConditionKind::Honmei)->CompositionRequested(0);
    QWidget* composition = window->ConditionPages()->Composition();
    ASSERT_TRUE(composition->isVisible());
    EXPECT_LE((composition->geometry().center() - centre).manhattanLength(), 4);

    QWidget* owner = nullptr;
    test::OnNextModal([&owner](QWidget* modal) {
        owner = modal->parentWidget();
        modal->close();
    });
    batch->AddAction()->trigger();
    EXPECT_EQ(owner, batch);
}

// The multi and the single list name the round's teams on their rows; the left-click pen is
// shown beside the multi.
TEST_F(WindowFitTest, TeamsAndPenAreShownBesideTheGrids) {
    const ScheduleRecord& schedule = window->Document().Schedule;
    ASSERT_EQ(schedule.Kaisaikai, 1555);
    QWidget* multiFrame = window->MultiGrid()->parentWidget();
    QWidget* list = window->Commands().SinglePanel();
    window->Tabs()->setCurrentIndex(MainWindow::TabSingle);
    for (int slot = 0; slot < 6; ++slot) {
        const QString team = schedule.Slots[static_cast<size_t>(slot)].Team;
        ASSERT_FALSE(team.isEmpty());
        const auto besideMulti = Labels(multiFrame, team);
        ASSERT_EQ(besideMulti.size(), 1u) << slot;
        const int rowCentre =
            window->MultiGrid()
                ->mapTo(multiFrame, window->MultiGrid()->CellRect(1, slot + 2).center())
                .y();
        const int labelCentre =
            besideMulti[0]->mapTo(multiFrame, besideMulti[0]->rect().center()).y();
        EXPECT_LE(std::abs(rowCentre - labelCentre), 3) << slot;
        EXPECT_EQ(Labels(list, team).size(), 1u) << slot;
    }
    EXPECT_EQ(Labels(multiFrame, QStringLiteral("左クリック動作：自動")).size(), 1u);
    window->MultiGrid()->SetMenuChooser([](QMenu& menu) -> QAction* {
        for (QAction* action : menu.actions()) {
            if (action->text() == QStringLiteral("無し")) {
                return action;
            }
        }
        return nullptr;
    });
    QTest::mouseClick(window->MultiGrid(), Qt::LeftButton, Qt::NoModifier,
                      window->MultiGrid()->CellRect(1, 1).center());
    EXPECT_EQ(Labels(multiFrame, QStringLiteral("左クリック動作：無し")).size(), 1u);
}

// Rounds above 750 find a page name that only TeamName2.dat knows, as the add-team dialog's
// check does, so the schedule reads and nothing needs adding.
TEST(WindowTeamLookup, NameKnownOnlyInTheOlderTableIsFoundForNewRounds) {
    test::DemoRoot root;
    test::CollectedMessages messages;
    test::LoopbackServer server;
    TotoSettings settings = TotoSettings::Defaults();
    settings.totoOfficialScheduleUrl = server.Url(QStringLiteral("/schedule?holdCntId="));
    ASSERT_TRUE(settings.Save(TotoSettings::FilePath(root.Paths())));
    QFile file(QStringLiteral(KESTREL_SOURCE_DIR "/tests/data/net/schedule_1601.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray page = file.readAll();
    page.replace(QStringLiteral("浦和レッズ").toUtf8(), QStringLiteral("ザスパ草津").toUtf8());
    server.SetPage("/schedule?holdCntId=1601", page);
    MainWindow window(root.Paths(), std::make_shared<SystemClock>());
    window.show();
    window.Band()->RoundBox()->setValue(1601);
    window.Band()->DownloadMessage()->setChecked(false);
    QTest::mouseClick(window.Band()->ScheduleButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window.Downloading(), 30000);
    EXPECT_EQ(messages.Count(), 0u) << messages.Last().text.toStdString();
    EXPECT_EQ(window.Document().Schedule.Slots[1].Team, QStringLiteral("草津"));
}

} // namespace
} // namespace kestrel
