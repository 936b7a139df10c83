#pragma once

#include <QString>
#include <cstdint>

#include "core/ResultRecord.h"
#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "store/XmlLineReader.h"

namespace kestrel {

// The result store: one XML file per round under SysData/totoGOAL3_Result.
class clsXmlResult {
public:
    explicit clsXmlResult(ProgramPaths paths);

    // <SysData>/totoGOAL3_Result/totogoal3_result_NNN[_G].xml
    QString GetFileName(int32_t round, const QString& group) const;
    bool XmlSave(const QString& path);
    // All or nothing; false without a message for an empty path or a missing file.
    bool XmlLoad(const QString& path);

    // The text XmlSave writes.
    QString GetXmlText() const;
    // Parses store text into the current record (all or nothing), reporting under "XmlLoad".
    bool SetXmlText(const QString& text);
    // Parses without touching the current record or reporting.
    static XmlReadStatus Parse(const QString& text, ResultRecord& record, XmlFieldError& error);

    const ResultRecord& Result() const { return m_record; }
    void SetResult(const ResultRecord& record) { m_record = record; }

private:
    ProgramPaths m_paths;
    ResultRecord m_record;
    ErrorReporter m_error{QStringLiteral("clsXmlResult")};
};

} // namespace kestrel
