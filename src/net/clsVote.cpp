#include "net/clsVote.h"

#include <QFileInfo>

namespace kestrel {

clsVote::clsVote(const AcquisitionContext& context)
    : RoundAcquisition(context, u"投票状況", QStringLiteral("clsVote"), context.Settings) {}

bool clsVote::CheckVoteFile(int32_t round, const QString& group) const {
    return FileExists(round, group);
}

bool clsVote::GetVote(int32_t round, const QString& group, int flags, bool ask) {
    return Get(u"GetVote", round, group, flags, ask);
}

// Only the final figures at the close of sales are saved.
bool clsVote::Fetch(int32_t round, const QString& group, VoteRecord& parsed, bool& savable) {
    if (!m_parser.GetVote(round, group, savable)) {
        return false;
    }
    parsed = m_parser.Vote();
    return true;
}

bool clsVote::GetOldVoteFile(int32_t round, const DateTime& saleEnd) {
    const QString path = m_store.GetArchiveFileName(round, saleEnd);
    if (!QFileInfo(path).isFile() || !m_store.XmlLoad(path)) {
        return false;
    }
    m_record = m_store.Vote();
    return true;
}

VoteRecord clsVote::Vote() const {
    return Current(u"Vote");
}

} // namespace kestrel
