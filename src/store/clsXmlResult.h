#pragma once

#include <QString>

#include "core/ResultRecord.h"
#include "platform/ProgramPaths.h"
#include "store/XmlLineReader.h"
#include "store/XmlRecordStore.h"

namespace kestrel {

// The result store: one XML file per round under SysData/totoGOAL3_Result
// (totogoal3_result_NNN[_G].xml). GetFileName, XmlSave and XmlLoad come from XmlRecordStore.
class clsXmlResult : public XmlRecordStore<ResultRecord> {
public:
    explicit clsXmlResult(ProgramPaths paths);

    // The text XmlSave writes.
    QString GetXmlText() const { return Text(); }
    // Parses store text into the current record (all or nothing), reporting under "XmlLoad".
    bool SetXmlText(const QString& text) { return SetText(text); }
    // Parses without touching the current record or reporting.
    static XmlReadStatus Parse(const QString& text, ResultRecord& record, XmlFieldError& error);

    const ResultRecord& Result() const { return m_record; }
    void SetResult(const ResultRecord& record) { m_record = record; }
};

} // namespace kestrel
