#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/ResultRecord.h"
#include "net/PageParser.h"
#include "store/TotoSettings.h"

namespace kestrel {

// Reads the operator's result page (くじ結果) of a round into a ResultRecord.
class clsHtmlResult : public PageParser<ResultRecord> {
public:
    explicit clsHtmlResult(const TotoSettings& settings);

    // Fetches and parses; on success Result() holds the result.
    bool GetResult(int32_t round, const QString& group);
    bool ParsePieces(const QStringList& pieces, const QString& group);

    QString PageUrl(int32_t round) const;
    const ResultRecord& Result() const { return m_record; }

private:
    QString m_resultUrl;
};

} // namespace kestrel
