#pragma once

#include <QString>
#include <cstdint>
#include <utility>

#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "store/XmlRecordFormat.h"

namespace kestrel {

// What the three round stores share: one current record, the path of a round's file, and
// loading and saving that record through the format of its kind. Each store adds the
// operations only it has and names its record.
template <typename Record> class XmlRecordStore {
public:
    // <SysData>/<folder>/<prefix>NNN[_G].xml
    QString GetFileName(int32_t round, const QString& group) const {
        return m_format->FileName(m_paths, round, group);
    }
    // Writes the current record atomically; false (reported) when the file could not be
    // written.
    bool XmlSave(const QString& path) { return m_format->Save(path, m_record, m_error); }
    // Reads the file into a fresh record and makes it current only when the whole file parsed.
    // False without a message for an empty path or a missing file.
    bool XmlLoad(const QString& path) { return m_format->Load(path, m_record, m_error); }
    // The current record, for code that handles the three kinds alike.
    const Record& CurrentRecord() const { return m_record; }
    void SetCurrentRecord(const Record& record) { m_record = record; }

protected:
    XmlRecordStore(ProgramPaths paths, const XmlRecordFormat<Record>& format, QString className)
        : m_paths(std::move(paths)), m_error(std::move(className)), m_format(&format) {}

    // The current record as the text XmlSave writes.
    QString Text() const { return m_format->Text(m_record); }
    // Parses store text into the current record, all or nothing (see XmlRecordFormat).
    bool SetText(const QString& text, QString* valueError = nullptr) {
        return m_format->SetText(text, m_record, m_error, valueError);
    }

    ProgramPaths m_paths;
    Record m_record;
    ErrorReporter m_error;

private:
    const XmlRecordFormat<Record>* m_format; // one static table per kind
};

} // namespace kestrel
