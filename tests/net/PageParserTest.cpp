#include <gtest/gtest.h>

#include <functional>

#include "NetTestSupport.h"
#include "net/RecordCompleteness.h"
#include "net/clsHtmlResult.h"
#include "net/clsHtmlSchedule.h"
#include "net/clsHtmlVote.h"

namespace kestrel::test {
namespace {

QStringList Pieces(const QByteArray& page) {
    clsHtmlGet get;
    get.SetPageText(QString::fromUtf8(page));
    QStringList pieces;
    get.GetTextData(pieces);
    return pieces;
}

QString D(const DateTime& d) {
    return d.ToString();
}

void SetClockYear(int year) {
    auto clock = std::make_shared<FakeClock>();
    clock->SetNow(*DateTime::FromParts(year, 1, 5));
    SetClock(clock);
}

using PageParserTest = NetFixture;

struct ScheduleCase {
    const char* name;
    QByteArray page;
    QString group;
    bool ok;
    bool unpublished;
    bool complete;
    std::function<void(const ScheduleRecord&)> check;
    const char* message; // a message text that must have been shown, or nullptr for none
};

TEST_F(PageParserTest, SchedulePage) {
    const QByteArray page = FixturePage(QStringLiteral("schedule_1601.html"));
    const QByteArray groupPage = Mutated(
        page, "<h2>第1601回 totoGOAL3くじ情報</h2>",
        "<h2>第12回 totoGOAL3-B組くじ情報</h2><table><tr><td>1</td><td>05/09</td><td>13:00</td>"
        "<td>X</td><td>柏レイソル</td><td>VS</td><td>FC東京</td></tr></table>"
        "<h2>第12回 totoGOAL3-A組くじ情報</h2>");
    const QByteArray december =
        Mutated(Mutated(Mutated(page, "2026年05月09日", "2026年12月26日"), "05/16", "01/02"),
                "05/17", "01/03");
    const QByteArray cancelledRound =
        Mutated(Mutated(page, "<table class=\"period\">", "<p>くじは中止となりました。</p><table>"),
                "<tr><th>結果発表日</th><td>2026年05月18日（月）</td></tr>", "");
    const ScheduleCase cases[] = {
        {"whole page", page, "", true, false, true,
         [](const ScheduleRecord& r) {
             EXPECT_EQ(r.Kaisaikai, 1601);
             EXPECT_EQ(r.Slots[0].Team, "鹿島");
             EXPECT_EQ(r.Slots[1].Team, "浦和");
             EXPECT_EQ(r.Slots[3].Team, "横浜FM");
             EXPECT_EQ(r.Slots[4].Team, "G大阪");
             EXPECT_EQ(D(r.Slots[5].GameDate), "2026/05/17");
             EXPECT_EQ(D(r.Slots[5].GameTime), "19:00:00");
             EXPECT_EQ(r.Slots[5].Stadium, "パナソニックスタジアム吹田");
             EXPECT_EQ(r.Slots[5].State, "VS");
             EXPECT_EQ(D(r.SaleStart), "2026/05/09");
             EXPECT_EQ(D(r.SaleEnd), "2026/05/16 13:55:00");
             EXPECT_EQ(D(r.ResultDate), "2026/05/18");
             EXPECT_EQ(D(r.PayStart), "2026/05/19");
             EXPECT_EQ(D(r.PayEnd), "2027/05/18");
             EXPECT_EQ(r.State, HoldState::Held);
         },
         nullptr},
        {"cancelled match",
         Mutated(page, "<td>VS</td><td>セレッソ大阪", "<td>中止</td><td>セレッソ大阪"), "", true,
         false, true,
         [](const ScheduleRecord& r) {
             EXPECT_EQ(r.Slots[4].State, "中止");
             EXPECT_EQ(r.Slots[5].State, "中止");
             EXPECT_EQ(r.Slots[3].State, "VS");
         },
         nullptr},
        {"cancelled round", cancelledRound, "", true, false, true,
         [](const ScheduleRecord& r) {
             EXPECT_EQ(r.State, HoldState::Cancelled);
             EXPECT_TRUE(r.ResultDate.IsZero());
         },
         nullptr},
        {"December sales, January matches", december, "", true, false, true,
         [](const ScheduleRecord& r) {
             EXPECT_EQ(D(r.Slots[0].GameDate), "2026/01/02");
             EXPECT_EQ(D(r.Slots[4].GameDate), "2026/01/03");
         },
         nullptr},
        {"group behind another section", groupPage, "A", true, false, true,
         [](const ScheduleRecord& r) {
             EXPECT_EQ(r.Kaisaikai, 12);
             EXPECT_EQ(r.Kumi, "A");
             EXPECT_EQ(r.Slots[0].Team, "鹿島");
         },
         nullptr},
        {"unknown team name", Mutated(page, "浦和レッズ", "未登録クラブ"), "", false, false, false,
         nullptr,
         "チーム名：未登録クラブ が見つかりません。\r\n最新のチーム名データをダウンロードするかチー"
         "ム名を追加して下さい。"},
        {"unexpected state text", Mutated(page, "<td>VS</td><td>浦和", "<td>延期</td><td>浦和"), "",
         false, false, false, nullptr, nullptr},
        {"a fourth match",
         Mutated(page, "</table>\n<p>",
                 "<tr><td>4</td><td>05/17</td><td>19:00</td><td>X</td><td>柏レイソル</td><td>VS</"
                 "td><td>FC東京</td></tr></table><p>"),
         "", false, false, false, nullptr, "インデックスが有効範囲にありません。 ( 9 )"},
        {"row cut short", page.left(page.indexOf("<td>19:00</td>")), "", false, false, false,
         nullptr, "インデックスが有効範囲にありません。 ( 9 )"},
        {"not published",
         "<html><body><p>ご指定のくじ情報は表示できません。</p><h2>第1601回totoGOAL3くじ情報</h2></"
         "body></html>",
         "", false, true, false, nullptr, nullptr},
        {"header missing", Mutated(page, "totoGOAL3くじ情報</h2>", "totoGOAL3くじ案内</h2>"), "",
         false, true, false, nullptr, nullptr},
        {"sale start label missing", Mutated(page, "<th>販売開始日</th>", "<th>開始</th>"), "",
         true, false, false, nullptr, nullptr},
        {"request without a group finds no group page", groupPage, "", false, true, false, nullptr,
         nullptr},
    };
    for (const ScheduleCase& c : cases) {
        log->messages.clear();
        clsHtmlSchedule parser(ProgramPaths(Root()), TotoSettings::Defaults());
        EXPECT_EQ(parser.ParsePieces(Pieces(c.page), 1601, c.group), c.ok) << c.name;
        EXPECT_EQ(parser.Unpublished(), c.unpublished) << c.name;
        EXPECT_EQ(RecordCompleteness::IsComplete(parser.Schedule()), c.complete) << c.name;
        if (c.check) {
            c.check(parser.Schedule());
        }
        if (c.message != nullptr) {
            EXPECT_TRUE(log->Texts().contains(QString::fromUtf8(c.message))) << c.name;
        } else {
            EXPECT_TRUE(log->messages.empty()) << c.name;
        }
    }
}

// A page that repeats match rows (here thousands of rows with unknown teams) ends at the fourth
// row with one error report, after at most the six team warnings of three rows.
TEST_F(PageParserTest, RepeatedMatchRowsEndTheParse) {
    QByteArray page = "<body><h2>第1601回 totoGOAL3くじ情報</h2><table>";
    for (int i = 0; i < 5000; ++i) {
        page += "<tr><td>1</td><td>05/16</td><td>14:00</td><td>S</td><td>未登録A</td><td>VS</td>"
                "<td>未登録B</td></tr>";
    }
    page += "</table></body>";
    clsHtmlSchedule parser(ProgramPaths(Root()), TotoSettings::Defaults());
    EXPECT_FALSE(parser.ParsePieces(Pieces(page), 1601, QString()));
    EXPECT_EQ(log->messages.size(), 7u);
    EXPECT_TRUE(
        log->Texts().contains(QStringLiteral("インデックスが有効範囲にありません。 ( 9 )")));
}

struct VoteCase {
    const char* name;
    QByteArray page;
    bool ok;
    bool final;
    bool unpublished;
    bool complete;
    std::function<void(const VoteRecord&)> check;
    bool reported;
};

TEST_F(PageParserTest, VotePage) {
    const QByteArray page = FixturePage(QStringLiteral("vote_1601.html"));
    const QByteArray interim = Mutated(page, "販売終了時点", "時点");
    const VoteCase cases[] = {
        {"final figures", page, true, true, false, true,
         [](const VoteRecord& r) {
             EXPECT_EQ(r.Kaisaikai, 1601);
             EXPECT_EQ(D(r.AsOf), "2026/05/16 13:50:00");
             EXPECT_EQ(D(r.SaleStart), "2026/05/09");
             EXPECT_EQ(D(r.SaleEnd), "2026/05/16 13:50:00");
             EXPECT_EQ(D(r.PayEnd), "2027/05/18");
             EXPECT_EQ(r.Slots[1].Team, "浦和レッズ");
             EXPECT_EQ(D(r.Slots[1].GameDate), "2026/05/16");
             EXPECT_EQ(D(r.Slots[1].GameTime), "14:00:00");
             EXPECT_EQ(D(r.Slots[5].GameDate), "2026/05/17");
             EXPECT_EQ(r.Slots[0].Votes[0].Count, Money::FromInt(26028));
             EXPECT_EQ(r.Slots[0].Votes[0].Rate, *Money::Parse("14.19"));
             EXPECT_EQ(r.Slots[3].Votes[3].Rate, Money::FromInt(15));
             EXPECT_EQ(r.Sales[0], Money::FromInt(18342600));
             EXPECT_EQ(r.Votes[2], Money::FromInt(63426));
             EXPECT_EQ(r.Tickets[1], Money::FromInt(5000));
         },
         false},
        {"interim figures", interim, true, false, false, true,
         [](const VoteRecord& r) { EXPECT_EQ(D(r.AsOf), "2026/05/16 13:50:00"); }, false},
        {"cancelled match number",
         Mutated(page, "<td>3</td><td>川崎", "<td>中止<br>3</td><td>川崎"), true, true, false, true,
         [](const VoteRecord& r) { EXPECT_EQ(r.Slots[2].Team, "川崎フロンターレ"); }, false},
        {"slot before any date row",
         Mutated(page, "<td rowspan=\"2\">05/16</td><td rowspan=\"2\">14:00</td>", ""), true, true,
         false, false, [](const VoteRecord& r) { EXPECT_TRUE(r.Slots[0].GameDate.IsZero()); },
         false},
        {"rates of 99.99", Mutated(page, "(17.16%)", "(17.15%)"), true, true, false, false, nullptr,
         false},
        {"a seventh slot", Mutated(page, "<td>6</td>", "<td>7</td>"), false, false, false, false,
         nullptr, true},
        {"vote cell without parentheses", Mutated(page, "(14.19%)", "14.19%"), false, false, false,
         false, nullptr, false},
        {"not published", "<body><p>第1601回</p><p>ご指定の投票状況は表示できません。</p></body>",
         false, false, true, false, nullptr, false},
        {"as-of time missing", Mutated(page, "販売終了時点)", "販売終了)"), false, false, true,
         false, nullptr, false},
        {"sales that do not parse", Mutated(page, "18,342,600円", "一千万円"), true, true, false,
         false, nullptr, false},
    };
    for (const VoteCase& c : cases) {
        log->messages.clear();
        clsHtmlVote parser(TotoSettings::Defaults());
        bool final = false;
        EXPECT_EQ(parser.ParsePieces(Pieces(c.page), QString(), final), c.ok) << c.name;
        EXPECT_EQ(final, c.final) << c.name;
        EXPECT_EQ(parser.Unpublished(), c.unpublished) << c.name;
        EXPECT_EQ(RecordCompleteness::IsComplete(parser.Vote()), c.complete) << c.name;
        if (c.check) {
            c.check(parser.Vote());
        }
        EXPECT_EQ(log->messages.size(), c.reported ? 1u : 0u) << c.name;
    }
}

struct ResultCase {
    const char* name;
    QByteArray page;
    int clockYear;
    bool ok;
    bool unpublished;
    bool complete;
    std::function<void(const ResultRecord&)> check;
    bool reported;
};

TEST_F(PageParserTest, ResultPage) {
    const QByteArray page = FixturePage(QStringLiteral("result_1601.html"));
    const QByteArray december =
        Mutated(Mutated(Mutated(page, "2026年05月09日", "2025年12月26日"), "05/16", "01/02"),
                "05/17", "01/03");
    const QByteArray seventh =
        Mutated(page, "</table>\n<table class=\"prize\">",
                "<tr><td>1</td><td>柏レイソル</td><td>1</td><td>1</td></tr></table><table>");
    const ResultCase cases[] = {
        {"one cancelled match", page, 2026, true, false, true,
         [](const ResultRecord& r) {
             EXPECT_EQ(r.Kaisaikai, 1601);
             EXPECT_FALSE(r.Cancelled);
             EXPECT_EQ(r.Slots[1].Goals, 4);
             EXPECT_EQ(r.Slots[1].Result, 3);
             EXPECT_EQ(r.Slots[1].HomeAway, "アウェイ");
             EXPECT_EQ(r.Slots[2].HomeAway, "ホーム");
             EXPECT_EQ(r.Slots[4].Result, 4);
             EXPECT_EQ(r.Slots[5].Goals, 0);
             EXPECT_EQ(r.Slots[5].Stadium, "パナソニックスタジアム吹田");
             EXPECT_EQ(D(r.Slots[5].GameDate), "2026/05/17");
             EXPECT_EQ(r.Prize[0], Money::FromInt(1234560));
             EXPECT_EQ(r.Prize[1], Money::FromInt(12340));
             EXPECT_EQ(r.Winners[1], Money::FromInt(345));
             EXPECT_EQ(D(r.SaleEnd), "2026/05/16");
             EXPECT_EQ(D(r.PayEnd), "2027/05/18");
         },
         false},
        {"December sales, January matches, read in the new year", december, 2026, true, false, true,
         [](const ResultRecord& r) { EXPECT_EQ(D(r.Slots[0].GameDate), "2025/01/02"); }, false},
        {"cancelled round", FixturePage(QStringLiteral("result_cancelled.html")), 2027, true, false,
         true,
         [](const ResultRecord& r) {
             EXPECT_TRUE(r.Cancelled);
             for (const ResultSlot& s : r.Slots) {
                 EXPECT_EQ(s.Result, 4);
                 EXPECT_EQ(s.Goals, 0);
             }
             EXPECT_EQ(D(r.Slots[0].GameDate), "2026/01/09");
             EXPECT_EQ(D(r.ResultDate), "2026/01/12");
             EXPECT_EQ(D(r.PayStart), "2026/01/13");
             EXPECT_EQ(D(r.PayEnd), "2027/01/12");
         },
         false},
        {"a seventh slot", seventh, 2026, false, false, false, nullptr, false},
        {"goals that do not parse", Mutated(page, "<td>4</td><td>3</td>", "<td>四</td><td>3</td>"),
         2026, false, false, false, nullptr, true},
        {"sale period without its heads", Mutated(page, "<th>販売開始日</th>", "<th>開始</th>"),
         2026, true, false, false, [](const ResultRecord& r) { EXPECT_TRUE(r.SaleStart.IsZero()); },
         false},
        {"not published", "<body><p>ご指定のくじ結果は表示できません。</p></body>", 2026, false,
         true, false, nullptr, false},
    };
    for (const ResultCase& c : cases) {
        log->messages.clear();
        SetClockYear(c.clockYear);
        clsHtmlResult parser(TotoSettings::Defaults());
        EXPECT_EQ(parser.ParsePieces(Pieces(c.page), QString()), c.ok) << c.name;
        EXPECT_EQ(parser.Unpublished(), c.unpublished) << c.name;
        EXPECT_EQ(RecordCompleteness::IsComplete(parser.Result()), c.complete) << c.name;
        if (c.check) {
            c.check(parser.Result());
        }
        EXPECT_EQ(log->messages.size(), c.reported ? 1u : 0u) << c.name;
    }
}

} // namespace
} // namespace kestrel::test
