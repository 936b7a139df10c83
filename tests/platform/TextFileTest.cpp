#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/TextFile.h"

namespace kestrel {
namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray("<unreadable>");
    }
    return file.readAll();
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden);
}

class TextFileTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(TextFileTest, WritesCp932WithCrLfAndReadsBack) {
    const QString path = Path(QStringLiteral("a.txt"));
    const QStringList lines{QStringLiteral("第1回"), QString(), QStringLiteral("①～－ｱ\\")};
    ASSERT_TRUE(TextFile::WriteLines(path, lines));
    EXPECT_EQ(ReadBytes(path).toHex().toStdString(), "91e63189f10d0a0d0a87408160817cb15c0d0a");
    QString text;
    ASSERT_TRUE(TextFile::Read(path, text));
    EXPECT_EQ(text, QString::fromUtf16(u"第1回\r\n\r\n①～－ｱ\\\r\n"));
    EXPECT_EQ(TextFile::SplitLines(text), lines);
}

TEST_F(TextFileTest, WriteKeepsTheTextAsGivenAndCreatesParentFolders) {
    const QString path = Path(QStringLiteral("SysData/Temp/deep/b.ini"));
    ASSERT_TRUE(TextFile::Write(path, QStringLiteral("x=1\ny")));
    EXPECT_EQ(ReadBytes(path), QByteArray("x=1\ny"));
    // Overwriting replaces the whole file and leaves no temporary file behind.
    ASSERT_TRUE(TextFile::Write(path, QStringLiteral("z")));
    EXPECT_EQ(ReadBytes(path), QByteArray("z"));
    EXPECT_EQ(FilesIn(Path(QStringLiteral("SysData/Temp/deep"))), QStringList{"b.ini"});
}

TEST_F(TextFileTest, ReadCutsAtTheFirstNul) {
    const QString path = Path(QStringLiteral("nul.txt"));
    WriteRaw(path, QByteArray("abc\r\n\x82\xa0", 7) + QByteArray(1, '\0') + QByteArray("junk\xff"));
    QString text;
    ASSERT_TRUE(TextFile::Read(path, text));
    EXPECT_EQ(text, QString::fromUtf16(u"abc\r\nあ"));
}

TEST_F(TextFileTest, ReadFailuresLeaveTheTextAlone) {
    QString text = QStringLiteral("before");
    QString error;
    EXPECT_FALSE(TextFile::Read(Path(QStringLiteral("missing.txt")), text, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.txt")));
    EXPECT_EQ(text, QStringLiteral("before"));

    const QString bad = Path(QStringLiteral("bad.txt"));
    WriteRaw(bad, QByteArray("ok\xa0\xfd"));
    error.clear();
    EXPECT_FALSE(TextFile::Read(bad, text, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(text, QStringLiteral("before"));

    // A folder is not a file.
    EXPECT_FALSE(TextFile::Read(m_dir.path(), text));
    EXPECT_EQ(text, QStringLiteral("before"));
}

TEST_F(TextFileTest, ReadRefusesAFileAboveTheLimitBeforeReadingIt) {
    const QString path = Path(QStringLiteral("huge.txt"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(TextFile::kMaxReadBytes + 1)); // sparse, costs no disk
    }
    QString text;
    QString error;
    EXPECT_FALSE(TextFile::Read(path, text, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(TextFileTest, SaveUnderAFileInsteadOfAFolderFails) {
    const QString blocker = Path(QStringLiteral("blocker"));
    WriteRaw(blocker, "old contents");
    QString error;
    EXPECT_FALSE(TextFile::Write(blocker + "/child.txt", QStringLiteral("new"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadBytes(blocker), QByteArray("old contents"));
    EXPECT_FALSE(TextFile::Write(blocker + "/sub/child.txt", QStringLiteral("new")));
    EXPECT_EQ(ReadBytes(blocker), QByteArray("old contents"));
}

TEST_F(TextFileTest, SaveOntoAFolderFailsAndKeepsIt) {
    const QString folder = Path(QStringLiteral("doc.tpd"));
    ASSERT_TRUE(QDir().mkpath(folder + "/inner"));
    EXPECT_FALSE(TextFile::Write(folder, QStringLiteral("new")));
    EXPECT_TRUE(QFileInfo(folder + "/inner").isDir());
}

// Disk full in the middle of a save, simulated with the file-size limit (which also binds root).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool Ok() const { return m_ok; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_ok = false;
};

TEST_F(TextFileTest, SaveThatFailsHalfWayKeepsTheOldFile) {
    const QString path = Path(QStringLiteral("document.tpd"));
    ASSERT_TRUE(TextFile::Write(path, QStringLiteral("old document\r\n")));
    const QString big(200000, QChar(0x3042)); // 400,000 bytes in CP932
    bool written = true;
    QString error;
    {
        FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.Ok());
        written = TextFile::Write(path, big, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(QStringLiteral("document.tpd")));
    EXPECT_EQ(ReadBytes(path), QByteArray("old document\r\n"));
    EXPECT_EQ(FilesIn(m_dir.path()), QStringList{"document.tpd"}) << "no temporary file is left";
    // With room again the same save succeeds.
    EXPECT_TRUE(TextFile::Write(path, big));
    EXPECT_EQ(ReadBytes(path).size(), 400000);
}

TEST_F(TextFileTest, SaveIntoAReadOnlyFolderKeepsTheOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root ignores folder permissions; the half-way failure covers this";
    }
    const QString folder = Path(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/a.txt";
    ASSERT_TRUE(TextFile::Write(path, QStringLiteral("old")));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(TextFile::Write(path, QStringLiteral("new")));
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(ReadBytes(path), QByteArray("old"));
}

TEST(TextFileSplitTest, SplitsAtEveryLineEnd) {
    EXPECT_EQ(TextFile::SplitLines(QStringLiteral("a\r\nb\nc\rd")),
              (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(TextFile::SplitLines(QStringLiteral("a\r\n")), QStringList{"a"});
    EXPECT_EQ(TextFile::SplitLines(QStringLiteral("a\r\n\r\n")), (QStringList{"a", ""}));
    EXPECT_EQ(TextFile::SplitLines(QStringLiteral("\r\nb")), (QStringList{"", "b"}));
    EXPECT_TRUE(TextFile::SplitLines(QString()).isEmpty());
    EXPECT_EQ(TextFile::SplitLines(QStringLiteral("a\n\rb")), (QStringList{"a", "", "b"}));
}

} // namespace
} // namespace kestrel
