#pragma once

#include <QString>
#include <cstdint>

#include "core/ResultRecord.h"
#include "net/AcquisitionContext.h"
#include "net/RoundAcquisition.h"
#include "net/clsHtmlResult.h"
#include "store/clsXmlResult.h"

namespace kestrel {

// The result (くじ結果) of a round: the stored file first, the operator's page on request; a
// complete download is saved once as the round's file.
class clsResult : public RoundAcquisition<ResultRecord, clsXmlResult, clsHtmlResult> {
public:
    explicit clsResult(const AcquisitionContext& context);

    bool CheckResultFile(int32_t round, const QString& group) const;
    // Flags: 1 load the stored file, 2 download when nothing was loaded. True when the current
    // record is complete afterwards.
    bool GetResult(int32_t round, const QString& group, int flags, bool ask);

    ResultRecord Result() const;

private:
    bool Fetch(int32_t round, const QString& group, ResultRecord& parsed, bool& savable) override;
};

} // namespace kestrel
