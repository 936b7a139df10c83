#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/VoteRecord.h"
#include "net/PageParser.h"
#include "store/TotoSettings.h"

namespace kestrel {

// Reads the operator's vote-status page (投票状況) of a round into a VoteRecord.
class clsHtmlVote : public PageParser<VoteRecord> {
public:
    explicit clsHtmlVote(const TotoSettings& settings);

    // Fetches and parses; on success Vote() holds the figures and final tells whether they are
    // the final ones at the close of sales.
    bool GetVote(int32_t round, const QString& group, bool& final);
    bool ParsePieces(const QStringList& pieces, const QString& group, bool& final);

    QString PageUrl(int32_t round, const QString& group) const;
    const VoteRecord& Vote() const { return m_record; }

private:
    QString m_voteUrl;
    QString m_goal3Suffix;
    QString m_groupASuffix;
    QString m_groupBSuffix;
};

} // namespace kestrel
