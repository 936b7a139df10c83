#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <vector>

#include "core/SingleListCsv.h"
#include "platform/TextFile.h"

using namespace kestrel;

TEST(SingleListCsv, ParsesSixClassesAndRejectsEverythingElse) {
    int32_t no = -1;
    EXPECT_TRUE(SingleListCsv::ParseLine(QStringLiteral("1,2,3,0,1,2"), no));
    EXPECT_EQ(no, 2361);
    EXPECT_TRUE(SingleListCsv::ParseLine(QStringLiteral("3,3,3,3,3,3"), no));
    EXPECT_EQ(no, 4095);
    EXPECT_TRUE(SingleListCsv::ParseLine(QStringLiteral(" 0, 0,0,0,0 ,0"), no));
    EXPECT_EQ(no, 0);

    no = 17;
    for (const char* bad : {"", "1,2,3,0,1", "1,2,3,0,1,2,3", "1,2,4,0,1,2", "1,2,x,0,1,2",
                            "1,2,,0,1,2", "10,2,3,0,1,2", "-1,2,3,0,1,2", "ホーム,1,1,1,1,1"}) {
        EXPECT_FALSE(SingleListCsv::ParseLine(QString::fromUtf8(bad), no)) << bad;
    }
    EXPECT_EQ(no, 17);
}

TEST(SingleListCsv, ReadsAShiftJisFileSkippingOtherLines) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    ASSERT_TRUE(TextFile::WriteLines(
        path, {QStringLiteral("第500回,チーム"), QStringLiteral("0,0,0,0,0,0"), QString(),
               QStringLiteral("1,0,0,0,0,0"), QStringLiteral("1,0,0,0,0,0")}));
    std::vector<int32_t> list{99};
    QString error;
    ASSERT_TRUE(SingleListCsv::Read(path, list, &error)) << error.toStdString();
    EXPECT_EQ(list, (std::vector<int32_t>{99, 0, 1, 1}));

    std::vector<int32_t> untouched{5};
    EXPECT_FALSE(
        SingleListCsv::Read(dir.filePath(QStringLiteral("missing.csv")), untouched, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(untouched, (std::vector<int32_t>{5}));
}

// The rules every command and window share: what is skipped, what makes the list unreadable, and
// the list limit of the data files.
TEST(SingleListCsv, TextsReadWithTheSharedRules) {
    const QString single = QStringLiteral("0,0,0,0,0,0\r\n");
    struct Case {
        const char* name;
        QString text;
        bool ok;
        size_t count;      // singles appended when ok
        const char* error; // part of the reason when not ok
    };
    const Case cases[] = {
        {"header and blank lines skipped", QStringLiteral("第1回,a\r\n\r\n") + single + single,
         true, 2, ""},
        {"line cut at a NUL byte", single + QStringLiteral("1,2") + QString(8, QChar(0)), false, 0,
         "2行目"},
        {"NUL inside a field",
         single + single + QStringLiteral("1,2,3,0,") + QChar(0) + QStringLiteral(",1\r\n"), false,
         0, "3行目"},
        {"field out of range", QStringLiteral("1,2,4,0,1,2\r\n"), false, 0, "「4」"},
        {"exactly the limit", single.repeated(SingleListCsv::kMaxSingles), true,
         size_t{SingleListCsv::kMaxSingles}, ""},
        {"one over the limit", single.repeated(SingleListCsv::kMaxSingles + 1), false, 0,
         "1000000口まで"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int32_t> list;
        QString error;
        EXPECT_EQ(SingleListCsv::ParseText(c.text, list, &error), c.ok) << error.toStdString();
        EXPECT_EQ(list.size(), c.ok ? c.count : 0u);
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << error.toStdString();
    }
}
