#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/ScheduleRecord.h"
#include "net/PageParser.h"
#include "platform/ProgramPaths.h"
#include "store/TotoSettings.h"

namespace kestrel {

// Reads the operator's schedule page (くじ情報) of a round into a ScheduleRecord; team names are
// translated to their short names through the team-name tables.
class clsHtmlSchedule : public PageParser<ScheduleRecord> {
public:
    clsHtmlSchedule(ProgramPaths paths, const TotoSettings& settings);

    // Fetches and parses the round's page; on success Schedule() holds it.
    bool GetSchedule(int32_t round, const QString& group);
    // Parses the text pieces of a page requested for the round (what GetSchedule does after
    // the download).
    bool ParsePieces(const QStringList& pieces, int32_t round, const QString& group);

    QString PageUrl(int32_t round) const;
    const ScheduleRecord& Schedule() const { return m_record; }
    // The last page team name of the parse that no team-name table knows, or empty.
    const QString& UnknownTeamName() const { return m_unknownTeam; }

private:
    ProgramPaths m_paths;
    QString m_scheduleUrl;
    QString m_unknownTeam;
};

} // namespace kestrel
