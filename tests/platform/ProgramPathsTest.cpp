#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/ProgramPaths.h"

namespace kestrel {
namespace {

TEST(ProgramPathsTest, FoldersBelowTheRoot) {
    const ProgramPaths paths(QStringLiteral("/opt/kestrel/"));
    EXPECT_EQ(paths.Root(), "/opt/kestrel");
    EXPECT_EQ(paths.SysData(), "/opt/kestrel/SysData");
    EXPECT_EQ(paths.UserData(), "/opt/kestrel/UserData/Kestrel");
    EXPECT_EQ(paths.Temp(), "/opt/kestrel/SysData/Temp");
    EXPECT_EQ(paths.SysDataFile(QStringLiteral("totoGOAL3-Vote\\vote_001_2009-05-16.xml")),
              "/opt/kestrel/SysData/totoGOAL3-Vote/vote_001_2009-05-16.xml");
    EXPECT_EQ(paths.SysDataFile(QStringLiteral("totoSettings.ini")),
              "/opt/kestrel/SysData/totoSettings.ini");
}

TEST(ProgramPathsTest, RelativeAndAbsolutePaths) {
    const ProgramPaths paths(QStringLiteral("/opt/kestrel"));
    EXPECT_EQ(paths.ToAbsolute(QStringLiteral("SysData\\Temp")), "/opt/kestrel/SysData/Temp");
    EXPECT_EQ(paths.ToAbsolute(QStringLiteral("UserData/Kestrel/a.tpd")),
              "/opt/kestrel/UserData/Kestrel/a.tpd");
    EXPECT_EQ(paths.ToAbsolute(QStringLiteral("/home/u/b.tpd")), "/home/u/b.tpd");
    EXPECT_EQ(paths.ToAbsolute(QStringLiteral("/home/u/../v/./b.tpd")), "/home/v/b.tpd");

    EXPECT_EQ(paths.ToRelative(QStringLiteral("/opt/kestrel/UserData/Kestrel/a.tpd")),
              "UserData/Kestrel/a.tpd");
    EXPECT_EQ(paths.ToRelative(QStringLiteral("/opt/kestrel/SysData/../UserData/x.tpj")),
              "UserData/x.tpj");
    // A sibling folder that merely starts with the same letters is not inside the root.
    EXPECT_EQ(paths.ToRelative(QStringLiteral("/opt/kestrel2/a.tpd")), "/opt/kestrel2/a.tpd");
    EXPECT_EQ(paths.ToRelative(QStringLiteral("/opt/kestrel/../a.tpd")), "/opt/a.tpd");
    // Both directions meet again.
    for (const char* rel : {"UserData/Kestrel/a.tpd", "SysData/Temp/result.txt"}) {
        EXPECT_EQ(paths.ToRelative(paths.ToAbsolute(QString::fromUtf8(rel))), rel);
    }
}

TEST(ProgramPathsTest, ARelativeRootIsFixedAgainstTheCurrentFolder) {
    const ProgramPaths paths(QStringLiteral("some/root/."));
    EXPECT_TRUE(QDir::isAbsolutePath(paths.Root()));
    EXPECT_EQ(paths.Root(), QDir::current().absoluteFilePath(QStringLiteral("some/root")));
    EXPECT_EQ(paths.ToRelative(paths.Root() + "/SysData/x"), "SysData/x");
}

TEST(ProgramPathsTest, TheDefaultRootIsTheProgramsFolder) {
    int argc = 1;
    char name[] = "platform_tests";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    const ProgramPaths paths = ProgramPaths::FromExecutable();
    EXPECT_EQ(QFileInfo(paths.Root()).canonicalFilePath(),
              QFileInfo(QStringLiteral(KESTREL_BIN_DIR)).canonicalFilePath());
    EXPECT_EQ(paths.SysData(), paths.Root() + "/SysData");
}

TEST(ProgramPathsTest, EnsureFolderCreatesParents) {
    QTemporaryDir dir;
    const QString deep = dir.filePath(QStringLiteral("UserData/Kestrel/sub"));
    EXPECT_TRUE(ProgramPaths::EnsureFolder(deep));
    EXPECT_TRUE(QFileInfo(deep).isDir());
    EXPECT_TRUE(ProgramPaths::EnsureFolder(deep)) << "an existing folder is fine";

    const QString file = dir.filePath(QStringLiteral("plain"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(ProgramPaths::EnsureFolder(file));
    EXPECT_FALSE(ProgramPaths::EnsureFolder(file + "/below"));
}

} // namespace
} // namespace kestrel
