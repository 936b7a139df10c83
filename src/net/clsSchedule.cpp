#include "net/clsSchedule.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "net/AcquisitionDialogs.h"

namespace kestrel {

namespace {

const char16_t* const kKind = u"開催情報";
const QString kFilePrefix = QStringLiteral("totoGOAL3_schedule_");

} // namespace

clsSchedule::clsSchedule(const AcquisitionContext& context)
    : RoundAcquisition(context, kKind, QStringLiteral("clsSchedule"), context.Paths,
                       context.Settings) {}

bool clsSchedule::CheckScheduleFile(int32_t round, const QString& group) const {
    return FileExists(round, group);
}

bool clsSchedule::GetSchedule(int32_t round, const QString& group, int flags, bool ask) {
    return Get(u"GetSchedule", round, group, flags, ask);
}

bool clsSchedule::Fetch(int32_t round, const QString& group, ScheduleRecord& parsed,
                        bool& savable) {
    savable = true;
    if (!m_parser.GetSchedule(round, group)) {
        return false;
    }
    parsed = m_parser.Schedule();
    return true;
}

bool clsSchedule::XmlSave_NoGame(int32_t round, const QString& group) {
    if (CheckScheduleFile(round, group)) {
        return false;
    }
    const QString text = QStringLiteral("第") + QString::number(round) +
                         QStringLiteral(" 回を未開催に設定しますか？");
    if (!AcquisitionDialogs::AskYes(Kind(), text)) {
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
    if (!AcquisitionDialogs::AskYes(Kind(), text)) {
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
    return Current(u"Schedule");
}

bool clsSchedule::NoGame() const {
    return Ready(u"NoGame") && m_fromFile && m_record.State == HoldState::NotHeld;
}

} // namespace kestrel
