#include "net/clsSchedule.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "net/AcquisitionDialogs.h"
#include "net/RecordCompleteness.h"

namespace kestrel {

namespace {

const char16_t* const kKind = u"開催情報";
const QString kFilePrefix = QStringLiteral("totoGOAL3_schedule_");

} // namespace

clsSchedule::clsSchedule(AcquisitionContext context)
    : m_context(std::move(context)), m_store(m_context.Paths),
      m_parser(m_context.Paths, m_context.Settings) {
    clsWinInet& inet = m_parser.HtmlGet().WinInet();
    inet.SetOptions(m_context.Http);
    inet.SetProgress(m_context.Progress);
}

void clsSchedule::Initialize() {
    m_initialized = true;
}

bool clsSchedule::Ready(const char16_t* procedure) const {
    if (!m_initialized) {
        m_error.Report(QString::fromUtf16(procedure), QStringLiteral("Initialize Err"));
    }
    return m_initialized;
}

bool clsSchedule::CheckScheduleFile(int32_t round, const QString& group) const {
    return QFileInfo(m_store.GetFileName(round, group)).isFile();
}

void clsSchedule::Download(int32_t round, const QString& group, ScheduleRecord& record) {
    if (m_parser.GetSchedule(round, group)) {
        // A page of another round is never taken for this one.
        if (m_parser.Schedule().Kaisaikai == round) {
            record = m_parser.Schedule();
            const QString path = m_store.GetFileName(round, group);
            if (RecordCompleteness::IsComplete(record) && !QFileInfo::exists(path)) {
                m_store.SetSchedule(record);
                m_store.XmlSave(path);
            }
        }
    }
    m_unpublished = m_parser.Unpublished();
}

bool clsSchedule::GetSchedule(int32_t round, const QString& group, int flags, bool ask) {
    if (!Ready(u"GetSchedule")) {
        return false;
    }
    m_cancel = m_unpublished = m_noGame = false;
    ScheduleRecord record;
    if (round >= 1) {
        bool loaded = false;
        if ((flags & AcquisitionDialogs::kLoadFile) != 0 &&
            m_store.XmlLoad(m_store.GetFileName(round, group))) {
            record = m_store.Schedule();
            m_noGame = record.State == HoldState::NotHeld;
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

void clsSchedule::FalseDialog(int32_t round) {
    AcquisitionDialogs::FalseDialog(round, QString::fromUtf16(kKind), m_cancel, m_unpublished);
}

bool clsSchedule::XmlSave_NoGame(int32_t round, const QString& group) {
    if (CheckScheduleFile(round, group)) {
        return false;
    }
    const QString text = QStringLiteral("第") + QString::number(round) +
                         QStringLiteral(" 回を未開催に設定しますか？");
    if (!AcquisitionDialogs::AskYes(QString::fromUtf16(kKind), text)) {
        return false;
    }
    return m_store.XmlSave_NoGame(round, group);
}

bool clsSchedule::XmlDelete_NoGame(int32_t round, const QString& group) {
    if (!CheckScheduleFile(round, group)) {
        return false;
    }
    const QString text = QStringLiteral("第") + QString::number(round) +
                         QStringLiteral(" 回の未開催を解除しますか？");
    if (!AcquisitionDialogs::AskYes(QString::fromUtf16(kKind), text)) {
        return false;
    }
    return m_store.XmlDelete_NoGame(round, group);
}

int clsSchedule::GetScheduleNo(std::vector<int32_t>& list) {
    list.clear();
    const QDir folder = QFileInfo(m_store.GetFileName(1, QString())).dir();
    const QStringList names =
        folder.entryList({kFilePrefix + QStringLiteral("*.xml")}, QDir::Files);
    const qsizetype prefix = kFilePrefix.size();
    for (const QString& name : names) {
        const int digits = name.mid(prefix + 4, 1) == QLatin1String(".") ? 4 : 3;
        bool ok = false;
        const int round = name.mid(prefix, digits).toInt(&ok);
        if (ok) {
            list.push_back(round);
        }
    }
    std::sort(list.begin(), list.end());
    return static_cast<int>(list.size());
}

ScheduleRecord clsSchedule::Schedule() const {
    return Ready(u"Schedule") ? m_record : ScheduleRecord();
}

bool clsSchedule::Cancel() const {
    return Ready(u"Cancel") && m_cancel;
}
bool clsSchedule::Unpublished() const {
    return Ready(u"Unpublished") && m_unpublished;
}
bool clsSchedule::NoGame() const {
    return Ready(u"NoGame") && m_noGame;
}

} // namespace kestrel
