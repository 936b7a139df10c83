#include <gtest/gtest.h>

#include "NetTestSupport.h"
#include "net/clsFernhollowDownload.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"

namespace kestrel::test {
namespace {

using FernhollowDownloadTest = NetFixture;

const char* const kFailed = "インターネットよりダウンロードに失敗しました。\r\n";

QByteArray Sjis(const QString& text) {
    return TextCodec::EncodeCp932(text);
}

struct UpdateCase {
    const char* name;
    QByteArray versionList; // empty: the route answers nothing
    const char* localVersionLines;
    QByteArray published; // TeamName2.dat on the server
    int tableStatus;
    bool result;
    MessageIcon icon;
    QString message;
    bool replaced;
};

TEST_F(FernhollowDownloadTest, EditionsAndAnswers) {
    const QByteArray table =
        Sjis(QStringLiteral("Version = 1\r\nRevision = 1\r\n札幌 = コンサドーレ札幌\r\n[End]\r\n"));
    const auto list = [](const char* edition) {
        return Sjis(QStringLiteral("; versions\r\nTeamName2.dat = %1\r\n[VersionEnd]\r\n")
                        .arg(QLatin1String(edition)));
    };
    const QString failed = QString::fromUtf8(kFailed);
    const UpdateCase cases[] = {
        {"published older by number", list("1.5"), "Version = 1\r\nRevision = 12\r\n", table, 200,
         false, MessageIcon::Warning, QStringLiteral("海外チーム名のバージョンが異常です。"),
         false},
        {"up to date", list("1.0"), "Version = 1\r\nRevision = 0\r\n", table, 200, true,
         MessageIcon::Information, QStringLiteral("海外チーム名の情報は最新です。"), false},
        {"newer edition", list("1.1"), "Version = 1\r\nRevision = 0\r\n", table, 200, true,
         MessageIcon::Information, QStringLiteral("海外チーム名を最新版に更新しました。"), true},
        {"table without end mark", list("1.1"), "Version = 1\r\nRevision = 0\r\n",
         Sjis(QStringLiteral("Version = 1\r\nRevision = 1\r\n")), 200, false, MessageIcon::Warning,
         failed + QStringLiteral("原因：TeamName2.dat が異常です"), false},
        {"a stray page with an end mark", list("1.1"), "Version = 1\r\nRevision = 0\r\n",
         "hello [End]", 200, false, MessageIcon::Warning,
         failed + QStringLiteral("原因：TeamName2.dat が異常です"), false},
        {"table of another edition", list("1.1"), "Version = 1\r\nRevision = 0\r\n",
         Sjis(
             QStringLiteral("Version = 1\r\nRevision = 2\r\n札幌 = コンサドーレ札幌\r\n[End]\r\n")),
         200, false, MessageIcon::Warning,
         failed + QStringLiteral("原因：TeamName2.dat が異常です"), false},
        {"table without teams", list("1.1"), "Version = 1\r\nRevision = 0\r\n",
         "Version = 1\r\nRevision = 1\r\n[End]\r\n", 200, false, MessageIcon::Warning,
         failed + QStringLiteral("原因：TeamName2.dat が異常です"), false},
        {"table behind a server error", list("1.1"), "Version = 1\r\nRevision = 0\r\n", table, 503,
         false, MessageIcon::Warning,
         failed + QStringLiteral("原因：サーバーがエラーを返しました (503)"), false},
        {"table not found", list("1.1"), "Version = 1\r\nRevision = 0\r\n",
         "<p>The requested URL was not found on this server.</p>", 404, false, MessageIcon::Warning,
         failed + QStringLiteral("原因：アドレスが見つかりません"), false},
        {"table empty", list("1.1"), "Version = 1\r\nRevision = 0\r\n", "", 200, false,
         MessageIcon::Warning, failed + QStringLiteral("原因：TeamName2.dat の取得に失敗しました"),
         false},
        {"version list without end mark", "TeamName2.dat = 1.1\r\n",
         "Version = 1\r\nRevision = 0\r\n", table, 200, false, MessageIcon::Warning,
         failed + QStringLiteral("原因：ダウンロード内容(version.dat)が異常です"), false},
        {"no version list", "", "Version = 1\r\nRevision = 0\r\n", table, 200, false,
         MessageIcon::Warning, failed + QStringLiteral("原因：サイトが見つかりません"), false},
        {"no edition published", "x = 1\r\n[VersionEnd]\r\n", "Version = 1\r\nRevision = 0\r\n",
         table, 200, false, MessageIcon::Warning,
         QStringLiteral("海外チーム名のバージョン取得に失敗しました。"), false},
        {"local edition unknown", list("1.1"), "Revision = 0\r\n", table, 200, false,
         MessageIcon::Warning, QStringLiteral("海外チーム名のバージョンが不明です。"), false},
    };
    const QString local = SysData() + QStringLiteral("/TeamName2.dat");
    for (const UpdateCase& c : cases) {
        const QString localText =
            QString::fromLatin1(c.localVersionLines) + QStringLiteral("草津 = ザスパ草津\r\n");
        ASSERT_TRUE(TextFile::Write(local, localText));
        server.SetPage("/download/2021/version.dat", c.versionList);
        server.SetPage("/download/2021/TeamName2.dat", c.published, c.tableStatus);
        clsFernhollowDownload::ForgetVersionLists();
        log->messages.clear();
        clsFernhollowDownload download(ProgramPaths(Root()), server.Url("/download/2021/"));
        EXPECT_EQ(download.DownloadTeamName2(false), c.result) << c.name;
        ASSERT_EQ(log->messages.size(), 1u) << c.name;
        EXPECT_EQ(log->messages[0].icon, c.icon) << c.name;
        EXPECT_EQ(log->messages[0].title, " Fernhollow") << c.name;
        EXPECT_EQ(log->messages[0].text, c.message) << c.name;
        QString now;
        ASSERT_TRUE(TextFile::Read(local, now));
        EXPECT_EQ(now, c.replaced ? TextCodec::DecodeCp932(c.published) : localText) << c.name;
    }
}

TEST_F(FernhollowDownloadTest, QuestionAndVersionListFetchedOnce) {
    server.SetPage("/download/2021/version.dat", "TeamName2.dat = 1.0\r\n[VersionEnd]\r\n");
    clsFernhollowDownload download(ProgramPaths(Root()), server.Url("/download/2021/"));
    Answer(PromptAnswer::No);
    EXPECT_FALSE(download.DownloadTeamName2(true));
    EXPECT_EQ(prompt->LastText(),
              "Fernhollowより 海外チーム名 をダウンロードします。よろしいですか？");
    EXPECT_EQ(server.RequestCount(), 0);
    Answer(PromptAnswer::Yes);
    EXPECT_TRUE(download.DownloadTeamName2(true));
    EXPECT_TRUE(download.DownloadTeamName2(false));
    EXPECT_EQ(server.RequestCount(), 1);
    EXPECT_EQ(clsFernhollowDownload::EditionNumber(QStringLiteral("1.23")), 1023);
    EXPECT_EQ(clsFernhollowDownload::EditionNumber(QStringLiteral("1.")), 0);
    EXPECT_EQ(clsFernhollowDownload::EditionNumber(QStringLiteral("12")), 0);
    EXPECT_EQ(clsFernhollowDownload::EditionNumber(QStringLiteral("1000.2147483647")), 0);
    EXPECT_EQ(clsFernhollowDownload::EditionNumber(QStringLiteral("0.2147483647")), 2147483647);
}

// The version list is fetched once per run, whichever object asks; an update keeps the table it
// replaces as TeamName2.dat.bak.
TEST_F(FernhollowDownloadTest, OneVersionListPerRunAndABackupOfTheOldTable) {
    const QString local = SysData() + QStringLiteral("/TeamName2.dat");
    const QString old = QStringLiteral("Version = 1\r\nRevision = 0\r\n草津 = ザスパ草津\r\n");
    ASSERT_TRUE(TextFile::Write(local, old));
    const QString table =
        QStringLiteral("Version = 1\r\nRevision = 1\r\n札幌 = コンサドーレ札幌\r\n[End]\r\n");
    server.SetPage("/download/2021/version.dat", "TeamName2.dat = 1.1\r\n[VersionEnd]\r\n");
    server.SetPage("/download/2021/TeamName2.dat", Sjis(table));

    EXPECT_TRUE(clsFernhollowDownload(ProgramPaths(Root()), server.Url("/download/2021/"))
                    .DownloadTeamName2(false));
    EXPECT_TRUE(clsFernhollowDownload(ProgramPaths(Root()), server.Url("/download/2021/"))
                    .DownloadTeamName2(false));
    int versionRequests = 0;
    for (const QByteArray& head : server.Requests()) {
        versionRequests += head.startsWith("GET /download/2021/version.dat ") ? 1 : 0;
    }
    EXPECT_EQ(versionRequests, 1);
    QString now;
    QString backup;
    ASSERT_TRUE(TextFile::Read(local, now));
    ASSERT_TRUE(TextFile::Read(local + QStringLiteral(".bak"), backup));
    EXPECT_EQ(now, table);
    EXPECT_EQ(backup, old);
    ASSERT_EQ(log->messages.size(), 2u);
    EXPECT_EQ(log->messages[1].text, "海外チーム名の情報は最新です。");
}

} // namespace
} // namespace kestrel::test
