#pragma once

#include <QString>
#include <cstdint>

#include "core/VoteRecord.h"
#include "platform/ProgramPaths.h"
#include "store/XmlLineReader.h"
#include "store/XmlRecordStore.h"

namespace kestrel {

// The vote-status store: one XML file per round under SysData/totoGOAL3_Vote
// (totogoal3_vote_NNN[_G].xml). The same text, without the file header, is embedded in the
// document files. GetFileName, XmlSave and XmlLoad come from XmlRecordStore.
class clsXmlVote : public XmlRecordStore<VoteRecord> {
public:
    explicit clsXmlVote(ProgramPaths paths);

    // The read-only archive of final figures:
    // <SysData>/totoGOAL3-Vote/vote_NNN_yyyy-mm-dd.xml (the sale end date).
    QString GetArchiveFileName(int32_t round, const DateTime& saleEnd) const;

    // The current record as vote status text, with or without the file header.
    QString GetXmlString(bool withHeader) const;
    // Parses vote status text into the current record; all or nothing. Without the header flag
    // the text (the "<投票状況>" block) is wrapped in "<totoGOAL3>" first. A mismatched or
    // incomplete text is always reported; a value that does not convert is reported too, unless
    // valueError is given, in which case its description goes there for the caller to report.
    // XmlLoad reads a file as this does with the header set.
    bool SetXmlString(const QString& text, bool withHeader, QString* valueError = nullptr);
    // Parses without touching the current record or reporting; a negative count or sale makes
    // the text malformed.
    static XmlReadStatus Parse(const QString& text, VoteRecord& record, XmlFieldError& error);

    const VoteRecord& Vote() const { return m_record; }
    void SetVote(const VoteRecord& record) { m_record = record; }
};

} // namespace kestrel
