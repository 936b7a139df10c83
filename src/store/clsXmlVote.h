#pragma once

#include <QString>
#include <cstdint>

#include "core/VoteRecord.h"
#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "store/XmlLineReader.h"

namespace kestrel {

// The vote-status store: one XML file per round under SysData/totoGOAL3_Vote. The same text,
// without the file header, is embedded in the document files.
class clsXmlVote {
public:
    explicit clsXmlVote(ProgramPaths paths);

    // <SysData>/totoGOAL3_Vote/totogoal3_vote_NNN[_G].xml
    QString GetFileName(int32_t round, const QString& group) const;
    // The read-only archive of final figures:
    // <SysData>/totoGOAL3-Vote/vote_NNN_yyyy-mm-dd.xml (the sale end date).
    QString GetArchiveFileName(int32_t round, const DateTime& saleEnd) const;

    bool XmlSave(const QString& path);
    // Reads the file and parses it with SetXmlString (header set). False without a message for
    // an empty path or a missing file.
    bool XmlLoad(const QString& path);

    // The current record as vote status text, with or without the file header.
    QString GetXmlString(bool withHeader) const;
    // Parses vote status text into the current record; all or nothing. Without the header flag
    // the text (the "<投票状況>" block) is wrapped in "<totoGOAL3>" first. A mismatched or
    // incomplete text is always reported; a value that does not convert is reported too, unless
    // valueError is given, in which case its description goes there for the caller to report.
    bool SetXmlString(const QString& text, bool withHeader, QString* valueError = nullptr);
    // Parses without touching the current record or reporting; a negative count or sale makes
    // the text malformed.
    static XmlReadStatus Parse(const QString& text, VoteRecord& record, XmlFieldError& error);

    const VoteRecord& Vote() const { return m_record; }
    void SetVote(const VoteRecord& record) { m_record = record; }

private:
    ProgramPaths m_paths;
    VoteRecord m_record;
    ErrorReporter m_error{QStringLiteral("clsXmlVote")};
};

} // namespace kestrel
