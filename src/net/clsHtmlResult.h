#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/ResultRecord.h"
#include "net/clsHtmlGet.h"
#include "platform/ErrorReporter.h"
#include "store/TotoSettings.h"

namespace kestrel {

// Reads the operator's result page (くじ結果) of a round into a ResultRecord.
class clsHtmlResult {
public:
    explicit clsHtmlResult(const TotoSettings& settings);

    clsHtmlGet& HtmlGet() { return m_get; }
    bool ProgressOpen() const { return m_get.ProgressOpen(); }
    void SetProgressOpen(bool value) { m_get.SetProgressOpen(value); }
    bool ProgressClose() const { return m_get.ProgressClose(); }
    void SetProgressClose(bool value) { m_get.SetProgressClose(value); }

    // Fetches and parses; on success Result() holds the result.
    bool GetResult(int32_t round, const QString& group);
    bool ParsePieces(const QStringList& pieces, const QString& group);

    QString PageUrl(int32_t round) const;
    const ResultRecord& Result() const { return m_record; }
    bool Unpublished() const { return m_unpublished; }

private:
    QString m_resultUrl;
    clsHtmlGet m_get;
    ResultRecord m_record;
    bool m_unpublished = false;
    ErrorReporter m_error{QStringLiteral("clsHtmlResult")};
};

} // namespace kestrel
