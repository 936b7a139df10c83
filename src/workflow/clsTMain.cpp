#include "workflow/clsTMain.h"

#include <algorithm>

namespace kestrel {

const QStringList clsTMain::kKumiNames = {QStringLiteral("Ａ組"), QStringLiteral("Ｂ組")};

clsTMain::clsTMain(std::shared_ptr<RoundRecordSource> source) : m_source(std::move(source)) {}

void clsTMain::Initialize() {
    m_kaisaikai = 0;
    m_kumiIndex = 0;
    m_initialized = true;
}

void clsTMain::SetKaisaikai(int32_t lngKaisaikai) {
    m_kaisaikai = std::clamp(lngKaisaikai, kMinKaisaikai, kMaxKaisaikai);
    Reload();
}

void clsTMain::SetKumiIndex(int index) {
    m_kumiIndex = std::clamp(index, 0, static_cast<int>(kKumiNames.size()) - 1);
    Reload();
}

void clsTMain::Reload(VoteReload mode) {
    if (!m_initialized) {
        return;
    }
    LoadRecords(mode, false);
    Announce();
}

void clsTMain::LoadRecords(VoteReload mode, bool keepUnstored) {
    const QString kumi = Kumi();
    ScheduleRecord schedule;
    const bool scheduleFound =
        m_kaisaikai > 0 && m_source->LoadSchedule(m_kaisaikai, kumi, schedule);
    if (scheduleFound || !keepUnstored) {
        SetHeldSchedule(schedule);
    }
    if (mode != VoteReload::Skip) {
        VoteRecord vote;
        const bool found = m_source->LoadVote(m_kaisaikai, kumi, vote);
        if (found || mode == VoteReload::Replace) {
            m_vote = vote;
        }
    }
    ResultRecord result;
    if (m_source->LoadResult(m_kaisaikai, kumi, result) || !keepUnstored) {
        m_result = result;
    }
}

void clsTMain::SetHeldSchedule(const ScheduleRecord& schedule) {
    m_schedule = schedule;
    m_notHeld = m_schedule.State == HoldState::NotHeld;
}

void clsTMain::Announce() {
    if (m_change) {
        m_change(m_kaisaikai, Kumi());
    }
}

void clsTMain::ApplyDownload(const DownloadOutcome& outcome) {
    if (!m_initialized || !outcome.Ok || outcome.Round != m_kaisaikai) {
        return;
    }
    // The downloaded record is used as it came, also when it could not be stored (a read-only or
    // full SysData): rereading the store would then find nothing. For the same reason the reload
    // keeps held records of this round that the store does not have.
    switch (outcome.Kind) {
    case DownloadKind::Vote:
        m_vote = outcome.Vote;
        LoadRecords(VoteReload::KeepWhenMissing, true);
        break;
    case DownloadKind::Schedule:
        LoadRecords(VoteReload::Skip, true);
        SetHeldSchedule(outcome.Schedule);
        break;
    case DownloadKind::Result:
        LoadRecords(VoteReload::Skip, true);
        m_result = outcome.Result;
        break;
    case DownloadKind::TeamNames:
        return;
    }
    Announce();
}

bool clsTMain::CheckScheduleFile() const {
    return m_source->ScheduleExists(m_kaisaikai, Kumi());
}

bool clsTMain::CheckVoteFile() const {
    return m_source->VoteExists(m_kaisaikai, Kumi());
}

bool clsTMain::CheckResultFile() const {
    return m_source->ResultExists(m_kaisaikai, Kumi());
}

} // namespace kestrel
