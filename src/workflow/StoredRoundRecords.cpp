#include "workflow/StoredRoundRecords.h"

#include <QFileInfo>

#include "store/clsXmlResult.h"
#include "store/clsXmlSchedule.h"
#include "store/clsXmlVote.h"

namespace kestrel {

namespace {

// Loads the round's file when it exists, so a round without data stays silent.
template <typename Store, typename Record, typename Get>
bool LoadStored(const ProgramPaths& paths, int32_t round, const QString& group, Record& record,
                Get get) {
    Store store(paths);
    const QString path = store.GetFileName(round, group);
    if (!QFileInfo::exists(path) || !store.XmlLoad(path)) {
        return false;
    }
    record = get(store);
    return true;
}

} // namespace

bool StoredRoundRecords::LoadSchedule(int32_t round, const QString& group, ScheduleRecord& record) {
    return LoadStored<clsXmlSchedule>(m_paths, round, group, record,
                                      [](const clsXmlSchedule& s) { return s.Schedule(); });
}

bool StoredRoundRecords::LoadVote(int32_t round, const QString& group, VoteRecord& record) {
    return LoadStored<clsXmlVote>(m_paths, round, group, record,
                                  [](const clsXmlVote& s) { return s.Vote(); });
}

bool StoredRoundRecords::LoadResult(int32_t round, const QString& group, ResultRecord& record) {
    return LoadStored<clsXmlResult>(m_paths, round, group, record,
                                    [](const clsXmlResult& s) { return s.Result(); });
}

bool StoredRoundRecords::ScheduleExists(int32_t round, const QString& group) const {
    return QFileInfo::exists(clsXmlSchedule(m_paths).GetFileName(round, group));
}

bool StoredRoundRecords::VoteExists(int32_t round, const QString& group) const {
    return QFileInfo::exists(clsXmlVote(m_paths).GetFileName(round, group));
}

bool StoredRoundRecords::ResultExists(int32_t round, const QString& group) const {
    return QFileInfo::exists(clsXmlResult(m_paths).GetFileName(round, group));
}

} // namespace kestrel
