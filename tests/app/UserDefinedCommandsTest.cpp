#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <array>
#include <memory>

#include "AppTestSupport.h"
#include "MessageCollector.h"
#include "app/MainWindow.h"
#include "app/UserVoteRateDialog.h"
#include "app/frmTeamName.h"
#include "platform/TextCodec.h"
#include "store/TotoSettings.h"
#include "ui/GridView.h"

namespace kestrel {
namespace {

constexpr int32_t kDemoRound = 1555;
const QString kUserDefinedStatus = QStringLiteral("　使用投票率：ユーザー定義");
const QByteArray kUserTableHeader = ";Fernhollow TeamName User Data File (TeamName3.dat)\r\n";

// The main window on a copy of the shipped data; its dialogs are driven by the test.
class UserDefinedCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void Open() {
        window = std::make_unique<MainWindow>(root.Paths(), std::make_shared<SystemClock>());
        window->show();
    }
    // Runs the next dialog the window opens through drive, shown but without a modal loop.
    template <typename Dialog> void Drive(std::function<void(Dialog&)> drive) {
        window->SetModalRunner([drive](QDialog& shown) {
            shown.show();
            auto* dialog = qobject_cast<Dialog*>(&shown);
            if (dialog == nullptr) {
                ADD_FAILURE() << "another dialog opened";
                return static_cast<int>(QDialog::Rejected);
            }
            drive(*dialog);
            return dialog->result();
        });
    }
    QByteArray UserTable() const {
        QFile file(root.SysData() + QStringLiteral("/TeamName3.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    test::DemoRoot root;
    test::CollectedMessages messages;
    std::unique_ptr<MainWindow> window;
};

// Types text into a box whose whole text is selected first, as entering it by keyboard does.
void Type(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}

struct VoteRateCase {
    const char* name;
    bool scale100;
    std::array<const char*, 4> typed; // slot t takes typed[(c + t) % 4] for class c
    bool ok;                          // "OK" (else "キャンセル")
    bool accepted;
    std::array<int, 4> counts; // on the 10,000 scale, same rotation
};

TEST_F(UserDefinedCommandsTest, VoteRateDialogReplacesTheVoteStatusOnlyWhenConfirmed) {
    const VoteRateCase cases[] = {
        // Letters and signs are refused, digits stay.
        {"10,000 scale",
         false,
         {"4000x", "3000", "2-000", "1000"},
         true,
         true,
         {4000, 3000, 2000, 1000}},
        {"100 scale", true, {"55", "25", "15", "5"}, true, true, {5500, 2500, 1500, 500}},
        {"cancelled", false, {"2500", "2500", "2500", "2500"}, false, false, {}},
        // A row that misses the total keeps "OK" disabled: the click does nothing.
        {"row sum off", false, {"5000", "3000", "1000", "999"}, true, false, {}},
    };
    for (const VoteRateCase& c : cases) {
        SCOPED_TRACE(c.name);
        const VoteRecord before = window->Document().Record.Vote;
        bool okEnabled = false;
        CellFore firstRow = CellFore::Blue;
        QString captionColour;
        Drive<UserVoteRateDialog>([&](UserVoteRateDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" 投票率（ユーザー定義）"));
            EXPECT_EQ(dialog.RowCaption(0)->text(), window->Document().Schedule.Slots[0].Team);
            if (c.scale100) {
                dialog.Scale100Button()->click();
            }
            EXPECT_EQ(dialog.TotalLabel()->text(), c.scale100 ? "100" : "10,000");
            for (int t = 0; t < kSlotCount; ++t) {
                for (int g = 0; g < kGoalClassCount; ++g) {
                    Type(dialog.Box(t, g), QString::fromUtf8(c.typed[(g + t) % 4]));
                }
            }
            okEnabled = dialog.OkButton()->isEnabled();
            firstRow = dialog.Model().RowColour(0);
            captionColour = dialog.RowCaption(0)->styleSheet();
            (c.ok ? dialog.OkButton() : dialog.CancelButton())->click();
        });
        QTest::mouseClick(window->Band()->VoteRateButton(), Qt::LeftButton);

        const bool matches = c.accepted || !c.ok;
        EXPECT_EQ(okEnabled, matches);
        EXPECT_EQ(firstRow, matches ? CellFore::Black : CellFore::Red);
        EXPECT_TRUE(captionColour.contains(CellForeColor(firstRow).name()));
        const VoteRecord& vote = window->Document().Record.Vote;
        if (!c.accepted) {
            EXPECT_EQ(vote.AsOf, before.AsOf);
            EXPECT_EQ(vote.Slots[2].Votes[1].Count, before.Slots[2].Votes[1].Count);
            continue;
        }
        EXPECT_EQ(vote.Kaisaikai, kDemoRound);
        EXPECT_TRUE(vote.AsOf.IsZero());
        EXPECT_EQ(vote.Sales[0], Money());
        for (int t = 0; t < kSlotCount; ++t) {
            for (int g = 0; g < kGoalClassCount; ++g) {
                const int64_t value = c.counts[(g + t) % 4];
                EXPECT_EQ(vote.Slots[t].Votes[g].Count, Money::FromInt(value)) << t << g;
                EXPECT_EQ(vote.Slots[t].Votes[g].Rate, Money::FromRaw(value * 100)) << t << g;
            }
        }
        EXPECT_TRUE(window->Band()->Status()->text().endsWith(kUserDefinedStatus));
    }
    EXPECT_EQ(messages.Count(), 0u);
}

struct TeamEntry {
    const char* abbreviation;
    const char* name;
    const char* title;
    const char* message;
    bool closes;
};

TEST_F(UserDefinedCommandsTest, TeamNameDialogRefusesBadEntriesAndAppendsAGoodOne) {
    const QString added = QStringLiteral("ＦＣ北摂");
    // Cancel first: nothing is written.
    Drive<frmTeamName>([](frmTeamName& dialog) {
        dialog.AbbreviationEdit()->setText(QStringLiteral("北摂"));
        dialog.NameEdit()->setText(QStringLiteral("ＦＣ北摂"));
        dialog.CancelButton()->click();
    });
    QTest::mouseClick(window->Band()->TeamNameButton(), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(root.SysData() + QStringLiteral("/TeamName3.dat")));
    EXPECT_EQ(messages.Count(), 0u);

    const TeamEntry entries[] = {
        {" ", "ＦＣ北摂", "入力エラー", "略称を入力して下さい。", false},
        {"北摂", " ", "入力エラー", "名称を入力して下さい。", false},
        {"ABCDEFG", "ＦＣ北摂", "入力エラー", "略称は6文字以内で入力して下さい。", false},
        {"鹿島2", "鹿島アントラーズ", "入力エラー",
         "名称(鹿島アントラーズ)は既に登録されています。", false},
        {"北摂", "ＦＣ北摂", "チーム名追加", "チーム名(ＦＣ北摂)を追加しました。", true},
    };
    Drive<frmTeamName>([&](frmTeamName& dialog) {
        for (const TeamEntry& e : entries) {
            SCOPED_TRACE(e.message);
            messages.Clear();
            dialog.AbbreviationEdit()->setText(QString::fromUtf8(e.abbreviation));
            dialog.NameEdit()->setText(QString::fromUtf8(e.name));
            dialog.AddButton()->click();
            ASSERT_EQ(messages.Count(), 1u);
            EXPECT_EQ(messages.Last().title, QString::fromUtf8(e.title));
            EXPECT_EQ(messages.Last().text, QString::fromUtf8(e.message));
            EXPECT_EQ(dialog.isVisible(), !e.closes);
        }
    });
    QTest::mouseClick(window->Band()->TeamNameButton(), Qt::LeftButton);
    EXPECT_EQ(UserTable(),
              kUserTableHeader + TextCodec::EncodeCp932(QStringLiteral("北摂     = ") + added +
                                                        QStringLiteral("\r\n")));
    EXPECT_EQ(clsTotoData(root.Paths()).GetShortTeamName(added, kDemoRound),
              QStringLiteral("北摂"));
}

TEST_F(UserDefinedCommandsTest, LinksOpenTheConfiguredSites) {
    TotoSettings settings =
        TotoSettings::Defaults(QStringLiteral("https://shop.example.test:8443"));
    ASSERT_TRUE(settings.Save(TotoSettings::FilePath(root.Paths())));
    Open();
    window->Downloads().SetMakerFolder(QStringLiteral("http://maker.example.test/dl/2030/"));
    struct Case {
        const char* name;
        bool opens; // what the browser answers
        const char* address;
    } cases[] = {
        {"manual", true, "http://maker.example.test/manual/Kestrel.html"},
        {"schedule", true,
         "https://shop.example.test:8443/dci/I/IPA/IPA01.do"
         "?op=inittotoSerLotSchedule"},
        {"schedule", false,
         "https://shop.example.test:8443/dci/I/IPA/IPA01.do"
         "?op=inittotoSerLotSchedule"},
    };
    EXPECT_EQ(window->ManualAction()->text(), QStringLiteral("オンラインマニュアル(&O)"));
    EXPECT_TRUE(window->Band()->ScheduleLink()->text().contains(
        QStringLiteral(">販売スケジュールを確認する<")));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.Clear();
        QStringList opened;
        window->SetUrlOpener([&](const QUrl& url) {
            opened << url.toString();
            return c.opens;
        });
        if (QString::fromLatin1(c.name) == QStringLiteral("manual")) {
            window->ManualAction()->trigger();
        } else {
            QLabel* link = window->Band()->ScheduleLink();
            emit link->linkActivated(QStringLiteral("schedule"));
        }
        EXPECT_EQ(opened, QStringList{QString::fromLatin1(c.address)});
        // A browser that does not start is reported with the address.
        ASSERT_EQ(messages.Count(), c.opens ? 0u : 1u);
        if (!c.opens) {
            EXPECT_TRUE(messages.Last().text.endsWith(QString::fromLatin1(c.address)));
        }
    }
}

} // namespace
} // namespace kestrel
