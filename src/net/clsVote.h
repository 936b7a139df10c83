#pragma once

#include <QString>
#include <cstdint>

#include "core/VoteRecord.h"
#include "net/AcquisitionContext.h"
#include "net/clsHtmlVote.h"
#include "platform/ErrorReporter.h"
#include "store/clsXmlVote.h"

namespace kestrel {

// The vote status (投票状況) of a round: the stored file first, the operator's page on request.
// Interim figures are handed out but never saved; final ones are saved once as the round's file.
class clsVote {
public:
    explicit clsVote(AcquisitionContext context);

    void Initialize();
    bool ProgressOpen() const { return m_parser.ProgressOpen(); }
    void SetProgressOpen(bool value) { m_parser.SetProgressOpen(value); }
    bool ProgressClose() const { return m_parser.ProgressClose(); }
    void SetProgressClose(bool value) { m_parser.SetProgressClose(value); }

    bool CheckVoteFile(int32_t round, const QString& group) const;
    // Flags: 1 load the stored file, 2 download when nothing was loaded. True when the current
    // record is complete afterwards.
    bool GetVote(int32_t round, const QString& group, int flags, bool ask);
    void FalseDialog(int32_t round);
    // Loads the archived final figures of the round (sale end date in the name) as the current
    // record; false (record unchanged) when there is no such file or it does not load.
    bool GetOldVoteFile(int32_t round, const DateTime& saleEnd);

    VoteRecord Vote() const;
    bool Cancel() const;
    bool Unpublished() const;

private:
    bool Ready(const char16_t* procedure) const;
    void Download(int32_t round, const QString& group, VoteRecord& record);

    AcquisitionContext m_context;
    clsXmlVote m_store;
    clsHtmlVote m_parser;
    VoteRecord m_record;
    bool m_initialized = false;
    bool m_cancel = false;
    bool m_unpublished = false;
    ErrorReporter m_error{QStringLiteral("clsVote")};
};

} // namespace kestrel
