// Every bad input fails with its message, leaves the store's current record as it was and
// changes nothing on disk.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "StoreTestSupport.h"
#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

const QString kBad = QStringLiteral("XMLデータが異常です。");
const QString kMismatch = QStringLiteral("型が一致しません。 ( 13 )");
const QString kRange = QStringLiteral("インデックスが有効範囲にありません。 ( 9 )");
const QString kOverflow = QStringLiteral("オーバーフローしました。 ( 6 )");

enum class Kind { Schedule, Vote, Result };

// One store of any kind behind a common face: load, its current text, its class name.
class AnyStore {
public:
    AnyStore(Kind kind, const ProgramPaths& paths)
        : m_kind(kind), m_schedule(paths), m_vote(paths), m_result(paths) {}

    bool Load(const QString& path) {
        switch (m_kind) {
        case Kind::Schedule:
            return m_schedule.XmlLoad(path);
        case Kind::Vote:
            return m_vote.XmlLoad(path);
        case Kind::Result:
            return m_result.XmlLoad(path);
        }
        return false;
    }
    QString Text() const {
        switch (m_kind) {
        case Kind::Schedule:
            return m_schedule.GetXmlText();
        case Kind::Vote:
            return m_vote.GetXmlString(true);
        case Kind::Result:
            return m_result.GetXmlText();
        }
        return QString();
    }
    QString GoodFile() const {
        switch (m_kind) {
        case Kind::Schedule:
            return DataPath("schedule_1555.xml");
        case Kind::Vote:
            return DataPath("vote_1555.xml");
        case Kind::Result:
            return DataPath("result_1555.xml");
        }
        return QString();
    }
    QString LoadTitle() const {
        const char* names[] = {"clsXmlSchedule", "clsXmlVote", "clsXmlResult"};
        return QStringLiteral("Kestrel / ") + QString::fromLatin1(names[static_cast<int>(m_kind)]) +
               QStringLiteral(" / XmlLoad");
    }

private:
    Kind m_kind;
    clsXmlSchedule m_schedule;
    clsXmlVote m_vote;
    clsXmlResult m_result;
};

struct BadCase {
    const char* file;
    Kind kind;
    MessageIcon icon;
    QString text; // empty: "XMLデータが異常です。" + CR LF + path
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.file << "/" << static_cast<int>(c.kind);
}

class XmlStoreBadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(XmlStoreBadInput, FailsWithItsMessageAndKeepsThePreviousRecord) {
    const BadCase& c = GetParam();
    TempRoot root;
    AnyStore store(c.kind, root.Paths());
    ASSERT_TRUE(store.Load(store.GoodFile()));
    const QString before = store.Text();
    const QString path = DataPath(QStringLiteral("broken/") + QString::fromLatin1(c.file));
    const QByteArray bytesBefore = ReadBytes(path);

    CollectedMessages capture;
    EXPECT_FALSE(store.Load(path));
    ASSERT_EQ(capture.Messages().size(), 1u);
    const Message m = capture.Messages()[0];
    EXPECT_EQ(m.icon, c.icon);
    // An unreadable file also says why, on a line after the path.
    const QString expected = c.text.isEmpty() ? kBad + QStringLiteral("\r\n") + path : c.text;
    if (c.text.isEmpty() && m.text.count(QStringLiteral("\r\n")) == 2) {
        EXPECT_TRUE(m.text.startsWith(expected + QStringLiteral("\r\n"))) << m.text.toStdString();
    } else {
        EXPECT_EQ(m.text, expected);
    }
    if (c.icon == MessageIcon::Warning) {
        EXPECT_EQ(m.title, store.LoadTitle());
    } else {
        EXPECT_TRUE(m.title.endsWith(store.LoadTitle().mid(QStringLiteral("Kestrel").size())));
    }
    EXPECT_EQ(store.Text(), before);
    EXPECT_EQ(ReadBytes(path), bytesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Broken, XmlStoreBadInput,
    ::testing::Values(BadCase{"truncated.xml", Kind::Schedule, MessageIcon::Warning, kBad},
                      BadCase{"misspelled_close.xml", Kind::Schedule, MessageIcon::Warning, kBad},
                      BadCase{"value_lt.xml", Kind::Schedule, MessageIcon::Warning, kBad},
                      BadCase{"empty.xml", Kind::Schedule, MessageIcon::Warning, kBad},
                      BadCase{"empty.xml", Kind::Vote, MessageIcon::Warning, kBad},
                      BadCase{"empty.xml", Kind::Result, MessageIcon::Warning, kBad},
                      BadCase{"truncated.xml", Kind::Vote, MessageIcon::Warning, kBad},
                      // A file of another kind has no block of this store.
                      BadCase{"misspelled_close.xml", Kind::Result, MessageIcon::Warning, kBad},
                      BadCase{"slot0.xml", Kind::Vote, MessageIcon::Error, kRange},
                      BadCase{"slot7.xml", Kind::Result, MessageIcon::Error, kRange},
                      BadCase{"bad_class.xml", Kind::Result, MessageIcon::Error, kRange},
                      BadCase{"bad_number.xml", Kind::Schedule, MessageIcon::Error, kMismatch},
                      BadCase{"bad_count.xml", Kind::Vote, MessageIcon::Error, kMismatch},
                      BadCase{"bad_date.xml", Kind::Result, MessageIcon::Error, kMismatch},
                      BadCase{"not_sjis.xml", Kind::Schedule, MessageIcon::Warning, QString()},
                      BadCase{"not_sjis.xml", Kind::Vote, MessageIcon::Warning, QString()},
                      // Votes and sales are never negative.
                      BadCase{"negative_count.xml", Kind::Vote, MessageIcon::Warning, kBad},
                      BadCase{"negative_sale.xml", Kind::Vote, MessageIcon::Warning, kBad}));

class XmlStoreText : public ::testing::Test {
protected:
    // Parses a schedule text through SetXmlText after a good load; returns the one message.
    Message Rejected(const QString& text) {
        clsXmlSchedule store(root.Paths());
        EXPECT_TRUE(store.XmlLoad(DataPath("schedule_1555.xml")));
        const QString before = store.GetXmlText();
        CollectedMessages capture;
        EXPECT_FALSE(store.SetXmlText(text));
        EXPECT_EQ(store.GetXmlText(), before);
        EXPECT_EQ(capture.Messages().size(), 1u);
        return capture.Messages().empty() ? Message{} : capture.Messages()[0];
    }
    static QString Wrap(const QString& inner) {
        return QStringLiteral("<totoGOAL3>\r\n<開催>\r\n") + inner +
               QStringLiteral("\r\n</開催>\r\n</totoGOAL3>\r\n");
    }
    TempRoot root;
};

TEST_F(XmlStoreText, ValueErrorsCarryTheirOwnDescription) {
    EXPECT_EQ(Rejected(Wrap(QStringLiteral("<開催回>99999999999</開催回>"))).text, kOverflow);
    EXPECT_EQ(Rejected(Wrap(QStringLiteral("<開催回></開催回><開催回>x</開催回>"))).text,
              kMismatch);
    // A slot field before any slot number names no slot.
    EXPECT_EQ(Rejected(Wrap(QStringLiteral("<指定試合><チーム>鹿島</チーム></指定試合>"))).text,
              kRange);
    EXPECT_EQ(Rejected(Wrap(QStringLiteral("<開催状態>5</開催状態>"))).text, kRange);
    EXPECT_EQ(Rejected(Wrap(QStringLiteral("<販売開始日>2025/02/30</販売開始日>"))).text,
              kMismatch);
}

TEST_F(XmlStoreText, IncompleteOrTrailingDocumentsAreMalformed) {
    EXPECT_EQ(Rejected(QString()).text, kBad);
    EXPECT_EQ(Rejected(QStringLiteral("<totoGOAL3><開催><開催回>5</開催回>")).text, kBad);
    EXPECT_EQ(Rejected(QStringLiteral("<totoGOAL3></totoGOAL3>")).text, kBad);
    EXPECT_EQ(Rejected(Wrap(QString()) + QStringLiteral("<開催></開催>")).text, kBad);
    EXPECT_EQ(Rejected(QStringLiteral("</totoGOAL3>")).text, kBad);
}

TEST_F(XmlStoreText, UnknownElementsAndDeclarationsAreIgnored) {
    clsXmlSchedule store(root.Paths());
    ASSERT_TRUE(store.SetXmlText(
        QStringLiteral("<?xml version=\"1.0\"?>  <totoGOAL3>\n\t<開催>  <開催回> 42 </開催回>"
                       "<未知>abc</未知><結果速報発表日>2009/5/18</結果速報発表日></開催>"
                       "</totoGOAL3>")));
    EXPECT_EQ(store.Schedule().Kaisaikai, 42);
    EXPECT_EQ(store.Schedule().ResultDate, *DateTime::FromParts(2009, 5, 18));
}

TEST_F(XmlStoreText, DirectVoteParseHandsValueErrorsToTheCaller) {
    clsXmlVote store(root.Paths());
    ASSERT_TRUE(store.XmlLoad(DataPath("vote_1555.xml")));
    const QString before = store.GetXmlString(true);
    CollectedMessages capture;
    QString valueError;
    EXPECT_FALSE(store.SetXmlString(
        QStringLiteral("<投票状況>\r\n<開催回>1x</開催回>\r\n</投票状況>"), false, &valueError));
    EXPECT_EQ(valueError, QStringLiteral("型が一致しません。"));
    EXPECT_TRUE(capture.Messages().empty());
    // A mismatch is reported by the store itself.
    EXPECT_FALSE(
        store.SetXmlString(QStringLiteral("<投票状況>\r\n</投票状態>"), false, &valueError));
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(capture.Messages()[0].text, kBad);
    EXPECT_EQ(store.GetXmlString(true), before);
}

TEST(XmlStoreFiles, MissingFileOrEmptyPathFailsSilently) {
    TempRoot root;
    clsXmlResult store(root.Paths());
    CollectedMessages capture;
    EXPECT_FALSE(store.XmlLoad(QString()));
    EXPECT_FALSE(store.XmlLoad(root.SysData(QStringLiteral("nothing.xml"))));
    EXPECT_FALSE(store.XmlLoad(root.Paths().SysData())); // a folder is no file
    EXPECT_TRUE(capture.Messages().empty());
}

TEST(XmlStoreFiles, HugeFileIsRefusedBeforeReading) {
    TempRoot root;
    const QString path = root.SysData(QStringLiteral("huge.xml"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ReadBytes(DataPath("vote_1555.xml")));
        ASSERT_TRUE(file.resize(50LL * 1024 * 1024));
    }
    clsXmlVote store(root.Paths());
    ASSERT_TRUE(store.XmlLoad(DataPath("vote_1555.xml")));
    const QString before = store.GetXmlString(true);
    CollectedMessages capture;
    EXPECT_FALSE(store.XmlLoad(path));
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(
        capture.Messages()[0].text,
        kBad + QStringLiteral("\r\n") + path +
            QStringLiteral("\r\nファイルが大きすぎます（52428800バイト、上限1048576バイト）。"));
    EXPECT_EQ(store.GetXmlString(true), before);
    EXPECT_EQ(QFileInfo(path).size(), 50LL * 1024 * 1024);
}

TEST(XmlStoreFiles, SaveFailureIsReportedAndKeepsTheOldFile) {
    TempRoot root;
    // A plain file where the store folder should be: the folder cannot be made.
    const QString blocker = root.SysData(QStringLiteral("totoGOAL3_Result"));
    ASSERT_TRUE(WriteBytes(blocker, "old"));
    clsXmlResult store(root.Paths());
    const QString path = store.GetFileName(9, QString());
    CollectedMessages capture;
    EXPECT_FALSE(store.XmlSave(path));
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(capture.Messages()[0].title, QStringLiteral("Kestrel / clsXmlResult / XmlSave"));
    EXPECT_EQ(capture.Messages()[0].text,
              QStringLiteral("ファイルの保存に失敗しました。\r\n") + path);
    EXPECT_EQ(ReadBytes(blocker), QByteArray("old"));

    clsXmlSchedule schedule(root.Paths());
    ASSERT_TRUE(WriteBytes(root.SysData(QStringLiteral("totoGOAL3_Schedule")), "x"));
    capture.Clear();
    EXPECT_FALSE(schedule.XmlSave_NoGame(9, QString()));
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(capture.Messages()[0].title,
              QStringLiteral("Kestrel / clsXmlSchedule / XmlSave_NoGame"));
}

TEST(XmlStoreFiles, DeletingAMissingScheduleFileFails) {
    TempRoot root;
    clsXmlSchedule store(root.Paths());
    CollectedMessages capture;
    EXPECT_FALSE(store.XmlDelete_NoGame(8, QStringLiteral("B")));
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(capture.Messages()[0].title,
              QStringLiteral("Kestrel / clsXmlSchedule / XmlDelete_NoGame"));
    EXPECT_EQ(capture.Messages()[0].text, QStringLiteral("ファイルの削除に失敗しました。\r\n") +
                                              store.GetFileName(8, QStringLiteral("B")));
}

} // namespace
