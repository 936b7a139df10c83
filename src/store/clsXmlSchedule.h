#pragma once

#include <QString>
#include <cstdint>

#include "core/ScheduleRecord.h"
#include "platform/ProgramPaths.h"
#include "store/XmlLineReader.h"
#include "store/XmlRecordStore.h"

namespace kestrel {

// The schedule store: one XML file per round under SysData/totoGOAL3_Schedule
// (totogoal3_schedule_NNN[_G].xml), plus the minimal file that marks a round as not held.
// GetFileName, XmlSave and XmlLoad come from XmlRecordStore.
class clsXmlSchedule : public XmlRecordStore<ScheduleRecord> {
public:
    explicit clsXmlSchedule(ProgramPaths paths);

    // Writes the not-held file for the round, replacing the round's schedule file.
    bool XmlSave_NoGame(int32_t round, const QString& group);
    // Deletes the round's schedule file, whatever it holds.
    bool XmlDelete_NoGame(int32_t round, const QString& group);

    // The text XmlSave writes, and the text of the not-held file.
    QString GetXmlText() const { return Text(); }
    static QString GetNoGameText(int32_t round);
    // Parses store text into the current record (all or nothing), reporting under "XmlLoad".
    bool SetXmlText(const QString& text) { return SetText(text); }
    // Parses without touching the current record or reporting.
    static XmlReadStatus Parse(const QString& text, ScheduleRecord& record, XmlFieldError& error);

    const ScheduleRecord& Schedule() const { return m_record; }
    void SetSchedule(const ScheduleRecord& record) { m_record = record; }
};

} // namespace kestrel
