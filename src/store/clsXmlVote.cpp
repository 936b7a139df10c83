#include "store/clsXmlVote.h"

#include "store/VoteRecordCheck.h"
#include "store/XmlRoundDates.h"
#include "store/XmlStoreFile.h"
#include "store/XmlTextWriter.h"
#include "store/XmlValue.h"

namespace kestrel {

namespace {

const QString kFolder = QStringLiteral("totoGOAL3_Vote");
const QString kPrefix = QStringLiteral("totogoal3_vote_");
const QString kBlock = QStringLiteral("<投票状況>");
const QString kSlotElement = QStringLiteral("<指定試合>");

// Goal classes 0..3 as written, and the older names still read.
const QString kGoalNames[4] = {QStringLiteral("零点"), QStringLiteral("一点"),
                               QStringLiteral("二点"), QStringLiteral("三点以上")};
const QString kOldGoalNames[4] = {QStringLiteral("得点0"), QStringLiteral("得点1"),
                                  QStringLiteral("得点2"), QStringLiteral("得点3以上")};
// The three sales figures and their parts: total, multi, single.
const QString kSalesNames[3] = {QStringLiteral("売上金額"), QStringLiteral("投票口数"),
                                QStringLiteral("投票枚数")};
const QString kPartNames[3] = {QStringLiteral("合計"), QStringLiteral("マルチ"),
                               QStringLiteral("シングル")};

QString Tag(const QString& name) {
    return QLatin1Char('<') + name + QLatin1Char('>');
}

class VoteFields {
public:
    explicit VoteFields(VoteRecord& record) : m_record(record) {}

    bool Take(const QString& path, const QString& value, XmlFieldError& error) {
        if (path.startsWith(kSlotElement)) {
            return TakeSlot(path.mid(kSlotElement.size()), value, error);
        }
        if (path == QStringLiteral("<開催回>")) {
            return XmlValue::ToInt32(value, m_record.Kaisaikai, error);
        }
        if (path == QStringLiteral("<組>")) {
            m_record.Kumi = value;
            return true;
        }
        if (Money* money = SalesField(path)) {
            return XmlValue::ToMoney(value, *money, error);
        }
        DateTime* date = DateField(path);
        return date == nullptr || XmlValue::ToDate(value, *date, error);
    }

private:
    Money* SalesField(const QString& path) {
        std::array<Money, 3>* arrays[3] = {&m_record.Sales, &m_record.Votes, &m_record.Tickets};
        for (int a = 0; a < 3; ++a) {
            for (int p = 0; p < 3; ++p) {
                if (path == Tag(kSalesNames[a]) + Tag(kPartNames[p])) {
                    return &(*arrays[a])[p];
                }
            }
        }
        return nullptr;
    }

    DateTime* DateField(const QString& path) {
        if (path == QStringLiteral("<販売終了時点>")) {
            return &m_record.AsOf;
        }
        return RoundDateField(path, m_record);
    }

    // The vote field of a slot path below the goal-class element, or null.
    Money* GoalField(VoteSlot& slot, const QString& field) {
        for (int g = 0; g < 4; ++g) {
            for (const QString& name : {kGoalNames[g], kOldGoalNames[g]}) {
                if (field == Tag(name) + QStringLiteral("<投票口数>")) {
                    return &slot.Votes[g].Count;
                }
                if (field == Tag(name) + QStringLiteral("<投票率>")) {
                    return &slot.Votes[g].Rate;
                }
            }
        }
        return nullptr;
    }

    bool TakeSlot(const QString& field, const QString& value, XmlFieldError& error) {
        if (field == QStringLiteral("<番号>")) {
            return XmlValue::ToSlotIndex(value, m_slot, error);
        }
        const bool plain = field == QStringLiteral("<チーム>") ||
                           field == QStringLiteral("<試合開催日>") ||
                           field == QStringLiteral("<試合開始予定時間>");
        VoteSlot probe;
        if (!plain && GoalField(probe, field) == nullptr) {
            return true;
        }
        if (m_slot < 0) {
            error = XmlFieldError::OutOfRange();
            return false;
        }
        VoteSlot& slot = m_record.Slots[m_slot];
        if (field == QStringLiteral("<チーム>")) {
            slot.Team = value;
            return true;
        }
        if (field == QStringLiteral("<試合開催日>")) {
            return XmlValue::ToDate(value, slot.GameDate, error);
        }
        if (field == QStringLiteral("<試合開始予定時間>")) {
            return XmlValue::ToDate(value, slot.GameTime, error);
        }
        return XmlValue::ToMoney(value, *GoalField(slot, field), error);
    }

    VoteRecord& m_record;
    int m_slot = -1;
};

void WriteBlock(const VoteRecord& r, XmlTextWriter& w) {
    w.Open(QStringLiteral("投票状況"));
    w.Element(QStringLiteral("開催回"), QString::number(r.Kaisaikai));
    if (!r.Kumi.isEmpty()) {
        w.Element(QStringLiteral("組"), r.Kumi);
    }
    w.Element(QStringLiteral("販売終了時点"), XmlValue::FromDate(r.AsOf));
    for (int i = 0; i < static_cast<int>(r.Slots.size()); ++i) {
        const VoteSlot& s = r.Slots[i];
        w.Open(QStringLiteral("指定試合"));
        w.Element(QStringLiteral("番号"), QString::number(i + 1));
        w.Element(QStringLiteral("試合開催日"), XmlValue::FromDate(s.GameDate));
        w.Element(QStringLiteral("試合開始予定時間"), XmlValue::FromDate(s.GameTime));
        w.Element(QStringLiteral("チーム"), s.Team);
        for (int g = 0; g < 4; ++g) {
            w.Open(kGoalNames[g]);
            w.Element(QStringLiteral("投票口数"), XmlValue::FromMoney(s.Votes[g].Count));
            w.Element(QStringLiteral("投票率"), XmlValue::FromMoney(s.Votes[g].Rate));
            w.Close(kGoalNames[g]);
        }
        w.Close(QStringLiteral("指定試合"));
    }
    const std::array<Money, 3>* arrays[3] = {&r.Sales, &r.Votes, &r.Tickets};
    for (int a = 0; a < 3; ++a) {
        w.Open(kSalesNames[a]);
        for (int p = 0; p < 3; ++p) {
            w.Element(kPartNames[p], XmlValue::FromMoney((*arrays[a])[p]));
        }
        w.Close(kSalesNames[a]);
    }
    w.Element(QStringLiteral("販売開始日"), XmlValue::FromDate(r.SaleStart));
    w.Element(QStringLiteral("販売終了日"), XmlValue::FromDate(r.SaleEnd));
    w.Element(QStringLiteral("結果発表日"), XmlValue::FromDate(r.ResultDate));
    w.Element(QStringLiteral("払戻開始日"), XmlValue::FromDate(r.PayStart));
    w.Element(QStringLiteral("払戻期限"), XmlValue::FromDate(r.PayEnd));
    w.Close(QStringLiteral("投票状況"));
}

} // namespace

clsXmlVote::clsXmlVote(ProgramPaths paths) : m_paths(std::move(paths)) {}

QString clsXmlVote::GetFileName(int32_t round, const QString& group) const {
    return XmlStoreFile::FileName(m_paths, kFolder, kPrefix, round, group);
}

QString clsXmlVote::GetArchiveFileName(int32_t round, const DateTime& saleEnd) const {
    return m_paths.SysDataFile(QStringLiteral("totoGOAL3-Vote/vote_") + XmlValue::RoundText(round) +
                               QLatin1Char('_') + saleEnd.Format(QStringLiteral("yyyy-mm-dd")) +
                               QStringLiteral(".xml"));
}

QString clsXmlVote::GetXmlString(bool withHeader) const {
    XmlTextWriter w;
    if (withHeader) {
        w.Header(QStringLiteral("totogoal3_vote.xsl"));
        w.Open(QStringLiteral("totoGOAL3"));
    }
    WriteBlock(m_record, w);
    if (withHeader) {
        w.Close(QStringLiteral("totoGOAL3"));
    }
    return w.Text();
}

XmlReadStatus clsXmlVote::Parse(const QString& text, VoteRecord& record, XmlFieldError& error) {
    VoteFields fields(record);
    XmlLineReader reader(kBlock,
                         [&fields](const QString& path, const QString& value, XmlFieldError& e) {
                             return fields.Take(path, value, e);
                         });
    const XmlReadStatus status = reader.Read(text);
    error = reader.Error();
    if (status == XmlReadStatus::Ok && !VoteRecordCheck::Plausible(record)) {
        return XmlReadStatus::Malformed; // "XMLデータが異常です。"
    }
    return status;
}

bool clsXmlVote::SetXmlString(const QString& text, bool withHeader, QString* valueError) {
    const QString full =
        withHeader ? text
                   : QStringLiteral("<totoGOAL3>\r\n") + text + QStringLiteral("\r\n</totoGOAL3>");
    VoteRecord fresh;
    XmlFieldError error;
    const XmlReadStatus status = Parse(full, fresh, error);
    if (status == XmlReadStatus::BadValue && valueError != nullptr) {
        *valueError = error.description;
        return false;
    }
    if (!XmlStoreFile::ReportRead(status, error, m_error)) {
        return false;
    }
    m_record = fresh;
    return true;
}

bool clsXmlVote::XmlSave(const QString& path) {
    return XmlStoreFile::Save(path, GetXmlString(true), m_error, QStringLiteral("XmlSave"));
}

bool clsXmlVote::XmlLoad(const QString& path) {
    QString text;
    if (XmlStoreFile::ReadForLoad(path, text, m_error) != XmlStoreFile::ReadResult::Ok) {
        return false;
    }
    return SetXmlString(text, true);
}

} // namespace kestrel
