#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "MessageCollector.h"
#include "platform/TextFile.h"
#include "results/clsTResult.h"

using namespace kestrel;

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return f.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(TextFile::WriteBytes(path, bytes));
}

QByteArray Fixture(const QString& name) {
    return ReadBytes(QStringLiteral(KESTREL_TEST_DATA "/results/") + name);
}

class ResultTempFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        panel.Initialize();
    }

    QTemporaryDir dir;
    ProgramPaths paths{dir.path()};
    clsTResult panel{paths};
    test::CollectedMessages messages;
};

} // namespace

TEST_F(ResultTempFile, PathCarriesRoundAndGroup) {
    EXPECT_EQ(clsTResult::ResultTempPath(paths, 7, QString()),
              paths.Temp() + "/Kestrel_Result_007.dat");
    EXPECT_EQ(clsTResult::ResultTempPath(paths, 1234, "A"),
              paths.Temp() + "/Kestrel_Result_1234_A.dat");
    // A group that would leave the folder names no file at all.
    EXPECT_EQ(clsTResult::ResultTempPath(paths, 163, "../x"), "");
    EXPECT_EQ(clsTResult::ResultTempPath(paths, 163, "a/b"), "");
}

TEST_F(ResultTempFile, Round163SavesEditsAndLoadsThemOnTheNextRebuild) {
    panel.SetResultData(163, QString(), ResultRecord{}, false);
    panel.SetSingle({0, 1});
    panel.MarkLeftClick(0, 1);
    panel.MarkRightClick(2);
    panel.SetPopup(0);
    const QString path = paths.Temp() + "/Kestrel_Result_163.dat";
    EXPECT_EQ(ReadBytes(path), Fixture("Kestrel_Result_163.dat"));

    clsTResult again{paths};
    again.Initialize();
    again.SetResultData(163, QString(), ResultRecord{}, false);
    EXPECT_EQ(again.Marks()[0], (std::array<uint8_t, 4>{0, 2, 0, 0}));
    EXPECT_EQ(again.Marks()[2], (std::array<uint8_t, 4>{3, 3, 3, 3}));
    again.SetSingle({0, 1});
    EXPECT_EQ(again.Counts()[0], 1);
    EXPECT_EQ(again.Counts()[1], 1);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ResultTempFile, Round162UsesMarksButNeverSavesThem) {
    panel.SetResultData(162, QString(), ResultRecord{}, false);
    panel.SetSingle({0, 1});
    panel.MarkLeftClick(0, 1);
    EXPECT_EQ(panel.Counts()[0], 1);
    EXPECT_FALSE(QFile::exists(paths.Temp() + "/Kestrel_Result_162.dat"));
    EXPECT_FALSE(QDir(paths.Temp()).exists());

    // A file that is already there is read, though.
    WriteBytes(paths.Temp() + "/Kestrel_Result_162_B.dat", Fixture("Kestrel_Result_163.dat"));
    panel.SetResultData(162, "B", ResultRecord{}, false);
    EXPECT_EQ(panel.Marks()[0], (std::array<uint8_t, 4>{0, 2, 0, 0}));
}

TEST_F(ResultTempFile, OfficialResultDeletesTheFile) {
    const QString path = paths.Temp() + "/Kestrel_Result_170.dat";
    WriteBytes(path, Fixture("Kestrel_Result_163.dat"));
    ResultRecord result;
    result.Kaisaikai = 170;
    panel.SetResultData(170, QString(), result, false);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(panel.Marks()[0], (std::array<uint8_t, 4>{0, 0, 0, 0}));
    // With the official result known, edits are not saved either.
    panel.MarkLeftClick(0, 0);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ResultTempFile, CorruptFileKeepsWhatWasReadAndReports) {
    const QString path = paths.Temp() + "/Kestrel_Result_180.dat";
    WriteBytes(path, Fixture("Kestrel_Result_corrupt.dat"));
    panel.SetResultData(180, QString(), ResultRecord{}, false);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].title, "Kestrel / clsTResult / LoadResultTemp");
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(messages.Messages()[0].text.startsWith("ファイルの読込に失敗しました。\r\n"));
    // Rows 1 and 2 as written; row 3 up to the value 5 that is out of range; the rest empty.
    EXPECT_EQ(panel.Marks()[0], (std::array<uint8_t, 4>{0, 2, 0, 0}));
    EXPECT_EQ(panel.Marks()[1], (std::array<uint8_t, 4>{3, 3, 3, 3}));
    EXPECT_EQ(panel.Marks()[2], (std::array<uint8_t, 4>{2, 0, 0, 0}));
    EXPECT_EQ(panel.Marks()[3], (std::array<uint8_t, 4>{0, 0, 0, 0}));
}

TEST_F(ResultTempFile, ShortOrNonNumericFilesAreRefusedToo) {
    const QString path = paths.Temp() + "/Kestrel_Result_181.dat";
    WriteBytes(path, "0,2,0,0\r\n0,0,x,0\r\n");
    panel.SetResultData(181, QString(), ResultRecord{}, false);
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(panel.Marks()[0], (std::array<uint8_t, 4>{0, 2, 0, 0}));
    EXPECT_EQ(panel.Marks()[1], (std::array<uint8_t, 4>{0, 0, 0, 0}));

    WriteBytes(path, "0,2,0,0\r\n0,0,1\r\n");
    panel.SetResultData(181, QString(), ResultRecord{}, false);
    EXPECT_EQ(messages.Messages().size(), 2u);
    WriteBytes(path, "0,1,0,0\r\n-1,0,0,0\r\n");
    panel.SetResultData(181, QString(), ResultRecord{}, false);
    EXPECT_EQ(messages.Messages().size(), 3u);
    WriteBytes(path, "1,0,0,0\r\n");
    panel.SetResultData(181, QString(), ResultRecord{}, false);
    EXPECT_EQ(messages.Messages().size(), 4u);
    EXPECT_EQ(panel.Marks()[0], (std::array<uint8_t, 4>{1, 0, 0, 0}));
}

namespace {

// Reveals rebuild the marks from the file again: a bad file is still reported only once, and the
// panel says the grading rests on part of it.
TEST_F(ResultTempFile, BadFileIsReportedOnceAcrossRebuilds) {
    const QString path = paths.Temp() + "/Kestrel_Result_182.dat";
    WriteBytes(path, Fixture("Kestrel_Result_corrupt.dat"));
    panel.SetResultData(182, QString(), ResultRecord{}, false);
    panel.SetNextData();
    panel.SetNextData();
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(panel.ResultTempFailed());
    WriteBytes(path, Fixture("Kestrel_Result_163.dat"));
    panel.SetResultData(182, QString(), ResultRecord{}, false);
    EXPECT_FALSE(panel.ResultTempFailed());
}

} // namespace
