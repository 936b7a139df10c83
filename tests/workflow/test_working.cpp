#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "MessageCollector.h"
#include "ReductionTestUtil.h"
#include "documents/clsTFileTPD.h"
#include "platform/TextFile.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"
#include "workflow/WorkingDocument.h"

namespace kestrel {
namespace {

using test::No;

QString Fixture(const char* name) {
    return QStringLiteral(KESTREL_TEST_DATA "/csv/") + name;
}

WorkingDocument ListDocument(std::vector<int32_t> singles) {
    WorkingDocument doc;
    doc.Record.Singles = std::move(singles);
    UpdateSingleFrame(doc);
    return doc;
}

TEST(WorkingDocumentListTest, RemoveRepeatsKeepsFirstOccurrencesAndReportsTheCounts) {
    test::CollectedMessages messages;
    WorkingDocument doc = ListDocument({5, 7, 5, 9, 7});
    EXPECT_TRUE(RemoveRepeats(doc));
    EXPECT_EQ(doc.Record.Singles, (std::vector<int32_t>{5, 7, 9}));
    EXPECT_EQ(doc.Record.SingleFrame, ListDocument({5, 7, 9}).Record.SingleFrame);
    EXPECT_EQ(messages.Last().text,
              QStringLiteral("重複したシングルを消去しました\r\nシングル総数：5 → 3"));
    EXPECT_EQ(messages.Last().icon, MessageIcon::Information);

    EXPECT_FALSE(RemoveRepeats(doc));
    EXPECT_EQ(doc.Record.Singles, (std::vector<int32_t>{5, 7, 9}));
    EXPECT_EQ(messages.Last().text, QStringLiteral("重複したシングルは存在しません"));
}

TEST(WorkingDocumentListTest, AddSingleAppendsZeroAfterAYes) {
    test::CollectedMessages messages;
    WorkingDocument doc = ListDocument({4095});
    FixedPrompt no(PromptAnswer::No);
    EXPECT_FALSE(AddSingle(doc, no));
    EXPECT_EQ(no.LastText(), QStringLiteral("シングルを１口追加します。よろしいですか？"));
    EXPECT_EQ(doc.Record.SingleCount(), 1);
    FixedPrompt yes(PromptAnswer::Yes);
    EXPECT_TRUE(AddSingle(doc, yes));
    EXPECT_EQ(doc.Record.Singles, (std::vector<int32_t>{4095, 0}));
    EXPECT_EQ(doc.Record.SingleFrame, ListDocument({4095, 0}).Record.SingleFrame);
}

TEST(WorkingDocumentListTest, DeleteSinglesNeedsASelectionAndAYes) {
    test::CollectedMessages messages;
    WorkingDocument doc = ListDocument({1, 2, 3, 4});
    FixedPrompt yes(PromptAnswer::Yes);
    EXPECT_FALSE(DeleteSingles(doc, {false, false, false, false}, yes));
    EXPECT_EQ(messages.Last().title, QStringLiteral("選択シングルを削除"));
    EXPECT_EQ(messages.Last().text, QStringLiteral("削除対象のシングルが選択されていません"));
    EXPECT_EQ(yes.AskCount(), 0);

    FixedPrompt no(PromptAnswer::No);
    EXPECT_FALSE(DeleteSingles(doc, {true, false, true, false}, no));
    EXPECT_EQ(doc.Record.SingleCount(), 4);
    EXPECT_TRUE(DeleteSingles(doc, {true, false, true}, yes)); // a shorter selection keeps the rest
    EXPECT_EQ(doc.Record.Singles, (std::vector<int32_t>{2, 4}));
    EXPECT_EQ(doc.Record.SingleFrame, ListDocument({2, 4}).Record.SingleFrame);
}

TEST(WorkingDocumentListTest, CellEditChangesOneSlotAndTheFrameAndAsksWhenLocked) {
    WorkingDocument doc = ListDocument({No({0, 1, 2, 3, 0, 1}), 0});
    doc.EditLock = true;
    FixedPrompt no(PromptAnswer::No);
    EXPECT_FALSE(EditCell(doc, 0, 3, 0, no));
    EXPECT_EQ(no.LastText(),
              QStringLiteral("編集がロックされています。編集のロックを解除しますか？"));
    EXPECT_TRUE(doc.EditLock);
    EXPECT_EQ(doc.Record.Singles[0], No({0, 1, 2, 3, 0, 1}));

    FixedPrompt yes(PromptAnswer::Yes);
    EXPECT_TRUE(EditCell(doc, 0, 3, 0, yes));
    EXPECT_FALSE(doc.EditLock);
    EXPECT_EQ(doc.Record.Singles[0], No({0, 1, 2, 0, 0, 1}));
    EXPECT_EQ(doc.Record.SingleFrame, ListDocument(doc.Record.Singles).Record.SingleFrame);
    EXPECT_EQ(yes.AskCount(), 1);
    EXPECT_TRUE(EditCell(doc, 1, 5, 3, yes)); // unlocked now: no question
    EXPECT_EQ(yes.AskCount(), 1);
    EXPECT_EQ(doc.Record.Singles[1], No({0, 0, 0, 0, 0, 3}));
    EXPECT_FALSE(EditCell(doc, 2, 0, 0, yes));
    EXPECT_FALSE(EditCell(doc, 0, 6, 0, yes));
    EXPECT_FALSE(EditCell(doc, 0, 0, 4, yes));
}

TEST(WorkingDocumentListTest, ClipboardImportReplacesTheListAndReportsTheCount) {
    test::CollectedMessages messages;
    WorkingDocument doc = ListDocument({9, 9});
    EXPECT_FALSE(ClipImport(doc, QStringLiteral("nothing here\r\n012345\r\n")));
    EXPECT_EQ(doc.Record.Singles, (std::vector<int32_t>{9, 9}));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(ClipImport(doc, QStringLiteral("1:000000\r\n2:333333\r\n")));
    EXPECT_EQ(doc.Record.Singles, (std::vector<int32_t>{0, 4095}));
    EXPECT_EQ(doc.Record.SingleFrame, ListDocument({0, 4095}).Record.SingleFrame);
    EXPECT_EQ(messages.Last().text, QStringLiteral("2口取り込みしました"));
}

class WorkingDocumentFileTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    ProgramPaths m_paths{m_dir.path()};
};

TEST_F(WorkingDocumentFileTest, CsvOpenStartsANewDocumentAtTheRoundOfTheFileName) {
    const QString csv = Path(QStringLiteral("kst-045A.csv"));
    ASSERT_TRUE(QFile::copy(Fixture("good.csv"), csv));
    WorkingDocument doc = ListDocument({1});
    doc.Record.Kaisaikai = 12;
    doc.Record.Multi = test::FullMulti();
    doc.FilePath = Path(QStringLiteral("old.tpd"));
    ASSERT_TRUE(CsvOpen(doc, m_paths, csv));
    EXPECT_EQ(doc.Record.Kaisaikai, 45);
    EXPECT_EQ(doc.Record.Multi, MarkTable{});
    EXPECT_TRUE(doc.FilePath.isEmpty());
    const std::vector<int32_t> expected = {No({0, 1, 2, 3, 0, 1}), 4095, No({0, 1, 2, 3, 0, 1})};
    EXPECT_EQ(doc.Record.Singles, expected);
    EXPECT_EQ(doc.Record.SingleFrame, ListDocument(expected).Record.SingleFrame);

    // A file that does not read changes nothing (the work in the window is not thrown away).
    test::CollectedMessages messages;
    WorkingDocument before = doc;
    EXPECT_FALSE(CsvOpen(doc, m_paths, Fixture("out_of_range.csv")));
    EXPECT_EQ(doc.Record.Singles, before.Record.Singles);
    EXPECT_EQ(doc.Record.Kaisaikai, 45);
    EXPECT_EQ(messages.Count(), 1u);
}

TEST_F(WorkingDocumentFileTest, CsvAddAndDelUpdateTheFrame) {
    WorkingDocument doc = ListDocument({0});
    ASSERT_TRUE(CsvAdd(doc, Fixture("good.csv")));
    EXPECT_EQ(doc.Record.SingleCount(), 4);
    ASSERT_TRUE(CsvDel(doc, Fixture("good.csv")));
    EXPECT_EQ(doc.Record.Singles, (std::vector<int32_t>{0}));
    EXPECT_EQ(doc.Record.SingleFrame, ListDocument({0}).Record.SingleFrame);
}

TEST_F(WorkingDocumentFileTest, SaveTakesThePathAndCaptionAndConditionFilesOnlyConditions) {
    WorkingDocument doc = ListDocument({3, 2, 1});
    doc.Record.Kaisaikai = 57;
    doc.Record.Multi = test::FullMulti();
    EXPECT_EQ(WindowCaption(doc), QStringLiteral(" Fernhollow  Kestrel"));
    EXPECT_EQ(DefaultDocumentName(doc), QStringLiteral("KST-057.tpd"));

    doc.Record.Conditions.MachigaiType = 1;
    doc.Record.Conditions.Mark[5].Cells[0][0] = kCellCross;
    ASSERT_TRUE(FileSaveTPD(doc, Path(QStringLiteral("条件.tpj")), false));
    EXPECT_TRUE(doc.FilePath.isEmpty());
    ASSERT_TRUE(FileSaveTPD(doc, Path(QStringLiteral("KST-057.tpd")), true));
    EXPECT_EQ(doc.FilePath, Path(QStringLiteral("KST-057.tpd")));
    EXPECT_EQ(WindowCaption(doc), QStringLiteral(" Fernhollow  Kestrel - [KST-057.tpd]"));
    EXPECT_EQ(WindowCaption(doc, true), QStringLiteral(" Fernhollow  Kestrel - [KST-057.tpd*]"));

    WorkingDocument other = ListDocument({7});
    other.Record.Kaisaikai = 3;
    ASSERT_TRUE(FileLoadTPD(other, m_paths, Path(QStringLiteral("条件.tpj")), false, true));
    EXPECT_EQ(other.Record.Conditions, doc.Record.Conditions);
    EXPECT_EQ(other.Record.Singles, (std::vector<int32_t>{7}));
    EXPECT_EQ(other.Record.Kaisaikai, 3);
    EXPECT_TRUE(other.FilePath.isEmpty());

    ASSERT_TRUE(FileLoadTPD(other, m_paths, Path(QStringLiteral("KST-057.tpd")), true, true));
    EXPECT_EQ(other.Record.Singles, (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(other.Record.Kaisaikai, 57);
    EXPECT_EQ(other.Record.Multi, test::FullMulti());
    EXPECT_EQ(other.FilePath, Path(QStringLiteral("KST-057.tpd")));
}

TEST_F(WorkingDocumentFileTest, WrongKindOrUnreadableFileChangesNothing) {
    WorkingDocument source = ListDocument({1, 2});
    ASSERT_TRUE(FileSaveTPD(source, Path(QStringLiteral("a.tpd")), true));
    ASSERT_TRUE(FileSaveTPD(source, Path(QStringLiteral("a.tpj")), false));

    WorkingDocument doc = ListDocument({9});
    doc.Record.Kaisaikai = 8;
    {
        test::CollectedMessages messages;
        EXPECT_FALSE(FileLoadTPD(doc, m_paths, Path(QStringLiteral("a.tpj")), true, true));
        EXPECT_FALSE(FileLoadTPD(doc, m_paths, Path(QStringLiteral("a.tpd")), false, true));
        ASSERT_EQ(messages.Count(), 2u);
        EXPECT_EQ(messages.Last().title, QStringLiteral("ファイルタイプ警告"));
        EXPECT_EQ(messages.Last().text, QStringLiteral("Kestrelのファイルではありません。"));
        EXPECT_EQ(doc.Record.Singles, (std::vector<int32_t>{9}));
    }
    {
        test::CollectedMessages messages;
        EXPECT_FALSE(FileLoadTPD(doc, m_paths, Path(QStringLiteral("a.tpj")), true, false));
        EXPECT_EQ(messages.Count(), 0u);
    }
    // A data file that ends inside its single block.
    QFile file(Path(QStringLiteral("a.tpd")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes.truncate(bytes.indexOf("</SingleData>"));
    file.resize(0);
    file.write(bytes);
    file.close();
    // A condition file whose group line does not read.
    QString conditions;
    ASSERT_TRUE(TextFile::Read(Path(QStringLiteral("a.tpj")), conditions));
    conditions.replace(QStringLiteral("Honmei.3 = 1|1|6|6|"),
                       QStringLiteral("Honmei.3 = 1|1|x|6|"));
    ASSERT_TRUE(TextFile::Write(Path(QStringLiteral("a.tpj")), conditions));

    // Neither takes the user's unsaved work with it: document, conditions and path stay.
    test::CollectedMessages messages;
    doc.FilePath = Path(QStringLiteral("mine.tpd"));
    doc.Record.Multi = test::FullMulti();
    doc.Record.Conditions.MachigaiType = 2;
    doc.Record.Conditions.Mark[7].Cells[3][1] = kCellCross;
    const WorkingDocument before = doc;
    for (const bool data : {true, false}) {
        const QString file = Path(data ? QStringLiteral("a.tpd") : QStringLiteral("a.tpj"));
        EXPECT_FALSE(FileLoadTPD(doc, m_paths, file, data, true));
        EXPECT_EQ(clsTFileTPD::BuildText(true, doc.Record),
                  clsTFileTPD::BuildText(true, before.Record))
            << data;
        EXPECT_EQ(doc.FilePath, before.FilePath);
        // The message, then the file, the line and the key or block at fault.
        const QStringList text = messages.Last().text.split(QLatin1Char('\n'));
        ASSERT_EQ(text.size(), 2) << messages.Last().text.toStdString();
        EXPECT_EQ(text[0], QStringLiteral("ファイルの読込に失敗しました。"));
        EXPECT_TRUE(text[1].startsWith(QDir::toNativeSeparators(file) + QStringLiteral(": ")))
            << text[1].toStdString();
        EXPECT_TRUE(text[1].endsWith(data ? QStringLiteral("行目: <SingleData>")
                                          : QStringLiteral("行目: Honmei.3")))
            << text[1].toStdString();
    }
}

// Round 30 with a J1 team in slot 1, a J2 team in slot 2 and a team of neither in slot 3; the
// league lists of its year name them.
class J1J2GroupTest : public WorkingDocumentFileTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(ProgramPaths::EnsureFolder(m_paths.SysData()));
        ASSERT_TRUE(TextFile::Write(m_paths.SysDataFile(QStringLiteral("J1J2.dat")),
                                    QStringLiteral("2025J1 = 鹿島,浦和\r\n2025J2 = 札幌\r\n")));
        ScheduleRecord schedule;
        schedule.Kaisaikai = 30;
        const char* teams[] = {"鹿島", "札幌", "水戸", "", "", ""};
        for (int t = 0; t < 6; ++t) {
            schedule.Slots[static_cast<size_t>(t)].Team = QString::fromUtf8(teams[t]);
            schedule.Slots[static_cast<size_t>(t)].GameDate =
                *DateTime::FromParts(2025, 5, 17, 0, 0);
        }
        clsXmlSchedule store(m_paths);
        store.SetSchedule(schedule);
        ASSERT_TRUE(store.XmlSave(store.GetFileName(30, QString())));
    }

    static void ExpectAssigned(const ConditionSet& c, const char* step) {
        const std::array<bool, 6> j1 = {true, false, false, false, false, false};
        const std::array<bool, 6> j2 = {false, true, false, false, false, false};
        for (const ConditionKind kind :
             {ConditionKind::Honmei, ConditionKind::Ninki, ConditionKind::Mark}) {
            EXPECT_EQ(c.Groups(kind)[ConditionSet::kJ1Group].GameFlg, j1) << step;
            EXPECT_EQ(c.Groups(kind)[ConditionSet::kJ2Group].GameFlg, j2) << step;
            EXPECT_EQ(c.Groups(kind)[0].GameFlg, (std::array<bool, 6>{1, 1, 1, 1, 1, 1})) << step;
        }
    }
};

TEST_F(J1J2GroupTest, EveryResetAndRoundChangeTicksTheRoundsJ1AndJ2Teams) {
    const QString csv = Path(QStringLiteral("KST-030.csv"));
    ASSERT_TRUE(QFile::copy(Fixture("good.csv"), csv));
    // A condition file written before the groups were stored: the reset conditions stand.
    QString text = clsTFileTPD::BuildText(false, DocumentRecord());
    QStringList kept;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (!line.contains(QRegularExpression(QStringLiteral("^(Honmei|Ninki|Mark)\\.[12] ")))) {
            kept << line;
        }
    }
    const QString tpj = Path(QStringLiteral("old.tpj"));
    ASSERT_TRUE(TextFile::Write(tpj, kept.join(QStringLiteral("\r\n"))));

    const struct {
        const char* step;
        std::function<bool(WorkingDocument&)> run;
    } steps[] = {
        {"round change",
         [&](WorkingDocument& d) {
             SetKaisaikai(d, m_paths, 30);
             return true;
         }},
        {"new document",
         [&](WorkingDocument& d) {
             NewDocument(d, m_paths);
             return true;
         }},
        {"CSV opened", [&](WorkingDocument& d) { return CsvOpen(d, m_paths, csv); }},
        {"condition file",
         [&](WorkingDocument& d) { return FileLoadTPD(d, m_paths, tpj, false, true); }},
    };
    for (const auto& step : steps) {
        WorkingDocument doc;
        SetKaisaikai(doc, m_paths, 30);
        doc.Record.Conditions = ConditionSet(); // groups "J1" and "J2" count no team
        ASSERT_TRUE(step.run(doc)) << step.step;
        ExpectAssigned(doc.Record.Conditions, step.step);
    }
}

VoteRecord VoteWithSales(int32_t round, int64_t sales, DateTime asOf) {
    VoteRecord vote = test::Vote({10, 20, 30, 40});
    vote.Kaisaikai = round;
    vote.AsOf = asOf;
    vote.Sales = {Money::FromInt(sales), Money(), Money()};
    return vote;
}

TEST_F(WorkingDocumentFileTest, VoteStatusComesFromTheFileOrForOlderFilesFromTheArchive) {
    const DateTime saleEnd = *DateTime::FromParts(2009, 5, 16, 13, 0);
    clsXmlVote store(m_paths);
    store.SetVote(VoteWithSales(45, 111, *DateTime::FromParts(2009, 5, 15, 9, 0)));
    ASSERT_TRUE(store.XmlSave(store.GetFileName(45, QString())));
    store.SetVote(VoteWithSales(45, 999, saleEnd));
    ASSERT_TRUE(store.XmlSave(store.GetArchiveFileName(45, saleEnd)));

    WorkingDocument source;
    source.Record.Kaisaikai = 45;
    source.Record.Vote = VoteWithSales(45, 555, *DateTime::FromParts(2009, 5, 16, 12, 0));
    const QString newer = Path(QStringLiteral("newer.tpd"));
    ASSERT_TRUE(FileSaveTPD(source, newer, true));

    WorkingDocument doc;
    ASSERT_TRUE(FileLoadTPD(doc, m_paths, newer, true, true));
    EXPECT_EQ(doc.Record.Vote.Sales[0], Money::FromInt(555));

    // The same document as an older program wrote it: no vote block, the vote time as a key.
    QString text = clsTFileTPD::BuildText(true, source.Record);
    text.truncate(text.indexOf(QStringLiteral("<投票状況>")));
    text.replace(QStringLiteral("DataVersion = 6"), QStringLiteral("DataVersion = 4"));
    text.replace(QStringLiteral("Kaisaikai = 45"),
                 QStringLiteral("Kaisaikai = 45\r\nVoteTime = 2009/05/16 13:00:00"));
    const QString older = Path(QStringLiteral("older.tpd"));
    ASSERT_TRUE(TextFile::Write(older, text));
    ASSERT_TRUE(FileLoadTPD(doc, m_paths, older, true, true));
    EXPECT_EQ(doc.Record.Vote.Sales[0], Money::FromInt(999));

    // Without an archive for that time the round's stored vote status stays.
    text.replace(QStringLiteral("2009/05/16 13:00:00"), QStringLiteral("2009/05/17 13:00:00"));
    ASSERT_TRUE(TextFile::Write(older, text));
    ASSERT_TRUE(FileLoadTPD(doc, m_paths, older, true, true));
    EXPECT_EQ(doc.Record.Vote.Sales[0], Money::FromInt(111));
}

} // namespace
} // namespace kestrel
