#include "store/clsXmlSchedule.h"

#include <QFile>
#include <QFileInfo>

#include "store/XmlRoundDates.h"
#include "store/XmlStoreFile.h"
#include "store/XmlTextWriter.h"
#include "store/XmlValue.h"

namespace kestrel {

namespace {

const QString kFolder = QStringLiteral("totoGOAL3_Schedule");
const QString kPrefix = QStringLiteral("totogoal3_schedule_");
const QString kBlock = QStringLiteral("<開催>");
const QString kCancelled = QStringLiteral("中止");

// Takes the values of a schedule file into a record, slot fields going to the slot named by the
// most recent "<番号>".
class ScheduleFields {
public:
    explicit ScheduleFields(ScheduleRecord& record) : m_record(record) {}

    bool Take(const QString& path, const QString& value, XmlFieldError& error) {
        if (path.startsWith(QStringLiteral("<指定試合>"))) {
            return TakeSlot(path.mid(6), value, error);
        }
        if (path == QStringLiteral("<開催回>")) {
            return XmlValue::ToInt32(value, m_record.Kaisaikai, error);
        }
        if (path == QStringLiteral("<組>")) {
            m_record.Kumi = value;
            return true;
        }
        if (path == QStringLiteral("<開催状態>")) {
            return TakeState(value, error);
        }
        DateTime* date = DateField(path);
        return date == nullptr || XmlValue::ToDate(value, *date, error);
    }

private:
    DateTime* DateField(const QString& path) { return RoundDateField(path, m_record); }

    bool TakeState(const QString& value, XmlFieldError& error) {
        if (value == kCancelled) {
            m_record.State = HoldState::Cancelled;
            return true;
        }
        int32_t state = 0;
        if (!XmlValue::ToInt32(value, state, error)) {
            return false;
        }
        if (state < 0 || state > static_cast<int32_t>(HoldState::Cancelled)) {
            error = XmlFieldError::OutOfRange();
            return false;
        }
        m_record.State = static_cast<HoldState>(state);
        return true;
    }

    bool TakeSlot(const QString& field, const QString& value, XmlFieldError& error) {
        if (field == QStringLiteral("<番号>")) {
            return XmlValue::ToSlotIndex(value, m_slot, error);
        }
        const bool known = field == QStringLiteral("<チーム>") ||
                           field == QStringLiteral("<試合開催日>") ||
                           field == QStringLiteral("<試合開始予定時間>") ||
                           field == QStringLiteral("<競技場>") || field == QStringLiteral("<状態>");
        if (!known) {
            return true;
        }
        if (m_slot < 0) {
            error = XmlFieldError::OutOfRange();
            return false;
        }
        ScheduleSlot& slot = m_record.Slots[m_slot];
        if (field == QStringLiteral("<チーム>")) {
            slot.Team = value;
        } else if (field == QStringLiteral("<試合開催日>")) {
            return XmlValue::ToDate(value, slot.GameDate, error);
        } else if (field == QStringLiteral("<試合開始予定時間>")) {
            return XmlValue::ToDate(value, slot.GameTime, error);
        } else if (field == QStringLiteral("<競技場>")) {
            slot.Stadium = value;
        } else {
            slot.State = value;
        }
        return true;
    }

    ScheduleRecord& m_record;
    int m_slot = -1;
};

} // namespace

clsXmlSchedule::clsXmlSchedule(ProgramPaths paths) : m_paths(std::move(paths)) {}

QString clsXmlSchedule::GetFileName(int32_t round, const QString& group) const {
    return XmlStoreFile::FileName(m_paths, kFolder, kPrefix, round, group);
}

QString clsXmlSchedule::GetXmlText() const {
    const ScheduleRecord& r = m_record;
    XmlTextWriter w;
    w.Header(QStringLiteral("totogoal3_schedule.xsl"));
    w.Open(QStringLiteral("totoGOAL3"));
    w.Open(QStringLiteral("開催"));
    w.Element(QStringLiteral("開催回"), QString::number(r.Kaisaikai));
    if (!r.Kumi.isEmpty()) {
        w.Element(QStringLiteral("組"), r.Kumi);
    }
    for (int i = 0; i < static_cast<int>(r.Slots.size()); ++i) {
        const ScheduleSlot& s = r.Slots[i];
        w.Open(QStringLiteral("指定試合"));
        w.Element(QStringLiteral("番号"), QString::number(i + 1));
        w.Element(QStringLiteral("試合開催日"), XmlValue::FromDate(s.GameDate));
        w.Element(QStringLiteral("試合開始予定時間"), XmlValue::FromDate(s.GameTime));
        w.Element(QStringLiteral("競技場"), s.Stadium);
        w.Element(QStringLiteral("状態"), s.State);
        w.Element(QStringLiteral("チーム"), s.Team);
        w.Close(QStringLiteral("指定試合"));
    }
    w.Element(QStringLiteral("販売開始日"), XmlValue::FromDate(r.SaleStart));
    w.Element(QStringLiteral("販売終了日"), XmlValue::FromDate(r.SaleEnd));
    if (r.State == HoldState::Cancelled) {
        w.Element(QStringLiteral("開催状態"), kCancelled);
    } else {
        w.Element(QStringLiteral("結果発表日"), XmlValue::FromDate(r.ResultDate));
        w.Element(QStringLiteral("払戻開始日"), XmlValue::FromDate(r.PayStart));
        w.Element(QStringLiteral("払戻期限"), XmlValue::FromDate(r.PayEnd));
    }
    w.Close(QStringLiteral("開催"));
    w.Close(QStringLiteral("totoGOAL3"));
    return w.Text();
}

QString clsXmlSchedule::GetNoGameText(int32_t round) {
    XmlTextWriter w;
    w.Header(QStringLiteral("style.xsl"));
    w.Open(QStringLiteral("totoGOAL3"));
    w.Open(QStringLiteral("開催"));
    w.Element(QStringLiteral("開催回"), QString::number(round));
    w.Element(QStringLiteral("開催状態"), QStringLiteral("1"));
    w.Close(QStringLiteral("開催"));
    w.Close(QStringLiteral("totoGOAL3"));
    return w.Text();
}

bool clsXmlSchedule::XmlSave(const QString& path) {
    return XmlStoreFile::Save(path, GetXmlText(), m_error, QStringLiteral("XmlSave"));
}

bool clsXmlSchedule::XmlSave_NoGame(int32_t round, const QString& group) {
    return XmlStoreFile::Save(GetFileName(round, group), GetNoGameText(round), m_error,
                              QStringLiteral("XmlSave_NoGame"));
}

bool clsXmlSchedule::XmlDelete_NoGame(int32_t round, const QString& group) {
    const QString path = GetFileName(round, group);
    if (!QFileInfo(path).isFile() || !QFile::remove(path)) {
        m_error.Report(QStringLiteral("XmlDelete_NoGame"),
                       QStringLiteral("ファイルの削除に失敗しました。\r\n") + path);
        return false;
    }
    return true;
}

XmlReadStatus clsXmlSchedule::Parse(const QString& text, ScheduleRecord& record,
                                    XmlFieldError& error) {
    ScheduleFields fields(record);
    XmlLineReader reader(kBlock,
                         [&fields](const QString& path, const QString& value, XmlFieldError& e) {
                             return fields.Take(path, value, e);
                         });
    const XmlReadStatus status = reader.Read(text);
    error = reader.Error();
    return status;
}

bool clsXmlSchedule::SetXmlText(const QString& text) {
    ScheduleRecord fresh;
    XmlFieldError error;
    if (!XmlStoreFile::ReportRead(Parse(text, fresh, error), error, m_error)) {
        return false;
    }
    m_record = fresh;
    return true;
}

bool clsXmlSchedule::XmlLoad(const QString& path) {
    QString text;
    if (XmlStoreFile::ReadForLoad(path, text, m_error) != XmlStoreFile::ReadResult::Ok) {
        return false;
    }
    return SetXmlText(text);
}

} // namespace kestrel
