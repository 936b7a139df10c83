#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <vector>

#include "MessageCollector.h"
#include "documents/DocumentRecord.h"
#include "store/clsXmlVote.h"

namespace kestrel::tpdtest {

inline QString DocumentsDir() {
    return QStringLiteral(KESTREL_TEST_DATA "/documents");
}
inline QString Fixture(const QString& name) {
    return DocumentsDir() + QLatin1Char('/') + name;
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

inline QString VoteText(const VoteRecord& vote) {
    clsXmlVote xml{ProgramPaths(QString())};
    xml.SetVote(vote);
    return xml.GetXmlString(false);
}

// Field-by-field comparison; the vote status is compared through its XML text.
inline void ExpectSameDocument(const DocumentRecord& a, const DocumentRecord& b) {
    EXPECT_EQ(a.Kaisaikai, b.Kaisaikai);
    EXPECT_EQ(a.Kumi, b.Kumi);
    EXPECT_EQ(a.VoteTime, b.VoteTime);
    EXPECT_EQ(a.Multi, b.Multi);
    EXPECT_TRUE(a.Conditions == b.Conditions);
    EXPECT_EQ(a.Conditions.Haitou, b.Conditions.Haitou);
    EXPECT_EQ(a.Conditions.Tensho, b.Conditions.Tensho);
    for (int g = 0; g < ConditionSet::kGroupCount; ++g) {
        EXPECT_EQ(a.Conditions.Honmei[g], b.Conditions.Honmei[g]) << "Honmei." << g;
        EXPECT_EQ(a.Conditions.Ninki[g], b.Conditions.Ninki[g]) << "Ninki." << g;
        EXPECT_EQ(a.Conditions.Mark[g], b.Conditions.Mark[g]) << "Mark." << g;
    }
    EXPECT_EQ(a.Settings, b.Settings);
    EXPECT_EQ(a.MsSingleCount, b.MsSingleCount);
    EXPECT_EQ(a.MsSingleFrame, b.MsSingleFrame);
    EXPECT_EQ(a.MsTousen, b.MsTousen);
    EXPECT_EQ(a.SingleFrame, b.SingleFrame);
    EXPECT_EQ(a.Singles, b.Singles);
    EXPECT_EQ(a.SakugenMessage, b.SakugenMessage);
    EXPECT_EQ(VoteText(a.Vote), VoteText(b.Vote));
    EXPECT_TRUE(a.Odds == b.Odds);
    EXPECT_TRUE(a.Conditions.HaitouEv == b.Conditions.HaitouEv);
}

using test::CollectedMessages;

// The document of the hand-written fixture full.tpd.
inline DocumentRecord FullDocument() {
    DocumentRecord d;
    d.Kaisaikai = 57;
    d.Multi = {{{1, 0, 2, 0, 3, 0}, {0, 1, 0, 2, 0, 4}, {5, 0, 6, 0, 1, 0}, {0, 0, 0, 1, 0, 2}}};
    ConditionSet& c = d.Conditions;
    c.Haitou.Enabled = {true, false, true};
    c.Haitou.Flag = {true, true, false};
    c.Haitou.Min = {Money::FromInt(1000), Money::FromRaw(25005000), Money()};
    c.Haitou.Max = {Money::FromInt(9'999'999'999), Money::FromInt(500000),
                    Money::FromRaw(1234567500)};

    ConditionGroup& h0 = c.Honmei[0];
    h0.Enabled = false;
    h0.GameFlg = {true, true, false, false, true, true};
    h0.MarkFlg = {true, false, true, false};
    h0.Cells[0][0] = kCellCross;
    h0.Cells[0][1] = kCellTriangle;
    h0.Cells[6][4] = kCellTriangle;
    h0.Cells[6][5] = kCellCross;
    h0.RowNotes[0] = QStringLiteral("本命メモ");
    h0.RowNotes[5] = QStringLiteral("最後");

    c.Honmei[1].GameFlg = {true, false, true, false, false, false};

    ConditionGroup h3;
    h3.Enabled = true;
    h3.Flag = false;
    h3.RowCount = 2;
    h3.BaseCount = 6;
    h3.GameFlg = {true, false, true, false, true, false};
    h3.MarkFlg = {false, true, true, false};
    h3.PlusFlg[0] = {true, true, false, false, false, false};
    h3.PlusFlg[1] = {false, false, true, true, false, false};
    h3.Cells[0] = {1, 2, 0, 0, 0, 0};
    h3.Cells[2] = {0, 1, 0, 0, 0, 0};
    h3.Cells[6] = {2, 0, 0, 0, 0, 0};
    h3.RowNotes[0] = QStringLiteral("a");
    h3.RowNotes[1] = QStringLiteral("b");
    h3.UpdateRowLabels(ConditionKind::Honmei);
    c.Honmei[3] = h3;

    ConditionGroup& n5 = c.Ninki[5];
    n5.MarkFlg = {false, false, false, true};
    n5.PlusFlg[0][1] = true;
    n5.Cells[1][0] = kCellCross;
    n5.Cells[2][1] = kCellTriangle;
    n5.RowNotes[2] = QStringLiteral("人気");
    n5.UpdateRowLabels(ConditionKind::Ninki);

    ConditionGroup m28;
    m28.Enabled = false;
    m28.Flag = false;
    m28.RowCount = 0;
    m28.BaseCount = 4;
    m28.UpdateRowLabels(ConditionKind::Mark);
    c.Mark[28] = m28;

    c.Tensho.Enabled = false;
    c.Tensho.Cells[1][0] = kCellCross;
    c.Tensho.Cells[2][1] = kCellTriangle;
    c.Tensho.Cells[15][2] = kCellCross;
    c.MachigaiType = 2;
    c.MachigaiList.fill(false);
    c.MachigaiList[0] = c.MachigaiList[1] = c.MachigaiList[11] = true;

    EngineSettings& s = d.Settings;
    s.MsEngine = 3;
    s.BeginCount = 250;
    s.EndCount = 5;
    s.EndTime = 60;
    s.ExGrade2 = true;
    s.ExGrade3 = true;
    s.SeBeginCount = 20;
    s.SeEndTime = 30;
    s.ChushutsuFlag = true;
    s.ChushutsuCount = 15;
    s.ChushutsuType = 2;

    d.MsSingleCount = 729;
    d.MsSingleFrame = {{{100, 200, 300, 400, 500, 600},
                        {1, 2, 3, 4, 5, 6},
                        {0, 0, 0, 0, 0, 0},
                        {7, 8, 9, 10, 11, 12}}};
    d.MsTousen = {12, 34, 56, 78, 90, 11};
    d.SingleFrame = {
        {{1, 2, 0, 1, 2, 1}, {2, 1, 2, 1, 1, 2}, {1, 1, 1, 1, 1, 1}, {1, 1, 2, 2, 1, 1}}};
    d.Singles = {0, 10, 4095, 27, 1024};
    d.SakugenMessage =
        QStringLiteral("条件による削減を開始します\r\n  対象シングル数 729\r\n削減後 5 口\r\n");

    VoteRecord& v = d.Vote;
    v.Kaisaikai = 57;
    v.AsOf = *DateTime::FromParts(2009, 5, 15, 18, 30, 0);
    v.Slots[0].GameDate = *DateTime::FromParts(2009, 5, 16);
    v.Slots[0].GameTime = *DateTime::TimeOnly(13, 0, 0);
    v.Slots[0].Team = QStringLiteral("ＦＣ東京");
    v.Slots[0].Votes[0] = {Money::FromInt(1234567), Money::FromRaw(123400)};
    v.Slots[0].Votes[2] = {Money::FromInt(5), Money::FromRaw(4)};
    v.Slots[0].Votes[3] = {Money::FromInt(100), Money::FromRaw(876596)};
    v.Sales = {Money::FromRaw(1234567895000), Money(), Money::FromInt(1)};
    v.Votes = {Money::FromInt(1234567), Money::FromInt(1), Money::FromInt(2)};
    v.SaleStart = *DateTime::FromParts(2009, 5, 9);
    v.SaleEnd = *DateTime::FromParts(2009, 5, 16, 12, 50, 0);
    return d;
}

} // namespace kestrel::tpdtest
