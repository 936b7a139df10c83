#include <gtest/gtest.h>

#include <QFile>

#include "MessageCollector.h"
#include "TempRoot.h"
#include "platform/TextFile.h"
#include "workflow/KestrelIni.h"

namespace kestrel {
namespace {

TEST(KestrelIniTest, ReadsKeysWithDefaultsAndReportsDamage) {
    struct Case {
        const char* text; // nullptr: no file
        int32_t round;
        bool download, resultAll;
        int messages;
    };
    const Case cases[] = {
        {nullptr, 1, true, false, 0},
        {"Kaisaikai = 57\r\n", 57, true, false, 0},
        {"Kaisaikai = 1555\r\nDownloadMessage = False\r\nResultAll = TRUE\r\n", 1555, false, true,
         0},
        {"Kaisaikai = 12\r\nDownloadMessage = 0\r\nResultAll = 1\r\n", 12, false, true, 0},
        {"Kaisaikai = abc\r\nDownloadMessage = yes\r\nResultAll = 1\r\n", 1, true, true, 2},
    };
    for (const Case& c : cases) {
        test::TempRoot root;
        const ProgramPaths& paths = root.Paths();
        if (c.text != nullptr) {
            ASSERT_TRUE(TextFile::Write(KestrelIni::FilePath(paths), QString::fromUtf8(c.text)));
        }
        test::CollectedMessages messages;
        const KestrelIni ini = KestrelIni::Load(paths);
        EXPECT_EQ(ini.Kaisaikai, c.round) << (c.text ? c.text : "(none)");
        EXPECT_EQ(ini.DownloadMessage, c.download) << (c.text ? c.text : "(none)");
        EXPECT_EQ(ini.ResultAll, c.resultAll) << (c.text ? c.text : "(none)");
        ASSERT_EQ(static_cast<int>(messages.Count()), c.messages);
        for (const Message& m : messages.Messages()) {
            EXPECT_EQ(m.text, KestrelIni::kDamagedText);
            EXPECT_EQ(m.icon, MessageIcon::Error);
        }
    }
}

TEST(KestrelIniTest, SavedFileReadsBack) {
    test::TempRoot root;
    const ProgramPaths& paths = root.Paths();
    KestrelIni ini;
    ini.Kaisaikai = 1555;
    ini.DownloadMessage = false;
    ini.ResultAll = true;
    ASSERT_TRUE(ini.Save(paths));
    QFile file(KestrelIni::FilePath(paths));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(";Fernhollow Kestrel Ini File (Kestrel.ini)\r\n"
                                         ";Copyright (C) Fernhollow. All rights reserved.\r\n"
                                         "\r\n"
                                         "Kaisaikai = 1555\r\n"
                                         "DownloadMessage = 0\r\n"
                                         "ResultAll = 1\r\n"));
    const KestrelIni back = KestrelIni::Load(paths);
    EXPECT_EQ(back.Kaisaikai, 1555);
    EXPECT_FALSE(back.DownloadMessage);
    EXPECT_TRUE(back.ResultAll);
}

} // namespace
} // namespace kestrel
