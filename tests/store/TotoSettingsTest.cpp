#include <gtest/gtest.h>

#include "StoreTestSupport.h"
#include "platform/TextCodec.h"
#include "store/TotoSettings.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

const QString kHost = QStringLiteral("http://127.0.0.1:8765");

QByteArray Sjis(const QString& text) {
    return TextCodec::EncodeCp932(text);
}

// The file as the program writes it, for the test host.
QString ExpectedDefaultText() {
    const QString base = kHost + QStringLiteral("/dcs/subos/screen/");
    return QStringLiteral(";Fernhollow Toto Settings Ini File (totoSettings.ini)\r\n"
                          ";Copyright (C) Fernhollow. All rights reserved.\r\n"
                          "\r\n"
                          "Version = 1\r\n"
                          "\r\n"
                          ";totoオフィシャル開催情報URL\r\n"
                          "totoOfficialScheduleUrl = ") +
           base +
           QStringLiteral("pi01/spin000/PGSPIN00001DisptotoLotInfo.form?holdCntId=\r\n"
                          ";totoオフィシャル投票状況URL\r\n"
                          "totoOfficialVoteUrl = ") +
           base +
           QStringLiteral("pi09/spin003/PGSPIN00301InitVoteRate.form?holdCntId=\r\n"
                          ";totoオフィシャルくじ結果URL\r\n"
                          "totoOfficialResultUrl = ") +
           base +
           QStringLiteral("pi04/spin011/PGSPIN01101LnkHoldCntLotResultLsttoto.form?holdCntId=\r\n"
                          ";totoオフィシャルURL(toto)\r\n"
                          "totoOfficialTotoUrl = &commodityId=01\r\n"
                          ";totoオフィシャルURL(totoGoal3)\r\n"
                          "totoOfficialTotoGoal3Url = &commodityId=02\r\n"
                          ";totoオフィシャルURL(totoGoal2)\r\n"
                          "totoOfficialTotoGoal2Url = &commodityId=05\r\n"
                          ";totoオフィシャルURL(mini toto-A組)\r\n"
                          "totoOfficialMiniTotoAUrl = &commodityId=06\r\n"
                          ";totoオフィシャルURL(mini toto-B組)\r\n"
                          "totoOfficialMiniTotoBUrl = &commodityId=07\r\n");
}

class TotoSettingsLoad : public ::testing::Test {
protected:
    QString Path() const { return TotoSettings::FilePath(root.Paths()); }
    void Write(const QString& text) { ASSERT_TRUE(WriteBytes(Path(), Sjis(text))); }
    TempRoot root;
    CollectedMessages capture;
};

TEST_F(TotoSettingsLoad, MissingFileIsWrittenWithTheDefaults) {
    const TotoSettings s = TotoSettings::Load(root.Paths(), kHost);
    EXPECT_EQ(s.Version, 1);
    EXPECT_EQ(s.totoOfficialVoteUrl,
              kHost + "/dcs/subos/screen/pi09/spin003/PGSPIN00301InitVoteRate.form?holdCntId=");
    EXPECT_EQ(s.totoOfficialTotoGoal3Url, QStringLiteral("&commodityId=02"));
    EXPECT_EQ(ReadBytes(Path()), Sjis(ExpectedDefaultText()));
    EXPECT_TRUE(capture.Messages().empty());
}

TEST_F(TotoSettingsLoad, ValuesOfAVersionOneFileAreUsedAndKeysIgnoreCase) {
    const QString text =
        QStringLiteral("version = 1\r\n"
                       "TOTOOFFICIALSCHEDULEURL = http://127.0.0.1:9/s?holdCntId=\r\n"
                       "totoOfficialVoteUrl =\r\n"
                       "; totoOfficialResultUrl = http://ignored/\r\n"
                       "totoOfficialMiniTotoBUrl = &commodityId=99\r\n");
    Write(text);
    const TotoSettings s = TotoSettings::Load(root.Paths(), kHost);
    const TotoSettings d = TotoSettings::Defaults(kHost);
    EXPECT_EQ(s.totoOfficialScheduleUrl, QStringLiteral("http://127.0.0.1:9/s?holdCntId="));
    EXPECT_EQ(s.totoOfficialVoteUrl, d.totoOfficialVoteUrl); // key with no value: default
    EXPECT_EQ(s.totoOfficialResultUrl, d.totoOfficialResultUrl);
    EXPECT_EQ(s.totoOfficialMiniTotoBUrl, QStringLiteral("&commodityId=99"));
    EXPECT_EQ(ReadBytes(Path()), Sjis(text)); // not rewritten
}

TEST_F(TotoSettingsLoad, VersionZeroOrNoVersionPutsTheDefaultsBack) {
    for (const QString& text : {QStringLiteral("Version = 0\r\ntotoOfficialTotoUrl = &x=1\r\n"),
                                QStringLiteral("totoOfficialTotoUrl = &x=1\r\n")}) {
        Write(text);
        const TotoSettings s = TotoSettings::Load(root.Paths(), kHost);
        EXPECT_EQ(s.totoOfficialTotoUrl, QStringLiteral("&commodityId=01"));
        EXPECT_EQ(s.Version, 1);
        EXPECT_EQ(ReadBytes(Path()), Sjis(ExpectedDefaultText()));
    }
    EXPECT_TRUE(capture.Messages().empty());
}

TEST_F(TotoSettingsLoad, UnreadableVersionOrFileIsReportedAsBroken) {
    Write(QStringLiteral("Version = one\r\ntotoOfficialTotoUrl = &x=1\r\n"));
    TotoSettings s = TotoSettings::Load(root.Paths(), kHost);
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(capture.Messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(capture.Messages()[0].text,
              QStringLiteral("totoSettings.iniファイルが破損しています。"));
    EXPECT_EQ(s.totoOfficialTotoUrl, QStringLiteral("&x=1")); // the other keys are still read

    // Bytes that are not Shift_JIS: defaults in memory, the file left for the user to inspect.
    const QByteArray broken("Version = 1\r\n\x81\x20\xff\r\n");
    ASSERT_TRUE(WriteBytes(Path(), broken));
    capture.Clear();
    s = TotoSettings::Load(root.Paths(), kHost);
    EXPECT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(s.totoOfficialTotoUrl, QStringLiteral("&commodityId=01"));
    EXPECT_EQ(ReadBytes(Path()), broken);
}

// The page deadline is an optional key in seconds; a value outside 1..3600 or not a number is
// reported once and the default of 120 s stands. The program never writes the key.
TEST_F(TotoSettingsLoad, DownloadDeadlineIsRangeChecked) {
    struct Case {
        const char* line;
        int seconds;
        bool reported;
    };
    const Case cases[] = {
        {"", 120, false},
        {"totoDownloadDeadline = 30\r\n", 30, false},
        {"TOTODOWNLOADDEADLINE = 3600\r\n", 3600, false},
        {"totoDownloadDeadline = 0\r\n", 120, true},
        {"totoDownloadDeadline = 3601\r\n", 120, true},
        {"totoDownloadDeadline = 99999999999\r\n", 120, true},
        {"totoDownloadDeadline = soon\r\n", 120, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        capture.Clear();
        Write(QStringLiteral("Version = 1\r\n") + QString::fromLatin1(c.line));
        const TotoSettings s = TotoSettings::Load(root.Paths(), kHost);
        EXPECT_EQ(s.totoDownloadDeadline, c.seconds);
        EXPECT_EQ(capture.Messages().size(), c.reported ? 1u : 0u);
        EXPECT_FALSE(s.ToText().contains(QStringLiteral("totoDownloadDeadline")));
    }
}

TEST(TotoSettingsShipped, SysDataFileIsTheDefaultLayoutForTheOperatorHost) {
    const ProgramPaths paths(QStringLiteral(KESTREL_SOURCE_DIR "/data"));
    const QByteArray shipped = ReadBytes(TotoSettings::FilePath(paths));
    EXPECT_EQ(shipped, Sjis(TotoSettings::Defaults().ToText()));
}

} // namespace
