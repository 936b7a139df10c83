#include <gtest/gtest.h>

#include <thread>

#include "NetTestSupport.h"
#include "net/WinInetProgress.h"
#include "net/clsWinInet.h"
#include "platform/TextCodec.h"

namespace kestrel::test {
namespace {

using WinInetTest = NetFixture;
using Mode = LoopbackServer::Mode;

constexpr qint64 kTestCapBytes = 1024 * 1024;

clsWinInet Client() {
    clsWinInet inet;
    HttpOptions options;
    options.ConnectTimeoutMs = 2000;
    options.ReceiveTimeoutMs = 1000;
    // A small cap: an endless body reaches it within a second even in a slow sanitizer build,
    // long before the test server ends the connection on its own (a clean end of a body
    // without length, which the client would rightly take as the whole page).
    options.MaxResponseBytes = kTestCapBytes;
    inet.SetOptions(options);
    return inet;
}

struct AnswerCase {
    const char* name;
    LoopbackServer::Route route;
    qint64 bytes; // -1: the body as sent
};

TEST_F(WinInetTest, AnswersOfTheServer) {
    const QByteArray page = "<html><body>ok</body></html>";
    LoopbackServer::Route big;
    big.body = QByteArray(kTestCapBytes + 1, 'a');
    const AnswerCase cases[] = {
        {"a page", {Mode::Page, 200, page, true}, -1},
        {"a page without length", {Mode::Page, 200, page, false}, -1},
        {"an error page keeps its text",
         {Mode::Page, 404, "The requested URL was not found", true},
         -1},
        {"an empty answer", {Mode::Page, 200, "", true}, 0},
        {"closed without a byte", {Mode::CloseAtOnce, 200, "", true}, 0},
        {"accepts and never answers", {Mode::Silent, 200, "", true}, 0},
        {"a body without end", {Mode::Endless, 200, "", false}, 0},
        {"a declared body above the cap", big, 0},
    };
    for (const AnswerCase& c : cases) {
        server.SetRoute("/p", c.route);
        clsWinInet inet = Client();
        QByteArray bytes = "stale";
        const qint64 n = inet.GetHttpData(server.Url(QStringLiteral("/p")), bytes, QString());
        const qint64 expected = c.bytes < 0 ? c.route.body.size() : c.bytes;
        EXPECT_EQ(n, expected) << c.name;
        EXPECT_EQ(bytes.size(), expected) << c.name;
        if (c.bytes < 0) {
            EXPECT_EQ(bytes, c.route.body) << c.name;
        }
    }
}

TEST_F(WinInetTest, RequestHeadersAndProgressLines) {
    server.SetPage("/page?holdCntId=0007", QByteArray(3000, 'x'));
    clsWinInet inet = Client();
    auto progress = std::make_shared<WinInetProgress>();
    inet.SetProgress(progress);
    inet.SetProgressDialogMessage(QStringLiteral("第7回 開催情報取得中 (オフィシャル)"));
    const QString url = server.Url(QStringLiteral("/page?holdCntId=0007"));
    QByteArray bytes;
    ASSERT_EQ(inet.GetHttpData(url, bytes, QString()), 3000);

    const QByteArray head = server.Requests().back();
    EXPECT_TRUE(head.startsWith("GET /page?holdCntId=0007 HTTP/1.1\r\n"));
    EXPECT_TRUE(head.contains("\r\nUser-Agent: Fernhollow WinInet\r\n")) << head.toStdString();
    EXPECT_TRUE(head.contains("\r\nAccept-Language: ja-JP\r\n")) << head.toStdString();

    const QStringList lines = progress->Lines();
    ASSERT_EQ(lines.size(), 5) << lines.join('|').toStdString();
    EXPECT_EQ(lines[0], " 第7回 開催情報取得中 (オフィシャル)");
    EXPECT_EQ(lines[1], " [コネクション開始]");
    EXPECT_EQ(lines[2], QLatin1Char(' ') + url);
    EXPECT_TRUE(lines[3].startsWith(" 受信中 ."));
    EXPECT_EQ(lines[3].count(QLatin1Char('.')), lines[3].size() - 5);
    EXPECT_GE(lines[3].count(QLatin1Char('.')), 3); // chunks of at most 1024 bytes
    EXPECT_EQ(lines[4], " [コネクション終了]");
    EXPECT_FALSE(progress->IsOpen());

    // With progress close off the window stays open until the owner closes it.
    inet.SetProgressClose(false);
    inet.GetHttpData(url, bytes, QString());
    EXPECT_TRUE(progress->IsOpen());
    inet.SetProgressClose(true);
    EXPECT_FALSE(progress->IsOpen());
}

TEST_F(WinInetTest, RefusedConnectionAndRetries) {
    clsWinInet inet = Client();
    inet.SetConnectRetries(2);
    QByteArray bytes;
    const QString url = QStringLiteral("http://127.0.0.1:%1/x").arg(LoopbackServer::ClosedPort());
    EXPECT_EQ(inet.GetHttpData(url, bytes, QString()), 0);
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_EQ(inet.GetHttpData(QString(), bytes, QString()), 0);
}

TEST_F(WinInetTest, DecodingByCodeNumber) {
    server.SetPage("/utf8", QStringLiteral("<p>投票状況</p>").toUtf8());
    server.SetPage("/sjis", TextCodec::EncodeCp932(QStringLiteral("Version = 1\r\n")));
    server.SetPage("/bad", "<p>\xff\xfe\x80</p>");
    clsWinInet inet = Client();
    EXPECT_EQ(inet.GetHttpDataString(server.Url("/utf8"), QString(), 8), "<p>投票状況</p>");
    EXPECT_EQ(inet.GetHttpDataString(server.Url("/sjis"), QString(), 0), "Version = 1\r\n");
    EXPECT_EQ(inet.GetHttpDataString(server.Url("/bad"), QString(), 8), QString());
    EXPECT_TRUE(log->messages.empty());
    EXPECT_EQ(inet.GetHttpDataString(server.Url("/utf8"), QString(), 3), QString());
    ASSERT_EQ(log->messages.size(), 1u);
    EXPECT_EQ(log->messages[0].text, "コード番号が異常です（3）");
    EXPECT_EQ(log->messages[0].title, "Kestrel / clsWinInet / GetHttpDataString");
}

TEST_F(WinInetTest, WorksFromAWorkerThread) {
    server.SetPage("/w", "worker");
    QByteArray bytes;
    std::thread worker([&] {
        clsWinInet inet = Client();
        inet.GetHttpData(server.Url("/w"), bytes, QString());
    });
    worker.join();
    EXPECT_EQ(bytes, "worker");
}

} // namespace
} // namespace kestrel::test
