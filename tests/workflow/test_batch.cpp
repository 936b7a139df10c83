#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "MessageCollector.h"
#include "ReductionTestUtil.h"
#include "documents/clsTFileTPD.h"
#include "workflow/BatchRun.h"

namespace kestrel {
namespace {

class BatchRunTest : public ::testing::Test {
protected:
    QString Document(const QString& name, int32_t method) {
        DocumentRecord record;
        record.Kaisaikai = 7;
        record.Multi = test::Multi({"01", "01", "01", "01", "01", "01"});
        record.Settings.MsEngine = method;
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(clsTFileTPD().Save(path, true, record));
        return path;
    }
    DocumentRecord Saved(const QString& path) {
        DocumentRecord record;
        EXPECT_TRUE(clsTFileTPD().Load(path, record));
        return record;
    }

    QTemporaryDir m_dir;
    ProgramPaths m_paths{m_dir.path()};
    WorkingDocument m_doc;
    SearchDriver m_driver;
    RunControl m_control;
};

TEST_F(BatchRunTest, AddingIgnoresPathsAlreadyListedInAnyLetterCase) {
    BatchRun batch;
    EXPECT_TRUE(batch.AddFile(QStringLiteral("C:\\Data\\KST-001.tpd")));
    EXPECT_FALSE(batch.AddFile(QStringLiteral("c:\\data\\kst-001.TPD")));
    EXPECT_EQ(batch.AddDialogResult(QStringLiteral("C:\\Data") + QChar(0) + "KST-001.tpd" +
                                    QChar(0) + "KST-002.tpd" + QChar(0) + QChar(0)),
              1);
    EXPECT_EQ(batch.AddDialogResult(QStringLiteral("D:\\one.tpd")), 1);
    ASSERT_EQ(batch.Rows().size(), 3u);
    EXPECT_EQ(batch.Rows()[1].Path, QStringLiteral("C:\\Data\\KST-002.tpd"));
    batch.RemoveRows({true, false});
    ASSERT_EQ(batch.Rows().size(), 2u);
    EXPECT_EQ(batch.Rows()[0].Path, QStringLiteral("C:\\Data\\KST-002.tpd"));
}

TEST_F(BatchRunTest, EachFileIsLoadedSearchedAndSavedAndFailuresGoOn) {
    const QString a = Document(QStringLiteral("a.tpd"), 1);
    const QString b = Document(QStringLiteral("b.tpd"), 0);
    const QString broken = m_dir.filePath(QStringLiteral("broken.tpd"));
    ASSERT_TRUE(QFile::copy(a, broken));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("<SingleData>\r\n1\r\n");
    file.close();

    BatchRun batch;
    std::vector<QString> seen;
    batch.SetRowObserver(
        [&](int row) { seen.push_back(batch.Rows()[static_cast<size_t>(row)].State); });
    batch.AddFile(a);
    batch.AddFile(m_dir.filePath(QStringLiteral("missing.tpd")));
    batch.AddFile(broken);
    batch.AddFile(b);
    test::CollectedMessages messages;
    batch.Run(m_doc, m_driver, m_paths, m_control);
    EXPECT_FALSE(batch.Running());
    std::vector<QString> states;
    for (const auto& row : batch.Rows()) {
        states.push_back(row.State);
    }
    EXPECT_EQ(states, (std::vector<QString>{QStringLiteral("成功"), QStringLiteral("失敗"),
                                            QStringLiteral("失敗"), QStringLiteral("成功")}));
    EXPECT_EQ(seen.front(), QStringLiteral("実行中"));
    EXPECT_EQ(seen.size(), 8u);

    const DocumentRecord savedA = Saved(a);
    EXPECT_GT(savedA.SingleCount(), 0);
    EXPECT_LT(savedA.SingleCount(), 64);
    EXPECT_EQ(savedA.MsTousen[0], 64);
    EXPECT_EQ(savedA.MsTousen[4], 64);
    EXPECT_EQ(Saved(b).SingleCount(), 64);
    EXPECT_FALSE(ReportLines(savedA).isEmpty());

    // A second run touches only rows without a state.
    ASSERT_TRUE(QFile::remove(b));
    batch.Run(m_doc, m_driver, m_paths, m_control);
    EXPECT_FALSE(QFile::exists(b));
    EXPECT_EQ(seen.size(), 8u);
}

TEST_F(BatchRunTest, CancelDuringARowKeepsItsFileAndProcessesNoFurtherRows) {
    const QString a = Document(QStringLiteral("a.tpd"), 1);
    const QString b = Document(QStringLiteral("b.tpd"), 1);
    QFile before(a);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytesBefore = before.readAll();
    before.close();
    BatchRun batch;
    batch.AddFile(a);
    batch.AddFile(b);
    batch.SetRowObserver([&](int row) {
        if (row == 0 && batch.Rows()[0].State == BatchRun::kStateRunning) {
            batch.Cancel();
        }
    });
    batch.Run(m_doc, m_driver, m_paths, m_control);
    // Nothing was saved, so the row waits for the next run.
    EXPECT_TRUE(batch.Rows()[0].State.isEmpty());
    QFile after(a);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytesBefore); // the cancelled row's file is not overwritten
    EXPECT_TRUE(batch.Rows()[1].State.isEmpty());
    EXPECT_EQ(Saved(b).SingleCount(), 0); // untouched
    batch.Cancel();                       // not running: nothing happens
    EXPECT_FALSE(batch.Running());

    batch.SetRowObserver({});
    batch.Run(m_doc, m_driver, m_paths, m_control);
    EXPECT_EQ(batch.Rows()[0].State, QStringLiteral("成功"));
    EXPECT_EQ(batch.Rows()[1].State, QStringLiteral("成功"));
    EXPECT_GT(Saved(a).SingleCount(), 0);
}

TEST_F(BatchRunTest, CancelAfterTheEngineConfirmedACoveringSavesThatCovering) {
    const QString a = Document(QStringLiteral("a.tpd"), 2); // trial engine
    const QString b = Document(QStringLiteral("b.tpd"), 2);
    BatchRun batch;
    batch.AddFile(a);
    batch.AddFile(b);
    clsTMsg& log = m_driver.Reduction().Log();
    log.SetObserver([&](clsTMsg::Change change) {
        if (change == clsTMsg::Change::Lines && batch.Running() &&
            log.Text().contains(QStringLiteral("確定"))) {
            batch.Cancel();
        }
    });
    batch.Run(m_doc, m_driver, m_paths, m_control);
    log.SetObserver({});
    EXPECT_EQ(batch.Rows()[0].State, QStringLiteral("成功"));
    EXPECT_TRUE(batch.Rows()[1].State.isEmpty());
    const DocumentRecord saved = Saved(a);
    ASSERT_GT(saved.SingleCount(), 0);
    EXPECT_EQ(saved.MsTousen[0], 64);
    EXPECT_EQ(saved.MsTousen[4], 64); // every single of the multi within one slot: a covering
    EXPECT_EQ(Saved(b).SingleCount(), 0);
}

} // namespace
} // namespace kestrel
