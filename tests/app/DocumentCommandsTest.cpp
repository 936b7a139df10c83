#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "AppTestSupport.h"
#include "CommandTestSupport.h"
#include "MessageCollector.h"
#include "app/BatchWindow.h"
#include "app/MainWindow.h"
#include "core/clsTNumber.h"
#include "documents/clsTClipboard.h"
#include "documents/clsTFileCSV.h"
#include "results/clsTSingleSort.h"
#include "workflow/BatchRun.h"

namespace kestrel {
namespace {

using test::FindAction;

const std::vector<int32_t> kList = {0, 1365, 4095, 27, 300, 2730, 100, 1000, 2000, 3000, 50, 60};

// The real window on a copy of the shipped data, with its file dialogs and questions answered
// by the test.
class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(root.Paths(), std::make_shared<SystemClock>());
        dialogs = std::make_shared<test::QueuedDialogs>();
        window->Commands().SetDialogs(dialogs);
        // "変更を保存しますか？" is answered No unless a test answers otherwise.
        Answer(PromptAnswer::No);
        window->show();
    }
    // Every question of the window's commands gets this answer from now on.
    std::shared_ptr<FixedPrompt> Answer(PromptAnswer answer) {
        auto prompt = std::make_shared<FixedPrompt>(answer);
        window->Commands().SetPrompt(prompt);
        return prompt;
    }
    void TearDown() override {
        if (window->Searching()) {
            window->OnStopButton();
            QTRY_VERIFY_WITH_TIMEOUT(!window->Searching(), 30000);
        }
    }
    // Triggers a menu entry by its captions; menu 0 file, 1 edit, 2 view, 3 tools, 4 help.
    void Trigger(int menu, const QStringList& path) {
        QAction* action = FindAction(window->Menus()[static_cast<size_t>(menu)], path);
        ASSERT_NE(action, nullptr) << path.join(QStringLiteral(" > ")).toStdString();
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }
    void Import(const std::vector<int32_t>& singles) {
        QGuiApplication::clipboard()->setText(clsTClipboard::NumberedList(singles));
        Trigger(1, {QStringLiteral("クリップボードから取り込み"),
                    QStringLiteral("買い目（１口が行）")});
    }
    void MarkAll() {
        window->MultiGrid()->SetMenuChooser([](QMenu& menu) -> QAction* {
            for (QAction* action : menu.actions()) {
                if (action->text() == QStringLiteral("全て本命でマーク")) {
                    return action;
                }
            }
            return nullptr;
        });
        GridView* grid = window->MultiGrid();
        QTest::mouseClick(grid, Qt::RightButton, Qt::NoModifier, grid->CellRect(1, 1).center());
    }
    QString UserFile(const QString& name) const {
        return root.Paths().UserData() + QStringLiteral("/") + name;
    }
    // A user file that is not a data file, for the batch's failed loads.
    QString BrokenFile(const QString& name) const {
        const QString path = UserFile(name);
        QFile bad(path);
        EXPECT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("not a document\r\n");
        return path;
    }
    // Opens the batch window through the tools menu; its file dialogs answer from the queue.
    BatchWindow* OpenBatch(const std::shared_ptr<test::QueuedDialogs>& batchDialogs) {
        Trigger(3, {QStringLiteral("連続実行")});
        BatchWindow* batch = window->ShowBatchWindow();
        if (batch != nullptr) {
            batch->SetDialogs(batchDialogs);
        }
        return batch;
    }
    const std::vector<int32_t>& Singles() const { return window->Document().Record.Singles; }
    void SaveAs(const QString& path) {
        dialogs->Push(path);
        Trigger(0, {QStringLiteral("名前を付けて保存(&A)...")});
    }
    void Open(const QString& path) {
        dialogs->Push(path);
        Trigger(0, {QStringLiteral("開く(&O)...")});
    }
    // The singles a data file on disk holds.
    std::vector<int32_t> FileSingles(const QString& path) const {
        WorkingDocument read;
        EXPECT_TRUE(FileLoadTPD(read, root.Paths(), path, true, false)) << path.toStdString();
        return read.Record.Singles;
    }
    QString Caption(const QString& name) const {
        return QStringLiteral(" Fernhollow  Kestrel - [") + name + QStringLiteral("]");
    }
    // The caption is brought up to date after the input that changed the document.
    ::testing::AssertionResult CaptionBecomes(const QString& caption) const {
        if (QTest::qWaitFor([&] { return window->windowTitle() == caption; }, 5000)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << window->windowTitle().toStdString();
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
    std::shared_ptr<test::QueuedDialogs> dialogs;
    std::unique_ptr<MainWindow> window;
};

TEST_F(DocumentCommandsTest, SaveOpenRoundTripThroughTheMenus) {
    MarkAll();
    Import(kList);
    const MarkTable marks = [this] {
        MarkTable table{};
        window->Multi().GetValue(table);
        return table;
    }();
    // Saving a new document asks for a name, proposes the default one and adds the extension.
    dialogs->Push(UserFile(QStringLiteral("mine")));
    Trigger(0, {QStringLiteral("上書き保存(&S)")});
    EXPECT_EQ(dialogs->LastTitle, QStringLiteral("名前を付けて保存"));
    EXPECT_EQ(dialogs->LastName, QStringLiteral("KST-1555.tpd"));
    const QString path = UserFile(QStringLiteral("mine.tpd"));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(window->Document().FilePath, path);
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("[mine.tpd]")));

    Trigger(0, {QStringLiteral("新規作成(&N)")});
    EXPECT_TRUE(Singles().empty());
    EXPECT_TRUE(window->Document().FilePath.isEmpty());

    dialogs->Push(path);
    Trigger(0, {QStringLiteral("開く(&O)...")});
    EXPECT_EQ(dialogs->LastTitle, QStringLiteral("ファイルを開く"));
    EXPECT_EQ(Singles(), kList);
    EXPECT_EQ(window->Document().FilePath, path);
    MarkTable reloaded{};
    window->Multi().GetValue(reloaded);
    EXPECT_EQ(reloaded, marks);
    EXPECT_EQ(window->Commands().Page().Count(), static_cast<int>(kList.size()));
    EXPECT_EQ(messages.Count(), 1u); // the import's count message only
}

TEST_F(DocumentCommandsTest, FailedOpenKeepsTheCurrentDocument) {
    MarkAll();
    Import(kList);
    const QString good = UserFile(QStringLiteral("good.tpd"));
    SaveAs(good);
    dialogs->Push(UserFile(QStringLiteral("only")));
    Trigger(0, {QStringLiteral("条件 ファイル"), QStringLiteral("保存(&S)...")});
    EXPECT_EQ(dialogs->LastName, QStringLiteral("条件"));
    const QString conditions = UserFile(QStringLiteral("only.tpj"));
    ASSERT_TRUE(QFile::exists(conditions));
    // A condition file under a data-file name is the wrong kind of file.
    const QString wrongKind = UserFile(QStringLiteral("conditions.tpd"));
    ASSERT_TRUE(QFile::copy(conditions, wrongKind));
    QFile whole(good);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString broken = UserFile(QStringLiteral("broken.tpd"));
    QFile cut(broken);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 3) + "SingleCount = many\r\n");
    cut.close();

    struct Case {
        QString path;
        QString title;
        QString text;
    };
    const Case cases[] = {
        {wrongKind, QStringLiteral("ファイルタイプ警告"),
         QStringLiteral("Kestrelのファイルではありません。")},
        {broken, QStringLiteral("Kestrel"), QStringLiteral("ファイルの読込に失敗しました。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        messages.Clear();
        dialogs->Push(c.path);
        Trigger(0, {QStringLiteral("開く(&O)...")});
        ASSERT_GE(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().title, c.title);
        EXPECT_TRUE(messages.Last().text.startsWith(c.text)) << messages.Last().text.toStdString();
        EXPECT_EQ(Singles(), kList);
        EXPECT_EQ(window->Document().FilePath, good);
        EXPECT_EQ(window->Commands().Page().Count(), static_cast<int>(kList.size()));
    }
}

TEST_F(DocumentCommandsTest, FileNamedAtStartLoadsAsTheOpenCommandsDo) {
    MarkAll();
    Import(kList);
    const QString data = UserFile(QStringLiteral("start.tpd"));
    SaveAs(data);
    dialogs->Push(UserFile(QStringLiteral("start")));
    Trigger(0, {QStringLiteral("条件 ファイル"), QStringLiteral("保存(&S)...")});
    const QString conditions = UserFile(QStringLiteral("start.tpj"));
    const QString wrongKind = UserFile(QStringLiteral("start-conditions.tpd"));
    ASSERT_TRUE(QFile::copy(conditions, wrongKind));
    struct Case {
        QString path;
        bool loaded;
        std::vector<int32_t> singles; // after loading, starting from the singles {0, 5}
    };
    const Case cases[] = {
        {data, true, kList},
        {conditions, true, {0, 5}},
        {wrongKind, false, {0, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        window->Commands().NewDocument();
        Import({0, 5});
        EXPECT_EQ(window->Commands().OpenFile(c.path), c.loaded);
        EXPECT_EQ(Singles(), c.singles);
    }
}

TEST_F(DocumentCommandsTest, CsvSaveOpenAddAndDelete) {
    clsTFileCSV csv;
    ASSERT_TRUE(csv.CsvSave(UserFile(QStringLiteral("add.csv")), {1, 2}));
    ASSERT_TRUE(csv.CsvSave(UserFile(QStringLiteral("del.csv")), {0, 2, 4095}));
    Import({0, 5});

    dialogs->Push(UserFile(QStringLiteral("add")));
    Trigger(0, {QStringLiteral("CSV ファイル(&C)"), QStringLiteral("現在のシングルに追加(&A)...")});
    EXPECT_EQ(dialogs->LastTitle, QStringLiteral("現在のシングルに追加"));
    EXPECT_EQ(Singles(), (std::vector<int32_t>{0, 5, 1, 2}));
    // Slot 1 of 0, 5, 1, 2 holds the classes 0, 1, 1, 2.
    EXPECT_EQ(window->Document().Record.SingleFrame[1][0], 2);

    dialogs->Push(UserFile(QStringLiteral("del.csv")));
    Trigger(0,
            {QStringLiteral("CSV ファイル(&C)"), QStringLiteral("現在のシングルから削除(&D)...")});
    EXPECT_EQ(dialogs->LastTitle, QStringLiteral("現在のシングルから削除"));
    EXPECT_EQ(Singles(), (std::vector<int32_t>{5, 1}));
    EXPECT_EQ(window->Document().Record.SingleFrame[0][0], 0);
    EXPECT_EQ(window->Commands().Page().Count(), 2);

    dialogs->Push(UserFile(QStringLiteral("kept")));
    Trigger(0, {QStringLiteral("CSV ファイル(&C)"), QStringLiteral("保存(&S)...")});
    EXPECT_EQ(dialogs->LastName, QStringLiteral("KST-1555.csv"));
    Trigger(0, {QStringLiteral("新規作成(&N)")});
    dialogs->Push(UserFile(QStringLiteral("kept.csv")));
    Trigger(0, {QStringLiteral("CSV ファイル(&C)"), QStringLiteral("開く(&O)...")});
    EXPECT_EQ(Singles(), (std::vector<int32_t>{5, 1}));
}

TEST_F(DocumentCommandsTest, RemoveRepeatsKeepsFirstOccurrencesAndReports) {
    struct Case {
        std::vector<int32_t> list;
        std::vector<int32_t> kept;
        QString text;
    };
    const Case cases[] = {
        {{5, 7, 5, 9, 7},
         {5, 7, 9},
         QStringLiteral("重複したシングルを消去しました\r\nシングル総数：5 → 3")},
        {{5, 7, 9}, {5, 7, 9}, QStringLiteral("重複したシングルは存在しません")},
    };
    for (const Case& c : cases) {
        Import(c.list);
        messages.Clear();
        Trigger(1, {QStringLiteral("重複シングル削除")});
        EXPECT_EQ(Singles(), c.kept);
        EXPECT_EQ(window->Commands().Page().Count(), static_cast<int>(c.kept.size()));
        EXPECT_EQ(messages.Last().icon, MessageIcon::Information);
        EXPECT_EQ(messages.Last().text, c.text);
    }
}

TEST_F(DocumentCommandsTest, ClipboardCopyGivesTheTextOfEachLayout) {
    MarkAll();
    Import(kList);
    const std::pair<QString, int> layouts[] = {
        {QStringLiteral("予想（条件無し）"), clsTClipboard::kSheet},
        {QStringLiteral("予想（条件有り）"), clsTClipboard::kSheetWithConditions},
        {QStringLiteral("買い目（１口が行）"), clsTClipboard::kNumberedList},
        {QStringLiteral("買い目（１口が列）"), clsTClipboard::kSlotRows}};
    for (const auto& [caption, kind] : layouts) {
        SCOPED_TRACE(caption.toStdString());
        QGuiApplication::clipboard()->clear();
        Trigger(1, {QStringLiteral("クリップボードにコピー"), caption});
        const QString expected =
            clsTClipboard().GetText(kind, window->Document().Record, window->Document().Schedule);
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
        EXPECT_EQ(messages.Last().text, clsTClipboard::kCopiedText);
    }
    // The list layout reads back unchanged.
    Trigger(1, {QStringLiteral("クリップボードにコピー"), QStringLiteral("買い目（１口が行）")});
    Trigger(0, {QStringLiteral("新規作成(&N)")});
    Trigger(1,
            {QStringLiteral("クリップボードから取り込み"), QStringLiteral("買い目（１口が列）")});
    EXPECT_EQ(Singles(), kList);
    EXPECT_EQ(messages.Last().text, QStringLiteral("12口取り込みしました"));
}

TEST_F(DocumentCommandsTest, CellEditOnALockedListAsksFirst) {
    struct Case {
        PromptAnswer answer;
        int32_t single;
        bool locked;
    };
    // Slot 3 (index 2) set to class 3 turns the single 0 into 3 << 4.
    const Case cases[] = {{PromptAnswer::No, 0, true}, {PromptAnswer::Yes, 48, false}};
    for (const Case& c : cases) {
        Import({0});
        auto prompt = std::make_shared<FixedPrompt>(c.answer);
        window->Commands().SetPrompt(prompt);
        window->Tabs()->setCurrentIndex(MainWindow::TabSingle);
        SingleListPanel* panel = window->Commands().SinglePanel();
        panel->EditLock()->setChecked(true);
        GridView* view = panel->View();
        QTest::mouseClick(
            view, Qt::LeftButton, Qt::NoModifier,
            view->CellRect(SingleListPage::kFirstClassColumn + 4 * 2 + 3, 2).center());
        EXPECT_EQ(prompt->AskCount(), 1);
        EXPECT_EQ(prompt->LastText(),
                  QStringLiteral("編集がロックされています。編集のロックを解除しますか？"));
        EXPECT_EQ(Singles(), std::vector<int32_t>{c.single});
        EXPECT_EQ(window->Document().EditLock, c.locked);
        EXPECT_EQ(panel->EditLock()->isChecked(), c.locked);
        EXPECT_EQ(window->Document().Record.SingleFrame[3][2], c.locked ? 0 : 1);
        EXPECT_EQ(view->CellAt(view->CellRect(1, 2).center()), QPoint(1, 2));
    }
}

TEST_F(DocumentCommandsTest, ListClicksSelectAddAndDelete) {
    Import(kList);
    window->Commands().SetPrompt(std::make_shared<FixedPrompt>(PromptAnswer::Yes));
    window->Tabs()->setCurrentIndex(MainWindow::TabSingle);
    SingleListPanel* panel = window->Commands().SinglePanel();
    GridView* view = panel->View();
    // Entries 1 and 3 of the first page selected by their numbers, then deleted.
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, view->CellRect(1, 2).center());
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, view->CellRect(1, 4).center());
    EXPECT_EQ(view->CellAt(view->CellRect(1, 4).center()), QPoint(1, 4));
    Trigger(1, {QStringLiteral("選択シングルを削除")});
    std::vector<int32_t> rest = kList;
    rest.erase(rest.begin() + 2);
    rest.erase(rest.begin());
    EXPECT_EQ(Singles(), rest);
    // A click below the last single of the last page adds the single 0 and shows its page.
    QTest::mouseClick(panel->NextButton(), Qt::LeftButton);
    EXPECT_EQ(window->Commands().Page().Page(), 0); // ten singles fit on one page
    Import(kList);
    QTest::mouseClick(panel->NextButton(), Qt::LeftButton);
    EXPECT_EQ(panel->PageLabel()->text(), QStringLiteral("2／2"));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, view->CellRect(1, 5).center());
    EXPECT_EQ(Singles().size(), kList.size() + 1);
    EXPECT_EQ(Singles().back(), 0);
    // Deleting with nothing selected only says so.
    Trigger(1, {QStringLiteral("全てのシングル選択を解除")});
    messages.Clear();
    Trigger(1, {QStringLiteral("選択シングルを削除")});
    EXPECT_EQ(messages.Last().text, QStringLiteral("削除対象のシングルが選択されていません"));
    Trigger(1, {QStringLiteral("全てのシングルを選択")});
    Trigger(1, {QStringLiteral("選択シングルを削除")});
    EXPECT_TRUE(Singles().empty());
}

TEST_F(DocumentCommandsTest, SortEntriesOrderTheListByTheirKeys) {
    window->Band()->ResultAll()->setChecked(true);
    Import(kList);
    const WorkingDocument& doc = window->Document();
    clsTSingleSort keys;
    keys.SetVote(doc.Record.Vote);
    int32_t result = 0;
    for (int t = 0; t < kSlotCount; ++t) {
        result |= doc.Result.Slots[static_cast<size_t>(t)].Result << (2 * t);
    }
    using KeyFn = std::function<double(int32_t)>;
    const std::pair<QString, KeyFn> entries[] = {
        {QStringLiteral("１等推定金額"),
         [&](int32_t no) { return keys.MoneyKey(no, 0).ToDouble(); }},
        {QStringLiteral("２等推定金額"),
         [&](int32_t no) { return keys.MoneyKey(no, 1).ToDouble(); }},
        {QStringLiteral("１番人気"), [&](int32_t no) { return double(keys.NinkiKey(no, 0)); }},
        {QStringLiteral("４番人気"), [&](int32_t no) { return double(keys.NinkiKey(no, 3)); }},
        {QStringLiteral("０点"), [](int32_t no) { return double(clsTSingleSort::MarkKey(no, 0)); }},
        {QStringLiteral("３点以上"),
         [](int32_t no) { return double(clsTSingleSort::MarkKey(no, 3)); }},
        {QStringLiteral("当せん数"),
         [&](int32_t no) { return double(clsTNumber::Distance(no, result)); }},
    };
    std::vector<int32_t> sortedInput = kList;
    std::sort(sortedInput.begin(), sortedInput.end());
    for (const bool ascending : {false, true}) {
        window->Commands().AscendingAction()->setChecked(ascending);
        for (const auto& [caption, key] : entries) {
            SCOPED_TRACE(caption.toStdString() + (ascending ? " asc" : " desc"));
            Trigger(1, {QStringLiteral("シングル並べ替え(&S)"), caption});
            std::vector<int32_t> list = Singles();
            for (size_t i = 1; i < list.size(); ++i) {
                const double a = key(list[i - 1]);
                const double b = key(list[i]);
                EXPECT_TRUE(ascending ? a <= b : a >= b) << i;
            }
            std::sort(list.begin(), list.end());
            EXPECT_EQ(list, sortedInput);
        }
    }
}

TEST_F(DocumentCommandsTest, DemoRoundGradedTeamByTeam) {
    Import(kList);
    window->Tabs()->setCurrentIndex(MainWindow::TabResult);
    ResultsPanel* panel = window->Commands().ResultPanel();
    const clsTResult& results = window->Commands().Results();
    const ResultRecord& official = window->Document().Result;
    ASSERT_EQ(official.Kaisaikai, 1555);
    for (int revealed = 0; revealed <= kSlotCount; ++revealed) {
        SCOPED_TRACE(revealed);
        if (revealed > 0) {
            ASSERT_TRUE(panel->NextButton()->isEnabled());
            QTest::mouseClick(panel->NextButton(), Qt::LeftButton);
        }
        EXPECT_EQ(results.RevealCount(), revealed);
        GradeCounts expected{};
        for (const int32_t no : kList) {
            int misses = 0;
            for (int t = 0; t < revealed; ++t) {
                misses += clsTNumber::Digit(no, t) != official.Slots[static_cast<size_t>(t)].Result;
            }
            ++expected[static_cast<size_t>(misses)];
        }
        for (int g = 1; g <= 7; ++g) {
            EXPECT_EQ(results.GradeTable().Count(g), expected[static_cast<size_t>(g - 1)]) << g;
        }
    }
    EXPECT_FALSE(panel->NextButton()->isEnabled());
    EXPECT_FALSE(panel->AllButton()->isEnabled());
    EXPECT_FALSE(results.KakuteiTable().CellText(2, 2).isEmpty());
    EXPECT_EQ(panel->PageLabel()->text(), QStringLiteral("1／2"));
    QTest::mouseClick(panel->NextPageButton(), Qt::LeftButton);
    EXPECT_EQ(results.Page(), 1);
    EXPECT_EQ(panel->PageLabel()->text(), QStringLiteral("2／2"));
}

TEST_F(DocumentCommandsTest, BatchWindowRunsThreeFilesWithOneBroken) {
    MarkAll();
    window->SettingsPage()->Methods()->button(1)->click();
    const QString first = UserFile(QStringLiteral("a.tpd"));
    const QString last = UserFile(QStringLiteral("c.tpd"));
    SaveAs(first);
    SaveAs(last);
    const QString broken = BrokenFile(QStringLiteral("b.tpd"));
    auto batchDialogs = std::make_shared<test::QueuedDialogs>();
    batchDialogs->PushMany({first, broken, last, first.toUpper()});
    BatchWindow* batch = OpenBatch(batchDialogs);
    ASSERT_NE(batch, nullptr);
    batch->AddAction()->trigger();
    ASSERT_EQ(batch->List()->topLevelItemCount(), 3);
    batch->StartAction()->trigger();
    EXPECT_FALSE(batch->StartAction()->isEnabled());
    EXPECT_TRUE(batch->StopAction()->isEnabled());
    EXPECT_FALSE(batch->close());
    EXPECT_EQ(messages.Last().text, BatchRun::kBusyText);
    QTRY_VERIFY_WITH_TIMEOUT(!batch->Running(), 120000);
    QTRY_COMPARE(batch->List()->topLevelItem(2)->text(1), BatchRun::kStateDone);
    EXPECT_EQ(batch->List()->topLevelItem(0)->text(1), BatchRun::kStateDone);
    EXPECT_EQ(batch->List()->topLevelItem(1)->text(1), BatchRun::kStateFailed);
    EXPECT_TRUE(batch->StartAction()->isEnabled());
    EXPECT_GT(window->Document().Record.SingleCount(), 0);
    EXPECT_EQ(window->Document().FilePath, last);
    EXPECT_TRUE(batch->close());
}

// Each kind of edit (list, multi, conditions, search settings) marks the caption and makes
// 新規作成 ask first; Cancel keeps the document, saving clears the mark.
TEST_F(DocumentCommandsTest, EveryEditMarksTheCaptionAndAsksBeforeNew) {
    MarkAll();
    Import(kList);
    const QString base = UserFile(QStringLiteral("base.tpd"));
    SaveAs(base);
    struct Edit {
        const char* name;
        std::function<void()> apply;
    };
    const Edit edits[] = {
        {"list",
         [this] {
             Import({0, 5});
         }},
        {"multi",
         [this] {
             GridView* grid = window->MultiGrid();
             QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(1, 2).center());
         }},
        {"conditions",
         [this] {
             window->Tabs()->setCurrentIndex(MainWindow::TabJouken);
             window->ConditionPages()->setCurrentIndex(ConditionTab::PageHonmei);
             CountConditionPage* page = window->ConditionPages()->KindPage(ConditionKind::Honmei);
             page->GroupTabs()->setCurrentIndex(3); // "A"
             GridView* grid = page->CountGrid();
             QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(2, 2).center());
         }},
        {"search settings",
         [this] {
             window->Tabs()->setCurrentIndex(MainWindow::TabAsshuku);
             QCoreApplication::processEvents(); // lays the page out
             // On the radio button's mark: the button is wider than its text.
             QAbstractButton* method = window->SettingsPage()->Methods()->button(2);
             QTest::mouseClick(method, Qt::LeftButton, Qt::NoModifier,
                               QPoint(8, method->height() / 2));
         }},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.name);
        Answer(PromptAnswer::No);
        Open(base);
        EXPECT_EQ(window->windowTitle(), Caption(QStringLiteral("base.tpd")));
        EXPECT_FALSE(window->HasUnsavedWork());
        e.apply();
        EXPECT_TRUE(CaptionBecomes(Caption(QStringLiteral("base.tpd*"))));
        EXPECT_TRUE(window->HasUnsavedWork());

        auto prompt = Answer(PromptAnswer::Cancel);
        Trigger(0, {QStringLiteral("新規作成(&N)")});
        EXPECT_EQ(prompt->AskCount(), 1);
        EXPECT_EQ(prompt->LastText(), QStringLiteral("変更を保存しますか？"));
        EXPECT_EQ(window->Document().FilePath, base);
        EXPECT_TRUE(window->HasUnsavedWork());

        Trigger(0, {QStringLiteral("上書き保存(&S)")});
        EXPECT_EQ(window->windowTitle(), Caption(QStringLiteral("base.tpd")));
        EXPECT_FALSE(window->HasUnsavedWork());
        Trigger(0, {QStringLiteral("新規作成(&N)")});
        EXPECT_EQ(prompt->AskCount(), 1); // nothing left to save: no question
        EXPECT_TRUE(window->Document().FilePath.isEmpty());
    }
    // A new document shows the mark after the program's caption.
    MarkAll();
    EXPECT_TRUE(CaptionBecomes(QStringLiteral(" Fernhollow  Kestrel *")));
}

// 新規作成, 開く, CSV 開く and 終了 on an edited list: Cancel keeps everything, No drops the edit,
// Yes saves it through the save command and then goes on.
TEST_F(DocumentCommandsTest, CommandsThatDropChangedWorkAskToSaveItFirst) {
    MarkAll();
    Import(kList);
    const QString other = UserFile(QStringLiteral("other.tpd"));
    SaveAs(other);
    const QString base = UserFile(QStringLiteral("base.tpd"));
    SaveAs(base);
    const QString csv = UserFile(QStringLiteral("open.csv"));
    ASSERT_TRUE(clsTFileCSV().CsvSave(csv, {7, 8}));
    const std::vector<int32_t> edited = {0, 5};

    struct Command {
        const char* name;
        std::function<void()> run;
        std::function<bool()> wentOn;
    };
    const Command commands[] = {
        {"新規作成", [this] { Trigger(0, {QStringLiteral("新規作成(&N)")}); },
         [this] { return window->Document().FilePath.isEmpty() && Singles().empty(); }},
        {"開く", [&] { Open(other); }, [&] { return window->Document().FilePath == other; }},
        {"CSV 開く",
         [&] {
             dialogs->Push(csv);
             Trigger(0, {QStringLiteral("CSV ファイル(&C)"), QStringLiteral("開く(&O)...")});
         },
         [this] {
             return Singles() == std::vector<int32_t>{7, 8};
         }},
        {"終了", [this] { Trigger(0, {QStringLiteral("終了(&X)")}); },
         [this] { return !window->isVisible(); }},
    };
    for (const Command& command : commands) {
        for (const PromptAnswer answer :
             {PromptAnswer::Cancel, PromptAnswer::No, PromptAnswer::Yes}) {
            SCOPED_TRACE(std::string(command.name) + " answer " +
                         std::to_string(static_cast<int>(answer)));
            window->show();
            dialogs->Clear();
            Answer(PromptAnswer::No);
            Open(base);
            ASSERT_EQ(window->Document().FilePath, base);
            const std::vector<int32_t> before = Singles();
            Import(edited);
            auto prompt = Answer(answer);
            command.run();
            EXPECT_EQ(prompt->AskCount(), 1);
            if (answer == PromptAnswer::Cancel) {
                EXPECT_FALSE(command.wentOn());
                EXPECT_TRUE(window->isVisible());
                EXPECT_EQ(window->Document().FilePath, base);
                EXPECT_EQ(Singles(), edited);
                EXPECT_EQ(window->windowTitle(), Caption(QStringLiteral("base.tpd*")));
            } else {
                EXPECT_TRUE(command.wentOn());
            }
            EXPECT_EQ(FileSingles(base), answer == PromptAnswer::Yes ? edited : before);
            // The next case starts from the saved file as it was.
            dialogs->Clear();
            if (answer == PromptAnswer::Yes) {
                WorkingDocument restore;
                ASSERT_TRUE(FileLoadTPD(restore, root.Paths(), base, true, false));
                restore.Record.Singles = before;
                ASSERT_TRUE(FileSaveTPD(restore, base, true));
            }
        }
    }
}

// A batch with nothing to run (no row, only failing rows, only rows already done) leaves the
// window's document, round and list as they were.
TEST_F(DocumentCommandsTest, BatchWithNothingToRunKeepsTheWindowsDocument) {
    MarkAll();
    window->SettingsPage()->Methods()->button(1)->click();
    const QString good = UserFile(QStringLiteral("good.tpd"));
    SaveAs(good);
    Import(kList);
    const QString own = UserFile(QStringLiteral("own.tpd"));
    SaveAs(own);
    const QString broken = BrokenFile(QStringLiteral("broken.tpd"));
    auto batchDialogs = std::make_shared<test::QueuedDialogs>();
    BatchWindow* batch = OpenBatch(batchDialogs);
    ASSERT_NE(batch, nullptr);
    struct Case {
        const char* name;
        QStringList added;
        bool loadsOne; // a row loads (and replaces the document) before the checked run
    };
    const Case cases[] = {
        {"no row", {}, false},
        {"only a broken file", {broken}, false},
        {"every row done or failed", {good}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        batchDialogs->PushMany(c.added);
        if (!c.added.isEmpty()) {
            batch->AddAction()->trigger();
        }
        if (c.loadsOne) {
            batch->StartAction()->trigger();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !window->BatchRunning(); }, 120000));
            EXPECT_EQ(window->Document().FilePath, good);
            Open(own);
        }
        batch->StartAction()->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->BatchRunning(); }, 120000));
        EXPECT_EQ(window->Document().FilePath, own);
        EXPECT_EQ(window->Document().Record.Kaisaikai, 1555);
        EXPECT_EQ(window->Band()->RoundBox()->value(), 1555);
        EXPECT_EQ(Singles(), kList);
        EXPECT_EQ(window->Commands().Page().Count(), static_cast<int>(kList.size()));
        EXPECT_TRUE(AllMenusEnabled(true));
    }
    EXPECT_EQ(batch->List()->topLevelItem(0)->text(1), BatchRun::kStateFailed);
    EXPECT_EQ(batch->List()->topLevelItem(1)->text(1), BatchRun::kStateDone);
}

// While a batch runs the main window is locked as during a search and shows the batch's reports;
// afterwards it holds the last document the batch loaded, and editing and saving it go on.
TEST_F(DocumentCommandsTest, BatchRunsInTheMainWindowThenTheEditIsSaved) {
    MarkAll();
    window->SettingsPage()->Methods()->button(1)->click();
    const QString first = UserFile(QStringLiteral("a.tpd"));
    const QString last = UserFile(QStringLiteral("c.tpd"));
    SaveAs(first);
    SaveAs(last);
    Import({1, 2}); // unsaved work: the batch asks before it starts

    Trigger(3, {QStringLiteral("連続実行")});
    BatchWindow* batch = window->ShowBatchWindow();
    ASSERT_NE(batch, nullptr);
    auto batchDialogs = std::make_shared<test::QueuedDialogs>();
    batchDialogs->PushMany({first, last});
    batch->SetDialogs(batchDialogs);
    batch->AddAction()->trigger();
    auto prompt = Answer(PromptAnswer::Cancel);
    batch->StartAction()->trigger();
    EXPECT_EQ(prompt->AskCount(), 1);
    EXPECT_FALSE(window->BatchRunning());
    EXPECT_TRUE(batch->List()->topLevelItem(0)->text(1).isEmpty());

    Answer(PromptAnswer::No);
    messages.Clear();
    // Report lines that reach the message tab while the batch runs.
    QStringList shownDuringBatch;
    QListWidget* log = window->LogView()->List();
    QObject::connect(log->model(), &QAbstractItemModel::dataChanged, log, [&] {
        if (window->BatchRunning() && log->count() > 0) {
            shownDuringBatch << log->item(0)->text();
        }
    });
    QObject::connect(log->model(), &QAbstractItemModel::rowsInserted, log, [&] {
        if (window->BatchRunning()) {
            shownDuringBatch << log->item(log->count() - 1)->text();
        }
    });
    batch->StartAction()->trigger();
    ASSERT_TRUE(window->BatchRunning());
    EXPECT_TRUE(AllMenusEnabled(false));
    EXPECT_FALSE(window->Band()->isEnabled());
    EXPECT_FALSE(window->MultiGrid()->isEnabled());
    EXPECT_FALSE(window->ConditionPages()->isEnabled());
    EXPECT_FALSE(window->SearchButton()->isEnabled());
    EXPECT_EQ(window->Tabs()->currentIndex(), MainWindow::TabMessage);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text,
              QStringLiteral("現在検索処理を実行中です。検索処理を終了させて下さい。"));
    // "連続実行" brings the batch window back instead of refusing.
    EXPECT_EQ(window->ShowBatchWindow(), batch);
    EXPECT_EQ(messages.Count(), 1u);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->BatchRunning(); }, 120000));
    EXPECT_EQ(batch->List()->topLevelItem(1)->text(1), BatchRun::kStateDone);
    EXPECT_TRUE(AllMenusEnabled(true));
    EXPECT_TRUE(window->SearchButton()->isEnabled());
    EXPECT_EQ(window->Document().FilePath, last);
    EXPECT_EQ(window->windowTitle(), Caption(QStringLiteral("c.tpd")));
    EXPECT_EQ(Singles(), FileSingles(last));
    EXPECT_GT(window->Document().Record.SingleCount(), 0);
    EXPECT_FALSE(shownDuringBatch.filter(QStringLiteral("マルチ総数")).isEmpty());
    ASSERT_GT(log->count(), 0);
    EXPECT_FALSE(log->findItems(QStringLiteral("該当するパターンは"), Qt::MatchContains).isEmpty());

    Import({0, 5});
    EXPECT_EQ(window->windowTitle(), Caption(QStringLiteral("c.tpd*")));
    Trigger(0, {QStringLiteral("上書き保存(&S)")});
    EXPECT_EQ(FileSingles(last), (std::vector<int32_t>{0, 5}));
    EXPECT_TRUE(batch->close());
}

// A batch does not start while the main window searches; the search's own state stays.
TEST_F(DocumentCommandsTest, BatchDoesNotStartWhileTheWindowSearches) {
    MarkAll();
    window->SettingsPage()->Methods()->button(1)->click();
    const QString file = UserFile(QStringLiteral("a.tpd"));
    SaveAs(file);
    Trigger(3, {QStringLiteral("連続実行")});
    BatchWindow* batch = window->ShowBatchWindow();
    ASSERT_NE(batch, nullptr);
    auto batchDialogs = std::make_shared<test::QueuedDialogs>();
    batchDialogs->PushMany({file});
    batch->SetDialogs(batchDialogs);
    batch->AddAction()->trigger();

    window->SettingsPage()->Methods()->button(2)->click();
    window->SettingsPage()->BeginCount()->setValue(400);
    window->SettingsPage()->EndTime()->setValue(60);
    QTest::mouseClick(window->SearchButton(), Qt::LeftButton);
    ASSERT_TRUE(window->Searching());
    QTest::mouseClick(window->SearchButton(), Qt::LeftButton); // pause
    messages.Clear();
    batch->StartAction()->trigger();
    EXPECT_FALSE(window->BatchRunning());
    EXPECT_TRUE(batch->StartAction()->isEnabled());
    EXPECT_TRUE(batch->List()->topLevelItem(0)->text(1).isEmpty());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text,
              QStringLiteral("現在検索処理を実行中です。検索処理を終了させて下さい。"));
    EXPECT_TRUE(window->Searching());
    EXPECT_EQ(window->SearchButton()->text(), QStringLiteral("検索再開"));
}

// "当せん数" sorts by the grades the results tab shows: after a partial or full reveal the order
// follows the revealed teams, and the reveal stays.
TEST_F(DocumentCommandsTest, GradeSortFollowsTheRevealedResult) {
    ASSERT_FALSE(window->Band()->ResultAll()->isChecked());
    const ResultRecord& official = window->Document().Result;
    ASSERT_EQ(official.Kaisaikai, 1555);
    for (const int revealed : {3, kSlotCount}) {
        for (const bool ascending : {false, true}) {
            SCOPED_TRACE(std::to_string(revealed) + (ascending ? " asc" : " desc"));
            Import(kList);
            window->Tabs()->setCurrentIndex(MainWindow::TabResult);
            ResultsPanel* panel = window->Commands().ResultPanel();
            if (revealed == kSlotCount) {
                QTest::mouseClick(panel->AllButton(), Qt::LeftButton);
            } else {
                for (int i = 0; i < revealed; ++i) {
                    QTest::mouseClick(panel->NextButton(), Qt::LeftButton);
                }
            }
            window->Commands().AscendingAction()->setChecked(ascending);
            Trigger(1, {QStringLiteral("シングル並べ替え(&S)"), QStringLiteral("当せん数")});
            EXPECT_EQ(window->Commands().Results().RevealCount(), revealed);
            const auto misses = [&](int32_t no) {
                int n = 0;
                for (int t = 0; t < revealed; ++t) {
                    n += clsTNumber::Digit(no, t) != official.Slots[static_cast<size_t>(t)].Result;
                }
                return n;
            };
            const std::vector<int32_t> list = Singles();
            ASSERT_EQ(list.size(), kList.size());
            int violations = 0;
            for (size_t i = 1; i < list.size(); ++i) {
                const int a = misses(list[i - 1]);
                const int b = misses(list[i]);
                violations += ascending ? a > b : a < b;
            }
            EXPECT_EQ(violations, 0);
        }
    }
}

// Switching tabs redraws nothing of the results panel: reveals, "○" marks and hand marks of a
// round without result stay, and so do the grades read afterwards.
TEST_F(DocumentCommandsTest, TabSwitchKeepsRevealsAndMarks) {
    struct Case {
        const char* name;
        int32_t round;
        int reveals;
        int markTeam; // a left click on the result mark grid, on a class the result does not
                      // name: it shows "○"
    };
    const Case cases[] = {
        {"official result, two teams revealed, a guess", 1555, 2, 4},
        {"no result, a hand mark", 100, 0, 0},
    };
    const uint8_t guess = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->Band()->RoundBox()->setValue(c.round);
        Import(kList);
        window->Tabs()->setCurrentIndex(MainWindow::TabResult);
        ResultsPanel* panel = window->Commands().ResultPanel();
        for (int i = 0; i < c.reveals; ++i) {
            QTest::mouseClick(panel->NextButton(), Qt::LeftButton);
        }
        const ResultRecord& official = window->Document().Result;
        const int markClass =
            official.Kaisaikai > 0 ? (official.Slots[c.markTeam].Result + 1) % kGoalClassCount : 3;
        GridView* marks = panel->MarkGrid();
        QTest::mouseClick(marks, Qt::LeftButton, Qt::NoModifier,
                          marks->CellRect(markClass + 2, c.markTeam + 2).center());
        const clsTResult& results = window->Commands().Results();
        ASSERT_EQ(results.Marks()[c.markTeam][markClass], guess);
        const GradeCounts counts = results.Counts();
        for (const int tab : {MainWindow::TabSingle, MainWindow::TabMessage, MainWindow::TabJouken,
                              MainWindow::TabResult}) {
            window->Tabs()->setCurrentIndex(tab);
        }
        EXPECT_EQ(results.RevealCount(), c.reveals);
        EXPECT_EQ(results.Marks()[c.markTeam][markClass], guess);
        EXPECT_EQ(results.Counts(), counts);
        EXPECT_EQ(panel->NextButton()->isEnabled(), c.reveals > 0);
    }
}

// Opening a condition file shows the first condition page; a data file's own J1 and J2 teams
// stand, whether it changes the round or not.
TEST_F(DocumentCommandsTest, OpenedFilesShowTheirOwnConditions) {
    MarkAll();
    Import(kList);
    const QString data = UserFile(QStringLiteral("j.tpd"));
    SaveAs(data);
    WorkingDocument doc;
    ASSERT_TRUE(FileLoadTPD(doc, root.Paths(), data, true, false));
    ConditionSet& conditions = doc.Record.Conditions;
    // The first J1 team moved to J2, in every kind.
    const auto j1 = conditions.Honmei[ConditionSet::kJ1Group].GameFlg;
    const auto first = std::find(j1.begin(), j1.end(), true);
    ASSERT_NE(first, j1.end());
    for (const ConditionKind kind :
         {ConditionKind::Honmei, ConditionKind::Ninki, ConditionKind::Mark}) {
        auto& groups = conditions.Groups(kind);
        groups[ConditionSet::kJ1Group].GameFlg[first - j1.begin()] = false;
        groups[ConditionSet::kJ2Group].GameFlg[first - j1.begin()] = true;
    }
    ASSERT_TRUE(FileSaveTPD(doc, data, true));
    for (const int32_t from : {1555, 7}) {
        SCOPED_TRACE(from);
        window->Band()->RoundBox()->setValue(from);
        Open(data);
        ConditionSet shown;
        window->ConditionPages()->Collect(shown);
        EXPECT_EQ(shown, conditions);
        EXPECT_FALSE(window->HasUnsavedWork());
    }

    dialogs->Push(UserFile(QStringLiteral("cond")));
    Trigger(0, {QStringLiteral("条件 ファイル"), QStringLiteral("保存(&S)...")});
    window->ConditionPages()->setCurrentIndex(ConditionTab::PageMark);
    window->Tabs()->setCurrentIndex(MainWindow::TabSingle);
    dialogs->Push(UserFile(QStringLiteral("cond.tpj")));
    Trigger(0, {QStringLiteral("条件 ファイル"), QStringLiteral("開く(&O)...")});
    EXPECT_EQ(window->Tabs()->currentIndex(), MainWindow::TabJouken);
    EXPECT_EQ(window->ConditionPages()->currentIndex(), ConditionTab::PageHaitou);
}

} // namespace
} // namespace kestrel
