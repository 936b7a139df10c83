#include <gtest/gtest.h>

#include <QFile>
#include <memory>

#include "AppTestSupport.h"
#include "MessageCollector.h"
#include "app/StartupCheck.h"
#include "app/StartupSequence.h"
#include "store/TotoSettings.h"

namespace kestrel {
namespace {

TEST(StartupCheckTest, FirstMissingSystemFileNamesItsMessage) {
    struct Case {
        const char* removed; // "SysData" removes the folder
        const char* message;
    };
    const Case cases[] = {
        {"", ""},
        {"SysData", "システムデータフォルダ(SysData)が見つかりません"},
        {"TeamName.dat", "データファイル(TeamName.dat)が見つかりません"},
        {"TeamName1.dat", "データファイル(TeamName1.dat)が見つかりません"},
        {"TeamName2.dat", "データファイル(TeamName2.dat)が見つかりません"},
        {"J1J2.dat", "データファイル(J1J2.dat)が見つかりません"},
    };
    for (const Case& c : cases) {
        test::DemoRoot root;
        const QString removed = QString::fromUtf8(c.removed);
        if (removed == QStringLiteral("SysData")) {
            QDir(root.SysData()).removeRecursively();
        } else if (!removed.isEmpty()) {
            root.Remove(removed);
        }
        EXPECT_EQ(StartupCheck(root.Paths()), QString::fromUtf8(c.message)) << c.removed;
    }
    // The checks run in order: with two files missing the earlier one is named.
    test::DemoRoot root;
    root.Remove(QStringLiteral("J1J2.dat"));
    root.Remove(QStringLiteral("TeamName1.dat"));
    EXPECT_EQ(StartupCheck(root.Paths()),
              QStringLiteral("データファイル(TeamName1.dat)が見つかりません"));
}

// The start-up reads totoSettings.ini once: a damaged file is reported once, and the window
// still opens on the defaults.
TEST(StartupCheckTest, DamagedOperatorSettingsAreReportedOnce) {
    test::DemoRoot root;
    QFile file(TotoSettings::FilePath(root.Paths()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("Version = one\r\n");
    file.close();
    test::CollectedMessages messages;
    const std::unique_ptr<MainWindow> window =
        OpenMainWindow(root.Paths(), std::make_shared<SystemClock>());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, QStringLiteral("totoSettings.iniファイルが破損しています。"));
}

} // namespace
} // namespace kestrel
