// The PDF save's failure message: the program's text, the path and the reason the file system
// gave. Nothing is drawn before the file is open, so no display is needed.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "MessageCollector.h"
#include "print/SheetGeometry.h"
#include "print/SheetPageSource.h"
#include "print/SheetRenderer.h"

namespace kestrel {
namespace {

TEST(SheetRendererTest, FailedPdfSaveSaysWhy) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    struct Case {
        QString path;
        QString reasonStart; // empty: any non-empty reason from the file system
    };
    const Case cases[] = {
        {dir.filePath(QStringLiteral("taken.pdf")), QString()},
        {dir.filePath(QStringLiteral("plain/sub/out.pdf")),
         QStringLiteral("フォルダを作成できません: ")},
    };
    SheetRequest request;
    request.Singles = {0, 1, 2};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        test::CollectedMessages messages;
        SheetPageSource pages(request);
        EXPECT_FALSE(SheetRenderer().WritePdf(c.path, pages, request.Settings));
        ASSERT_EQ(messages.Count(), 1u);
        const QStringList lines = messages.Last().text.split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 3) << messages.Last().text.toStdString();
        EXPECT_EQ(lines[0], QStringLiteral("ファイルの保存に失敗しました。"));
        EXPECT_EQ(lines[1], c.path);
        EXPECT_FALSE(lines[2].isEmpty());
        EXPECT_TRUE(lines[2].startsWith(c.reasonStart)) << lines[2].toStdString();
    }
}

} // namespace
} // namespace kestrel
