#include "net/clsVote.h"

#include <QFileInfo>

#include "net/AcquisitionDialogs.h"
#include "net/RecordCompleteness.h"

namespace kestrel {

namespace {

const char16_t* const kKind = u"投票状況";

} // namespace

clsVote::clsVote(AcquisitionContext context)
    : m_context(std::move(context)), m_store(m_context.Paths), m_parser(m_context.Settings) {
    clsWinInet& inet = m_parser.HtmlGet().WinInet();
    inet.SetOptions(m_context.Http);
    inet.SetProgress(m_context.Progress);
}

void clsVote::Initialize() {
    m_initialized = true;
}

bool clsVote::Ready(const char16_t* procedure) const {
    if (!m_initialized) {
        m_error.Report(QString::fromUtf16(procedure), QStringLiteral("Initialize Err"));
    }
    return m_initialized;
}

bool clsVote::CheckVoteFile(int32_t round, const QString& group) const {
    return QFileInfo(m_store.GetFileName(round, group)).isFile();
}

void clsVote::Download(int32_t round, const QString& group, VoteRecord& record) {
    bool final = false;
    if (m_parser.GetVote(round, group, final) && m_parser.Vote().Kaisaikai == round) {
        record = m_parser.Vote();
        const QString path = m_store.GetFileName(round, group);
        if (final && RecordCompleteness::IsComplete(record) && !QFileInfo::exists(path)) {
            m_store.SetVote(record);
            m_store.XmlSave(path);
        }
    }
    m_unpublished = m_parser.Unpublished();
}

bool clsVote::GetVote(int32_t round, const QString& group, int flags, bool ask) {
    if (!Ready(u"GetVote")) {
        return false;
    }
    m_cancel = m_unpublished = false;
    VoteRecord record;
    if (round >= 1) {
        bool loaded = false;
        if ((flags & AcquisitionDialogs::kLoadFile) != 0 &&
            m_store.XmlLoad(m_store.GetFileName(round, group))) {
            record = m_store.Vote();
            loaded = true;
        }
        if (!loaded && (flags & AcquisitionDialogs::kDownload) != 0) {
            if (ask && !AcquisitionDialogs::AskDownload(QString::fromUtf16(kKind))) {
                m_cancel = true;
            } else {
                Download(round, group, record);
            }
        }
    }
    m_record = record;
    return RecordCompleteness::IsComplete(record);
}

void clsVote::FalseDialog(int32_t round) {
    AcquisitionDialogs::FalseDialog(round, QString::fromUtf16(kKind), m_cancel, m_unpublished);
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
    return Ready(u"Vote") ? m_record : VoteRecord();
}
bool clsVote::Cancel() const {
    return Ready(u"Cancel") && m_cancel;
}
bool clsVote::Unpublished() const {
    return Ready(u"Unpublished") && m_unpublished;
}

} // namespace kestrel
