#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "app/StartupCheck.h"

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

} // namespace
} // namespace kestrel
