#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "CommandTestSupport.h"
#include "LoopbackServer.h"
#include "MessageCollector.h"
#include "app/MainWindow.h"
#include "app/frmTeamName.h"
#include "store/TotoSettings.h"

namespace kestrel {
namespace {

using test::FindAction;

constexpr int kRound = 1601;

QByteArray NetPage(const char* name) {
    QFile file(QStringLiteral(KESTREL_SOURCE_DIR "/tests/data/net/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

struct DownloadCase {
    const char* name;
    DownloadKind kind;
    PromptAnswer answer; // to "ダウンロード時に確認"
    const char* file;    // below SysData
    bool saved;          // the file exists afterwards and the button is disabled
    const char* message; // the one message shown, or empty
};

// The round's record is missing; the operator's pages come from a loopback server.
class DownloadCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        TotoSettings settings = TotoSettings::Defaults();
        settings.totoOfficialScheduleUrl = server.Url(QStringLiteral("/schedule?holdCntId="));
        settings.totoOfficialVoteUrl = server.Url(QStringLiteral("/vote?holdCntId="));
        settings.totoOfficialResultUrl = server.Url(QStringLiteral("/result?holdCntId="));
        ASSERT_TRUE(settings.Save(TotoSettings::FilePath(root.Paths())));
        server.SetPage("/schedule?holdCntId=1601", NetPage("schedule_1601.html"));
        server.SetPage("/vote?holdCntId=1601&commodityId=02", NetPage("vote_1601.html"));
        window = std::make_unique<MainWindow>(root.Paths(), std::make_shared<SystemClock>());
        window->show();
        window->Band()->RoundBox()->setValue(kRound);
        window->Band()->DownloadMessage()->setChecked(true);
    }
    QPushButton* Button(DownloadKind kind) const {
        RoundBand* band = window->Band();
        return kind == DownloadKind::Schedule ? band->ScheduleButton()
               : kind == DownloadKind::Vote   ? band->VoteButton()
                                              : band->ResultButton();
    }
    int32_t HeldRound(DownloadKind kind) const {
        const WorkingDocument& doc = window->Document();
        return kind == DownloadKind::Schedule ? doc.Schedule.Kaisaikai
               : kind == DownloadKind::Vote   ? doc.Record.Vote.Kaisaikai
                                              : doc.Result.Kaisaikai;
    }

    test::DemoRoot root;
    test::CollectedMessages messages;
    test::LoopbackServer server;
    std::unique_ptr<MainWindow> window;
};

TEST_F(DownloadCommandTest, ButtonsDownloadOnAWorkerAndApplyTheRecord) {
    const DownloadCase cases[] = {
        {"schedule", DownloadKind::Schedule, PromptAnswer::Yes,
         "totoGOAL3_Schedule/totogoal3_schedule_1601.xml", true, ""},
        {"declined vote", DownloadKind::Vote, PromptAnswer::No,
         "totoGOAL3_Vote/totogoal3_vote_1601.xml", false, ""},
        {"vote", DownloadKind::Vote, PromptAnswer::Yes, "totoGOAL3_Vote/totogoal3_vote_1601.xml",
         true, ""},
        {"result page missing", DownloadKind::Result, PromptAnswer::Yes,
         "totoGOAL3_Result/totogoal3_result_1601.xml", false,
         "インターネットよりダウンロードに失敗しました。\r\n原因：サーバーがエラーを返しました "
         "(404)"},
    };
    const std::shared_ptr<UserPrompt> previous = CurrentUserPrompt();
    for (const DownloadCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto prompt = std::make_shared<FixedPrompt>(c.answer);
        SetUserPrompt(prompt);
        messages.Clear();
        const int requests = server.RequestCount();
        QPushButton* button = Button(c.kind);
        ASSERT_TRUE(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(window->Downloading());
        EXPECT_FALSE(window->Band()->isEnabled());
        EXPECT_FALSE(window->CloseCheck());
        QTRY_VERIFY_WITH_TIMEOUT(!window->Downloading(), 30000);
        EXPECT_TRUE(window->Band()->isEnabled());
        EXPECT_EQ(prompt->AskCount(), 1);
        EXPECT_EQ(server.RequestCount() - requests, c.answer == PromptAnswer::Yes ? 1 : 0);
        EXPECT_EQ(QFileInfo::exists(root.SysData() + "/" + c.file), c.saved);
        EXPECT_EQ(button->isEnabled(), !c.saved);
        EXPECT_EQ(HeldRound(c.kind), c.saved ? kRound : 0);
        ASSERT_EQ(messages.Count(), *c.message ? 1u : 0u);
        if (*c.message) {
            EXPECT_EQ(messages.Last().text, QString::fromUtf8(c.message));
        }
    }
    EXPECT_FALSE(window->Band()->SaleStart()->text().isEmpty());
    EXPECT_FALSE(window->Downloads().ProgressWindow()->Text().isEmpty());
    SetUserPrompt(previous);
}

// A schedule page naming a team no table knows fails; the add-team dialog then offers that name,
// and once it is added the same page reads.
TEST_F(DownloadCommandTest, UnknownTeamOfASchedulePageIsOfferedForAdding) {
    const QString unknown = QStringLiteral("ＦＣ北摂");
    QByteArray page = NetPage("schedule_1601.html");
    page.replace(QStringLiteral("浦和レッズ").toUtf8(), unknown.toUtf8());
    server.SetPage("/schedule?holdCntId=1601", page);
    window->Band()->DownloadMessage()->setChecked(false);
    const QString file = root.SysData() + "/totoGOAL3_Schedule/totogoal3_schedule_1601.xml";
    QStringList offered;
    window->SetModalRunner([&offered](QDialog& shown) {
        auto* dialog = qobject_cast<frmTeamName*>(&shown);
        if (dialog == nullptr) {
            ADD_FAILURE() << "another dialog opened";
            return static_cast<int>(QDialog::Rejected);
        }
        offered << dialog->AbbreviationEdit()->text() << dialog->NameEdit()->text();
        dialog->AddButton()->click();
        return dialog->result();
    });
    for (const bool known : {false, true}) {
        SCOPED_TRACE(known ? "after adding" : "unknown");
        messages.Clear();
        QTest::mouseClick(window->Band()->ScheduleButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->Downloading(), 30000);
        EXPECT_EQ(QFileInfo::exists(file), known);
        bool warned = false;
        for (const Message& m : messages.Messages()) {
            warned = warned || m.text.startsWith(QStringLiteral("チーム名：") + unknown);
        }
        EXPECT_EQ(warned, !known);
        if (!known) {
            QTest::mouseClick(window->Band()->TeamNameButton(), Qt::LeftButton);
        }
    }
    EXPECT_EQ(offered, (QStringList{QStringLiteral("FC北摂"), unknown}));
    EXPECT_EQ(window->Document().Schedule.Slots[1].Team, QStringLiteral("FC北摂"));
}

// A schedule or result that cannot be stored (the store's folder cannot be made) is reported and
// still used by the window.
TEST_F(DownloadCommandTest, DownloadThatCannotBeStoredIsStillUsed) {
    QByteArray result = NetPage("result_1601.html");
    result.replace("第1602回", "第1601回");
    server.SetPage("/result?holdCntId=1601", result);
    const std::shared_ptr<UserPrompt> previous = CurrentUserPrompt();
    SetUserPrompt(std::make_shared<FixedPrompt>(PromptAnswer::Yes));
    for (const DownloadKind kind : {DownloadKind::Schedule, DownloadKind::Result}) {
        const QString folder = kind == DownloadKind::Schedule ? QStringLiteral("totoGOAL3_Schedule")
                                                              : QStringLiteral("totoGOAL3_Result");
        SCOPED_TRACE(folder.toStdString());
        // A plain file where the folder should be: nothing can be written below it.
        ASSERT_TRUE(QDir(root.SysData() + "/" + folder).removeRecursively());
        QFile blocker(root.SysData() + "/" + folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        messages.Clear();
        QTest::mouseClick(Button(kind), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Downloading(); }, 30000));
        EXPECT_GE(messages.Count(), 1u); // the failed save
        EXPECT_EQ(HeldRound(kind), kRound);
        EXPECT_TRUE(Button(kind)->isEnabled()); // no stored file yet
    }
    EXPECT_EQ(window->Document().Schedule.Slots[1].Team, QStringLiteral("浦和"));
    EXPECT_EQ(window->Document().Result.Slots[5].Team, QStringLiteral("セレッソ大阪"));
    EXPECT_FALSE(window->Band()->SaleStart()->text().isEmpty());
    SetUserPrompt(previous);
}

// A document that brings its own vote status keeps it through the reload after a schedule
// download, and saving afterwards writes that vote status, not the round's.
TEST_F(DownloadCommandTest, OpenedDocumentKeepsItsVoteStatusThroughADownload) {
    WorkingDocument own;
    SetKaisaikai(own, root.Paths(), 1555); // the demo round's figures stand in for interim ones
    ASSERT_EQ(own.Record.Vote.Kaisaikai, 1555);
    own.Record.Kaisaikai = kRound;
    own.Record.Vote.Kaisaikai = kRound;
    const QString path = root.Paths().UserData() + QStringLiteral("/own.tpd");
    ASSERT_TRUE(FileSaveTPD(own, path, true));
    const VoteRecord& vote = own.Record.Vote;

    auto dialogs = std::make_shared<test::QueuedDialogs>();
    window->Commands().SetDialogs(dialogs);
    dialogs->Push(path);
    FindAction(window->Menus()[0], {QStringLiteral("開く(&O)...")})->trigger();
    ASSERT_EQ(window->Document().FilePath, path);
    ASSERT_EQ(window->Document().Record.Vote.AsOf, vote.AsOf);

    const std::shared_ptr<UserPrompt> previous = CurrentUserPrompt();
    SetUserPrompt(std::make_shared<FixedPrompt>(PromptAnswer::Yes));
    QTest::mouseClick(window->Band()->ScheduleButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Downloading(); }, 30000));
    SetUserPrompt(previous);
    ASSERT_EQ(window->Document().Schedule.Kaisaikai, kRound);
    const auto sameVote = [&vote](const VoteRecord& held) {
        return held.Kaisaikai == vote.Kaisaikai && held.AsOf == vote.AsOf &&
               held.Slots[2].Votes[1].Count == vote.Slots[2].Votes[1].Count;
    };
    EXPECT_TRUE(sameVote(window->Document().Record.Vote));
    EXPECT_TRUE(sameVote(window->Multi().Vote()));
    EXPECT_TRUE(
        window->Band()->Status()->text().contains(QStringLiteral("使用投票率：2025/05/17")));

    FindAction(window->Menus()[0], {QStringLiteral("上書き保存(&S)")})->trigger();
    WorkingDocument saved;
    ASSERT_TRUE(FileLoadTPD(saved, root.Paths(), path, true, false));
    EXPECT_TRUE(sameVote(saved.Record.Vote));
}

// "中止" in the progress window stops a download the server holds open: nothing is saved and no
// failure is reported. Closing the main window during a download asks whether to stop it, and
// on Yes the window closes once the worker has returned. The progress lines arrive appended.
TEST_F(DownloadCommandTest, StopButtonAndClosingDuringADownload) {
    window->Band()->DownloadMessage()->setChecked(false);
    test::LoopbackServer::Route silent;
    silent.mode = test::LoopbackServer::Mode::Silent;
    server.SetRoute("/schedule?holdCntId=1601", silent);
    const QString file = root.SysData() + "/totoGOAL3_Schedule/totogoal3_schedule_1601.xml";
    const auto startHeld = [&] {
        const int requests = server.RequestCount();
        QTest::mouseClick(window->Band()->ScheduleButton(), Qt::LeftButton);
        ASSERT_TRUE(window->Downloading());
        QTRY_VERIFY_WITH_TIMEOUT(server.RequestCount() > requests, 10000);
    };

    startHeld();
    QPushButton* stop = window->Downloads().ProgressWindow()->StopButton();
    EXPECT_EQ(stop->text(), QStringLiteral("中止"));
    QTest::mouseClick(stop, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Downloading(), 5000);
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(window->isVisible());

    const std::shared_ptr<UserPrompt> previous = CurrentUserPrompt();
    for (const PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        SCOPED_TRACE(answer == PromptAnswer::Yes ? "stop and close" : "keep downloading");
        auto prompt = std::make_shared<FixedPrompt>(answer);
        SetUserPrompt(prompt);
        if (!window->Downloading()) {
            startHeld();
        }
        EXPECT_FALSE(window->close());
        EXPECT_EQ(prompt->AskCount(), 1);
        EXPECT_EQ(prompt->LastText(),
                  QStringLiteral("ダウンロード中です。ダウンロードを中止して終了しますか？"));
        if (answer == PromptAnswer::No) {
            QTest::qWait(300);
            EXPECT_TRUE(window->Downloading());
            EXPECT_TRUE(window->isVisible());
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 5000);
            EXPECT_FALSE(window->Downloading());
        }
    }
    SetUserPrompt(previous);
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(DownloadCommandTest, ProgressLinesAreAppended) {
    window->Band()->DownloadMessage()->setChecked(false);
    server.SetPage("/schedule?holdCntId=1601",
                   NetPage("schedule_1601.html") + QByteArray(64 * 1024, ' '));
    QTest::mouseClick(window->Band()->ScheduleButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Downloading(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(
        window->Downloads().ProgressWindow()->Text().endsWith(QStringLiteral("[コネクション終了]")),
        5000);
    const QStringList lines = window->Downloads().ProgressWindow()->Text().split('\n');
    ASSERT_EQ(lines.size(), 5) << lines.join('|').toStdString();
    EXPECT_EQ(lines[0], QStringLiteral(" 第1601回 開催情報取得中 (オフィシャル)"));
    EXPECT_EQ(lines[1], QStringLiteral(" [コネクション開始]"));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral(" 受信中 ..."))) << lines[3].toStdString();
    EXPECT_GE(lines[3].count(QLatin1Char('.')), 64);
}

} // namespace
} // namespace kestrel
