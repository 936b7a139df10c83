#pragma once

#include <QString>
#include <cstdint>

#include "core/VoteRecord.h"
#include "net/AcquisitionContext.h"
#include "net/RoundAcquisition.h"
#include "net/clsHtmlVote.h"
#include "store/clsXmlVote.h"

namespace kestrel {

// The vote status (投票状況) of a round: the stored file first, the operator's page on request.
// Interim figures are handed out but never saved; final ones are saved once as the round's file.
class clsVote : public RoundAcquisition<VoteRecord, clsXmlVote, clsHtmlVote> {
public:
    explicit clsVote(const AcquisitionContext& context);

    bool CheckVoteFile(int32_t round, const QString& group) const;
    // Flags: 1 load the stored file, 2 download when nothing was loaded. True when the current
    // record is complete afterwards.
    bool GetVote(int32_t round, const QString& group, int flags, bool ask);
    // Loads the archived final figures of the round (sale end date in the name) as the current
    // record; false (record unchanged) when there is no such file or it does not load.
    bool GetOldVoteFile(int32_t round, const DateTime& saleEnd);

    VoteRecord Vote() const;

private:
    bool Fetch(int32_t round, const QString& group, VoteRecord& parsed, bool& savable) override;
};

} // namespace kestrel
