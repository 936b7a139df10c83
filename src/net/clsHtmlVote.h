#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/VoteRecord.h"
#include "net/clsHtmlGet.h"
#include "platform/ErrorReporter.h"
#include "store/TotoSettings.h"

namespace kestrel {

// Reads the operator's vote-status page (投票状況) of a round into a VoteRecord.
class clsHtmlVote {
public:
    explicit clsHtmlVote(const TotoSettings& settings);

    clsHtmlGet& HtmlGet() { return m_get; }
    bool ProgressOpen() const { return m_get.ProgressOpen(); }
    void SetProgressOpen(bool value) { m_get.SetProgressOpen(value); }
    bool ProgressClose() const { return m_get.ProgressClose(); }
    void SetProgressClose(bool value) { m_get.SetProgressClose(value); }

    // Fetches and parses; on success Vote() holds the figures and final tells whether they are
    // the final ones at the close of sales.
    bool GetVote(int32_t round, const QString& group, bool& final);
    bool ParsePieces(const QStringList& pieces, const QString& group, bool& final);

    QString PageUrl(int32_t round, const QString& group) const;
    const VoteRecord& Vote() const { return m_record; }
    bool Unpublished() const { return m_unpublished; }

private:
    QString m_voteUrl;
    QString m_goal3Suffix;
    QString m_groupASuffix;
    QString m_groupBSuffix;
    clsHtmlGet m_get;
    VoteRecord m_record;
    bool m_unpublished = false;
    ErrorReporter m_error{QStringLiteral("clsHtmlVote")};
};

} // namespace kestrel
