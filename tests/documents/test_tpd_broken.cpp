// Broken document files: each load is refused with a report and leaves the document as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "documents/clsTFileTPD.h"
#include "test_tpd_support.h"

namespace kestrel {
namespace {

using namespace tpdtest;

struct BrokenCase {
    const char* file;
    int number; // error number of the report (0: a plain warning)
};

// Names the case by its file, so test names stay the same from build to build.
void PrintTo(const BrokenCase& c, std::ostream* os) {
    *os << c.file;
}

class TpdBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(TpdBroken, LoadIsRefusedAndChangesNothing) {
    const BrokenCase c = GetParam();
    CollectedMessages messages;
    DocumentRecord doc;
    doc.Kaisaikai = 3;
    doc.Singles = {1, 2, 3};
    doc.SakugenMessage = QStringLiteral("before\r\n");
    doc.Conditions.Honmei[0].Cells[1][1] = kCellCross;
    const DocumentRecord before = doc;

    clsTFileTPD file;
    EXPECT_FALSE(file.Load(Fixture(QStringLiteral("broken/") + QString::fromLatin1(c.file)), doc));
    ExpectSameDocument(doc, before);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(messages.Messages()[0].title.endsWith(QStringLiteral(" / clsTFileTPD / Load")));
    EXPECT_EQ(file.LastError().number, c.number);
    if (c.number != 0) {
        EXPECT_EQ(messages.Messages()[0].text,
                  file.LastError().description + QStringLiteral(" ( ") + QString::number(c.number) +
                      QStringLiteral(" )"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, TpdBroken,
    ::testing::Values(BrokenCase{"single_4096.tpd", 9}, BrokenCase{"single_not_hex.tpd", 13},
                      BrokenCase{"single_blank.tpd", 13}, BrokenCase{"count_negative.tpd", 9},
                      BrokenCase{"count_huge.tpd", 9}, BrokenCase{"count_not_number.tpd", 13},
                      BrokenCase{"list_longer.tpd", 9}, BrokenCase{"list_shorter.tpd", 9},
                      BrokenCase{"group_bad_digit.tpd", 13}, BrokenCase{"group_cell_3.tpd", 9},
                      BrokenCase{"group_few_fields.tpd", 9}, BrokenCase{"group_rows_7.tpd", 9},
                      BrokenCase{"group_rows_text.tpd", 13}, BrokenCase{"group_short_cells.tpd", 9},
                      BrokenCase{"tensho_cols_17.tpd", 9}, BrokenCase{"tensho_short.tpd", 13},
                      BrokenCase{"multi_not_number.tpd", 13}, BrokenCase{"multi_code_7.tpd", 9},
                      BrokenCase{"frame_not_number.tpd", 13},
                      BrokenCase{"money_not_number.tpd", 13}, BrokenCase{"integer_overflow.tpd", 6},
                      BrokenCase{"vote_time_bad.tpd", 13}, BrokenCase{"vote_mismatched.tpd", 0},
                      BrokenCase{"vote_bad_value.tpd", 13}, BrokenCase{"ends_in_singles.tpd", 62},
                      BrokenCase{"ends_in_report.tpd", 62}, BrokenCase{"ends_in_vote.tpd", 62},
                      BrokenCase{"not_sjis.tpd", 0}, BrokenCase{"missing.tpd", 53}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) {
        std::string name = info.param.file;
        name = name.substr(0, name.find('.'));
        return name;
    });

TEST(TpdBrokenLines, ErrorNamesTheLine) {
    DocumentRecord doc;
    TpdParseError error;
    const QString text = QStringLiteral("SingleCount = 2\r\n<SingleData>\r\n1\r\n1000\r\n");
    EXPECT_FALSE(clsTFileTPD::ParseText(text, doc, &error));
    EXPECT_EQ(error.line, 4);
    EXPECT_EQ(error.number, 9);
}

TEST(TpdBrokenLines, EveryBrokenFixtureIsCovered) {
    // A new broken fixture must get a case above.
    const QStringList files =
        QDir(Fixture(QStringLiteral("broken"))).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files.size(), 32);
}

TEST(TpdSave, FailureIsReportedOnlyWhenAsked) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A path below a regular file cannot be created.
    const QString blocker = dir.filePath(QStringLiteral("file"));
    ASSERT_TRUE(clsTFileTPD().Save(blocker, true, DocumentRecord()));
    const QString path = blocker + QStringLiteral("/doc.tpd");
    {
        CollectedMessages messages;
        EXPECT_FALSE(clsTFileTPD().Save(path, true, DocumentRecord(), true));
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_TRUE(messages.Messages()[0].title.endsWith(QStringLiteral(" / clsTFileTPD / Save")));
    }
    {
        CollectedMessages messages;
        EXPECT_FALSE(clsTFileTPD().Save(path, true, DocumentRecord(), false));
        EXPECT_TRUE(messages.Messages().empty());
    }
}

TEST(TpdSave, OverwritingReplacesTheWholeFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("doc.tpd"));
    DocumentRecord big = FullDocument();
    big.Singles.assign(3000, 7);
    clsTFileTPD file;
    ASSERT_TRUE(file.Save(path, true, big));
    ASSERT_TRUE(file.Save(path, true, FullDocument()));
    EXPECT_EQ(ReadBytes(path), ReadBytes(Fixture(QStringLiteral("full.tpd"))));
}

} // namespace
} // namespace kestrel
