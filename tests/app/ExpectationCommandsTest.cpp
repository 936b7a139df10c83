// The player's odds, the expected-value figures and the vote-history chart in the real window.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest/QtTest>
#include <algorithm>
#include <functional>

#include "AppTestSupport.h"
#include "CommandTestSupport.h"
#include "MessageCollector.h"
#include "app/MainWindow.h"
#include "app/PlayerOddsDialog.h"
#include "app/VoteHistoryWindow.h"
#include "core/ExpectedValue.h"
#include "documents/clsTClipboard.h"
#include "store/PlayerOddsStore.h"
#include "store/VoteHistoryStore.h"

namespace kestrel {
namespace {

using test::FindAction;

const std::vector<int32_t> kList = {0, 1365, 4095, 27, 300, 2730};

class ExpectationCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(root.Paths(), std::make_shared<SystemClock>());
        window->show();
        QGuiApplication::clipboard()->setText(clsTClipboard::NumberedList(kList));
        Trigger(1, {QStringLiteral("クリップボードから取り込み"),
                    QStringLiteral("買い目（１口が行）")});
    }
    void Trigger(int menu, const QStringList& path) {
        QAction* action = FindAction(window->Menus()[static_cast<size_t>(menu)], path);
        ASSERT_NE(action, nullptr) << path.join(QStringLiteral(" > ")).toStdString();
        action->trigger();
    }
    const DocumentRecord& Record() const { return window->Document().Record; }
    ListExpectation Figures(const PlayerOdds& odds) const {
        ExpectedValue ev;
        ev.Set(Record().Vote, odds, 100.0);
        return ev.ForList(Record().Singles);
    }

    test::DemoRoot root;
    test::CollectedMessages messages;
    std::unique_ptr<MainWindow> window;
};

// The dialog fills from the vote rates, holds "OK" until every row adds up to 100, and its odds
// go to the document and the round's file; the 明細 line and the 期待値 sort follow them.
TEST_F(ExpectationCommandsTest, OddsDialogDrivesTheSummaryLineAndTheSort) {
    ASSERT_EQ(Record().Singles, kList);
    ASSERT_FALSE(Record().Odds.has_value());
    const auto before = window->MeisaiPanel().Expected();
    ASSERT_TRUE(before.has_value());
    EXPECT_DOUBLE_EQ(*before, Figures(PlayerOdds::FromVote(Record().Vote)).ReturnPercent);

    bool okWhileOff = true;
    window->SetModalRunner([&](QDialog& shown) {
        auto* dialog = qobject_cast<PlayerOddsDialog*>(&shown);
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr) {
            return static_cast<int>(QDialog::Rejected);
        }
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("わたしの予想確率"));
        dialog->FromVoteButton()->click();
        EXPECT_TRUE(dialog->OkButton()->isEnabled());
        const char* typed[] = {"40", "30", "20", "5"};
        for (int c = 0; c < kGoalClassCount; ++c) {
            dialog->Box(0, c)->selectAll();
            QTest::keyClicks(dialog->Box(0, c), QString::fromUtf8(typed[c]));
        }
        okWhileOff = dialog->OkButton()->isEnabled();
        EXPECT_EQ(dialog->RowSum(0)->text(), QStringLiteral("95.00%"));
        dialog->Box(0, 3)->selectAll();
        QTest::keyClicks(dialog->Box(0, 3), QStringLiteral("10"));
        dialog->OkButton()->click();
        return dialog->result();
    });
    Trigger(3, {QStringLiteral("わたしの予想確率...")});
    EXPECT_FALSE(okWhileOff);
    ASSERT_TRUE(Record().Odds.has_value());
    EXPECT_DOUBLE_EQ(Record().Odds->Percent(0, 0), 40.0);
    EXPECT_TRUE(PlayerOddsStore(root.Paths()).Load(1555) == Record().Odds);
    EXPECT_DOUBLE_EQ(*window->MeisaiPanel().Expected(), Figures(*Record().Odds).ReturnPercent);
    EXPECT_EQ(clsTMeisai::Caption(clsTMeisai::kExpectedRow), QStringLiteral("期待値"));

    Trigger(1, {QStringLiteral("シングル並べ替え(&S)"), QStringLiteral("期待値")});
    ExpectedValue ev;
    ev.Set(Record().Vote, *Record().Odds, 100.0);
    std::vector<double> values;
    for (const int32_t s : Record().Singles) {
        values.push_back(ev.SingleExpected(s));
    }
    EXPECT_TRUE(std::is_sorted(values.rbegin(), values.rend()));
    EXPECT_EQ(Record().Singles.size(), kList.size());
}

TEST_F(ExpectationCommandsTest, ExpectedReturnConditionIsCollectedFromThePayoutPage) {
    HaitouPage* page = window->ConditionPages()->Haitou();
    page->EvMinimum()->setValue(120.5);
    page->EvBox()->click();
    ConditionSet collected;
    window->ConditionPages()->Collect(collected);
    EXPECT_TRUE(collected.HaitouEv.Flag);
    EXPECT_EQ(collected.HaitouEv.MinPercent, Money::FromRaw(1205000));
}

TEST_F(ExpectationCommandsTest, ChartOpensFromTheRoundsHistoryFile) {
    VoteHistoryStore store(root.Paths());
    VoteSnapshot snapshot{*DateTime::FromParts(2026, 5, 16, 13, 20), false, Record().Vote};
    ASSERT_TRUE(store.Append(1555, snapshot));
    snapshot.FetchedAt = *DateTime::FromParts(2026, 5, 16, 13, 50);
    snapshot.Final = true;
    ASSERT_TRUE(store.Append(1555, snapshot));
    Trigger(3, {QStringLiteral("投票状況の推移...")});
    auto* chart = window->findChild<VoteHistoryWindow*>();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->Chart()->Series().Points.size(), 2u);
    EXPECT_TRUE(chart->windowTitle().contains(QStringLiteral("第1555回 (2件)")));
    EXPECT_DOUBLE_EQ(chart->Chart()->Series().Points[1].ReturnPercent,
                     Figures(PlayerOdds::FromVote(Record().Vote)).ReturnPercent);
}

} // namespace
} // namespace kestrel
