#pragma once

#include <QString>
#include <cstdint>

#include "core/ScheduleRecord.h"
#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "store/XmlLineReader.h"

namespace kestrel {

// The schedule store: one XML file per round under SysData/totoGOAL3_Schedule, plus the minimal
// file that marks a round as not held.
class clsXmlSchedule {
public:
    explicit clsXmlSchedule(ProgramPaths paths);

    // <SysData>/totoGOAL3_Schedule/totogoal3_schedule_NNN[_G].xml
    QString GetFileName(int32_t round, const QString& group) const;
    // Writes the current record; false (reported) when the file could not be written.
    bool XmlSave(const QString& path);
    // Reads the file into a fresh record and makes it current only when the whole file parsed.
    // False without a message for an empty path or a missing file.
    bool XmlLoad(const QString& path);
    // Writes the not-held file for the round, replacing the round's schedule file.
    bool XmlSave_NoGame(int32_t round, const QString& group);
    // Deletes the round's schedule file, whatever it holds.
    bool XmlDelete_NoGame(int32_t round, const QString& group);

    // The text XmlSave writes, and the text of the not-held file.
    QString GetXmlText() const;
    static QString GetNoGameText(int32_t round);
    // Parses store text into the current record (all or nothing), reporting under "XmlLoad".
    bool SetXmlText(const QString& text);
    // Parses without touching the current record or reporting.
    static XmlReadStatus Parse(const QString& text, ScheduleRecord& record, XmlFieldError& error);

    const ScheduleRecord& Schedule() const { return m_record; }
    void SetSchedule(const ScheduleRecord& record) { m_record = record; }

private:
    ProgramPaths m_paths;
    ScheduleRecord m_record;
    ErrorReporter m_error{QStringLiteral("clsXmlSchedule")};
};

} // namespace kestrel
