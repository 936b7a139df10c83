// Golden files in tests/data/store were written by hand from the stores' line sequences; every
// store must read them and write them back byte for byte.
#include <gtest/gtest.h>

#include "StoreTestSupport.h"
#include "platform/TextCodec.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

DateTime Date(const char* text) {
    return *DateTime::Parse(QString::fromLatin1(text));
}

Money M(const char* text) {
    return *Money::Parse(QString::fromLatin1(text));
}

// Saves through the store into a temporary folder and returns the bytes written.
template <typename Store> QByteArray SavedBytes(Store& store, const TempRoot& root) {
    const QString path = root.SysData(QStringLiteral("out/saved.xml"));
    EXPECT_TRUE(store.XmlSave(path));
    return ReadBytes(path);
}

class XmlStoreRoundTrip : public ::testing::Test {
protected:
    TempRoot root;
    CollectedMessages capture;
};

TEST_F(XmlStoreRoundTrip, HeldScheduleLoadsEveryFieldAndSavesByteExact) {
    clsXmlSchedule store(root.Paths());
    ASSERT_TRUE(store.XmlLoad(DataPath("schedule_1555.xml")));
    const ScheduleRecord& r = store.Schedule();
    EXPECT_EQ(r.Kaisaikai, 1555);
    EXPECT_TRUE(r.Kumi.isEmpty());
    EXPECT_EQ(r.State, HoldState::Held);
    EXPECT_EQ(r.Slots[0].Team, QStringLiteral("鹿島"));
    EXPECT_EQ(r.Slots[5].Team, QStringLiteral("神戸"));
    EXPECT_EQ(r.Slots[2].Stadium, QStringLiteral("Uvanceとどろきスタジアム by Fujitsu"));
    EXPECT_EQ(r.Slots[4].Stadium, QStringLiteral("パナソニック スタジアム 吹田"));
    EXPECT_EQ(r.Slots[3].State, QStringLiteral("VS"));
    EXPECT_EQ(r.Slots[4].GameDate, Date("2025/05/17"));
    EXPECT_EQ(r.Slots[4].GameTime, Date("16:00:00"));
    EXPECT_EQ(r.SaleStart, Date("2025/05/10"));
    EXPECT_EQ(r.SaleEnd, Date("2025/05/17 13:50"));
    EXPECT_EQ(r.ResultDate, Date("2025/05/19"));
    EXPECT_EQ(r.PayStart, Date("2025/05/20"));
    EXPECT_EQ(r.PayEnd, Date("2026/05/20"));
    EXPECT_EQ(SavedBytes(store, root), ReadBytes(DataPath("schedule_1555.xml")));
    EXPECT_TRUE(capture.Messages().empty());
}

TEST_F(XmlStoreRoundTrip, CancelledGroupedScheduleKeepsStateAndHasNoPayoutDates) {
    clsXmlSchedule store(root.Paths());
    ASSERT_TRUE(store.XmlLoad(DataPath("schedule_007_A.xml")));
    const ScheduleRecord& r = store.Schedule();
    EXPECT_EQ(r.Kaisaikai, 7);
    EXPECT_EQ(r.Kumi, QStringLiteral("A"));
    EXPECT_EQ(r.State, HoldState::Cancelled);
    EXPECT_TRUE(r.ResultDate.IsZero());
    EXPECT_TRUE(r.PayStart.IsZero());
    EXPECT_TRUE(r.PayEnd.IsZero());
    EXPECT_EQ(r.Slots[2].GameTime, *DateTime::TimeOnly(9, 5));
    EXPECT_TRUE(r.Slots[2].Stadium.isEmpty()); // empty element
    EXPECT_EQ(r.Slots[0].State, QStringLiteral("中止"));
    EXPECT_TRUE(r.Slots[4].GameDate.IsZero());
    EXPECT_EQ(SavedBytes(store, root), ReadBytes(DataPath("schedule_007_A.xml")));
}

TEST_F(XmlStoreRoundTrip, ScheduleBuiltInCodeWritesTheGoldenFile) {
    ScheduleRecord r;
    r.Kaisaikai = 7;
    r.Kumi = QStringLiteral("A");
    const char16_t* teams[] = {u"横浜FM", u"大分", u"千葉", u"山形"};
    for (int i = 0; i < 4; ++i) {
        ScheduleSlot& s = r.Slots[i];
        s.Team = QString::fromUtf16(teams[i]);
        s.GameDate = Date("2009/05/16");
        s.GameTime = i < 2 ? *DateTime::TimeOnly(13, 0) : *DateTime::TimeOnly(9, 5);
        s.Stadium = i < 2 ? QStringLiteral("日産スタジアム") : QString();
        s.State = QStringLiteral("中止");
    }
    r.SaleStart = Date("2009/05/09");
    r.SaleEnd = Date("2009/05/16 12:50:00");
    r.ResultDate = Date("2009/05/18"); // not written for a cancelled round
    r.State = HoldState::Cancelled;
    clsXmlSchedule store(root.Paths());
    store.SetSchedule(r);
    EXPECT_EQ(SavedBytes(store, root), ReadBytes(DataPath("schedule_007_A.xml")));
}

TEST_F(XmlStoreRoundTrip, NotHeldFileIsWrittenAtTheRoundPathAndLoadsAsNotHeld) {
    clsXmlSchedule store(root.Paths());
    ASSERT_TRUE(store.XmlSave_NoGame(7, QString()));
    const QString path = store.GetFileName(7, QString());
    EXPECT_EQ(ReadBytes(path), ReadBytes(DataPath("schedule_007_nogame.xml")));

    ASSERT_TRUE(store.XmlLoad(path));
    const ScheduleRecord& r = store.Schedule();
    EXPECT_EQ(r.Kaisaikai, 7);
    EXPECT_EQ(r.State, HoldState::NotHeld);
    EXPECT_TRUE(r.Slots[0].Team.isEmpty());
    EXPECT_TRUE(r.SaleEnd.IsZero());

    // The not-held file replaces a full schedule file, and deleting removes whatever is there.
    ASSERT_TRUE(store.XmlLoad(DataPath("schedule_1555.xml")));
    ASSERT_TRUE(store.XmlSave(path));
    ASSERT_TRUE(store.XmlSave_NoGame(7, QString()));
    EXPECT_EQ(ReadBytes(path), ReadBytes(DataPath("schedule_007_nogame.xml")));
    EXPECT_TRUE(store.XmlDelete_NoGame(7, QString()));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(capture.Messages().empty());
}

TEST_F(XmlStoreRoundTrip, HeldVoteLoadsFiguresAndSavesByteExact) {
    clsXmlVote store(root.Paths());
    ASSERT_TRUE(store.XmlLoad(DataPath("vote_1555.xml")));
    const VoteRecord& r = store.Vote();
    EXPECT_EQ(r.Kaisaikai, 1555);
    EXPECT_EQ(r.AsOf, Date("2025/05/17 13:50:00"));
    EXPECT_EQ(r.Slots[0].Team, QStringLiteral("鹿島アントラーズ"));
    EXPECT_EQ(r.Slots[0].Votes[0].Count, Money::FromInt(26031));
    EXPECT_EQ(r.Slots[0].Votes[0].Rate, M("14.19"));
    EXPECT_EQ(r.Slots[2].Votes[0].Rate, M("12.9"));
    EXPECT_EQ(r.Slots[5].Votes[3].Count, Money::FromInt(28443));
    EXPECT_EQ(r.Sales[0], Money::FromInt(18342600));
    EXPECT_EQ(r.Votes[1], Money::FromInt(141208));
    EXPECT_EQ(r.Tickets[2], Money::FromInt(21006));
    EXPECT_EQ(r.PayEnd, Date("2026/05/20"));
    EXPECT_EQ(SavedBytes(store, root), ReadBytes(DataPath("vote_1555.xml")));
}

TEST_F(XmlStoreRoundTrip, GroupedVoteKeepsGroupFractionsAndUnsetDates) {
    clsXmlVote store(root.Paths());
    ASSERT_TRUE(store.XmlLoad(DataPath("vote_012_B.xml")));
    const VoteRecord& r = store.Vote();
    EXPECT_EQ(r.Kumi, QStringLiteral("B"));
    EXPECT_EQ(r.Slots[0].Team, QStringLiteral("ＦＣ東京"));
    EXPECT_EQ(r.Slots[0].Votes[0].Count, Money::FromInt(1234567));
    EXPECT_EQ(r.Slots[0].Votes[2].Rate, Money::FromRaw(4));
    EXPECT_EQ(r.Sales[0], M("123456789.5"));
    EXPECT_EQ(r.Sales[2], Money::FromInt(1));
    EXPECT_TRUE(r.ResultDate.IsZero());
    EXPECT_EQ(SavedBytes(store, root), ReadBytes(DataPath("vote_012_B.xml")));
}

TEST_F(XmlStoreRoundTrip, OlderGoalClassNamesLoadTheSameFigures) {
    clsXmlVote current(root.Paths());
    clsXmlVote older(root.Paths());
    ASSERT_TRUE(current.XmlLoad(DataPath("vote_012_B.xml")));
    ASSERT_TRUE(older.XmlLoad(DataPath("vote_012_B_oldnames.xml")));
    EXPECT_EQ(older.GetXmlString(true), current.GetXmlString(true));
    EXPECT_EQ(older.Vote().Slots[0].Votes[3].Rate, M("87.6596"));
}

TEST_F(XmlStoreRoundTrip, VoteBlockWithoutHeaderRoundTripsThroughAnotherStore) {
    clsXmlVote source(root.Paths());
    ASSERT_TRUE(source.XmlLoad(DataPath("vote_012_B.xml")));
    const QString block = source.GetXmlString(false);
    EXPECT_TRUE(block.startsWith(QStringLiteral("<投票状況>\r\n")));
    EXPECT_TRUE(block.endsWith(QStringLiteral("</投票状況>\r\n")));

    clsXmlVote target(root.Paths());
    ASSERT_TRUE(target.SetXmlString(block, false));
    EXPECT_EQ(target.GetXmlString(true), source.GetXmlString(true));
}

TEST_F(XmlStoreRoundTrip, HeldResultLoadsAndSavesByteExact) {
    clsXmlResult store(root.Paths());
    ASSERT_TRUE(store.XmlLoad(DataPath("result_1555.xml")));
    const ResultRecord& r = store.Result();
    EXPECT_FALSE(r.Cancelled);
    EXPECT_EQ(r.Slots[2].Result, 3);
    EXPECT_EQ(r.Slots[2].Goals, 4);
    EXPECT_EQ(r.Slots[1].HomeAway, QStringLiteral("アウェイ"));
    EXPECT_EQ(r.Prize[0], Money::FromInt(279120));
    EXPECT_EQ(r.Winners[1], Money::FromInt(412));
    EXPECT_EQ(r.CarryOver[0], Money());
    EXPECT_EQ(SavedBytes(store, root), ReadBytes(DataPath("result_1555.xml")));
}

TEST_F(XmlStoreRoundTrip, CancelledResultKeepsFlagGroupAndRefundDates) {
    clsXmlResult store(root.Paths());
    ASSERT_TRUE(store.XmlLoad(DataPath("result_007_A_cancelled.xml")));
    const ResultRecord& r = store.Result();
    EXPECT_TRUE(r.Cancelled);
    EXPECT_EQ(r.Kumi, QStringLiteral("A"));
    for (const ResultSlot& s : r.Slots) {
        EXPECT_EQ(s.Result, 4);
    }
    EXPECT_EQ(r.ResultDate, Date("2009/05/18"));
    EXPECT_EQ(r.PayStart, Date("2009/05/19"));
    EXPECT_EQ(r.PayEnd, Date("2010/05/19"));
    EXPECT_EQ(SavedBytes(store, root), ReadBytes(DataPath("result_007_A_cancelled.xml")));
}

TEST_F(XmlStoreRoundTrip, TextValuesHoldingTagCharactersStillLoadBack) {
    ScheduleRecord r;
    r.Kaisaikai = 3;
    r.Slots[0].Stadium = QStringLiteral("A<B>C");
    r.Slots[1].Team = QStringLiteral("line\r\nbreak");
    clsXmlSchedule store(root.Paths());
    store.SetSchedule(r);
    const QString path = store.GetFileName(3, QString());
    ASSERT_TRUE(store.XmlSave(path));
    clsXmlSchedule reader(root.Paths());
    ASSERT_TRUE(reader.XmlLoad(path));
    EXPECT_EQ(reader.Schedule().Slots[0].Stadium, QStringLiteral("A＜B＞C"));
    EXPECT_EQ(reader.Schedule().Slots[1].Team, QStringLiteral("line  break"));
}

TEST(XmlStoreFileNames, RoundHasThreeDigitsAndGroupFollowsAfterUnderscore) {
    const ProgramPaths paths(QStringLiteral("/opt/kestrel"));
    clsXmlSchedule schedule(paths);
    clsXmlVote vote(paths);
    clsXmlResult result(paths);
    EXPECT_EQ(schedule.GetFileName(7, QString()),
              QStringLiteral("/opt/kestrel/SysData/totoGOAL3_Schedule/totogoal3_schedule_007.xml"));
    EXPECT_EQ(
        schedule.GetFileName(7, QStringLiteral("A")),
        QStringLiteral("/opt/kestrel/SysData/totoGOAL3_Schedule/totogoal3_schedule_007_A.xml"));
    EXPECT_EQ(
        schedule.GetFileName(1234, QString()),
        QStringLiteral("/opt/kestrel/SysData/totoGOAL3_Schedule/totogoal3_schedule_1234.xml"));
    EXPECT_EQ(vote.GetFileName(12, QStringLiteral("B")),
              QStringLiteral("/opt/kestrel/SysData/totoGOAL3_Vote/totogoal3_vote_012_B.xml"));
    EXPECT_EQ(result.GetFileName(1555, QString()),
              QStringLiteral("/opt/kestrel/SysData/totoGOAL3_Result/totogoal3_result_1555.xml"));
    EXPECT_EQ(vote.GetArchiveFileName(45, *DateTime::Parse(QStringLiteral("2009/5/6 13:50"))),
              QStringLiteral("/opt/kestrel/SysData/totoGOAL3-Vote/vote_045_2009-05-06.xml"));
    // A group text can never lead out of the store folder.
    EXPECT_EQ(
        result.GetFileName(7, QStringLiteral("../../x")),
        QStringLiteral("/opt/kestrel/SysData/totoGOAL3_Result/totogoal3_result_007_.._.._x.xml"));
}

} // namespace
