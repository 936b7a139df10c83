#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/ScheduleRecord.h"
#include "net/clsHtmlGet.h"
#include "platform/ErrorReporter.h"
#include "platform/ProgramPaths.h"
#include "store/TotoSettings.h"

namespace kestrel {

// Reads the operator's schedule page (くじ情報) of a round into a ScheduleRecord; team names are
// translated to their short names through the team-name tables.
class clsHtmlSchedule {
public:
    clsHtmlSchedule(ProgramPaths paths, const TotoSettings& settings);

    clsHtmlGet& HtmlGet() { return m_get; }
    bool ProgressOpen() const { return m_get.ProgressOpen(); }
    void SetProgressOpen(bool value) { m_get.SetProgressOpen(value); }
    bool ProgressClose() const { return m_get.ProgressClose(); }
    void SetProgressClose(bool value) { m_get.SetProgressClose(value); }

    // Fetches and parses the round's page; on success Schedule() holds it.
    bool GetSchedule(int32_t round, const QString& group);
    // Parses the text pieces of a page requested for the round (what GetSchedule does after
    // the download).
    bool ParsePieces(const QStringList& pieces, int32_t round, const QString& group);

    QString PageUrl(int32_t round) const;
    const ScheduleRecord& Schedule() const { return m_record; }
    bool Unpublished() const { return m_unpublished; }
    // The last page team name of the parse that no team-name table knows, or empty.
    const QString& UnknownTeamName() const { return m_unknownTeam; }

private:
    ProgramPaths m_paths;
    QString m_scheduleUrl;
    clsHtmlGet m_get;
    ScheduleRecord m_record;
    bool m_unpublished = false;
    QString m_unknownTeam;
    ErrorReporter m_error{QStringLiteral("clsHtmlSchedule")};
};

} // namespace kestrel
