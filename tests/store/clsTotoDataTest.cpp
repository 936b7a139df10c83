#include <gtest/gtest.h>

#include <set>

#include "StoreTestSupport.h"
#include "platform/TextCodec.h"
#include "store/clsTotoData.h"
#include "store/frmTeamNameModel.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

class TeamTables : public ::testing::Test {
protected:
    void SetUp() override {
        Write("TeamName.dat", u"鹿島   = 鹿島アントラーズ\r\nC大阪  = セレッソ大阪\r\n"
                              u"FC大阪 = FC大阪\r\n");
        Write("TeamName1.dat", u"大宮   = 大宮アルディージャ\r\n");
        Write("TeamName2.dat", u";overseas\r\nVersion = 3\r\nRevision = 12\r\n"
                               u"草津   = ザスパ草津\r\n");
        Write("J1J2.dat", u"2025J1 = 鹿島,C大阪\r\n2025J3 = FC大阪, 大宮\r\n"
                          u"2009J2 = [草津][大宮]\r\n");
    }
    void Write(const char* name, const char16_t* text) {
        ASSERT_TRUE(WriteBytes(root.SysData(QString::fromLatin1(name)),
                               TextCodec::EncodeCp932(QString::fromUtf16(text))));
    }
    QString UnknownText(const QString& name) const {
        return QStringLiteral("チーム名：") + name +
               QStringLiteral(" が見つかりません。\r\n最新のチーム名データをダウンロードするか"
                              "チーム名を追加して下さい。");
    }
    TempRoot root;
    CollectedMessages capture;
};

TEST_F(TeamTables, ShortNamesComeFromTheTableOfTheRound) {
    clsTotoData data(root.Paths());
    EXPECT_EQ(data.GetShortTeamName(QStringLiteral("鹿島アントラーズ"), 1), QStringLiteral("鹿島"));
    // Round 750 looks in TeamName2.dat only; round 751 in TeamName1.dat, then in TeamName2.dat,
    // whose names the add-team dialog counts as registered.
    EXPECT_EQ(data.GetShortTeamName(QStringLiteral("ザスパ草津"), 750), QStringLiteral("草津"));
    EXPECT_EQ(data.GetShortTeamName(QStringLiteral("大宮アルディージャ"), 751),
              QStringLiteral("大宮"));
    EXPECT_EQ(data.GetShortTeamName(QStringLiteral("ザスパ草津"), 751), QStringLiteral("草津"));
    EXPECT_TRUE(capture.Messages().empty());

    EXPECT_TRUE(data.GetShortTeamName(QStringLiteral("大宮アルディージャ"), 750).isEmpty());
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(capture.Messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(capture.Messages()[0].text, UnknownText(QStringLiteral("大宮アルディージャ")));
    EXPECT_EQ(data.LastUnknownTeamName(), QStringLiteral("大宮アルディージャ"));
}

TEST_F(TeamTables, RoundZeroIsRefusedWithItsOwnTitle) {
    clsTotoData data(root.Paths());
    EXPECT_TRUE(data.GetShortTeamName(QStringLiteral("鹿島アントラーズ"), 0).isEmpty());
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_EQ(capture.Messages()[0].title, QStringLiteral("GetShortTeamName"));
    EXPECT_EQ(capture.Messages()[0].text, QStringLiteral("開催回が不明です"));
    EXPECT_TRUE(data.LastUnknownTeamName().isEmpty());
}

TEST_F(TeamTables, LongNamesLeaguesAndEdition) {
    clsTotoData data(root.Paths());
    EXPECT_EQ(data.GetLongTeamName(QStringLiteral("c大阪")), QStringLiteral("セレッソ大阪"));
    EXPECT_TRUE(data.GetLongTeamName(QStringLiteral("大宮")).isEmpty());
    EXPECT_TRUE(data.ExistsLongTeamName(QStringLiteral("ザスパ草津")));
    EXPECT_FALSE(data.ExistsLongTeamName(QStringLiteral("大宮アルディージャ"))); // TeamName1 only
    EXPECT_EQ(data.GetShortToJ1J2String(QStringLiteral("C大阪"), 2025), QStringLiteral("J1"));
    EXPECT_EQ(data.GetShortToJ1J2String(QStringLiteral("大宮"), 2025), QStringLiteral("J3"));
    EXPECT_EQ(data.GetShortToJ1J2String(QStringLiteral("草津"), 2009), QStringLiteral("J2"));
    EXPECT_TRUE(data.GetShortToJ1J2String(QStringLiteral("鹿島"), 2024).isEmpty());
    EXPECT_TRUE(data.GetShortToJ1J2String(QString(), 2025).isEmpty());
    EXPECT_EQ(data.GetTeamName2Version(), QStringLiteral("3.12"));
}

TEST(TeamTablesMissing, MissingFilesFindNothing) {
    TempRoot root;
    CollectedMessages capture;
    clsTotoData data(root.Paths());
    EXPECT_TRUE(data.GetLongTeamName(QStringLiteral("鹿島")).isEmpty());
    EXPECT_FALSE(data.ExistsLongTeamName(QStringLiteral("鹿島アントラーズ")));
    EXPECT_TRUE(data.GetShortToJ1J2String(QStringLiteral("鹿島"), 2025).isEmpty());
    EXPECT_TRUE(data.GetShortTeamName(QStringLiteral("鹿島アントラーズ"), 5).isEmpty());
    EXPECT_EQ(capture.Messages().size(), 1u);
}

class AddTeam : public TeamTables {
protected:
    QString UserTable() const { return root.SysData(QStringLiteral("TeamName3.dat")); }
    QString LastText() const {
        return capture.Messages().empty() ? QString() : capture.Messages().back().text;
    }
};

TEST_F(AddTeam, FieldsArePrefilledFromTheLastUnknownName) {
    clsTotoData data(root.Paths());
    data.GetShortTeamName(QStringLiteral("ＦＣ岐阜"), 800);
    frmTeamNameModel model(data);
    model.Open();
    EXPECT_EQ(model.Abbreviation, QStringLiteral("FC岐阜"));
    EXPECT_EQ(model.Name, QStringLiteral("ＦＣ岐阜"));
}

TEST_F(AddTeam, RefusedInputsKeepTheDialogOpen) {
    clsTotoData data(root.Paths());
    frmTeamNameModel model(data);
    struct Case {
        const char16_t* abbreviation;
        const char16_t* name;
        const char16_t* message;
    } cases[] = {
        {u"  ", u"FC岐阜", u"略称を入力して下さい。"},
        {u"岐阜", u" ", u"名称を入力して下さい。"},
        {u"ABCDEFG", u"FC岐阜", u"略称は6文字以内で入力して下さい。"},
        {u"岐阜     ", u"FC岐阜", u"略称は6文字以内で入力して下さい。"}, // counted before trimming
        {u"鹿島", u"鹿島アントラーズ", u"名称(鹿島アントラーズ)は既に登録されています。"},
        {u"草津", u"ザスパ草津", u"名称(ザスパ草津)は既に登録されています。"},
    };
    for (const Case& c : cases) {
        model.Abbreviation = QString::fromUtf16(c.abbreviation);
        model.Name = QString::fromUtf16(c.name);
        EXPECT_FALSE(model.Add());
        ASSERT_FALSE(capture.Messages().empty());
        EXPECT_EQ(capture.Messages().back().title, QStringLiteral("入力エラー"));
        EXPECT_EQ(LastText(), QString::fromUtf16(c.message));
    }
    // The user table exists from the first attempt on, holding only its header line.
    EXPECT_EQ(ReadBytes(UserTable()),
              QByteArray(";Fernhollow TeamName User Data File (TeamName3.dat)\r\n"));
}

TEST_F(AddTeam, AddedLineIsPaddedAndTheNameIsKnownAfterwards) {
    clsTotoData data(root.Paths());
    data.GetShortTeamName(QStringLiteral("大宮アルディージャ"), 700);
    frmTeamNameModel model(data);
    model.Abbreviation = QStringLiteral("OMY");
    model.Name = QStringLiteral("大宮アルディージャ"); // known in TeamName1.dat only
    EXPECT_TRUE(model.Add());
    EXPECT_EQ(capture.Messages().back().title, QStringLiteral("チーム名追加"));
    EXPECT_EQ(LastText(), QStringLiteral("チーム名(大宮アルディージャ)を追加しました。"));
    EXPECT_TRUE(data.LastUnknownTeamName().isEmpty());
    EXPECT_EQ(ReadBytes(UserTable()), TextCodec::EncodeCp932(QStringLiteral(
                                          ";Fernhollow TeamName User Data File (TeamName3.dat)\r\n"
                                          "OMY    = 大宮アルディージャ\r\n")));
    EXPECT_EQ(data.GetShortTeamName(QStringLiteral("大宮アルディージャ"), 700),
              QStringLiteral("OMY"));
    model.Abbreviation = QStringLiteral("大宮2");
    EXPECT_FALSE(model.Add()); // now a duplicate
}

TEST_F(AddTeam, ExistingTableWithoutFinalLineEndGetsOne) {
    Write("TeamName3.dat", u";mine\r\nXX = 何か");
    clsTotoData data(root.Paths());
    frmTeamNameModel model(data);
    model.Abbreviation = QStringLiteral("岐阜");
    model.Name = QStringLiteral("FC岐阜");
    EXPECT_TRUE(model.Add());
    EXPECT_EQ(ReadBytes(UserTable()), TextCodec::EncodeCp932(QStringLiteral(
                                          ";mine\r\nXX = 何か\r\n岐阜     = FC岐阜\r\n")));
    EXPECT_EQ(data.GetShortTeamName(QStringLiteral("何か"), 5), QStringLiteral("XX"));
}

// The shipped tables: every club of the league lists has a page name, and page names are unique.
TEST(TeamTablesShipped, LeagueListsAndPageNamesAgree) {
    const ProgramPaths paths(QStringLiteral(KESTREL_SOURCE_DIR "/data"));
    CollectedMessages capture;
    clsTotoData data(paths);
    clsIniFile leagues;
    ASSERT_TRUE(leagues.Load(paths.SysDataFile(QStringLiteral("J1J2.dat"))));
    int clubs = 0;
    for (int league = 1; league <= 3; ++league) {
        const QString list = leagues.GetValue(QStringLiteral("2025J") + QString::number(league));
        for (const QString& shortName : list.split(QLatin1Char(','))) {
            ++clubs;
            EXPECT_LE(shortName.size(), 6) << shortName.toStdString();
            const QString pageName = data.GetLongTeamName(shortName);
            EXPECT_FALSE(pageName.isEmpty()) << shortName.toStdString();
            EXPECT_EQ(data.GetShortTeamName(pageName, 1555), shortName);
            EXPECT_EQ(data.GetShortToJ1J2String(shortName, 2025),
                      QStringLiteral("J") + QString::number(league));
        }
    }
    EXPECT_EQ(clubs, 60);
    clsIniFile main;
    ASSERT_TRUE(main.Load(paths.SysDataFile(QStringLiteral("TeamName.dat"))));
    std::set<QString> pageNames;
    for (const auto& e : main.Entries()) {
        EXPECT_TRUE(pageNames.insert(e.value).second) << e.value.toStdString();
    }
    EXPECT_EQ(data.GetTeamName2Version(), QStringLiteral("1.0"));
    EXPECT_TRUE(capture.Messages().empty());
}

} // namespace

namespace {

// A main team table that is there but cannot be read is named as such, not mistaken for a
// missing team name.
TEST_F(TeamTables, UnreadableMainTableIsReportedByName) {
    ASSERT_TRUE(
        WriteBytes(root.SysData(QStringLiteral("TeamName.dat")), QByteArray("\x82\xff\x81")));
    clsTotoData data(root.Paths());
    ASSERT_EQ(capture.Messages().size(), 1u);
    EXPECT_TRUE(capture.Messages()[0].text.contains(QStringLiteral("TeamName.dat")))
        << capture.Messages()[0].text.toStdString();
    EXPECT_FALSE(capture.Messages()[0].text.contains(QStringLiteral("ダウンロード")));
}

} // namespace
