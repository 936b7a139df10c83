#include <gtest/gtest.h>

#include "documents/clsTFileTPD.h"
#include "test_tpd_support.h"

using namespace kestrel;
using namespace kestrel::tpdtest;

namespace {

DocumentRecord WithOdds() {
    DocumentRecord doc = FullDocument();
    doc.Odds = PlayerOdds(PlayerOdds::Table{{{10, 40, 30, 20},
                                             {25, 25, 25, 25},
                                             {60, 5, 20, 15},
                                             {33.33, 33.33, 33.34, 0},
                                             {1.5, 2.25, 3, 93.25},
                                             {40, 30, 20, 10}}});
    doc.Conditions.HaitouEv.Flag = true;
    doc.Conditions.HaitouEv.MinPercent = Money::FromRaw(1205000);
    return doc;
}

} // namespace

// The odds ride after the vote block and the expected-return condition beside the payout keys;
// both load back, and a document without them is written exactly as before (the golden test of
// full.tpd holds that) and loads without odds.
TEST(TpdOdds, OddsAndTheExpectedReturnConditionRoundTrip) {
    const DocumentRecord doc = WithOdds();
    const QString text = clsTFileTPD::BuildText(true, doc);
    EXPECT_TRUE(text.contains(QStringLiteral("Haitou.Ev = 1|120.5\r\n")));
    EXPECT_GT(text.indexOf(QStringLiteral("<予想確率>\r\n10,40,30,20\r\n")),
              text.indexOf(QStringLiteral("</投票状況>")));
    DocumentRecord back;
    ASSERT_TRUE(clsTFileTPD::ParseText(text, back));
    ExpectSameDocument(back, doc);

    DocumentRecord plain;
    ASSERT_TRUE(clsTFileTPD::ParseText(clsTFileTPD::BuildText(true, FullDocument()), plain));
    EXPECT_FALSE(plain.Odds.has_value());
    EXPECT_TRUE(plain.Conditions.HaitouEv.IsDefault());

    // A condition file carries the condition but never the odds.
    const QString tpj = clsTFileTPD::BuildText(false, doc);
    EXPECT_TRUE(tpj.contains(QStringLiteral("Haitou.Ev = 1|120.5")));
    EXPECT_FALSE(tpj.contains(QStringLiteral("予想確率")));
}

// A reader that does not know the block skips its lines: none of them holds "=".
TEST(TpdOdds, AnUnknownBlockOfThisShapeIsSkipped) {
    QString text = clsTFileTPD::BuildText(true, WithOdds());
    text.replace(QStringLiteral("予想確率>"), QStringLiteral("Unknown>"));
    DocumentRecord back;
    ASSERT_TRUE(clsTFileTPD::ParseText(text, back));
    EXPECT_FALSE(back.Odds.has_value());
    EXPECT_EQ(back.Singles, WithOdds().Singles);
}

TEST(TpdOdds, BrokenOddsBlockFailsTheLoadAndChangesNothing) {
    const QString text = clsTFileTPD::BuildText(true, WithOdds());
    const char* const broken[][2] = {
        {"10,40,30,20\r\n", "10,40,30,21\r\n"},
        {"25,25,25,25\r\n", ""},
        {"</予想確率>\r\n", ""},
        {"Haitou.Ev = 1|120.5", "Haitou.Ev = 1|-1"},
        {"Haitou.Ev = 1|120.5", "Haitou.Ev = 1"},
    };
    for (const auto& [from, to] : broken) {
        QString bad = text;
        bad.replace(QString::fromUtf8(from), QString::fromUtf8(to));
        ASSERT_NE(bad, text) << from;
        DocumentRecord target = FullDocument();
        TpdParseError error;
        EXPECT_FALSE(clsTFileTPD::ParseText(bad, target, &error)) << from;
        EXPECT_FALSE(target.Odds.has_value());
        EXPECT_TRUE(target.Conditions.HaitouEv.IsDefault());
    }
}
