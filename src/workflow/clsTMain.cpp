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
    const QString kumi = Kumi();
    ScheduleRecord schedule;
    if (m_kaisaikai > 0) {
        m_source->LoadSchedule(m_kaisaikai, kumi, schedule);
    }
    m_schedule = schedule;
    m_notHeld = m_schedule.State == HoldState::NotHeld;
    if (mode != VoteReload::Skip) {
        VoteRecord vote;
        const bool found = m_source->LoadVote(m_kaisaikai, kumi, vote);
        if (found || mode == VoteReload::Replace) {
            m_vote = vote;
        }
    }
    ResultRecord result;
    m_source->LoadResult(m_kaisaikai, kumi, result);
    m_result = result;
    if (m_change) {
        m_change(m_kaisaikai, kumi);
    }
}

void clsTMain::ApplyDownload(const DownloadOutcome& outcome) {
    if (!outcome.Ok || outcome.Round != m_kaisaikai) {
        return;
    }
    switch (outcome.Kind) {
    case DownloadKind::Vote:
        m_vote = outcome.Vote;
        Reload(VoteReload::KeepWhenMissing);
        break;
    case DownloadKind::Schedule:
    case DownloadKind::Result:
        Reload(VoteReload::Skip);
        break;
    case DownloadKind::TeamNames:
        break;
    }
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
