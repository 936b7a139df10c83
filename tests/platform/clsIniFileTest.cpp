#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include "platform/TextFile.h"
#include "platform/clsIniFile.h"

namespace kestrel {
namespace {

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

clsIniFile FromText(const QString& text) {
    clsIniFile ini;
    ini.LoadText(text);
    return ini;
}

TEST(clsIniFileTest, CommentsBlanksAndMalformedLinesAreSkipped) {
    const clsIniFile ini = FromText(U(u";Fernhollow Toto Settings Ini File (totoSettings.ini)\r\n"
                                      u"// a comment with key = value\r\n"
                                      u"   ;indented comment = x\r\n"
                                      u"\r\n"
                                      u"   \t \r\n"
                                      u"no equals sign here\r\n"
                                      u" = value without key\r\n"
                                      u"totoOfficialVoteUrl =\r\n"
                                      u"totoOfficialVoteUrl =    \r\n"
                                      u"Version = 1\r\n"
                                      u"  ＦＣ東京   =   エフシー東京  \r\n"
                                      u"url=https://example.invalid/a?b=c&d=e\r\n"));
    ASSERT_EQ(ini.Entries().size(), 3);
    EXPECT_EQ(ini.Entries()[0].key, "Version");
    EXPECT_EQ(ini.Entries()[0].value, "1");
    EXPECT_EQ(ini.Entries()[1].key, U(u"ＦＣ東京"));
    EXPECT_EQ(ini.Entries()[1].value, U(u"エフシー東京"));
    // Split at the first "=" only.
    EXPECT_EQ(ini.GetValue("url"), "https://example.invalid/a?b=c&d=e");
    // An empty value counts as no entry: the default applies.
    EXPECT_FALSE(ini.Exists("totoOfficialVoteUrl"));
    EXPECT_EQ(ini.GetItem("totoOfficialVoteUrl", "default"), "default");
    EXPECT_FALSE(ini.Exists(U(u"// a comment with key")));
    EXPECT_FALSE(ini.Exists(";indented comment"));
}

TEST(clsIniFileTest, KeysAndValuesIgnoreCaseAndTheFirstMatchWins) {
    const clsIniFile ini = FromText("Version = 1\nVERSION = 2\nG Osaka = Gamba\nGAMBA2 = gamba\n"
                                    "fc = Ｔｏｋｙｏ\n");
    EXPECT_EQ(ini.GetValue("version"), "1");
    EXPECT_EQ(ini.GetItem("vErSiOn", "0"), "1");
    EXPECT_TRUE(ini.ItemExists("VERSION"));
    EXPECT_TRUE(ini.Exists("g osaka"));
    EXPECT_EQ(ini.GetKey("GAMBA"), "G Osaka");
    EXPECT_EQ(ini.GetKeyOfValue("gamba"), "G Osaka");
    EXPECT_TRUE(ini.KeyExists("gAmBa"));
    EXPECT_EQ(ini.GetKey(U(u"ｔｏｋｙｏ")), "fc") << "full-width letters fold case too";
    EXPECT_FALSE(ini.ItemExists("Revision"));
    EXPECT_EQ(ini.GetItem("Revision", "7"), "7");
    EXPECT_EQ(ini.GetValue("Revision"), QString());
    EXPECT_EQ(ini.GetKey("Osaka"), QString()) << "values match whole, not in part";
    EXPECT_FALSE(ini.KeyExists("nobody"));
}

TEST(clsIniFileTest, ReadsShiftJisFilesWithAnyLineEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("TeamName.dat");
    ASSERT_TRUE(
        TextFile::Write(path, U(u"G大阪 = ガンバ大阪\r\nFC東京=ＦＣ東京\nC大阪=セレッソ大阪\r")));
    clsIniFile ini;
    ASSERT_TRUE(ini.Initialize(path));
    EXPECT_TRUE(ini.Enabled());
    EXPECT_EQ(ini.GetKey(U(u"ＦＣ東京")), U(u"FC東京"));
    EXPECT_EQ(ini.GetItem(U(u"C大阪")), U(u"セレッソ大阪"));
    EXPECT_EQ(ini.Entries().size(), 3);

    // A file that cannot be read leaves the reader empty and disabled.
    EXPECT_FALSE(ini.Initialize(dir.filePath("TeamName3.dat")));
    EXPECT_FALSE(ini.Enabled());
    EXPECT_TRUE(ini.Entries().isEmpty());
    EXPECT_EQ(ini.GetItem("G大阪", "none"), "none");

    const QString broken = dir.filePath("broken.dat");
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("a = 1\r\nb = \xa0\xfd\r\n");
    }
    EXPECT_FALSE(ini.Load(broken));
    EXPECT_FALSE(ini.Enabled());
}

TEST(clsIniFileTest, AnEmptyFileIsReadableAndHasNoEntries) {
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.ini");
    ASSERT_TRUE(TextFile::Write(path, QString()));
    clsIniFile ini;
    EXPECT_TRUE(ini.Load(path));
    EXPECT_TRUE(ini.Enabled());
    EXPECT_TRUE(ini.Entries().isEmpty());
}

} // namespace
} // namespace kestrel
