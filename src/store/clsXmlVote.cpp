#include "store/clsXmlVote.h"

#include "store/VoteRecordCheck.h"
#include "store/XmlRecordFormat.h"
#include "store/XmlTextWriter.h"
#include "store/XmlValue.h"

namespace kestrel {

namespace {

using Format = XmlRecordFormat<VoteRecord>;
using Field = Format::Field;
using SlotField = Format::SlotField;

// Goal classes 0..3 as written, and the older names still read.
const QString kGoalNames[4] = {QStringLiteral("<零点>"), QStringLiteral("<一点>"),
                               QStringLiteral("<二点>"), QStringLiteral("<三点以上>")};
const QString kOldGoalNames[4] = {QStringLiteral("<得点0>"), QStringLiteral("<得点1>"),
                                  QStringLiteral("<得点2>"), QStringLiteral("<得点3以上>")};

// Team, dates, then count and rate of each goal class.
std::vector<SlotField> SlotFields() {
    std::vector<SlotField> fields = {
        SlotField::Of(QStringLiteral("<試合開催日>"), &VoteSlot::GameDate),
        SlotField::Of(QStringLiteral("<試合開始予定時間>"), &VoteSlot::GameTime),
        SlotField::Of(QStringLiteral("<チーム>"), &VoteSlot::Team),
    };
    for (int g = 0; g < 4; ++g) {
        auto count = [g](auto& s) -> auto& {
            return s.Votes[g].Count;
        };
        auto rate = [g](auto& s) -> auto& {
            return s.Votes[g].Rate;
        };
        fields.push_back(SlotField::Of(kGoalNames[g] + QStringLiteral("<投票口数>"), count));
        fields.push_back(SlotField::Of(kGoalNames[g] + QStringLiteral("<投票率>"), rate));
        fields.push_back(
            SlotField::OlderName(kOldGoalNames[g] + QStringLiteral("<投票口数>"), count));
        fields.push_back(SlotField::OlderName(kOldGoalNames[g] + QStringLiteral("<投票率>"), rate));
    }
    return fields;
}

// The sales figures 売上金額, 投票口数 and 投票枚数, each as total, multi, single.
Format::Fields SalesFields() {
    const QString figures[3] = {QStringLiteral("<売上金額>"), QStringLiteral("<投票口数>"),
                                QStringLiteral("<投票枚数>")};
    const QString parts[3] = {QStringLiteral("<合計>"), QStringLiteral("<マルチ>"),
                              QStringLiteral("<シングル>")};
    std::array<Money, 3> VoteRecord::*const arrays[3] = {&VoteRecord::Sales, &VoteRecord::Votes,
                                                         &VoteRecord::Tickets};
    Format::Fields fields;
    for (int a = 0; a < 3; ++a) {
        for (int p = 0; p < 3; ++p) {
            fields.push_back(Field::Item(figures[a] + parts[p], arrays[a], p));
        }
    }
    return fields;
}

const Format& VoteFormat() {
    static const Format format{
        .kind = QStringLiteral("Vote"),
        .block = QStringLiteral("投票状況"),
        .head = {Field::Of(QStringLiteral("<販売終了時点>"), &VoteRecord::AsOf)},
        .slot = SlotFields(),
        .tail = Format::Joined({
            SalesFields(),
            Format::SaleDateFields(),
            Format::PayoutDateFields(),
        }),
        .plausible = &VoteRecordCheck::Plausible,
    };
    return format;
}

} // namespace

clsXmlVote::clsXmlVote(ProgramPaths paths)
    : XmlRecordStore(std::move(paths), VoteFormat(), QStringLiteral("clsXmlVote")) {}

QString clsXmlVote::GetArchiveFileName(int32_t round, const DateTime& saleEnd) const {
    return m_paths.SysDataFile(QStringLiteral("totoGOAL3-Vote/vote_") + XmlValue::RoundText(round) +
                               QLatin1Char('_') + saleEnd.Format(QStringLiteral("yyyy-mm-dd")) +
                               QStringLiteral(".xml"));
}

QString clsXmlVote::GetXmlString(bool withHeader) const {
    if (withHeader) {
        return VoteFormat().Text(m_record);
    }
    XmlTextWriter w;
    VoteFormat().WriteBlock(m_record, w);
    return w.Text();
}

bool clsXmlVote::SetXmlString(const QString& text, bool withHeader, QString* valueError) {
    const QString full =
        withHeader ? text
                   : QStringLiteral("<totoGOAL3>\r\n") + text + QStringLiteral("\r\n</totoGOAL3>");
    return VoteFormat().SetText(full, m_record, m_error, valueError);
}

XmlReadStatus clsXmlVote::Parse(const QString& text, VoteRecord& record, XmlFieldError& error) {
    return VoteFormat().Parse(text, record, error);
}

} // namespace kestrel
