#include <gtest/gtest.h>

#include <QStringList>

#include "net/clsHtmlData.h"
#include "net/clsHtmlGet.h"
#include "net/clsHtmlToto.h"

namespace kestrel {
namespace {

struct PiecesCase {
    const char* name;
    const char* html;
    QStringList pieces;
};

TEST(HtmlTextTest, BodyTextPieces) {
    const PiecesCase cases[] = {
        {"entities decode once each",
         "<body><p>A&amp;B</p><p>&amp;lt;</p><p>&#169;&quot;</p><p>&amp;#174;</p></body>",
         {"A&B", "&lt;", "(c)\"", "(r)"}},
        {"BR joins and blanks go",
         "<body><td>12,345<br>(12.34 %)</td><td>x</td></body>",
         {"12,345(12.34%)", "x"}},
        {"title is outside the body",
         "<html><title>T</title><BODY><p>in</p></BODY><p>after</p>",
         {"in"}},
        {"text after the last tag is lost", "<body><p>x</p>tail", {"x"}},
        {"control characters and full-width blanks", "<body><p>a\tb\r\n　c</p></body>", {"abc"}},
        {"comment continuation is an empty piece",
         "<body><p>a</p><!-- c > d --><p>b</p><!-- whole --><p>e</p></body>",
         {"a", "", "b", "e"}},
        {"a comment between BR-joined runs ends the join",
         "<body>a<br><!-- x -->b</body>",
         {"a", "b"}},
        {"empty page", "", {}},
        {"unclosed tag", "<body><p>a</p><p", {"a"}},
    };
    for (const PiecesCase& c : cases) {
        clsHtmlGet get;
        get.SetPageText(QString::fromUtf8(c.html));
        QStringList pieces;
        EXPECT_EQ(get.GetTextData(pieces), c.pieces.size()) << c.name;
        EXPECT_EQ(pieces, c.pieces) << c.name;
    }
}

TEST(HtmlTextTest, ItemFields) {
    clsHtmlData data;
    ASSERT_EQ(data.GetHtmlData(QStringLiteral("<TD  class=x>v</td><!-- note -->")), 4);
    const auto& items = data.Items();
    EXPECT_EQ(items[0].NameOrText, "TD");
    EXPECT_EQ(items[0].TagWords(), QStringList({"TD", "class=x"}));
    EXPECT_EQ(items[0].WordCount(), 1);
    EXPECT_TRUE(items[0].IsTag);
    EXPECT_FALSE(items[0].IsEndTag);
    EXPECT_EQ(items[1].NameOrText, "v");
    EXPECT_FALSE(items[1].IsTag);
    EXPECT_TRUE(items[2].IsEndTag);
    EXPECT_EQ(items[2].NameOrText, "td");
    EXPECT_TRUE(items[3].IsComment);
    EXPECT_EQ(items[3].NameOrText, "note");
}

TEST(HtmlTotoTest, NumbersAndRounds) {
    EXPECT_EQ(clsHtmlToto::StringToCurrency(QStringLiteral("1,234,567円")),
              Money::FromInt(1234567));
    EXPECT_EQ(clsHtmlToto::StringToCurrency(QStringLiteral("12.34%")), *Money::Parse("12.34"));
    EXPECT_EQ(clsHtmlToto::StringToCurrency(QStringLiteral("-")), Money());
    EXPECT_EQ(clsHtmlToto::StringToCurrency(QStringLiteral("1.2.3")), Money());
    EXPECT_EQ(clsHtmlToto::StringToCurrency(QStringLiteral("99999999999999999999")), Money());

    struct ValueCase {
        const char* text;
        bool ok;
        const char* count;
        const char* rate;
    };
    const ValueCase values[] = {
        {"12,345(6.78%)", true, "12345", "6.78"},
        {"１２,３４５（６．７８％）", true, "12345", "6.78"},
        {"1,234", false, "0", "0"},
        {"1,234(5", false, "0", "0"},
    };
    for (const ValueCase& v : values) {
        Money count;
        Money rate;
        EXPECT_EQ(clsHtmlToto::GetValue2(QString::fromUtf8(v.text), count, rate), v.ok) << v.text;
        EXPECT_EQ(count, *Money::Parse(v.count)) << v.text;
        EXPECT_EQ(rate, *Money::Parse(v.rate)) << v.text;
    }

    int32_t round = 0;
    EXPECT_TRUE(clsHtmlToto::Kaisaikai(QStringLiteral("第123回totoGOAL3くじ情報"), round));
    EXPECT_EQ(round, 123);
    EXPECT_FALSE(clsHtmlToto::Kaisaikai(QStringLiteral("第X回"), round));
    EXPECT_FALSE(clsHtmlToto::GetKaisaikai(QStringLiteral("第9回totoくじ情報"), round,
                                           QStringLiteral("totoGOAL3くじ情報")));
    EXPECT_EQ(round, 123);
}

TEST(HtmlTotoTest, DatesAndTimes) {
    struct DateCase {
        const char* name;
        DateTime (*convert)(const QString&);
        const char* text;
        const char* expected; // DateTime::ToString of the result
    };
    const DateCase cases[] = {
        {"weekday removed", clsHtmlToto::StringToDateEx, "2026年05月09日（土）", "2026/05/09"},
        {"seconds cut", clsHtmlToto::StringToDateEx, "2026年05月16日(土)13:50:30",
         "2026/05/16 13:50:00"},
        {"not a date", clsHtmlToto::StringToDateEx, "未定", "0:00:00"},
        {"latest time wins", clsHtmlToto::StringToDateEx2,
         "2026年05月16日（土）13:50（ネット販売13:55）", "2026/05/16 13:55:00"},
        {"one-digit hour", clsHtmlToto::StringToDateEx2, "2026年05月16日9:30",
         "2026/05/16 9:30:00"},
        {"no day mark", clsHtmlToto::StringToDateEx2, "2026/05/16 13:50", "0:00:00"},
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(c.convert(QString::fromUtf8(c.text)).ToString(), c.expected) << c.name;
    }

    DateTime first;
    DateTime second;
    clsHtmlToto::DateString2(QStringLiteral("2026年05月09日（土）～x2026年05月16日（土）13:50まで"),
                             first, second);
    EXPECT_EQ(first.ToString(), "2026/05/09");
    EXPECT_EQ(second.ToString(), "2026/05/16 13:50:00");

    struct NowCase {
        const char* text;
        bool ok;
        bool final;
        const char* asOf;
    };
    const NowCase nows[] = {
        {"(2026年05月16日(土)13:50販売終了時点)", true, true, "2026/05/16 13:50:00"},
        {"(2026年05月15日(金)18:00時点)", true, false, "2026/05/15 18:00:00"},
        {"2026年05月15日18:00時点)", false, false, "0:00:00"},
        {"(2026年05月15日)", false, false, "0:00:00"},
    };
    for (const NowCase& n : nows) {
        DateTime asOf;
        bool final = false;
        EXPECT_EQ(clsHtmlToto::GetStringToDateNow(QString::fromUtf8(n.text), asOf, final), n.ok)
            << n.text;
        EXPECT_EQ(final, n.final) << n.text;
        EXPECT_EQ(asOf.ToString(), n.asOf) << n.text;
    }
}

} // namespace
} // namespace kestrel
