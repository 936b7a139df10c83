#include <gtest/gtest.h>

#include "MessageCollector.h"
#include "ReductionTestUtil.h"
#include "documents/clsTClipImport.h"
#include "documents/clsTClipboard.h"
#include "platform/Version.h"
#include "platform/clsTMsg.h"

namespace kestrel {
namespace {

using test::No;

const QString kRule23 = QString(23, QChar(0x2015)) + QStringLiteral("\r\n");

std::vector<int32_t> Ascending(int count) {
    std::vector<int32_t> list(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        list[static_cast<size_t>(i)] = i % 4096;
    }
    return list;
}

TEST(ClipboardListTest, NumberedListPadsTheIndexToTheDigitsOfTheCount) {
    std::vector<int32_t> nine(9, No({0, 1, 2, 3, 0, 1}));
    const QString text9 = clsTClipboard::NumberedList(nine);
    EXPECT_TRUE(text9.startsWith(QStringLiteral("1:012301\r\n2:012301\r\n")));
    EXPECT_TRUE(text9.endsWith(QStringLiteral("9:012301\r\n")));

    std::vector<int32_t> ten(10, No({3, 2, 1, 0, 0, 0}));
    const QString text10 = clsTClipboard::NumberedList(ten);
    EXPECT_TRUE(text10.startsWith(QStringLiteral("01:321000\r\n")));
    EXPECT_TRUE(text10.endsWith(QStringLiteral("10:321000\r\n")));

    const QString text100 = clsTClipboard::NumberedList(Ascending(100));
    EXPECT_TRUE(text100.contains(QStringLiteral("042:122000\r\n"))) << "single 41 = 1,2,2,0,0,0";
}

TEST(ClipboardListTest, SlotRowsPutABlankAfterEveryTenthSingle) {
    std::vector<int32_t> list(11, No({0, 1, 2, 3, 0, 1}));
    list[10] = No({3, 3, 3, 3, 3, 3});
    const QString text = clsTClipboard::SlotRows(list);
    EXPECT_EQ(text, QStringLiteral("01 0000000000 3\r\n"
                                   "02 1111111111 3\r\n"
                                   "03 2222222222 3\r\n"
                                   "04 3333333333 3\r\n"
                                   "05 0000000000 3\r\n"
                                   "06 1111111111 3\r\n"));
}

TEST(ClipboardListTest, ListLayoutsStopAboveTenThousandSingles) {
    clsTClipboard clip;
    DocumentRecord doc;
    doc.Singles = Ascending(10000);
    {
        test::CollectedMessages messages;
        EXPECT_FALSE(clip.GetText(clsTClipboard::kNumberedList, doc, {}).isEmpty());
        EXPECT_FALSE(clip.GetText(clsTClipboard::kSlotRows, doc, {}).isEmpty());
        EXPECT_EQ(messages.Count(), 0u);
    }
    doc.Singles.push_back(1);
    test::CollectedMessages messages;
    EXPECT_TRUE(clip.GetText(clsTClipboard::kNumberedList, doc, {}).isEmpty());
    EXPECT_TRUE(clip.GetText(clsTClipboard::kSlotRows, doc, {}).isEmpty());
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().text, QStringLiteral("1万口以上は出力出来ません"));
    EXPECT_EQ(messages.Last().icon, MessageIcon::Warning);
    // The summary sheets have no limit; other kinds copy nothing.
    EXPECT_FALSE(clip.GetText(clsTClipboard::kSheet, doc, {}).isEmpty());
    EXPECT_TRUE(clip.GetText(2, doc, {}).isEmpty());
    EXPECT_TRUE(clip.GetText(5, doc, {}).isEmpty());
}

TEST(ClipImportTest, LinesWithSixGoalClassDigitsAfterTheColonImport) {
    const QString text =
        QStringLiteral("0001: 0 1 2 3 0 1\r\n"
                       "012345\r\n"
                       "\r\n"
                       "x:333333\r\n"
                       "12:34:000000\r\n"
                       "　０１２３０１\r\n" // full-width digits are not goal classes
                       "00000\r\n"
                       "0000000\r\n"
                       "3\t2 1 0 0 0");
    const std::vector<int32_t> singles = clsTClipImport::Import(text);
    EXPECT_EQ(singles, (std::vector<int32_t>{No({0, 1, 2, 3, 0, 1}), No({3, 3, 3, 3, 3, 3}),
                                             No({3, 2, 1, 0, 0, 0})}));
}

TEST(ClipImportTest, NumberedListImportsBackUnchangedButSlotRowsDoNot) {
    std::vector<int32_t> list = Ascending(123);
    list.push_back(4095);
    list.push_back(7); // repeats stay
    EXPECT_EQ(clsTClipImport::Import(clsTClipboard::NumberedList(list)), list);
    EXPECT_TRUE(clsTClipImport::Import(clsTClipboard::SlotRows(list)).empty());
    // Line ends of other systems are taken too.
    EXPECT_EQ(clsTClipImport::Import(QStringLiteral("1:000001\n2:000002\n")),
              (std::vector<int32_t>{No({0, 0, 0, 0, 0, 1}), No({0, 0, 0, 0, 0, 2})}));
}

TEST(ClipboardTextPiecesTest, RangeListsAndPayoutRanges) {
    EXPECT_EQ(clsTClipboard::RangeList({0, 1, 2, 5}), QStringLiteral("0～2,5"));
    EXPECT_EQ(clsTClipboard::RangeList({3}), QStringLiteral("3"));
    EXPECT_EQ(clsTClipboard::RangeList({1, 3, 4, 6}), QStringLiteral("1,3～4,6"));
    EXPECT_EQ(clsTClipboard::RangeList({}), QString());

    const Money none = Money::FromInt(ConditionSet::kMaxYen);
    EXPECT_EQ(clsTClipboard::HaitouRangeText(test::Yen(10'000'000), none),
              QStringLiteral("1,000万円以上"));
    EXPECT_EQ(clsTClipboard::HaitouRangeText(Money(), test::Yen(300'000'000)),
              QStringLiteral("3億円以下"));
    EXPECT_EQ(clsTClipboard::HaitouRangeText(Money(), none), QString());
    EXPECT_EQ(clsTClipboard::HaitouRangeText(test::Yen(50'000), test::Yen(1'234'567)),
              QStringLiteral("5万円 ～ 1,234,567円"));
    EXPECT_EQ(clsTClipboard::YenText(12'300'000'000), QStringLiteral("123億"));
    EXPECT_EQ(clsTClipboard::YenText(1'000), QStringLiteral("1,000"));
    EXPECT_EQ(clsTClipboard::YenText(250'000'000), QStringLiteral("25,000万"));
}

TEST(ClipboardTextPiecesTest, TeamNamesFillThreeFullWidthColumns) {
    ScheduleRecord schedule;
    const char* names[] = {"浦和", "横", "Ｇ大阪", "鹿島アントラーズ", "", "新潟"};
    for (int t = 0; t < 6; ++t) {
        schedule.Slots[static_cast<size_t>(t)].Team = QString::fromUtf8(names[t]);
    }
    EXPECT_EQ(clsTClipboard::TeamColumns(schedule),
              (std::vector<QString>{QStringLiteral("浦　和"), QStringLiteral("　横　"),
                                    QStringLiteral("Ｇ大阪"), QStringLiteral("？？？"),
                                    QStringLiteral("？？？"), QStringLiteral("新　潟")}));
    // One name with single-byte characters widens and cuts every name.
    schedule.Slots[4].Team = QStringLiteral("FC東京");
    EXPECT_EQ(clsTClipboard::TeamColumns(schedule),
              (std::vector<QString>{QStringLiteral("浦　和"), QStringLiteral("　横　"),
                                    QStringLiteral("Ｇ大阪"), QStringLiteral("鹿島ア"),
                                    QStringLiteral("ＦＣ東"), QStringLiteral("新　潟")}));
}

DocumentRecord SheetDocument() {
    DocumentRecord doc;
    doc.Kaisaikai = 45;
    doc.Multi =
        test::Multi({"01", "0123", "2", "3", "01", "12"}, {"12", "3456", "1", "1", "11", "21"});
    doc.Settings.MsEngine = 1;
    for (int t = 0; t < 6; ++t) {
        doc.SingleFrame[0][static_cast<size_t>(t)] = 12;
        doc.SingleFrame[3][static_cast<size_t>(t)] = t;
    }
    return doc;
}

ScheduleRecord SheetSchedule() {
    ScheduleRecord schedule;
    const char* names[] = {"浦和", "鹿島", "Ｇ大阪", "横", "新潟", "清水"};
    for (int t = 0; t < 6; ++t) {
        schedule.Slots[static_cast<size_t>(t)].Team = QString::fromUtf8(names[t]);
    }
    return schedule;
}

TEST(ClipboardSheetTest, SummarySheetLaysOutRoundTeamsMarksAndFrame) {
    DocumentRecord doc = SheetDocument();
    doc.Kumi = QStringLiteral("A");
    const QString expected =
        QStringLiteral("第 45 回 totoGOAL3 A組\r\n") + kRule23 +
        QStringLiteral("Ｎｏ　チーム　０１２３　　０　　１　　２　　３\r\n") + kRule23 +
        QStringLiteral("０１　浦　和　◎○－－　１２：　０：　０：　０\r\n"
                       "０２　鹿　島　▲△×☆　１２：　０：　０：　１\r\n"
                       "０３　Ｇ大阪　－－◎－　１２：　０：　０：　２\r\n"
                       "０４　　横　　－－－◎　１２：　０：　０：　３\r\n"
                       "０５　新　潟　◎◎－－　１２：　０：　０：　４\r\n"
                       "０６　清　水　－○◎－　１２：　０：　０：　５\r\n") +
        kRule23 + QStringLiteral("システム：Kestrel Version ") + VersionText() +
        QStringLiteral("\r\n圧縮方法：２等保証 高速検索エンジン\r\n");
    EXPECT_EQ(clsTClipboard::Sheet(false, doc, SheetSchedule()), expected);
}

TEST(ClipboardSheetTest, EmptyFrameUsesOneColumnAndRuleOfNineteen) {
    DocumentRecord doc;
    doc.Settings.MsEngine = 5;
    const QString text = clsTClipboard::Sheet(false, doc, {});
    const QString rule = QString(19, QChar(0x2015));
    EXPECT_TRUE(text.startsWith(QStringLiteral("第 0 回 totoGOAL3\r\n") + rule + "\r\n" +
                                QStringLiteral("Ｎｏ　チーム　０１２３　０　１　２　３\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("０１　？？？　－－－－　０：０：０：０\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("圧縮方法：口数最適化エンジン\r\n")));
}

TEST(ClipboardSheetTest, SheetNamesEveryMethodAndNothingOutsideThem) {
    const std::vector<std::pair<int32_t, QString>> cases = {
        {0, QStringLiteral("１等保証")},
        {4, QStringLiteral("３等保証 試行検索エンジン")},
        {6, QStringLiteral("２等保証 強化検索エンジン")},
        {7, QStringLiteral("３等保証 強化検索エンジン")},
        {8, QString()},
    };
    for (const auto& [method, name] : cases) {
        DocumentRecord doc;
        doc.Settings.MsEngine = method;
        EXPECT_TRUE(clsTClipboard::Sheet(false, doc, {})
                        .endsWith(QStringLiteral("圧縮方法：") + name + QStringLiteral("\r\n")))
            << method;
    }
}

TEST(ClipboardSheetTest, SheetWithConditionsListsPayoutGroupsMissesAndExtraction) {
    DocumentRecord doc = SheetDocument();
    ConditionSet& c = doc.Conditions;
    c.Haitou.Flag = {true, true, false};
    c.Haitou.Min[0] = test::Yen(10'000'000);
    c.Haitou.Max[1] = test::Yen(300'000'000);
    c.Haitou.Min[2] = test::Yen(1'000); // not ticked: no line
    ConditionGroup& a = c.Mark[3];
    a.Cells[2][0] = kCellTriangle;
    for (int v = 3; v <= 6; ++v) {
        a.Cells[static_cast<size_t>(v)][0] = kCellCross;
    }
    a.MarkFlg = {false, false, false, true};
    a.GameFlg = {true, true, true, false, false, false};
    c.Mark[4].Cells[0][1] = kCellCross; // group switched off: no lines
    c.Mark[4].Flag = false;
    c.MachigaiType = 2;
    c.MachigaiList.fill(false);
    for (int i : {0, 1, 2, 10, 11}) {
        c.MachigaiList[static_cast<size_t>(i)] = true;
    }
    doc.Settings.ChushutsuFlag = true;
    doc.Singles = std::vector<int32_t>(10, 0);
    doc.SakugenMessage = QStringLiteral("0001 ") +
                         clsTMsg::PadToColumns(QStringLiteral("抽出"), 22) +
                         QStringLiteral(":    500 →      10 (  2.00%)\r\n");

    const QString sheet = clsTClipboard::Sheet(false, doc, SheetSchedule());
    const QString text = clsTClipboard::Sheet(true, doc, SheetSchedule());
    ASSERT_TRUE(text.startsWith(sheet));
    EXPECT_EQ(text.mid(sheet.size()),
              QStringLiteral("\r\n"
                             "利用投票状況：ユーザー定義\r\n"
                             "１等当せん金：1,000万円以上\r\n"
                             "２等当せん金：3億円以下\r\n"
                             "\r\n"
                             "[得点]\r\n"
                             " Ａ 　0点      ：0～1 (2)\r\n"
                             " Ａ 　------   ：3点：1～3試合\r\n"
                             "\r\n"
                             "[補正]\r\n"
                             "下の条件間違い数の場合は､許容△の買い目を拡張する\r\n"
                             "条件間違い数   ：0～2,10～→\r\n"
                             "抽出圧縮：500 → 10口\r\n"));

    // With a vote as-of time the payout section names it.
    doc.Vote.AsOf = *DateTime::FromParts(2009, 5, 16, 13, 5);
    EXPECT_TRUE(clsTClipboard::Sheet(true, doc, SheetSchedule())
                    .contains(QStringLiteral("利用投票状況：2009/05/16 13:05\r\n１等")));
    // Without the grade-1 availability no payout section is written.
    doc.Conditions.Haitou.Enabled[0] = false;
    EXPECT_FALSE(
        clsTClipboard::Sheet(true, doc, SheetSchedule()).contains(QStringLiteral("等当せん金")));
}

TEST(ClipboardSheetTest, GroupLabelsOfAllJ1AndAllClasses) {
    DocumentRecord doc;
    doc.Conditions.Honmei[0].Cells[0][0] = kCellCross;
    doc.Conditions.Ninki[1].Cells[6][1] = kCellCross;
    doc.Conditions.Ninki[28].Cells[6][0] = kCellCross;
    const QString text = clsTClipboard::Sheet(true, doc, {});
    EXPECT_TRUE(text.contains(QStringLiteral("[本命]\r\n全て　本命◎   ：1～6\r\n\r\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("[人気]\r\nＪ１　2番人気  ：0～5\r\n"
                                             " Ｚ 　1番人気  ：0～5\r\n"
                                             " Ｚ 　------   ：全結果：全試合\r\n\r\n")))
        << text.toStdString();
    // The miss section has its count line even when misses are not counted.
    EXPECT_TRUE(text.endsWith(QStringLiteral("[補正]\r\n条件間違い数   ：0\r\n")))
        << text.toStdString();
}

} // namespace
} // namespace kestrel
