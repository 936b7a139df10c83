#include "store/clsXmlSchedule.h"

#include <QFile>
#include <QFileInfo>

#include "store/XmlRecordFormat.h"
#include "store/XmlStoreFile.h"
#include "store/XmlTextWriter.h"
#include "store/XmlValue.h"

namespace kestrel {

namespace {

using Format = XmlRecordFormat<ScheduleRecord>;
using SlotField = Format::SlotField;

bool IsCancelled(const ScheduleRecord& r) {
    return r.State == HoldState::Cancelled;
}

bool IsNotCancelled(const ScheduleRecord& r) {
    return !IsCancelled(r);
}

// "<開催状態>" read back: "中止" is Cancelled, any other text the number of the hold state (the
// not-held file holds "1").
bool ReadState(ScheduleRecord& r, const QString& value, XmlFieldError& error) {
    if (value == Format::CancelledText()) {
        r.State = HoldState::Cancelled;
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
    r.State = static_cast<HoldState>(state);
    return true;
}

// Date, kick-off time, stadium, state ("VS" or "中止") and team of a slot.
std::vector<SlotField> SlotFields() {
    return {
        SlotField::Of(QStringLiteral("<試合開催日>"), &ScheduleSlot::GameDate),
        SlotField::Of(QStringLiteral("<試合開始予定時間>"), &ScheduleSlot::GameTime),
        SlotField::Of(QStringLiteral("<競技場>"), &ScheduleSlot::Stadium),
        SlotField::Of(QStringLiteral("<状態>"), &ScheduleSlot::State),
        SlotField::Of(QStringLiteral("<チーム>"), &ScheduleSlot::Team),
    };
}

const Format& ScheduleFormat() {
    static const Format format{
        .kind = QStringLiteral("Schedule"),
        .block = QStringLiteral("開催"),
        .head = {},
        .slot = SlotFields(),
        .tail = Format::Joined({
            Format::SaleDateFields(),
            {Format::CancelledField(ReadState, IsCancelled)},
            Format::PayoutDateFields(IsNotCancelled),
        }),
    };
    return format;
}

} // namespace

clsXmlSchedule::clsXmlSchedule(ProgramPaths paths)
    : XmlRecordStore(std::move(paths), ScheduleFormat(), QStringLiteral("clsXmlSchedule")) {}

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

XmlReadStatus clsXmlSchedule::Parse(const QString& text, ScheduleRecord& record,
                                    XmlFieldError& error) {
    return ScheduleFormat().Parse(text, record, error);
}

} // namespace kestrel
