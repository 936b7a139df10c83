#include "store/clsXmlResult.h"

#include "core/LotteryConstants.h"
#include "store/XmlRoundDates.h"
#include "store/XmlStoreFile.h"
#include "store/XmlTextWriter.h"
#include "store/XmlValue.h"

namespace kestrel {

namespace {

const QString kFolder = QStringLiteral("totoGOAL3_Result");
const QString kPrefix = QStringLiteral("totogoal3_result_");
const QString kBlock = QStringLiteral("<結果>");
const QString kSlotElement = QStringLiteral("<指定試合>");
const QString kCancelled = QStringLiteral("中止");

// Per-grade figures: element names, and the grade names 1..2.
const QString kGradeArrays[3] = {QStringLiteral("当せん金"), QStringLiteral("当せん口数"),
                                 QStringLiteral("次回への繰越金")};
const QString kGradeNames[kGradeCount] = {QStringLiteral("一等"), QStringLiteral("二等")};

QString Tag(const QString& name) {
    return QLatin1Char('<') + name + QLatin1Char('>');
}

class ResultFields {
public:
    explicit ResultFields(ResultRecord& record) : m_record(record) {}

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
        if (path == QStringLiteral("<開催状態>")) {
            if (value == kCancelled) {
                m_record.Cancelled = true;
            }
            return true;
        }
        if (Money* money = GradeField(path)) {
            return XmlValue::ToMoney(value, *money, error);
        }
        DateTime* date = DateField(path);
        return date == nullptr || XmlValue::ToDate(value, *date, error);
    }

private:
    Money* GradeField(const QString& path) {
        std::array<Money, kGradeCount>* arrays[3] = {&m_record.Prize, &m_record.Winners,
                                                     &m_record.CarryOver};
        for (int a = 0; a < 3; ++a) {
            for (int g = 0; g < kGradeCount; ++g) {
                if (path == Tag(kGradeArrays[a]) + Tag(kGradeNames[g])) {
                    return &(*arrays[a])[g];
                }
            }
        }
        return nullptr;
    }

    // A cancelled round keeps its refund dates in the announcement and payout fields.
    DateTime* DateField(const QString& path) {
        if (path == QStringLiteral("<返還確定日>")) {
            return &m_record.ResultDate;
        }
        if (path == QStringLiteral("<返還開始日>")) {
            return &m_record.PayStart;
        }
        if (path == QStringLiteral("<返還期限>")) {
            return &m_record.PayEnd;
        }
        return RoundDateField(path, m_record);
    }

    bool TakeSlot(const QString& field, const QString& value, XmlFieldError& error) {
        if (field == QStringLiteral("<番号>")) {
            return XmlValue::ToSlotIndex(value, m_slot, error);
        }
        const bool known =
            field == QStringLiteral("<試合開催日>") || field == QStringLiteral("<競技場>") ||
            field == QStringLiteral("<くじ結果>") || field == QStringLiteral("<チーム>") ||
            field == QStringLiteral("<ホームアウェイ>") || field == QStringLiteral("<得点>");
        if (!known) {
            return true;
        }
        if (m_slot < 0) {
            error = XmlFieldError::OutOfRange();
            return false;
        }
        ResultSlot& slot = m_record.Slots[m_slot];
        if (field == QStringLiteral("<試合開催日>")) {
            return XmlValue::ToDate(value, slot.GameDate, error);
        }
        if (field == QStringLiteral("<くじ結果>")) {
            return XmlValue::ToByte(value, kVoidClass, slot.Result, error);
        }
        if (field == QStringLiteral("<得点>")) {
            return XmlValue::ToByte(value, 255, slot.Goals, error);
        }
        if (field == QStringLiteral("<競技場>")) {
            slot.Stadium = value;
        } else if (field == QStringLiteral("<チーム>")) {
            slot.Team = value;
        } else {
            slot.HomeAway = value;
        }
        return true;
    }

    ResultRecord& m_record;
    int m_slot = -1;
};

} // namespace

clsXmlResult::clsXmlResult(ProgramPaths paths) : m_paths(std::move(paths)) {}

QString clsXmlResult::GetFileName(int32_t round, const QString& group) const {
    return XmlStoreFile::FileName(m_paths, kFolder, kPrefix, round, group);
}

QString clsXmlResult::GetXmlText() const {
    const ResultRecord& r = m_record;
    XmlTextWriter w;
    w.Header(QStringLiteral("totogoal3_result.xsl"));
    w.Open(QStringLiteral("totoGOAL3"));
    w.Open(QStringLiteral("結果"));
    w.Element(QStringLiteral("開催回"), QString::number(r.Kaisaikai));
    if (!r.Kumi.isEmpty()) {
        w.Element(QStringLiteral("組"), r.Kumi);
    }
    for (int i = 0; i < static_cast<int>(r.Slots.size()); ++i) {
        const ResultSlot& s = r.Slots[i];
        w.Open(QStringLiteral("指定試合"));
        w.Element(QStringLiteral("番号"), QString::number(i + 1));
        w.Element(QStringLiteral("試合開催日"), XmlValue::FromDate(s.GameDate));
        w.Element(QStringLiteral("競技場"), s.Stadium);
        w.Element(QStringLiteral("くじ結果"), QString::number(s.Result));
        w.Element(QStringLiteral("チーム"), s.Team);
        w.Element(QStringLiteral("ホームアウェイ"), s.HomeAway);
        w.Element(QStringLiteral("得点"), QString::number(s.Goals));
        w.Close(QStringLiteral("指定試合"));
    }
    if (r.Cancelled) {
        w.Element(QStringLiteral("開催状態"), kCancelled);
        w.Element(QStringLiteral("返還確定日"), XmlValue::FromDate(r.ResultDate));
        w.Element(QStringLiteral("返還開始日"), XmlValue::FromDate(r.PayStart));
        w.Element(QStringLiteral("返還期限"), XmlValue::FromDate(r.PayEnd));
    } else {
        const std::array<Money, kGradeCount>* arrays[3] = {&r.Prize, &r.Winners, &r.CarryOver};
        for (int a = 0; a < 3; ++a) {
            w.Open(kGradeArrays[a]);
            for (int g = 0; g < kGradeCount; ++g) {
                w.Element(kGradeNames[g], XmlValue::FromMoney((*arrays[a])[g]));
            }
            w.Close(kGradeArrays[a]);
        }
        w.Element(QStringLiteral("販売開始日"), XmlValue::FromDate(r.SaleStart));
        w.Element(QStringLiteral("販売終了日"), XmlValue::FromDate(r.SaleEnd));
        w.Element(QStringLiteral("結果発表日"), XmlValue::FromDate(r.ResultDate));
        w.Element(QStringLiteral("払戻開始日"), XmlValue::FromDate(r.PayStart));
        w.Element(QStringLiteral("払戻期限"), XmlValue::FromDate(r.PayEnd));
    }
    w.Close(QStringLiteral("結果"));
    w.Close(QStringLiteral("totoGOAL3"));
    return w.Text();
}

XmlReadStatus clsXmlResult::Parse(const QString& text, ResultRecord& record, XmlFieldError& error) {
    ResultFields fields(record);
    XmlLineReader reader(kBlock,
                         [&fields](const QString& path, const QString& value, XmlFieldError& e) {
                             return fields.Take(path, value, e);
                         });
    const XmlReadStatus status = reader.Read(text);
    error = reader.Error();
    return status;
}

bool clsXmlResult::SetXmlText(const QString& text) {
    ResultRecord fresh;
    XmlFieldError error;
    if (!XmlStoreFile::ReportRead(Parse(text, fresh, error), error, m_error)) {
        return false;
    }
    m_record = fresh;
    return true;
}

bool clsXmlResult::XmlSave(const QString& path) {
    return XmlStoreFile::Save(path, GetXmlText(), m_error, QStringLiteral("XmlSave"));
}

bool clsXmlResult::XmlLoad(const QString& path) {
    QString text;
    if (XmlStoreFile::ReadForLoad(path, text, m_error) != XmlStoreFile::ReadResult::Ok) {
        return false;
    }
    return SetXmlText(text);
}

} // namespace kestrel
