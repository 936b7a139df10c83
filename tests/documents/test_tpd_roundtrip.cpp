// Every save loads back equal (random documents), progress and wait-dialog captions, and the
// value encodings at their edges.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "documents/TpdConditionCodec.h"
#include "documents/TpdValueCodec.h"
#include "documents/clsTFileTPD.h"
#include "test_tpd_support.h"

namespace kestrel {
namespace {

using namespace tpdtest;

class RandomDocument {
public:
    explicit RandomDocument(unsigned seed) : m_rng(seed) {}

    DocumentRecord Make() {
        DocumentRecord d;
        d.Kaisaikai = Int(-5, 2000);
        for (auto& row : d.Multi) {
            for (auto& v : row) {
                v = Int(0, 6);
            }
        }
        ConditionSet& c = d.Conditions;
        for (int i = 0; i < 3; ++i) {
            c.Haitou.Enabled[i] = Bool();
            c.Haitou.Flag[i] = Bool();
            c.Haitou.Min[i] = Money::FromRaw(Int(0, 100000000) * 100LL);
            c.Haitou.Max[i] = Money::FromRaw(static_cast<int64_t>(Int(0, 2000000000)) * 1000);
        }
        for (const ConditionKind kind :
             {ConditionKind::Honmei, ConditionKind::Ninki, ConditionKind::Mark}) {
            for (ConditionGroup& g : c.Groups(kind)) {
                g = Group(kind);
            }
        }
        c.Tensho.Enabled = Bool();
        c.Tensho.Cols = Int(0, 16);
        c.Tensho.Rows = Int(0, 3);
        for (int col = 0; col < c.Tensho.Cols; ++col) {
            for (int r = 0; r < c.Tensho.Rows; ++r) {
                c.Tensho.Cells[col][r] = static_cast<uint8_t>(Int(0, 2));
            }
        }
        c.MachigaiType = Int(0, 2);
        for (bool& b : c.MachigaiList) {
            b = Bool();
        }
        EngineSettings& s = d.Settings;
        s.MsEngine = Int(0, EngineSettings::kMaxMethod);
        s.BeginCount = Int(1, 9999);
        s.EndCount = Int(1, 9999);
        s.EndTime = Int(0, 9999);
        s.ExGrade2 = Bool();
        s.ExGrade3 = Bool();
        s.SeBeginCount = Int(1, 9999);
        s.SeEndTime = Int(0, 9999);
        s.ChushutsuFlag = Bool();
        s.ChushutsuCount = Int(1, 9999);
        s.ChushutsuType = Int(0, 3);
        d.MsSingleCount = Int(0, 4096);
        for (auto& row : d.MsSingleFrame) {
            for (auto& v : row) {
                v = Int(-10, 1000000);
            }
        }
        for (auto& v : d.MsTousen) {
            v = Int(0, 4096);
        }
        d.Singles.resize(static_cast<size_t>(Int(0, 3000)));
        for (auto& v : d.Singles) {
            v = Int(0, 4095);
        }
        for (auto& row : d.SingleFrame) {
            for (auto& v : row) {
                v = Int(0, 3000);
            }
        }
        const int lines = Int(0, 5);
        for (int i = 0; i < lines; ++i) {
            d.SakugenMessage +=
                QStringLiteral("行%1 = 削減 ; <x>").arg(Int(0, 99)) + QStringLiteral("\r\n");
        }
        d.Vote.Kaisaikai = d.Kaisaikai;
        d.Vote.Slots[2].Team = QStringLiteral("チーム");
        d.Vote.Slots[2].Votes[1].Count = Money::FromInt(Int(0, 1000000));
        return d;
    }

private:
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    bool Bool() { return Int(0, 1) == 1; }

    ConditionGroup Group(ConditionKind kind) {
        ConditionGroup g;
        g.Enabled = Bool();
        g.Flag = Bool();
        g.RowCount = Int(0, 6);
        g.BaseCount = Int(0, 6);
        for (bool& b : g.GameFlg) {
            b = Bool();
        }
        for (bool& b : g.MarkFlg) {
            b = Bool();
        }
        for (int r = 0; r < g.RowCount; ++r) {
            for (int b = 0; b < g.BaseCount; ++b) {
                g.PlusFlg[r][b] = Bool();
            }
            for (int t = 0; t < ConditionGroup::kCountValues; ++t) {
                g.Cells[t][r] = static_cast<uint8_t>(Int(0, 2));
            }
            g.RowNotes[r] = Bool() ? QString() : QStringLiteral("注%1").arg(r);
        }
        g.UpdateRowLabels(kind);
        return g;
    }

    std::mt19937 m_rng;
};

TEST(TpdRoundTrip, RandomDocumentsLoadBackEqual) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        DocumentRecord doc = RandomDocument(seed).Make();
        // Every method in turn, the stronger searches 6 and 7 included.
        doc.Settings.MsEngine = static_cast<int32_t>(seed % (EngineSettings::kMaxMethod + 1));
        const QString text = clsTFileTPD::BuildText(true, doc);
        DocumentRecord back;
        TpdParseError error;
        ASSERT_TRUE(clsTFileTPD::ParseText(text, back, &error))
            << error.description.toStdString() << " line " << error.line;
        ExpectSameDocument(back, doc);
        EXPECT_EQ(clsTFileTPD::BuildText(true, back), text);
    }
}

TEST(TpdRoundTrip, ConditionFileCarriesTheConditionsExactly) {
    for (unsigned seed = 100; seed <= 110; ++seed) {
        const DocumentRecord doc = RandomDocument(seed).Make();
        DocumentRecord target = RandomDocument(seed + 1000).Make();
        const DocumentRecord before = target;
        ASSERT_TRUE(clsTFileTPD::ParseText(clsTFileTPD::BuildText(false, doc), target));
        EXPECT_TRUE(target.Conditions == doc.Conditions) << seed;
        DocumentRecord expected = before;
        expected.Conditions = doc.Conditions;
        ExpectSameDocument(target, expected);
    }
}

struct ProgressLog {
    std::vector<std::pair<int, int>> calls;
    RunControl control;
    ProgressLog() {
        control.onProgress = [this](int value, int maximum) { calls.emplace_back(value, maximum); };
    }
};

TEST(TpdProgress, SaveAndLoadReportEvery1001SinglesAndTheEnd) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("p.tpd"));
    DocumentRecord doc;
    doc.Singles.assign(2500, 5);

    ProgressLog saving;
    clsTFileTPD saver(&saving.control);
    ASSERT_TRUE(saver.Save(path, true, doc));
    EXPECT_EQ(saver.Caption(), QStringLiteral("TPDファイルに保存中"));
    const std::vector<std::pair<int, int>> expectedSave = {
        {0, 2500}, {1001, 2500}, {2002, 2500}, {2500, 2500}};
    EXPECT_EQ(saving.calls, expectedSave);

    ProgressLog loading;
    clsTFileTPD loader(&loading.control);
    DocumentRecord back;
    ASSERT_TRUE(loader.Load(path, back));
    EXPECT_EQ(loader.Caption(), QStringLiteral("TPDファイルの読込中"));
    ASSERT_GE(loading.calls.size(), 3u);
    EXPECT_EQ(loading.calls.front(), std::make_pair(0, 2500));
    EXPECT_NE(std::find(loading.calls.begin(), loading.calls.end(), std::make_pair(2002, 2500)),
              loading.calls.end());
    EXPECT_EQ(back.Singles, doc.Singles);

    clsTFileTPD conditions;
    ASSERT_TRUE(conditions.Save(dir.filePath(QStringLiteral("c.tpj")), false, doc));
    EXPECT_EQ(conditions.Caption(), QStringLiteral("TPJファイルに保存中"));
}

TEST(TpdValues, IntegersRefuseWhatIsNotAPlainDecimal) {
    TpdParseError error;
    int32_t v = 77;
    EXPECT_TRUE(TpdValueCodec::ToInt32(u" -2147483648 ", v, error));
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_TRUE(TpdValueCodec::ToInt32(u"+12", v, error));
    EXPECT_EQ(v, 12);
    for (const char16_t* bad : {u"", u"-", u"1.5", u"0x10", u"1 2", u"１２"}) {
        v = 77;
        EXPECT_FALSE(TpdValueCodec::ToInt32(bad, v, error));
        EXPECT_EQ(error.number, 13);
        EXPECT_EQ(v, 77);
    }
    EXPECT_FALSE(TpdValueCodec::ToInt32(u"2147483648", v, error));
    EXPECT_EQ(error.number, 6);
    EXPECT_FALSE(TpdValueCodec::ToInt32(u"99999999999999999999999999", v, error));
    EXPECT_EQ(error.number, 6);
}

TEST(TpdValues, SinglesAreHexadecimalWithinTheNumbering) {
    TpdParseError error;
    int32_t v = -1;
    EXPECT_TRUE(TpdValueCodec::ToSingle(u"fff", v, error));
    EXPECT_EQ(v, 4095);
    EXPECT_TRUE(TpdValueCodec::ToSingle(u"000000000001", v, error));
    EXPECT_EQ(v, 1);
    EXPECT_FALSE(TpdValueCodec::ToSingle(u"1000", v, error));
    EXPECT_EQ(error.number, 9);
    EXPECT_FALSE(TpdValueCodec::ToSingle(u"FFFFFFFFFFFFFFFF", v, error));
    EXPECT_FALSE(TpdValueCodec::ToSingle(u"-1", v, error));
    EXPECT_FALSE(TpdValueCodec::ToSingle(u"&HA", v, error));
    QString out;
    for (const int32_t single : {0, 9, 10, 255, 4095}) {
        TpdValueCodec::AppendSingle(out, single);
        out += QLatin1Char(' ');
    }
    EXPECT_EQ(out, QStringLiteral("0 9 A FF FFF "));
}

TEST(TpdValues, TablesAndListsKeepWhatTheTextDoesNotCover) {
    TpdParseError error;
    ClassSlotTable<int32_t> table{};
    table[3][5] = 9;
    ASSERT_TRUE(TpdValueCodec::ToIntTable(u"1:2,3:4:5:6:7:8:99:100,,", table, 0, 1000, error));
    EXPECT_EQ(table[0][0], 1);
    EXPECT_EQ(table[0][2], 0);
    EXPECT_EQ(table[1][5], 8);
    EXPECT_EQ(table[3][5], 9);
    ASSERT_TRUE(TpdValueCodec::ToIntTable(u"", table, 0, 1000, error));
    EXPECT_EQ(table[0][0], 1);

    std::array<int32_t, 6> list{1, 1, 1, 1, 1, 1};
    ASSERT_TRUE(TpdValueCodec::ToIntList(u"5,6", list, error));
    EXPECT_EQ(list, (std::array<int32_t, 6>{5, 6, 1, 1, 1, 1}));
    EXPECT_FALSE(TpdValueCodec::ToIntList(u"5,,6", list, error));
    EXPECT_EQ(list, (std::array<int32_t, 6>{5, 6, 1, 1, 1, 1}));

    std::array<Money, 3> money{};
    ASSERT_TRUE(TpdValueCodec::ToMoneyList(u"1.5,-2", money, error));
    EXPECT_EQ(money[0], Money::FromRaw(15000));
    EXPECT_EQ(money[1], Money::FromInt(-2));
    EXPECT_EQ(TpdValueCodec::MoneyList(money), QStringLiteral("1.5,-2,0"));
}

TEST(TpdValues, GroupsNeedTheirFieldsAndReplaceWholly) {
    TpdParseError error;
    ConditionGroup group = ConditionGroup::Defaults(ConditionKind::Ninki);
    group.RowNotes[3] = QStringLiteral("old");
    // One row of six base items, notes with more elements than rows.
    ASSERT_TRUE(TpdConditionCodec::ToGroup(u"0|1|1|6|1|11111|111111|1,2,0,0,0,0,0|x,y,z",
                                           ConditionKind::Ninki, group, error));
    EXPECT_FALSE(group.Enabled);
    EXPECT_EQ(group.RowCount, 1);
    EXPECT_EQ(group.GameFlg, (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(group.MarkFlg, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(group.Cells[1][0], kCellTriangle);
    EXPECT_EQ(group.RowNotes[0], QStringLiteral("x"));
    EXPECT_TRUE(group.RowNotes[3].isEmpty());
    EXPECT_FALSE(group.PlusFlg[1][1]);
    // Six-row text missing its notes field.
    const ConditionGroup kept = group;
    EXPECT_FALSE(TpdConditionCodec::ToGroup(
        u"1|1|6|6|111111|1111|100000|010000|001000|000100|000010|000001|000000,000000,000000,"
        u"000000,000000,000000,000000",
        ConditionKind::Honmei, group, error));
    EXPECT_EQ(group, kept);
    EXPECT_FALSE(TpdConditionCodec::ToGroup(u"1|1|-1|6", ConditionKind::Honmei, group, error));
    EXPECT_FALSE(TpdConditionCodec::ToGroup(u"", ConditionKind::Honmei, group, error));
    EXPECT_EQ(group, kept);
}

TEST(TpdValues, LineBreaksAndSeparatorsInNotesCannotBreakTheFile) {
    // A note as typed and as it reads back; the notes beside it keep their rows.
    const struct {
        const char16_t* typed;
        const char16_t* back;
    } cases[] = {
        {u"a\r\n<SingleData>\nb", u"a  <SingleData> b"},
        {u"1,2", u"1，2"},
        {u"x|y|1", u"x｜y｜1"},
        {u",|", u"，｜"},
    };
    for (const auto& c : cases) {
        DocumentRecord doc;
        doc.Conditions.Honmei[4].RowNotes[1] = QString::fromUtf16(c.typed);
        doc.Conditions.Honmei[4].RowNotes[2] = QStringLiteral("next");
        DocumentRecord back;
        ASSERT_TRUE(clsTFileTPD::ParseText(clsTFileTPD::BuildText(true, doc), back));
        const auto& notes = back.Conditions.Honmei[4].RowNotes;
        EXPECT_EQ(notes[1], QString::fromUtf16(c.back));
        EXPECT_EQ(notes[2], QStringLiteral("next"));
        EXPECT_EQ(notes[5], QString());
    }
}

TEST(TpdValues, ScoreGridExtraGroupsAreIgnoredMissingOnesFail) {
    TpdParseError error;
    TenshoGrid grid;
    ASSERT_TRUE(TpdConditionCodec::ToTensho(u"1|2|1|1999,2,0,0", grid, error));
    EXPECT_EQ(grid.Cols, 2);
    EXPECT_EQ(grid.Rows, 1);
    EXPECT_EQ(grid.Cells[0][0], kCellCross);
    EXPECT_EQ(grid.Cells[1][0], kCellTriangle);
    EXPECT_EQ(grid.Cells[2][0], 0);
    EXPECT_TRUE(TpdConditionCodec::ToTensho(u"0|0|0", grid, error));
    EXPECT_FALSE(grid.Enabled);
    EXPECT_FALSE(TpdConditionCodec::ToTensho(u"1|2|1|1", grid, error));
    EXPECT_FALSE(TpdConditionCodec::ToTensho(u"1|2|4|1111,1111", grid, error));
    EXPECT_EQ(grid.Cols, 0);
}

} // namespace
} // namespace kestrel
