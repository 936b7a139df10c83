#include <gtest/gtest.h>

#include <QMenuBar>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "CommandTestSupport.h"
#include "MessageCollector.h"
#include "ModalSupport.h"
#include "app/BatchWindow.h"
#include "app/MainWindow.h"
#include "app/QtMessageSink.h"

namespace kestrel {
namespace {

class KeyboardAndMessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(root.Paths(), std::make_shared<SystemClock>());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->Commands().SetDialogs(dialogs);
    }
    void TearDown() override { SetUserPrompt(previousPrompt); }
    // The document holds `count` singles (added with a pre-answered prompt).
    void AddSingles(int count) {
        window->Commands().SetPrompt(std::make_shared<FixedPrompt>(PromptAnswer::Yes));
        for (int i = 0; i < count; ++i) {
            window->Commands().AddSingleCommand();
        }
        window->Commands().SetPrompt(nullptr);
    }
    QMenu* Menu(int index) const { return window->Menus()[static_cast<size_t>(index)]; }
    QAction* Entry(int menu, const QString& text) const {
        return test::FindAction(Menu(menu), {text});
    }

    test::DemoRoot root;
    test::CollectedMessages messages;
    std::shared_ptr<test::QueuedDialogs> dialogs = std::make_shared<test::QueuedDialogs>();
    std::shared_ptr<UserPrompt> previousPrompt = CurrentUserPrompt();
    std::unique_ptr<MainWindow> window;
};

// The menu bar's menus open with Alt and their access key, and their entries answer to theirs.
TEST_F(KeyboardAndMessagesTest, MenusAreWalkedByKeyboard) {
    const QStringList titles{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                             QStringLiteral("表示(&V)"), QStringLiteral("ツール(&T)"),
                             QStringLiteral("ヘルプ(&H)")};
    const Qt::Key keys[] = {Qt::Key_F, Qt::Key_E, Qt::Key_V, Qt::Key_T, Qt::Key_H};
    for (int i = 0; i < titles.size(); ++i) {
        SCOPED_TRACE(titles[i].toStdString());
        EXPECT_EQ(Menu(i)->title(), titles[i]);
        QTest::keyClick(window.get(), keys[i], Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget() == Menu(i), 2000);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    }
    // Edit, then S: the sort sub-menu opens.
    QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() == Menu(1));
    QTest::keyClick(Menu(1), Qt::Key_S);
    QTRY_VERIFY(QApplication::activePopupWidget() != Menu(1));
    auto* sort = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(sort, nullptr);
    EXPECT_EQ(sort->title(), QStringLiteral("シングル並べ替え(&S)"));
    sort->close();
    Menu(1)->close();
    // Help, then A: the version box.
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() == Menu(4));
    QTest::keyClick(Menu(4), Qt::Key_A);
    QTRY_COMPARE(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().title, QStringLiteral("バージョン情報"));
    // Every command of the batch window has an access key of its own.
    BatchWindow* batch = window->ShowBatchWindow();
    ASSERT_NE(batch, nullptr);
    QSet<QKeySequence> batchKeys;
    for (QAction* action : batch->menuBar()->actions()) {
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        EXPECT_FALSE(key.isEmpty()) << action->text().toStdString();
        batchKeys.insert(key);
    }
    EXPECT_EQ(batchKeys.size(), batch->menuBar()->actions().size());
}

// New, open, save and print have the desktop's standard keys; the search button has Find.
TEST_F(KeyboardAndMessagesTest, StandardShortcutsReachTheCommands) {
    struct Case {
        const char* entry;
        QKeySequence::StandardKey key;
    } cases[] = {{"新規作成(&N)", QKeySequence::New},
                 {"開く(&O)...", QKeySequence::Open},
                 {"上書き保存(&S)", QKeySequence::Save},
                 {"印刷(&P)...", QKeySequence::Print}};
    for (const Case& c : cases) {
        QAction* action = Entry(0, QString::fromUtf8(c.entry));
        ASSERT_NE(action, nullptr) << c.entry;
        EXPECT_EQ(action->shortcut(), QKeySequence(c.key)) << c.entry;
    }
    EXPECT_EQ(window->SearchButton()->shortcut(), QKeySequence(QKeySequence::Find));
    // Ctrl+O asks for a document, Ctrl+S (no file yet) for a name to save under.
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs->LastTitle, QStringLiteral("ファイルを開く"));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs->LastTitle, QStringLiteral("名前を付けて保存"));
    // Ctrl+N clears the multi once the player declines to save the edit.
    window->Multi().MouseClick(clsTMulti::Button::Left, 1, 2);
    ASSERT_EQ(window->Multi().Mark(0, 0), 1);
    window->Commands().SetPrompt(std::make_shared<FixedPrompt>(PromptAnswer::No));
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(window->Multi().Mark(0, 0), 0);
}

// The questions that change or drop singles preselect "No", so Enter keeps the list; adding a
// single preselects "Yes".
TEST_F(KeyboardAndMessagesTest, EnterOnTheDeleteAndLockQuestionsChangesNothing) {
    auto prompt = std::make_shared<QtUserPrompt>();
    prompt->SetParent(window.get());
    SetUserPrompt(prompt);
    AddSingles(2);
    window->Tabs()->setCurrentIndex(MainWindow::TabSingle);
    struct Case {
        const char* name;
        std::function<void()> command;
        QMessageBox::StandardButton preselected;
        size_t singlesAfter;
        int32_t firstAfter;
    };
    SingleListView* view = window->Commands().SinglePanel()->View();
    const Case cases[] = {
        {"delete",
         [&] {
             window->Commands().Page().ToggleSelected(0);
             Entry(1, QStringLiteral("選択シングルを削除"))->trigger();
         },
         QMessageBox::No, 2, 0},
        {"edit lock",
         [&] {
             window->Commands().SinglePanel()->EditLock()->setChecked(true);
             // Slot 1, class 3 of the first single.
             QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, view->CellRect(5, 2).center());
         },
         QMessageBox::No, 2, 0},
        {"add", [&] { Entry(1, QStringLiteral("シングルを追加"))->trigger(); }, QMessageBox::Yes, 3,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QMessageBox::StandardButton shown = QMessageBox::NoButton;
        test::OnNextModal([&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            shown = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return);
        });
        c.command();
        EXPECT_EQ(shown, c.preselected);
        ASSERT_EQ(window->Document().Record.Singles.size(), c.singlesAfter);
        EXPECT_EQ(window->Document().Record.Singles.front(), c.firstAfter);
    }
    EXPECT_TRUE(window->Document().EditLock);
}

QStringList g_logged;
void Collect(QtMsgType, const QMessageLogContext&, const QString& text) {
    g_logged << text;
}

// A megabyte-long message is cut to a readable box with "…"; the whole text goes to the log.
TEST_F(KeyboardAndMessagesTest, VeryLongMessagesAreShortenedInTheBox) {
    auto sink = std::make_shared<QtMessageSink>();
    sink->SetParent(window.get());
    const std::shared_ptr<MessageSink> previous = CurrentMessageSink();
    SetMessageSink(sink);
    g_logged.clear();
    const QtMessageHandler handler = qInstallMessageHandler(Collect);
    const QString name(1'000'000, QChar(0xFF21)); // "Ａ"
    const QString longText =
        QStringLiteral("チーム名：") + name + QStringLiteral(" が見つかりません。");
    const QString manyLines = QStringLiteral("行\r\n").repeated(5000);
    for (const QString& text : {longText, manyLines}) {
        QString shown;
        int height = 0;
        test::OnNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            shown = box->text();
            height = box->sizeHint().height();
            box->accept();
        });
        ShowMessage(MessageIcon::Warning, QStringLiteral("GetShortTeamName"), text);
        EXPECT_LE(shown.size(), 2000);
        EXPECT_TRUE(shown.endsWith(QStringLiteral("…")));
        EXPECT_TRUE(text.startsWith(shown.chopped(1)));
        EXPECT_LT(height, 700);
        EXPECT_TRUE(std::any_of(g_logged.begin(), g_logged.end(),
                                [&text](const QString& line) { return line.contains(text); }));
    }
    qInstallMessageHandler(handler);
    SetMessageSink(previous);
}

} // namespace
} // namespace kestrel
