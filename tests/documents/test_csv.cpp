#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ReductionTestUtil.h"
#include "documents/clsTFileCSV.h"
#include "MessageCollector.h"

namespace kestrel {
namespace {

using test::No;

QString Fixture(const char* name) {
    return QStringLiteral(KESTREL_TEST_DATA "/csv/") + name;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CsvFileTest, SaveWritesOneLinePerSingleAndLoadsBackInOrderWithRepeats) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    const std::vector<int32_t> list = {No({0, 1, 2, 3, 0, 1}), No({3, 3, 3, 3, 3, 3}),
                                       No({0, 1, 2, 3, 0, 1}), 0};
    clsTFileCSV csv;
    ASSERT_TRUE(csv.CsvSave(path, list));
    EXPECT_EQ(ReadBytes(path), QByteArray("0,1,2,3,0,1\r\n3,3,3,3,3,3\r\n0,1,2,3,0,1\r\n"
                                          "0,0,0,0,0,0\r\n"));
    std::vector<int32_t> loaded = {7};
    ASSERT_TRUE(csv.CsvLoad(path, loaded));
    EXPECT_EQ(loaded, list);
}

TEST(CsvFileTest, EmptyListWritesAnEmptyFileThatLoadsAsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.csv"));
    clsTFileCSV csv;
    ASSERT_TRUE(csv.CsvSave(path, {}));
    EXPECT_TRUE(ReadBytes(path).isEmpty());
    std::vector<int32_t> loaded = {1, 2};
    ASSERT_TRUE(csv.CsvLoad(path, loaded));
    EXPECT_TRUE(loaded.empty());
}

TEST(CsvFileTest, LinesWithOtherThanSixFieldsAreSkippedAndBlanksAroundDigitsAllowed) {
    std::vector<int32_t> loaded;
    ASSERT_TRUE(clsTFileCSV().CsvLoad(Fixture("mixed_lines.csv"), loaded));
    EXPECT_EQ(loaded, (std::vector<int32_t>{0, No({2, 2, 2, 2, 2, 2})}));
}

TEST(CsvFileTest, BadFieldsFailTheLoadWithTheReportAndLeaveTheList) {
    for (const char* name : {"not_number.csv", "out_of_range.csv", "negative.csv"}) {
        SCOPED_TRACE(name);
        test::CollectedMessages messages;
        std::vector<int32_t> list = {5, 6};
        EXPECT_FALSE(clsTFileCSV().CsvLoad(Fixture(name), list));
        EXPECT_EQ(list, (std::vector<int32_t>{5, 6}));
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_TRUE(messages.Last().title.endsWith(QStringLiteral("/ clsTFileCSV / CsvLoad_Sub")))
            << messages.Last().title.toStdString();
        EXPECT_TRUE(messages.Last().text.contains(QStringLiteral("2行目")));
    }
}

TEST(CsvFileTest, MissingFileFailsAddAndDelAlikeWithoutChangingTheList) {
    test::CollectedMessages messages;
    clsTFileCSV csv;
    std::vector<int32_t> list = {1, 2, 3};
    EXPECT_FALSE(csv.CsvLoad(Fixture("missing.csv"), list));
    EXPECT_FALSE(csv.CsvAdd(Fixture("missing.csv"), list));
    EXPECT_FALSE(csv.CsvDel(Fixture("missing.csv"), list));
    EXPECT_EQ(list, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(messages.Count(), 3u);
    // An empty list has nothing to delete from: the file is not even read.
    std::vector<int32_t> empty;
    EXPECT_TRUE(csv.CsvDel(Fixture("missing.csv"), empty));
    EXPECT_EQ(messages.Count(), 3u);
}

TEST(CsvFileTest, AddAppendsInFileOrderAndDelRemovesEveryOccurrence) {
    const int32_t a = No({0, 1, 2, 3, 0, 1});
    const int32_t b = No({3, 3, 3, 3, 3, 3});
    clsTFileCSV csv;
    std::vector<int32_t> list = {9};
    ASSERT_TRUE(csv.CsvAdd(Fixture("good.csv"), list));
    EXPECT_EQ(list, (std::vector<int32_t>{9, a, b, a}));

    list = {a, 4, b, 9, a, 4};
    ASSERT_TRUE(csv.CsvDel(Fixture("good.csv"), list));
    EXPECT_EQ(list, (std::vector<int32_t>{4, 9, 4}));

    list = {a, b, b};
    ASSERT_TRUE(csv.CsvDel(Fixture("good.csv"), list));
    EXPECT_TRUE(list.empty());
}

TEST(CsvFileTest, SaveRefusesSingleNumbersOutOfRangeAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    clsTFileCSV csv;
    ASSERT_TRUE(csv.CsvSave(path, {0}));
    test::CollectedMessages messages;
    EXPECT_FALSE(csv.CsvSave(path, {1, 4096}));
    EXPECT_FALSE(csv.CsvSave(path, {-1}));
    EXPECT_EQ(ReadBytes(path), QByteArray("0,0,0,0,0,0\r\n"));
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_TRUE(messages.Last().title.endsWith(QStringLiteral("CsvSave_Sub")));
}

TEST(CsvFileTest, SaveIntoAFolderThatCannotBeCreatedFails) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("file"));
    QFile(blocker).open(QIODevice::WriteOnly);
    test::CollectedMessages messages;
    EXPECT_FALSE(clsTFileCSV().CsvSave(blocker + QStringLiteral("/sub/list.csv"), {0}));
    EXPECT_EQ(messages.Count(), 1u);
}

TEST(CsvFileTest, LongListsReportProgressAndEndAtTheMaximum) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.csv"));
    std::vector<int32_t> list(5000);
    for (size_t i = 0; i < list.size(); ++i) {
        list[i] = static_cast<int32_t>(i % 4096);
    }
    RunControl control;
    std::vector<std::pair<int, int>> ticks;
    control.onProgress = [&](int value, int maximum) { ticks.emplace_back(value, maximum); };
    clsTFileCSV csv(&control);
    ASSERT_TRUE(csv.CsvSave(path, list));
    EXPECT_EQ(csv.Caption(), clsTFileCSV::kCaptionSave);
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.back(), std::make_pair(5000, 5000));
    ticks.clear();
    std::vector<int32_t> loaded;
    ASSERT_TRUE(csv.CsvLoad(path, loaded));
    EXPECT_EQ(csv.Caption(), clsTFileCSV::kCaptionLoad);
    EXPECT_EQ(loaded, list);
    EXPECT_GE(ticks.size(), 5u);
    EXPECT_EQ(ticks.back(), std::make_pair(5000, 5000));
}

TEST(CsvFileNameTest, DefaultNameAndRoundAndGroupFromNames) {
    EXPECT_EQ(clsTFileCSV::GetCsvFileName(45, QString()), QStringLiteral("KST-045.csv"));
    EXPECT_EQ(clsTFileCSV::GetCsvFileName(1234, QStringLiteral("A")),
              QStringLiteral("KST-1234A.csv"));

    EXPECT_EQ(clsTFileCSV::GetKaisaikai(QStringLiteral("kst-123A.csv")), 123);
    EXPECT_EQ(clsTFileCSV::GetKumi(QStringLiteral("kst-123A.csv")), QStringLiteral("A"));
    EXPECT_EQ(clsTFileCSV::GetKumi(QStringLiteral("KST-045b.csv")), QStringLiteral("B"));
    EXPECT_EQ(clsTFileCSV::GetKumi(QStringLiteral("KST-045C.csv")), QString());
    EXPECT_EQ(clsTFileCSV::GetKumi(QStringLiteral("KST-045.csv")), QString());
    EXPECT_EQ(clsTFileCSV::GetKumi(QStringLiteral("X045A.csv")), QString());

    EXPECT_EQ(clsTFileCSV::GetKaisaikai(QStringLiteral("X045.csv")), 45);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai(QStringLiteral("x7.csv")), 7);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai(QStringLiteral("057 mine.csv")), 57);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai(QStringLiteral("/home/u/data/KST-200.csv")), 200);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai(QStringLiteral("C:\\data\\KST-031B.csv")), 31);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai(QStringLiteral("/dir9/list.csv")), 0);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai(QStringLiteral("KST-abc.csv")), 0);
    EXPECT_EQ(clsTFileCSV::GetKaisaikai(QStringLiteral("KST-99999999999.csv")), 0);
}

} // namespace
} // namespace kestrel
