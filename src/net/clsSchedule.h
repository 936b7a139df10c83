#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/ScheduleRecord.h"
#include "net/AcquisitionContext.h"
#include "net/clsHtmlSchedule.h"
#include "platform/ErrorReporter.h"
#include "store/clsXmlSchedule.h"

namespace kestrel {

// The schedule (開催情報) of a round: the stored file first, the operator's page on request; a
// complete download is saved once as the round's file. Also marks rounds as not held. Holds no
// window: it can run on a worker thread (questions go through the process-wide UserPrompt).
class clsSchedule {
public:
    explicit clsSchedule(AcquisitionContext context);

    void Initialize();
    bool ProgressOpen() const { return m_parser.ProgressOpen(); }
    void SetProgressOpen(bool value) { m_parser.SetProgressOpen(value); }
    bool ProgressClose() const { return m_parser.ProgressClose(); }
    void SetProgressClose(bool value) { m_parser.SetProgressClose(value); }

    bool CheckScheduleFile(int32_t round, const QString& group) const;
    // Flags: 1 load the stored file, 2 download when nothing was loaded. True when the current
    // record is complete afterwards.
    bool GetSchedule(int32_t round, const QString& group, int flags, bool ask);
    void FalseDialog(int32_t round);

    bool XmlSave_NoGame(int32_t round, const QString& group);
    bool XmlDelete_NoGame(int32_t round, const QString& group);
    // The round numbers of all stored schedule files, ascending; their count.
    int GetScheduleNo(std::vector<int32_t>& list);

    ScheduleRecord Schedule() const;
    bool Cancel() const;
    bool Unpublished() const;
    bool NoGame() const;
    // A page team name the team-name tables lack, from the last download; empty when none.
    const QString& UnknownTeamName() const { return m_parser.UnknownTeamName(); }

private:
    bool Ready(const char16_t* procedure) const;
    void Download(int32_t round, const QString& group, ScheduleRecord& record);

    AcquisitionContext m_context;
    clsXmlSchedule m_store;
    clsHtmlSchedule m_parser;
    ScheduleRecord m_record;
    bool m_initialized = false;
    bool m_cancel = false;
    bool m_unpublished = false;
    bool m_noGame = false;
    ErrorReporter m_error{QStringLiteral("clsSchedule")};
};

} // namespace kestrel
