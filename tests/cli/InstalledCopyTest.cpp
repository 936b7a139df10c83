#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QProcess>

#include "CliTestSupport.h"
#include "LoopbackServer.h"
#include "store/TotoSettings.h"

namespace kestrel::test {
namespace {

// Every file below a folder with a hash of its bytes, to tell whether the folder changed.
QStringList TreeDigest(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        entries << file + " " +
                       QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
    }
    entries.sort();
    return entries;
}

// Installs the build into a temporary prefix and runs the installed kestrel-cli with a fresh
// home folder: its SysData is created per user from the installed one and all writes land there.
class InstalledCopy : public CliTest {};

TEST_F(InstalledCopy, KeepsSysDataPerUser) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString prefix = dir.path() + "/prefix";
    const QString home = dir.path() + "/home";
    ASSERT_TRUE(QDir().mkpath(home));
    QProcess install;
    install.start(QStringLiteral("cmake"),
                  {"--install", QStringLiteral(KESTREL_BUILD_DIR), "--prefix", prefix});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    const QString installed = prefix + "/share/kestrel/SysData";
    const QString perUser = home + "/.local/share/kestrel/SysData";
    for (const char* file :
         {"/bin/kestrel-cli", "/share/kestrel/SysData/Kestrel.ini",
          "/share/applications/org.kestrel.Kestrel.desktop", "/share/mime/packages/kestrel.xml",
          "/share/icons/hicolor/scalable/apps/org.kestrel.Kestrel.svg",
          "/share/icons/hicolor/48x48/apps/org.kestrel.Kestrel.png",
          "/share/metainfo/org.kestrel.Kestrel.metainfo.xml", "/share/man/man1/kestrel-cli.1.gz",
          "/share/doc/kestrel/copyright"}) {
        EXPECT_TRUE(QFileInfo::exists(prefix + file)) << file;
    }
    const QStringList before = TreeDigest(installed);

    LoopbackServer server;
    server.SetPage("/schedule?holdCntId=1601",
                   ReadBytes(QStringLiteral(KESTREL_TEST_DATA "/net/schedule_1601.html")));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"}) {
        env.remove(name);
    }
    const auto run = [&](const QStringList& args) {
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(prefix + "/bin/kestrel-cli", args);
        EXPECT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), 0)
            << args.join(' ').toStdString() << ": " << cli.readAllStandardError().toStdString();
        return QString::fromUtf8(cli.readAllStandardOutput());
    };

    // First start: the demo round reads from the per-user copy, made from the installed one.
    const QString shown = run({"show", "schedule", "1555"});
    EXPECT_TRUE(shown.contains("1555"));
    EXPECT_EQ(TreeDigest(perUser).size(), before.size());

    // The user's own settings are kept and used: the download address points at the test server.
    TotoSettings settings = TotoSettings::Defaults();
    settings.totoOfficialScheduleUrl = server.Url(QStringLiteral("/schedule?holdCntId="));
    ASSERT_TRUE(settings.Save(perUser + "/totoSettings.ini"));
    run({"fetch", "schedule", "1601"});
    EXPECT_EQ(server.RequestCount(), 1);
    EXPECT_TRUE(QFileInfo::exists(perUser + "/totoGOAL3_Schedule/totogoal3_schedule_1601.xml"));

    // A second start copies nothing over the user's files, not even a newer bundled team table
    // (the command-line tool never offers it).
    const QByteArray ownTable = ReadBytes(perUser + "/TeamName2.dat");
    QFile upgraded(installed + "/TeamName2.dat");
    ASSERT_TRUE(upgraded.open(QIODevice::WriteOnly));
    upgraded.write("Version = 99\r\nRevision = 0\r\n");
    upgraded.close();
    const QStringList bundled = TreeDigest(installed);
    run({"show", "schedule", "1555"});
    EXPECT_TRUE(ReadBytes(perUser + "/totoSettings.ini").contains("127.0.0.1"));
    EXPECT_EQ(ReadBytes(perUser + "/TeamName2.dat"), ownTable);
    EXPECT_FALSE(QFileInfo::exists(perUser + "/TeamName2.dat.bak"));
    EXPECT_EQ(TreeDigest(installed), bundled);
}

} // namespace
} // namespace kestrel::test
