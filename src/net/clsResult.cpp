#include "net/clsResult.h"

#include <QFileInfo>

#include "net/AcquisitionDialogs.h"
#include "net/RecordCompleteness.h"

namespace kestrel {

namespace {

const char16_t* const kKind = u"くじ結果";

} // namespace

clsResult::clsResult(AcquisitionContext context)
    : m_context(std::move(context)), m_store(m_context.Paths), m_parser(m_context.Settings) {
    clsWinInet& inet = m_parser.HtmlGet().WinInet();
    inet.SetOptions(m_context.Http);
    inet.SetProgress(m_context.Progress);
}

void clsResult::Initialize() {
    m_initialized = true;
}

bool clsResult::Ready(const char16_t* procedure) const {
    if (!m_initialized) {
        m_error.Report(QString::fromUtf16(procedure), QStringLiteral("Initialize Err"));
    }
    return m_initialized;
}

bool clsResult::CheckResultFile(int32_t round, const QString& group) const {
    return QFileInfo(m_store.GetFileName(round, group)).isFile();
}

void clsResult::Download(int32_t round, const QString& group, ResultRecord& record) {
    if (m_parser.GetResult(round, group) && m_parser.Result().Kaisaikai == round) {
        record = m_parser.Result();
        const QString path = m_store.GetFileName(round, group);
        if (RecordCompleteness::IsComplete(record) && !QFileInfo::exists(path)) {
            m_store.SetResult(record);
            m_store.XmlSave(path);
        }
    }
    m_unpublished = m_parser.Unpublished();
}

bool clsResult::GetResult(int32_t round, const QString& group, int flags, bool ask) {
    if (!Ready(u"GetResult")) {
        return false;
    }
    m_cancel = m_unpublished = false;
    ResultRecord record;
    if (round >= 1) {
        bool loaded = false;
        if ((flags & AcquisitionDialogs::kLoadFile) != 0 &&
            m_store.XmlLoad(m_store.GetFileName(round, group))) {
            record = m_store.Result();
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

void clsResult::FalseDialog(int32_t round) {
    AcquisitionDialogs::FalseDialog(round, QString::fromUtf16(kKind), m_cancel, m_unpublished);
}

ResultRecord clsResult::Result() const {
    return Ready(u"Result") ? m_record : ResultRecord();
}
bool clsResult::Cancel() const {
    return Ready(u"Cancel") && m_cancel;
}
bool clsResult::Unpublished() const {
    return Ready(u"Unpublished") && m_unpublished;
}

} // namespace kestrel
