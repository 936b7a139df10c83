// Hand-written document files against the writer and the reader: exact bytes both ways, the
// type checks, older files without a vote block, and the lenient reading rules.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/TextCodec.h"
#include "documents/clsTFileTPD.h"
#include "test_tpd_support.h"

namespace kestrel {
namespace {

using namespace tpdtest;

QString Decode(const QByteArray& bytes) {
    return TextCodec::DecodeCp932(bytes);
}

TEST(TpdGolden, FullDocumentIsWrittenByteForByte) {
    EXPECT_EQ(TextCodec::EncodeCp932(clsTFileTPD::BuildText(true, FullDocument())),
              ReadBytes(Fixture("full.tpd")));
}

TEST(TpdGolden, NewDocumentWritesAnEmptySingleList) {
    const QByteArray expected = ReadBytes(Fixture("empty_list.tpd"));
    const QString text = clsTFileTPD::BuildText(true, DocumentRecord());
    EXPECT_EQ(TextCodec::EncodeCp932(text), expected);
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nSingleCount = 0\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n<SingleData>\r\n</SingleData>\r\n")));
}

TEST(TpdGolden, DefaultConditionFileHoldsConditionsOnly) {
    DocumentRecord doc = FullDocument();
    doc.Conditions = ConditionSet();
    EXPECT_EQ(TextCodec::EncodeCp932(clsTFileTPD::BuildText(false, doc)),
              ReadBytes(Fixture("default.tpj")));
}

TEST(TpdGolden, FilesLoadIntoTheDocumentsTheyWereWrittenFrom) {
    DocumentRecord full;
    ASSERT_TRUE(clsTFileTPD::ParseText(Decode(ReadBytes(Fixture("full.tpd"))), full));
    ExpectSameDocument(full, FullDocument());

    DocumentRecord empty = FullDocument();
    ASSERT_TRUE(clsTFileTPD::ParseText(Decode(ReadBytes(Fixture("empty_list.tpd"))), empty));
    ExpectSameDocument(empty, DocumentRecord());
    EXPECT_TRUE(empty.Singles.empty());
}

TEST(TpdGolden, SaveAndLoadRoundTripOnDisk) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"full.tpd", "empty_list.tpd", "default.tpj"}) {
        SCOPED_TRACE(name);
        const bool data = QString::fromLatin1(name).endsWith(QStringLiteral(".tpd"));
        clsTFileTPD file;
        DocumentRecord doc;
        ASSERT_TRUE(file.Load(Fixture(name), doc));
        const QString copy = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(file.Save(copy, data, doc));
        EXPECT_EQ(ReadBytes(copy), ReadBytes(Fixture(name)));
    }
}

TEST(TpdGolden, ConditionFileLeavesTheRestOfTheDocument) {
    DocumentRecord doc = FullDocument();
    const DocumentRecord before = doc;
    clsTFileTPD file;
    ASSERT_TRUE(file.Load(Fixture("default.tpj"), doc));
    EXPECT_TRUE(doc.Conditions == ConditionSet());
    DocumentRecord expected = before;
    expected.Conditions = ConditionSet();
    ExpectSameDocument(doc, expected);
}

TEST(TpdGolden, TypeCheckTellsTheKindsApart) {
    CollectedMessages messages;
    clsTFileTPD file;
    int32_t version = -1;
    EXPECT_TRUE(file.DataTypeCheck(Fixture("full.tpd"), true, version));
    EXPECT_EQ(version, 6);
    EXPECT_FALSE(file.DataTypeCheck(Fixture("full.tpd"), false, version));
    EXPECT_TRUE(file.DataTypeCheck(Fixture("default.tpj"), false, version));
    EXPECT_FALSE(file.DataTypeCheck(Fixture("default.tpj"), true, version));
    EXPECT_TRUE(file.DataTypeCheck(Fixture("old_v4.tpd"), true, version));
    EXPECT_EQ(version, 4);
    EXPECT_TRUE(file.DataTypeCheck(Fixture("odd_layout.tpd"), true, version));
    EXPECT_EQ(version, 6);
    // A wrong kind is an answer, not a failure: nothing is reported.
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(TpdGolden, TypeCheckNeedsTheSoftwareLine) {
    CollectedMessages messages;
    clsTFileTPD file;
    int32_t version = 0;
    EXPECT_FALSE(file.DataTypeCheck(Fixture("broken/other_software.tpd"), true, version));
    EXPECT_FALSE(file.DataTypeCheck(Fixture("broken/no_software.tpd"), true, version));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(TpdGolden, TypeCheckReportsShortAndMissingFiles) {
    for (const char* name :
         {"broken/short_header.tpd", "broken/empty.tpd", "missing.tpd", "broken/not_sjis.tpd"}) {
        SCOPED_TRACE(name);
        CollectedMessages messages;
        clsTFileTPD file;
        int32_t version = 0;
        EXPECT_FALSE(file.DataTypeCheck(Fixture(name), true, version));
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_TRUE(messages.Messages()[0].title.endsWith(
            QStringLiteral(" / clsTFileTPD / DataTypeCheck")));
    }
}

TEST(TpdGolden, OlderFileKeepsGroupAndVoteTimeAndTheCurrentVoteStatus) {
    DocumentRecord doc;
    doc.Vote.Kaisaikai = 99;
    doc.Vote.Slots[3].Team = QStringLiteral("現在の投票状況");
    const QString voteBefore = VoteText(doc.Vote);
    clsTFileTPD file;
    ASSERT_TRUE(file.Load(Fixture("old_v4.tpd"), doc));
    EXPECT_EQ(doc.Kumi, QStringLiteral("B"));
    EXPECT_EQ(doc.VoteTime, *DateTime::FromParts(2009, 5, 15, 18, 30, 0));
    EXPECT_EQ(VoteText(doc.Vote), voteBefore);
    EXPECT_EQ(doc.Singles, FullDocument().Singles);
    // Group text and vote time are never written.
    const QString saved = clsTFileTPD::BuildText(true, doc);
    EXPECT_FALSE(saved.contains(QStringLiteral("Kumi")));
    EXPECT_FALSE(saved.contains(QStringLiteral("VoteTime")));
}

TEST(TpdGolden, VoteTimeNothingOrEmptyClearsTheDate) {
    for (const char* value : {"Nothing", ""}) {
        DocumentRecord doc;
        doc.VoteTime = *DateTime::FromParts(2020, 1, 1);
        const QString text =
            QStringLiteral("VoteTime = ") + QString::fromLatin1(value) + QStringLiteral("\r\n");
        ASSERT_TRUE(clsTFileTPD::ParseText(text, doc)) << value;
        EXPECT_TRUE(doc.VoteTime.IsZero()) << value;
    }
}

TEST(TpdGolden, LenientLayoutLoadsTheSame) {
    DocumentRecord doc = FullDocument();
    clsTFileTPD file;
    ASSERT_TRUE(file.Load(Fixture("odd_layout.tpd"), doc));
    // Keys in any order and spacing; keys differing in case are other keys.
    EXPECT_EQ(doc.Kaisaikai, 58);
    EXPECT_EQ(doc.Singles, (std::vector<int32_t>{255, 16, 0}));
    // Only "1" is true; a short Boolean list reads its missing elements as false.
    EXPECT_TRUE(doc.Settings.ExGrade2);
    EXPECT_FALSE(doc.Settings.ExGrade3);
    std::array<bool, 12> machigai{};
    machigai[1] = true;
    EXPECT_EQ(doc.Conditions.MachigaiList, machigai);
    EXPECT_EQ(doc.Conditions.Haitou.Flag, (std::array<bool, 3>{true, false, false}));
    // Group numbers 29 and -1 are ignored; group 7 is replaced as a whole.
    const DocumentRecord full = FullDocument();
    EXPECT_EQ(doc.Conditions.Honmei[28], full.Conditions.Honmei[28]);
    EXPECT_EQ(doc.Conditions.Honmei[0], full.Conditions.Honmei[0]);
    EXPECT_EQ(doc.Conditions.Honmei[7].Cells[6][5], kCellTriangle);
    // Blank report lines are dropped; kept ones end in CR LF.
    EXPECT_EQ(doc.SakugenMessage, QStringLiteral("first\r\nsecond\r\n"));
    // Keys the file does not carry keep the document's values.
    EXPECT_EQ(doc.Multi, full.Multi);
    EXPECT_EQ(doc.Settings.MsEngine, full.Settings.MsEngine);
    EXPECT_EQ(VoteText(doc.Vote), VoteText(full.Vote));
}

TEST(TpdGolden, ReportWithoutFinalLineEndStillClosesItsBlock) {
    DocumentRecord doc;
    doc.SakugenMessage = QStringLiteral("one\r\ntwo");
    DocumentRecord back;
    ASSERT_TRUE(clsTFileTPD::ParseText(clsTFileTPD::BuildText(true, doc), back));
    EXPECT_EQ(back.SakugenMessage, QStringLiteral("one\r\ntwo\r\n"));
}

TEST(TpdGolden, DefaultGroupValuesReadAsDocumented) {
    const QString text = clsTFileTPD::BuildText(false, DocumentRecord());
    EXPECT_TRUE(text.contains(QStringLiteral(
        "\r\nHonmei.0 = 1|1|6|6|111111|1111|100000|010000|001000|000100|000010|000001|"
        "000000,000000,000000,000000,000000,000000,000000|,,,,,\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nTensho = 1|16|3|000,000,000,000,000,000,000,"
                                             "000,000,000,000,000,000,000,000,000\r\n")));
}

} // namespace
} // namespace kestrel
